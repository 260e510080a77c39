#include "controls/button/ButtonClickActions.h"

#include <mmsystem.h>

#include <cstring>

#include "controls/menu/TrellMenu.h"
#include "framework/CWnd.h"

ButtonClickActions::ShellExecuteFunction ButtonClickActions::s_shellExecute = ::ShellExecuteExA;
ButtonClickActions::PlaySoundFunction ButtonClickActions::s_playSound = ::PlaySoundA;

namespace {

// Invalidates the whole button with erase (never a null window: that would
// invalidate every window of the desktop).
void Repaint(CWnd& button) {
  if (button.m_hWnd != nullptr) {
    ::InvalidateRect(button.m_hWnd, nullptr, TRUE);
  }
}

}  // namespace

void ButtonClickActions::SetLinkTarget(const char* target) {
  std::memset(m_linkTarget, 0, sizeof(m_linkTarget));
  if (target != nullptr) {
    std::strncpy(m_linkTarget, target, sizeof(m_linkTarget) - 1);
  }
}

void ButtonClickActions::OpenLink() const {
  if (m_linkTarget[0] == '\0' || s_shellExecute == nullptr) {
    return;
  }
  SHELLEXECUTEINFOA info;
  std::memset(&info, 0, sizeof(info));
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.lpVerb = "open";
  info.lpFile = m_linkTarget;
  info.nShow = SW_SHOWMAXIMIZED;
  s_shellExecute(&info);
}

void ButtonClickActions::SetHoverSound(LPCSTR sound, HMODULE module, DWORD flags) {
  Store(m_hoverSound, sound, module, flags);
}

void ButtonClickActions::SetClickSound(LPCSTR sound, HMODULE module, DWORD flags) {
  Store(m_clickSound, sound, module, flags);
}

void ButtonClickActions::Store(SoundRecord& record, LPCSTR sound, HMODULE module, DWORD flags) {
  record.module = module;
  record.flags = flags;
  if (sound != nullptr && !IS_INTRESOURCE(sound) && (flags & SND_MEMORY) == 0) {
    record.name = sound;
    record.sound = record.name.c_str();
  } else {
    record.name.clear();
    record.sound = sound;
  }
}

void ButtonClickActions::Play(const SoundRecord& record) {
  if (record.sound != nullptr && s_playSound != nullptr) {
    s_playSound(record.sound, record.module, record.flags);
  }
}

void ButtonClickActions::SetMenuNotify(HWND window, UINT message, LPARAM lParam) {
  m_menuNotify = MenuNotify{window, message, lParam};
}

void ButtonClickActions::DropDown(CWnd& button, TrellMenu& menu, BOOL& menuOpen) {
  // The menu shown is the first popup of the drop-down menu. A menu without
  // one has nothing to show: the click then just finishes.
  CMenu* popup = menu.GetSubMenu(0);
  if (popup == nullptr) {
    return;
  }
  RECT window;
  button.GetWindowRect(&window);

  // Drawn pressed for as long as the menu is open.
  menuOpen = TRUE;
  Repaint(button);

  // The receiver may adjust the popup (enable, check, add items) before it
  // opens.
  if (m_menuNotify.window != nullptr) {
    ::SendMessageA(m_menuNotify.window, m_menuNotify.message, reinterpret_cast<WPARAM>(popup),
                   m_menuNotify.lParam);
  }

  // Below the button, left-aligned with it. The button owns the popup, so
  // the platform's measuring and mnemonic requests come here; the call
  // returns when the menu closes, with the chosen command or 0.
  const UINT command = static_cast<UINT>(popup->TrackPopupMenu(
      TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD, window.left, window.bottom, &button));

  menuOpen = FALSE;
  Repaint(button);

  if (command != 0) {
    // Without a target of its own the command goes to the button's parent,
    // which gets it like any other menu command (WM_COMMAND, lParam 0), so
    // a dialog handles the button's menu in its own command map.
    HWND target = m_menuCommandTarget != nullptr ? m_menuCommandTarget : ::GetParent(button.m_hWnd);
    if (target != nullptr) {
      ::PostMessageA(target, WM_COMMAND, MAKEWPARAM(LOWORD(command), 0), 0);
    }
  }
}
