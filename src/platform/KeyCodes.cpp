#include "platform/KeyCodes.h"

#include <strings.h>

namespace {
struct NamedKey {
  const char* name;
  uint8_t code;
};
constexpr NamedKey kNamedKeys[] = {
    {"ESCAPE", kKeyEscape}, {"BACKSPACE", kKeyBackspace}, {"ENTER", kKeyEnter}, {"RETURN", kKeyEnter},
    {"LSHIFT", kKeyLeftShift}, {"RSHIFT", kKeyRightShift}, {"SHIFT", kKeyLeftShift}, {"PERIOD", kKeyPeriod},
    {"SPACE", kKeySpace}, {"UP", kKeyUp}, {"DOWN", kKeyDown}, {"LEFT", kKeyLeft}, {"RIGHT", kKeyRight},
    {"PAD8", kKeyPad8}, {"PAD4", kKeyPad4}, {"PAD6", kKeyPad6}, {"PAD2", kKeyPad2}, {"PAD0", kKeyPad0},
    {"DELETE", kKeyDelete}, {"PADENTER", kKeyPadEnter},
    {"A", kKeyA}, {"B", kKeyB}, {"C", kKeyC}, {"D", kKeyD}, {"E", kKeyE}, {"F", kKeyF}, {"G", kKeyG},
    {"H", kKeyH}, {"I", kKeyI}, {"J", kKeyJ}, {"K", kKeyK}, {"L", kKeyL}, {"M", kKeyM}, {"N", kKeyN},
    {"O", kKeyO}, {"P", kKeyP}, {"Q", kKeyQ}, {"R", kKeyR}, {"S", kKeyS}, {"T", kKeyT}, {"U", kKeyU},
    {"V", kKeyV}, {"W", kKeyW}, {"X", kKeyX}, {"Y", kKeyY}, {"Z", kKeyZ},
};
}  // namespace

uint8_t keyCodeByName(const char* name) {
  for (const NamedKey& key : kNamedKeys)
    if (strcasecmp(key.name, name) == 0) return key.code;
  return 0;
}
