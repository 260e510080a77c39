#include <gtest/gtest.h>

#include <string>

#include "AppTestSupport.h"
#include "app/DriveMask.h"
#include "app/DriveMaskDialog.h"
#include "framework/CWinApp.h"
#include "res/resource.h"

using apptest::ClipboardContent;
using apptest::PumpMessages;
using apptest::PumpUntil;
using apptest::ReadClipboard;

namespace {

// The real dialog, with a window into what the tests look at.
class ProbeDialog : public DriveMaskDialog {
 public:
  using Base = DriveMaskDialog;
  using DriveMaskDialog::m_decimalEdit;
  using DriveMaskDialog::m_hIcon;

  int iconErases = 0;
  WPARAM iconEraseDC = 0;
  LPARAM iconEraseLParam = -1;

 protected:
  // Records the minimised painting's request to erase behind the icon.
  LRESULT OnIconEraseBkgnd(WPARAM wParam, LPARAM lParam) {
    ++iconErases;
    iconEraseDC = wParam;
    iconEraseLParam = lParam;
    return Default();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ProbeDialog, DriveMaskDialog)
// LRESULT OnIconEraseBkgnd(WPARAM, LPARAM)
ON_MESSAGE(WM_ICONERASEBKGND, OnIconEraseBkgnd)
END_MESSAGE_MAP()

std::string ItemText(HWND dialog, int id) {
  char text[64] = {};
  ::GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

int BoxId(char letter) { return DriveBoxTable[letter - 'A'].controlId; }

class DriveMaskDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(apptest::PutClipboardText(nullptr, "held before"));
    ASSERT_TRUE(dialog_.Create(IDD_VESKEL_DIALOG, nullptr));
    hwnd_ = dialog_.m_hWnd;
    PumpMessages(100);
  }
  void TearDown() override { dialog_.DestroyWindow(); }

  std::string Decimal() const { return ItemText(hwnd_, IDC_MASK_DECIMAL); }
  std::string Hex() const { return ItemText(hwnd_, IDC_MASK_HEX); }

  // Clicks a drive box as the keyboard or an accessibility tool does, then
  // lets the posted Generate run.
  void Click(char letter) {
    ::SendMessageA(::GetDlgItem(hwnd_, BoxId(letter)), BM_CLICK, 0, 0);
    PumpMessages(50);
  }

  ProbeDialog dialog_;
  HWND hwnd_ = nullptr;
};

TEST_F(DriveMaskDialogTest, OpensWithUntickedBoxesEmptyFieldsAndTheClipboardUntouched) {
  for (const DriveBox& box : DriveBoxTable) {
    EXPECT_EQ(::IsDlgButtonChecked(hwnd_, box.controlId), BST_UNCHECKED) << box.letter;
  }
  // Empty, although the all-unticked state's mask would be 67108863.
  EXPECT_EQ(Decimal(), "");
  EXPECT_EQ(Hex(), "");
  const ClipboardContent clip = ReadClipboard();
  EXPECT_EQ(clip.text, "held before");
  EXPECT_NE(clip.owner, hwnd_);
}

TEST_F(DriveMaskDialogTest, BindsTheDecimalFieldAndSetsTheIcon) {
  EXPECT_EQ(dialog_.m_decimalEdit.m_hWnd, ::GetDlgItem(hwnd_, IDC_MASK_DECIMAL));
  ASSERT_NE(dialog_.m_hIcon, nullptr);
  EXPECT_EQ(::SendMessageA(hwnd_, WM_GETICON, ICON_BIG, 0),
            reinterpret_cast<LRESULT>(dialog_.m_hIcon));
  EXPECT_EQ(::SendMessageA(hwnd_, WM_GETICON, ICON_SMALL, 0),
            reinterpret_cast<LRESULT>(dialog_.m_hIcon));
  EXPECT_EQ(::SendMessageA(hwnd_, WM_QUERYDRAGICON, 0, 0),
            reinterpret_cast<LRESULT>(dialog_.m_hIcon));
  // Later exchanges keep the binding and succeed.
  EXPECT_TRUE(dialog_.UpdateData(TRUE));
  EXPECT_EQ(dialog_.m_decimalEdit.m_hWnd, ::GetDlgItem(hwnd_, IDC_MASK_DECIMAL));
}

TEST_F(DriveMaskDialogTest, TickWritesDecimalThenClipboardThenHex) {
  Click('C');
  EXPECT_EQ(::IsDlgButtonChecked(hwnd_, IDC_DRIVE_C), BST_CHECKED);
  EXPECT_EQ(Decimal(), "67108859");
  EXPECT_EQ(Hex(), "3fffffb");
  const ClipboardContent clip = ReadClipboard();
  ASSERT_TRUE(clip.hasText);
  EXPECT_EQ(clip.bytes, std::string("67108859", 9));  // the zero byte, no line end
  EXPECT_EQ(clip.owner, hwnd_);
}

TEST_F(DriveMaskDialogTest, UntickRecomputes) {
  Click('C');
  Click('C');
  EXPECT_EQ(Decimal(), "67108863");
  EXPECT_EQ(Hex(), "3ffffff");
  EXPECT_EQ(ReadClipboard().text, "67108863");
  Click('C');
  Click('D');
  EXPECT_EQ(Hex(), "3fffff3");
  EXPECT_EQ(ReadClipboard().text, "67108851");
}

TEST_F(DriveMaskDialogTest, ZIsReadFromItsOwnBox) {
  for (const DriveBox& box : DriveBoxTable) {
    if (box.letter != 'Z' && box.letter != 'A') ::CheckDlgButton(hwnd_, box.controlId, BST_CHECKED);
  }
  Click('A');  // everything ticked but Z:
  EXPECT_EQ(Decimal(), "33554432");
  EXPECT_EQ(Hex(), "2000000");
  Click('Z');  // everything ticked
  EXPECT_EQ(Decimal(), "0");
  EXPECT_EQ(Hex(), "0");
  EXPECT_EQ(ReadClipboard().bytes, std::string("0", 2));
}

TEST_F(DriveMaskDialogTest, GenerateRunsAfterTheBoxHasFinishedItsClick) {
  ::SendMessageA(::GetDlgItem(hwnd_, IDC_DRIVE_W), BM_CLICK, 0, 0);
  // The click is posted to the Generate button: nothing is published yet.
  EXPECT_EQ(Decimal(), "");
  EXPECT_EQ(ReadClipboard().text, "held before");
  PumpMessages(50);
  EXPECT_EQ(Decimal(), "62914559");  // all hidden but W:
  EXPECT_EQ(Hex(), "3bfffff");
}

TEST_F(DriveMaskDialogTest, TheGenerateButtonStaysHiddenAndDisabledButWorks) {
  HWND generate = ::GetDlgItem(hwnd_, IDC_GENERATE);
  ASSERT_NE(generate, nullptr);
  EXPECT_FALSE(::IsWindowVisible(generate));
  EXPECT_FALSE(::IsWindowEnabled(generate));
  ::CheckDlgButton(hwnd_, IDC_DRIVE_A, BST_CHECKED);
  ::CheckDlgButton(hwnd_, IDC_DRIVE_B, BST_CHECKED);
  ::SendMessageA(generate, BM_CLICK, 0, 0);
  PumpMessages(20);
  EXPECT_EQ(Decimal(), "67108860");
}

TEST_F(DriveMaskDialogTest, ClickOnTheLetterTextTicksTheBox) {
  ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(hwnd_) != FALSE; }, 2000));
  ::SetForegroundWindow(hwnd_);
  PumpMessages(100);
  RECT box;
  ::GetWindowRect(::GetDlgItem(hwnd_, IDC_DRIVE_E), &box);
  // Beyond the check square, on the text "E:".
  const POINT onText{box.left + (box.right - box.left) * 2 / 3, (box.top + box.bottom) / 2};
  apptest::ClickAt(onText);
  ASSERT_TRUE(PumpUntil([&] { return !Hex().empty(); }, 3000));
  EXPECT_EQ(::IsDlgButtonChecked(hwnd_, IDC_DRIVE_E), BST_CHECKED);
  EXPECT_EQ(Decimal(), "67108847");
  EXPECT_EQ(Hex(), "3ffffef");
  EXPECT_EQ(ReadClipboard().text, "67108847");
}

TEST_F(DriveMaskDialogTest, BusyClipboardStillUpdatesTheFieldsAndShowsNothing) {
  {
    apptest::ClipboardHolder holder;
    ASSERT_TRUE(holder.Holding());
    const DWORD start = ::GetTickCount();
    Click('C');
    EXPECT_LT(::GetTickCount() - start, 2000u);
    EXPECT_EQ(Decimal(), "67108859");
    EXPECT_EQ(Hex(), "3fffffb");
    // No message box or other window of ours came up.
    const auto windows = apptest::VisibleTopLevelWindows(::GetCurrentProcessId());
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0], hwnd_);
  }
  EXPECT_EQ(ReadClipboard().text, "held before");
  // Once the clipboard is free again, the next tick publishes as usual.
  Click('D');
  EXPECT_EQ(ReadClipboard().text, "67108851");
}

TEST_F(DriveMaskDialogTest, FieldsAreReadOnlyButTheirTextCanBeCopied) {
  Click('C');
  for (int id : {IDC_MASK_DECIMAL, IDC_MASK_HEX}) {
    HWND field = ::GetDlgItem(hwnd_, id);
    EXPECT_NE(::GetWindowLongA(field, GWL_STYLE) & ES_READONLY, 0) << id;
    const std::string before = ItemText(hwnd_, id);
    ::SetFocus(field);
    ::SendMessageA(field, EM_SETSEL, 0, -1);
    ::SendMessageA(field, WM_CHAR, '5', 1);
    ::SendMessageA(field, WM_PASTE, 0, 0);
    EXPECT_EQ(ItemText(hwnd_, id), before) << id;
    ::SendMessageA(field, EM_SETSEL, 0, -1);
    ::SendMessageA(field, WM_COPY, 0, 0);
    EXPECT_EQ(ReadClipboard().text, before) << id;
  }
}

TEST(MinimisedIconOriginTest, CentresWithRoundingTowardZero) {
  // A client area one pixel wider than the icon: x is 1.
  EXPECT_EQ(MinimisedIconOrigin(RECT{0, 0, 33, 32}, 32, 32).x, 1);
  EXPECT_EQ(MinimisedIconOrigin(RECT{0, 0, 33, 32}, 32, 32).y, 0);
  EXPECT_EQ(MinimisedIconOrigin(RECT{0, 0, 48, 40}, 32, 32).x, 8);
  EXPECT_EQ(MinimisedIconOrigin(RECT{0, 0, 48, 41}, 32, 32).y, 5);
  // Smaller than the icon: (-1 + 1) / 2 == 0, (-2 + 1) / 2 == 0 toward zero,
  // (-3 + 1) / 2 == -1.
  EXPECT_EQ(MinimisedIconOrigin(RECT{0, 0, 31, 30}, 32, 32).x, 0);
  EXPECT_EQ(MinimisedIconOrigin(RECT{0, 0, 31, 30}, 32, 32).y, 0);
  EXPECT_EQ(MinimisedIconOrigin(RECT{0, 0, 29, 0}, 32, 32).x, -1);
  EXPECT_EQ(MinimisedIconOrigin(RECT{0, 0, 29, 0}, 32, 32).y, -15);
  // Only the size counts, not where the rectangle lies.
  EXPECT_EQ(MinimisedIconOrigin(RECT{100, 50, 133, 82}, 32, 32).x, 1);
}

TEST_F(DriveMaskDialogTest, MinimisedDialogPaintsItsIcon) {
  ::SendMessageA(hwnd_, WM_PAINT, 0, 0);
  EXPECT_EQ(dialog_.iconErases, 0);  // the normal dialog paints as usual
  ::ShowWindow(hwnd_, SW_MINIMIZE);
  ASSERT_TRUE(::IsIconic(hwnd_));
  // A minimised window has an empty client area, so the system sends it no
  // paint request by itself: deliver one as it would.
  ::SendMessageA(hwnd_, WM_PAINT, 0, 0);
  EXPECT_EQ(dialog_.iconErases, 1);
  EXPECT_NE(dialog_.iconEraseDC, 0u);  // the paint DC
  EXPECT_EQ(dialog_.iconEraseLParam, 0);
  ::ShowWindow(hwnd_, SW_RESTORE);
  ASSERT_FALSE(::IsIconic(hwnd_));
  ::SendMessageA(hwnd_, WM_PAINT, 0, 0);
  EXPECT_EQ(dialog_.iconErases, 1);
}

// Runs the dialog modally; once the dialog has shown itself, action(dialog)
// runs from a timer inside the modal loop. A dialog that has not ended after
// ten seconds is ended with -2.
using ModalAction = void (*)(HWND dialog);
ModalAction g_action = nullptr;
DriveMaskDialog* g_dialog = nullptr;
HWND g_modal = nullptr;

void CALLBACK RunModalAction(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  g_modal = g_dialog->m_hWnd;
  if (g_modal != nullptr && ::IsWindowVisible(g_modal)) g_action(g_modal);
}

void CALLBACK EndStuckDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  g_dialog->EndDialog(-2);
}

INT_PTR RunModal(ModalAction action) {
  DriveMaskDialog dialog;
  g_dialog = &dialog;
  g_action = action;
  g_modal = nullptr;
  const UINT_PTR act = ::SetTimer(nullptr, 0, 300, &RunModalAction);
  const UINT_PTR stuck = ::SetTimer(nullptr, 0, 10000, &EndStuckDialog);
  const INT_PTR result = dialog.DoModal();
  ::KillTimer(nullptr, act);
  ::KillTimer(nullptr, stuck);
  g_dialog = nullptr;
  return result;
}

TEST(DriveMaskDialogModalTest, EscEndsTheDialog) {
  const INT_PTR result = RunModal([](HWND dialog) {
    HWND target = ::GetFocus() != nullptr ? ::GetFocus() : dialog;
    ::PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    ::PostMessageA(target, WM_KEYUP, VK_ESCAPE, 0xC0010001);
  });
  EXPECT_NE(g_modal, nullptr);
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_FALSE(::IsWindow(g_modal));
}

TEST(DriveMaskDialogModalTest, ExitEndsTheDialog) {
  const INT_PTR result =
      RunModal([](HWND dialog) { ::PostMessageA(::GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0); });
  EXPECT_NE(g_modal, nullptr);
  EXPECT_EQ(result, IDCANCEL);
}

TEST(DriveMaskDialogModalTest, EnterKeepsTheFrameworksOk) {
  const INT_PTR result = RunModal([](HWND dialog) {
    ::PostMessageA(dialog, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    ::PostMessageA(dialog, WM_KEYUP, VK_RETURN, 0xC01C0001);
  });
  EXPECT_EQ(result, IDOK);
}

}  // namespace
