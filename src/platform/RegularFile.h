#pragma once
#include <cstdint>
#include <cstdio>

// Opens a file for reading only when it is a regular file. A named pipe, a device or a folder in a
// file's place counts as missing: opening one must neither block the game nor feed it endless
// bytes. The check is made on the opened descriptor, so the file cannot be swapped in between.
// Null when missing or not regular; `size` (when given) receives the file's length.
std::FILE* openRegularFile(const char* path, uint64_t* size = nullptr);
