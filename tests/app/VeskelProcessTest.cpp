// veskel.exe as a program of its own: started, looked at and closed from
// another process, as a user's desktop sees it.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, which it needs
#include <tlhelp32.h>

#include <string>

#include "AppTestSupport.h"
#include "app/DriveMask.h"
#include "res/resource.h"

namespace {

std::string ItemText(HWND dialog, int id) {
  char text[64] = {};
  ::GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

class VeskelProcessTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(apptest::PutClipboardText(nullptr, "held before")); }

  // Starts the tool and waits for its dialog.
  HWND Start(const std::string& arguments) {
    if (!tool_.Start(apptest::WindowsPath(VESKEL_EXE), arguments)) return nullptr;
    HWND dialog = nullptr;
    apptest::PumpUntil(
        [&] {
          const auto windows = apptest::VisibleTopLevelWindows(tool_.Id());
          dialog = windows.empty() ? nullptr : windows[0];
          return dialog != nullptr;
        },
        15000);
    return dialog;
  }

  apptest::ChildProcess tool_;
};

// Whether a module of that name is loaded in the process.
bool HasModule(DWORD processId, const char* name) {
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  MODULEENTRY32 module = {};
  module.dwSize = sizeof module;
  bool found = false;
  for (BOOL more = ::Module32First(snapshot, &module); more && !found;
       more = ::Module32Next(snapshot, &module)) {
    found = ::lstrcmpiA(module.szModule, name) == 0;
  }
  ::CloseHandle(snapshot);
  return found;
}

// Start-up binds only what showing the dialog needs: the shell and sound
// playing come on a click that asks for them (the tool's button never does).
TEST_F(VeskelProcessTest, ShowsItsDialogWithoutTheShellOrSoundDlls) {
  HWND dialog = Start("");
  ASSERT_NE(dialog, nullptr);
  apptest::PumpMessages(300);
  EXPECT_TRUE(HasModule(tool_.Id(), "comctl32.dll"));
  EXPECT_FALSE(HasModule(tool_.Id(), "shell32.dll"));
  EXPECT_FALSE(HasModule(tool_.Id(), "winmm.dll"));
  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_TRUE(tool_.WaitForExit(10000));
}

TEST_F(VeskelProcessTest, ShowsOnlyItsDialogIgnoresArgumentsAndEndsOnEsc) {
  HWND dialog = Start("67108859 /hide C: --decimal=3 Z");
  ASSERT_NE(dialog, nullptr);
  apptest::PumpMessages(300);
  EXPECT_EQ(apptest::VisibleTopLevelWindows(tool_.Id()).size(), 1u);
  char title[64] = {};
  ::GetWindowTextA(dialog, title, sizeof title);
  EXPECT_EQ(std::string(title).rfind("Veskel", 0), 0u) << title;
  // The arguments changed nothing: no tick, empty fields, clipboard untouched.
  for (const DriveBox& box : DriveBoxTable) {
    EXPECT_EQ(::SendDlgItemMessageA(dialog, box.controlId, BM_GETCHECK, 0, 0), BST_UNCHECKED)
        << box.letter;
  }
  EXPECT_EQ(ItemText(dialog, IDC_MASK_DECIMAL), "");
  EXPECT_EQ(ItemText(dialog, IDC_MASK_HEX), "");
  EXPECT_EQ(apptest::ReadClipboard().text, "held before");

  ::PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  ::PostMessageA(dialog, WM_KEYUP, VK_ESCAPE, 0xC0010001);
  DWORD code = 1;
  EXPECT_TRUE(tool_.WaitForExit(10000, &code));
  EXPECT_EQ(code, 0u);
}

TEST_F(VeskelProcessTest, TickPublishesAcrossProcessesAndExitEndsTheProcess) {
  HWND dialog = Start("");
  ASSERT_NE(dialog, nullptr);
  ::SendMessageA(::GetDlgItem(dialog, IDC_DRIVE_C), BM_CLICK, 0, 0);
  ASSERT_TRUE(apptest::PumpUntil([&] { return !ItemText(dialog, IDC_MASK_HEX).empty(); }, 5000));
  EXPECT_EQ(ItemText(dialog, IDC_MASK_DECIMAL), "67108859");
  EXPECT_EQ(ItemText(dialog, IDC_MASK_HEX), "3fffffb");
  const apptest::ClipboardContent clip = apptest::ReadClipboard();
  EXPECT_EQ(clip.bytes, std::string("67108859", 9));
  EXPECT_EQ(clip.owner, dialog);

  ::PostMessageA(::GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  EXPECT_TRUE(tool_.WaitForExit(10000));
  // The clipboard keeps the value after the tool has gone, ready to paste.
  EXPECT_EQ(apptest::ReadClipboard().text, "67108859");
}

}  // namespace
