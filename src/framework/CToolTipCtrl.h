#pragma once

#include <windows.h>
// The common controls' declarations need the platform's base types first.
#include <commctrl.h>

#include "framework/CString.h"
#include "framework/CWnd.h"

// The platform's tooltip control. The object owns its window: destroying the
// object destroys a tooltip window that still exists.
//
// Calls on an object whose window was never created (or could not be) go to
// no window and have no effect.
class CToolTipCtrl : public CWnd {
  DECLARE_DYNAMIC(CToolTipCtrl)

 public:
  CToolTipCtrl() = default;
  ~CToolTipCtrl() override;

  // Creates the tooltip window, a pop-up owned by pParentWnd, with the TTS_
  // style bits of dwStyle.
  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

  // Registers a tool: window pWnd, id nIDTool (0 with no rectangle: the whole
  // window, identified by its handle), tip text lpszText, and the area of
  // pWnd's client rectangle that shows the tip. TRUE when the control took it.
  BOOL AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
  void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
  // Replaces the text of a registered tool.
  void UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
  // The text of a registered tool (empty when there is none).
  void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
  // Hands a mouse message of a tool window to the control (TTM_RELAYEVENT).
  void RelayEvent(LPMSG lpMsg);
  void Activate(BOOL bActivate);
  // Largest width of a tip in pixels before it wraps (-1: no wrapping); the
  // previous setting.
  int SetMaxTipWidth(int iWidth);
  int GetToolCount() const;

 private:
  void FillToolInfo(TTTOOLINFOA& info, CWnd* pWnd, UINT_PTR nIDTool) const;
};
