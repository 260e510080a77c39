#include "framework/AfxLoadSysColorBitmap.h"

#include <cstring>
#include <vector>

namespace {

struct ColorMapping {
  COLORREF from;  // as RGB()
  int sysColor;
};

const ColorMapping kButtonColors[] = {
    {RGB(0x00, 0x00, 0x00), COLOR_BTNTEXT},
    {RGB(0x80, 0x80, 0x80), COLOR_BTNSHADOW},
    {RGB(0xC0, 0xC0, 0xC0), COLOR_BTNFACE},
    {RGB(0xFF, 0xFF, 0xFF), COLOR_BTNHIGHLIGHT},
};

COLORREF QuadColor(const RGBQUAD& q) { return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue); }

}  // namespace

HBITMAP AfxLoadSysColorBitmap(HINSTANCE module, HRSRC resource, BOOL mono) {
  if (resource == nullptr) {
    return nullptr;
  }
  HGLOBAL loaded = LoadResource(module, resource);
  const DWORD size = SizeofResource(module, resource);
  const BYTE* data = loaded == nullptr ? nullptr : static_cast<const BYTE*>(LockResource(loaded));
  if (data == nullptr || size < sizeof(BITMAPINFOHEADER)) {
    return nullptr;
  }
  BITMAPINFOHEADER header;
  std::memcpy(&header, data, sizeof(header));
  if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > size || header.biBitCount > 8 ||
      header.biBitCount == 0 || header.biCompression != BI_RGB || header.biWidth <= 0 ||
      header.biHeight == 0 || header.biPlanes != 1) {
    return nullptr;
  }
  DWORD colors = header.biClrUsed != 0 ? header.biClrUsed : (1u << header.biBitCount);
  if (colors > 256) {
    return nullptr;
  }
  const LONG height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
  const DWORD stride = ((static_cast<DWORD>(header.biWidth) * header.biBitCount + 31) / 32) * 4;
  const DWORD tableBytes = colors * sizeof(RGBQUAD);
  const DWORD bitsOffset = header.biSize + tableBytes;
  if (bitsOffset > size || static_cast<unsigned long long>(stride) * height > size - bitsOffset) {
    return nullptr;
  }

  // A private copy of the header and the colour table, with the button
  // colours replaced.
  std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD), 0);
  std::memcpy(info.data(), &header, sizeof(header));
  reinterpret_cast<BITMAPINFOHEADER*>(info.data())->biSize = sizeof(BITMAPINFOHEADER);
  RGBQUAD* table = reinterpret_cast<RGBQUAD*>(info.data() + sizeof(BITMAPINFOHEADER));
  std::memcpy(table, data + header.biSize, tableBytes);
  for (DWORD i = 0; i < colors; ++i) {
    for (const ColorMapping& mapping : kButtonColors) {
      if (QuadColor(table[i]) == mapping.from) {
        const COLORREF to = GetSysColor(mapping.sysColor);
        table[i].rgbRed = GetRValue(to);
        table[i].rgbGreen = GetGValue(to);
        table[i].rgbBlue = GetBValue(to);
        break;
      }
    }
  }

  HDC screen = GetDC(nullptr);
  if (screen == nullptr) {
    return nullptr;
  }
  HBITMAP bitmap = mono ? CreateBitmap(header.biWidth, height, 1, 1, nullptr)
                        : CreateCompatibleBitmap(screen, header.biWidth, height);
  if (bitmap != nullptr &&
      SetDIBits(screen, bitmap, 0, static_cast<UINT>(height), data + bitsOffset,
                reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS) == 0) {
    DeleteObject(bitmap);
    bitmap = nullptr;
  }
  ReleaseDC(nullptr, screen);
  return bitmap;
}
