#include "Bmp.h"
#include "Generator.h"
#include "Manifest.h"
#include "SharedArt.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace artgen;
using namespace artgen_test;
namespace fs = std::filesystem;

bool isPowerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

struct FrameStats {
    int keyPixels = 0, opaquePixels = 0;
    std::set<std::uint32_t> colours;
};

FrameStats frameStats(const Picture& p, const ArtEntry& e, int k)
{
    const int perRow = e.width / e.frameWidth;
    const int x0 = (k % perRow) * e.frameWidth, y0 = (k / perRow) * e.frameHeight;
    FrameStats s;
    for (int y = y0; y < y0 + e.frameHeight; ++y)
        for (int x = x0; x < x0 + e.frameWidth; ++x) {
            const std::uint32_t c = p.at(x, y);
            if (e.colourKey != kKeyNone && c == (e.colourKey & 0xFFFFFF))
                ++s.keyPixels;
            else
                ++s.opaquePixels;
            s.colours.insert(c);
        }
    return s;
}

bool framesDiffer(const Picture& p, const ArtEntry& e, int a, int b)
{
    const int perRow = e.width / e.frameWidth;
    for (int y = 0; y < e.frameHeight; ++y)
        for (int x = 0; x < e.frameWidth; ++x)
            if (p.at((a % perRow) * e.frameWidth + x, (a / perRow) * e.frameHeight + y) !=
                p.at((b % perRow) * e.frameWidth + x, (b / perRow) * e.frameHeight + y))
                return true;
    return false;
}

// Alpha of every pixel of a canvas, row by row.
std::vector<int> alphas(const Canvas& c)
{
    cairo_surface_flush(c.surface());
    std::vector<int> out;
    const unsigned char* data = cairo_image_surface_get_data(c.surface());
    const int stride = cairo_image_surface_get_stride(c.surface());
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            out.push_back(int(reinterpret_cast<const std::uint32_t*>(data + std::size_t(y) * stride)[x] >> 24));
    return out;
}

// Frames a sheet must leave empty: the blank of the name alphabet, drawn for every space.
struct BlankFrame {
    const char* name;
    int frame;
};
const BlankFrame kBlankFrames[] = {{"Name", 0}, {"You2", 0}, {"You4", 0}};

bool isBlankFrame(const ArtEntry& e, int k)
{
    for (const BlankFrame& b : kBlankFrames)
        if (k == b.frame && std::string(b.name) == e.name)
            return true;
    return false;
}

TEST(ArtCanvas, FramesAreCellsRowByRow)
{
    Canvas c(256, 256, 32, 64);
    EXPECT_EQ(c.framesPerRow(), 8);
    EXPECT_EQ(c.frameCapacity(), 32);
    EXPECT_EQ(c.frameOrigin(7).x, 224);
    EXPECT_EQ(c.frameOrigin(7).y, 0);
    EXPECT_EQ(c.frameOrigin(8).x, 0);
    EXPECT_EQ(c.frameOrigin(8).y, 64);
    EXPECT_EQ(c.frameOrigin(29).x, 160);
    EXPECT_EQ(c.frameOrigin(29).y, 192);

    // Painting everything inside frame 9 covers exactly its cell, nothing of its neighbours.
    c.drawFrame(9, [&] {
        cairo_set_source_rgb(c.cr(), 1, 1, 1);
        cairo_paint(c.cr());
    });
    const auto a = alphas(c);
    int covered = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const bool inCell = x >= 32 && x < 64 && y >= 64 && y < 128;
            if (a[y * 256 + x] > 0) {
                ++covered;
                EXPECT_TRUE(inCell) << "paint leaked to " << x << "," << y;
            }
        }
    EXPECT_EQ(covered, 32 * 64);
}

TEST(ArtCanvas, LetteringShrinksToTheWidthItIsGiven)
{
    // A label longer than its button must shrink into it rather than spill over the ends.
    Canvas c(240, 40, 240, 40);
    TextStyle style;
    style.size = 24;
    style.shadowDx = 2, style.shadowDy = 2;
    const double used = c.text("A label far too long for its button", 120, 20, style, 120);
    EXPECT_LE(used, 121);
    EXPECT_GT(used, 100);
    const auto a = alphas(c);
    int inked = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 240; ++x)
            if (a[y * 240 + x] > 0) {
                ++inked;
                EXPECT_TRUE(x >= 58 && x < 182) << "ink at " << x << "," << y;
            }
    EXPECT_GT(inked, 200);
}

TEST(ArtManifest, EntriesAreWellFormed)
{
    std::set<std::string> names;
    for (const ArtEntry& e : manifest()) {
        SCOPED_TRACE(e.name);
        EXPECT_TRUE(names.insert(e.name).second) << "listed twice";
        EXPECT_TRUE(isPowerOfTwo(e.width));
        EXPECT_TRUE(isPowerOfTwo(e.height));
        ASSERT_GT(e.frameWidth, 0);
        ASSERT_GT(e.frameHeight, 0);
        ASSERT_LE(e.frameWidth, e.width);
        ASSERT_LE(e.frameHeight, e.height);
        EXPECT_GE(e.frameCount, 1);
        EXPECT_LE(e.frameCount, (e.width / e.frameWidth) * (e.height / e.frameHeight)) << "frames do not fit";
        EXPECT_TRUE(e.colourKey == kKeyNone || e.colourKey == kKeyBlack || e.colourKey == kKeyRed ||
                    e.colourKey == kKeyGreen || e.colourKey == kKeyWhite);
        EXPECT_NE(e.draw, nullptr);
    }
    ASSERT_NE(findArt("Dude"), nullptr);
    EXPECT_STREQ(findArt("Dude")->name, "Dude");
    EXPECT_EQ(findArt("NoSuchPicture"), nullptr);
}

// The key rule on hand-made pixels, for every key: clear and faint pixels become exactly the key,
// solid pixels never do, even when they were drawn in the key colour itself.
TEST(ArtKeyRule, TransparentBecomesKeyAndOpaqueNeverDoes)
{
    for (std::uint32_t key : {kKeyBlack, kKeyRed, kKeyGreen, kKeyWhite}) {
        SCOPED_TRACE(key);
        Canvas c(4, 1, 4, 1);
        cairo_t* cr = c.cr();
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_rgba(cr, ((key >> 16) & 0xFF) / 255.0, ((key >> 8) & 0xFF) / 255.0, (key & 0xFF) / 255.0, 1);
        cairo_rectangle(cr, 1, 0, 1, 1);  // pixel 1: solid key colour
        cairo_fill(cr);
        cairo_set_source_rgba(cr, 1, 1, 0, 0.4);  // pixel 2: a faint edge
        cairo_rectangle(cr, 2, 0, 1, 1);
        cairo_fill(cr);
        cairo_set_source_rgba(cr, 1, 1, 0, 0.8);  // pixel 3: a mostly covered edge
        cairo_rectangle(cr, 3, 0, 1, 1);
        cairo_fill(cr);

        const auto rgb = flattenToRgb(c.surface(), key);
        ASSERT_EQ(rgb.size(), 12u);
        auto pixel = [&](int i) { return (std::uint32_t(rgb[i * 3]) << 16) | (rgb[i * 3 + 1] << 8) | rgb[i * 3 + 2]; };
        const std::uint32_t k = key & 0xFFFFFF;
        EXPECT_EQ(pixel(0), k);
        EXPECT_NE(pixel(1), k);
        for (int ch = 0; ch < 3; ++ch)
            EXPECT_LE(std::abs(int(rgb[3 + ch]) - int((k >> (16 - 8 * ch)) & 0xFF)), 1) << "nudged by more than a step";
        EXPECT_EQ(pixel(2), k);
        EXPECT_NE(pixel(3), k);
        // Blended over the dark matte: yellow, a little darkened.
        EXPECT_GT(rgb[9], 190);
        EXPECT_GT(rgb[10], 190);
        EXPECT_LT(rgb[11], 40);
    }
}

TEST(ArtKeyRule, UnkeyedPicturesHaveNoHoles)
{
    Canvas c(2, 1, 2, 1);
    const auto rgb = flattenToRgb(c.surface(), kKeyNone);  // nothing drawn at all
    ASSERT_EQ(rgb.size(), 6u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(rgb[i * 3], kMatte[0]);
        EXPECT_EQ(rgb[i * 3 + 1], kMatte[1]);
        EXPECT_EQ(rgb[i * 3 + 2], kMatte[2]);
    }
}

TEST(ArtGenerator, ReportsPicturesItCannotWrite)
{
    // A file where the Art folder should be: nothing can be written, and the run must say so.
    const fs::path dir = fs::temp_directory_path() / ("ilvys-artgen-blocked-" + std::to_string(getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "Art") << "not a folder";
    std::ostringstream err;
    EXPECT_GT(generateAll(dir, err), 0);
    EXPECT_NE(err.str().find("Art"), std::string::npos);
    fs::remove_all(dir);
}

// The pictures of the shared run; that run failing stops these tests before they start.
class GeneratedArt : public ::testing::Test {
protected:
    static Picture load(const ArtEntry& e) { return loadSharedPicture(e.name); }
};

TEST(ArtGenerator, RunsInWellUnderFifteenSeconds)
{
    // It runs on every build; a slow drawing routine would be felt by everyone. About a second is
    // usual; the margin is for a busy machine running the tests in parallel.
    const fs::path dir = fs::temp_directory_path() / ("ilvys-artgen-timed-" + std::to_string(getpid()));
    std::ostringstream err;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(generateAll(dir, err), 0) << err.str();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(15));
    fs::remove_all(dir);
}

TEST_F(GeneratedArt, EveryEntryIsWrittenAtItsSize)
{
    for (const ArtEntry& e : manifest()) {
        SCOPED_TRACE(e.name);
        const Picture p = load(e);
        ASSERT_FALSE(p.pixels.empty()) << "missing or unreadable";
        EXPECT_EQ(p.width, e.width);
        EXPECT_EQ(p.height, e.height);
        EXPECT_EQ(p.bitsPerPixel, 24);
    }
}

TEST_F(GeneratedArt, EveryUsedFrameHasAPictureAndKeysAreExact)
{
    for (const ArtEntry& e : manifest()) {
        const Picture p = load(e);
        ASSERT_FALSE(p.pixels.empty()) << e.name;
        int keyPixels = 0;
        for (int k = 0; k < e.frameCount; ++k) {
            if (isBlankFrame(e, k))
                continue;
            SCOPED_TRACE(std::string(e.name) + " frame " + std::to_string(k));
            const FrameStats s = frameStats(p, e, k);
            keyPixels += s.keyPixels;
            // Something is drawn: a fair share of solid pixels in more than a couple of colours.
            EXPECT_GE(s.opaquePixels, e.frameWidth * e.frameHeight / 16);
            EXPECT_GE(s.colours.size(), std::min<std::size_t>(3, e.frameWidth * e.frameHeight / 4));
        }
        if (e.colourKey != kKeyNone) {
            EXPECT_GT(keyPixels, 0) << e.name << ": keyed, but nothing is see-through";
        }
    }
}

std::string fileBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The build rewrites the pictures whenever the generator changes; a picture that came out differently
// on each run would make every build look like an art change and every test run a different game.
// The shared pictures come from the real tool in its own process; two runs in this process are
// compared with them: the first catches anything that hangs on addresses or uninitialised memory,
// the second state a drawing routine leaves behind.
TEST_F(GeneratedArt, EveryFileIsTheSameOnEveryRun)
{
    const fs::path base = fs::temp_directory_path() / ("ilvys-artgen-rerun-" + std::to_string(getpid()));
    const fs::path first = base.string() + "-first", again = base.string() + "-again";
    for (const fs::path& run : {first, again}) {
        std::ostringstream err;
        ASSERT_EQ(generateAll(run, err), 0) << err.str();
    }
    for (const fs::path& other : {first, again}) {
        std::set<std::string> names;
        for (const auto& item : fs::directory_iterator(other / "Art"))
            names.insert(item.path().filename().string());
        EXPECT_EQ(names.size(), manifest().size()) << other;
        for (const ArtEntry& e : manifest()) {
            const std::string file = std::string(e.name) + ".bmp";
            const std::string shared = fileBytes(sharedArtDir() / "Art" / file);
            EXPECT_FALSE(shared.empty()) << file;
            EXPECT_TRUE(shared == fileBytes(other / "Art" / file))
                << file << " differs between runs (" << other.filename() << ")";
        }
        fs::remove_all(other);
    }
}

TEST_F(GeneratedArt, AnimationFramesDiffer)
{
    struct Group {
        const char* name;
        int first, last;
    };
    // Walks and the teleport are compared pairwise; the ball must change on every step of its roll;
    // every three-state button must show each state differently.
    std::vector<Group> groups = {{"Dude", 8, 11}, {"Dude", 12, 15}, {"Dude", 16, 19}, {"Dude", 20, 23},
                                 {"Dude", 24, 25}, {"Dude", 25, 28}, {"Ball5", 0, 3},
                                 {"Coin", 0, 3},   {"Weight", 0, 3}, {"Mushroom", 0, 1}, {"Key", 0, 3},
                                 {"Hammer", 0, 3}, {"Teleporter", 0, 3}, {"Swing", 0, 3}, {"Machine", 0, 1},
                                 {"Ball", 0, 3},   {"Rocks2", 0, 15}, {"Shock", 0, 3}, {"SuspiciousButton4", 0, 1}};
    for (const ArtEntry& e : manifest()) {
        if (e.frameCount == 3)
            groups.push_back({e.name, 0, 2});
    }
    // The story's gems sparkle, its rock chips tumble, and a digit sheet holds ten different digits.
    for (const char* gem : {"Gem1", "Gem2", "Gem3", "Gem4", "Gem5", "Gem6", "Gem7", "Gem8", "Gem9"})
        groups.push_back({gem, 0, 3});
    for (const char* digits : {"Numbers2", "Numbers4", "Numbers5", "Numbers6", "Numbers7"})
        groups.push_back({digits, 0, 9});
    groups.push_back({"Rocks3", 0, 15});
    // Every animated picture of the quests shows something new on each of its frames.
    for (const ArtEntry& e : worldArt())
        if (e.frameCount > 1 && e.frameCount != 3)
            groups.push_back({e.name, 0, e.frameCount - 1});
    for (const Group& g : groups) {
        const ArtEntry* e = findArt(g.name);
        ASSERT_NE(e, nullptr) << g.name;
        const Picture p = load(*e);
        for (int a = g.first; a <= g.last; ++a)
            for (int b = a + 1; b <= g.last; ++b)
                EXPECT_TRUE(framesDiffer(p, *e, a, b)) << g.name << " frames " << a << " and " << b;
    }
    // The idle loop breathes: each step of it changes the picture.
    const ArtEntry* dude = findArt("Dude");
    const Picture p = load(*dude);
    for (int k = 0; k < 7; ++k)
        EXPECT_TRUE(framesDiffer(p, *dude, k, k + 1)) << "idle frames " << k << " and " << k + 1;
    EXPECT_TRUE(framesDiffer(p, *dude, 29, 0)) << "cheering looks like standing";
}

TEST_F(GeneratedArt, BlankGlyphsAreSeeThrough)
{
    // A space in a name must not cover what lies behind it.
    for (const BlankFrame& b : kBlankFrames) {
        const ArtEntry* e = findArt(b.name);
        ASSERT_NE(e, nullptr) << b.name;
        const FrameStats s = frameStats(load(*e), *e, b.frame);
        EXPECT_EQ(s.opaquePixels, 0) << b.name;
    }
}

// Column x of frame k, as ink (true) or key (false) per row.
std::vector<bool> inkColumn(const Picture& p, const ArtEntry& e, int k, int x)
{
    const int perRow = e.width / e.frameWidth;
    std::vector<bool> ink;
    for (int y = 0; y < e.frameHeight; ++y)
        ink.push_back(p.at((k % perRow) * e.frameWidth + x, (k / perRow) * e.frameHeight + y) !=
                      (e.colourKey & 0xFFFFFF));
    return ink;
}

TEST_F(GeneratedArt, CapitalHalvesJoinIntoOneLetter)
{
    // The name entry places slots 14 pixels apart with 16-pixel frames, so the last two columns of a
    // capital's left half lie under the first two of its right half: they must hold the same picture.
    const ArtEntry* typed = findArt("Name");
    ASSERT_NE(typed, nullptr);
    const Picture name = load(*typed);
    for (int left = 28; left < 78; left += 2) {
        if (left == 44)
            left = 46;  // I and J are single
        for (int dx = 0; dx < 2; ++dx)
            EXPECT_EQ(inkColumn(name, *typed, left, 14 + dx), inkColumn(name, *typed, left + 1, dx))
                << "capital at codes " << left << "/" << left + 1 << ", column " << dx;
    }
    // The other screens put the halves side by side: strokes that cross the middle of A, E, H and Z
    // must meet at the seam rather than stop short or jump.
    const ArtEntry* shown = findArt("You1");
    ASSERT_NE(shown, nullptr);
    const Picture you = load(*shown);
    for (char letter : {'A', 'E', 'H', 'Z'}) {
        const int left = letter < 'I' ? 2 * (letter - 'A') : 18 + 2 * (letter - 'K');  // frame = code - 28
        const auto a = inkColumn(you, *shown, left, 31), b = inkColumn(you, *shown, left + 1, 0);
        int both = 0, onlyOne = 0;
        for (std::size_t y = 0; y < a.size(); ++y) {
            both += a[y] && b[y];
            onlyOne += a[y] != b[y];
        }
        EXPECT_GE(both, 3) << letter << " falls apart at the seam";
        EXPECT_LE(onlyOne, 4) << letter << " does not line up at the seam";
    }
}

// Columns of frame k that hold something other than the key colour: the width of its ink.
int inkWidth(const Picture& p, const ArtEntry& e, int k)
{
    const int perRow = e.width / e.frameWidth;
    const int x0 = (k % perRow) * e.frameWidth, y0 = (k / perRow) * e.frameHeight;
    int left = e.frameWidth, right = -1;
    for (int y = 0; y < e.frameHeight; ++y)
        for (int x = 0; x < e.frameWidth; ++x)
            if (p.at(x0 + x, y0 + y) != (e.colourKey & 0xFFFFFF)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right - left + 1;
}

TEST_F(GeneratedArt, DigitsLeaveRoomForTheirNeighbours)
{
    // The closest two digits stand in each sheet's use, as pixels of the sheet: the ordinal on the
    // save rows (24 apart at half size), the score (17 apart at 0.3), seconds and points (17 at 0.6).
    struct Spacing {
        const char* sheet;
        double pixels;
    };
    for (const Spacing& s : {Spacing{"Numbers4", 24 / 0.5}, Spacing{"Numbers5", 17 / 0.3},
                             Spacing{"Numbers6", 17 / 0.6}, Spacing{"Numbers7", 17 / 0.6}}) {
        const ArtEntry* e = findArt(s.sheet);
        ASSERT_NE(e, nullptr) << s.sheet;
        const Picture p = load(*e);
        for (int d = 0; d < 10; ++d) {
            const int width = inkWidth(p, *e, d);
            EXPECT_LE(width, s.pixels) << s.sheet << " digit " << d << " runs into its neighbour";
            EXPECT_GE(width, d == 1 ? s.pixels / 5 : s.pixels / 2) << s.sheet << " digit " << d << " is too thin to read";
        }
    }
}

TEST_F(GeneratedArt, NecklaceHasASettingUnderEveryGem)
{
    // Where the briefing draws each gem (frame size, position, scale) over the necklace, which it
    // draws at (50, 0) and 1.3 times its size: a setting must lie under the middle of every gem.
    struct Place {
        const char* gem;
        int frameW, frameH;
        double x, y, scale;
    };
    const Place places[] = {{"Gem3", 64, 32, 547, 452, 1},  {"Gem7", 64, 64, 420, 504, 0.9}, {"Gem1", 32, 32, 67, 160, 1.1},
                            {"Gem2", 32, 32, 166, 444, 1.2}, {"Gem8", 64, 64, 87, 314, 0.7},  {"Gem6", 64, 64, 286, 504, 0.9},
                            {"Gem9", 64, 64, 634, 314, 0.7}, {"Gem4", 32, 64, 665, 150, 1},   {"Gem5", 64, 64, 350, 526, 1}};
    const ArtEntry* necklace = findArt("Necklace");
    ASSERT_NE(necklace, nullptr);
    const Picture p = load(*necklace);
    const std::uint32_t key = necklace->colourKey & 0xFFFFFF;
    for (const Place& g : places) {
        SCOPED_TRACE(g.gem);
        ASSERT_NE(findArt(g.gem), nullptr);
        const double cx = (g.x + g.frameW * g.scale / 2 - 50) / 1.3, cy = (g.y + g.frameH * g.scale / 2) / 1.3;
        // A quarter of the gem's size to every side: wider than the chain, so only a setting covers it.
        const double reach = std::min(g.frameW, g.frameH) * g.scale / 1.3 / 4;
        for (auto [dx, dy] : {std::pair{0.0, 0.0}, {-reach, 0.0}, {reach, 0.0}, {0.0, -reach}, {0.0, reach}})
            EXPECT_NE(p.at(int(cx + dx), int(cy + dy)), key) << "nothing at " << dx << "," << dy;
    }
}

// The game shows frames 0 and 1 for a catapult throwing left and 2 and 3 for one throwing right; the
// dude stands at the right end of the first kind and the left end of the second, so each left frame
// must be its right frame seen in a mirror.
TEST_F(GeneratedArt, CatapultsThrowingLeftMirrorThoseThrowingRight)
{
    for (const ArtEntry& e : worldArt()) {
        if (std::string_view(e.name).substr(0, 5) != "Swing")
            continue;
        const Picture p = load(e);
        ASSERT_FALSE(p.pixels.empty()) << e.name;
        const int perRow = e.width / e.frameWidth;
        for (int k = 0; k < 2; ++k) {
            const int lx = (k % perRow) * e.frameWidth, ly = (k / perRow) * e.frameHeight;
            const int rx = ((k + 2) % perRow) * e.frameWidth, ry = ((k + 2) / perRow) * e.frameHeight;
            // Edges are smoothed a little differently on the two sides; only clear differences count.
            auto unlike = [](std::uint32_t a, std::uint32_t b) {
                for (int shift : {0, 8, 16})
                    if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 64)
                        return true;
                return false;
            };
            int differing = 0;
            for (int y = 0; y < e.frameHeight; ++y)
                for (int x = 0; x < e.frameWidth; ++x)
                    if (unlike(p.at(lx + x, ly + y), p.at(rx + e.frameWidth - 1 - x, ry + y)))
                        ++differing;
            EXPECT_LT(differing, e.frameWidth * e.frameHeight / 50) << e.name << " frame " << k;
        }
    }
}

TEST_F(GeneratedArt, PointerTipIsTheTopLeftPixel)
{
    const ArtEntry* e = findArt("Cursor2");
    ASSERT_NE(e, nullptr);
    const Picture p = load(*e);
    const std::uint32_t key = e->colourKey & 0xFFFFFF;
    EXPECT_NE(p.at(0, 0), key) << "the hotspot would point at nothing";
    EXPECT_EQ(p.at(e->width - 1, 0), key);
    EXPECT_EQ(p.at(0, e->height - 1), key);
    EXPECT_EQ(p.at(e->width - 1, e->height - 1), key);
}

}  // namespace

// A picture drawn without a key shows its whole frame: corners left empty come out as a dark box.
// A thin dark outline along the edge is drawing, so the test looks two pixels in from each corner.
TEST_F(GeneratedArt, OpaquePicturesFillTheirCorners)
{
    const std::uint32_t matte = (std::uint32_t(kMatte[0]) << 16) | (kMatte[1] << 8) | kMatte[2];
    int checked = 0;
    for (const ArtEntry& e : manifest()) {
        if (e.colourKey != kKeyNone)
            continue;
        const Picture p = load(e);
        ASSERT_FALSE(p.pixels.empty()) << e.name;
        const int perRow = e.width / e.frameWidth;
        for (int k = 0; k < e.frameCount; ++k) {
            const int x0 = (k % perRow) * e.frameWidth, y0 = (k / perRow) * e.frameHeight;
            const int xs[2] = {x0 + 2, x0 + e.frameWidth - 3}, ys[2] = {y0 + 2, y0 + e.frameHeight - 3};
            for (int x : xs)
                for (int y : ys) {
                    const std::uint32_t c = p.at(x, y);
                    EXPECT_TRUE(c != matte && c != 0)
                        << e.name << " frame " << k << ": empty corner at (" << x - x0 << ", " << y - y0 << ")";
                }
        }
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

const ArtEntry& entryNamed(const char* name)
{
    const ArtEntry* e = findArt(name);
    EXPECT_NE(e, nullptr) << name;
    return *e;
}

// The bar is drawn up to the screen's right edge: the timer's hourglass and the information button
// must sit inside their frames' rims, or the edge cuts them.
TEST_F(GeneratedArt, BarPicturesFitInsideTheirFrames)
{
    const ArtEntry& timer = entryNamed("Frame2");
    const Picture t = load(timer);
    ASSERT_FALSE(t.pixels.empty());
    for (int y = 0; y < 32; ++y)
        for (int x = 59; x < 64; ++x) {
            const std::uint32_t c = t.at(x, y);
            const int r = c >> 16, g = (c >> 8) & 0xFF, b = c & 0xFF;
            EXPECT_FALSE(b > 200 && g > 200 && r < 215) << "hourglass glass at the rim, x " << x << " y " << y;
        }
    const ArtEntry& info = entryNamed("Info");
    const Picture p = load(info);
    ASSERT_FALSE(p.pixels.empty());
    for (int k = 0; k < info.frameCount; ++k)
        for (int x = 14; x < 16; ++x) {
            const std::uint32_t c = p.at(k * info.frameWidth + x, 16);
            const int r = c >> 16, g = (c >> 8) & 0xFF;
            EXPECT_GT(r, g) << "frame " << k << " column " << x << ": the button reaches the frame's edge";
        }
}

// The weight in the bar (drawn 64 by 64) is the weight of the quest (32 by 32) at twice the size:
// their outlines agree.
TEST_F(GeneratedArt, TheWeightLooksTheSameInTheBarAndInTheQuest)
{
    const ArtEntry& small = entryNamed("Weight");
    const ArtEntry& big = entryNamed("Weight2");
    const Picture s = load(small), b = load(big);
    ASSERT_FALSE(s.pixels.empty());
    ASSERT_FALSE(b.pixels.empty());
    const std::uint32_t key = small.colourKey & 0xFFFFFF;
    ASSERT_EQ(key, big.colourKey & 0xFFFFFF);
    int shown = 0, differing = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            int bigShown = 0;
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx)
                    bigShown += b.at(2 * x + dx, 2 * y + dy) != key;
            const bool inSmall = s.at(x, y) != key, inBig = bigShown >= 2;
            shown += inSmall;
            differing += inSmall != inBig;
        }
    ASSERT_GT(shown, 100);
    EXPECT_LT(differing, shown / 10) << differing << " of " << shown << " pixels differ";
}

// The sliding studs of the name entry (Hand2, drawn at y 387) pass over the typed name (letters
// from about y 413 to 440): nothing of them may show there.
TEST_F(GeneratedArt, NameEntryStudsLeaveTheNameVisible)
{
    const ArtEntry& studs = entryNamed("Hand2");
    const Picture p = load(studs);
    ASSERT_FALSE(p.pixels.empty());
    const std::uint32_t key = studs.colourKey & 0xFFFFFF;
    for (int y = 413 - 387; y < 441 - 387; ++y)
        for (int x = 0; x < studs.frameWidth; ++x)
            EXPECT_EQ(p.at(x, y), key) << "x " << x << " y " << y;
}

// The rightmost column of ink of frame k, or -1.
int inkRight(const Picture& p, const ArtEntry& e, int k)
{
    const int perRow = e.width / e.frameWidth;
    const int x0 = (k % perRow) * e.frameWidth, y0 = (k / perRow) * e.frameHeight;
    for (int x = e.frameWidth - 1; x >= 0; --x)
        for (int y = 0; y < e.frameHeight; ++y)
            if (p.at(x0 + x, y0 + y) != (e.colourKey & 0xFFFFFF))
                return x;
    return -1;
}

// "IVan" must not read "I Van": the narrow capitals end where a lower-case "o" ends, so the next
// letter follows them as closely as it follows any other.
TEST_F(GeneratedArt, NarrowCapitalsEndWhereOtherLettersEnd)
{
    const int kO = 2 + ('o' - 'a'), kI = 44, kJ = 45;
    const ArtEntry& typed = entryNamed("Name");
    const Picture t = load(typed);
    for (int code : {kI, kJ})
        EXPECT_NEAR(inkRight(t, typed, code), inkRight(t, typed, kO), 1) << "typed glyph " << code;
    const ArtEntry& low = entryNamed("You4");
    const ArtEntry& high = entryNamed("You5");
    const Picture l = load(low), h = load(high);
    for (int code : {kI, kJ})
        EXPECT_NEAR(inkRight(h, high, code - 28), inkRight(l, low, kO), 2) << "shown glyph " << code;
}
