// Prints what PolicyFile reads from each file named on the command line, for
// the cross-check against another implementation (policy_file_samba.py):
//   file N              N records follow, one a line:
//   KEY NAME TYPE DATA  key and value name as hex of their UTF-8, the type in
//                       decimal, the data bytes in hex ("-" for none)
//   error MESSAGE       the file was refused
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/PolicyFile.h"

namespace {

std::string Hex(const std::string& bytes) {
  if (bytes.empty()) return "-";
  std::string text;
  for (char c : bytes) {
    const unsigned byte = static_cast<unsigned char>(c);
    text += "0123456789abcdef"[byte >> 4];
    text += "0123456789abcdef"[byte & 0xF];
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<PolicyRecord> records;
    std::string error;
    if (!in.good() && !in.eof()) {
      std::printf("error cannot read %s\n", argv[i]);
    } else if (!PolicyFile::Read(bytes, records, error)) {
      std::printf("error %s\n", error.c_str());
    } else {
      std::printf("file %zu\n", records.size());
      for (const PolicyRecord& r : records) {
        std::printf("%s %s %u %s\n", Hex(r.key).c_str(), Hex(r.valueName).c_str(),
                    static_cast<unsigned>(r.type), Hex(r.data).c_str());
      }
    }
  }
  return 0;
}
