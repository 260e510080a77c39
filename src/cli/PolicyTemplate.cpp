#include "cli/PolicyTemplate.h"

#include "app/DriveMask.h"
#include "cli/ArgumentText.h"
#include "cli/DriveSelection.h"
#include "cli/PolicyFormatter.h"
#include "cli/PolicyValues.h"

namespace {

const char kCategory[] = "Drive policies (Veskel)";
const std::size_t kLongestLabel = 100;

// The two policies, in the order they are written.
struct PolicyText {
  const char* name;       // policy name and string id
  const char* valueName;  // registry value
  const char* title;
  const char* help;
};
const PolicyText kPolicies[] = {
    {"VeskelHideDrives", "NoDrives", "Hide drives in Explorer (your own choices)",
     "Hides the drives of the chosen combination in Explorer and in the file dialogs. The "
     "drives stay usable by programs and at the command prompt.\n\nEach choice is a set of drives "
     "that stay visible; the others are hidden. The policy sets the registry value NoDrives "
     "under "},
    {"VeskelBlockDrives", "NoViewOnDrive",
     "Prevent access to drives from Explorer (your own choices)",
     "Prevents users from opening the drives of the chosen combination in Explorer. The drives "
     "stay visible unless they are hidden too.\n\nEach choice is a set of drives that stay open; "
     "the others are blocked. The policy sets the registry value NoViewOnDrive under "},
};

std::string Help(const PolicyText& policy) {
  return std::string(policy.help) + kPolicyKeyPath +
         ".\n\nUsers must log off and on again before a change takes effect.";
}

std::string Xml(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// An ADM string: line feeds become \n, the form ADM strings take.
std::string AdmString(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string ChoiceId(std::size_t index) {
  return "VeskelDrives_Choice" + std::to_string(index + 1);
}

}  // namespace

bool PolicyTemplate::AddChoice(const std::string& argument, bool forAdm, std::string& error) {
  const std::string::size_type equals = argument.rfind('=');
  if (equals == std::string::npos) {
    error = "the choice " + QuotedText(argument) +
            " has no =; write --choice \"LABEL=DRIVES\", such as \"Only C and D=C,D\"";
    return false;
  }
  const std::string label = TrimBlanks(argument.substr(0, equals));
  const std::string drives = argument.substr(equals + 1);
  if (label.empty()) {
    error = "the choice " + QuotedText(argument) + " has no label before the =";
    return false;
  }
  if (label.size() > kLongestLabel) {
    error = "the label " + QuotedText(label) + " is longer than " + std::to_string(kLongestLabel) +
            " characters";
    return false;
  }
  // ADM strings end at a double quote and read \n as a line break; neither
  // can be escaped there.
  if (forAdm && label.find_first_of("\"\\") != std::string::npos) {
    error = "the label " + QuotedText(label) +
            " holds a double quote or a backslash, which an ADM string cannot carry";
    return false;
  }
  // The drives that stay visible, as for keep: several words or one list.
  DriveSelection selection;
  std::string::size_type start = 0;
  while (start <= drives.size()) {
    std::string::size_type space = drives.find(' ', start);
    if (space == std::string::npos) space = drives.size();
    const std::string word = drives.substr(start, space - start);
    if (!word.empty()) {
      if (!selection.Add(word, error)) {
        error = "the choice " + QuotedText(label) + ": " + error;
        return false;
      }
    }
    start = space + 1;
  }
  if (!selection.HasWords()) {
    error = "the choice " + QuotedText(label) +
            " names no drives after the =; name the drives that stay visible, or all or none";
    return false;
  }
  const std::uint32_t mask = ComputeDriveMask(selection.Selected());
  for (const Choice& other : m_choices) {
    if (LowerAscii(other.label) == LowerAscii(label)) {
      error = "two choices are labelled " + QuotedText(label) + "; give each its own label";
      return false;
    }
    if (other.mask == mask) {
      error = "the choices " + QuotedText(other.label) + " and " + QuotedText(label) +
              " give the same mask, " + FormatMaskDecimal(mask) + "; keep one of them";
      return false;
    }
  }
  m_choices.push_back({label, mask});
  return true;
}

std::string PolicyTemplate::Outline() const {
  std::string text = std::string("Category \"") + kCategory + "\", " +
                     (m_machine ? "computer configuration (HKLM)" : "user configuration (HKCU)") +
                     ", with two policies:\n";
  for (const PolicyText& policy : kPolicies) {
    const std::string title = policy.title;
    text += "  " + title + std::string(title.size() < 59 ? 59 - title.size() : 1, ' ') + "sets " +
            policy.valueName + "\n";
  }
  text += "each offering these choices:\n";
  std::size_t width = 0;
  for (const Choice& choice : m_choices) {
    width = choice.label.size() > width ? choice.label.size() : width;
  }
  for (const Choice& choice : m_choices) {
    const std::string decimal = FormatMaskDecimal(choice.mask);
    text += "  " + choice.label + std::string(width + 2 - choice.label.size(), ' ') + decimal +
            std::string(10 - decimal.size(), ' ') +
            PolicyFormatter(choice.mask).Sentence("restricts", "", "", "") + "\n";
  }
  return text;
}

std::string PolicyTemplate::Admx() const {
  std::string out = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
  out +=
      "<!-- Drive policies with your own choices, written by drivemask template. Copy this "
      "file into a PolicyDefinitions folder and en-US/" +
      std::string(kAdmlName) + " into its en-US folder. -->\n";
  out +=
      "<policyDefinitions xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" revision=\"1.0\" "
      "schemaVersion=\"1.0\" "
      "xmlns=\"http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions\">\n";
  out += "  <policyNamespaces>\n";
  out += "    <target prefix=\"veskeldrives\" namespace=\"Veskel.Policies.DriveMask\" />\n";
  out += "  </policyNamespaces>\n";
  out += "  <resources minRequiredRevision=\"1.0\" />\n";
  out += "  <supportedOn>\n    <definitions>\n";
  out +=
      "      <definition name=\"VeskelDrives_Supported\" "
      "displayName=\"$(string.VeskelDrives_Supported)\" />\n";
  out += "    </definitions>\n  </supportedOn>\n";
  out += "  <categories>\n";
  out += "    <category name=\"VeskelDrives\" displayName=\"$(string.VeskelDrives)\" />\n";
  out += "  </categories>\n";
  out += "  <policies>\n";
  for (const PolicyText& policy : kPolicies) {
    const std::string name = policy.name;
    out += "    <policy name=\"" + name + "\" class=\"" + (m_machine ? "Machine" : "User") +
           "\" displayName=\"$(string." + name + ")\" explainText=\"$(string." + name +
           "_Help)\" presentation=\"$(presentation." + name + ")\" key=\"" + kPolicyKeyPath +
           "\">\n";
    out += "      <parentCategory ref=\"VeskelDrives\" />\n";
    out += "      <supportedOn ref=\"VeskelDrives_Supported\" />\n";
    out += "      <elements>\n";
    out += "        <enum id=\"" + name + "_Choice\" valueName=\"" + policy.valueName +
           "\" required=\"true\">\n";
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
      out += "          <item displayName=\"$(string." + ChoiceId(i) + ")\">\n";
      out += "            <value>\n";
      out += "              <decimal value=\"" + FormatMaskDecimal(m_choices[i].mask) + "\" />\n";
      out += "            </value>\n";
      out += "          </item>\n";
    }
    out += "        </enum>\n";
    out += "      </elements>\n";
    out += "    </policy>\n";
  }
  out += "  </policies>\n";
  out += "</policyDefinitions>\n";
  return WithCrLf(out);
}

std::string PolicyTemplate::Adml() const {
  std::string out = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
  out +=
      "<policyDefinitionResources xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" revision=\"1.0\" "
      "schemaVersion=\"1.0\" "
      "xmlns=\"http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions\">\n";
  out += "  <displayName>" + Xml(kCategory) + "</displayName>\n";
  out +=
      "  <description>Hide drives, or prevent access to them, with your own "
      "choices</description>\n";
  out += "  <resources>\n";
  out += "    <stringTable>\n";
  const auto string = [&out](const std::string& id, const std::string& text) {
    out += "      <string id=\"" + id + "\">" + Xml(text) + "</string>\n";
  };
  string("VeskelDrives_Supported", "At least Windows 2000");
  string("VeskelDrives", kCategory);
  for (const PolicyText& policy : kPolicies) {
    string(policy.name, policy.title);
    string(std::string(policy.name) + "_Help", Help(policy));
  }
  for (std::size_t i = 0; i < m_choices.size(); ++i) string(ChoiceId(i), m_choices[i].label);
  out += "    </stringTable>\n";
  out += "    <presentationTable>\n";
  for (const PolicyText& policy : kPolicies) {
    const std::string name = policy.name;
    out += "      <presentation id=\"" + name + "\">\n";
    out += "        <dropdownList refId=\"" + name +
           "_Choice\" noSort=\"true\" defaultItem=\"0\">Pick one of these "
           "combinations</dropdownList>\n";
    out += "      </presentation>\n";
  }
  out += "    </presentationTable>\n";
  out += "  </resources>\n";
  out += "</policyDefinitionResources>\n";
  return WithCrLf(out);
}

std::string PolicyTemplate::Adm() const {
  std::string out =
      "; Drive policies with your own choices, written by drivemask template.\n"
      "; Add it in the Group Policy editor: Administrative Templates, Add/Remove Templates.\n\n";
  out += m_machine ? "CLASS MACHINE\n\n" : "CLASS USER\n\n";
  out += "CATEGORY !!VeskelDrives\n";
  for (const PolicyText& policy : kPolicies) {
    const std::string name = policy.name;
    out += "  POLICY !!" + name + "\n";
    out += "    KEYNAME \"" + std::string(kPolicyKeyPath) + "\"\n";
    out += "    #if version >= 4\n";
    out += "      EXPLAIN !!" + name + "_Help\n";
    out += "    #endif\n";
    out += "    PART !!" + name + "_Choice DROPDOWNLIST NOSORT REQUIRED\n";
    out += "      VALUENAME \"" + std::string(policy.valueName) + "\"\n";
    out += "      ITEMLIST\n";
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
      out += "        NAME !!" + ChoiceId(i) + " VALUE NUMERIC " +
             FormatMaskDecimal(m_choices[i].mask) + "\n";
    }
    out += "      END ITEMLIST\n";
    out += "    END PART\n";
    out += "  END POLICY\n";
  }
  out += "END CATEGORY\n\n";
  out += "[strings]\n";
  out += "VeskelDrives=" + AdmString(kCategory) + "\n";
  for (const PolicyText& policy : kPolicies) {
    out += std::string(policy.name) + "=" + AdmString(policy.title) + "\n";
    out += std::string(policy.name) + "_Help=" + AdmString(Help(policy)) + "\n";
    out +=
        std::string(policy.name) + "_Choice=" + AdmString("Pick one of these combinations") + "\n";
  }
  for (std::size_t i = 0; i < m_choices.size(); ++i) {
    out += ChoiceId(i) + "=" + AdmString(m_choices[i].label) + "\n";
  }
  return WithCrLf(out);
}
