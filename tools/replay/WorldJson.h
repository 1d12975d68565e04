#pragma once
#include "StateValues.h"

class Dude;
class QuestScenery;
struct WorldFields;

// The running quest's objects, each field under its own name. The fields older state files
// already had come first, in their old order.
Json dudeJson(const Dude& dude);
Json worldJson(const WorldFields& world);
Json sceneryJson(const QuestScenery& scenery);
