#pragma once

// The quests' background pictures. The game stretches each 512 by 256 picture over the 800 by 500
// play field, so they are painted in play-field pixels and scaled down, and a quest with a layout is
// painted from its walls: floors where the dude can stand, wall faces, ledges and banks where it
// cannot go on.
#include "Canvas.h"

#include "quests/QuestLayout.h"

#include <filesystem>
#include <ostream>
#include <vector>

namespace artgen {

inline constexpr int kFieldWidth = 800, kFieldHeight = 500;
inline constexpr int kBackgroundWidth = 512, kBackgroundHeight = 256;

// BackgroundsPlan.cpp: the floor plan read from a layout's walls.
struct FieldRect {
    int x0, y0, x1, y1;
};

// What bounds a stretch of one column of the field from above or below.
enum class Bound { None, UpWall, DownWall };  // None: the field's edge, or no wall

// A run of one column band that is all floor or all mass (where the dude cannot stand).
struct Run {
    int y0, y1;
    bool floor;
    Bound top, bottom;
};

// Columns x0..x1 share the same horizontal walls, so they share their runs, top to bottom.
struct Band {
    int x0, x1;
    std::vector<Run> runs;
};

struct FloorPlan {
    std::vector<Band> bands;  // left to right, covering the field

    bool isFloor(int x, int y) const;
    std::vector<FieldRect> floorRects() const;
    // Horizontal and vertical lines where floor meets mass (one of x0 == x1 or y0 == y1).
    std::vector<FieldRect> outline() const;
};

// A stretch of a column is floor when a wall above it stops the dude rising out of it or a wall
// below stops it sinking out of it; it is mass when walls face away from it on both sides, or a
// wall faces away and the field's edge closes the other side. A column no horizontal wall crosses
// is a shaft where a side wall faces into it, and strips narrower than the dude are never floor.
FloorPlan floorPlan(const DudeLayout& dude);

// BackgroundsPaint.cpp: how a plan is painted. Materials are a lit and a shaded colour.
struct Material {
    Rgb light, dark;
};
enum class FloorPattern { Flagstones, Parquet, Marble, Grass, Sand, Earth, Cobbles, Crystal };
enum class MassPattern { WallTops, Rock, Water, Roofs, Dunes, Hedge, Cavern, Forest };
enum class FacePattern { Bricks, Panels, Cliff, Sandstone, Hedge, Blocks };
struct Look {
    Material floor;
    FloorPattern floorPattern;
    Material mass;  // what lies beyond the floors: wall tops, rock, water
    MassPattern massPattern;
    Material face;  // back walls standing above the floors, banks falling below them
    FacePattern facePattern;
    double faceHeight;  // of the back walls, in field pixels
    double bankHeight;  // of the fronts below floors that end over water or a drop
};

// Paints the plan in field pixels: mass, floors, back walls and banks, one-way ledges and rails
// where a wall runs through floor, and the outline of every floor in ink.
void paintPlan(Canvas& c, const FloorPlan& plan, const DudeLayout& dude, const Look& look);

// The back walls standing above the floors (at most height tall), merged along each wall line.
std::vector<FieldRect> backWallRects(const FloorPlan& plan, double height);
// A plan with no walls yet: one floor below a back wall whose foot is at y.
FloorPlan openPlan(int y);

// BackgroundsTextures.cpp: the surfaces, each over the whole field inside the current clip.
void paintMassTexture(Canvas& c, const Look& look);
// A stretch of floor that only a bridge crosses, painted as water (the look's mass) with its banks.
void paintFord(Canvas& c, const FieldRect& ford, const Look& look, bool banksAcross);
void paintFloorTexture(Canvas& c, const Look& look);
void paintFaceTexture(Canvas& c, const Look& look, bool falling);

// A pseudo-random value in [0, 1) fixed by its two seeds, so every run draws the same picture.
double grain(int a, int b);

// BackgroundsFeatures.cpp: things painted over a plan, in field pixels.
enum class Ornament { None, Windows, Banners, Crystals, Moss, Glyphs, Wainscot };
void ornamentBackWalls(Canvas& c, const FloorPlan& plan, const Look& look, Ornament ornament);
// Clips to where there is no floor, nor a back wall of the given height.
void clipToMass(Canvas& c, const FloorPlan& plan, double faceHeight = 0);
// Pillars beside x0..x1 and an arch over them, the sill at sillY.
void stoneArch(Canvas& c, double x0, double x1, double sillY, double height, Rgb stone);
// An arched opening in a wall, framed, dark inside or showing what lies beyond.
void doorway(Canvas& c, double x0, double x1, double bottom, double height, Rgb frame, Rgb inside);
void carpet(Canvas& c, double x0, double y0, double x1, double y1, Rgb cloth);
void magicCircle(Canvas& c, double cx, double cy, double rx, double ry, Rgb glow);
void pedestal(Canvas& c, double cx, double bottom, Rgb stone, Rgb glow);
void stairsDown(Canvas& c, double x0, double x1, double top, double bottom, Rgb stone);
void caveMouth(Canvas& c, double x0, double x1, double bottom, double height, Rgb rock);
void ladderPit(Canvas& c, double x0, double y0, double x1, double y1, Rgb rim);
void orchardTree(Canvas& c, double cx, double bottom, double size);

// BackgroundsPlaces.cpp: the place a quest leads to, painted at its goal (or at spot when that is
// not empty), and the scenery of the quests that need more than a look.
enum class Place {
    None,
    CastleGate,      // the drawbridge gate over the moat, its gateway a hole in the picture
    GrandDoorway,    // open doors at the end of a passage
    ThroneAisle,     // a red carpet up to the throne
    CaveMouth,       // a dark opening in the rock at the end of a passage
    Archway,         // an arch across a passage, the way on beyond it
    WizardCircle,    // a glowing circle on the floor
    RiverPath,       // a path leaving the far bank
    DesertGate,      // a town gate with dunes beyond
    Pyramid,         // a pyramid and its dark door
    Doorway,         // an arched door in a wall
    SlidingDoorHole, // a doorway through which the sliding door shows
    Stairs,          // steps down into the dark
    LadderPit,       // a hole the painted ladder stands in
    Pedestal,        // where a treasure waits
    ChasmPedestal,   // a treasure beyond a chasm, the chasm a hole in the picture
    AppleTree,
    MountainPass,    // snowy peaks over the way on
    PalaceFront,     // the palace steps behind the garden fence
    ThroneDais,      // the throne room's dais behind the two-leaf gate
    HerbStall,       // the herbalist's stall where the quest's trader stands
};

void drawPlace(Canvas& c, Place place, const GoalArea& goal, const FieldRect& spot, const FloorPlan& plan,
               const Look& look);

// BackgroundsOpen.cpp: the scenery of a quest with no walls yet: a path to the goal, and columns,
// trees or boulders down both sides of the floor below floorTop.
void paintOpenScene(Canvas& c, const Look& look, const GoalArea& goal, double floorTop);

// BackgroundsLooks.cpp: the picture of quest q, drawn from its layout when it has one.
void drawQuestBackground(Canvas& c, int quest);

// BackgroundsOverlay.cpp: DIR/QuestN-walls.png for each quest with a layout, the background
// stretched to the field with its walls, goal and start drawn over it. Returns the failures.
int writeWallOverlays(const std::filesystem::path& dir, std::ostream& err);

}  // namespace artgen
