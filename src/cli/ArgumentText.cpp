#include "cli/ArgumentText.h"

#include <cstdint>

namespace {

const char kHex[] = "0123456789abcdef";

std::string HexByte(unsigned value) {
  return std::string("\\x") + kHex[(value >> 4) & 0xF] + kHex[value & 0xF];
}

}  // namespace

std::string HexDigits(std::uint32_t value, int digits) {
  std::string text;
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
    text += "0123456789ABCDEF"[(value >> shift) & 0xF];
  }
  return text;
}

std::string HexBytes(const std::string& bytes, const char* separator) {
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const unsigned byte = static_cast<unsigned char>(bytes[i]);
    if (i > 0) text += separator;
    text += kHex[byte >> 4];
    text += kHex[byte & 0xF];
  }
  return text;
}

std::size_t DecodeUtf8(const std::string& text, std::size_t at, std::uint32_t& codePoint) {
  const unsigned char lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  }
  // The lead byte tells the length; the shortest form of each length starts
  // at least (anything shorter is an overlong, invalid form).
  static const struct {
    unsigned char mask, pattern, payload;
    std::size_t length;
    std::uint32_t least;
  } kForms[] = {
      {0xE0, 0xC0, 0x1F, 2, 0x80}, {0xF0, 0xE0, 0x0F, 3, 0x800}, {0xF8, 0xF0, 0x07, 4, 0x10000}};
  std::size_t length = 0;
  std::uint32_t value = 0;
  std::uint32_t least = 0;
  for (const auto& form : kForms) {
    if ((lead & form.mask) == form.pattern) {
      length = form.length;
      value = lead & form.payload;
      least = form.least;
    }
  }
  if (length == 0) return 0;
  if (at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) return 0;
    value = (value << 6) | (next & 0x3F);
  }
  if (value < least || value > 0x10FFFF) return 0;
  codePoint = value;
  return length;
}

void AppendUtf8(std::uint32_t c, std::string& out) {
  const int trail = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
  static const unsigned char kLead[] = {0x00, 0xC0, 0xE0, 0xF0};
  out += static_cast<char>(kLead[trail] | (c >> (6 * trail)));
  for (int i = trail - 1; i >= 0; --i) out += static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F));
}

namespace {

std::string EscapedCodePoint(std::uint32_t c) {
  if (c == '\n') return "\\n";
  if (c == '\r') return "\\r";
  if (c == '\t') return "\\t";
  if (c < 0x20 || c == 0x7F) return HexByte(c);
  if (c < 0x80) return std::string(1, static_cast<char>(c));
  return c <= 0xFFFF ? "\\u" + HexDigits(c, 4) : "\\U" + HexDigits(c, 8);
}

bool IsPrintable(char c) {
  const unsigned char byte = static_cast<unsigned char>(c);
  return byte >= 0x20 && byte <= 0x7E;
}

}  // namespace

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string TrimLeft(const std::string& text) {
  std::string::size_type begin = 0;
  while (begin < text.size() && IsBlank(text[begin])) ++begin;
  return text.substr(begin);
}

std::string TrimRight(const std::string& text) {
  std::string::size_type end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  return text.substr(0, end);
}

std::string TrimBlanks(const std::string& text) { return TrimLeft(TrimRight(text)); }

std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string EscapedText(const std::string& text, std::size_t limit) {
  std::string shown;
  std::size_t characters = 0;
  for (std::size_t at = 0; at < text.size(); ++characters) {
    if (characters == limit && limit != 0) return shown + "...";
    std::uint32_t c = 0;
    const std::size_t length = DecodeUtf8(text, at, c);
    if (length == 0) {
      shown += HexByte(static_cast<unsigned char>(text[at]));
      ++at;
    } else {
      shown += EscapedCodePoint(c);
      at += length;
    }
  }
  return shown;
}

std::string QuotedText(const std::string& text, std::size_t limit) {
  const std::string shown = EscapedText(text, limit);
  return shown.find('"') == std::string::npos ? "\"" + shown + "\"" : "'" + shown + "'";
}

bool CheckArgumentText(const std::string& text, std::size_t position, std::string& error) {
  std::size_t at = 0;
  while (at < text.size() && IsPrintable(text[at])) ++at;
  if (at == text.size()) return true;
  std::uint32_t c = 0;
  const std::size_t length = DecodeUtf8(text, at, c);
  std::string what;
  if (length == 0) {
    what =
        "the byte " + HexByte(static_cast<unsigned char>(text[at])) + ", which is not UTF-8 text";
  } else if (c < 0x80) {
    what = "the control character " + EscapedCodePoint(c);
  } else {
    what = "U+" + HexDigits(c, c <= 0xFFFF ? 4 : c <= 0xFFFFF ? 5 : 6);
  }
  error = "argument " + std::to_string(position) + ", " + QuotedText(text) + ", holds " + what +
          "; drivemask reads printable ASCII only (letters, digits, punctuation, spaces)";
  return false;
}

std::string Utf8FromUtf16(const char16_t* text) {
  std::string out;
  for (; *text != 0; ++text) {
    std::uint32_t c = *text;
    if (c >= 0xD800 && c <= 0xDBFF && text[1] >= 0xDC00 && text[1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[1] - 0xDC00u);
      ++text;
    }
    AppendUtf8(c, out);
  }
  return out;
}

std::string LowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Utf8FromUtf16Le(const std::string& bytes) {
  std::u16string wide;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    wide += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                  static_cast<unsigned char>(bytes[i + 1]) << 8);
  }
  return Utf8FromUtf16(wide.c_str());
}

std::string Utf16LeFromUtf8(const std::string& text) {
  std::string bytes;
  const auto unit = [&bytes](std::uint32_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
  };
  for (std::size_t at = 0; at < text.size();) {
    std::uint32_t c = 0xFFFD;
    const std::size_t length = DecodeUtf8(text, at, c);
    at += length == 0 ? 1 : length;
    if (c >= 0x10000) {
      unit(0xD800 + ((c - 0x10000) >> 10));
      unit(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      unit(c);
    }
  }
  return bytes;
}
