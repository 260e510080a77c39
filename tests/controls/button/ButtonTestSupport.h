#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "controls/button/StyledButton.h"
#include "framework/CWnd.h"

// Rectangles compare and print in test expectations.
inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& out, const RECT& r) {
  return out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

// Shared pieces of the styled button tests: a parent window with a known
// background, buttons attached to real button controls, a 32-bit canvas whose
// pixels are read back, and a message pump that goes through the framework's
// pre-translation like the dialog loop does.

namespace button_test {

// A styled button whose per-paint and hover state a test can set directly.
class TestButton : public StyledButton {
 public:
  using Base = StyledButton;
  void ForceHover(BOOL value) { hover = value; }
  BOOL LastPressed() const { return pressed; }
  BOOL LastFocused() const { return focused; }
  BOOL LastDisabled() const { return disabled; }
  void ForceMenuOpen(BOOL value) { menuOpen = value; }

  // Background erases the window received (an invalidation with erase).
  int erases = 0;
  BOOL OnEraseBkgnd(CDC* dc) {
    ++erases;
    return CWnd::OnEraseBkgnd(dc);
  }
  DECLARE_MESSAGE_MAP()
};

// Counts the notifications that reach the parent.
struct ParentLog {
  int clicked = 0;
  int doubleClicked = 0;
  std::vector<UINT> clickedIds;
};

// A top-level window of a class with a solid background colour. It counts
// BN_CLICKED and BN_DOUBLECLICKED of every child after reflection.
class ParentWindow : public CWnd {
 public:
  using Base = CWnd;
  static constexpr COLORREF kBackground = RGB(30, 140, 220);
  ParentLog log;

  // Creates the window at (x, y), client size width x height; shown without
  // activation when show is set.
  BOOL CreateParent(int x, int y, int width, int height, bool show = true);
  void OnChildClicked(UINT id) {
    ++log.clicked;
    log.clickedIds.push_back(id);
  }
  void OnChildDoubleClicked(UINT) { ++log.doubleClicked; }
  DECLARE_MESSAGE_MAP()
};

// A BUTTON control child of parent with the given BS_ type and caption.
HWND CreateButtonControl(CWnd& parent, UINT id, DWORD type, const char* caption, int x, int y,
                         int width, int height, bool visible);

// A font without anti-aliasing, so that caption pixels are exact.
HFONT CaptionFont();

// A memory DC with a 32-bit top-down DIB section selected.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return m_dc; }
  int width() const { return m_width; }
  int height() const { return m_height; }
  COLORREF At(int x, int y) const;
  void Fill(COLORREF color);
  // Pixels equal to color.
  int Count(COLORREF color) const;
  // Bounding box of the pixels equal to color (empty rect when none).
  RECT BoundsOf(COLORREF color) const;

 private:
  HDC m_dc = nullptr;
  HBITMAP m_bitmap = nullptr;
  HGDIOBJ m_previous = nullptr;
  std::uint32_t* m_bits = nullptr;
  int m_width;
  int m_height;
};

// A screen-compatible bitmap of w x h pixels, all of them color. The caller
// owns it.
HBITMAP SolidBitmap(int w, int h, COLORREF color);

// An icon of w x h pixels, all of them color and opaque. The caller owns it.
HICON SolidIcon(int w, int h, COLORREF color);

// Runs DrawItem of button into canvas with the given ODS_ state, the way the
// platform asks an owner-drawn button to paint (its font selected).
void Paint(StyledButton& button, Canvas& canvas, UINT itemState);

// Handles waiting messages for about ms milliseconds, offering each to the
// permanent windows' PreTranslateMessage first, as the dialog loop does.
void Pump(int ms);

// Moves the real pointer to a screen point and lets the messages through.
void MovePointer(int x, int y, int settleMs = 150);

// Low-level left button input at the current pointer position.
void LeftDown();
void LeftUp();

// Centre of a window in screen coordinates.
POINT CentreOf(HWND window);

// The same rectangle as a readable string for failure messages.
std::string Describe(const RECT& r);

}  // namespace button_test

namespace button_test {

// One control of an in-memory dialog template.
struct ControlSpec {
  UINT id;
  DWORD style;  // BS_ type and WS_ bits (WS_CHILD | WS_VISIBLE are added)
  const char* caption;
  short x, y, cx, cy;  // dialog units
};

// A modeless dialog made from an in-memory template with the given button
// controls (shown when visible is set).
HWND CreateTemplateDialog(const std::vector<ControlSpec>& controls, bool visible);

}  // namespace button_test
