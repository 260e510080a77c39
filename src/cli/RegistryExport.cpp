#include "cli/RegistryExport.h"

#include <vector>

#include "cli/ArgumentText.h"

namespace {

// The file as text: UTF-16LE after its byte-order mark becomes UTF-8; a UTF-8
// byte-order mark is dropped; anything else (ANSI) is taken byte for byte.
std::string FileText(const std::string& bytes) {
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    return Utf8FromUtf16Le(bytes.substr(2));
  }
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) return bytes.substr(3);
  return bytes;
}

// The logical lines with their first line numbers: line ends removed, lines
// that end in a backslash joined with the next.
struct Line {
  std::size_t number;
  std::string text;
};

std::vector<Line> LogicalLines(const std::string& text) {
  std::vector<Line> lines;
  bool continued = false;
  std::size_t number = 0;
  std::string::size_type start = 0;
  while (start < text.size()) {
    std::string::size_type end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    start = end + 1;
    ++number;
    line = TrimRight(line);
    const bool continues = !line.empty() && line.back() == '\\';
    if (continues) line.pop_back();
    if (continued) {
      lines.back().text += TrimLeft(line);
    } else {
      lines.push_back({number, line});
    }
    continued = continues;
  }
  return lines;
}

// The hive whose drive policy key a key path names: HKEY_LOCAL_MACHINE\...,
// HKEY_CURRENT_USER\... or a user's hive HKEY_USERS\<user>\... (an export made
// for another user). With parentToo also a key above it (a deleted parent
// deletes the policy key).
bool PolicyKeyHive(const std::string& path, bool parentToo, PolicyHive& hive) {
  const std::string lower = LowerAscii(path);
  std::string rest;
  const auto after = [&lower](const char* prefix, std::string& tail) {
    const std::string p = prefix;
    if (lower.compare(0, p.size(), p) != 0) return false;
    tail = lower.substr(p.size());
    return true;
  };
  if (after("hkey_local_machine\\", rest)) {
    hive = PolicyHive::LocalMachine;
  } else if (after("hkey_current_user\\", rest)) {
    hive = PolicyHive::CurrentUser;
  } else if (after("hkey_users\\", rest) && rest.find('\\') != std::string::npos) {
    hive = PolicyHive::CurrentUser;
    rest = rest.substr(rest.find('\\') + 1);
  } else {
    return false;
  }
  const std::string key = LowerAscii(kPolicyKeyPath);
  if (rest == key) return true;
  return parentToo && key.compare(0, rest.size() + 1, rest + "\\") == 0;
}

// A quoted string of a .reg line at text[at] (at the opening quote), with its
// escapes (a backslash before a backslash or a quote) read back; at moves past
// the closing quote. False when it is not closed.
bool QuotedString(const std::string& text, std::size_t& at, std::string& value) {
  value.clear();
  for (++at; at < text.size(); ++at) {
    if (text[at] == '"') {
      ++at;
      return true;
    }
    if (text[at] == '\\' && at + 1 < text.size()) ++at;
    value += text[at];
  }
  return false;
}

// "03,ff,00" into bytes; spaces allowed around the commas.
bool HexBytes(const std::string& list, std::string& bytes) {
  bytes.clear();
  std::string::size_type start = 0;
  if (TrimLeft(list).empty()) return true;
  while (start <= list.size()) {
    std::string::size_type comma = list.find(',', start);
    if (comma == std::string::npos) comma = list.size();
    const std::string item = TrimLeft(TrimRight(list.substr(start, comma - start)));
    if (item.size() != 2 || HexDigitValue(item[0]) < 0 || HexDigitValue(item[1]) < 0) return false;
    bytes += static_cast<char>(HexDigitValue(item[0]) * 16 + HexDigitValue(item[1]));
    start = comma + 1;
  }
  return true;
}

// The data after "name"=: dword:, hex:, hex(N):, a string, or - (deleted).
bool ValueData(const std::string& data, PolicyValue& value) {
  const std::string lower = LowerAscii(data);
  value = PolicyValue();
  if (data == "-") {
    value.state = PolicyValue::State::NotSet;
    return true;
  }
  value.state = PolicyValue::State::Set;
  if (lower.compare(0, 6, "dword:") == 0) {
    const std::string digits = data.substr(6);
    if (digits.empty() || digits.size() > 8) return false;
    std::uint32_t number = 0;
    for (char c : digits) {
      if (HexDigitValue(c) < 0) return false;
      number = number * 16 + static_cast<std::uint32_t>(HexDigitValue(c));
    }
    value.type = kRegDword;
    for (int i = 0; i < 4; ++i) value.data += static_cast<char>((number >> (8 * i)) & 0xFF);
    return true;
  }
  if (lower.compare(0, 4, "hex:") == 0) {
    value.type = kRegBinary;
    return HexBytes(data.substr(4), value.data);
  }
  if (lower.compare(0, 4, "hex(") == 0) {
    const std::string::size_type close = lower.find("):");
    if (close == std::string::npos || close == 4 || close > 12) return false;
    std::uint32_t type = 0;
    for (std::size_t i = 4; i < close; ++i) {
      if (HexDigitValue(lower[i]) < 0) return false;
      type = type * 16 + static_cast<std::uint32_t>(HexDigitValue(lower[i]));
    }
    value.type = type;
    return HexBytes(data.substr(close + 2), value.data);
  }
  if (!data.empty() && data[0] == '"') {
    std::size_t at = 0;
    value.type = kRegSz;
    return QuotedString(data, at, value.data) && at == data.size();
  }
  return false;
}

}  // namespace

bool RegistryExport::Read(const std::string& bytes, PolicyValues& values, std::string& error) {
  const std::vector<Line> lines = LogicalLines(FileText(bytes));
  std::size_t first = 0;
  while (first < lines.size() && lines[first].text.empty()) ++first;
  if (first == lines.size() || (lines[first].text != "Windows Registry Editor Version 5.00" &&
                                lines[first].text != "REGEDIT4")) {
    error =
        "this is no registry export (it does not begin with Windows Registry Editor "
        "Version 5.00 or REGEDIT4" +
        (first < lines.size() ? " but with " + QuotedText(lines[first].text) : "") +
        ") and no registry policy file (Registry.pol, which begins with PReg)";
    return false;
  }

  PolicyValues read;
  bool inPolicyKey = false;
  PolicyHive hive = PolicyHive::LocalMachine;
  bool anyKey = false;
  for (std::size_t i = first + 1; i < lines.size(); ++i) {
    const std::string& text = lines[i].text;
    if (!text.empty() && text[0] == '[') {
      const std::string::size_type close = text.rfind(']');
      const bool remove = text.size() > 1 && text[1] == '-';
      const std::string path =
          close == std::string::npos ? "" : text.substr(remove ? 2 : 1, close - (remove ? 2 : 1));
      inPolicyKey = false;
      PolicyHive named = PolicyHive::LocalMachine;
      if (!PolicyKeyHive(path, remove, named)) continue;
      anyKey = true;
      for (PolicyName name : {PolicyName::NoDrives, PolicyName::NoViewOnDrive}) {
        PolicyValue& value = read.At(named, name);
        if (remove) {
          value = PolicyValue();
          value.state = PolicyValue::State::NotSet;
        } else if (value.state == PolicyValue::State::Unknown) {
          value.state = PolicyValue::State::NotSet;
        }
      }
      inPolicyKey = !remove;
      hive = named;
      continue;
    }
    if (!inPolicyKey || text.empty() || text[0] != '"') continue;
    std::size_t at = 0;
    std::string name;
    PolicyName which = PolicyName::NoDrives;
    if (!QuotedString(text, at, name) || !PolicyNameFromText(name, which)) continue;
    const std::string rest = TrimLeft(text.substr(at));
    PolicyValue value;
    if (rest.empty() || rest[0] != '=' || !ValueData(TrimLeft(rest.substr(1)), value)) {
      error = "line " + std::to_string(lines[i].number) + ", " + QuotedText(text) +
              ", holds no value data a registry export has (dword:, hex:, hex(N):, a string or -)";
      return false;
    }
    read.At(hive, which) = value;
  }
  if (!anyKey) {
    error =
        std::string("the export holds no ") + kPolicyKeyPath +
        " key of HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER; export that key (regedit, or reg export)";
    return false;
  }
  values = read;
  return true;
}
