#include "Bmp.h"
#include "Generator.h"
#include "Manifest.h"
#include "SharedArt.h"
#include "draw/BackgroundDraw.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace artgen;
namespace fs = std::filesystem;

constexpr double kToImageX = double(kBackgroundWidth) / kFieldWidth;
constexpr double kToImageY = double(kBackgroundHeight) / kFieldHeight;

// A background as the game loads it: packed RGB, the key colour where it is see-through.
struct Background {
    std::vector<std::uint8_t> rgb;
    std::uint32_t key = kKeyNone;

    std::uint32_t at(int x, int y) const
    {
        x = std::clamp(x, 0, kBackgroundWidth - 1);
        y = std::clamp(y, 0, kBackgroundHeight - 1);
        const std::size_t i = (std::size_t(y) * kBackgroundWidth + x) * 3;
        return (std::uint32_t(rgb[i]) << 16) | (rgb[i + 1] << 8) | rgb[i + 2];
    }
    bool isHole(int x, int y) const { return key != kKeyNone && at(x, y) == (key & 0xFFFFFF); }
};

// Read from the pictures drawn once for the whole test run.
Background background(int quest)
{
    const ArtEntry* entry = findArt("Quest" + std::to_string(quest));
    EXPECT_NE(entry, nullptr) << quest;
    if (!entry)
        return {};
    const artgen_test::Picture p = artgen_test::loadSharedPicture(entry->name);
    EXPECT_EQ(p.width, kBackgroundWidth) << quest;
    EXPECT_EQ(p.height, kBackgroundHeight) << quest;
    if (p.width != kBackgroundWidth || p.height != kBackgroundHeight)
        return {};
    Background b{{}, entry->colourKey};
    b.rgb.reserve(p.pixels.size() * 3);
    for (std::uint32_t c : p.pixels)
        for (int shift : {16, 8, 0})
            b.rgb.push_back(std::uint8_t(c >> shift));
    return b;
}

int difference(std::uint32_t a, std::uint32_t b)
{
    int sum = 0;
    for (int shift : {16, 8, 0})
        sum += std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
    return sum;
}

// The strongest change of colour across a wall at image point (x, y), looking a couple of pixels
// to either side: vertical walls are crossed left to right, horizontal ones top to bottom.
int contrastAcross(const Background& b, double x, double y, bool vertical)
{
    constexpr int kReach = 2;
    std::vector<std::uint32_t> line;
    for (int d = -kReach; d <= kReach; ++d)
        line.push_back(vertical ? b.at(int(std::floor(x)) + d, int(y)) : b.at(int(x), int(std::floor(y)) + d));
    int best = 0;
    for (std::size_t i = 0; i < line.size(); ++i)
        for (std::size_t j = i + 1; j < line.size(); ++j)
            best = std::max(best, difference(line[i], line[j]));
    return best;
}

struct Miss {
    const char* list;
    int wall;
    double x, y;
};

// Points every few field pixels along each wall, away from its ends, where no edge shows.
std::vector<Miss> wallsWithoutEdges(const Background& b, const DudeLayout& dude)
{
    constexpr int kStep = 6, kEndMargin = 4, kMinContrast = 90;
    std::vector<Miss> misses;
    auto check = [&](const char* list, int index, double x0, double y0, double x1, double y1, bool vertical) {
        const double length = vertical ? y1 - y0 : x1 - x0;
        for (double t = kEndMargin; t <= length - kEndMargin; t += kStep) {
            const double fx = vertical ? x0 : x0 + t, fy = vertical ? y0 + t : y0;
            if (fx >= kFieldWidth || fy >= kFieldHeight || fx <= 0 || fy <= 0)
                continue;  // on the field's own edge
            if (contrastAcross(b, fx * kToImageX, fy * kToImageY, vertical) < kMinContrast)
                misses.push_back({list, index, fx, fy});
        }
    };
    for (std::size_t i = 0; i < dude.up.size(); ++i)
        check("up", int(i), dude.up[i].x1, dude.up[i].y, dude.up[i].x2, dude.up[i].y, false);
    for (std::size_t i = 0; i < dude.down.size(); ++i)
        check("down", int(i), dude.down[i].x1, dude.down[i].y, dude.down[i].x2, dude.down[i].y, false);
    for (std::size_t i = 0; i < dude.left.size(); ++i)
        check("left", int(i), dude.left[i].x, dude.left[i].y1, dude.left[i].x, dude.left[i].y2, true);
    for (std::size_t i = 0; i < dude.right.size(); ++i)
        check("right", int(i), dude.right[i].x, dude.right[i].y1, dude.right[i].x, dude.right[i].y2, true);
    return misses;
}

TEST(BackgroundPlan, FloorsLieBetweenTheWallsThatHoldTheDudeIn)
{
    // A corridor (y 100 to 200) with a gap in its floor line at x 300 to 360, where a shaft runs
    // down to a second corridor at the bottom; a left wall keeps the dude out of the strip x < 20.
    const HorizontalWall up[] = {{20, 800, 100}, {20, 300, 400}, {360, 800, 400}, {500, 600, 150}};
    const HorizontalWall down[] = {{20, 300, 200}, {360, 800, 200}};
    const VerticalWall left[] = {{20, 0, 500}, {300, 200, 400}};
    const VerticalWall right[] = {{360, 200, 400}};
    const DudeLayout dude{30, 120, 1, up, down, left, right};
    const FloorPlan plan = floorPlan(dude);

    EXPECT_TRUE(plan.isFloor(100, 150)) << "the corridor";
    EXPECT_FALSE(plan.isFloor(100, 50)) << "above the corridor's back wall";
    EXPECT_FALSE(plan.isFloor(100, 300)) << "between the corridors";
    EXPECT_TRUE(plan.isFloor(330, 300)) << "the shaft through the gap";
    EXPECT_TRUE(plan.isFloor(100, 450)) << "the bottom corridor, open to the field's edge";
    EXPECT_TRUE(plan.isFloor(550, 120)) << "above a one-way ledge inside the corridor";
    EXPECT_TRUE(plan.isFloor(550, 170)) << "below it";
    EXPECT_FALSE(plan.isFloor(10, 150)) << "the strip the left wall shuts out";
    EXPECT_FALSE(plan.isFloor(10, 450));

    // The outline runs exactly along the walls that separate floor from the rest.
    const auto outline = plan.outline();
    auto onOutline = [&](int x, int y, bool vertical) {
        return std::any_of(outline.begin(), outline.end(), [&](const FieldRect& o) {
            return vertical ? o.x0 == o.x1 && o.x0 == x && o.y0 <= y && y <= o.y1
                            : o.y0 == o.y1 && o.y0 == y && o.x0 <= x && x <= o.x1;
        });
    };
    auto hasLine = [&](FieldRect l) {
        const bool vertical = l.x0 == l.x1;
        for (int t = vertical ? l.y0 : l.x0; t <= (vertical ? l.y1 : l.x1); t += 5)
            if (!onOutline(vertical ? l.x0 : t, vertical ? t : l.y0, vertical))
                return false;
        return true;
    };
    EXPECT_TRUE(hasLine({40, 100, 790, 100}));
    EXPECT_TRUE(hasLine({30, 200, 290, 200}));
    EXPECT_TRUE(hasLine({300, 210, 300, 390}));
    EXPECT_TRUE(hasLine({360, 210, 360, 390}));
    EXPECT_TRUE(hasLine({20, 110, 20, 190}));
}

TEST(BackgroundPlan, SliversNarrowerThanTheDudeAreNotFloor)
{
    // Two wall lines ending 10 pixels short of the field's edge leave a strip nobody can enter.
    const HorizontalWall up[] = {{0, 790, 100}};
    const HorizontalWall down[] = {{0, 800, 200}};
    const DudeLayout dude{30, 120, 1, up, down, {}, {}};
    const FloorPlan plan = floorPlan(dude);
    EXPECT_TRUE(plan.isFloor(795, 150));
    EXPECT_FALSE(plan.isFloor(795, 50));
}

TEST(BackgroundPlan, RoomsStackedOnOneWallLineAreBothFloor)
{
    // Rooms stacked on shared lines: each line is the floor of the room above (a down-wall) and the
    // ceiling of the room below (an up-wall). With this many lines the order of equal lines is not
    // left to the sort.
    std::vector<HorizontalWall> up, down;
    for (int y = 40; y <= 440; y += 50) {
        up.push_back({0, 800, y});
        down.push_back({0, 800, y + 50});
    }
    const DudeLayout dude{30, 120, 1, up, down, {}, {}};
    const FloorPlan plan = floorPlan(dude);
    for (int y = 65; y <= 465; y += 50)
        EXPECT_TRUE(plan.isFloor(400, y)) << "the room at y " << y;
    EXPECT_FALSE(plan.isFloor(400, 20));
}

TEST(BackgroundPlan, EveryQuestStartsAndEndsOnFloor)
{
    // The plan is read from the walls alone; the dude's start box and its goal must come out as
    // floor, or the picture would show the dude standing in a wall.
    for (int quest = 1; quest <= 60; ++quest) {
        const QuestLayout* layout = questLayout(quest);
        if (!layout)
            continue;
        const FloorPlan plan = floorPlan(layout->dude);
        const int x = layout->dude.startX, y = layout->dude.startY;
        for (auto [cx, cy] : {std::pair{x + 1, y + 1}, {x + 27, y + 1}, {x + 1, y + 49}, {x + 27, y + 49}})
            EXPECT_TRUE(plan.isFloor(cx, cy)) << "quest " << quest << " start corner " << cx << "," << cy;
        if (layout->hasGoal) {
            const GoalArea& g = layout->goal;
            EXPECT_TRUE(plan.isFloor(g.x + g.width / 2, g.y + g.height / 2)) << "quest " << quest << " goal";
        }
    }
}

TEST(Backgrounds, EveryWallOfAQuestLiesOnAnEdgeOfItsPicture)
{
    int quests = 0;
    for (int quest = 1; quest <= 60; ++quest) {
        const QuestLayout* layout = questLayout(quest);
        if (!layout)
            continue;
        ++quests;
        const Background b = background(quest);
        ASSERT_FALSE(b.rgb.empty());
        for (const Miss& m : wallsWithoutEdges(b, layout->dude))
            ADD_FAILURE() << "quest " << quest << ", " << m.list << " wall " << m.wall << ": no edge at (" << m.x
                          << ", " << m.y << ")";
    }
    EXPECT_GE(quests, 10);
}

TEST(Backgrounds, AFloorLooksDifferentFromWhatBoundsIt)
{
    // Just inside a corridor and just beyond its back wall, the picture differs clearly: walking
    // space is not painted like the walls. Sampled in the middle of every up wall of world 1.
    for (int quest = 1; quest <= 10; ++quest) {
        const QuestLayout* layout = questLayout(quest);
        ASSERT_NE(layout, nullptr);
        const Background b = background(quest);
        const FloorPlan plan = floorPlan(layout->dude);
        for (const HorizontalWall& w : layout->dude.up) {
            const int x = (w.x1 + w.x2) / 2;
            if (!plan.isFloor(x, w.y + 6) || plan.isFloor(x, w.y - 8))
                continue;  // a one-way ledge inside a floor
            const std::uint32_t inside = b.at(int(x * kToImageX), int((w.y + 12) * kToImageY));
            const std::uint32_t beyond = b.at(int(x * kToImageX), int((w.y - 12) * kToImageY));
            EXPECT_GT(difference(inside, beyond), 40) << "quest " << quest << " up wall at " << x << "," << w.y;
        }
    }
}

TEST(Backgrounds, FordsShowTheRiverTheBridgeCrosses)
{
    // Quest 34's fords are gaps in the walls, so the plan alone would paint them as grass; they are
    // water where no bridge lies. The river is blue, the meadow and the islands green.
    const Background b = background(34);
    auto isWater = [](std::uint32_t c) {
        const int r = int(c >> 16) & 0xFF, g = int(c >> 8) & 0xFF, bl = int(c) & 0xFF;
        return bl > r + 40 && bl > g;
    };
    struct Ford {
        int x, y, landY;  // the ford's middle and a point on the bank below it
    };
    for (const Ford f : {Ford{110, 395, 460}, Ford{630, 265, 330}}) {
        const std::uint32_t ford = b.at(int(f.x * kToImageX), int(f.y * kToImageY));
        const std::uint32_t land = b.at(int(f.x * kToImageX), int(f.landY * kToImageY));
        EXPECT_TRUE(isWater(ford)) << "ford at " << f.x << "," << f.y << ": " << std::hex << ford;
        EXPECT_FALSE(isWater(land)) << "bank below " << f.x << "," << f.y << ": " << std::hex << land;
        EXPECT_GT(difference(ford, land), 40) << f.x << "," << f.y;
    }
}

TEST(Backgrounds, ABridgeCrossingIsPaintedAsTheWaterItCrosses)
{
    // Quest 35's crossings are open to the walls (only ledges stop the dude there), so the plan
    // calls them floor; the picture must still show the stream, or the way would look open.
    const QuestLayout* layout = questLayout(35);
    ASSERT_NE(layout, nullptr);
    const Background b = background(35);
    const FloorPlan plan = floorPlan(layout->dude);
    struct Crossing {
        int x, y;       // the crossing's middle
        int bankY;      // a floor the crossing leads to
        int streamX;    // the stream beside the crossing
    };
    for (const Crossing c : {Crossing{82, 340, 260, 30}, Crossing{422, 355, 420, 300}}) {
        ASSERT_TRUE(plan.isFloor(c.x, c.y)) << c.x;
        const std::uint32_t crossing = b.at(int(c.x * kToImageX), int(c.y * kToImageY));
        const std::uint32_t bank = b.at(int(c.x * kToImageX), int(c.bankY * kToImageY));
        const std::uint32_t stream = b.at(int(c.streamX * kToImageX), int(c.y * kToImageY));
        EXPECT_GT(difference(crossing, bank), 90) << "crossing at " << c.x;
        EXPECT_LT(difference(crossing, stream), difference(crossing, bank)) << "crossing at " << c.x;
    }
}

// That they come out the same on every run is checked with all the other pictures.
TEST(Backgrounds, AreFieldSized)
{
    for (const ArtEntry& e : backgroundArt()) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(e.width, kBackgroundWidth);
        EXPECT_EQ(e.height, kBackgroundHeight);
        EXPECT_EQ(e.frameWidth, kBackgroundWidth);
        EXPECT_EQ(e.frameHeight, kBackgroundHeight);
    }
    // Worlds 2 to 6 too: quests 11-20, 21-25, 31-40, 41-45 and 51-60.
    EXPECT_EQ(backgroundArt().size(), 50u);
}

TEST(Backgrounds, HolesAreWhereTheGameShowsWhatLiesBehind)
{
    // Quest 2: the gateway above the goal line, dark behind the rising portcullis; the gateway's
    // floor below the line is painted.
    const Background gate = background(2);
    EXPECT_TRUE(gate.isHole(int(663 * kToImageX), int(150 * kToImageY)));
    EXPECT_FALSE(gate.isHole(int(663 * kToImageX), int(185 * kToImageY)));
    // Quest 11: the doorway the sliding door rises behind, from its closed place at y 240.
    const Background door = background(11);
    EXPECT_TRUE(door.isHole(int(400 * kToImageX), int(270 * kToImageY)));
    EXPECT_FALSE(door.isHole(int(400 * kToImageX), int(150 * kToImageY)));
    EXPECT_FALSE(door.isHole(int(300 * kToImageX), int(270 * kToImageY)));
    // Nothing else of quest 2 is see-through: the portcullis is the only thing behind it.
    int holes = 0;
    for (int y = 0; y < kBackgroundHeight; ++y)
        for (int x = 0; x < kBackgroundWidth; ++x)
            holes += gate.isHole(x, y);
    EXPECT_LT(holes, 60 * 30);
    // Quest 21's chasm is bottomless.
    const Background chasm = background(21);
    int chasmHoles = 0;
    for (int y = 0; y < kBackgroundHeight; ++y)
        for (int x = 0; x < kBackgroundWidth; ++x)
            chasmHoles += chasm.isHole(x, y);
    EXPECT_GT(chasmHoles, 100);
    // It lies where its scene row puts it, in the bank below the clearing, not under the shield.
    EXPECT_TRUE(chasm.isHole(int(365 * kToImageX), int(376 * kToImageY)));
    EXPECT_FALSE(chasm.isHole(int(561 * kToImageX), int(205 * kToImageY)));
}

TEST(Backgrounds, WallOverlaysAreWrittenForEveryQuestWithALayout)
{
    const fs::path dir = fs::temp_directory_path() / ("ilvys-artgen-overlay-" + std::to_string(getpid()));
    std::ostringstream err;
    EXPECT_EQ(writeWallOverlays(dir, err), 0) << err.str();
    for (int quest = 1; quest <= 10; ++quest) {
        const fs::path file = dir / ("Quest" + std::to_string(quest) + "-walls.png");
        cairo_surface_t* png = cairo_image_surface_create_from_png(file.string().c_str());
        ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS) << file;
        EXPECT_EQ(cairo_image_surface_get_width(png), kFieldWidth);
        EXPECT_EQ(cairo_image_surface_get_height(png), kFieldHeight);
        cairo_surface_destroy(png);
    }
    fs::remove_all(dir);
}

}  // namespace

TEST(Backgrounds, QuestOnesTraderHasAStallAtItsPlace)
{
    // The quest is solved by a trade; the herbalist's stall on the wall above the trader's place
    // shows where. Its herbs are the only strong greens in the castle.
    const Background castle = background(1);
    const int x0 = int(490 * kToImageX), x1 = int(550 * kToImageX);
    const int y0 = int(140 * kToImageY), y1 = int(205 * kToImageY);
    int green = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const std::uint32_t c = castle.at(x, y);
            const int r = c >> 16, g = (c >> 8) & 0xFF, b = c & 0xFF;
            green += g > r + 40 && g > b + 40;
        }
    EXPECT_GT(green, 40);
}
