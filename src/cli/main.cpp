// drivemask: the drive mask of the Explorer drive policies on the command line.

#include <string>
#include <vector>

#include "cli/ArgumentText.h"
#include "cli/DriveMaskCli.h"
#include "cli/StandardStreams.h"

namespace {

// Composes the whole output first and writes it only then: a run either
// writes all of its output or reports that it could not (exit 3).
int Run(const std::vector<std::string>& args) {
  std::string out;
  std::string err;
  int code = DriveMaskCli::Run(args, out, err);
  std::string error;
  if (!WriteStandardOutput(out, error)) {
    err = DriveMaskCli::ErrorLine("cannot write the output: " + error);
    code = DriveMaskCli::kExitOutputFailed;
  }
  WriteStandardError(err, error);
  return code;
}

}  // namespace

#ifdef _WIN32

int wmain(int argc, wchar_t** argv) {
  PrepareStandardStreams();
  std::vector<std::string> args;
  // UTF-16 as Windows holds the command line, made UTF-8 without a code
  // page in between (whose best-fit mapping would turn a fullwidth letter
  // into a plain one).
  for (int i = 1; i < argc; ++i) {
    args.push_back(Utf8FromUtf16(reinterpret_cast<const char16_t*>(argv[i])));
  }
  return Run(args);
}

#else

int main(int argc, char** argv) {
  PrepareStandardStreams();
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return Run(args);
}

#endif
