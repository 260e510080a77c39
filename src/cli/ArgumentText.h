#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Command-line text as drivemask checks it and shows it in its messages.
// Arguments are UTF-8 on every build (the Windows build converts its UTF-16
// command line without any best-fit mapping), so the same bytes give the same
// answer everywhere.

// Characters of an argument a message shows; a longer one is cut with "...".
constexpr std::size_t kShownArgumentLength = 40;

// The text with ASCII letters in lower case (for names matched in any case).
std::string LowerAscii(std::string text);

// The value of a hexadecimal digit (either case), or -1 for any other byte.
int HexDigitValue(char c);
// The value in upper-case hexadecimal, the given number of digits ("03FF").
std::string HexDigits(std::uint32_t value, int digits);
// The bytes in lower-case hexadecimal, two digits a byte, with the separator
// between bytes ("ff fe" with " ").
std::string HexBytes(const std::string& bytes, const char* separator = "");

// Spaces, tabs and line ends: what TrimBlanks removes and words are split at.
bool IsBlank(char c);
std::string TrimLeft(const std::string& text);
std::string TrimRight(const std::string& text);
std::string TrimBlanks(const std::string& text);

// The text with a carriage return before each line feed (Windows line ends).
std::string WithCrLf(const std::string& text);

// The text as one line of a message, without quotes: line feeds, tabs and
// other control characters escaped (\n, \t, \x1b), characters beyond ASCII as
// \uFF23 or \U0001F600, bytes that are no UTF-8 as \xff; cut after
// kShownArgumentLength characters with "..." (after shown characters when
// given; 0 shows the whole text, as for the path of a file).
std::string EscapedText(const std::string& text, std::size_t shown = kShownArgumentLength);

// EscapedText in double quotes, or in single quotes when it holds double
// quotes itself (a .reg line).
std::string QuotedText(const std::string& text, std::size_t shown = kShownArgumentLength);

// Refuses an argument that holds anything but printable ASCII, with a message
// naming the argument (by its position, 1 for the first) and the first
// character that is not allowed.
bool CheckArgumentText(const std::string& text, std::size_t position, std::string& error);

// One character of UTF-8 text at text[at]: its code point and length in bytes;
// length 0 when the bytes there are no UTF-8. Surrogate code points are read
// like any other, so that an unpaired surrogate of a Windows command line shows
// the same on every build.
std::size_t DecodeUtf8(const std::string& text, std::size_t at, std::uint32_t& codePoint);
// The code point appended to out as UTF-8.
void AppendUtf8(std::uint32_t c, std::string& out);

// UTF-16 text (a Windows command line) as UTF-8, with no code page in between.
// An unpaired surrogate is kept as its own three bytes, so that the argument
// check names it.
std::string Utf8FromUtf16(const char16_t* text);
// UTF-16LE bytes (a registry string, a Unicode .reg file after its byte-order
// mark) as UTF-8, up to the first zero character.
std::string Utf8FromUtf16Le(const std::string& bytes);
// UTF-8 text as UTF-16LE bytes, without a terminating zero; bytes that are no
// UTF-8 become U+FFFD.
std::string Utf16LeFromUtf8(const std::string& text);
