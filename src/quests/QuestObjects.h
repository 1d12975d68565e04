#pragma once
#include <cstdint>
#include <optional>
#include <span>

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

// What a line of a quest's drawing routine draws.
enum class Draw : uint8_t {
  Coins, Keys, Food, Weights, Doors, Blocks, Hammers, TeleporterPads, TeleporterBeams, Catapults, Gem, Levers,
  Stores, Machine, Vases, Horn, MovablePad, Ladders, SuspiciousWalls, Picture
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
};

// The objects of a quest, or null for a quest number without them.
const QuestObjects* questObjects(int questNumber);
