#include "cli/MaskValueParser.h"

#include <vector>

#include "app/DriveMask.h"
#include "cli/ArgumentText.h"
#include "cli/PolicyValues.h"

namespace {

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && LowerAscii(text.substr(0, prefix.size())) == prefix;
}

std::vector<std::string> SplitWords(const std::string& text) {
  std::vector<std::string> words;
  std::string current;
  for (char c : text) {
    if (IsBlank(c)) {
      if (!current.empty()) words.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) words.push_back(current);
  return words;
}

const char kForms[] =
    "give decimal (67108851), hex with 0x (0x3fffff3), a .reg line (\"NoDrives\"=dword:03fffff3) "
    "or an ADM line (VALUE NUMERIC 67108851)";

// Matches the name of one of the two drive policy values, in any case, and
// returns it as the system writes it; false for any other name.
bool PolicyValueName(const std::string& name, std::string& canonical, std::string& error) {
  PolicyName which = PolicyName::NoDrives;
  if (!PolicyNameFromText(name, which)) {
    error = "the value is named " + QuotedText(name) +
            "; the drive policy values are NoDrives and NoViewOnDrive";
    return false;
  }
  canonical = PolicyNameText(which);
  return true;
}

// Hex digits of a .reg dword: 1 to 8 of them, nothing else.
bool ParseRegDword(const std::string& digits, const std::string& whole, std::uint64_t& value,
                   std::string& error) {
  if (digits.empty()) {
    error = QuotedText(whole) + " has no hex digits after dword:";
    return false;
  }
  for (char c : digits) {
    if (HexDigitValue(c) < 0) {
      error = QuotedText(whole) + ": a .reg dword takes hex digits only, as in dword:03fffff3";
      return false;
    }
  }
  if (digits.size() > 8) {
    std::uint64_t wide = 0;
    std::string ignored;
    if (MaskValueParser::ParseNumber("0x" + digits, wide, ignored)) {
      if (!MaskValueParser::CheckDriveBits(whole, wide, error)) return false;
    }
    error = QuotedText(whole) + " has " + std::to_string(digits.size()) +
            " hex digits; a .reg dword has at most 8";
    return false;
  }
  std::uint64_t result = 0;
  for (char c : digits) result = result * 16 + static_cast<unsigned>(HexDigitValue(c));
  value = result;
  return true;
}

// "Name"=dword:xxxxxxxx, or Name=dword:xxxxxxxx as it arrives when a shell has
// eaten the quotes (PowerShell passing a quoted .reg line to a program).
bool ParseRegLine(const std::string& line, std::uint64_t& value, std::string& name,
                  std::string& error) {
  const char* const expected = " is not a .reg line; expected \"NoDrives\"=dword:03fffff3";
  std::string written;
  std::string rest;
  if (line[0] == '"') {
    const std::string::size_type close = line.find('"', 1);
    if (close == std::string::npos) {
      error = QuotedText(line) + expected;
      return false;
    }
    written = line.substr(1, close - 1);
    rest = TrimBlanks(line.substr(close + 1));
  } else {
    const std::string::size_type equals = line.find('=');
    written = TrimBlanks(line.substr(0, equals));
    rest = line.substr(equals);
  }
  if (rest.empty() || rest[0] != '=') {
    error = QuotedText(line) + expected;
    return false;
  }
  rest = TrimBlanks(rest.substr(1));
  if (!StartsWithNoCase(rest, "dword:")) {
    error = QuotedText(line) + " does not hold a dword; expected \"NoDrives\"=dword:03fffff3";
    return false;
  }
  if (!PolicyValueName(written, name, error)) return false;
  return ParseRegDword(rest.substr(6), line, value, error);
}

// [NAME !!x] VALUE NUMERIC n
bool ParseAdmLine(const std::string& line, std::string::size_type at, std::uint64_t& value,
                  std::string& error) {
  const std::string number = TrimBlanks(line.substr(at + 13));
  if (number.empty()) {
    error = QuotedText(line) + " has no number after VALUE NUMERIC";
    return false;
  }
  for (char c : number) {
    if (c < '0' || c > '9') {
      error =
          QuotedText(line) + ": VALUE NUMERIC takes a decimal number, as in VALUE NUMERIC 67108851";
      return false;
    }
  }
  return MaskValueParser::ParseNumber(number, value, error);
}

// <decimal value="n" />
bool ParseAdmxElement(const std::string& line, std::uint64_t& value, std::string& error) {
  const char* const expected = "; expected <decimal value=\"67108851\" />";
  const std::string::size_type attribute = line.find("value=");
  if (attribute == std::string::npos || line.back() != '>' || attribute + 6 >= line.size()) {
    error = QuotedText(line) + " is not an ADMX value element" + expected;
    return false;
  }
  const char quote = line[attribute + 6];
  const std::string::size_type end = line.find(quote, attribute + 7);
  if ((quote != '"' && quote != '\'') || end == std::string::npos) {
    error = QuotedText(line) + " is not an ADMX value element" + expected;
    return false;
  }
  const std::string number = line.substr(attribute + 7, end - attribute - 7);
  for (char c : number) {
    if (c < '0' || c > '9') {
      error = QuotedText(line) + ": an ADMX <decimal> value takes a decimal number" + expected;
      return false;
    }
  }
  return MaskValueParser::ParseNumber(number, value, error);
}

}  // namespace

bool MaskValueParser::Parse(const std::string& text, std::uint32_t& mask, std::string& valueName,
                            std::string& error) {
  const std::string line = TrimBlanks(text);
  if (line.empty()) {
    error = "no value given; " + std::string(kForms);
    return false;
  }

  std::uint64_t value = 0;
  std::string name;
  const std::string lower = LowerAscii(line);
  const std::vector<std::string> words = SplitWords(line);
  bool parsed = false;
  if (line[0] == '"' || (line.find('=') != std::string::npos && line[0] != '<')) {
    parsed = ParseRegLine(line, value, name, error);
  } else if (StartsWithNoCase(line, "dword:")) {
    parsed = ParseRegDword(line.substr(6), line, value, error);
  } else if (lower.find("value numeric") != std::string::npos) {
    parsed = ParseAdmLine(line, lower.find("value numeric"), value, error);
  } else if (StartsWithNoCase(line, "<decimal")) {
    parsed = ParseAdmxElement(line, value, error);
  } else if (words.size() == 3 && LowerAscii(words[1]) == "reg_dword") {
    parsed = PolicyValueName(words[0], name, error) && ParseNumber(words[2], value, error);
  } else if (words.size() > 1) {
    error = QuotedText(line) + " is not a value; " + kForms;
    return false;
  } else {
    parsed = ParseNumber(line, value, error);
  }
  if (!parsed || !CheckDriveBits(line, value, error)) return false;
  mask = static_cast<std::uint32_t>(value);
  valueName = name;
  return true;
}

bool MaskValueParser::ParseNumber(const std::string& text, std::uint64_t& value,
                                  std::string& error) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const std::string digits = hex ? text.substr(2) : text;
  const unsigned base = hex ? 16 : 10;
  if (digits.empty() || text == "0x" || text == "0X") {
    error = QuotedText(text) + " is not a number; " + kForms;
    return false;
  }
  // Digits that are all hexadecimal, some of them letters, are a hex value
  // written without its 0x (as the dialog's hex field shows it).
  bool allHex = true;
  bool allDecimal = true;
  for (char c : digits) {
    allHex = allHex && HexDigitValue(c) >= 0;
    allDecimal = allDecimal && c >= '0' && c <= '9';
  }
  std::uint64_t result = 0;
  for (char c : digits) {
    const int digit = HexDigitValue(c);
    if (digit < 0 || static_cast<unsigned>(digit) >= base) {
      if (text.size() > 1 && text[0] == '-' &&
          text.find_first_not_of("0123456789", 1) == std::string::npos) {
        error = QuotedText(text) + " is negative; a drive mask is 0 to 67108863 (0x3ffffff)";
      } else if (!hex && allHex && !allDecimal) {
        error = QuotedText(text) + " is not a decimal number; write hexadecimal with 0x, as in 0x" +
                EscapedText(text);
      } else {
        error = QuotedText(text) + " is not a number; " + kForms;
      }
      return false;
    }
    if (result > (UINT64_MAX - static_cast<unsigned>(digit)) / base) {
      error = QuotedText(text) + " is far too large for a drive mask (at most 67108863, 0x3ffffff)";
      return false;
    }
    result = result * base + static_cast<unsigned>(digit);
  }
  value = result;
  return true;
}

bool MaskValueParser::CheckDriveBits(const std::string& text, std::uint64_t value,
                                     std::string& error) {
  if ((value & ~std::uint64_t{kAllDrivesMask}) == 0) return true;
  error = QuotedText(text) + " sets " + DescribeBitsAboveZ(value) +
          ", above Z: (bit 25); a drive mask has only bits 0 (A:) to 25 (Z:), at most 67108863 "
          "(0x3ffffff)";
  if (value > 0xFFFFFFFFu) error += ", and this value does not even fit a 32-bit DWORD";
  return false;
}

std::string MaskValueParser::DescribeBitsAboveZ(std::uint64_t value) {
  std::vector<std::string> runs;
  int count = 0;
  for (int bit = kDriveCount; bit < 64;) {
    if (((value >> bit) & 1u) == 0) {
      ++bit;
      continue;
    }
    int last = bit;
    while (last + 1 < 64 && ((value >> (last + 1)) & 1u) != 0) ++last;
    runs.push_back(last == bit ? std::to_string(bit)
                               : std::to_string(bit) + "-" + std::to_string(last));
    count += last - bit + 1;
    bit = last + 1;
  }
  std::string text = count == 1 ? "bit " : "bits ";
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (i > 0) text += i + 1 == runs.size() ? " and " : ", ";
    text += runs[i];
  }
  return text;
}
