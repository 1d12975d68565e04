#include "Manifest.h"
#include "draw/WorldDraw.h"

namespace artgen {

namespace {

// Key colours, shared by each key and the lock plates of the doors it opens.
constexpr Rgb kGoldKey = hex(0xF5C842);
constexpr Rgb kBlueKey = hex(0x4A8AF0);
constexpr Rgb kRedKey = hex(0xE8404A);
constexpr Rgb kRoyalKey = hex(0xA05AE0);
constexpr Rgb kGreenKey = hex(0x4CC24A);
constexpr Rgb kOrangeKey = hex(0xFF8A2A);

DoorLook door(std::uint32_t wood, Rgb emblem, bool inFrame = false) { return {tint(wood), emblem, inFrame}; }

// name, image width and height, frame width and height, frames used, colour key, routine.
const ArtEntry kWorld[] = {
    // Heads-up bar and choice panel
    {"Back2", 64, 64, 64, 64, 1, kKeyNone, drawBarBackground},
    {"Frame2", 64, 32, 64, 32, 1, kKeyRed, drawTimerFrame},
    {"ButtonMenu", 128, 64, 64, 32, 3, kKeyNone, drawBarMenuButton},
    {"Info", 64, 32, 16, 32, 3, kKeyNone, drawInfoButton},
    {"Frame3", 128, 64, 128, 64, 1, kKeyNone, drawChoicePanel},
    {"Select", 64, 32, 32, 32, 2, kKeyRed, drawChoiceHighlight},
    {"Bubble", 64, 64, 64, 64, 1, kKeyBlack, [](Canvas& c) { drawThoughtBubble(c, hex(0xC8DCFF)); }},
    {"Bubble2", 64, 64, 64, 64, 1, kKeyBlack, [](Canvas& c) { drawThoughtBubble(c, hex(0xFFD0E8)); }},
    {"Weight2", 64, 64, 64, 64, 1, kKeyRed, drawBigWeight},
    {"Button3", 128, 128, 64, 64, 3, kKeyRed, drawPushButton},

    // In-game menu (drawn instead of the dude)
    {"ButtonRestart", 256, 128, 128, 64, 3, kKeyNone,
     [](Canvas& c) { drawGameMenuButton(c, "Restart", hex(0xFFC46A), hex(0xE06A10)); }},
    {"ButtonMainMenu", 256, 128, 128, 64, 3, kKeyNone,
     [](Canvas& c) { drawGameMenuButton(c, "Main Menu", hex(0x7DA6FF), hex(0x2E4BC0)); }},
    {"ButtonSave", 256, 128, 128, 64, 3, kKeyNone,
     [](Canvas& c) { drawGameMenuButton(c, "Save", hex(0x8CEB6E), hex(0x23A040)); }},
    {"ButtonCancle", 256, 128, 128, 64, 3, kKeyNone,
     [](Canvas& c) { drawGameMenuButton(c, "Cancel", hex(0xC8B8F0), hex(0x6A58B0)); }},
    {"ButtonQuit2", 256, 128, 128, 64, 3, kKeyNone,
     [](Canvas& c) { drawGameMenuButton(c, "Quit", hex(0xFF8A7A), hex(0xC0282A)); }},

    // Doors: the plate shows the colour of the key that opens them
    {"Door", 32, 32, 32, 32, 1, kKeyNone, [](Canvas& c) { drawDoor(c, door(0xB07A3A, kGoldKey, true)); }},
    {"Door4", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawDoor(c, door(0xA0682E, kRedKey)); }},
    {"Door5", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawDoor(c, door(0x8A6A4A, kBlueKey)); }},
    {"Door6", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawDoor(c, door(0x7A8A9A, kGreenKey)); }},
    {"Door8", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawDoor(c, door(0x6A3A7A, kRoyalKey)); }},
    {"Door10", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawDoor(c, door(0x6A7A3A, kGreenKey)); }},
    {"Door11", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawDoor(c, door(0xC09060, kGreenKey)); }},
    {"Door12", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawDoor(c, door(0x9A5A3A, kOrangeKey)); }},
    {"Door13", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawDoor(c, door(0x5A6A8A, kOrangeKey)); }},

    // Keys
    {"Key2", 64, 32, 16, 32, 4, kKeyBlack, [](Canvas& c) { drawKey(c, tint(0x7AAAF8), kBlueKey, false); }},
    {"Key3", 64, 32, 16, 32, 4, kKeyBlack, [](Canvas& c) { drawKey(c, tint(0xF0606A), kRedKey, false); }},
    {"Key4", 64, 32, 16, 32, 4, kKeyBlack, [](Canvas& c) { drawKey(c, tint(0xF5C842), kRoyalKey, true); }},
    {"Key5", 64, 32, 16, 32, 4, kKeyBlack, [](Canvas& c) { drawKey(c, tint(0x6AD85A), kGreenKey, false); }},
    {"Key6", 64, 32, 16, 32, 4, kKeyBlack, [](Canvas& c) { drawKey(c, tint(0xFFA050), kOrangeKey, false); }},

    // Blocks (shown 1.1 wide and 1.7 tall)
    {"Block2", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawBlock(c, tint(0xE0C080), BlockPattern::Bricks, false); }},
    {"Block3", 32, 32, 32, 32, 1, kKeyNone, [](Canvas& c) { drawBlock(c, tint(0xC98A4B), BlockPattern::Crate, true); }},
    {"Block4", 32, 32, 32, 32, 1, kKeyNone, [](Canvas& c) { drawBlock(c, tint(0x8A94A8), BlockPattern::Metal, true); }},
    {"Block6", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawBlock(c, tint(0x8AD8F0), BlockPattern::Crystal, false); }},
    {"Block8", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawBlock(c, tint(0xA89C88), BlockPattern::Boulder, false); }},
    {"Block9", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawBlock(c, tint(0xB9B2A6), BlockPattern::Bricks, false); }},
    {"Block11", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawBlock(c, tint(0x6AB86A), BlockPattern::Boulder, false); }},
    {"Block12", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawBlock(c, tint(0x9A9AA8), BlockPattern::Metal, false); }},
    {"Block13", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawBlock(c, tint(0xB07A3A), BlockPattern::Crate, false); }},
    {"Block14", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawBlock(c, tint(0xC8A070), BlockPattern::Bricks, false); }},
    {"Block17", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawBlock(c, tint(0xD890E0), BlockPattern::Crystal, false); }},
    {"Block19", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawBlock(c, tint(0xE8D8A8), BlockPattern::Bricks, false); }},
    {"Block20", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawBlock(c, tint(0x7A6A5A), BlockPattern::Boulder, false); }},
    {"Block21", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawBlock(c, tint(0xA0B8D0), BlockPattern::Bricks, false); }},
    {"Block23", 32, 32, 32, 32, 1, kKeyBlack, [](Canvas& c) { drawBlock(c, tint(0xE07A5A), BlockPattern::Bricks, false); }},

    // Suspicious walls and trap doors
    {"SuspiciousWall", 64, 64, 64, 64, 1, kKeyNone, drawSuspiciousWall},
    {"SuspiciousButton", 64, 32, 32, 32, 2, kKeyBlack, drawSuspiciousSign},
    {"TrapDoor", 64, 128, 64, 32, 4, kKeyBlack, drawTrapDoor},

    // Vases and the other things a hammer or an axe breaks
    {"Vases", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Amphora, tint(0xE08A4A), hex(0x3A2A1E)); }},
    {"Vases3", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Pot, tint(0x5A8AE0), hex(0xFFFFFF)); }},
    {"Vases4", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Jar, tint(0x6AC07A), hex(0xF5C842)); }},
    {"Vases5", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Urn, tint(0xD8C8A8), hex(0x8A5A2E)); }},
    {"Vases6", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Amphora, tint(0x5AC0C0), hex(0x1E4A6A)); }},
    {"Vases9", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Pot, tint(0x7CD04A), hex(0x2A5A1E)); }},
    {"Vases10", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Barrel, tint(0xB07A3A), hex(0x5B6478)); }},
    {"Vases11", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Jar, tint(0x9A9AA8), hex(0x3A3A4A)); }},
    {"Vases12", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Urn, tint(0xA07AD8), hex(0xF5C842)); }},
    {"Vases13", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Amphora, tint(0xF0D8A0), hex(0xC0402A)); }},
    {"Vases14", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Crate, tint(0xC98A4B), hex(0xE8404A)); }},
    {"Vases16", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Pot, tint(0xE86A8A), hex(0xFFE27A)); }},
    {"Vases17", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Jar, tint(0xE0A050), hex(0x6A3A1E)); }},
    {"Vases18", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Amphora, tint(0x7A9AD8), hex(0xF5C842)); }},
    {"Vases19", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Urn, tint(0x8AC8A0), hex(0x2A5A4A)); }},
    {"Vases20", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Barrel, tint(0x8A6A4A), hex(0x5B6478)); }},
    {"Vases21", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Pot, tint(0xD8D0C8), hex(0x4A8AE0)); }},
    {"Vases22", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Crate, tint(0x9AA0A8), hex(0x4CC24A)); }},
    {"Tree4", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Tree, tint(0x4CC24A), hex(0)); }},
    {"Tree7", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawVase(c, VaseShape::Tree, tint(0x3AA86A), hex(0)); }},

    // Stores
    {"House2", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawStore(c, tint(0xF0E0C0), tint(0x4A8AE0), hex(0x4A8AE0)); }},
    {"House3", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawStore(c, tint(0xE8D0A0), tint(0x4CC24A), hex(0xE8404A)); }},
    {"House4", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawStore(c, tint(0xD8C090), tint(0xA05AE0), hex(0xF5C842)); }},
    {"House5", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawStore(c, tint(0xF8E8D0), tint(0xFF8A2A), hex(0x4A8AE0)); }},
    {"House6", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawStore(c, tint(0xC8D8E8), tint(0xE8404A), hex(0x4CC24A)); }},
    {"House7", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawStore(c, tint(0xE0C8A8), tint(0x8A5A2E), hex(0xFF6AA0)); }},
    {"House8", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawStore(c, tint(0xF0F0E0), tint(0x3AA8A8), hex(0xFF8A2A)); }},
    {"House9", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawStore(c, tint(0xD8B8E0), tint(0x5A4AA0), hex(0xF5C842)); }},
    {"House10", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawStore(c, tint(0xE8E0B0), tint(0xC0282A), hex(0x4A8AE0)); }},
    {"House11", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawStore(c, tint(0xB8C8B0), tint(0x6A7A3A), hex(0xE8404A)); }},
    {"House12", 32, 64, 32, 64, 1, kKeyBlack, [](Canvas& c) { drawStore(c, tint(0xF8D8C0), tint(0x2E4BC0), hex(0x4CC24A)); }},

    // Catapults: 0 and 1 throw left (rest, thrown), 2 and 3 throw right
    {"Swing2", 128, 64, 64, 32, 4, kKeyBlack, [](Canvas& c) { drawCatapult(c, tint(0xA0682E), hex(0x4A8AE0)); }},
    {"Swing3", 128, 64, 64, 32, 4, kKeyBlack, [](Canvas& c) { drawCatapult(c, tint(0x8A94A8), hex(0xE8404A)); }},
    {"Swing5", 128, 64, 64, 32, 4, kKeyBlack, [](Canvas& c) { drawCatapult(c, tint(0xC98A4B), hex(0x4CC24A)); }},
    {"Swing6", 128, 64, 64, 32, 4, kKeyBlack, [](Canvas& c) { drawCatapult(c, tint(0x7A6A5A), hex(0xF5C842)); }},
    {"Swing7", 128, 64, 64, 32, 4, kKeyBlack, [](Canvas& c) { drawCatapult(c, tint(0xB07A3A), hex(0xA05AE0)); }},
    {"Swing8", 128, 64, 64, 32, 4, kKeyBlack, [](Canvas& c) { drawCatapult(c, tint(0xD8A060), hex(0xFF8A2A)); }},
    {"Swing9", 128, 64, 64, 32, 4, kKeyBlack, [](Canvas& c) { drawCatapult(c, tint(0x6A7A8A), hex(0xFF6AA0)); }},
    {"Swing10", 128, 64, 64, 32, 4, kKeyBlack, [](Canvas& c) { drawCatapult(c, tint(0x9A5A3A), hex(0x3AA8A8)); }},

    // Levers: the frame is the position
    {"Lever2", 128, 128, 64, 64, 3, kKeyRed, [](Canvas& c) { drawLever(c, tint(0x8A94A8), hex(0x4A8AE0)); }},
    {"Lever3", 128, 128, 64, 64, 3, kKeyRed, [](Canvas& c) { drawLever(c, tint(0xC98A4B), hex(0x4CC24A)); }},
    {"Lever4", 128, 128, 64, 64, 3, kKeyRed, [](Canvas& c) { drawLever(c, tint(0x7A6A9A), hex(0xF5C842)); }},
    {"Lever5", 128, 128, 64, 64, 3, kKeyRed, [](Canvas& c) { drawLever(c, tint(0xB9B2A6), hex(0xFF8A2A)); }},
    {"Lever6", 128, 128, 64, 64, 3, kKeyRed, [](Canvas& c) { drawLever(c, tint(0x5A8A7A), hex(0xFF6AA0)); }},

    // Teleport pads
    {"TeleportPad2", 32, 16, 32, 16, 1, kKeyBlack, [](Canvas& c) { drawTeleportPad(c, hex(0x7CFF6A)); }},
    {"TeleportPad3", 32, 16, 32, 16, 1, kKeyBlack, [](Canvas& c) { drawTeleportPad(c, hex(0xFF7AE0)); }},
    {"TeleportPad4", 32, 16, 32, 16, 1, kKeyBlack, [](Canvas& c) { drawTeleportPad(c, hex(0xFFD23A)); }},
    {"TeleportPad5", 32, 16, 32, 16, 1, kKeyBlack, [](Canvas& c) { drawTeleportPad(c, hex(0xFF8A4A)); }},
    {"TeleportPad7", 32, 16, 32, 16, 1, kKeyBlack, [](Canvas& c) { drawTeleportPad(c, hex(0xA07AFF)); }},
    {"TeleportPad8", 32, 16, 32, 16, 1, kKeyBlack, [](Canvas& c) { drawTeleportPad(c, hex(0x4AF0D0)); }},
    {"TeleportPad9", 32, 16, 32, 16, 1, kKeyBlack, [](Canvas& c) { drawTeleportPad(c, hex(0xFF5A6A)); }},
    {"TeleportPad10", 32, 16, 32, 16, 1, kKeyBlack, [](Canvas& c) { drawTeleportPad(c, hex(0x5AB0FF)); }},
    {"TeleportPad11", 32, 16, 32, 16, 1, kKeyBlack, [](Canvas& c) { drawTeleportPad(c, hex(0xE0FF5A)); }},

    // Ladders, bridges, trampolines, buttons in the world
    {"Ladder", 32, 64, 32, 64, 1, kKeyRed, [](Canvas& c) { drawLadder(c, tint(0xC98A4B), false); }},
    {"Ladder3", 32, 64, 32, 64, 1, kKeyRed, [](Canvas& c) { drawLadder(c, tint(0xD8B070), true); }},
    {"Ladder4", 32, 64, 32, 64, 1, kKeyRed, [](Canvas& c) { drawLadder(c, tint(0x9AA0A8), false); }},
    {"Ladder5", 32, 64, 32, 64, 1, kKeyRed, [](Canvas& c) { drawLadder(c, tint(0xB8D060), false); }},
    {"Bridge", 64, 64, 64, 64, 1, kKeyNone, [](Canvas& c) { drawBridge(c, tint(0xC98A4B), false); }},
    {"Bridge2", 64, 64, 64, 64, 1, kKeyNone, [](Canvas& c) { drawBridge(c, tint(0xB9B2A6), true); }},
    {"Bridge4", 64, 64, 64, 64, 1, kKeyNone, [](Canvas& c) { drawBridge(c, tint(0x9A6A3A), false); }},
    {"Trampoline2", 128, 64, 64, 32, 3, kKeyBlack, [](Canvas& c) { drawTrampoline(c, hex(0x4A8AE0)); }},
    {"Button4", 64, 64, 64, 64, 1, kKeyRed, [](Canvas& c) { drawFloorButton(c, hex(0x4A8AE0)); }},

    // Food: two frames (the plates four, other quests animate them like keys and balls)
    {"Drink", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Drink); }},
    {"Drink2", 64, 64, 32, 64, 2, kKeyRed, [](Canvas& c) { drawFood(c, Food::Goblet); }},
    {"Drink3", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Juice); }},
    {"Drink4", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Cocoa); }},
    {"Ham", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Ham); }},
    {"Bowl", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Bowl); }},
    {"Bowl2", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::FruitBowl); }},
    {"Fish", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Fish); }},
    {"Chocolate", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Chocolate); }},
    {"Dinner", 128, 64, 64, 32, 4, kKeyRed, [](Canvas& c) { drawFood(c, Food::Dinner); }},
    {"Dinner2", 128, 64, 64, 32, 4, kKeyRed, [](Canvas& c) { drawFood(c, Food::Cake); }},
    {"Cheese", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Cheese); }},
    {"Scoop", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Scoop); }},
    {"Banana", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Banana); }},
    {"Grapes", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Grapes); }},
    {"Cherries", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Cherries); }},
    {"Icecream", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::IceCream); }},
    {"Food1", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Apple); }},
    {"Food2", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Bread); }},
    {"Food5", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Pie); }},
    {"Food6", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Carrot); }},
    {"Food7", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Pear); }},
    {"Food8", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Melon); }},
    {"Food9", 64, 64, 32, 64, 2, kKeyBlack, [](Canvas& c) { drawFood(c, Food::Cookie); }},

    // Quest items
    {"Clue", 64, 64, 32, 32, 4, kKeyRed, drawClue},
    {"Herb", 32, 64, 32, 64, 1, kKeyBlack, drawHerb},
    {"Horn", 64, 64, 64, 64, 1, kKeyRed, [](Canvas& c) { drawHorn(c, tint(0xF5C842)); }},
    {"Horn2", 64, 64, 64, 64, 1, kKeyRed, [](Canvas& c) { drawHorn(c, tint(0xD8A070)); }},
    {"Wand", 16, 64, 16, 64, 1, kKeyBlack, drawWand},
    {"Bow", 32, 64, 32, 64, 1, kKeyRed, drawBow},
    {"Shield", 32, 64, 32, 64, 1, kKeyBlack, drawShield},
    {"Shoes", 64, 64, 64, 64, 1, kKeyRed, drawShoes},
    {"Gloves", 64, 64, 64, 64, 1, kKeyRed, drawGloves},
    {"Amulet1", 64, 64, 64, 64, 1, kKeyRed, drawAmulet},
    {"Bag", 64, 64, 64, 64, 1, kKeyBlack, drawBag},
    {"Map", 64, 64, 64, 64, 1, kKeyBlack, drawMap},

    // Hammers and axes (four frames)
    {"Hammer2", 128, 64, 32, 64, 4, kKeyRed, [](Canvas& c) { drawHammer(c, tint(0x9AA0B0), false); }},
    {"Hammer3", 128, 128, 64, 64, 4, kKeyRed, [](Canvas& c) { drawHammer(c, tint(0xC07A3A), false); }},
    {"Hammer4", 128, 128, 64, 64, 4, kKeyRed, [](Canvas& c) { drawHammer(c, tint(0x7A8AB0), false); }},
    {"Hammer5", 128, 128, 64, 64, 4, kKeyRed, [](Canvas& c) { drawHammer(c, tint(0xF5C842), false); }},
    {"Hammer6", 128, 128, 64, 64, 4, kKeyRed, [](Canvas& c) { drawHammer(c, tint(0xB06AD8), false); }},
    {"Axe2", 128, 128, 64, 64, 4, kKeyRed, [](Canvas& c) { drawHammer(c, tint(0xD0D8E0), true); }},

    // Burst particles and small rocks
    {"Particle", 128, 128, 32, 32, 16, kKeyBlack, drawMachineSparks},
    {"Particle2", 64, 16, 16, 16, 4, kKeyBlack, [](Canvas& c) { drawBurstParticle(c, Shard::Chip, tint(0xE08A4A)); }},
    {"Particle6", 64, 16, 16, 16, 4, kKeyRed, [](Canvas& c) { drawBurstParticle(c, Shard::Star, tint(0xFFD23A)); }},
    {"Particle9", 64, 16, 16, 16, 4, kKeyRed, [](Canvas& c) { drawBurstParticle(c, Shard::Leaf, tint(0x6AD85A)); }},
    {"Particle12", 64, 16, 16, 16, 4, kKeyRed, [](Canvas& c) { drawBurstParticle(c, Shard::Spark, tint(0x5AB0FF)); }},
    {"Particle5", 128, 32, 32, 32, 4, kKeyRed, [](Canvas& c) { drawRubble(c, tint(0xB9B2A6)); }},
    {"Particle7", 128, 32, 32, 32, 4, kKeyRed, [](Canvas& c) { drawRubble(c, tint(0xE0C080)); }},
    {"Particle8", 128, 32, 32, 32, 4, kKeyRed, [](Canvas& c) { drawRubble(c, tint(0xC98A4B)); }},
    {"Particle10", 128, 32, 32, 32, 4, kKeyRed, [](Canvas& c) { drawRubble(c, tint(0x8A94A8)); }},
    {"Particle11", 128, 32, 32, 32, 4, kKeyRed, [](Canvas& c) { drawRubble(c, tint(0x8AD8F0)); }},

    // Props of single quests
    {"portcullis2", 64, 64, 64, 64, 1, kKeyRed, drawPortcullis},
    {"Paintings", 128, 128, 64, 64, 4, kKeyNone, drawPaintings},
    {"Statue", 64, 64, 64, 64, 1, kKeyRed, drawStatue},
    {"Statue2", 64, 128, 64, 128, 1, kKeyBlack, drawTallStatue},
    {"Statue3", 64, 64, 64, 64, 1, kKeyBlack, drawUrnStatue},
    {"Throne", 128, 128, 128, 128, 1, kKeyBlack, drawThrone},
    {"Gate3", 128, 32, 64, 32, 2, kKeyNone, drawGateLeaves},
    {"Door9", 32, 32, 32, 32, 1, kKeyNone, drawSlidingDoor},
    {"Ladder2", 64, 64, 64, 64, 1, kKeyNone, drawPaintedLadder},
    {"fence", 128, 32, 128, 32, 1, kKeyRed, drawFence},
    {"Grate", 64, 64, 64, 64, 1, kKeyRed, drawGrate},
};

}  // namespace

std::span<const ArtEntry> worldArt() { return kWorld; }

}  // namespace artgen
