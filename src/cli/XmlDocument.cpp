#include "cli/XmlDocument.h"

#include <cstdint>
#include <cstring>

#include "cli/ArgumentText.h"

namespace {

// A character XML allows in a document.
bool IsXmlCharacter(std::uint32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// UTF-16 (little or big endian) as UTF-8; false on an odd length, an unpaired
// surrogate or a character XML does not allow.
bool Utf16ToUtf8(const std::string& bytes, std::size_t from, bool bigEndian, std::string& text,
                 std::string& error) {
  if ((bytes.size() - from) % 2 != 0) {
    error = "the UTF-16 text has an odd number of bytes";
    return false;
  }
  text.clear();
  std::size_t line = 1;
  const auto unit = [&](std::size_t at) -> std::uint32_t {
    const unsigned char a = static_cast<unsigned char>(bytes[at]);
    const unsigned char b = static_cast<unsigned char>(bytes[at + 1]);
    return bigEndian ? (a << 8 | b) : (b << 8 | a);
  };
  for (std::size_t at = from; at < bytes.size(); at += 2) {
    std::uint32_t c = unit(at);
    if (c >= 0xD800 && c <= 0xDBFF && at + 3 < bytes.size() && unit(at + 2) >= 0xDC00 &&
        unit(at + 2) <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(at + 2) - 0xDC00);
      at += 2;
    }
    if (!IsXmlCharacter(c)) {
      error = "line " + std::to_string(line) + ": expected text, found U+" +
              HexDigits(c, c > 0xFFFF ? 5 : 4) + ", which XML does not allow";
      return false;
    }
    if (c == '\n') ++line;
    AppendUtf8(c, text);
  }
  return true;
}

// Checks UTF-8 text: well-formed, and only characters XML allows.
bool CheckUtf8(const std::string& text, std::string& error) {
  std::size_t line = 1;
  for (std::size_t at = 0; at < text.size();) {
    std::uint32_t c = 0;
    const std::size_t length = DecodeUtf8(text, at, c);
    if (length == 0 || !IsXmlCharacter(c)) {
      error = "line " + std::to_string(line) +
              ": expected UTF-8 text of characters XML allows, found other bytes";
      return false;
    }
    if (c == '\n') ++line;
    at += length;
  }
  return true;
}

bool IsNameCharacter(char c) {
  return !IsBlank(c) && c != '<' && c != '>' && c != '/' && c != '=' && c != '"' && c != '\'' &&
         c != '&' && c != '?' && c != '!';
}

class Parser {
 public:
  Parser(const std::string& text, std::vector<XmlElement>& elements, std::string& error)
      : m_text(text), m_elements(elements), m_error(error) {}

  bool Run() {
    bool rootSeen = false;
    while (m_at < m_text.size()) {
      if (m_text[m_at] != '<') {
        if (!Text()) return false;
      } else if (Starts("<?")) {
        if (!SkipPast("?>", "'?>' to end the processing instruction")) return false;
      } else if (Starts("<!--")) {
        if (!SkipPast("-->", "'-->' to end the comment")) return false;
      } else if (Starts("<![CDATA[")) {
        const std::size_t start = m_at + 9;
        if (m_open.empty()) return Fail("expected a CDATA section only inside an element");
        if (!SkipPast("]]>", "']]>' to end the CDATA section")) return false;
        m_elements[m_open.back()].text.append(m_text, start, m_at - 3 - start);
      } else if (Starts("<!")) {
        return Fail("expected no document type declaration (these files have none)");
      } else if (Starts("</")) {
        if (!EndTag()) return false;
      } else {
        if (rootSeen && m_open.empty()) return Fail("expected nothing after the root element");
        rootSeen = true;
        if (!StartTag()) return false;
      }
    }
    if (!m_open.empty()) {
      return Fail("expected </" + m_elements[m_open.back()].name + ">, but the file ends");
    }
    if (!rootSeen) return Fail("expected an element, but the file ends");
    return true;
  }

 private:
  bool Fail(const std::string& what) {
    m_error = "line " + std::to_string(LineAt(m_at)) + ": " + what;
    return false;
  }

  // The line of a position at or after the last one asked about: counted on
  // from there, so a whole document costs one pass.
  std::size_t LineAt(std::size_t at) {
    for (; m_lineAt < at && m_lineAt < m_text.size(); ++m_lineAt)
      m_line += m_text[m_lineAt] == '\n';
    return m_line;
  }

  bool Starts(const char* prefix) const {
    return m_text.compare(m_at, std::strlen(prefix), prefix) == 0;
  }

  bool SkipPast(const char* end, const std::string& what) {
    const std::size_t found = m_text.find(end, m_at + 2);
    if (found == std::string::npos) return Fail("expected " + what + ", but the file ends");
    m_at = found + std::strlen(end);
    return true;
  }

  void SkipSpaces() {
    while (m_at < m_text.size() && IsBlank(m_text[m_at])) ++m_at;
  }

  bool Name(std::string& name, const char* what) {
    const std::size_t start = m_at;
    while (m_at < m_text.size() && IsNameCharacter(m_text[m_at])) ++m_at;
    if (m_at == start) return Fail(std::string("expected ") + what);
    name = m_text.substr(start, m_at - start);
    return true;
  }

  // A reference after '&': the character it stands for, appended to out.
  bool Reference(std::string& out) {
    const std::size_t semicolon = m_text.find(';', m_at);
    if (semicolon == std::string::npos || semicolon - m_at > 12) {
      return Fail("expected a reference such as &amp; or &#233; ending in ';'");
    }
    const std::string name = m_text.substr(m_at + 1, semicolon - m_at - 1);
    static const struct {
      const char* name;
      char c;
    } kNamed[] = {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& named : kNamed) {
      if (name == named.name) {
        out += named.c;
        m_at = semicolon + 1;
        return true;
      }
    }
    const bool hex = name.size() > 1 && name[0] == '#' && name[1] == 'x';
    const std::size_t digitsAt = hex ? 2 : 1;
    std::uint32_t c = 0;
    bool good = name.size() > digitsAt && name[0] == '#';
    for (std::size_t i = digitsAt; good && i < name.size(); ++i) {
      const char d = name[i];
      const int value = hex ? HexDigitValue(d) : d >= '0' && d <= '9' ? d - '0' : -1;
      good = value >= 0 && c <= 0x10FFFF;
      c = c * (hex ? 16 : 10) + static_cast<std::uint32_t>(value);
    }
    if (!good || !IsXmlCharacter(c)) {
      std::string shown = name;  // kept on one line
      for (char& d : shown) d = static_cast<unsigned char>(d) < 0x20 ? '?' : d;
      return Fail("expected one of &amp; &lt; &gt; &quot; &apos; or a character number, found &" +
                  shown + ";");
    }
    AppendUtf8(c, out);
    m_at = semicolon + 1;
    return true;
  }

  bool Text() {
    std::string text;
    while (m_at < m_text.size() && m_text[m_at] != '<') {
      if (m_text[m_at] == '&') {
        if (!Reference(text)) return false;
      } else {
        text += m_text[m_at++];
      }
    }
    if (m_open.empty()) {
      for (char c : text) {
        if (!IsBlank(c)) return Fail("expected '<', found text outside the root element");
      }
      return true;
    }
    m_elements[m_open.back()].text += text;
    return true;
  }

  bool StartTag() {
    XmlElement element;
    element.line = LineAt(m_at);
    ++m_at;
    if (!Name(element.name, "an element name after '<'")) return false;
    for (;;) {
      const std::size_t before = m_at;
      SkipSpaces();
      if (Starts("/>") || Starts(">")) break;
      if (m_at == before) return Fail("expected a space, '>' or '/>' after <" + element.name);
      std::string name;
      if (!Name(name, "an attribute name, '>' or '/>'")) return false;
      SkipSpaces();
      if (!Starts("=")) return Fail("expected '=' after the attribute name " + name);
      ++m_at;
      SkipSpaces();
      if (m_at >= m_text.size() || (m_text[m_at] != '"' && m_text[m_at] != '\'')) {
        return Fail("expected a quoted value for the attribute " + name);
      }
      const char quote = m_text[m_at++];
      std::string value;
      while (m_at < m_text.size() && m_text[m_at] != quote) {
        if (m_text[m_at] == '<') return Fail("expected no '<' in the value of " + name);
        if (m_text[m_at] == '&') {
          if (!Reference(value)) return false;
        } else {
          value += m_text[m_at++];
        }
      }
      if (m_at >= m_text.size()) {
        return Fail(std::string("expected the closing ") + quote + " of the attribute " + name);
      }
      ++m_at;
      for (const auto& attribute : element.attributes) {
        if (attribute.first == name) return Fail("expected the attribute " + name + " only once");
      }
      element.attributes.emplace_back(name, value);
    }
    element.parent = m_open.empty() ? XmlElement::kNoParent : m_open.back();
    m_elements.push_back(std::move(element));
    if (Starts("/>")) {
      m_at += 2;
    } else {
      ++m_at;
      m_open.push_back(m_elements.size() - 1);
    }
    return true;
  }

  bool EndTag() {
    m_at += 2;
    std::string name;
    if (!Name(name, "an element name after '</'")) return false;
    SkipSpaces();
    if (!Starts(">")) return Fail("expected '>' to end </" + name);
    if (m_open.empty() || m_elements[m_open.back()].name != name) {
      return Fail(m_open.empty() ? "expected no end tag </" + name + "> here"
                                 : "expected </" + m_elements[m_open.back()].name + ">, found </" +
                                       name + ">");
    }
    ++m_at;
    m_open.pop_back();
    return true;
  }

  const std::string& m_text;
  std::vector<XmlElement>& m_elements;
  std::string& m_error;
  std::vector<std::size_t> m_open;
  std::size_t m_at = 0;
  std::size_t m_lineAt = 0;
  std::size_t m_line = 1;
};

}  // namespace

std::string XmlElement::LocalName(const std::string& name) {
  const std::string::size_type colon = name.find(':');
  return colon == std::string::npos ? name : name.substr(colon + 1);
}

const std::string* XmlElement::Attribute(const std::string& localName) const {
  for (const auto& attribute : attributes) {
    if (LocalName(attribute.first) == localName) return &attribute.second;
  }
  return nullptr;
}

bool XmlDocument::Parse(const std::string& bytes, std::vector<XmlElement>& elements,
                        std::string& error) {
  elements.clear();
  std::string text;
  const auto starts = [&bytes](const char* prefix, std::size_t length) {
    return bytes.compare(0, length, prefix, length) == 0;
  };
  if (starts("\xFF\xFE", 2) || starts("<\0", 2)) {
    if (!Utf16ToUtf8(bytes, starts("\xFF\xFE", 2) ? 2 : 0, false, text, error)) return false;
  } else if (starts("\xFE\xFF", 2) || starts("\0<", 2)) {
    if (!Utf16ToUtf8(bytes, starts("\xFE\xFF", 2) ? 2 : 0, true, text, error)) return false;
  } else {
    text = bytes.substr(starts("\xEF\xBB\xBF", 3) ? 3 : 0);
    if (!CheckUtf8(text, error)) return false;
  }
  std::vector<XmlElement> read;
  if (!Parser(text, read, error).Run()) return false;
  elements.swap(read);
  return true;
}
