#include "platform/GameFileReport.h"

#include <cstdio>
#include <mutex>
#include <set>
#include <string>

void reportUnreadableGameFile(const char* path, const char* reason) {
  if (!path) return;
  static std::mutex guard;  // music may be loaded off the main thread
  static std::set<std::string, std::less<>> reported;
  const std::lock_guard<std::mutex> lock(guard);
  if (reported.find(std::string_view(path)) != reported.end()) return;
  reported.emplace(path);
  std::fprintf(stderr, "ilvys-mission: cannot read %s%s%s\n", path, reason && *reason ? ": " : "",
               reason ? reason : "");
}
