#include <gtest/gtest.h>

#include <utility>

#include "cli/ArgumentText.h"
#include "cli/XmlDocument.h"

namespace {

// The text in UTF-16 with its byte-order mark, little or big endian.
std::string Utf16Le(const std::string& text) { return "\xFF\xFE" + Utf16LeFromUtf8(text); }
std::string Utf16Be(const std::string& text) {
  std::string bytes = Utf16LeFromUtf8(text);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) std::swap(bytes[i], bytes[i + 1]);
  return "\xFE\xFF" + bytes;
}

}  // namespace

TEST(XmlDocument, ReadsEveryEncodingQuoteAndReferenceTheFilesUse) {
  const std::string doc =
      "<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n<!-- a comment -->\r\n"
      "<a:Root xmlns:a=\"urn:x\"><Item a:name='x &amp; &quot;y&quot;' "
      "v=\"&lt;&gt;&apos;&#233;&#x1F600;\">"
      "t<![CDATA[<raw> & ]]]>t</Item><Empty/></a:Root>";
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"UTF-8", doc},
      {"UTF-8 with its mark", "\xEF\xBB\xBF" + doc},
      {"UTF-16LE with its mark", Utf16Le(doc)},
      {"UTF-16BE with its mark", Utf16Be(doc)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<XmlElement> elements;
    std::string error;
    ASSERT_TRUE(XmlDocument::Parse(c.bytes, elements, error)) << error;
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_EQ(elements[0].name, "a:Root");
    EXPECT_EQ(XmlElement::LocalName(elements[0].name), "Root");
    EXPECT_EQ(elements[1].parent, 0u);
    EXPECT_EQ(elements[1].line, 3u);
    ASSERT_NE(elements[1].Attribute("name"), nullptr);
    EXPECT_EQ(*elements[1].Attribute("name"), "x & \"y\"");
    EXPECT_EQ(*elements[1].Attribute("v"), "<>'\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(elements[1].text, "t<raw> & ]t");
    EXPECT_EQ(elements[2].name, "Empty");
    EXPECT_EQ(elements[2].Attribute("name"), nullptr);
  }
}

TEST(XmlDocument, RefusesWhatIsNotOneWellFormedElementWithTheLine) {
  const struct {
    const char* name;
    std::string bytes;
    const char* error;
  } cases[] = {
      {"empty", "", "line 1: expected an element, but the file ends"},
      {"unclosed", "<a>\n<b>", "line 2: expected </b>, but the file ends"},
      {"crossed", "<a><b></a></b>", "line 1: expected </b>, found </a>"},
      {"two roots", "<a/><b/>", "line 1: expected nothing after the root element"},
      {"unknown entity", "<a>\n&bogus;</a>", "line 2: expected one of &amp;"},
      {"entity without end", "<a>&amp</a>", "line 1: expected a reference"},
      {"character zero", "<a>&#0;</a>", "line 1: expected one of &amp;"},
      {"character beyond Unicode", "<a>&#x110000;</a>", "line 1: expected one of &amp;"},
      {"a huge number", "<a>&#9999999999;</a>", "line 1: expected one of &amp;"},
      {"a document type", "<!DOCTYPE a [<!ENTITY x \"y\">]><a/>", "line 1: expected no document"},
      {"unquoted attribute", "<a b=c/>", "line 1: expected a quoted value for the attribute b"},
      {"attribute twice", "<a b='1' b='2'/>", "line 1: expected the attribute b only once"},
      {"unclosed quote", "<a b='1/>", "line 1: expected the closing ' of the attribute b"},
      {"'<' in a value", "<a b='<'/>", "line 1: expected no '<' in the value of b"},
      {"unclosed comment", "<a><!-- x</a>", "line 1: expected '-->' to end the comment"},
      {"text outside", "x<a/>", "line 1: expected '<', found text outside the root element"},
      {"bytes that are no UTF-8", "<a>\xC3(</a>", "line 1: expected UTF-8 text"},
      {"an odd UTF-16 length", "\xFF\xFE<\0a\0/\0>\0x", "the UTF-16 text has an odd number"},
      {"a NUL in UTF-16", std::string("\xFF\xFE<\0a\0\0\0", 8),
       "line 1: expected text, found U+0000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<XmlElement> elements(1);
    std::string error;
    EXPECT_FALSE(XmlDocument::Parse(c.bytes, elements, error));
    EXPECT_EQ(error.compare(0, std::string(c.error).size(), c.error), 0) << error;
    EXPECT_TRUE(elements.empty());
  }
}

TEST(XmlDocument, DeepNestingNeedsNoStack) {
  const std::size_t depth = 100000;
  std::string bytes;
  for (std::size_t i = 0; i < depth; ++i) bytes += "<a>";
  for (std::size_t i = 0; i < depth; ++i) bytes += "</a>";
  std::vector<XmlElement> elements;
  std::string error;
  ASSERT_TRUE(XmlDocument::Parse(bytes, elements, error)) << error;
  EXPECT_EQ(elements.size(), depth);
  EXPECT_EQ(elements.back().parent, depth - 2);
}
