// Quest pictures that fill their frame: places the dude is sent to, seen from outside or within.
#include "draw/Draw.h"
#include "draw/StoryLook.h"
#include "draw/StoryParts.h"

namespace artgen {

void drawPalaceScene(Canvas& c)
{
    sky(c, hex(0x5AAEFF), hex(0xCDEBFF));
    cloud(c, 12, 12, 1);
    cloud(c, 52, 20, 0.8);
    meadow(c, 54, hex(0x7ED860), hex(0x2E8A3A));
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, 6, 6);
    cairo_scale(cr, 0.42, 0.42);
    drawPalace(c);
    cairo_restore(cr);
    path(c, 32, 60, 8, 24, hex(0xF0DCA8));
}

void drawPalaceHallScene(Canvas& c)
{
    // The palace's hall: a red carpet runs to the golden doors of the throne room.
    cairo_t* cr = c.cr();
    sky(c, hex(0xE8D8FF), hex(0xB8A4E8));
    cairo_rectangle(cr, 0, 44, 64, 20);
    c.setVerticalGradient(44, hex(0xD8C8A8), 64, hex(0xA8906C));
    c.fillOutlined(1.5);
    c.polygon({{26, 44}, {38, 44}, {50, 65}, {14, 65}});
    c.setVerticalGradient(44, hex(0xE8404A), 64, hex(0xA01C2C));
    c.fillOutlined(1.5);
    door(c, 32, 45, 22, 32, hex(0xFFD25A), hex(0xC88A14), true);
    for (double x : {7.0, 57.0})
        pillar(c, x, 4, 44, hex(0xFFFFFF), hex(0xB8A8DC));
    banner(c, 17, 8, hex(0xE8404A));
    banner(c, 47, 8, hex(0x4A7AE8));
}

void drawMountainScene(Canvas& c)
{
    cairo_t* cr = c.cr();
    sky(c, hex(0x4A9CF0), hex(0xD8F0FF));
    sun(c, 52, 11, 6);
    c.polygon({{-4, 50}, {18, 12}, {30, 30}, {42, 8}, {68, 50}});
    c.setVerticalGradient(8, hex(0xB4A8C8), 50, hex(0x6A5C84));
    c.fillOutlined(1.6);
    // Snow caps.
    c.polygon({{18, 12}, {24, 22}, {21, 21}, {18, 24}, {14, 19}});
    c.setColour(hex(0xFFFFFF));
    c.fillOutlined(1.2);
    c.polygon({{42, 8}, {49, 19}, {45, 17}, {42, 21}, {38, 16}, {35, 18}});
    c.setColour(hex(0xFFFFFF));
    c.fillOutlined(1.2);
    meadow(c, 46, hex(0x8EE070), hex(0x2E8A3A));
    path(c, 34, 64, 12, 20, hex(0xE8D4A0));
    cairo_new_path(cr);
}

void drawVaseRoomScene(Canvas& c)
{
    // A great vase stands where the way on must be: a dark opening shows behind it.
    stoneRoom(c, hex(0xA8B8D8), hex(0x5A6A90));
    archway(c, 32, 48, 24, 34, hex(0x7888B0), hex(0x141022));
    vase(c, 32, 58, 1.3, hex(0x5A8CF0));
    torch(c, 9, 18);
    torch(c, 55, 18);
}

void drawBrownDungeonScene(Canvas& c)
{
    // A brown rock face with the dungeon's arched door, torches either side.
    sky(c, hex(0xFFB870), hex(0xFFE8C0));
    rockFace(c, 6, hex(0xC08A58), hex(0x7A4E2A));
    archway(c, 32, 58, 28, 36, hex(0x9A6A40), hex(0x1A1020));
    torch(c, 11, 30);
    torch(c, 53, 30);
    meadow(c, 57, hex(0xC8A070), hex(0x8A6038));
    path(c, 32, 64, 10, 18, hex(0xE0C090));
}

void drawBrownDungeonGate(Canvas& c)
{
    // The brown dungeon seen from its path: a stone gate with a raised portcullis.
    sky(c, hex(0x6AB4FF), hex(0xE0F4FF));
    cloud(c, 48, 9, 0.8);
    meadow(c, 50, hex(0xB4D470), hex(0x5A8A34));
    castleWall(c, 8, 56, 14, hex(0xC89868), hex(0x8A5A34));
    archway(c, 32, 56, 22, 28, hex(0x9A6A40), hex(0x1A1020));
    portcullis(c, 32, 28, 22, 7);
    path(c, 32, 64, 10, 22, hex(0xE0C090));
}

void drawLowestLevelScene(Canvas& c)
{
    // Deep under the earth: a rough brown cellar whose ladder disappears into a pit.
    stoneRoom(c, hex(0x9A7050), hex(0x4A3020));
    pit(c, 32, 50, 22, 8);
    ladder(c, 32, 22, 50, 12, hex(0xC88A4A));
    torch(c, 10, 20);
    torch(c, 54, 20);
}

void drawAppleTreeScene(Canvas& c)
{
    sky(c, hex(0x6AC0FF), hex(0xE0F6FF));
    cloud(c, 50, 10, 0.9);
    meadow(c, 48, hex(0x8EE070), hex(0x2E8A3A));
    appleTree(c, 30, 56, 1);
    for (double x : {50.0, 55.0})
        c.blob(x, 58, 2.4, 2.4, hex(0xE8303A), 1);
}

void drawGreenDungeonScene(Canvas& c)
{
    sky(c, hex(0x8AD8FF), hex(0xE8FFF0));
    rockFace(c, 10, hex(0x6AB878), hex(0x2E6A44));
    archway(c, 32, 58, 26, 34, hex(0x4A9A64), hex(0x0E1C14));
    moss(c);
    meadow(c, 57, hex(0x7ED860), hex(0x2E8A3A));
    path(c, 32, 64, 10, 16, hex(0xE8D8A0));
}

void drawLowerLevelScene(Canvas& c)
{
    stoneRoom(c, hex(0x7ABC88), hex(0x2E6A44));
    stairs(c, 32, 22, 34, 30, hex(0x8ACC98));
    torch(c, 10, 18);
    torch(c, 54, 18);
}

void drawCaveOfMysteryScene(Canvas& c)
{
    // A grey cliff with a cave whose darkness glows violet, sparkles drifting out.
    sky(c, hex(0x2A2A6A), hex(0x8A6AC8));
    rockFace(c, 8, hex(0x9A98A8), hex(0x4A4858));
    cave(c, 32, 58, 30, 30, hex(0x6A3AB8));
    meadow(c, 58, hex(0x6A8A70), hex(0x3A5A44));
    for (Point p : {Point{26, 36}, Point{37, 42}, Point{31, 48}, Point{42, 34}})
        sparkle(c, p.x, p.y, 2.5, hex(0xFFF0A0));
}

void drawCastleGate(Canvas& c)
{
    // Drawn 0.67 wide and 1.42 high, so designed in screen pixels (86 by 91) and stretched back.
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_scale(cr, 1 / 0.67, 1 / 1.42);
    cairo_rectangle(cr, 0, 0, 86, 91);
    c.setVerticalGradient(0, hex(0x5AAEFF), 91, hex(0xD8F0FF));
    cairo_fill(cr);
    cloud(c, 66, 10, 1);
    castleWall(c, 10, 80, 16, hex(0xE8E0F0), hex(0x9A90B8));
    for (double x : {9.0, 77.0}) {
        c.box(x - 9, 4, 18, 78, 2, hex(0xF6F0FF), hex(0xA89CC8), 1.8);
        c.polygon({{x - 11, 6}, {x, -8}, {x + 11, 6}});
        c.setVerticalGradient(-8, hex(0xFF8CB8), 6, hex(0xC8407E));
        c.fillOutlined(1.8);
    }
    archway(c, 43, 82, 34, 48, hex(0xC8BCE0), hex(0x3A2A1A));
    door(c, 43, 82, 30, 44, hex(0xC8843A), hex(0x7A4A1E), true);
    meadow(c, 80, hex(0x7ED860), hex(0x2E8A3A));
    path(c, 43, 91, 16, 30, hex(0xF0DCA8));
    cairo_restore(cr);
}

}  // namespace artgen
