#pragma once

#include <windows.h>
// The shell's declarations need the platform's base types first.
#include <shellapi.h>

#include <string>

class CWnd;
class TrellMenu;

// What a click of a StyledButton can do besides toggling its check state:
// drop down a menu below the button, open a document or URL (the link
// target), and play a sound (on hover and on click).
class ButtonClickActions {
 public:
  // The three arguments of PlaySoundA. A null sound means silence. A sound
  // given by name is kept in name so that the caller's string may go away.
  struct SoundRecord {
    LPCSTR sound = nullptr;
    HMODULE module = nullptr;
    DWORD flags = 0;
    std::string name;
  };
  struct MenuNotify {
    HWND window = nullptr;
    UINT message = 0;
    LPARAM lParam = 0;
  };

  // Replaceable entry points of the shell and the sound system, so that tests
  // can watch the calls instead of starting a browser or a sound.
  using ShellExecuteFunction = BOOL(WINAPI*)(SHELLEXECUTEINFOA*);
  using PlaySoundFunction = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
  static ShellExecuteFunction s_shellExecute;
  static PlaySoundFunction s_playSound;

  // The document or URL opened on a click (cut to MAX_PATH - 1 characters);
  // null clears it.
  void SetLinkTarget(const char* target);
  const char* LinkTarget() const { return m_linkTarget; }
  // Opens the link target with the verb "open", maximised; nothing without
  // a target.
  void OpenLink() const;

  void SetHoverSound(LPCSTR sound, HMODULE module, DWORD flags);
  void SetClickSound(LPCSTR sound, HMODULE module, DWORD flags);
  void PlayHoverSound() const { Play(m_hoverSound); }
  void PlayClickSound() const { Play(m_clickSound); }

  void SetMenuCommandTarget(HWND target) { m_menuCommandTarget = target; }
  void SetMenuNotify(HWND window, UINT message, LPARAM lParam);
  // Tracks the first popup of menu below button and posts the chosen command
  // as WM_COMMAND to the command target, else to the button's parent. menuOpen
  // is TRUE (and the button repainted, drawn pressed) for as long as the menu
  // is open. A menu without a popup shows nothing.
  void DropDown(CWnd& button, TrellMenu& menu, BOOL& menuOpen);

 private:
  static void Store(SoundRecord& record, LPCSTR sound, HMODULE module, DWORD flags);
  static void Play(const SoundRecord& record);

  char m_linkTarget[MAX_PATH] = {};
  SoundRecord m_hoverSound;
  SoundRecord m_clickSound;
  HWND m_menuCommandTarget = nullptr;
  MenuNotify m_menuNotify;
};
