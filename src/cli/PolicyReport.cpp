#include "cli/PolicyReport.h"

#include "app/DriveMask.h"
#include "cli/ArgumentText.h"
#include "cli/MaskValueParser.h"
#include "cli/PolicyFormatter.h"

namespace {

const char* const kHiveNames[] = {"HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER"};
const std::size_t kColumn = 22;

std::string ShownBytes(const std::string& data) {
  const std::size_t kShown = 16;
  return HexBytes(data.substr(0, kShown), " ") + (data.size() > kShown ? " ..." : "");
}

std::string Hex8(std::uint32_t value) {
  const std::string hex = FormatMaskHex(value);
  return "0x" + std::string(8 - hex.size(), '0') + hex;
}

}  // namespace

const char PolicyReport::kLookupNote[] =
    "Explorer takes each value from HKEY_LOCAL_MACHINE when it is set there, else from\n"
    "HKEY_CURRENT_USER. It reads them when it starts: log off and on after a change.\n";

const char* PolicyReport::Heading(PolicyName name) {
  return name == PolicyName::NoDrives ? "NoDrives (hides drives in Explorer and the file dialogs)"
                                      : "NoViewOnDrive (prevents opening drives in Explorer)";
}

std::string PolicyReport::TypeName(std::uint32_t type) {
  static const char* const kNames[] = {"REG_NONE",   "REG_SZ",      "REG_EXPAND_SZ",
                                       "REG_BINARY", "REG_DWORD",   "REG_DWORD_BIG_ENDIAN",
                                       "REG_LINK",   "REG_MULTI_SZ"};
  if (type < sizeof kNames / sizeof kNames[0]) return kNames[type];
  if (type == kRegQword) return "REG_QWORD";
  return "a value of type " + std::to_string(type);
}

// "hides A, B, E-Z; leaves C, D visible", or "blocks ..." for NoViewOnDrive.
std::string PolicyReport::Effect(PolicyName name, std::uint32_t mask) {
  const bool hides = name == PolicyName::NoDrives;
  const std::string verb = hides ? "hides" : "blocks";
  std::string text = PolicyFormatter(mask & kAllDrivesMask)
                         .Sentence(verb, "", ", A to Z", hides ? " visible" : " open");
  if ((mask & ~kAllDrivesMask) != 0) {
    text +=
        "; " + MaskValueParser::DescribeBitsAboveZ(mask) + " lie above Z: and stand for no drive";
  }
  return text;
}

// The value as found: its type, its raw value and what Explorer makes of it.
std::string PolicyReport::DescribeValue(PolicyName name, const PolicyValue& value) {
  switch (value.state) {
    case PolicyValue::State::Unknown:
      return "not in this export";
    case PolicyValue::State::NotSet:
      return "not set";
    case PolicyValue::State::Unreadable:
      return "cannot be read: " + value.note;
    case PolicyValue::State::Set:
      break;
  }
  std::uint32_t mask = 0;
  const bool read = PolicyReport::ReadsAsMask(value, mask);
  std::string raw;
  if (value.type == kRegSz || value.type == kRegExpandSz) {
    raw = TypeName(value.type) + " " + QuotedText(value.data);
  } else if (value.type == kRegDword && read) {
    raw = "REG_DWORD " + Hex8(mask);
  } else {
    raw = TypeName(value.type) + " of " + std::to_string(value.data.size()) +
          (value.data.size() == 1 ? " byte" : " bytes") +
          (value.data.empty() ? "" : ", " + ShownBytes(value.data));
    if (read) raw += ", read as " + Hex8(mask);
  }
  if (!read) {
    return raw + ": ignored by Explorer, which reads only a REG_DWORD or a 4-byte REG_BINARY";
  }
  return raw + " (" + std::to_string(mask) + "): " + Effect(name, mask);
}

// "  LABEL   text", the text wrapped at spaces to lines of at most 80
// characters, continued under its first word.
std::string PolicyReport::Entry(const std::string& label, const std::string& text) {
  const std::size_t kWidth = 80;
  const std::string indent(2 + kColumn, ' ');
  std::string out =
      "  " + label + std::string(label.size() < kColumn ? kColumn - label.size() : 1, ' ');
  std::size_t column = out.size();
  std::string::size_type start = 0;
  while (start < text.size()) {
    std::string::size_type end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    if (column > indent.size() && column + 1 + word.size() > kWidth) {
      out += "\n" + indent;
      column = indent.size();
    } else if (column > indent.size()) {
      out += ' ';
      ++column;
    }
    out += word;
    column += word.size();
    start = end + 1;
  }
  return out + "\n";
}

namespace {

// Which value Explorer applies, and what it does.
std::string Applies(PolicyName name, const PolicyValue& machine, const PolicyValue& user) {
  std::uint32_t mask = 0;
  if (PolicyReport::ReadsAsMask(machine, mask)) {
    return "the HKEY_LOCAL_MACHINE value: " + PolicyReport::Effect(name, mask);
  }
  const bool machineIgnored = machine.state == PolicyValue::State::Set;
  const bool machineUnknown = machine.state == PolicyValue::State::Unknown ||
                              machine.state == PolicyValue::State::Unreadable;
  if (PolicyReport::ReadsAsMask(user, mask)) {
    std::string text = "the HKEY_CURRENT_USER value";
    if (machineIgnored) text += " (the HKEY_LOCAL_MACHINE one is ignored)";
    if (machineUnknown) text += ", unless HKEY_LOCAL_MACHINE sets one";
    return text + ": " + PolicyReport::Effect(name, mask);
  }
  const std::string none =
      name == PolicyName::NoDrives ? "every drive stays visible" : "every drive can be opened";
  if (machineUnknown || user.state == PolicyValue::State::Unknown ||
      user.state == PolicyValue::State::Unreadable) {
    return "no value in what could be read; if none is set elsewhere, " + none;
  }
  return "none: " + none;
}

}  // namespace

bool PolicyReport::ReadsAsMask(const PolicyValue& value, std::uint32_t& mask) {
  if (value.state != PolicyValue::State::Set || value.data.size() != 4 ||
      (value.type != kRegDword && value.type != kRegBinary)) {
    return false;
  }
  mask = 0;
  for (int i = 3; i >= 0; --i) mask = mask << 8 | static_cast<unsigned char>(value.data[i]);
  return true;
}

std::string PolicyReport::Explain(const PolicyValues& values, const std::string& source) {
  std::string out = "Explorer drive policy, from " + source + "\n";
  out += std::string("Key: ") + kPolicyKeyPath + "\n";
  out += kLookupNote;
  for (PolicyName name : {PolicyName::NoDrives, PolicyName::NoViewOnDrive}) {
    out += std::string("\n") + Heading(name) + "\n";
    for (PolicyHive hive : {PolicyHive::LocalMachine, PolicyHive::CurrentUser}) {
      out += Entry(kHiveNames[static_cast<int>(hive)], DescribeValue(name, values.At(hive, name)));
    }
    out += Entry("Applies:", Applies(name, values.At(PolicyHive::LocalMachine, name),
                                     values.At(PolicyHive::CurrentUser, name)));
  }
  return out;
}
