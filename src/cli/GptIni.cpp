#include "cli/GptIni.h"

#include <vector>

#include "cli/ArgumentText.h"

namespace {

const char kNewLine[] = "\r\n";

struct Line {
  std::string text;  // without its line end
  std::string end;   // "\r\n", "\n" or "" (the last line, unterminated)
};

std::vector<Line> SplitLines(const std::string& bytes) {
  std::vector<Line> lines;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t feed = bytes.find('\n', at);
    Line line;
    if (feed == std::string::npos) {
      line.text = bytes.substr(at);
      at = bytes.size();
    } else {
      const bool cr = feed > at && bytes[feed - 1] == '\r';
      line.text = bytes.substr(at, feed - at - (cr ? 1 : 0));
      line.end = cr ? "\r\n" : "\n";
      at = feed + 1;
    }
    lines.push_back(line);
  }
  return lines;
}

bool IsSection(const std::string& text) {
  const std::string trimmed = TrimBlanks(text);
  return trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']';
}

// The key of a "key=value" line, trimmed; empty for any other line.
std::string KeyOf(const std::string& text) {
  const std::size_t equals = text.find('=');
  return equals == std::string::npos ? std::string() : TrimBlanks(text.substr(0, equals));
}

std::string ValueOf(const std::string& text) { return TrimBlanks(text.substr(text.find('=') + 1)); }

bool IsGuid(const std::string& text) {
  if (text.size() != 38 || text.front() != '{' || text.back() != '}') return false;
  for (std::size_t i = 1; i < 37; ++i) {
    const bool dash = i == 9 || i == 14 || i == 19 || i == 24;
    if (dash ? text[i] != '-' : HexDigitValue(text[i]) < 0) return false;
  }
  return true;
}

// GUIDs hold only hex digits and dashes: in either case they sort alike.
bool SameGuid(const std::string& a, const std::string& b) { return LowerAscii(a) == LowerAscii(b); }
bool GuidBefore(const std::string& a, const std::string& b) {
  return LowerAscii(a) < LowerAscii(b);
}

using Group = std::vector<std::string>;  // the GUIDs of one bracket group, as written

bool ParseGroups(const std::string& value, std::vector<Group>& groups) {
  for (std::size_t at = 0; at < value.size();) {
    if (value[at] != '[') return false;
    Group group;
    for (++at; at < value.size() && value[at] == '{'; at += 38) {
      if (!IsGuid(value.substr(at, 38))) return false;
      group.push_back(value.substr(at, 38));
    }
    if (group.empty() || at >= value.size() || value[at] != ']') return false;
    ++at;
    groups.push_back(group);
  }
  return true;
}

// Adds the registry extension with its tool; false when it was there already.
bool AddRegistryExtension(std::vector<Group>& groups, const std::string& tool) {
  for (Group& group : groups) {
    if (!SameGuid(group.front(), GptIni::kRegistryExtension)) continue;
    std::size_t at = 1;
    for (; at < group.size(); ++at) {
      if (SameGuid(group[at], tool)) return false;
      if (GuidBefore(tool, group[at])) break;
    }
    group.insert(group.begin() + static_cast<std::ptrdiff_t>(at), tool);
    return true;
  }
  std::size_t at = 0;
  while (at < groups.size() && !GuidBefore(GptIni::kRegistryExtension, groups[at].front())) ++at;
  groups.insert(groups.begin() + static_cast<std::ptrdiff_t>(at),
                Group{GptIni::kRegistryExtension, tool});
  return true;
}

std::string JoinGroups(const std::vector<Group>& groups) {
  std::string text;
  for (const Group& group : groups) {
    text += '[';
    for (const std::string& guid : group) text += guid;
    text += ']';
  }
  return text;
}

bool ParseVersion(const std::string& text, std::uint32_t& version) {
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > 0xFFFFFFFFu) return false;
  }
  version = static_cast<std::uint32_t>(value);
  return !text.empty();
}

// One more change in the half. A half that has counted all the way to 65535
// starts again at 1: 0 would tell clients that the half holds no settings.
std::uint32_t Raised(std::uint32_t version, GptIni::Half half) {
  const int shift = half == GptIni::Half::User ? 16 : 0;
  std::uint32_t count = (version >> shift) & 0xFFFF;
  count = count == 0xFFFF ? 1 : count + 1;
  return (version & ~(0xFFFFu << shift)) | (count << shift);
}

}  // namespace

bool GptIni::Raise(const std::string& bytes, bool exists, Half half, bool addExtension,
                   std::string& out, Change& change, std::string& error) {
  change = Change();
  change.created = !exists;
  const bool machine = half == Half::Machine;
  const std::string listKey = machine ? "gPCMachineExtensionNames" : "gPCUserExtensionNames";
  const std::string tool = machine ? kMachineTool : kUserTool;
  if (bytes.size() >= 2 &&
      ((bytes[0] == '\xFF' && bytes[1] == '\xFE') || (bytes[0] == '\xFE' && bytes[1] == '\xFF'))) {
    error = "it is UTF-16 text, which drivemask does not edit; save it as ANSI text first";
    return false;
  }
  if (bytes.find('\0') != std::string::npos) {
    error = "it holds NUL bytes: it is no text file";
    return false;
  }
  const std::string bom = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? bytes.substr(0, 3) : "";
  std::vector<Line> lines = SplitLines(bytes.substr(bom.size()));

  // The [General] section: its header line and the line after its last entry.
  std::size_t header = lines.size();
  for (std::size_t i = 0; i < lines.size() && header == lines.size(); ++i) {
    if (IsSection(lines[i].text) && LowerAscii(TrimBlanks(lines[i].text)) == "[general]") {
      header = i;
    }
  }
  if (header == lines.size()) {
    if (!lines.empty() && lines.back().end.empty()) lines.back().end = kNewLine;
    header = lines.size();
    lines.push_back({"[General]", kNewLine});
    if (!exists) lines.push_back({"gPCFunctionalityVersion=2", kNewLine});
  }
  std::size_t end = header + 1;
  while (end < lines.size() && !IsSection(lines[end].text)) ++end;

  bool versionFound = false;
  bool listFound = false;
  std::size_t lastEntry = header;
  for (std::size_t i = header + 1; i < end; ++i) {
    const std::string key = KeyOf(lines[i].text);
    if (key.empty()) continue;
    lastEntry = i;
    if (!versionFound && LowerAscii(key) == "version") {
      versionFound = true;
      if (!ParseVersion(ValueOf(lines[i].text), change.oldVersion)) {
        error = "Version " + QuotedText(ValueOf(lines[i].text)) +
                " is not a whole number from 0 to 4294967295";
        return false;
      }
      change.newVersion = Raised(change.oldVersion, half);
      lines[i].text = key + "=" + std::to_string(change.newVersion);
    } else if (!listFound && LowerAscii(key) == LowerAscii(listKey)) {
      listFound = true;
      std::vector<Group> groups;
      if (!ParseGroups(ValueOf(lines[i].text), groups)) {
        error = key + " is not a list of bracketed GUIDs ([{...}{...}])";
        return false;
      }
      if (addExtension && AddRegistryExtension(groups, tool)) {
        change.extensionAdded = true;
        lines[i].text = key + "=" + JoinGroups(groups);
      }
    }
  }
  std::vector<Line> added;
  if (addExtension && !listFound) {
    std::vector<Group> groups;
    AddRegistryExtension(groups, tool);
    change.extensionAdded = true;
    added.push_back({listKey + "=" + JoinGroups(groups), kNewLine});
  }
  if (!versionFound) {
    change.newVersion = Raised(0, half);
    added.push_back({"Version=" + std::to_string(change.newVersion), kNewLine});
  }
  if (!added.empty()) {
    if (lines[lastEntry].end.empty()) lines[lastEntry].end = kNewLine;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastEntry + 1), added.begin(),
                 added.end());
  }

  out = bom;
  for (const Line& line : lines) out += line.text + line.end;
  return true;
}
