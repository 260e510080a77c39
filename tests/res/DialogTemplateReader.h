// Reads an extended dialog template (DLGTEMPLATEEX) as it sits in a resource.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

// A field that holds either a 16-bit ordinal (0xFFFF marker) or a string.
struct NameOrOrdinal {
  bool isOrdinal = false;
  WORD ordinal = 0;
  std::wstring name;
};

struct DialogItem {
  DWORD helpId = 0;
  DWORD exStyle = 0;
  DWORD style = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  DWORD id = 0;
  NameOrOrdinal windowClass;
  NameOrOrdinal title;
  WORD extraBytes = 0;
};

struct DialogTemplate {
  WORD version = 0;
  WORD signature = 0;
  DWORD helpId = 0;
  DWORD exStyle = 0;
  DWORD style = 0;
  WORD itemCount = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  NameOrOrdinal menu;
  NameOrOrdinal windowClass;
  std::wstring title;
  WORD pointSize = 0;
  WORD weight = 0;
  BYTE italic = 0;
  BYTE charset = 0;
  std::wstring typeface;
  std::vector<DialogItem> items;
};

class DialogTemplateReader {
 public:
  DialogTemplateReader(const void* data, std::size_t size);

  // Parses the whole template; false when it is not an extended template or
  // any field runs past the end of the data.
  bool Read(DialogTemplate* out);

 private:
  bool Word(WORD* value);
  bool Dword(DWORD* value);
  bool Short(short* value);
  bool Byte(BYTE* value);
  bool String(std::wstring* value);
  bool Field(NameOrOrdinal* value);
  bool AlignDword();

  const BYTE* begin_;
  std::size_t size_;
  std::size_t pos_ = 0;
};
