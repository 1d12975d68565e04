// The game names its pictures and sounds as string literals; the generators write them from their
// own tables. Nothing else ties the two together, so a renamed file or a load with another frame size
// or key would only show up as a missing or garbled sprite at run time. These tests read the game's
// sources as text and hold every load against what the generators write.
#include "Manifest.h"

#include "Compositions.h"
#include "Effects.h"
#include "quests/PlayOrder.h"
#include "world/QuestBackground.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace artgen;
namespace fs = std::filesystem;

struct SourceFile {
    std::string where;  // path below src/, for messages
    std::string text;   // comments blanked out, line breaks kept
};

// Blanks // and /* */ comments so names mentioned in prose are not taken for loads; string and
// character literals are kept whole, and every line break stays where it was.
std::string withoutComments(const std::string& in)
{
    std::string out = in;
    enum { Code, Line, Block, Str, Chr } state = Code;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const char c = in[i], next = i + 1 < in.size() ? in[i + 1] : '\0';
        switch (state) {
        case Code:
            if (c == '/' && next == '/')
                state = Line;
            else if (c == '/' && next == '*')
                state = Block;
            else if (c == '"')
                state = Str;
            else if (c == '\'')
                state = Chr;
            break;
        case Str:
        case Chr:
            if (c == '\\')
                ++i;
            else if (c == (state == Str ? '"' : '\''))
                state = Code;
            continue;
        case Line:
            if (c == '\n')
                state = Code;
            break;
        case Block:
            if (c == '*' && next == '/') {
                out[i] = out[i + 1] = ' ';
                ++i;
                state = Code;
                continue;
            }
            break;
        }
        if ((state == Line || state == Block) && c != '\n')
            out[i] = ' ';
    }
    return out;
}

const std::vector<SourceFile>& gameSources()
{
    static const std::vector<SourceFile> files = [] {
        std::vector<SourceFile> found;
        for (const auto& item : fs::recursive_directory_iterator(GAME_SOURCE_DIR)) {
            const auto ext = item.path().extension();
            if (!item.is_regular_file() || (ext != ".cpp" && ext != ".h"))
                continue;
            std::ifstream in(item.path(), std::ios::binary);
            std::ostringstream text;
            text << in.rdbuf();
            found.push_back({fs::relative(item.path(), GAME_SOURCE_DIR).string(), withoutComments(text.str())});
        }
        std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.where < b.where; });
        return found;
    }();
    return files;
}

// One match of a pattern in the game's sources: where it is and its captured groups.
struct Hit {
    std::string where;  // "world/Dude.cpp:28"
    std::vector<std::string> groups;
};

std::vector<Hit> findInSources(const std::regex& pattern)
{
    std::vector<Hit> hits;
    for (const SourceFile& file : gameSources()) {
        for (auto it = std::sregex_iterator(file.text.begin(), file.text.end(), pattern); it != std::sregex_iterator();
             ++it) {
            const auto line = 1 + std::count(file.text.begin(), file.text.begin() + it->position(), '\n');
            Hit hit{file.where + ":" + std::to_string(line), {}};
            for (std::size_t g = 1; g < it->size(); ++g)
                hit.groups.push_back((*it)[g].str());
            hits.push_back(std::move(hit));
        }
    }
    return hits;
}

// The game's key constants, under every name its files give them.
std::optional<std::uint32_t> keyNamed(const std::string& name)
{
    static const std::map<std::string, std::uint32_t> keys = {
        {"kKeyBlack", kKeyBlack}, {"kBlack", kKeyBlack}, {"kKeyRed", kKeyRed},     {"kRed", kKeyRed},
        {"kKeyGreen", kKeyGreen}, {"kGreen", kKeyGreen}, {"kKeyWhite", kKeyWhite}, {"kWhite", kKeyWhite},
        {"kNoKey", kKeyNone},     {"kNoColourKey", kKeyNone}, {"kBlackKey", kKeyBlack}, {"kRedKey", kKeyRed},
        {"kGreenKey", kKeyGreen},
    };
    const auto it = keys.find(name);
    return it == keys.end() ? std::nullopt : std::optional(it->second);
}

std::string keyName(std::uint32_t key)
{
    switch (key) {
    case kKeyNone: return "no key";
    case kKeyBlack: return "black";
    case kKeyRed: return "red";
    case kKeyGreen: return "green";
    case kKeyWhite: return "white";
    }
    return "an unknown key";
}

TEST(GameFiles, EveryPictureTheGameNamesIsGenerated)
{
    const auto names = findInSources(std::regex(R"re("Art/([^"]*)\.bmp")re"));
    // The game loads a few hundred pictures; far fewer means the scan itself went wrong.
    EXPECT_GT(names.size(), 200u) << "read " << gameSources().size() << " files under " GAME_SOURCE_DIR;
    for (const Hit& hit : names) {
        const std::string& name = hit.groups[0];
        if (name.find('%') != std::string::npos) {
            // Built at run time; only the quest backgrounds are, and they are checked on their own.
            EXPECT_EQ(name, "Quest%d") << hit.where << ": Art/" << name
                                       << ".bmp is formatted in a way this test does not know";
            continue;
        }
        EXPECT_NE(findArt(name), nullptr) << hit.where << ": Art/" << name << ".bmp is not generated";
    }
}

TEST(GameFiles, PicturesAreCutAndKeyedAsTheGameLoadsThem)
{
    // Sheets and table rows: file, frame width, frame height, key (a frame size of 0 is the whole image).
    const auto sheetLoads = findInSources(std::regex(R"re("Art/(\w+)\.bmp"\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*(\w+))re"));
    EXPECT_GT(sheetLoads.size(), 150u);
    for (const Hit& hit : sheetLoads) {
        const ArtEntry* e = findArt(hit.groups[0]);
        if (!e)
            continue;  // reported as missing above
        const std::string at = hit.where + ": Art/" + hit.groups[0] + ".bmp: ";
        const int fw = std::stoi(hit.groups[1]), fh = std::stoi(hit.groups[2]);
        const auto key = keyNamed(hit.groups[3]);
        if (!key) {
            ADD_FAILURE() << at << hit.groups[3] << " is not a key constant this test knows";
            continue;
        }
        if (fw == 0 || fh == 0) {
            EXPECT_EQ(e->frameWidth, e->width) << at << "loaded as one whole picture";
            EXPECT_EQ(e->frameHeight, e->height) << at << "loaded as one whole picture";
        } else {
            EXPECT_EQ(e->frameWidth, fw) << at << "frame width";
            EXPECT_EQ(e->frameHeight, fh) << at << "frame height";
            EXPECT_GE(e->width, fw) << at << "image narrower than one frame";
            EXPECT_GE(e->height, fh) << at << "image lower than one frame";
        }
        EXPECT_EQ(keyName(e->colourKey), keyName(*key)) << at << "colour key";
    }

    // Single textures: file, key; the whole picture is drawn, so only the key can disagree.
    const auto textureLoads = findInSources(std::regex(R"re("Art/(\w+)\.bmp"\s*,\s*(k\w+))re"));
    EXPECT_GT(textureLoads.size(), 10u);
    for (const Hit& hit : textureLoads) {
        const ArtEntry* e = findArt(hit.groups[0]);
        const auto key = keyNamed(hit.groups[1]);
        if (!e || !key)
            continue;
        EXPECT_EQ(keyName(e->colourKey), keyName(*key)) << hit.where << ": Art/" << hit.groups[0] << ".bmp colour key";
    }
}

TEST(GameFiles, EveryQuestThePlayerCanReachHasABackground)
{
    // World 1's game code sets up all ten of its quests; the other worlds' quests are played only as
    // the play order reaches them.
    std::set<int> quests;
    for (int q = 1; q <= 10; ++q)
        quests.insert(q);
    int steps = 0;
    for (int q = kFirstQuest; q != 0 && steps <= kCampaignLength; q = nextQuest(q), ++steps)
        quests.insert(q);
    EXPECT_EQ(steps, kCampaignLength) << "the play order should run from its first quest to its last";
    EXPECT_TRUE(quests.count(kLastQuest));

    // The key the backgrounds are loaded with: one constant, or one quest's key and everyone else's.
    const auto loads = findInSources(std::regex(
        R"re("Art/Quest%d\.bmp"[^;]*;\s*[^;]*Load\([^;]*,\s*512\s*,\s*256\s*,\s*([^,]+?)\s*,\s*\d+\s*\))re"));
    ASSERT_EQ(loads.size(), 1u) << "the backgrounds should be loaded in one place, as 512x256 frames";
    const std::string& keyExpression = loads[0].groups[0];
    std::smatch choice;
    ASSERT_TRUE(std::regex_match(keyExpression, choice,
                                 std::regex(R"re(backgroundHasRedKey\(\w+\)\s*\?\s*(\w+)\s*:\s*(\w+))re")))
        << loads[0].where << ": cannot tell the backgrounds' key from \"" << keyExpression << "\"";
    const auto redKey = keyNamed(choice[1].str()), otherKey = keyNamed(choice[2].str());
    ASSERT_TRUE(redKey && otherKey) << loads[0].where << ": unknown key in \"" << keyExpression << "\"";

    for (int q : quests) {
        const std::string name = "Quest" + std::to_string(q);
        const ArtEntry* e = findArt(name);
        ASSERT_NE(e, nullptr) << loads[0].where << ": Art/" << name << ".bmp is not generated";
        EXPECT_EQ(e->frameWidth, 512) << name;
        EXPECT_EQ(e->frameHeight, 256) << name;
        EXPECT_GE(e->width, 512) << name;
        EXPECT_GE(e->height, 256) << name;
        EXPECT_EQ(keyName(e->colourKey), keyName(backgroundHasRedKey(q) ? *redKey : *otherKey))
            << loads[0].where << ": Art/" << name << ".bmp colour key";
    }
}

TEST(GameFiles, EverySoundTheGameNamesIsGenerated)
{
    std::set<std::string> written;
    for (const soundgen::Effect& effect : soundgen::effects())
        written.insert(effect.fileName);
    for (const soundgen::Piece& piece : soundgen::compositions())
        written.insert(piece.fileName);

    const auto names = findInSources(std::regex(R"re("Data/([^"/]+\.(wav|mid))")re"));
    EXPECT_GT(names.size(), 10u);
    std::set<std::string> used;
    for (const Hit& hit : names) {
        EXPECT_TRUE(written.count(hit.groups[0])) << hit.where << ": Data/" << hit.groups[0] << " is not generated";
        used.insert(hit.groups[0]);
    }
    // Nothing is written that the game never plays.
    for (const std::string& file : written)
        EXPECT_TRUE(used.count(file)) << "Data/" << file << " is generated but the game never loads it";
}

TEST(GameFiles, CommentsAreNotTakenForLoads)
{
    const std::string text = "a(\"Art/A.bmp\"); // \"Art/B.bmp\"\n/* \"Art/C.bmp\"\n */ b(\"//\", \"Art/D.bmp\");\n";
    const std::string cleaned = withoutComments(text);
    EXPECT_EQ(cleaned.size(), text.size());
    EXPECT_EQ(std::count(cleaned.begin(), cleaned.end(), '\n'), 3);
    EXPECT_NE(cleaned.find("Art/A.bmp"), std::string::npos);
    EXPECT_EQ(cleaned.find("Art/B.bmp"), std::string::npos);
    EXPECT_EQ(cleaned.find("Art/C.bmp"), std::string::npos);
    EXPECT_NE(cleaned.find("Art/D.bmp"), std::string::npos);
}

}  // namespace
