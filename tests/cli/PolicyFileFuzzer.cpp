// libFuzzer entry for the registry policy file reader. Besides memory errors
// (caught by AddressSanitizer) it checks the reader's promises about what it
// reports.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzRequire.h"
#include "cli/PolicyFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::vector<PolicyRecord> records;
  std::string error;
  if (PolicyFile::Read(bytes, records, error)) {
    // The records tile the file after its header, in order, with nothing left.
    std::size_t at = 8;
    for (const PolicyRecord& record : records) {
      Require(record.offset == at);
      // '[' key NUL ';' name NUL ';' type ';' size ';' data ']' at the least.
      Require(record.length >= 24 + record.data.size());
      Require(record.type != 4 || record.data.size() == 4);
      at += record.length;
    }
    Require(at == size);
    Require(error.empty());
  } else {
    // One line: "at byte N: expected ...", N within the file.
    Require(records.empty());
    Require(error.compare(0, 8, "at byte ") == 0);
    Require(error.find("expected") != std::string::npos);
    Require(error.find('\n') == std::string::npos);
    Require(std::strtoull(error.c_str() + 8, nullptr, 10) <= size);
  }
  return 0;
}
