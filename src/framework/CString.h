#pragma once

#include <windows.h>

#include <string>

// A narrow (ANSI) character string with value semantics.
//
// GetBuffer hands out a writable buffer of at least the requested length;
// ReleaseBuffer takes the new length (or the text's length up to its first
// NUL) and must be called before the string is used again.
class CString {
 public:
  CString() = default;
  CString(const char* text) : m_text(text != nullptr ? text : "") {}
  CString(const char* text, int length)
      : m_text(text != nullptr && length > 0 ? std::string(text, static_cast<size_t>(length))
                                             : std::string()) {}
  CString(char ch, int repeat = 1) : m_text(repeat > 0 ? static_cast<size_t>(repeat) : 0, ch) {}
  CString(const std::string& text) : m_text(text) {}

  int GetLength() const { return static_cast<int>(m_text.size()); }
  BOOL IsEmpty() const { return m_text.empty(); }
  void Empty() { m_text.clear(); }
  operator const char*() const { return m_text.c_str(); }
  const char* GetString() const { return m_text.c_str(); }
  const std::string& str() const { return m_text; }

  char GetAt(int index) const { return m_text.at(static_cast<size_t>(index)); }
  void SetAt(int index, char ch) { m_text.at(static_cast<size_t>(index)) = ch; }
  char operator[](int index) const { return GetAt(index); }

  CString& operator=(const char* text) {
    m_text = text != nullptr ? text : "";
    return *this;
  }
  CString& operator=(char ch) {
    m_text.assign(1, ch);
    return *this;
  }
  CString& operator+=(const CString& other) {
    m_text += other.m_text;
    return *this;
  }
  CString& operator+=(const char* text) {
    if (text != nullptr) {
      m_text += text;
    }
    return *this;
  }
  CString& operator+=(char ch) {
    m_text += ch;
    return *this;
  }

  int Compare(const char* other) const;
  int CompareNoCase(const char* other) const;

  CString Mid(int first, int count = -1) const;
  CString Left(int count) const;
  CString Right(int count) const;
  // Index of the first occurrence at or after start, -1 when there is none.
  int Find(char ch, int start = 0) const;
  int Find(const char* sub, int start = 0) const;
  int ReverseFind(char ch) const;
  void MakeUpper();
  void MakeLower();
  void TrimLeft();
  void TrimRight();
  int Replace(char from, char to);

  // Formats like sprintf.
  void Format(const char* format, ...);
  // Loads string resource id from the resource module; FALSE when missing.
  BOOL LoadString(UINT id);

  // A writable buffer of at least minLength characters plus a NUL.
  char* GetBuffer(int minLength = 0);
  char* GetBufferSetLength(int length);
  // Ends the use of GetBuffer: the text is newLength characters long, or (-1)
  // up to its first NUL.
  void ReleaseBuffer(int newLength = -1);

 private:
  std::string m_text;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
CString operator+(const CString& a, char b);

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
inline bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, const char* b) { return a.Compare(b) != 0; }
inline bool operator!=(const char* a, const CString& b) { return b.Compare(a) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
