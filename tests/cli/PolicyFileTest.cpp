#include <gtest/gtest.h>

#include "cli/ArgumentText.h"
#include "cli/PolicyFile.h"
#include "cli/PolicyFileWriter.h"

namespace {

const std::string kHeader("PReg\x01\0\0\0", 8);
const std::string kKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

std::string Utf16(const std::string& text) { return Utf16LeFromUtf8(text); }

std::string U32(std::uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
  return bytes;
}

// Records as PolicyFileWriter writes them (which Samba's reader checks:
// policy_writer_round_trip.py).
std::string Record(const std::string& key, const std::string& name, std::uint32_t type,
                   const std::string& data) {
  return PolicyFileWriter::Record(key, name, type, data);
}

std::string Sz(const std::string& text) { return Utf16(text) + std::string(2, '\0'); }

}  // namespace

TEST(PolicyFile, KeepsEveryRecordAsStoredInOrder) {
  const std::string space = Sz(" ");  // how real files store **del. and **delvals.
  const struct {
    std::string key, name;
    std::uint32_t type;
    std::string data;
  } records[] = {
      {kKey, "", 0, ""},  // a record that only creates the key
      {kKey, "NoDrives", 4, U32(0x03fffff3)},
      {kKey, "**del.NoViewOnDrive", 1, space},
      {kKey, "**delvals.", 1, space},
      {kKey, "**DeleteValues", 1, Sz("NoDrives;NoViewOnDrive")},
      {"SOFTWARE\\Policies", "**DeleteKeys", 1, Sz("Veskel")},
      {"SOFTWARE\\Policies\\Veskel", "**SecureKey", 4, U32(1)},
      {kKey, "**soft.NoDrives", 4, U32(4)},
      {"Software\\Caf\xC3\xA9", "Path", 2, Sz("%SystemRoot%")},
      // A name beyond the BMP, written as a surrogate pair.
      {"Software\\Veskel", "Caf\xC3\xA9 \xF0\x9F\x98\x80", 4, U32(0)},
      {"Software\\Veskel", "List", 7, Sz("a") + Sz("b") + std::string(2, '\0')},
      // Data holding ";" and "]": the size says where it ends.
      {"Software\\Veskel", "Blob", 3, Utf16("];]")},
      {"Software\\Veskel", "Big", 11, U32(1) + U32(2)},
      {"Software\\Veskel", "Unknown", 0x1234, "\x01"},
  };
  std::string bytes = kHeader;
  std::vector<std::size_t> offsets;
  for (const auto& r : records) {
    offsets.push_back(bytes.size());
    bytes += Record(r.key, r.name, r.type, r.data);
  }
  std::vector<PolicyRecord> read;
  std::string error;
  ASSERT_TRUE(PolicyFile::Read(bytes, read, error)) << error;
  ASSERT_EQ(read.size(), std::size(records));
  for (std::size_t i = 0; i < read.size(); ++i) {
    SCOPED_TRACE(records[i].name);
    EXPECT_EQ(read[i].key, records[i].key);
    EXPECT_EQ(read[i].valueName, records[i].name);
    EXPECT_EQ(read[i].type, records[i].type);
    EXPECT_EQ(read[i].data, records[i].data);
    EXPECT_EQ(read[i].offset, offsets[i]);
    const std::size_t end = i + 1 < offsets.size() ? offsets[i + 1] : bytes.size();
    EXPECT_EQ(read[i].length, end - offsets[i]);
  }

  // The header alone is a valid, empty policy.
  ASSERT_TRUE(PolicyFile::Read(kHeader, read, error)) << error;
  EXPECT_TRUE(read.empty());
}

TEST(PolicyFile, RefusesDamageWithTheOffsetAndWhatWasExpected) {
  const std::string good = Record(kKey, "NoDrives", 4, U32(4));
  std::string spaces = kHeader + good;  // what an editor that turns NULs into spaces leaves
  for (char& c : spaces) c = c == '\0' ? ' ' : c;
  const std::string nul(2, '\0');
  // Byte offsets within a record of key "k" and an empty name, after the header.
  const std::string head = kHeader + Utf16("[k") + nul + Utf16(";") + nul + Utf16(";");
  const struct {
    const char* name;
    std::string bytes;
    const char* error;
  } cases[] = {
      {"empty", "", "at byte 0: expected the signature PReg"},
      {"a UTF-8 mark in front", "\xEF\xBB\xBF" + kHeader + good, "at byte 0: expected the sig"},
      {"another version", std::string("PReg\x02\0\0\0", 8), "at byte 4: expected version 1"},
      {"NULs turned into spaces", spaces, "at byte 4: expected version 1"},
      {"UTF-16 text re-encoded as UTF-8", "\xE5\x89\x90\xE6\x95\xA5", "at byte 0: expected the"},
      {"a 4 GB record in a few bytes", head + U32(4) + Utf16(";") + U32(0xFFFFFFFF) + Utf16(";"),
       "at byte 32: expected 4294967295 bytes of data and ']', but the file has 0 bytes left"},
      {"size past the end", kHeader + good.substr(0, good.size() - 4),
       "at byte 164: expected 4 bytes of data and ']', but the file has 2 bytes left"},
      {"no ']'", head + U32(3) + Utf16(";") + U32(2) + Utf16(";") + "ab" + Utf16(";"),
       "at byte 34: expected ']' to close the record, found 3b 00"},
      {"no ';' after the key", kHeader + Utf16("[k") + nul + Utf16("x"),
       "at byte 14: expected ';' after the key, found 78 00"},
      {"key without its NUL", kHeader + Utf16("[abc"), "at byte 10: expected the key to end with"},
      {"name without its NUL", kHeader + Utf16("[k") + nul + Utf16(";ab") + "c",
       "at byte 16: expected the value name to end with a NUL character"},
      {"type cut off", head + "\x04", "at byte 20: expected the type (4 bytes), but 1 remain"},
      {"odd-sized text", head + U32(1) + Utf16(";") + U32(3) + Utf16(";") + "abc" + Utf16("]"),
       "at byte 32: expected an even number of bytes of UTF-16 text, not 3"},
      {"a REG_DWORD of 2 bytes",
       head + U32(4) + Utf16(";") + U32(2) + Utf16(";") + "ab" + Utf16("]"),
       "at byte 32: expected 4 bytes of data for a REG_DWORD, not 2"},
      {"a REG_QWORD of 4 bytes",
       head + U32(11) + Utf16(";") + U32(4) + Utf16(";") + U32(0) + Utf16("]"),
       "at byte 32: expected 8 bytes of data for a REG_QWORD, not 4"},
      {"a byte after the last record", kHeader + good + "x",
       "at byte 170: expected '[' to open a record, but the file ends after one more byte (78)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<PolicyRecord> read(1);
    std::string error;
    EXPECT_FALSE(PolicyFile::Read(c.bytes, read, error));
    EXPECT_EQ(error.compare(0, std::string(c.error).size(), c.error), 0) << error;
    EXPECT_TRUE(read.empty());
  }
}
