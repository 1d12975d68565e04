// Which look each quest's background has and the place its goal is. A quest with a layout is
// painted from its walls; the others (worlds 2 to 6, whose walls are still to be laid out) get an
// open floor below a back wall, with the goal's place where their goal rectangle lies.
#include "draw/BackgroundDraw.h"

#include "quests/QuestObjects.h"

namespace artgen {

namespace {

Material m(std::uint32_t light, std::uint32_t dark) { return {hex(light), hex(dark)}; }

// floor, pattern; mass, pattern; face, pattern; back wall height, bank height.
const Look kCastle{m(0xE2D6BC, 0xB9A98A), FloorPattern::Flagstones, m(0x8A8FA8, 0x5E6280), MassPattern::WallTops,
                   m(0xD8C6A8, 0x9A8468), FacePattern::Bricks, 46, 0};
const Look kMoat{m(0x9CE06A, 0x5CB040), FloorPattern::Grass, m(0x6AC4F4, 0x2A7CC4), MassPattern::Water,
                 m(0xC89E6A, 0x7A5A36), FacePattern::Cliff, 0, 18};
const Look kGallery{m(0xE8B070, 0xB47A42), FloorPattern::Parquet, m(0x7A5A7A, 0x4E3650), MassPattern::WallTops,
                    m(0xF4E4C4, 0xD4B88E), FacePattern::Panels, 100, 0};
const Look kThroneRoom{m(0xFBF4EA, 0xC8B8DC), FloorPattern::Marble, m(0x9A6A90, 0x64405E), MassPattern::WallTops,
                       m(0xF0D8C8, 0xB88CA0), FacePattern::Blocks, 42, 0};
const Look kCliffs{m(0xECD4A4, 0xC8A674), FloorPattern::Earth, m(0xA8B080, 0x6E7850), MassPattern::Rock,
                   m(0xB0A8A4, 0x68605C), FacePattern::Cliff, 34, 0};
const Look kCave{m(0xC8A880, 0x967A58), FloorPattern::Earth, m(0x6A5A7A, 0x3A3048), MassPattern::Cavern,
                 m(0x9A88AC, 0x5E5070), FacePattern::Cliff, 36, 0};
const Look kCrystalCave{m(0xB4C4E8, 0x7E90C4), FloorPattern::Crystal, m(0x4E4A84, 0x28264E), MassPattern::Cavern,
                        m(0x8A96D8, 0x4E5896), FacePattern::Cliff, 32, 0};
const Look kRiver{m(0x9CE06A, 0x5CB040), FloorPattern::Grass, m(0x6AC4F4, 0x2A7CC4), MassPattern::Water,
                  m(0xC89E6A, 0x7A5A36), FacePattern::Cliff, 0, 18};
const Look kDesertTown{m(0xF8DC9C, 0xE8BC70), FloorPattern::Sand, m(0xE89A6A, 0xB86A44), MassPattern::Roofs,
                       m(0xFFFAF0, 0xC8C0D0), FacePattern::Sandstone, 38, 0};
const Look kPyramid{m(0xF4E4C0, 0xD8C090), FloorPattern::Flagstones, m(0xF4CC80, 0xD4A458), MassPattern::Dunes,
                    m(0xF0CC90, 0xB8884E), FacePattern::Sandstone, 32, 0};

// Worlds 2 to 6.
const Look kDungeon{m(0xC4C6DA, 0x8E92B0), FloorPattern::Flagstones, m(0x55507A, 0x2E2A48), MassPattern::WallTops,
                    m(0xA49CC4, 0x625A88), FacePattern::Blocks, 70, 0};
const Look kMeadow{m(0xA4E470, 0x64B446), FloorPattern::Grass, m(0x4CA24A, 0x2A6A34), MassPattern::Hedge,
                   m(0x5AB04A, 0x2E7A34), FacePattern::Hedge, 60, 0};
const Look kMountain{m(0xE0CCA4, 0xB49C74), FloorPattern::Earth, m(0xA4A4B4, 0x6A6A80), MassPattern::Rock,
                     m(0xB4AAA4, 0x706660), FacePattern::Cliff, 80, 0};
const Look kVillage{m(0xD8CCB4, 0xA89A80), FloorPattern::Cobbles, m(0xE0785A, 0xA44A3A), MassPattern::Roofs,
                    m(0xF4E8D0, 0xC8B490), FacePattern::Bricks, 70, 0};
const Look kForest{m(0xB0E47A, 0x6CB44E), FloorPattern::Grass, m(0x3E9A4A, 0x1E5A30), MassPattern::Forest,
                   m(0x8A6A4A, 0x54402E), FacePattern::Cliff, 60, 0};
const Look kPalaceGarden{m(0xA8E878, 0x68B84A), FloorPattern::Grass, m(0x4CA24A, 0x2A6A34), MassPattern::Hedge,
                         m(0xFFF0DC, 0xD8C0A8), FacePattern::Blocks, 90, 0};
const Look kPalaceHall{m(0xFBF4EA, 0xC8C8E4), FloorPattern::Marble, m(0x6A7AC0, 0x3E4A8A), MassPattern::WallTops,
                       m(0xF4E4F0, 0xBCA8D0), FacePattern::Blocks, 80, 0};
const Look kGreenDungeon{m(0xBCD4B0, 0x84A47A), FloorPattern::Flagstones, m(0x3E6A4E, 0x1E3E2C),
                         MassPattern::WallTops, m(0x8AB08A, 0x4E7454), FacePattern::Blocks, 70, 0};
const Look kBrownDungeon{m(0xDCC0A0, 0xA8886A), FloorPattern::Flagstones, m(0x6E4E3A, 0x3E2A1E),
                         MassPattern::WallTops, m(0xB48E6E, 0x74543C), FacePattern::Blocks, 70, 0};
const Look kTomb{m(0xF0D8A8, 0xC8A474), FloorPattern::Flagstones, m(0xB08450, 0x6E4E2A), MassPattern::WallTops,
                 m(0xF0CC90, 0xB8884E), FacePattern::Sandstone, 80, 0};
const Look kMossCave{m(0xC0C88E, 0x8A9660), FloorPattern::Earth, m(0x4A5A3A, 0x26301E), MassPattern::Cavern,
                     m(0x8A9A6A, 0x56643E), FacePattern::Cliff, 70, 0};

struct Scene {
    int quest;
    const Look* look;
    Ornament ornament;
    Place place;
    GoalArea goal;  // for quests without a layout yet; a layout's own goal wins
    FieldRect spot = {};  // where the place is painted when that is not around the goal
};

// clang-format off
const Scene kScenes[] = {
    {1, &kCastle, Ornament::Windows, Place::HerbStall, {}},
    {2, &kMoat, Ornament::None, Place::CastleGate, {}},
    {3, &kGallery, Ornament::Wainscot, Place::GrandDoorway, {}},
    {4, &kThroneRoom, Ornament::Banners, Place::ThroneAisle, {}},
    {5, &kCliffs, Ornament::Moss, Place::CaveMouth, {}},
    {6, &kCave, Ornament::Crystals, Place::Archway, {}},
    {7, &kCrystalCave, Ornament::Crystals, Place::WizardCircle, {}},
    {8, &kRiver, Ornament::None, Place::RiverPath, {}},
    {9, &kDesertTown, Ornament::None, Place::DesertGate, {}},
    {10, &kPyramid, Ornament::Glyphs, Place::Pyramid, {}},

    {11, &kDungeon, Ornament::Banners, Place::SlidingDoorHole, {378, 264, 45, 26}},
    {12, &kDungeon, Ornament::Windows, Place::LadderPit, {392, 287, 10, 73}, {370, 300, 426, 360}},
    {13, &kDungeon, Ornament::Crystals, Place::Pedestal, {359, 201, 69, 56}},
    {14, &kVillage, Ornament::Windows, Place::Doorway, {369, 160, 62, 30}},
    {15, &kMeadow, Ornament::None, Place::CaveMouth, {325, 70, 60, 30}},
    {16, &kMountain, Ornament::None, Place::Stairs, {414, 30, 71, 30}},
    {17, &kMountain, Ornament::None, Place::MountainPass, {440, 127, 400, 67}},
    {18, &kDungeon, Ornament::Banners, Place::Pedestal, {700, 126, 30, 67}},
    {19, &kForest, Ornament::None, Place::Pedestal, {760, 174, 30, 70}},
    {20, &kMountain, Ornament::None, Place::CaveMouth, {611, 120, 63, 30}},

    {21, &kForest, Ornament::None, Place::ChasmPedestal, {526, 130, 71, 30}, {250, 352, 480, 400}},
    {22, &kForest, Ornament::None, Place::Pedestal, {750, 183, 50, 30}},
    {23, &kForest, Ornament::None, Place::Pedestal, {367, 190, 40, 52}},
    {24, &kMeadow, Ornament::None, Place::Pedestal, {305, 52, 35, 66}},
    {25, &kForest, Ornament::None, Place::Pedestal, {390, 220, 62, 30}},

    {31, &kPalaceGarden, Ornament::Windows, Place::PalaceFront, {266, 300, 271, 30}},
    {32, &kPalaceHall, Ornament::Banners, Place::Doorway, {348, 31, 106, 50}},
    {33, &kPalaceHall, Ornament::Banners, Place::ThroneDais, {348, 136, 105, 40}},
    {34, &kRiver, Ornament::None, Place::AppleTree, {373, 180, 51, 30}},
    {35, &kRiver, Ornament::None, Place::Stairs, {220, 10, 65, 30}},
    {36, &kGreenDungeon, Ornament::Moss, Place::Stairs, {696, 125, 54, 22}},
    {37, &kGreenDungeon, Ornament::Moss, Place::Pedestal, {384, 160, 51, 47}},
    {38, &kCliffs, Ornament::Moss, Place::Stairs, {380, 42, 72, 30}},
    {39, &kBrownDungeon, Ornament::Windows, Place::LadderPit, {50, 76, 30, 81}, {4, 94, 68, 162}},
    {40, &kBrownDungeon, Ornament::Windows, Place::Pedestal, {374, 70, 76, 32}},

    {41, &kTomb, Ornament::Glyphs, Place::Pedestal, {670, 80, 30, 87}},
    {42, &kTomb, Ornament::Glyphs, Place::Doorway, {595, 110, 65, 30}},
    {43, &kTomb, Ornament::Glyphs, Place::Stairs, {719, 300, 65, 30}},
    {44, &kTomb, Ornament::Glyphs, Place::Stairs, {396, 90, 62, 30}},
    {45, &kTomb, Ornament::Glyphs, Place::Pedestal, {365, 80, 65, 30}},

    {51, &kMossCave, Ornament::Moss, Place::Stairs, {719, 240, 61, 30}},
    {52, &kMossCave, Ornament::Moss, Place::Stairs, {369, 250, 69, 25}},
    {53, &kCrystalCave, Ornament::Crystals, Place::Pedestal, {370, 115, 67, 30}},
    {54, &kCrystalCave, Ornament::Crystals, Place::Pedestal, {377, 128, 62, 30}},
    {55, &kCrystalCave, Ornament::Crystals, Place::Doorway, {396, 275, 63, 30}},
    {56, &kCrystalCave, Ornament::Crystals, Place::Doorway, {706, 185, 56, 30}},
    {57, &kMossCave, Ornament::Moss, Place::Pedestal, {377, 120, 72, 30}},
    {58, &kCrystalCave, Ornament::Crystals, Place::Stairs, {374, 230, 63, 38}},
    {59, &kCrystalCave, Ornament::Crystals, Place::Doorway, {406, 230, 66, 20}},
    {60, &kCrystalCave, Ornament::Crystals, Place::Pedestal, {376, 160, 62, 30}},
};
// clang-format on

// Water or rock the walls alone cannot show: where a bridge or a ladder crosses it the walls leave
// the way open (only the quest's ledges stop the dude there), and a channel or chasm narrower than
// the dude runs between two walls whose floors the plan would join. Painted as the look's mass,
// with its banks inked.
struct Crossing {
    int quest;
    FieldRect rect;
    bool banksAcross = false;  // a ford between two lands: banks above and below it too
};
const Crossing kCrossings[] = {
    // Quest 34: the two fords the bridge is laid over.
    {34, {80, 370, 140, 420}, true}, {34, {600, 240, 660, 290}, true},
    {35, {60, 300, 105, 380}},  {35, {400, 330, 445, 380}}, {35, {140, 200, 154, 380}},
    {35, {462, 400, 476, 500}}, {35, {548, 400, 562, 500}}, {35, {732, 400, 746, 500}},
    // Quest 22: the thicket between the two woods.
    {22, {330, 150, 360, 330}},
    // Quest 36: the ladder's well.
    {36, {460, 206, 505, 230}},
    // Quest 24: the hedge down the whole hill.
    {24, {400, 44, 460, 500}},
    // Quest 52: the rock over the stairs at the top of the gates' shaft.
    {52, {360, 0, 430, 236}},
};

void paintCrossings(Canvas& c, int quest, const Look& look)
{
    for (const Crossing& crossing : kCrossings)
        if (crossing.quest == quest)
            paintFord(c, crossing.rect, look, crossing.banksAcross);
}

// Where a ladder stands in a gap of a cliff, only the quest's ledges stop the dude climbing while
// the ladder is elsewhere: the cliff's step is painted across the gap, as the walls paint it beside.
struct LedgeStep {
    int quest;
    int x0, x1, y;  // the gap and the cliff's line
};
const LedgeStep kLedgeSteps[] = {
    {22, 120, 170, 330}, {22, 420, 470, 330},
    {23, 140, 195, 330}, {23, 350, 424, 262},
    {25, 180, 225, 338}, {25, 620, 665, 338},
    {24, 20, 65, 395}, {24, 200, 245, 230},
    {36, 626, 672, 330},
    // Quest 13: the cliff's ladder gap and the dais's.
    {13, 83, 147, 347}, {13, 354, 418, 257},
    {37, 148, 193, 220}, {37, 392, 437, 240}, {37, 666, 711, 250},
    {59, 150, 195, 330},
};

void paintLedgeSteps(Canvas& c, int quest, const Look& look)
{
    cairo_t* cr = c.cr();
    const Rgb step = mix(look.face.light, look.floor.dark, 0.3);
    for (const LedgeStep& s : kLedgeSteps) {
        if (s.quest != quest)
            continue;
        const double y0 = s.y - 12;
        cairo_rectangle(cr, s.x0, y0, s.x1 - s.x0, s.y - y0);
        c.setVerticalGradient(y0, step, s.y, darker(step, 0.25));
        cairo_fill(cr);
        for (double y : {y0, double(s.y)}) {
            cairo_move_to(cr, s.x0, y);
            cairo_line_to(cr, s.x1, y);
        }
        c.setColour(kInk);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
}

const Scene* sceneOf(int quest)
{
    for (const Scene& s : kScenes)
        if (s.quest == quest)
            return &s;
    return nullptr;
}

// Where the place is painted: the scene's own spot, or for a stall the trader's place, the wall
// above the spot where the dude stands to trade.
FieldRect placeSpot(const Scene& scene)
{
    if (scene.place != Place::HerbStall)
        return scene.spot;
    const QuestObjects* q = questObjects(scene.quest);
    if (!q || !q->trader)
        return {};
    return {q->trader->x - 2, q->trader->y - 46, q->trader->x + 47, q->trader->y + 12};
}

}  // namespace

void drawQuestBackground(Canvas& c, int quest)
{
    const Scene* scene = sceneOf(quest);
    if (!scene)
        return;
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_scale(cr, double(kBackgroundWidth) / kFieldWidth, double(kBackgroundHeight) / kFieldHeight);
    const QuestLayout* layout = questLayout(quest);
    const int floorTop = int(scene->look->faceHeight) + 10;
    const FloorPlan plan = layout ? floorPlan(layout->dude) : openPlan(floorTop);
    const DudeLayout noWalls{};
    paintPlan(c, plan, layout ? layout->dude : noWalls, *scene->look);
    paintCrossings(c, quest, *scene->look);
    paintLedgeSteps(c, quest, *scene->look);
    ornamentBackWalls(c, plan, *scene->look, scene->ornament);
    const GoalArea goal = layout && layout->hasGoal ? layout->goal : scene->goal;
    if (!layout)
        paintOpenScene(c, *scene->look, goal, floorTop);
    drawPlace(c, scene->place, goal, placeSpot(*scene), plan, *scene->look);
    cairo_restore(cr);
}

}  // namespace artgen
