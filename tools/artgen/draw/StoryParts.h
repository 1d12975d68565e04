#pragma once

// Pieces the quest pictures are built from: skies, ground, walls, doors, stairs and little props.
// Positions are in the picture's own pixels; base y is where a thing stands.
#include "Canvas.h"

namespace artgen {

void sky(Canvas& c, Rgb top, Rgb bottom);
void sun(Canvas& c, double x, double y, double r);
void cloud(Canvas& c, double x, double y, double scale);
void meadow(Canvas& c, double topY, Rgb top, Rgb bottom);   // gently rolling ground to the bottom
void path(Canvas& c, double cx, double baseY, double width, double length, Rgb colour);
void rockFace(Canvas& c, double topY, Rgb light, Rgb deep); // a cliff across the picture
void stoneRoom(Canvas& c, Rgb light, Rgb deep);            // walls of bricks and a floor
void castleWall(Canvas& c, double topY, double baseY, double crenel, Rgb light, Rgb deep);
void moss(Canvas& c);
void sparkle(Canvas& c, double x, double y, double size, Rgb colour);

void archway(Canvas& c, double cx, double baseY, double width, double height, Rgb stone, Rgb inside);
void cave(Canvas& c, double cx, double baseY, double width, double height, Rgb glow);
void door(Canvas& c, double cx, double baseY, double width, double height, Rgb light, Rgb deep, bool arched);
void portcullis(Canvas& c, double cx, double topY, double width, double height);
void pillar(Canvas& c, double x, double topY, double baseY, Rgb light, Rgb deep);
void banner(Canvas& c, double x, double topY, Rgb colour);
void torch(Canvas& c, double x, double y);
void stairs(Canvas& c, double cx, double topY, double width, double height, Rgb light);
void pit(Canvas& c, double cx, double cy, double rx, double ry);
void ladder(Canvas& c, double cx, double topY, double baseY, double width, Rgb wood);
void vase(Canvas& c, double cx, double baseY, double scale, Rgb colour);
void appleTree(Canvas& c, double cx, double baseY, double scale);

}  // namespace artgen
