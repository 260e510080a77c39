#include "DialogTemplateReader.h"

#include <cstring>

DialogTemplateReader::DialogTemplateReader(const void* data, std::size_t size)
    : begin_(static_cast<const BYTE*>(data)), size_(data ? size : 0) {}

bool DialogTemplateReader::Byte(BYTE* value) {
  if (size_ - pos_ < 1) return false;
  *value = begin_[pos_++];
  return true;
}

bool DialogTemplateReader::Word(WORD* value) {
  if (size_ - pos_ < sizeof(WORD)) return false;
  std::memcpy(value, begin_ + pos_, sizeof(WORD));
  pos_ += sizeof(WORD);
  return true;
}

bool DialogTemplateReader::Short(short* value) {
  WORD raw = 0;
  if (!Word(&raw)) return false;
  *value = static_cast<short>(raw);
  return true;
}

bool DialogTemplateReader::Dword(DWORD* value) {
  if (size_ - pos_ < sizeof(DWORD)) return false;
  std::memcpy(value, begin_ + pos_, sizeof(DWORD));
  pos_ += sizeof(DWORD);
  return true;
}

bool DialogTemplateReader::String(std::wstring* value) {
  value->clear();
  for (;;) {
    WORD ch = 0;
    if (!Word(&ch)) return false;
    if (ch == 0) return true;
    value->push_back(static_cast<wchar_t>(ch));
  }
}

bool DialogTemplateReader::Field(NameOrOrdinal* value) {
  WORD first = 0;
  if (!Word(&first)) return false;
  *value = NameOrOrdinal();
  if (first == 0xFFFF) {
    value->isOrdinal = true;
    return Word(&value->ordinal);
  }
  if (first == 0) return true;
  value->name.push_back(static_cast<wchar_t>(first));
  std::wstring rest;
  if (!String(&rest)) return false;
  value->name += rest;
  return true;
}

bool DialogTemplateReader::AlignDword() {
  std::size_t aligned = (pos_ + 3) & ~static_cast<std::size_t>(3);
  if (aligned > size_) return false;
  pos_ = aligned;
  return true;
}

bool DialogTemplateReader::Read(DialogTemplate* out) {
  pos_ = 0;
  DialogTemplate t;
  if (!Word(&t.version) || !Word(&t.signature)) return false;
  if (t.version != 1 || t.signature != 0xFFFF) return false;
  if (!Dword(&t.helpId) || !Dword(&t.exStyle) || !Dword(&t.style) || !Word(&t.itemCount) ||
      !Short(&t.x) || !Short(&t.y) || !Short(&t.cx) || !Short(&t.cy) || !Field(&t.menu) ||
      !Field(&t.windowClass) || !String(&t.title)) {
    return false;
  }
  if (t.style & (DS_SETFONT | DS_SHELLFONT)) {
    if (!Word(&t.pointSize) || !Word(&t.weight) || !Byte(&t.italic) || !Byte(&t.charset) ||
        !String(&t.typeface)) {
      return false;
    }
  }
  for (WORD i = 0; i < t.itemCount; ++i) {
    DialogItem item;
    if (!AlignDword() || !Dword(&item.helpId) || !Dword(&item.exStyle) || !Dword(&item.style) ||
        !Short(&item.x) || !Short(&item.y) || !Short(&item.cx) || !Short(&item.cy) ||
        !Dword(&item.id) || !Field(&item.windowClass) || !Field(&item.title) ||
        !Word(&item.extraBytes)) {
      return false;
    }
    if (size_ - pos_ < item.extraBytes) return false;
    pos_ += item.extraBytes;
    t.items.push_back(item);
  }
  *out = t;
  return true;
}
