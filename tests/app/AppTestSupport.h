#pragma once

// Helpers for the tests that run the tool's real dialog under Wine: message
// pumping, the clipboard as another program sees it, real pointer input and
// helper processes.

#include <windows.h>

#include <string>
#include <vector>

namespace apptest {

// Handles the thread's queued messages, as a message loop would (dialog
// keyboard handling included), until the queue is empty and at least
// minimumMs milliseconds have passed.
void PumpMessages(DWORD minimumMs = 0);

// Pumps messages until done() is true or timeoutMs passed; returns done().
template <class Done>
bool PumpUntil(Done done, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  while (!done()) {
    if (::GetTickCount() - start > timeoutMs) return false;
    PumpMessages();
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

// What the clipboard holds, read the way another program reads it.
struct ClipboardContent {
  bool opened = false;        // the clipboard could be opened
  bool hasText = false;       // a CF_TEXT block is there
  std::string text;           // its characters up to the first zero byte
  std::string bytes;          // the whole block, as GlobalSize reports it
  HWND owner = nullptr;       // GetClipboardOwner
  std::vector<UINT> formats;  // every format on the clipboard
};
ClipboardContent ReadClipboard();

// Replaces the clipboard with text (CF_TEXT), owned by owner (may be null).
bool PutClipboardText(HWND owner, const std::string& text);

// A path for the Wine side: "/a/b" becomes "Z:\a\b".
std::string WindowsPath(const std::string& unixPath);

// Real pointer input, as the user's mouse produces it.
void MovePointerTo(POINT screen);
void ClickAt(POINT screen);

// The centre of a rectangle.
POINT Centre(const RECT& r);

// A child process, ended when the object goes if it is still running.
class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Starts program (a Windows path) with the command line tail arguments.
  bool Start(const std::string& program, const std::string& arguments);
  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }
  // Waits for the end; true and the exit code when it ended within timeoutMs.
  bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
  bool IsRunning() const;

 private:
  PROCESS_INFORMATION info_ = {};
};

// Another program that holds the clipboard open until the object goes.
class ClipboardHolder {
 public:
  ClipboardHolder();
  ~ClipboardHolder();
  // True once the other program has the clipboard open.
  bool Holding() const { return holding_; }

 private:
  HANDLE ready_ = nullptr;
  HANDLE release_ = nullptr;
  ChildProcess process_;
  bool holding_ = false;
};

// The visible top-level windows of a process.
std::vector<HWND> VisibleTopLevelWindows(DWORD processId);

}  // namespace apptest
