#pragma once

#include <string>
#include <vector>

#include "cli/DriveMaskCli.h"

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
