#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "quests/QuestObjects.h"
#include "quests/QuestTexts.h"
#include "quests/WorldArt.h"
#include "world/WorldState.h"

namespace {

constexpr int kFieldWidth = 800, kFieldHeight = 500, kScreenWidth = 800, kScreenHeight = 600;
// World 1 fades blocks 0 to 8 only; a ninth or tenth block could never come or go.
constexpr int kFadingBlocks = 9;
// Pictures drawn for an object stand this close to it (a teleporter's beam sits 10 lower).
constexpr int kNearby = 10;

std::vector<const QuestObjects*> world1() {
  std::vector<const QuestObjects*> quests;
  for (int quest = 1; quest <= 10; ++quest) {
    const QuestObjects* q = questObjects(quest);
    EXPECT_NE(q, nullptr) << "quest " << quest;
    if (q) quests.push_back(q);
  }
  return quests;
}

template <typename T>
std::vector<Spot> positions(std::span<const T> list) {
  std::vector<Spot> spots;
  for (const T& item : list) spots.push_back({item.x, item.y});
  return spots;
}
std::vector<Spot> positions(const std::optional<Spot>& spot) {
  return spot ? std::vector<Spot>{*spot} : std::vector<Spot>{};
}

// The objects a drawing line of this kind draws, by list index.
std::vector<Spot> objectsDrawnAs(const QuestObjects& q, Draw what) {
  switch (what) {
    case Draw::Coins: return {q.coins.begin(), q.coins.end()};
    case Draw::Food: return {q.food.begin(), q.food.end()};
    case Draw::Weights: return {q.weights.begin(), q.weights.end()};
    case Draw::Hammers: return {q.hammers.begin(), q.hammers.end()};
    case Draw::Vases: return {q.vases.begin(), q.vases.end()};
    case Draw::Ladders: return {q.ladders.begin(), q.ladders.end()};
    case Draw::Stores: return {q.stores.begin(), q.stores.end()};
    case Draw::Keys: return positions(q.keys);
    case Draw::Doors: return positions(q.doors);
    case Draw::Blocks: return positions(q.blocks);
    case Draw::Levers: return positions(q.levers);
    case Draw::Catapults: return positions(q.catapults);
    case Draw::SuspiciousWalls: return positions(q.suspiciousWalls);
    case Draw::TeleporterPads:
    case Draw::TeleporterBeams: return positions(q.teleporters);
    case Draw::Gem: return positions(q.gem);
    case Draw::Horn: return positions(q.horn);
    case Draw::MovablePad: return positions(q.movablePad);
    case Draw::Machine: return q.machine ? std::vector<Spot>{{q.machine->x, q.machine->y}} : std::vector<Spot>{};
    case Draw::Buttons: return {q.buttons.begin(), q.buttons.end()};
    case Draw::TrapDoors: return positions(q.trapDoors);
    case Draw::Trampolines: return positions(q.trampolines);
    case Draw::Balls: return positions(q.balls);
    case Draw::Picture: return {};
  }
  return {};
}

bool near(Spot a, Spot b) { return std::abs(a.x - b.x) <= kNearby && std::abs(a.y - b.y) <= kNearby; }

bool inField(Spot s) { return s.x >= 0 && s.x < kFieldWidth && s.y >= 0 && s.y < kFieldHeight; }

std::vector<LeverEffect> effectsOf(const QuestObjects& q) {
  std::vector<LeverEffect> all;
  for (const LeverScript& script : q.leverScripts) {
    for (auto choice : script.choice) all.insert(all.end(), choice.begin(), choice.end());
  }
  return all;
}

bool isBlockEffect(Effect e) {
  return e == Effect::BlockAppear || e == Effect::BlockVanish || e == Effect::BlockAppearUnlessLeverAt;
}

// What an effect acts on, so that the three positions of a lever can be compared.
std::pair<int, int> target(const LeverEffect& e) {
  if (isBlockEffect(e.effect)) return {int(Effect::BlockAppear), e.index};
  if (e.effect == Effect::LedgeOff) return {int(Effect::LedgeOn), e.index};
  return {int(e.effect), e.index};
}

const LedgePlacement* ledgeRecord(const QuestObjects& q, int index) {
  for (const LedgePlacement& ledge : q.ledges) {
    if (ledge.index == index) return &ledge;
  }
  return nullptr;
}

TEST(QuestObjects, OnlyWorld1QuestsHaveObjectsAndTheyLieInsideTheField) {
  EXPECT_EQ(questObjects(0), nullptr);
  EXPECT_EQ(questObjects(30), nullptr);  // no world has a quest 30
  for (const QuestObjects* q : world1()) {
    SCOPED_TRACE(testing::Message() << "quest " << int(q->quest));
    std::vector<Spot> spots;
    for (Draw kind : {Draw::Coins, Draw::Food, Draw::Weights, Draw::Hammers, Draw::Vases, Draw::Ladders, Draw::Stores,
                      Draw::Blocks, Draw::Levers, Draw::Catapults, Draw::SuspiciousWalls, Draw::TeleporterBeams,
                      Draw::Gem, Draw::Horn, Draw::MovablePad, Draw::Machine}) {
      for (Spot s : objectsDrawnAs(*q, kind)) spots.push_back(s);
    }
    for (const KeyPlacement& k : q->keys) if (k.onField) spots.push_back({k.x, k.y});
    for (const DoorPlacement& d : q->doors) if (d.keyKind) spots.push_back({d.x, d.y});
    for (const TeleporterPlacement& t : q->teleporters) spots.push_back({t.exitX, t.exitY});
    for (const LedgePlacement& l : q->ledges) spots.push_back({l.x, l.y});
    for (auto s : {q->specialDoor, q->trader}) if (s) spots.push_back(*s);
    if (q->machine) spots.push_back({q->machine->ballStartX, q->machine->ballStartY});
    for (const LeverEffect& e : effectsOf(*q)) {
      if (!isBlockEffect(e.effect) && e.effect != Effect::LedgeOn && e.effect != Effect::LedgeOff) {
        spots.push_back({e.x, e.y});
      }
    }
    for (const CatapultScript& script : q->catapultScripts) {
      for (const Throw& t : script.choice) spots.push_back({t.landX, t.landY});
    }
    for (const DrawLine& line : q->drawing) if (line.at) spots.push_back(*line.at);
    for (Spot s : spots) EXPECT_TRUE(inField(s)) << s.x << ", " << s.y;

    // Rocks start above the field and fall through it.
    EXPECT_EQ(q->rocksFalling, !q->rockY.empty());
    for (int y : q->rockY) EXPECT_LT(y, kFieldHeight);
    if (!q->rockY.empty()) { EXPECT_TRUE(inField({q->rockColumnX, 0})); }
    if (q->continueButton) {
      EXPECT_TRUE(q->continueButton->x >= 0 && q->continueButton->x < kScreenWidth);
      EXPECT_TRUE(q->continueButton->y >= 0 && q->continueButton->y < kScreenHeight);
    }
  }
}

TEST(QuestObjects, ListsFitTheWorldArraysAndEveryPanelHasItsScript) {
  for (const QuestObjects* q : world1()) {
    SCOPED_TRACE(testing::Message() << "quest " << int(q->quest));
    for (size_t n : {q->coins.size(), q->food.size(), q->weights.size(), q->vases.size(), q->ladders.size(),
                     q->keys.size(), q->doors.size(), q->blocks.size(), q->levers.size(), q->catapults.size(),
                     q->suspiciousWalls.size(), q->rockY.size()}) {
      EXPECT_LE(n, size_t(kMaxObjects));
    }
    EXPECT_LE(q->hammers.size(), size_t(kMaxHammers));
    EXPECT_LE(q->stores.size(), size_t(kMaxStores));
    EXPECT_LE(q->teleporters.size(), size_t(kMaxTeleporters));
    EXPECT_LE(q->ledges.size(), size_t(kMaxLedges));
    EXPECT_EQ(q->leverScripts.size(), q->levers.size());
    EXPECT_EQ(q->catapultScripts.size(), q->catapults.size());
    EXPECT_EQ(q->storeScripts.size(), q->stores.size());
    for (const LeverPlacement& lever : q->levers) EXPECT_LE(lever.position, 2);
    // Blocks that come and go must be ones the world fades.
    for (size_t b = 0; b < q->blocks.size(); ++b) {
      if (!q->blocks[b].presentAtStart) { EXPECT_LT(b, size_t(kFadingBlocks)) << "block " << b; }
    }
    // The trader only makes sense where someone trades.
    EXPECT_EQ(q->traderTakesGem, q->trader.has_value());
  }
}

TEST(QuestObjects, LeverEffectsNameExistingObjectsAndEachPositionTheSameOnes) {
  for (const QuestObjects* q : world1()) {
    SCOPED_TRACE(testing::Message() << "quest " << int(q->quest));
    for (const LeverEffect& e : effectsOf(*q)) {
      switch (e.effect) {
        case Effect::BlockAppearUnlessLeverAt:
          EXPECT_LT(size_t(e.x), q->levers.size());
          EXPECT_LE(e.y, 2);
          [[fallthrough]];
        case Effect::BlockAppear:
        case Effect::BlockVanish:
          EXPECT_LT(size_t(e.index), std::min<size_t>(q->blocks.size(), kFadingBlocks));
          break;
        case Effect::AllExits: EXPECT_GE(q->teleporters.size(), 4u); break;
        case Effect::TeleporterExit:
        case Effect::TeleporterEntry: EXPECT_LT(size_t(e.index), q->teleporters.size()); break;
        case Effect::MovePad: EXPECT_TRUE(q->movablePad.has_value()); break;
        case Effect::MoveLadder: EXPECT_LT(size_t(e.index), q->ladders.size()); break;
        case Effect::LedgeOn:
        case Effect::LedgeOff: EXPECT_NE(ledgeRecord(*q, e.index), nullptr) << "ledge " << int(e.index); break;
        case Effect::MoveFood: EXPECT_LT(size_t(e.index), q->food.size()); break;
        case Effect::TrampolineSetting: EXPECT_LT(size_t(e.index), q->trampolines.size()); break;
      }
    }
    for (size_t i = 0; i < q->leverScripts.size(); ++i) {
      SCOPED_TRACE(testing::Message() << "lever " << i);
      std::set<std::pair<int, int>> first;
      for (const LeverEffect& e : q->leverScripts[i].choice[0]) first.insert(target(e));
      for (int c = 0; c < 3; ++c) {
        std::multiset<std::pair<int, int>> targets;
        for (const LeverEffect& e : q->leverScripts[i].choice[c]) targets.insert(target(e));
        // A block told to appear and vanish at once would flicker; no position names one twice.
        EXPECT_EQ(std::set(targets.begin(), targets.end()).size(), targets.size()) << "position " << c;
        EXPECT_EQ(std::set(targets.begin(), targets.end()), first) << "position " << c;
      }
    }
  }
}

// Blocks are left out: some quests start with blocks that no single lever position gives.
TEST(QuestObjects, MovedObjectsStartWhereTheirLeversStartingPositionPutsThem) {
  for (const QuestObjects* q : world1()) {
    SCOPED_TRACE(testing::Message() << "quest " << int(q->quest));
    for (size_t i = 0; i < q->levers.size(); ++i) {
      for (const LeverEffect& e : q->leverScripts[i].choice[q->levers[i].position]) {
        SCOPED_TRACE(testing::Message() << "lever " << i << ", effect on " << int(e.index));
        const Spot to{e.x, e.y};
        auto expectAt = [&](int x, int y) { EXPECT_TRUE(x == to.x && y == to.y) << x << ", " << y; };
        switch (e.effect) {
          case Effect::AllExits:
            for (int t = 0; t < 4; ++t) expectAt(q->teleporters[t].exitX, q->teleporters[t].exitY);
            break;
          case Effect::TeleporterExit: expectAt(q->teleporters[e.index].exitX, q->teleporters[e.index].exitY); break;
          case Effect::TeleporterEntry: expectAt(q->teleporters[e.index].x, q->teleporters[e.index].y); break;
          case Effect::MovePad: expectAt(q->movablePad->x, q->movablePad->y); break;
          case Effect::MoveLadder: expectAt(q->ladders[e.index].x, q->ladders[e.index].y); break;
          case Effect::MoveFood: expectAt(q->food[e.index].x, q->food[e.index].y); break;
          case Effect::LedgeOn:
          case Effect::LedgeOff:
            EXPECT_EQ(ledgeRecord(*q, e.index)->active, e.effect == Effect::LedgeOn);
            break;
          default: break;
        }
      }
    }
  }
}

TEST(QuestObjects, CatapultsThrowTheirWayEachChoiceFarther) {
  for (const QuestObjects* q : world1()) {
    for (size_t i = 0; i < q->catapults.size(); ++i) {
      SCOPED_TRACE(testing::Message() << "quest " << int(q->quest) << ", catapult " << i);
      const CatapultPlacement& catapult = q->catapults[i];
      ASSERT_TRUE(catapult.facing == 1 || catapult.facing == 2);
      const int way = catapult.facing == 1 ? -1 : 1;
      int lastDistance = 0;
      for (const Throw& t : q->catapultScripts[i].choice) {
        // The flight turns between the catapult and the landing point.
        EXPECT_GT((t.turnX - catapult.x) * way, 0) << "turn " << t.turnX;
        EXPECT_GT((t.landX - t.turnX) * way, 0) << "land " << t.landX;
        EXPECT_GT((t.landX - catapult.x) * way, lastDistance) << "land " << t.landX;
        lastDistance = (t.landX - catapult.x) * way;
        if (t.plateau) { EXPECT_GT((t.dropX - t.turnX) * way, 0); }
      }
    }
  }
}

TEST(QuestObjects, DrawingUsesLoadedSlotsAndDrawsEveryObject) {
  for (const QuestObjects* q : world1()) {
    SCOPED_TRACE(testing::Message() << "quest " << int(q->quest));
    for (const DrawLine& line : q->drawing) {
      EXPECT_NE(worldSlotArt(q->quest, line.slot).file, nullptr) << "slot " << line.slot;
      if (line.index < 0) continue;
      const std::vector<Spot> objects = objectsDrawnAs(*q, line.what);
      ASSERT_LT(size_t(line.index), objects.size()) << "slot " << line.slot;
      if (line.at) { EXPECT_TRUE(near(*line.at, objects[line.index])) << "slot " << line.slot; }
    }
    auto drawn = [&](Draw what, size_t index, Spot at, int keyKind) {
      for (const DrawLine& line : q->drawing) {
        if (line.what == Draw::Picture && near(*line.at, at)) return true;
        if (line.what == what && (line.index < 0 || size_t(line.index) == index) &&
            (what != Draw::Keys || line.slot == keyKind)) {
          return true;
        }
      }
      return false;
    };
    bool padMoves = false;
    for (const LeverEffect& e : effectsOf(*q)) padMoves |= e.effect == Effect::MovePad;
    for (Draw what : {Draw::Coins, Draw::Food, Draw::Weights, Draw::Hammers, Draw::Vases, Draw::Ladders, Draw::Stores,
                      Draw::Blocks, Draw::Levers, Draw::Catapults, Draw::SuspiciousWalls, Draw::TeleporterBeams,
                      Draw::Gem, Draw::Horn, Draw::Machine, Draw::MovablePad, Draw::Doors, Draw::Keys}) {
      // A pad that never moves may be painted as a fixed picture or not at all.
      if (what == Draw::MovablePad && !padMoves) continue;
      const std::vector<Spot> objects = objectsDrawnAs(*q, what);
      for (size_t i = 0; i < objects.size(); ++i) {
        if (what == Draw::Doors && q->doors[i].keyKind == 0) continue;
        if (what == Draw::Keys && !q->keys[i].onField) continue;
        const int keyKind = what == Draw::Keys ? q->keys[i].kind : 0;
        EXPECT_TRUE(drawn(what, i, objects[i], keyKind)) << "kind " << int(what) << ", object " << i;
      }
    }
  }
}

TEST(QuestObjects, DoorsOpenWithKeysTheQuestOffers) {
  for (const QuestObjects* q : world1()) {
    SCOPED_TRACE(testing::Message() << "quest " << int(q->quest));
    std::set<int> kinds;
    for (size_t k = 0; k < q->keys.size(); ++k) {
      const int kind = q->keys[k].kind;
      EXPECT_TRUE(kind == 7 || kind == 19 || kind == 20 || kind == 28) << "key " << k;
      // Doors look only at the first four inventory slots.
      if (k < 4) kinds.insert(kind);
    }
    for (const DoorPlacement& door : q->doors) {
      if (door.keyKind != 0) { EXPECT_TRUE(kinds.count(door.keyKind)) << "door kind " << int(door.keyKind); }
    }
  }
}

TEST(QuestObjects, StoresSellFromTheirOwnStockAndSellTheKeysNotOnTheField) {
  for (const QuestObjects* q : world1()) {
    SCOPED_TRACE(testing::Message() << "quest " << int(q->quest));
    std::set<int> stock;
    std::set<int> keySlotsSold;
    for (const StoreScript& store : q->storeScripts) {
      for (const Offer& offer : store.choice) {
        if (offer.gift == Gift::None) continue;
        // The panel shows a price as up to three coins.
        EXPECT_TRUE(offer.price >= 1 && offer.price <= 3);
        const bool key = offer.gift == Gift::Key || offer.gift == Gift::SpecialKey;
        if (offer.stock < 0) {
          EXPECT_TRUE(key) << "only a key can be offered while it is not held";
        } else {
          EXPECT_LE(offer.stock, 5);
          EXPECT_TRUE(stock.insert(offer.stock).second) << "stock " << int(offer.stock) << " used twice";
        }
        if (key) {
          if (q->quest == 1 || q->quest == 2) { EXPECT_LT(offer.stock, 0) << "key offers here last while not held"; }
          if (offer.gift == Gift::Key) { EXPECT_LT(offer.keySlot, q->keys.size()); }
          keySlotsSold.insert(offer.keySlot);
        }
      }
    }
    for (size_t k = 0; k < q->keys.size(); ++k) {
      if (!q->keys[k].onField) { EXPECT_TRUE(keySlotsSold.count(int(k))) << "key " << k << " can never be had"; }
    }
  }
}

TEST(QuestObjects, LedgesUseTheRecordsWorld1Tests) {
  const std::set<int> tested = {0, 1, 2, 4, 5, 6};
  for (const QuestObjects* q : world1()) {
    SCOPED_TRACE(testing::Message() << "quest " << int(q->quest));
    std::set<int> used;
    for (const LedgePlacement& ledge : q->ledges) {
      EXPECT_TRUE(tested.count(ledge.index)) << "ledge " << int(ledge.index);
      EXPECT_TRUE(used.insert(ledge.index).second) << "ledge " << int(ledge.index) << " twice";
      EXPECT_GT(ledge.width, 0);
    }
    // Taking the horn switches ledge 0 off; without an active one it would open nothing.
    if (q->horn) {
      const LedgePlacement* gate = ledgeRecord(*q, 0);
      ASSERT_NE(gate, nullptr);
      EXPECT_TRUE(gate->active);
    }
  }
}

// The solved message draws its Continue button either at a fixed place or at the quest's button
// fields, but clicks are always taken at the fields: the two must cover the same button, and all of
// it must be on screen, or the player cannot leave a solved quest.
TEST(QuestObjects, TheContinueButtonIsDrawnWhereItIsClickedAndFitsOnScreen) {
  constexpr int kButtonWidth = 256, kButtonHeight = 64, kResetX = 320, kResetY = 442;
  for (const QuestObjects* q : world1()) {
    SCOPED_TRACE(testing::Message() << "quest " << int(q->quest));
    const SolvedMessage* message = solvedMessage(q->quest);
    ASSERT_NE(message, nullptr);
    const int clickX = q->continueButton ? q->continueButton->x : kResetX;
    const int clickY = q->continueButton ? q->continueButton->y : kResetY;
    EXPECT_TRUE(clickX >= 0 && clickX + kButtonWidth <= kScreenWidth) << clickX;
    EXPECT_TRUE(clickY >= 0 && clickY + kButtonHeight <= kScreenHeight) << clickY;
    int drawnX = clickX, drawnY = clickY;
    if (message->continuePlace == ContinuePlace::Fixed) {
      drawnX = message->continueX;
      drawnY = message->continueY;
    } else if (message->continuePlace == ContinuePlace::ButtonFieldsRaised) {
      drawnY -= 2;
    }
    EXPECT_EQ(drawnX, clickX);
    EXPECT_LE(std::abs(drawnY - clickY), 2) << drawnY << " drawn, " << clickY << " clicked";
  }
}

}  // namespace
