#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// One element of an XML file: its name and attributes as written (a prefix
// such as "bkp:" kept), its own character data (CDATA sections included, every
// reference resolved) and its parent.
struct XmlElement {
  static constexpr std::size_t kNoParent = static_cast<std::size_t>(-1);

  std::string name;
  std::vector<std::pair<std::string, std::string>> attributes;
  std::string text;
  std::size_t parent = kNoParent;  // index into the document's elements
  std::size_t line = 0;            // where its start tag begins, from 1

  // The name without its prefix ("GPODisplayName" for "bkp:GPODisplayName").
  static std::string LocalName(const std::string& name);
  // The value of the attribute whose local name is localName, or null.
  const std::string* Attribute(const std::string& localName) const;
};

// The small XML files of Group Policy (Preferences' Registry.xml, a backup's
// Backup.xml and bkupInfo.xml) read into their elements, by a reader that
// needs no library and is safe with any bytes: UTF-8 with or without a
// byte-order mark, UTF-16LE or UTF-16BE with one; both quote styles; the five
// named references and numeric ones. Not read: document type declarations
// (these files have none, and their entities are how XML files are made to
// explode), and the encoding declaration, which the byte-order mark decides.
// Iterative throughout: no depth of nesting can exhaust the stack.
class XmlDocument {
 public:
  // The elements in document order (a parent before its children). False
  // with a one-line message ("line 3: expected '=' after the attribute name
  // key") when the bytes are not a well-formed document of one root element.
  static bool Parse(const std::string& bytes, std::vector<XmlElement>& elements,
                    std::string& error);
};
