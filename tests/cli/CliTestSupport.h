#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/DriveMaskCli.h"
#include "cli/FileOutput.h"

// One run of the program in-process.
struct CliRun {
  int code = -1;
  std::string out;
  std::string err;
};

inline CliRun RunCli(const std::vector<std::string>& args) {
  CliRun run;
  run.code = DriveMaskCli::Run(args, run.out, run.err);
  return run;
}

// The number after "Drive mask:" in plain output; -1 when it is missing.
inline long long PlainMask(const std::string& out) {
  const std::string label = "Drive mask:";
  if (out.compare(0, label.size(), label) != 0) return -1;
  std::size_t i = label.size();
  while (i < out.size() && out[i] == ' ') ++i;
  long long value = 0;
  bool any = false;
  for (; i < out.size() && out[i] >= '0' && out[i] <= '9'; ++i) {
    value = value * 10 + (out[i] - '0');
    any = true;
  }
  return any ? value : -1;
}

// The bytes of a file; "(missing)" when there is none.
inline std::string FileContents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return file ? text.str() : "(missing)";
}

inline void PutFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// While it lives, one of the file moves the program makes fails, the given
// one (1 for the next move), with "cannot replace ...: simulated failure";
// the others, putting things back among them, are made.
class FailingMoves {
 public:
  explicit FailingMoves(int first) {
    s_movesLeft = first;
    g_moveFile = Move;
  }
  ~FailingMoves() { g_moveFile = MoveFileOver; }
  FailingMoves(const FailingMoves&) = delete;
  FailingMoves& operator=(const FailingMoves&) = delete;

 private:
  static bool Move(const std::string& from, const std::string& to, std::string& error) {
    if (--s_movesLeft == 0) {
      error = "cannot replace " + to + ": simulated failure";
      return false;
    }
    return MoveFileOver(from, to, error);
  }
  static inline int s_movesLeft = 0;
};
