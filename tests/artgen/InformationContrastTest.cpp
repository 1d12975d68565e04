// The information pages' texts keep their fixed colours; the backdrop must let each of them read.
#include "Bmp.h"
#include "Generator.h"
#include "Manifest.h"
#include "draw/InformationPlates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

// Every text of the information pages, in its fixed colour, stands out 3:1 from the backdrop
// under it: the last backdrop's frame for that page, stretched 3.125 by 2.34375 as the game draws
// it, sampled over the rows and the width the text's letters cover.
TEST(InformationBackdrop, TextsStandOutThreeToOne)
{
    const artgen::ArtEntry* entry = artgen::findArt("Back14");
    ASSERT_NE(entry, nullptr);
    const artgen::ArtEntry& e = *entry;
    const auto canvas = artgen::render(e);
    const auto rgb = artgen::flattenToRgb(canvas->surface(), e.colourKey);
    const auto at = [&](int x, int y) {
        const std::size_t i = (std::size_t(y) * e.width + x) * 3;
        return (std::uint32_t(rgb[i]) << 16) | (rgb[i + 1] << 8) | rgb[i + 2];
    };
    int texts = 0;
    for (int page = 0; page < InformationScreen::kPages; ++page) {
        const InformationPage& pg = kInformationPages[page];
        const int fx = (page % (e.width / e.frameWidth)) * e.frameWidth;
        const int fy = (page / (e.width / e.frameWidth)) * e.frameHeight;
        for (int i = 0; i < pg.count; ++i) {
            const InformationDraw& d = pg.draws[i];
            if (!d.isText)
                continue;
            ++texts;
            const double text = artgen::relativeLuminance(d.colour);
            double worst = 21;
            const int right = d.x + int(artgen::textInkWidth(d.text));
            for (int sy = d.y + 4; sy < d.y + 25; sy += 2)
                for (int sx = d.x; sx < right; sx += 2) {
                    const std::uint32_t c = at(fx + int(sx / 3.125), fy + int(sy / 2.34375));
                    worst = std::min(worst, artgen::contrastRatio(text, artgen::relativeLuminance(0xFF000000 | c)));
                }
            EXPECT_GE(worst, 3.0) << "page " << page << ": \"" << d.text << "\"";
        }
    }
    EXPECT_GT(texts, 40);
}

// Page 1 draws the suspicious wall's lesson picture after its texts, near the end of the third
// line; what it shows must leave that line's last letters (its closing bracket) uncovered.
TEST(InformationBackdrop, TheLessonPictureLeavesTheTextUncovered)
{
    const artgen::ArtEntry* entry = artgen::findArt("Show");
    ASSERT_NE(entry, nullptr);
    const auto canvas = artgen::render(*entry);
    const auto rgb = artgen::flattenToRgb(canvas->surface(), entry->colourKey);
    const std::uint32_t key = entry->colourKey & 0xFFFFFF;
    int shownLeft = entry->width;  // the first column that shows, in frame pixels
    for (int y = 0; y < entry->height; ++y)
        for (int x = 0; x < entry->width; ++x) {
            const std::size_t i = (std::size_t(y) * entry->width + x) * 3;
            if (((std::uint32_t(rgb[i]) << 16) | (rgb[i + 1] << 8) | rgb[i + 2]) != key)
                shownLeft = std::min(shownLeft, x);
        }
    const double pictureLeft = 628 + shownLeft * 1.25;  // drawn at x 628, 1.25 wide
    const InformationPage& page = kInformationPages[1];
    for (int i = 0; i < page.count; ++i) {
        const InformationDraw& d = page.draws[i];
        if (d.isText && d.y + 25 > 455 && d.y < 455 + 128 * 1.18) {
            EXPECT_LT(d.x + artgen::textInkWidth(d.text), pictureLeft) << d.text;
        }
    }
}
