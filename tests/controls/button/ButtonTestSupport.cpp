#include "ButtonTestSupport.h"

#include <algorithm>

#include "framework/HandleMapBase.h"

namespace button_test {

BEGIN_MESSAGE_MAP(TestButton, StyledButton)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(ParentWindow, CWnd)
ON_CONTROL_RANGE(BN_CLICKED, 1, 0xFFFF, OnChildClicked)
ON_CONTROL_RANGE(BN_DOUBLECLICKED, 1, 0xFFFF, OnChildDoubleClicked)
END_MESSAGE_MAP()

namespace {

const char* ParentClassName() {
  static const char kName[] = "ButtonTestParent";
  static const bool registered = [] {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = ::CreateSolidBrush(ParentWindow::kBackground);
    wc.lpszClassName = kName;
    return ::RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  return kName;
}

}  // namespace

BOOL ParentWindow::CreateParent(int x, int y, int width, int height, bool show) {
  RECT frame = {0, 0, width, height};
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
  ::AdjustWindowRectEx(&frame, style, FALSE, 0);
  if (!CreateEx(0, ParentClassName(), "button test", style, x, y, frame.right - frame.left,
                frame.bottom - frame.top, nullptr, nullptr)) {
    return FALSE;
  }
  if (show) {
    ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    ::UpdateWindow(m_hWnd);
  }
  return TRUE;
}

HWND CreateButtonControl(CWnd& parent, UINT id, DWORD type, const char* caption, int x, int y,
                         int width, int height, bool visible) {
  const DWORD style = WS_CHILD | WS_TABSTOP | type | (visible ? WS_VISIBLE : 0);
  HWND h = ::CreateWindowExA(0, "BUTTON", caption, style, x, y, width, height, parent.m_hWnd,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                             ::GetModuleHandleA(nullptr), nullptr);
  if (h != nullptr) {
    ::SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(CaptionFont()), FALSE);
  }
  return h;
}

HFONT CaptionFont() {
  static HFONT font =
      ::CreateFontA(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, "Arial");
  return font;
}

Canvas::Canvas(int width, int height, COLORREF fill) : m_width(width), m_height(height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  m_dc = ::CreateCompatibleDC(nullptr);
  m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  m_bits = static_cast<std::uint32_t*>(bits);
  m_previous = ::SelectObject(m_dc, m_bitmap);
  Fill(fill);
}

Canvas::~Canvas() {
  ::SelectObject(m_dc, m_previous);
  ::DeleteObject(m_bitmap);
  ::DeleteDC(m_dc);
}

COLORREF Canvas::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
    return CLR_INVALID;
  }
  ::GdiFlush();
  const std::uint32_t v = m_bits[y * m_width + x];
  return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

void Canvas::Fill(COLORREF color) {
  HBRUSH brush = ::CreateSolidBrush(color);
  RECT all = {0, 0, m_width, m_height};
  ::FillRect(m_dc, &all, brush);
  ::DeleteObject(brush);
}

int Canvas::Count(COLORREF color) const {
  int n = 0;
  for (int y = 0; y < m_height; ++y) {
    for (int x = 0; x < m_width; ++x) {
      n += At(x, y) == color ? 1 : 0;
    }
  }
  return n;
}

RECT Canvas::BoundsOf(COLORREF color) const {
  RECT r = {m_width, m_height, 0, 0};
  for (int y = 0; y < m_height; ++y) {
    for (int x = 0; x < m_width; ++x) {
      if (At(x, y) == color) {
        r.left = std::min<LONG>(r.left, x);
        r.top = std::min<LONG>(r.top, y);
        r.right = std::max<LONG>(r.right, x + 1);
        r.bottom = std::max<LONG>(r.bottom, y + 1);
      }
    }
  }
  if (r.right == 0) {
    r = RECT{0, 0, 0, 0};
  }
  return r;
}

HBITMAP SolidBitmap(int w, int h, COLORREF color) {
  HDC screen = ::GetDC(nullptr);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, w, h);
  HDC dc = ::CreateCompatibleDC(screen);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  HBRUSH brush = ::CreateSolidBrush(color);
  RECT r = {0, 0, w, h};
  ::FillRect(dc, &r, brush);
  ::DeleteObject(brush);
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  ::ReleaseDC(nullptr, screen);
  return bitmap;
}

HICON SolidIcon(int w, int h, COLORREF color) {
  ICONINFO info = {};
  info.fIcon = TRUE;
  info.hbmColor = SolidBitmap(w, h, color);
  info.hbmMask = ::CreateBitmap(w, h, 1, 1, nullptr);
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, info.hbmMask);
  ::PatBlt(dc, 0, 0, w, h, BLACKNESS);
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  HICON icon = ::CreateIconIndirect(&info);
  ::DeleteObject(info.hbmColor);
  ::DeleteObject(info.hbmMask);
  return icon;
}

void Paint(StyledButton& button, Canvas& canvas, UINT itemState) {
  DRAWITEMSTRUCT item = {};
  item.CtlType = ODT_BUTTON;
  item.CtlID = static_cast<UINT>(::GetDlgCtrlID(button.m_hWnd));
  item.itemAction = ODA_DRAWENTIRE;
  item.itemState = itemState;
  item.hwndItem = button.m_hWnd;
  item.hDC = canvas.dc();
  ::GetClientRect(button.m_hWnd, &item.rcItem);
  HGDIOBJ previousFont = ::SelectObject(canvas.dc(), CaptionFont());
  button.DrawItem(&item);
  ::SelectObject(canvas.dc(), previousFont);
}

void Pump(int ms) {
  const DWORD start = ::GetTickCount();
  do {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!CWnd::WalkPreTranslateTree(nullptr, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
      }
    }
    HandleMapBase::DeleteAllTemporaries();
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  } while (static_cast<int>(::GetTickCount() - start) < ms);
}

void MovePointer(int x, int y, int settleMs) {
  ::SetCursorPos(x, y);
  // A small relative move as well, so that the move arrives as input.
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_MOVE;
  input.mi.dx = 0;
  input.mi.dy = 0;
  ::SendInput(1, &input, sizeof(input));
  Pump(settleMs);
}

namespace {
void SendButton(DWORD flag) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flag;
  ::SendInput(1, &input, sizeof(input));
}
}  // namespace

void LeftDown() { SendButton(MOUSEEVENTF_LEFTDOWN); }
void LeftUp() { SendButton(MOUSEEVENTF_LEFTUP); }

POINT CentreOf(HWND window) {
  RECT r;
  ::GetWindowRect(window, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::string Describe(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

}  // namespace button_test

namespace button_test {

namespace {

void AppendWords(std::vector<WORD>& out, const void* data, std::size_t bytes) {
  const WORD* words = static_cast<const WORD*>(data);
  out.insert(out.end(), words, words + bytes / sizeof(WORD));
}

void AppendText(std::vector<WORD>& out, const char* text) {
  for (const char* p = text; *p != '\0'; ++p) {
    out.push_back(static_cast<WORD>(static_cast<unsigned char>(*p)));
  }
  out.push_back(0);
}

void AlignToDword(std::vector<WORD>& out) {
  if (out.size() % 2 != 0) {
    out.push_back(0);
  }
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

}  // namespace

HWND CreateTemplateDialog(const std::vector<ControlSpec>& controls, bool visible) {
  std::vector<WORD> t;
  DLGTEMPLATE header = {};
  header.style = WS_POPUP | WS_CAPTION | DS_SETFONT | (visible ? WS_VISIBLE : 0);
  header.cdit = static_cast<WORD>(controls.size());
  header.x = 10;
  header.y = 10;
  header.cx = 200;
  header.cy = 120;
  AppendWords(t, &header, sizeof(header));
  t.push_back(0);  // no menu
  t.push_back(0);  // the dialog class
  AppendText(t, "template");
  t.push_back(8);  // point size
  AppendText(t, "MS Shell Dlg");
  for (const ControlSpec& c : controls) {
    AlignToDword(t);
    DLGITEMTEMPLATE item = {};
    item.style = WS_CHILD | WS_VISIBLE | c.style;
    item.x = c.x;
    item.y = c.y;
    item.cx = c.cx;
    item.cy = c.cy;
    item.id = static_cast<WORD>(c.id);
    AppendWords(t, &item, sizeof(item));
    t.push_back(0xFFFF);
    t.push_back(0x0080);  // BUTTON
    AppendText(t, c.caption);
    t.push_back(0);  // no creation data
  }
  return ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr),
                                      reinterpret_cast<LPCDLGTEMPLATEA>(t.data()), nullptr,
                                      &PlainDialogProc, 0);
}

}  // namespace button_test
