#include "cli/PolicyFile.h"

#include "cli/ArgumentText.h"
#include "cli/PolicyValues.h"

const char PolicyFile::kHeader[8] = {'P', 'R', 'e', 'g', 1, 0, 0, 0};

namespace {

// Walks the bytes of one file, reporting the first thing that is not where
// the format puts it.
class Cursor {
 public:
  Cursor(const std::string& bytes, std::string& error) : m_bytes(bytes), m_error(error) {}

  std::size_t At() const { return m_at; }
  std::size_t Left() const { return m_bytes.size() - m_at; }

  bool Fail(std::size_t at, const std::string& what) {
    m_error = "at byte " + std::to_string(at) + ": " + what;
    return false;
  }

  // The UTF-16LE character c (ASCII) at the cursor.
  bool Character(char c, const std::string& what) {
    if (Left() >= 2 && m_bytes[m_at] == c && m_bytes[m_at + 1] == '\0') {
      m_at += 2;
      return true;
    }
    return Fail(m_at, "expected '" + std::string(1, c) + "' " + what + Found());
  }

  // UTF-16LE text up to and including its NUL character, as UTF-8.
  bool Text(const char* what, std::string& text) {
    std::u16string wide;
    for (std::size_t at = m_at; at + 1 < m_bytes.size(); at += 2) {
      const char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(m_bytes[at]) |
                                                  static_cast<unsigned char>(m_bytes[at + 1]) << 8);
      if (unit == 0) {
        text = Utf8FromUtf16(wide.c_str());
        m_at = at + 2;
        return true;
      }
      wide += unit;
    }
    return Fail(m_at, std::string("expected ") + what +
                          " to end with a NUL character, but the file ends first");
  }

  bool Number(const char* what, std::uint32_t& value) {
    if (Left() < 4) {
      return Fail(m_at, std::string("expected ") + what + " (4 bytes), but " +
                            std::to_string(Left()) + " remain");
    }
    value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(m_bytes[m_at + i]);
    m_at += 4;
    return true;
  }

  void Skip(std::size_t count) { m_at += count; }

  void Take(std::size_t count, std::string& data) {
    data.assign(m_bytes, m_at, count);
    m_at += count;
  }

 private:
  // ", found 3b 20" (or that the file ends) for a message about what is here.
  std::string Found() const {
    if (Left() == 0) return ", but the file ends";
    if (Left() == 1) {
      return ", but the file ends after one more byte (" + HexBytes(m_bytes.substr(m_at)) + ")";
    }
    return ", found " + HexBytes(m_bytes.substr(m_at, 2), " ");
  }

  const std::string& m_bytes;
  std::string& m_error;
  std::size_t m_at = 0;
};

bool IsText(std::uint32_t type) {
  return type == kRegSz || type == kRegExpandSz || type == kRegLink || type == kRegMultiSz;
}

bool ReadRecord(Cursor& cursor, PolicyRecord& record) {
  record.offset = cursor.At();
  std::uint32_t size = 0;
  if (!cursor.Character('[', "to open a record") || !cursor.Text("the key", record.key) ||
      !cursor.Character(';', "after the key") || !cursor.Text("the value name", record.valueName) ||
      !cursor.Character(';', "after the value name") || !cursor.Number("the type", record.type) ||
      !cursor.Character(';', "after the type") || !cursor.Number("the data size", size) ||
      !cursor.Character(';', "after the data size")) {
    return false;
  }
  const std::size_t dataAt = cursor.At();
  // The size is checked against what is left before anything is taken.
  if (cursor.Left() < 2 || size > cursor.Left() - 2) {
    return cursor.Fail(dataAt, "expected " + std::to_string(size) +
                                   " bytes of data and ']', but the file has " +
                                   std::to_string(cursor.Left()) + " bytes left");
  }
  if (record.type == kRegDword && size != 4) {
    return cursor.Fail(dataAt,
                       "expected 4 bytes of data for a REG_DWORD, not " + std::to_string(size));
  }
  if (record.type == kRegQword && size != 8) {
    return cursor.Fail(dataAt,
                       "expected 8 bytes of data for a REG_QWORD, not " + std::to_string(size));
  }
  if (IsText(record.type) && size % 2 != 0) {
    return cursor.Fail(
        dataAt, "expected an even number of bytes of UTF-16 text, not " + std::to_string(size));
  }
  cursor.Take(size, record.data);
  if (!cursor.Character(']', "to close the record")) return false;
  record.length = cursor.At() - record.offset;
  return true;
}

}  // namespace

bool PolicyFile::Read(const std::string& bytes, std::vector<PolicyRecord>& records,
                      std::string& error) {
  records.clear();
  if (bytes.compare(0, 4, kHeader, 4) != 0) {
    error = "at byte 0: expected the signature PReg (50 52 65 67) of a registry policy file";
    return false;
  }
  if (bytes.size() < 8 || bytes.compare(4, 4, kHeader + 4, 4) != 0) {
    error = "at byte 4: expected version 1 (01 00 00 00)";
    return false;
  }
  Cursor cursor(bytes, error);
  cursor.Skip(sizeof kHeader);
  std::vector<PolicyRecord> read;
  while (cursor.Left() > 0) {
    PolicyRecord record;
    if (!ReadRecord(cursor, record)) return false;
    read.push_back(std::move(record));
  }
  records.swap(read);
  return true;
}
