// libFuzzer entry for the XML reader of Group Policy's small XML files.
// Besides memory errors (caught by AddressSanitizer) and hangs (libFuzzer's
// timeout) it checks the reader's promises about what it reports.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzRequire.h"
#include "cli/XmlDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::vector<XmlElement> elements;
  std::string error;
  if (XmlDocument::Parse(bytes, elements, error)) {
    // One root, and every other element's parent comes before it.
    Require(!elements.empty());
    Require(elements[0].parent == XmlElement::kNoParent);
    for (std::size_t i = 1; i < elements.size(); ++i) {
      Require(elements[i].parent < i);
      Require(elements[i].line >= elements[i - 1].line);
      Require(!elements[i].name.empty());
    }
    // Each element takes at least "<a/>", four bytes of the input (eight in UTF-16).
    Require(elements.size() <= size / 4);
  } else {
    Require(elements.empty());
    Require(!error.empty() && error.find('\n') == std::string::npos);
  }
  return 0;
}
