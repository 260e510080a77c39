#pragma once

#include <string>
#include <vector>

// The drivemask program without its process: reads the arguments, works out
// the mask and produces the whole output text, or a single error line.
class DriveMaskCli {
 public:
  static constexpr int kExitSuccess = 0;
  static constexpr int kExitBadInput = 2;

  // Runs on the arguments that follow the program name. On success out holds
  // the complete output and err stays empty; on bad input err holds one line
  // "drivemask: error: ..." and out stays empty. Returns the exit code.
  static int Run(const std::vector<std::string>& args, std::string& out, std::string& err);

  // The text of --help.
  static std::string Usage();
};
