#pragma once

// Message maps: the routing tables of window and command-target classes.
//
// In the class body:      using Base = BaseClass;  (the direct base)
//                         DECLARE_MESSAGE_MAP()   (leaves the access at protected)
// In one source file:     BEGIN_MESSAGE_MAP(Class, BaseClass)
//                           ON_WM_PAINT()
//                           ON_BN_CLICKED(IDC_GO, OnGo)
//                         END_MESSAGE_MAP()
//
// The map must name the class's direct base, the one its Base alias names;
// naming a grandparent (which would skip the parent's entries) does not
// compile.
//
// A message is looked up in the class's own table in the order written, then
// in the base class's table, and so on; the first matching entry is called.
// Each entry unpacks wParam/lParam once and calls the member with its real
// signature (given in the comment above each macro), so a handler with the
// wrong signature does not compile. Handler names are given bare (OnGo) or
// qualified with a base class (CWinApp::OnHelp); they may be protected.
//
// Reflection: a parent first offers WM_COMMAND and WM_NOTIFY notifications,
// WM_DRAWITEM, WM_MEASUREITEM and the WM_CTLCOLOR* messages of a child to the
// child's own object (CWnd::OnChildNotify); the child's *_REFLECT entries
// answer there. The plain _REFLECT entries take the message away from the
// parent; the _EX ones return BOOL: TRUE = handled, the parent does not see
// it; FALSE = the parent handles it as well. A reflected control-colour
// handler that returns a brush wins; one that returns null leaves the message
// to the parent.

#include <windows.h>

#include <type_traits>

#include "framework/CCmdTarget.h"
#include "framework/CPoint.h"

class CDC;
class CMenu;
class CWnd;

// Reflected messages are looked up under WM_REFLECT_BASE + the message.
#ifndef WM_REFLECT_BASE
#define WM_REFLECT_BASE 0xBC00
#endif
// The one key under which the control-colour entries serve every
// WM_CTLCOLOR* message (the nCtlColor argument tells which).
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif
#ifndef CTLCOLOR_MSGBOX
#define CTLCOLOR_MSGBOX 0
#define CTLCOLOR_EDIT 1
#define CTLCOLOR_LISTBOX 2
#define CTLCOLOR_BTN 3
#define CTLCOLOR_DLG 4
#define CTLCOLOR_SCROLLBAR 5
#define CTLCOLOR_STATIC 6
#endif

namespace framework_detail {
// Wrappers for the handles that message arguments carry; defined in CWnd.cpp.
CWnd* WndFromHandle(HWND h);
CDC* DCFromHandle(HDC h);
CMenu* MenuFromHandle(HMENU h);
}  // namespace framework_detail

// clang-format off
#define DECLARE_MESSAGE_MAP()                                                      \
 protected:                                                                        \
  static const MessageMap* GetThisMessageMap();                                    \
  const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                     \
  const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const MessageMap* theClass::GetThisMessageMap() {                                \
    using ThisClass = theClass;                                                    \
    using TheBaseClass = baseClass;                                                \
    static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                          \
      {0, 0, 0, 0, nullptr}};                                                      \
    static_assert(std::is_same<TheBaseClass, ThisClass::Base>::value,              \
                  "a message map names its class's direct base (its Base alias)"); \
    static_assert(std::is_base_of<TheBaseClass, ThisClass>::value,                 \
                  "the message map's base must be a base class");                  \
    static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries};     \
    return &map;                                                                   \
  }
// clang-format on

// One entry: the body runs with self_ (the object, as ThisClass&) and msg_
// (the MessageArgs) and returns whether the message was handled.
#define VESKEL_MAP_ENTRY(msg, code, idFirst, idLast, ...)                          \
  {static_cast<UINT>(msg), static_cast<UINT>(code), static_cast<UINT>(idFirst),    \
   static_cast<UINT>(idLast), [](CCmdTarget& target_, MessageArgs& msg_) -> bool { \
     ThisClass& self_ = static_cast<ThisClass&>(target_);                          \
     (void)self_;                                                                  \
     (void)msg_;                                                                   \
     __VA_ARGS__                                                                   \
   }},

#define VESKEL_HWND_ARG(v) framework_detail::WndFromHandle(reinterpret_cast<HWND>(v))

// ---- Window messages -------------------------------------------------------

// void OnPaint()
#define ON_WM_PAINT() \
  VESKEL_MAP_ENTRY(WM_PAINT, 0, 0, 0, self_.OnPaint(); msg_.result = 0; return true;)
// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON()                                                        \
  VESKEL_MAP_ENTRY(WM_QUERYDRAGICON, 0, 0, 0,                                        \
                   msg_.result = reinterpret_cast<LRESULT>(self_.OnQueryDragIcon()); \
                   return true;)
// int OnCreate(LPCREATESTRUCT lpCreateStruct)   (-1 cancels the creation)
#define ON_WM_CREATE()                                                                          \
  VESKEL_MAP_ENTRY(WM_CREATE, 0, 0, 0,                                                          \
                   msg_.result = self_.OnCreate(reinterpret_cast<LPCREATESTRUCT>(msg_.lParam)); \
                   return true;)
// void OnDestroy()
#define ON_WM_DESTROY() \
  VESKEL_MAP_ENTRY(WM_DESTROY, 0, 0, 0, self_.OnDestroy(); msg_.result = 0; return true;)
// void OnClose()
#define ON_WM_CLOSE() \
  VESKEL_MAP_ENTRY(WM_CLOSE, 0, 0, 0, self_.OnClose(); msg_.result = 0; return true;)
// void OnSize(UINT nType, int cx, int cy)
#define ON_WM_SIZE()                                                                        \
  VESKEL_MAP_ENTRY(                                                                         \
      WM_SIZE, 0, 0, 0,                                                                     \
      self_.OnSize(static_cast<UINT>(msg_.wParam), static_cast<short>(LOWORD(msg_.lParam)), \
                   static_cast<short>(HIWORD(msg_.lParam)));                                \
      msg_.result = 0; return true;)
// void OnTimer(UINT_PTR nIDEvent)
#define ON_WM_TIMER()                                                                    \
  VESKEL_MAP_ENTRY(WM_TIMER, 0, 0, 0, self_.OnTimer(static_cast<UINT_PTR>(msg_.wParam)); \
                   msg_.result = 0; return true;)
// BOOL OnEraseBkgnd(CDC* pDC)
#define ON_WM_ERASEBKGND()                                                                  \
  VESKEL_MAP_ENTRY(WM_ERASEBKGND, 0, 0, 0,                                                  \
                   msg_.result = self_.OnEraseBkgnd(                                        \
                       framework_detail::DCFromHandle(reinterpret_cast<HDC>(msg_.wParam))); \
                   return true;)
// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
#define ON_WM_SETCURSOR()                                                                     \
  VESKEL_MAP_ENTRY(WM_SETCURSOR, 0, 0, 0,                                                     \
                   msg_.result = self_.OnSetCursor(VESKEL_HWND_ARG(msg_.wParam),              \
                                                   LOWORD(msg_.lParam), HIWORD(msg_.lParam)); \
                   return true;)
// void OnSetFocus(CWnd* pOldWnd)
#define ON_WM_SETFOCUS()                                                                 \
  VESKEL_MAP_ENTRY(WM_SETFOCUS, 0, 0, 0, self_.OnSetFocus(VESKEL_HWND_ARG(msg_.wParam)); \
                   msg_.result = 0; return true;)
// void OnKillFocus(CWnd* pNewWnd)
#define ON_WM_KILLFOCUS()                                                                  \
  VESKEL_MAP_ENTRY(WM_KILLFOCUS, 0, 0, 0, self_.OnKillFocus(VESKEL_HWND_ARG(msg_.wParam)); \
                   msg_.result = 0; return true;)
// void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
#define ON_WM_ACTIVATE()                                                               \
  VESKEL_MAP_ENTRY(WM_ACTIVATE, 0, 0, 0,                                               \
                   self_.OnActivate(LOWORD(msg_.wParam), VESKEL_HWND_ARG(msg_.lParam), \
                                    static_cast<BOOL>(HIWORD(msg_.wParam) != 0));      \
                   msg_.result = 0; return true;)
// void OnEnable(BOOL bEnable)
#define ON_WM_ENABLE()                                                                      \
  VESKEL_MAP_ENTRY(WM_ENABLE, 0, 0, 0, self_.OnEnable(static_cast<BOOL>(msg_.wParam != 0)); \
                   msg_.result = 0; return true;)
// void OnCancelMode()
#define ON_WM_CANCELMODE() \
  VESKEL_MAP_ENTRY(WM_CANCELMODE, 0, 0, 0, self_.OnCancelMode(); msg_.result = 0; return true;)
// UINT OnGetDlgCode()
#define ON_WM_GETDLGCODE() \
  VESKEL_MAP_ENTRY(WM_GETDLGCODE, 0, 0, 0, msg_.result = self_.OnGetDlgCode(); return true;)
// void OnSysColorChange()
#define ON_WM_SYSCOLORCHANGE()                                                            \
  VESKEL_MAP_ENTRY(WM_SYSCOLORCHANGE, 0, 0, 0, self_.OnSysColorChange(); msg_.result = 0; \
                   return true;)
// void OnMouseMove(UINT nFlags, CPoint point)   (point in client coordinates)
#define ON_WM_MOUSEMOVE()                                                                  \
  VESKEL_MAP_ENTRY(WM_MOUSEMOVE, 0, 0, 0,                                                  \
                   self_.OnMouseMove(static_cast<UINT>(msg_.wParam), CPoint(msg_.lParam)); \
                   msg_.result = 0; return true;)
// void OnLButtonDown(UINT nFlags, CPoint point)
#define ON_WM_LBUTTONDOWN()                                                                  \
  VESKEL_MAP_ENTRY(WM_LBUTTONDOWN, 0, 0, 0,                                                  \
                   self_.OnLButtonDown(static_cast<UINT>(msg_.wParam), CPoint(msg_.lParam)); \
                   msg_.result = 0; return true;)
// void OnLButtonUp(UINT nFlags, CPoint point)
#define ON_WM_LBUTTONUP()                                                                  \
  VESKEL_MAP_ENTRY(WM_LBUTTONUP, 0, 0, 0,                                                  \
                   self_.OnLButtonUp(static_cast<UINT>(msg_.wParam), CPoint(msg_.lParam)); \
                   msg_.result = 0; return true;)
// void OnLButtonDblClk(UINT nFlags, CPoint point)
#define ON_WM_LBUTTONDBLCLK()                                                                  \
  VESKEL_MAP_ENTRY(WM_LBUTTONDBLCLK, 0, 0, 0,                                                  \
                   self_.OnLButtonDblClk(static_cast<UINT>(msg_.wParam), CPoint(msg_.lParam)); \
                   msg_.result = 0; return true;)
// void OnMouseLeave()
#define ON_WM_MOUSELEAVE() \
  VESKEL_MAP_ENTRY(WM_MOUSELEAVE, 0, 0, 0, self_.OnMouseLeave(); msg_.result = 0; return true;)
// LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
#define ON_WM_MENUCHAR()                                                                        \
  VESKEL_MAP_ENTRY(WM_MENUCHAR, 0, 0, 0,                                                        \
                   msg_.result = self_.OnMenuChar(                                              \
                       LOWORD(msg_.wParam), HIWORD(msg_.wParam),                                \
                       framework_detail::MenuFromHandle(reinterpret_cast<HMENU>(msg_.lParam))); \
                   return true;)
// void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
#define ON_WM_INITMENUPOPUP()                                                                  \
  VESKEL_MAP_ENTRY(WM_INITMENUPOPUP, 0, 0, 0,                                                  \
                   self_.OnInitMenuPopup(                                                      \
                       framework_detail::MenuFromHandle(reinterpret_cast<HMENU>(msg_.wParam)), \
                       LOWORD(msg_.lParam), static_cast<BOOL>(HIWORD(msg_.lParam) != 0));      \
                   msg_.result = 0; return true;)
// void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
#define ON_WM_MEASUREITEM()                                                                 \
  VESKEL_MAP_ENTRY(WM_MEASUREITEM, 0, 0, 0,                                                 \
                   self_.OnMeasureItem(static_cast<int>(msg_.wParam),                       \
                                       reinterpret_cast<LPMEASUREITEMSTRUCT>(msg_.lParam)); \
                   msg_.result = TRUE; return true;)
// void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
#define ON_WM_DRAWITEM()                                                              \
  VESKEL_MAP_ENTRY(WM_DRAWITEM, 0, 0, 0,                                              \
                   self_.OnDrawItem(static_cast<int>(msg_.wParam),                    \
                                    reinterpret_cast<LPDRAWITEMSTRUCT>(msg_.lParam)); \
                   msg_.result = TRUE; return true;)
// HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
// Serves every WM_CTLCOLOR* message; nCtlColor is one of the CTLCOLOR_* values.
#define ON_WM_CTLCOLOR()                                                                   \
  VESKEL_MAP_ENTRY(WM_CTLCOLOR, 0, 0, 0,                                                   \
                   msg_.result = reinterpret_cast<LRESULT>(self_.OnCtlColor(               \
                       framework_detail::DCFromHandle(reinterpret_cast<HDC>(msg_.wParam)), \
                       VESKEL_HWND_ARG(msg_.lParam), msg_.message - WM_CTLCOLORMSGBOX));   \
                   return true;)
// LRESULT memberFxn(WPARAM wParam, LPARAM lParam)
#define ON_MESSAGE(message, memberFxn)                                                        \
  VESKEL_MAP_ENTRY(message, 0, 0, 0, msg_.result = self_.memberFxn(msg_.wParam, msg_.lParam); \
                   return true;)

// ---- Commands and notifications to the parent --------------------------------

// void memberFxn()   (menu item, accelerator or BN_CLICKED of control id)
#define ON_COMMAND(id, memberFxn) \
  VESKEL_MAP_ENTRY(WM_COMMAND, 0, id, id, self_.memberFxn(); msg_.result = 0; return true;)
// void memberFxn(UINT nID)
#define ON_COMMAND_RANGE(idFirst, idLast, memberFxn)                                     \
  VESKEL_MAP_ENTRY(WM_COMMAND, 0, idFirst, idLast, self_.memberFxn(LOWORD(msg_.wParam)); \
                   msg_.result = 0; return true;)
// void memberFxn()   (notification code from control id)
#define ON_CONTROL(code, id, memberFxn) \
  VESKEL_MAP_ENTRY(WM_COMMAND, code, id, id, self_.memberFxn(); msg_.result = 0; return true;)
// void memberFxn(UINT nID)
#define ON_CONTROL_RANGE(code, idFirst, idLast, memberFxn)                                  \
  VESKEL_MAP_ENTRY(WM_COMMAND, code, idFirst, idLast, self_.memberFxn(LOWORD(msg_.wParam)); \
                   msg_.result = 0; return true;)
// void memberFxn()
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
// void memberFxn(NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY(code, id, memberFxn)                                                   \
  VESKEL_MAP_ENTRY(WM_NOTIFY, code, id, id, msg_.result = 0;                             \
                   self_.memberFxn(reinterpret_cast<NMHDR*>(msg_.lParam), &msg_.result); \
                   return true;)

// ---- Reflected to the control itself -------------------------------------------

// void memberFxn()
#define ON_CONTROL_REFLECT(code, memberFxn)                                                      \
  VESKEL_MAP_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, self_.memberFxn(); msg_.result = 0; \
                   return true;)
// BOOL memberFxn()   (FALSE: the parent handles the notification as well)
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                \
  VESKEL_MAP_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, msg_.result = 0; \
                   return self_.memberFxn() != FALSE;)
// void memberFxn(NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY_REFLECT(code, memberFxn)                                               \
  VESKEL_MAP_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, msg_.result = 0;             \
                   self_.memberFxn(reinterpret_cast<NMHDR*>(msg_.lParam), &msg_.result); \
                   return true;)
// BOOL memberFxn(NMHDR* pNotifyStruct, LRESULT* pResult)   (FALSE: parent too)
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                   \
  VESKEL_MAP_ENTRY(                                             \
      WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, msg_.result = 0; \
      return self_.memberFxn(reinterpret_cast<NMHDR*>(msg_.lParam), &msg_.result) != FALSE;)
// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)   (null: the parent decides)
#define ON_WM_CTLCOLOR_REFLECT()                                                           \
  VESKEL_MAP_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0,                                 \
                   HBRUSH brush_ = self_.CtlColor(                                         \
                       framework_detail::DCFromHandle(reinterpret_cast<HDC>(msg_.wParam)), \
                       msg_.message - WM_CTLCOLORMSGBOX);                                  \
                   msg_.result = reinterpret_cast<LRESULT>(brush_); return brush_ != nullptr;)
