#include "framework/CString.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "framework/Afx.h"

int CString::Compare(const char* other) const {
  return std::strcmp(m_text.c_str(), other != nullptr ? other : "");
}

int CString::CompareNoCase(const char* other) const {
  return ::lstrcmpiA(m_text.c_str(), other != nullptr ? other : "");
}

CString CString::Mid(int first, int count) const {
  const int length = GetLength();
  if (first < 0) {
    first = 0;
  }
  if (first >= length) {
    return CString();
  }
  if (count < 0 || count > length - first) {
    count = length - first;
  }
  return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Left(int count) const { return Mid(0, count < 0 ? 0 : count); }

CString CString::Right(int count) const {
  const int length = GetLength();
  if (count <= 0) {
    return CString();
  }
  if (count >= length) {
    return *this;
  }
  return Mid(length - count, count);
}

int CString::Find(char ch, int start) const {
  if (start < 0 || start >= GetLength()) {
    return -1;
  }
  const size_t at = m_text.find(ch, static_cast<size_t>(start));
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const char* sub, int start) const {
  if (sub == nullptr || start < 0 || start > GetLength()) {
    return -1;
  }
  const size_t at = m_text.find(sub, static_cast<size_t>(start));
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const {
  const size_t at = m_text.rfind(ch);
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

void CString::MakeUpper() {
  for (char& c : m_text) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
}

void CString::MakeLower() {
  for (char& c : m_text) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
}

void CString::TrimLeft() {
  size_t n = 0;
  while (n < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[n]))) {
    ++n;
  }
  m_text.erase(0, n);
}

void CString::TrimRight() {
  while (!m_text.empty() && std::isspace(static_cast<unsigned char>(m_text.back()))) {
    m_text.pop_back();
  }
}

int CString::Replace(char from, char to) {
  int n = 0;
  for (char& c : m_text) {
    if (c == from) {
      c = to;
      ++n;
    }
  }
  return n;
}

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int needed = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  if (needed < 0) {
    va_end(again);
    m_text.clear();
    return;
  }
  std::string text(static_cast<size_t>(needed) + 1, '\0');
  std::vsnprintf(&text[0], text.size(), format, again);
  va_end(again);
  text.resize(static_cast<size_t>(needed));
  m_text.swap(text);
}

BOOL CString::LoadString(UINT id) {
  // A string resource holds at most 65535 characters; grow until it fits.
  for (int size = 256; size <= 65536; size *= 4) {
    std::string buffer(static_cast<size_t>(size), '\0');
    const int n = ::LoadStringA(AfxGetResourceHandle(), id, &buffer[0], size);
    if (n <= 0) {
      return FALSE;
    }
    if (n < size - 1) {
      buffer.resize(static_cast<size_t>(n));
      m_text.swap(buffer);
      return TRUE;
    }
  }
  return FALSE;
}

char* CString::GetBuffer(int minLength) {
  if (minLength > GetLength()) {
    m_text.resize(static_cast<size_t>(minLength));
  }
  return &m_text[0];
}

char* CString::GetBufferSetLength(int length) {
  m_text.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return &m_text[0];
}

void CString::ReleaseBuffer(int newLength) {
  if (newLength < 0) {
    m_text.resize(std::strlen(m_text.c_str()));
  } else if (static_cast<size_t>(newLength) <= m_text.size()) {
    m_text.resize(static_cast<size_t>(newLength));
  }
}

CString operator+(const CString& a, const CString& b) { return CString(a.str() + b.str()); }
CString operator+(const CString& a, const char* b) {
  CString r(a);
  r += b;
  return r;
}
CString operator+(const char* a, const CString& b) {
  CString r(a);
  r += b;
  return r;
}
CString operator+(const CString& a, char b) {
  CString r(a);
  r += b;
  return r;
}
