#include <gtest/gtest.h>

#include "cli/PolicyFile.h"
#include "cli/PolicyFileWriter.h"

namespace {

// Keys and names beyond ASCII, a surrogate pair among them, and data holding
// "]" read back as written. (Samba's reader checks the drive policy records
// themselves: policy_writer_round_trip.py.)
TEST(PolicyFileWriter, RecordsReadBackAsWritten) {
  const std::string name = "Caf\xC3\xA9 \xF0\x9F\x98\x80";
  std::vector<PolicyRecord> records;
  std::string error;
  ASSERT_TRUE(PolicyFile::Read(PolicyFileWriter::Header() +
                                   PolicyFileWriter::Record("Software\\" + name, name, 3, "]") +
                                   PolicyFileWriter::DeleteRecord("NoDrives"),
                               records, error))
      << error;
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].key, "Software\\" + name);
  EXPECT_EQ(records[0].valueName, name);
  EXPECT_EQ(records[0].data, "]");
  EXPECT_EQ(records[1].valueName, "**del.NoDrives");
  EXPECT_EQ(records[1].type, 1u);
  EXPECT_EQ(records[1].data, std::string(" \0\0\0", 4));  // one space and its NUL, as the editor
}

}  // namespace
