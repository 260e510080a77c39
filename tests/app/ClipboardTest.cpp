#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "app/Clipboard.h"

using apptest::ClipboardContent;
using apptest::ReadClipboard;

namespace {

// A plain hidden window to own the clipboard.
class OwnerWindow {
 public:
  OwnerWindow()
      : hwnd_(::CreateWindowExA(0, "STATIC", "clipboard owner", WS_POPUP, 0, 0, 10, 10, nullptr,
                                nullptr, nullptr, nullptr)) {}
  ~OwnerWindow() { ::DestroyWindow(hwnd_); }
  HWND get() const { return hwnd_; }

 private:
  HWND hwnd_;
};

// Records what the fake platform calls saw.
struct CallLog {
  std::vector<HGLOBAL> allocated;
  std::vector<HGLOBAL> freed;
  int setCalls = 0;
  bool clipboardOpenAtAlloc = false;
};
CallLog g_log;

HGLOBAL WINAPI RecordingAlloc(UINT flags, SIZE_T bytes) {
  g_log.clipboardOpenAtAlloc = ::GetOpenClipboardWindow() != nullptr;
  HGLOBAL block = ::GlobalAlloc(flags, bytes);
  g_log.allocated.push_back(block);
  return block;
}
HGLOBAL WINAPI FailingAlloc(UINT, SIZE_T) { return nullptr; }
LPVOID WINAPI FailingLock(HGLOBAL) { return nullptr; }
HGLOBAL WINAPI RecordingFree(HGLOBAL block) {
  g_log.freed.push_back(block);
  return ::GlobalFree(block);
}
HANDLE WINAPI RefusingSet(UINT, HANDLE) {
  ++g_log.setCalls;
  return nullptr;
}

class CopyTextToClipboardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log = CallLog{};
    ASSERT_TRUE(apptest::PutClipboardText(nullptr, "held before"));
  }
  // The clipboard still holds what SetUp put there, and is not left open.
  void ExpectClipboardUnchanged() {
    EXPECT_EQ(::GetOpenClipboardWindow(), nullptr);
    const ClipboardContent now = ReadClipboard();
    ASSERT_TRUE(now.opened);
    EXPECT_EQ(now.text, "held before");
  }
  OwnerWindow owner_;
};

TEST_F(CopyTextToClipboardTest, PutsExactlyTheTextAndItsZeroByteOwnedByTheWindow) {
  CopyTextToClipboard(owner_.get(), "67108859");
  const ClipboardContent now = ReadClipboard();
  ASSERT_TRUE(now.hasText);
  EXPECT_EQ(now.text, "67108859");
  // Wine reports the exact block size: the digits and one zero byte, no line end.
  EXPECT_EQ(now.bytes, std::string("67108859", 9));
  EXPECT_EQ(now.owner, owner_.get());
  EXPECT_EQ(::GetOpenClipboardWindow(), nullptr);
}

TEST_F(CopyTextToClipboardTest, SingleDigitAndEmptyText) {
  CopyTextToClipboard(owner_.get(), "0");
  EXPECT_EQ(ReadClipboard().bytes, std::string("0", 2));
  CopyTextToClipboard(owner_.get(), "");
  const ClipboardContent now = ReadClipboard();
  ASSERT_TRUE(now.hasText);
  EXPECT_EQ(now.bytes, std::string("", 1));
}

TEST_F(CopyTextToClipboardTest, MakesTheBlockBeforeOpeningTheClipboard) {
  ClipboardCalls calls = SystemClipboardCalls();
  calls.globalAlloc = &RecordingAlloc;
  ScopedClipboardCalls scoped(calls);
  CopyTextToClipboard(owner_.get(), "3");
  ASSERT_EQ(g_log.allocated.size(), 1u);
  EXPECT_FALSE(g_log.clipboardOpenAtAlloc);
  EXPECT_EQ(ReadClipboard().text, "3");
}

TEST_F(CopyTextToClipboardTest, FailedAllocationKeepsThePreviousClipboard) {
  ClipboardCalls calls = SystemClipboardCalls();
  calls.globalAlloc = &FailingAlloc;
  ScopedClipboardCalls scoped(calls);
  CopyTextToClipboard(owner_.get(), "67108863");
  ExpectClipboardUnchanged();
}

TEST_F(CopyTextToClipboardTest, FailedLockFreesTheBlockAndKeepsThePreviousClipboard) {
  ClipboardCalls calls = SystemClipboardCalls();
  calls.globalAlloc = &RecordingAlloc;
  calls.globalLock = &FailingLock;
  calls.globalFree = &RecordingFree;
  ScopedClipboardCalls scoped(calls);
  CopyTextToClipboard(owner_.get(), "67108863");
  ExpectClipboardUnchanged();
  ASSERT_EQ(g_log.allocated.size(), 1u);
  EXPECT_EQ(g_log.freed, g_log.allocated);
}

TEST_F(CopyTextToClipboardTest, RefusedBlockIsFreedAndTheClipboardClosed) {
  ClipboardCalls calls = SystemClipboardCalls();
  calls.globalAlloc = &RecordingAlloc;
  calls.globalFree = &RecordingFree;
  calls.setClipboardData = &RefusingSet;
  ScopedClipboardCalls scoped(calls);
  CopyTextToClipboard(owner_.get(), "67108863");
  EXPECT_EQ(g_log.setCalls, 1);
  ASSERT_EQ(g_log.allocated.size(), 1u);
  EXPECT_EQ(g_log.freed, g_log.allocated);
  EXPECT_EQ(::GetOpenClipboardWindow(), nullptr);
}

TEST_F(CopyTextToClipboardTest, AcceptedBlockIsNotFreed) {
  ClipboardCalls calls = SystemClipboardCalls();
  calls.globalAlloc = &RecordingAlloc;
  calls.globalFree = &RecordingFree;
  ScopedClipboardCalls scoped(calls);
  CopyTextToClipboard(owner_.get(), "12");
  EXPECT_EQ(g_log.allocated.size(), 1u);
  EXPECT_TRUE(g_log.freed.empty());
  EXPECT_EQ(ReadClipboard().text, "12");
}

// The clipboard is busy for the first `g_busyOpens` attempts, then free.
int g_busyOpens = 0;
int g_openCalls = 0;
BOOL WINAPI BusyThenFreeOpen(HWND owner) {
  ++g_openCalls;
  if (g_openCalls <= g_busyOpens) return FALSE;
  return ::OpenClipboard(owner);
}

TEST_F(CopyTextToClipboardTest, BusyClipboardIsTriedAgainForAShortWhile) {
  struct Case {
    int busyOpens;
    bool copied;
  };
  // Busy for a moment: the copy goes through. Busy throughout: it gives up
  // after the last attempt, frees its block and leaves the clipboard alone.
  for (const Case c : {Case{3, true}, Case{kClipboardOpenAttempts, false}}) {
    SCOPED_TRACE(c.busyOpens);
    g_log = CallLog{};
    g_busyOpens = c.busyOpens;
    g_openCalls = 0;
    ClipboardCalls calls = SystemClipboardCalls();
    calls.globalAlloc = &RecordingAlloc;
    calls.globalFree = &RecordingFree;
    calls.openClipboard = &BusyThenFreeOpen;
    ScopedClipboardCalls scoped(calls);
    CopyTextToClipboard(owner_.get(), "4194304");
    EXPECT_EQ(g_openCalls, c.copied ? c.busyOpens + 1 : kClipboardOpenAttempts);
    EXPECT_EQ(::GetOpenClipboardWindow(), nullptr);
    if (c.copied) {
      EXPECT_TRUE(g_log.freed.empty());
      EXPECT_EQ(ReadClipboard().text, "4194304");
      ASSERT_TRUE(apptest::PutClipboardText(nullptr, "held before"));
    } else {
      EXPECT_EQ(g_log.freed, g_log.allocated);
      ExpectClipboardUnchanged();
    }
  }
}

TEST_F(CopyTextToClipboardTest, ClipboardHeldByAnotherProgramKeepsItsContent) {
  {
    apptest::ClipboardHolder holder;
    ASSERT_TRUE(holder.Holding());
    CopyTextToClipboard(owner_.get(), "4194304");
  }
  EXPECT_EQ(ReadClipboard().text, "held before");
}

TEST(ScopedClipboardCallsTest, PutsThePreviousCallsBack) {
  ClipboardCalls calls = SystemClipboardCalls();
  calls.globalAlloc = &FailingAlloc;
  { ScopedClipboardCalls scoped(calls); }
  OwnerWindow owner;
  CopyTextToClipboard(owner.get(), "77");
  EXPECT_EQ(ReadClipboard().text, "77");
}

}  // namespace
