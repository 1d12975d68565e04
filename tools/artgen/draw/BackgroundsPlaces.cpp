// The places quests lead to, and the scenery some quests need beyond their look: the castle over
// its moat, the gallery's open doors, the river's lily pads, the desert beyond the town gate, the
// pyramid. Positions follow the quest's goal and its props (the gate's portcullis and drawbridge,
// the sliding door, the painted ladders), which the game draws over or under the picture.
#include "draw/BackgroundDraw.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

constexpr Rgb kStone = hex(0xC8BEB0);
constexpr Rgb kSandstone = hex(0xE8C488);
constexpr Rgb kSky = hex(0x8ED0FF);

void fillRect(Canvas& c, double x0, double y0, double x1, double y1, Rgb top, Rgb bottom)
{
    cairo_rectangle(c.cr(), x0, y0, x1 - x0, y1 - y0);
    c.setVerticalGradient(y0, top, y1, bottom);
    cairo_fill(c.cr());
}

// Makes the rectangle see-through: the game shows what lies behind the picture there.
void punchHole(Canvas& c, double x0, double y0, double x1, double y1)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
    cairo_fill(cr);
    cairo_restore(cr);
}

void battlements(Canvas& c, double x0, double x1, double top, Rgb stone)
{
    for (double x = x0; x < x1; x += 24)
        c.box(x, top, 14, 16, 1.5, lighter(stone, 0.3), stone, 2);
}

void brickLines(Canvas& c, double x0, double y0, double x1, double y1, Rgb mortar)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
    cairo_clip(cr);
    int row = 0;
    for (double y = y0; y < y1; y += 12, ++row) {
        cairo_move_to(cr, x0, y);
        cairo_line_to(cr, x1, y);
        for (double x = x0 + (row % 2) * 14; x < x1; x += 28) {
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x, y + 12);
        }
    }
    c.setColour(mortar, 0.5);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void roundTower(Canvas& c, double cx, double top, double bottom, double r, Rgb stone)
{
    c.box(cx - r, top + 14, 2 * r, bottom - top - 14, 4, lighter(stone, 0.15), darker(stone, 0.2), 2.5);
    brickLines(c, cx - r + 2, top + 16, cx + r - 2, bottom - 2, darker(stone, 0.5));
    battlements(c, cx - r - 3, cx + r, top, stone);
    c.box(cx - 5, top + 34, 10, 18, 5, hex(0x2A2238), hex(0x141020), 1.5);
}

// Quest 2: the castle wall runs across the top, its gatehouse over the gateway passage; the
// drawbridge comes down over the moat gap below the gateway, and the gateway above the goal line
// is a hole, dark behind the portcullis.
void castleGate(Canvas& c, const GoalArea& gate, const FloorPlan& plan)
{
    cairo_t* cr = c.cr();
    const double x0 = gate.x, x1 = gate.x + gate.width, sill = gate.y;  // the gateway's floor starts at the goal
    const double base = 205;                                              // the wall's foot at the moat
    cairo_save(cr);
    clipToMass(c, plan);
    fillRect(c, 0, 0, kFieldWidth, 60, kSky, lighter(kSky, 0.5));
    c.polygon({{0, 56}, {kFieldWidth, 56}, {kFieldWidth, base}, {300, base}, {300, 126}, {0, 126}});
    c.setVerticalGradient(56, lighter(kStone, 0.2), base, darker(kStone, 0.25));
    c.fillOutlined(2.5);
    brickLines(c, 0, 58, kFieldWidth, base, darker(kStone, 0.5));
    battlements(c, 0, kFieldWidth, 42, kStone);
    roundTower(c, 300, 14, base, 34, kStone);
    roundTower(c, 770, 14, base, 34, kStone);
    // The gatehouse stands out of the wall, a banner on each side of the gate.
    c.box(x0 - 40, 22, x1 - x0 + 80, base - 22, 3, lighter(kStone, 0.3), darker(kStone, 0.15), 2.5);
    brickLines(c, x0 - 38, 40, x1 + 38, base - 2, darker(kStone, 0.5));
    battlements(c, x0 - 43, x1 + 40, 8, kStone);
    for (double bx : {x0 - 24, x1 + 24}) {
        c.polygon({{bx - 9, 50}, {bx + 9, 50}, {bx + 9, 100}, {bx, 92}, {bx - 9, 100}});
        c.setVerticalGradient(50, hex(0xF0506A), 100, hex(0xB02040));
        c.fillOutlined(1.8);
    }
    // The arch around the gateway.
    const double r = (x1 - x0) / 2, cx = (x0 + x1) / 2, archTop = sill - 48;
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, archTop + r, r + 9, kPi, 2 * kPi);
    cairo_line_to(cr, x1 + 9, base);
    cairo_line_to(cr, x0 - 9, base);
    cairo_close_path(cr);
    c.setColour(lighter(kStone, 0.35));
    c.fillOutlined(2.5);
    cairo_restore(cr);

    // The gateway's cobbled floor inside the gatehouse, then the moat gap the drawbridge spans.
    fillRect(c, x0 + 1.5, sill, x1 - 1.5, base, hex(0xA8A098), hex(0x6E6660));
    brickLines(c, x0 + 1.5, sill, x1 - 1.5, base, hex(0x4A4440));
    fillRect(c, x0 + 1.5, base, x1 - 1.5, 247, hex(0x1E4A7A), hex(0x2A7CC4));
    cairo_move_to(cr, x0 - 9, base);
    cairo_line_to(cr, x1 + 9, base);
    c.setColour(kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);

    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, archTop + r, r, kPi, 2 * kPi);
    cairo_line_to(cr, x1, sill);
    cairo_line_to(cr, x0, sill);
    cairo_close_path(cr);
    c.setColour(kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, archTop + r, r - 1.5, kPi, 2 * kPi);
    cairo_line_to(cr, x1 - 1.5, sill);
    cairo_line_to(cr, x0 + 1.5, sill);
    cairo_close_path(cr);
    cairo_clip(cr);
    punchHole(c, x0, archTop - 2, x1, sill);
    cairo_restore(cr);
}

void lilyPads(Canvas& c, const FloorPlan& plan)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    clipToMass(c, plan);
    for (int k = 0; k < 44; ++k) {
        const double x = grain(k, 81) * kFieldWidth, y = grain(k, 83) * kFieldHeight;
        if (plan.isFloor(int(x), int(y)) || plan.isFloor(int(x), int(y) - 20) || plan.isFloor(int(x), int(y) + 24))
            continue;
        if (k % 3 == 0) {
            // Reeds.
            for (int i = -1; i <= 1; ++i)
                c.limb({x + i * 4, y}, {x + i * 6, y - 16 - 4 * i * i}, 2, hex(0x4A9A3A), 1);
            c.blob(x, y - 14, 2.5, 5, hex(0x8A5A2E), 1);
            continue;
        }
        cairo_move_to(cr, x, y);
        cairo_arc(cr, x, y, 8, 0.3, 2 * kPi - 0.3);
        cairo_close_path(cr);
        c.setVerticalGradient(y - 5, hex(0x8AD85A), y + 5, hex(0x3A9A3A));
        c.fillOutlined(1.5);
        if (k % 4 == 1)
            c.blob(x - 2, y - 3, 3, 3, hex(0xFF9AC8), 1);
    }
    cairo_restore(cr);
}

// Quest 8: the far bank's path leaves the field at the goal, past a signpost.
void riverPath(Canvas& c, const GoalArea& goal, const FloorPlan& plan)
{
    lilyPads(c, plan);
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_rectangle(cr, goal.x, 446, goal.width - 4, kFieldHeight - 446);
    cairo_clip(cr);
    cairo_move_to(cr, goal.x - 10, kFieldHeight + 10);
    cairo_curve_to(cr, goal.x + 20, 450, goal.x + goal.width - 30, 470, goal.x + goal.width, kFieldHeight + 10);
    c.setColour(hex(0xD8B680), 0.9);
    cairo_fill(cr);
    cairo_restore(cr);
    c.limb({24, 492}, {24, 452}, 4, hex(0x8A5A2E), 1.5);
    c.polygon({{10, 452}, {44, 452}, {52, 460}, {44, 468}, {10, 468}});
    c.setVerticalGradient(452, hex(0xE0A868), 468, hex(0xA8703A));
    c.fillOutlined(1.8);
}

// Quest 9: the town gate opens on the desert.
void desertGate(Canvas& c, const GoalArea& goal)
{
    const double x0 = goal.x, x1 = goal.x + goal.width, sill = goal.y + goal.height / 2;
    fillRect(c, x0 + 1.5, 0, x1 - 1.5, 40, kSky, lighter(kSky, 0.6));
    fillRect(c, x0 + 1.5, 40, x1 - 1.5, sill, hex(0xFFE0A0), hex(0xF0BE70));
    cairo_t* cr = c.cr();
    for (double y : {52.0, 70.0, 90.0}) {
        cairo_move_to(cr, x0 + 1.5, y);
        cairo_curve_to(cr, x0 + 20, y - 10, x1 - 20, y + 8, x1 - 1.5, y - 4);
    }
    c.setColour(hex(0xC8904A), 0.6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    c.blob(x0 + 16, 22, 7, 7, hex(0xFFF2A0), 1.2);  // the desert sun
    stoneArch(c, x0, x1, sill, 86, kSandstone);
}

// Quest 10: the pyramid rises behind the terraces; its door is at the goal.
void pyramid(Canvas& c, const GoalArea& goal, const FloorPlan& plan, const Look& look)
{
    cairo_t* cr = c.cr();
    const double x0 = goal.x, x1 = goal.x + goal.width, sill = goal.y + goal.height / 2;
    const double apexX = (x0 + x1) / 2, apexY = 18, baseY = 420, halfWidth = 300;
    cairo_save(cr);
    cairo_rectangle(cr, x0, 0, x1 - x0, sill);
    cairo_new_sub_path(cr);
    clipToMass(c, plan, look.faceHeight);
    fillRect(c, 0, 0, kFieldWidth, 120, kSky, lighter(kSky, 0.5));
    c.polygon({{apexX, apexY}, {apexX + halfWidth, baseY}, {apexX, baseY}});
    c.setVerticalGradient(apexY, hex(0xE8B870), baseY, hex(0xB8864A));
    cairo_fill(cr);
    c.polygon({{apexX, apexY}, {apexX, baseY}, {apexX - halfWidth, baseY}});
    c.setVerticalGradient(apexY, hex(0xFFE2A0), baseY, hex(0xE8BC78));
    cairo_fill(cr);
    for (double y = apexY + 18; y < baseY; y += 18) {
        const double half = halfWidth * (y - apexY) / (baseY - apexY);
        cairo_move_to(cr, apexX - half, y);
        cairo_line_to(cr, apexX + half, y);
    }
    c.setColour(hex(0x8A5A2E), 0.45);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    c.polygon({{apexX, apexY}, {apexX + halfWidth, baseY}, {apexX - halfWidth, baseY}});
    c.setColour(kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    c.polygon({{apexX, apexY - 2}, {apexX + 14, apexY + 17}, {apexX - 14, apexY + 17}});
    c.setColour(hex(0xFFD23A));
    c.fillOutlined(2);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, kFieldWidth, sill);
    cairo_clip(cr);
    doorway(c, x0 + 1.5, x1 - 1.5, sill, 80, hex(0xD8A460), hex(0x2A1E16));
    cairo_restore(cr);
}

// Quest 3: at the top of the gallery the passage leads through open doors into the throne room.
void grandDoorway(Canvas& c, const GoalArea& goal)
{
    const double x0 = goal.x, x1 = goal.x + goal.width, sill = goal.y + goal.height;
    fillRect(c, x0 + 1.5, 0, x1 - 1.5, sill, hex(0xFFF0B0), hex(0xF0C870));
    carpet(c, x0 + 26, 0, x1 - 26, sill + 30, hex(0xD8324A));
    for (int side = 0; side < 2; ++side) {
        const double hinge = side == 0 ? x0 : x1, open = side == 0 ? x0 - 26 : x1 + 26;
        c.polygon({{hinge, 4}, {open, 0}, {open, sill - 2}, {hinge, sill - 6}});
        c.setVerticalGradient(0, hex(0xD8A060), sill, hex(0x8A5A2E));
        c.fillOutlined(2);
        c.blob((hinge + open) / 2, sill / 2, 3, 3, hex(0xF5C842), 1.2);
    }
}

// Quest 4: a red carpet from the hall between the gates up to the throne.
void throneAisle(Canvas& c, const GoalArea& goal)
{
    const double cx = goal.x + goal.width / 2.0;
    // The dais the throne stands on, then the carpet running down from it between the gates.
    c.box(cx - 70, 112, 140, 52, 10, hex(0xFFF0B0), hex(0xC8963A), 2.5);
    c.box(cx - 58, 104, 116, 40, 8, hex(0xFFF6D0), hex(0xE0B860), 2);
    carpet(c, cx - 40, 150, cx + 40, 330, hex(0xD8324A));
}

void glowingPassage(Canvas& c, const GoalArea& goal, double sill)
{
    fillRect(c, goal.x - 2, 0, goal.x + goal.width + 2, sill, hex(0xFFF6C8), hex(0xE8D8A0));
}

// A freestanding wall block with a door in it: the entrance a quest of the later worlds leads to.
void gatehouse(Canvas& c, double x0, double x1, double doorTop, double bottom, const Look& look, Rgb inside)
{
    const double top = doorTop - 40;
    fillRect(c, x0 - 40, top - 34, x1 + 40, top, look.mass.light, look.mass.dark);
    fillRect(c, x0 - 40, top, x1 + 40, bottom, look.face.light, look.face.dark);
    cairo_rectangle(c.cr(), x0 - 40, top - 34, x1 - x0 + 80, bottom - top + 34);
    c.setColour(kInk);
    cairo_set_line_width(c.cr(), 2.5);
    cairo_stroke(c.cr());
    doorway(c, x0, x1, bottom, bottom - doorTop, lighter(look.face.light, 0.2), inside);
}

void palaceFront(Canvas& c, const GoalArea& goal, const Look& look)
{
    const double x0 = goal.x, x1 = goal.x + goal.width, steps = goal.y;
    fillRect(c, x0 - 60, 30, x1 + 60, steps, look.face.light, look.face.dark);
    c.polygon({{x0 - 70, 34}, {(x0 + x1) / 2, -20}, {x1 + 70, 34}});
    c.setVerticalGradient(-20, hex(0xFFF6E8), 34, hex(0xE0C8B0));
    c.fillOutlined(2.5);
    for (int i = 0; i <= 6; ++i)
        c.box(x0 - 50 + i * (x1 - x0 + 80) / 6.0, 40, 14, steps - 40, 3, hex(0xFFFFFF), hex(0xD8D0E8), 2);
    doorway(c, (x0 + x1) / 2 - 30, (x0 + x1) / 2 + 30, steps, 90, hex(0xF5C842), hex(0x6A3A8A));
    for (int i = 0; i < 3; ++i)
        c.box(x0 - 10 - i * 8, steps + i * 10, x1 - x0 + 20 + i * 16, 10, 1, hex(0xFFFFFF), hex(0xC8C0D8), 1.8);
}

// The carpet runs down from the dais as far as the floor below it reaches, never across a wall.
void throneDais(Canvas& c, const GoalArea& goal, const FloorPlan& plan)
{
    const double cx = goal.x + goal.width / 2.0;
    c.box(cx - 90, 96, 180, 58, 8, hex(0xFFF0B0), hex(0xC8963A), 2.5);
    constexpr int kCarpetTop = 150;
    int end = kCarpetTop;
    while (end < kFieldHeight && plan.isFloor(int(cx), end))
        ++end;
    carpet(c, cx - 40, kCarpetTop, cx + 40, end, hex(0xD8324A));
}

// A crack in the ground, rocky at its rim and bottomless: the game shows black through it.
void chasm(Canvas& c, double x0, double y0, double x1, double y1, Rgb rock)
{
    c.box(x0 - 8, y0 - 8, x1 - x0 + 16, y1 - y0 + 16, 10, lighter(rock, 0.2), darker(rock, 0.3), 2.5);
    const int steps = 8;
    const double w = (x1 - x0) / steps;
    for (int i = 0; i < steps; ++i) {
        const double inset = 6 * grain(i, 91);
        punchHole(c, x0 + i * w, y0 + inset, x0 + (i + 1) * w, y1 - 6 * grain(i, 93));
    }
}

// Snowy peaks rising over the back wall where the way leads on.
void mountainPass(Canvas& c, double x0, double x1, double foot)
{
    cairo_t* cr = c.cr();
    fillRect(c, x0, 0, x1, foot, kSky, lighter(kSky, 0.5));
    const int peaks = 3;
    const double w = (x1 - x0) / peaks;
    for (int i = 0; i < peaks; ++i) {
        const double left = x0 + i * w - w * 0.3, right = x0 + (i + 1) * w + w * 0.3, tip = 6 + 14 * grain(i, 51);
        const double cx = (left + right) / 2;
        c.polygon({{left, foot}, {cx, tip}, {right, foot}});
        c.setVerticalGradient(tip, hex(0xA8A8C8), foot, hex(0x6A6A8A));
        c.fillOutlined(2.5);
        const double snow = tip + (foot - tip) * 0.3, half = (right - left) / 2 * 0.3;
        c.polygon({{cx - half, snow}, {cx, tip}, {cx + half, snow}, {cx + half * 0.3, snow - 5}, {cx - half * 0.3, snow + 2}});
        c.setColour(hex(0xFFFFFF));
        c.fillOutlined(1.8);
    }
    cairo_move_to(cr, x0, foot);
    cairo_line_to(cr, x1, foot);
    c.setColour(kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

// The herbalist's stall against the wall behind the trader: a striped awning, bunches of herbs
// hanging from it, pots of herbs on a wooden counter.
void herbStall(Canvas& c, const FieldRect& at)
{
    cairo_t* cr = c.cr();
    const double x0 = at.x0, x1 = at.x1, top = at.y0, bottom = at.y1, w = x1 - x0;
    const Rgb wood = hex(0x9A6236), leafDark = hex(0x2F7A2A), leafLight = hex(0x6CCB4E);
    // Posts and back board.
    fillRect(c, x0 + 2, top + 8, x1 - 2, bottom - 12, hex(0xE9D6AE), hex(0xCDB286));
    for (double x : {x0 + 2.0, x1 - 6.0})
        c.box(x, top + 6, 4, bottom - top - 8, 1, lighter(wood, 0.2), darker(wood, 0.2), 1);
    // Awning: green and white stripes with a scalloped edge.
    const int stripes = 6;
    for (int i = 0; i < stripes; ++i) {
        const double sx = x0 + w * i / stripes;
        cairo_rectangle(cr, sx, top, w / stripes + 0.5, 10);
        c.setColour(i % 2 ? hex(0xF6F2E4) : hex(0x3E9A3A));
        cairo_fill(cr);
        cairo_arc(cr, sx + w / stripes / 2, top + 10, w / stripes / 2, 0, kPi);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, x0, top, w, 10);
    c.setColour(kInk);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // Bunches of herbs hanging under the awning.
    for (int i = 0; i < 3; ++i) {
        const double hx = x0 + w * (0.25 + 0.25 * i);
        cairo_move_to(cr, hx, top + 12);
        cairo_line_to(cr, hx, top + 17);
        c.setColour(hex(0x6A4A2A));
        cairo_stroke(cr);
        c.blob(hx - 2, top + 21, 3, 5, i == 1 ? leafLight : leafDark, 0.8);
        c.blob(hx + 2, top + 21, 3, 5, i == 1 ? leafDark : leafLight, 0.8);
    }
    // Counter with three pots of herbs.
    const double counter = bottom - 22;
    for (int i = 0; i < 3; ++i) {
        const double px = x0 + w * (0.22 + 0.28 * i);
        c.blob(px, counter - 7, 5, 5, i == 2 ? hex(0xE05A8A) : leafLight, 0.8);
        c.blob(px - 2, counter - 9, 3, 4, leafDark, 0.6);
        c.box(px - 4, counter - 4, 8, 5, 1, hex(0xD27A48), hex(0x9A4E2A), 0.8);
    }
    c.box(x0, counter, w, 8, 1.5, lighter(wood, 0.15), darker(wood, 0.25), 1.2);
}

}  // namespace

void drawPlace(Canvas& c, Place place, const GoalArea& goal, const FieldRect& spot, const FloorPlan& plan,
               const Look& look)
{
    const double gx0 = goal.x, gx1 = goal.x + goal.width, gBottom = goal.y + goal.height;
    const double cx = (gx0 + gx1) / 2;
    const bool hasSpot = spot.x1 > spot.x0;
    switch (place) {
    case Place::None:
        break;
    case Place::CastleGate:
        castleGate(c, goal, plan);
        break;
    case Place::GrandDoorway:
        grandDoorway(c, goal);
        break;
    case Place::ThroneAisle:
        throneAisle(c, goal);
        break;
    case Place::CaveMouth:
        caveMouth(c, gx0 + 6, gx1 - 6, goal.y + 1, std::max(34.0, goal.height * 2.0), look.face.light);
        break;
    case Place::Archway:
        glowingPassage(c, goal, goal.y + goal.height / 2.0);
        stoneArch(c, gx0, std::min<double>(gx1, kFieldWidth - 20), goal.y + goal.height / 2.0, 70, look.face.light);
        break;
    case Place::WizardCircle:
        magicCircle(c, cx, goal.y + goal.height * 0.6, goal.width * 0.4, goal.height * 0.28, hex(0xB040E0));
        break;
    case Place::RiverPath:
        riverPath(c, goal, plan);
        break;
    case Place::DesertGate:
        desertGate(c, goal);
        break;
    case Place::Pyramid:
        pyramid(c, goal, plan, look);
        break;
    case Place::Doorway:
        if (goal.y < look.faceHeight + 40)
            doorway(c, gx0, gx1, look.faceHeight + 10, look.faceHeight, lighter(look.face.light, 0.2),
                    hex(0x2A2236));
        else
            gatehouse(c, gx0, gx1, goal.y - 20, gBottom, look, hex(0x2A2236));
        break;
    case Place::SlidingDoorHole:
        // The gatehouse stands on the goal's lower edge, which is the wall line the dude stops at.
        gatehouse(c, gx0 + 2, gx1 - 3, goal.y - 20, gBottom, look, hex(0x2A2236));
        punchHole(c, gx0 + 4, goal.y - 20, gx1 - 5, gBottom);
        break;
    case Place::Stairs:
        stairsDown(c, gx0, gx1, goal.y, std::max(gBottom, goal.y + 36.0), look.face.light);
        break;
    case Place::LadderPit:
        ladderPit(c, hasSpot ? spot.x0 : gx0, hasSpot ? spot.y0 : goal.y, hasSpot ? spot.x1 : gx1,
                  hasSpot ? spot.y1 : gBottom, look.face.light);
        break;
    case Place::Pedestal:
        pedestal(c, cx, gBottom + 10, look.face.light, hex(0xFFE27A));
        break;
    case Place::ChasmPedestal:
        // The chasm lies below the goal, unless the scene puts it elsewhere.
        if (hasSpot)
            chasm(c, spot.x0, spot.y0, spot.x1, spot.y1, look.face.light);
        else
            chasm(c, gx0 - 50, gBottom + 30, gx1 + 50, gBottom + 62, look.face.light);
        pedestal(c, cx, gBottom + 10, look.face.light, hex(0xFFE27A));
        break;
    case Place::MountainPass:
        mountainPass(c, gx0, std::min<double>(gx1, kFieldWidth), look.faceHeight + 10);
        break;
    case Place::AppleTree:
        orchardTree(c, cx, gBottom + 10, 90);
        break;
    case Place::PalaceFront:
        palaceFront(c, goal, look);
        break;
    case Place::ThroneDais:
        throneDais(c, goal, plan);
        break;
    case Place::HerbStall:
        if (hasSpot)
            herbStall(c, spot);
        break;
    }
}

}  // namespace artgen
