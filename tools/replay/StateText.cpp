#include "StateText.h"

#include <charconv>
#include <cmath>

namespace {

std::string scalarText(const Json& value) {
  if (value.is_number_float()) {
    const double number = value.get<double>();
    if (!std::isfinite(number)) return "null";
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, number).ptr);
  }
  // Strings are escaped by the library; bytes that are not UTF-8 become U+FFFD instead of failing.
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

void appendInline(std::string& out, const Json& value) {
  if (value.is_object()) {
    out += '{';
    const char* separator = "";
    for (const auto& [key, item] : value.items()) {
      out += separator;
      out += scalarText(Json(key));
      out += ": ";
      appendInline(out, item);
      separator = ", ";
    }
    out += '}';
  } else if (value.is_array()) {
    out += '[';
    const char* separator = "";
    for (const Json& item : value) {
      out += separator;
      appendInline(out, item);
      separator = ", ";
    }
    out += ']';
  } else {
    out += scalarText(value);
  }
}

}  // namespace

std::string stateText(const Json& state) {
  std::string out = "{";
  const char* separator = "\n";
  for (const auto& [key, item] : state.items()) {
    out += separator;
    out += "  " + scalarText(Json(key)) + ": ";
    appendInline(out, item);
    separator = ",\n";
  }
  return out + "\n}\n";
}
