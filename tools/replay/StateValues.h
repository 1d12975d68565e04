#pragma once
#include <charconv>
#include <cmath>
#include <concepts>
#include <cstddef>

#include <nlohmann/json.hpp>

#include "platform/TimerPair.h"

// Keys keep the order they are written in: tests and readers find the leading fields where they
// always were.
using Json = nlohmann::ordered_json;

template <std::integral T>
Json toJson(T value) {
  return static_cast<long long>(value);
}

// A float as the shortest decimal that reads back as the same float, so 0.1f is 0.1 and 1.0f is 1,
// not the digits of its double widening.
inline Json toJson(float value) {
  if (!std::isfinite(value)) return nullptr;
  char text[32];
  const char* end = std::to_chars(text, text + sizeof text, value).ptr;
  double shortest = 0;
  std::from_chars(text, end, shortest);
  return shortest;
}

inline Json toJson(const TimerPair& timer) {
  return {{"start", toJson(timer.startMs)}, {"state", toJson(timer.state)}};
}

// Every entry of a fixed array, used or not. Records of other owners are found by their own toJson.
template <typename T, std::size_t N>
Json toJson(const T (&items)[N]) {
  Json list = Json::array();
  for (const T& item : items) list.push_back(toJson(item));
  return list;
}

// The leading entries a count says are in use, never more than the array holds.
template <typename T, std::size_t N>
Json firstOf(const T (&items)[N], int count) {
  Json list = Json::array();
  for (int i = 0; i < count && i < static_cast<int>(N); ++i) list.push_back(toJson(items[i]));
  return list;
}
