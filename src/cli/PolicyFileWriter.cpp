#include "cli/PolicyFileWriter.h"

#include "cli/ArgumentText.h"
#include "cli/PolicyValues.h"

namespace {

void AppendUint32(std::string& bytes, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((value >> shift) & 0xFF);
}

// The separators and brackets of a record are UTF-16LE characters too.
void AppendCharacter(std::string& bytes, char c) {
  bytes += c;
  bytes += '\0';
}

}  // namespace

std::string PolicyFileWriter::Header() {
  std::string header = "PReg";
  AppendUint32(header, 1);
  return header;
}

std::string PolicyFileWriter::Record(const std::string& key, const std::string& valueName,
                                     std::uint32_t type, const std::string& data) {
  std::string record;
  AppendCharacter(record, '[');
  record += Utf16LeFromUtf8(key);
  AppendCharacter(record, '\0');
  AppendCharacter(record, ';');
  record += Utf16LeFromUtf8(valueName);
  AppendCharacter(record, '\0');
  AppendCharacter(record, ';');
  AppendUint32(record, type);
  AppendCharacter(record, ';');
  AppendUint32(record, static_cast<std::uint32_t>(data.size()));
  AppendCharacter(record, ';');
  record += data;
  AppendCharacter(record, ']');
  return record;
}

std::string PolicyFileWriter::DwordRecord(const std::string& valueName, std::uint32_t value) {
  std::string data;
  AppendUint32(data, value);
  return Record(kPolicyKeyPath, valueName, kRegDword, data);
}

std::string PolicyFileWriter::DeleteRecord(const std::string& valueName) {
  return Record(kPolicyKeyPath, "**del." + valueName, kRegSz, std::string(" \0\0\0", 4));
}
