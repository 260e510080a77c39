#include <gtest/gtest.h>

#include <cstdio>

#include "CliTestSupport.h"
#include "cli/FileOutput.h"

namespace {

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
    PutFile(paths[0], "old a");
    PutFile(paths[1], "old b");
    std::remove(paths[2].c_str());
    bool written = false;
    {
      const FailingMoves failure(failing);
      written = WriteFiles(files, error);
    }
    for (const std::string& path : paths) {
      EXPECT_FALSE(PathExists(path + ".tmp")) << path << ", move " << failing;
      EXPECT_FALSE(PathExists(path + ".old")) << path << ", move " << failing;
    }
    if (written) {
      EXPECT_EQ(FileContents(paths[0]) + FileContents(paths[1]) + FileContents(paths[2]),
                "new anew bnew c");
      EXPECT_GE(failing, 4);  // at least one move per file made before it
      break;
    }
    EXPECT_NE(error.find("simulated failure"), std::string::npos) << error;
    EXPECT_EQ(FileContents(paths[0]), "old a") << "move " << failing;
    EXPECT_EQ(FileContents(paths[1]), "old b") << "move " << failing;
    EXPECT_EQ(FileContents(paths[2]), "(missing)") << "move " << failing;
    ASSERT_LT(failing, 20);
  }
  for (const std::string& path : paths) std::remove(path.c_str());
  RemoveEmptyFolder(folder);
}

}  // namespace
