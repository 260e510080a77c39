// drivemask: the drive mask of the Explorer drive policies on the command line.

#include <cstdio>
#include <string>
#include <vector>

#include "cli/DriveMaskCli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  std::string out;
  std::string err;
  const int code = DriveMaskCli::Run(args, out, err);
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fwrite(err.data(), 1, err.size(), stderr);
  return std::fflush(stdout) == 0 ? code : 1;
}
