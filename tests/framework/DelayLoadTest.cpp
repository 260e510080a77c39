// The DLLs the framework binds on first use (SHELL32, WINMM, ADVAPI32): the
// first call loads the DLL and reaches the real function, through the same
// pointers the controls keep and call.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, which they need
#include <mmsystem.h>
#include <shellapi.h>

namespace {

TEST(DelayLoadTest, TheFirstCallLoadsTheDllAndReachesTheFunction) {
  // Stopping sounds when none plays succeeds.
  BOOL(WINAPI* const playSound)(LPCSTR, HMODULE, DWORD) = ::PlaySoundA;
  EXPECT_TRUE(playSound(nullptr, nullptr, 0));
  EXPECT_NE(::GetModuleHandleA("winmm.dll"), nullptr);

  // Opening a file that is not there fails with the shell's own error.
  BOOL(WINAPI* const shellExecute)(SHELLEXECUTEINFOA*) = ::ShellExecuteExA;
  SHELLEXECUTEINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.lpVerb = "open";
  info.lpFile = "C:\\veskel-delay-load-test\\no such file.txt";
  info.nShow = SW_SHOWNORMAL;
  ::SetLastError(0);
  EXPECT_FALSE(shellExecute(&info));
  EXPECT_NE(::GetLastError(), 0u);
  EXPECT_NE(::GetModuleHandleA("shell32.dll"), nullptr);

  HKEY key = nullptr;
  ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key), ERROR_SUCCESS);
  DWORD type = 0, size = 0;
  EXPECT_EQ(::RegQueryValueExA(key, "no such value of veskel", nullptr, &type, nullptr, &size),
            ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(::RegCloseKey(key), ERROR_SUCCESS);
}

}  // namespace
