#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "quests/WorldArt.h"

// The objects of a quest, what its levers, catapults and stores do, and how its objects are drawn:
// data that the quest setup writes into the world after reset, and that the engine's panel scripts
// and drawing routine read.

struct Spot {
  int x, y;
};

struct KeyPlacement {
  int x, y;
  uint8_t kind;  // 7 Key, 19 Key2, 20 Key3, 28 Key4 (the special key)
  // false: no key lies on the field; the entry only names the kind of a key a store sells.
  bool onField;
};
struct DoorPlacement {
  int x, y;
  uint8_t keyKind;  // 0 for an entry left empty (absent)
};
struct BlockPlacement {
  int x, y;
  bool horizontal;  // stops horizontal moves; otherwise vertical ones
  bool presentAtStart;
};
struct LeverPlacement {
  int x, y;
  uint8_t position;
};
struct CatapultPlacement {
  int x, y;
  uint8_t facing;  // 1 throws left, 2 throws right
};
struct TeleporterPlacement {
  int x, y, exitX, exitY;
};
struct LedgePlacement {
  uint8_t index;  // entry of the ledge list: 0-2 stop upward crossing, 4-6 downward
  int x, y, width;
  bool active;
};
struct SuspWallPlacement {
  int x, y;
  uint8_t answer;  // the sign (1 to 4) that opens it
  float scale;
};
struct MachinePlacement {
  int x, y, ballStartX, ballStartY;
};

// World 4's kinds.
struct TrampolinePlacement {
  int x, y;
  uint8_t setting;  // 0, 1 or 2: which bounce it gives; also its picture
};
struct TrapDoorPlacement {
  int x, y;
  uint8_t ball;         // the ball (0 to 2) that falls in while the door is open
  int8_t ledgeOnCatch;  // the ledge a caught ball switches off, or -1
};
// When a ball that waits in the world starts rolling.
enum class BallRelease : uint8_t {
  Never,
  DudeLeftOfBall,  // the dude's x is smaller than the ball's
  DudeXNot,        // the dude's x differs from `value`
  DudeYIs,         // the dude's y equals `value`
};
struct BallPlacement {
  int x, y;
  BallRelease release;
  int value;
};
// What the push button in the bar does while the dude stands at a button.
enum class PushAction : uint8_t {
  None,
  OpenTrapDoor,      // trap door 0 starts opening if closed
  ReleaseGate,       // the first press switches ledge 0 off and opens the scenery's gate
  CycleLadder,       // ladder 0 moves on to the next stop of the quest's ladder cycle
  TrapDoorByHeight,  // trap door 0 above y 400, trap door 1 below
};
// A stop of the ladder cycle: where ladder 0 stands and the one ledge of 0 to 3 that is off there.
struct LadderStop {
  int x, y;
  uint8_t ledgeOff;
};
// The flight that a trampoline sends the dude on, by its setting.
enum class BounceWay : uint8_t { Left = 1, Right = 2, StraightUp = 10 };
struct Bounce {
  BounceWay way;
  int landX, landY, turnX;  // a straight-up bounce uses only landY
};
// What starts the scenery's gate animation besides a push button.
enum class GateTrigger : uint8_t { None, Ball1Stopped, HornTaken };

// One effect of a lever position.
enum class Effect : uint8_t {
  BlockAppear,      // block `index`
  BlockVanish,      // block `index`
  AllExits,         // the exits of teleporters 0 to 3 become (x, y)
  TeleporterExit,   // teleporter `index`'s exit becomes (x, y)
  TeleporterEntry,  // teleporter `index` moves to (x, y)
  MovePad,          // the movable pad moves to (x, y)
  MoveLadder,       // ladder `index` moves to (x, y)
  LedgeOn,          // ledge `index` becomes active
  LedgeOff,         // ledge `index` becomes inactive
  MoveFood,         // food `index` moves to (x, y)
  TrampolineSetting,  // trampoline `index` takes setting x
  // Block `index` appears, unless lever x stands at position y, when it vanishes instead.
  BlockAppearUnlessLeverAt,
};
struct LeverEffect {
  Effect effect;
  uint8_t index;
  int x, y;
};
struct LeverScript {
  std::span<const LeverEffect> choice[3];  // the effects of positions 0, 1, 2
};

struct Throw {
  int landX, landY, turnX;
  bool plateau;  // rises to minY, then drops from dropX
  int minY, dropX;
  bool ontoTrampoline = false;  // lands on a trampoline, which bounces the dude on
};
struct CatapultScript {
  Throw choice[3];
};

enum class Gift : uint8_t { None, Heart, Hammer, Weight, Key, SpecialKey };
struct Offer {
  Gift gift;
  uint8_t price;
  // Available while this storeStock entry is set, or, when negative, while the key (keyHeld
  // [keySlot]) is not held.
  int8_t stock;
  uint8_t keySlot;
};
struct StoreScript {
  Offer choice[3];
};

// What one slot of the quest's sprite sheet holds (worlds 2 to 6; world 1's sheets are a table).
struct SlotArtRow {
  int slot;
  SlotArt art;
};

// What a line of a quest's drawing routine draws.
enum class Draw : uint8_t {
  Coins, Keys, Food, Weights, Doors, Blocks, Hammers, TeleporterPads, TeleporterBeams, Catapults, Gem, Levers,
  Stores, Machine, Vases, Horn, MovablePad, Ladders, SuspiciousWalls, Picture,
  Buttons, TrapDoors, Trampolines, Balls
};
struct DrawLine {
  Draw what;
  int slot;
  float scaleX, scaleY;
  // Every present object of the kind at its own position plus this offset (index -1), or the one
  // object `index`; `at` replaces its position when set. Keys draw those whose kind is `slot`.
  int index;
  int offsetX, offsetY;
  std::optional<Spot> at;
  int frame;  // for Draw::Picture
};

struct QuestObjects {
  uint8_t quest;
  std::span<const Spot> coins, food, weights, hammers, vases, ladders;
  std::span<const KeyPlacement> keys;
  std::span<const DoorPlacement> doors;
  std::span<const BlockPlacement> blocks;
  std::span<const LeverPlacement> levers;
  std::span<const CatapultPlacement> catapults;
  std::span<const TeleporterPlacement> teleporters;
  std::span<const LedgePlacement> ledges;
  std::span<const SuspWallPlacement> suspiciousWalls;
  std::span<const Spot> stores;
  std::optional<Spot> gem, specialDoor, trader, horn, movablePad;
  std::optional<MachinePlacement> machine;
  int rockColumnX;
  std::span<const int> rockY;
  // Single values the setup writes.
  bool rocksFalling;
  float foodScale, keyScale;
  uint8_t coinsHeld, hammersHeld, weightsHeld;
  bool vasesArePots;
  std::optional<Spot> continueButton;
  // Scripts: one per lever, catapult and store, in list order; whether the trader trades the gem.
  std::span<const LeverScript> leverScripts;
  std::span<const CatapultScript> catapultScripts;
  std::span<const StoreScript> storeScripts;
  bool traderTakesGem;
  std::span<const DrawLine> drawing;
  // The quest's own slots of its world's sprite sheet, beside the bar's that every quest shares.
  std::span<const SlotArtRow> art;
  // World 4.
  std::span<const Spot> buttons;
  std::span<const TrapDoorPlacement> trapDoors;
  std::span<const TrampolinePlacement> trampolines;
  std::span<const BallPlacement> balls;  // ball 1 first; waiting, rolling once released
  bool ballRollsLeft, ballRollsRight;    // ball 1's way; balls 2 and 3 roll right
  PushAction pushAction;
  std::span<const LadderStop> ladderCycle;
  std::span<const Bounce> bounces;  // by trampoline setting; empty: the trampoline does not bounce
  GateTrigger gateTrigger;
};

// The objects of a quest, or null for a quest number without them.
const QuestObjects* questObjects(int questNumber);
