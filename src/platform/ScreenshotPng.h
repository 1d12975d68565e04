#pragma once

struct SDL_Surface;

// Writes a surface as an 8-bit RGBA PNG, the pixels exactly as SDL_image's writer stores them, but
// with zlib's fastest level: replay runs take hundreds of screenshots, and the default level spent
// most of a screenshot's time compressing. Returns false when the file cannot be written.
bool writeScreenshotPng(SDL_Surface* surface, const char* path);
