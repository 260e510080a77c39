#include <gtest/gtest.h>

#include "cli/PolicyFile.h"
#include "cli/PolicyFileWriter.h"

namespace {

// A record's bytes written out by hand: UTF-16LE text, NULs, ';' separators,
// type and size little-endian.
std::string Utf16(const std::string& ascii) {
  std::string bytes;
  for (char c : ascii) bytes += std::string{c, '\0'};
  return bytes;
}

TEST(PolicyFileWriter, WritesRecordsAsTheFormatLaysThemOut) {
  const std::string key = Utf16("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer");
  const std::string nul(2, '\0');
  EXPECT_EQ(PolicyFileWriter::Header(), std::string("PReg\1\0\0\0", 8));
  EXPECT_EQ(PolicyFileWriter::DwordRecord("NoDrives", 0x03fffff3),
            Utf16("[") + key + nul + Utf16(";NoDrives") + nul + Utf16(";") +
                std::string("\4\0\0\0", 4) + Utf16(";") + std::string("\4\0\0\0", 4) + Utf16(";") +
                std::string("\xf3\xff\xff\x03", 4) + Utf16("]"));
  EXPECT_EQ(PolicyFileWriter::DeleteRecord("NoViewOnDrive"),
            Utf16("[") + key + nul + Utf16(";**del.NoViewOnDrive") + nul + Utf16(";") +
                std::string("\1\0\0\0", 4) + Utf16(";") + std::string("\4\0\0\0", 4) + Utf16(";") +
                Utf16(" ") + nul + Utf16("]"));
  // Text beyond ASCII, a surrogate pair among it, reads back as written.
  const std::string name = "Caf\xC3\xA9 \xF0\x9F\x98\x80";
  std::vector<PolicyRecord> records;
  std::string error;
  ASSERT_TRUE(PolicyFile::Read(
      PolicyFileWriter::Header() + PolicyFileWriter::Record("Software\\" + name, name, 3, "]"),
      records, error))
      << error;
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].key, "Software\\" + name);
  EXPECT_EQ(records[0].valueName, name);
  EXPECT_EQ(records[0].data, "]");
}

}  // namespace
