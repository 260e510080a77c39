#pragma once

#include <string>
#include <vector>

// The drivemask program without its process: reads the arguments, works out
// the mask and produces the whole output text, or a single error line.
class DriveMaskCli {
 public:
  static constexpr int kExitSuccess = 0;
  static constexpr int kExitBadInput = 2;
  // The output could not be written: standard output, or the files of
  // template (disk full, a closed stream, a folder that cannot be made).
  static constexpr int kExitOutputFailed = 3;

  // Runs on the arguments that follow the program name (UTF-8). On success
  // out holds the complete output and err stays empty; on failure err holds
  // one line "drivemask: error: ..." and out stays empty. Returns the exit
  // code.
  static int Run(const std::vector<std::string>& args, std::string& out, std::string& err);

  // "drivemask: error: " and the message as one line of ASCII: any control
  // character or other byte that slipped into the message is shown escaped.
  static std::string ErrorLine(const std::string& message);

  // The text of --help.
  static std::string Usage();
};
