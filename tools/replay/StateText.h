#pragma once
#include <string>

#include "StateValues.h"

// The state file's text: one top-level key a line, everything below it on that line, written as
// `"key": value` with ", " between items, so a test can look for a piece of it word for word.
std::string stateText(const Json& state);
