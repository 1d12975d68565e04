#pragma once

// Drawing routines of the quests' pictures: objects, heads-up bar, in-game menu and scenery props.
// Families of look-alike objects take a look record, so the manifest names each variant in one line.
#include "Canvas.h"

#include <cstdint>
#include <functional>

namespace artgen {

// A material: lit top, body colour and shaded underside.
struct Tint {
    Rgb light, base, dark;
};
Tint tint(std::uint32_t rgb);

// One round part of a cloud or a bush.
struct Puff {
    double x, y, r;
};

// WorldShapes.cpp: small shapes every world picture uses.
void eachFrame(Canvas& c, int frames, const std::function<void(int)>& draw);
void starPath(Canvas& c, double cx, double cy, int points, double outer, double inner, double turn = 0);
void twinkle(Canvas& c, double x, double y, double r, Rgb fill = hex(0xFFFFFF), double alpha = 1.0);
// Runs draw mirrored left to right inside a frame of the given width.
void mirrored(Canvas& c, double frameWidth, const std::function<void()>& draw);

// WorldHud.cpp: the heads-up bar, the choice panel and the in-game menu.
void drawBarBackground(Canvas& c);
void drawTimerFrame(Canvas& c);
void drawBarMenuButton(Canvas& c);
void drawInfoButton(Canvas& c);
void drawChoicePanel(Canvas& c);
void drawChoiceHighlight(Canvas& c);
void drawThoughtBubble(Canvas& c, Rgb cloud);
void drawGameMenuButton(Canvas& c, const char* label, Rgb top, Rgb bottom);
void drawPushButton(Canvas& c);

// WorldDoors.cpp: doors, keys, blocks, suspicious walls and trap doors.
struct DoorLook {
    Tint wood;
    Rgb emblem;     // the colour of the key that opens it
    bool inFrame;   // painted in its stone frame (pictures without a colour key)
};
void drawDoor(Canvas& c, const DoorLook& look);
void drawKey(Canvas& c, Tint metal, Rgb jewel, bool royal);
enum class BlockPattern { Bricks, Crate, Metal, Crystal, Boulder };
void drawBlock(Canvas& c, Tint stone, BlockPattern pattern, bool fillFrame);
void drawSuspiciousWall(Canvas& c);
void drawSuspiciousSign(Canvas& c);
void drawTrapDoor(Canvas& c);

// WorldFixtures.cpp: vases, stores, catapults, levers, teleport pads, ladders, bridges, trampolines.
enum class VaseShape { Amphora, Pot, Jar, Urn, Barrel, Crate, Tree };
void drawVase(Canvas& c, VaseShape shape, Tint body, Rgb band);
void drawStore(Canvas& c, Tint walls, Tint roof, Rgb awning);
void drawCatapult(Canvas& c, Tint wood, Rgb seat);
void drawLever(Canvas& c, Tint base, Rgb knob);
void drawTeleportPad(Canvas& c, Rgb glow);
void drawLadder(Canvas& c, Tint wood, bool rope);
void drawBridge(Canvas& c, Tint planks, bool stone);
void drawTrampoline(Canvas& c, Rgb mat);
void drawFloorButton(Canvas& c, Rgb cap);

// WorldItems.cpp: food, tools, treasures and quest items.
enum class Food {
    Drink, Goblet, Ham, Bowl, FruitBowl, Fish, Chocolate, Dinner, Cake, Cheese, Banana, Grapes, Cherries,
    IceCream, Scoop, Juice, Cocoa, Apple, Bread, Pie, Carrot, Pear, Melon, Egg, Sausage, Cookie
};
void drawFood(Canvas& c, Food food);
void drawHammer(Canvas& c, Tint head, bool axe);
void drawBigWeight(Canvas& c);
void drawHerb(Canvas& c);
void drawHorn(Canvas& c, Tint brass);
void drawClue(Canvas& c);
void drawWand(Canvas& c);
void drawBow(Canvas& c);
void drawShield(Canvas& c);
void drawShoes(Canvas& c);
void drawGloves(Canvas& c);
void drawAmulet(Canvas& c);
void drawBag(Canvas& c);
void drawMap(Canvas& c);

// WorldEffects.cpp: burst particles.
enum class Shard { Spark, Chip, Star, Leaf };
void drawBurstParticle(Canvas& c, Shard shard, Tint colour);
void drawMachineSparks(Canvas& c);
void drawRubble(Canvas& c, Tint stone);

// WorldScenery.cpp: props of particular quests.
void drawPortcullis(Canvas& c);
void drawPaintings(Canvas& c);
void drawStatue(Canvas& c);
void drawTallStatue(Canvas& c);
void drawUrnStatue(Canvas& c);
void drawThrone(Canvas& c);
void drawGateLeaves(Canvas& c);
void drawSlidingDoor(Canvas& c);
void drawPaintedLadder(Canvas& c);
void drawFence(Canvas& c);
void drawGrate(Canvas& c);

}  // namespace artgen
