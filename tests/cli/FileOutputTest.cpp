#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "cli/FileOutput.h"

namespace {

std::string Contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return file ? text.str() : "(missing)";
}

void Put(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Fails the move with the given number (1 for the first), makes every other.
int g_movesLeft = 0;
bool FailingMove(const std::string& from, const std::string& to, std::string& error) {
  if (--g_movesLeft == 0) {
    error = "cannot replace " + to + ": simulated failure";
    return false;
  }
  return MoveFileOver(from, to, error);
}

// Three files, two of which exist: every move that WriteFiles makes is made
// to fail in turn, and each time all three are as they were, with nothing
// left beside them; with no failure all three are new.
TEST(FileOutput, AFailedMoveAnywhereLeavesEveryFileAsItWas) {
  const std::string folder = "file_output_test";
  std::string error;
  ASSERT_TRUE(MakeFolder(folder, error)) << error;
  const std::vector<std::string> paths = {folder + "/a.pol", folder + "/b.ini", folder + "/c.xml"};
  const std::vector<std::pair<std::string, std::string>> files = {
      {paths[0], "new a"}, {paths[1], "new b"}, {paths[2], "new c"}};
  for (int failing = 1;; ++failing) {
    Put(paths[0], "old a");
    Put(paths[1], "old b");
    std::remove(paths[2].c_str());
    g_movesLeft = failing;
    g_moveFile = FailingMove;
    const bool written = WriteFiles(files, error);
    g_moveFile = MoveFileOver;
    for (const std::string& path : paths) {
      EXPECT_FALSE(PathExists(path + ".tmp")) << path << ", move " << failing;
      EXPECT_FALSE(PathExists(path + ".old")) << path << ", move " << failing;
    }
    if (written) {
      EXPECT_EQ(Contents(paths[0]) + Contents(paths[1]) + Contents(paths[2]), "new anew bnew c");
      EXPECT_GE(failing, 4);  // at least one move per file made before it
      break;
    }
    EXPECT_NE(error.find("simulated failure"), std::string::npos) << error;
    EXPECT_EQ(Contents(paths[0]), "old a") << "move " << failing;
    EXPECT_EQ(Contents(paths[1]), "old b") << "move " << failing;
    EXPECT_EQ(Contents(paths[2]), "(missing)") << "move " << failing;
    ASSERT_LT(failing, 20);
  }
  for (const std::string& path : paths) std::remove(path.c_str());
  RemoveEmptyFolder(folder);
}

}  // namespace
