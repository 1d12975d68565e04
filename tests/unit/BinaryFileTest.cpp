#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "TempDir.h"
#include "persistence/BinaryFile.h"

namespace fs = std::filesystem;

namespace {
std::vector<uint8_t> bytesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}
void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}
}  // namespace

TEST(BinaryFile, WritesTheLengthThenThePayloadAndReadsItBack) {
  TempDir dir;
  BinaryFile out;
  uint8_t* payload = out.allocate(125);
  for (int i = 0; i < 125; ++i) payload[i] = static_cast<uint8_t>(i * 7);
  ASSERT_EQ(out.writeFile(dir.file("a.save").c_str()), 1);

  const auto bytes = bytesOf(dir.file("a.save"));
  ASSERT_EQ(bytes.size(), 129u);
  EXPECT_EQ(bytes[0], 0x7D);
  EXPECT_EQ(bytes[1], 0);
  EXPECT_EQ(bytes[2], 0);
  EXPECT_EQ(bytes[3], 0);

  BinaryFile in;
  in.allocate(125);
  ASSERT_NE(in.readFile(dir.file("a.save").c_str()), nullptr);
  ASSERT_EQ(in.size, 125u);
  ASSERT_EQ(in.writeFile(dir.file("b.save").c_str()), 1);
  EXPECT_EQ(bytesOf(dir.file("b.save")), bytes);
  EXPECT_FALSE(fs::exists(dir.file("b.save.tmp")));
}

TEST(BinaryFile, EmptyObjectWritesNothing) {
  TempDir dir;
  BinaryFile empty;
  EXPECT_EQ(empty.writeFile(dir.file("x").c_str()), 0);
  EXPECT_FALSE(fs::exists(dir.file("x")));
}

TEST(BinaryFile, MissingDamagedAndOversizedFilesCountAsMissing) {
  TempDir dir;
  writeBytes(dir.file("short"), {0x7D, 0});
  writeBytes(dir.file("truncated"), {0x7D, 0, 0, 0, 1, 2, 3});
  std::vector<uint8_t> oversized = {0x7E, 0, 0, 0};
  oversized.resize(4 + 126, 9);
  writeBytes(dir.file("oversized"), oversized);
  writeBytes(dir.file("huge"), {0xFF, 0xFF, 0xFF, 0x7F});

  for (const char* name : {"nothing-here", "short", "truncated", "oversized", "huge"}) {
    BinaryFile in;
    in.allocate(125);
    EXPECT_EQ(in.readFile(dir.file(name).c_str()), nullptr) << name;
    EXPECT_EQ(in.size, 0u) << name;
    EXPECT_EQ(in.buffer(), nullptr) << name;
  }
}

TEST(BinaryFile, ACrashBetweenWriteAndRenameLeavesTheOldFileWhole) {
  TempDir dir;
  const std::string target = dir.file("1.sav");
  BinaryFile old;
  std::fill_n(old.allocate(125), 125, 0x11);
  ASSERT_EQ(old.writeFile(target.c_str()), 1);
  const auto before = bytesOf(target);

  BinaryFile interrupted;
  std::fill_n(interrupted.allocate(125), 125, 0x22);
  ASSERT_FALSE(interrupted.writeTemporary(target.c_str()).empty());  // ... and the program dies here
  EXPECT_EQ(bytesOf(target), before);

  // The next save goes through despite the leftover temporary file.
  ASSERT_EQ(interrupted.writeFile(target.c_str()), 1);
  EXPECT_EQ(bytesOf(target)[4], 0x22);
}

TEST(BinaryFile, AFailedWriteReportsFailure) {
  TempDir dir;
  BinaryFile out;
  out.allocate(4);
  EXPECT_EQ(out.writeFile(dir.file("no-such-folder/1.sav").c_str()), 0);
}
