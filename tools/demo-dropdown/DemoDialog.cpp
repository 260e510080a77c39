#include "DemoDialog.h"

#include <cstdio>

#include "DemoResource.h"
#include "framework/CDataExchange.h"

namespace {

constexpr UINT kMenuOpening = WM_APP + 1;
constexpr UINT_PTR kOpenTimer = 1;
constexpr UINT_PTR kShotTimer = 2;
constexpr int kShotTimerMs = 100;
constexpr int kShotGiveUpTicks = 300;

struct CommandName {
  UINT id;
  const char* name;
};
const CommandName kCommandNames[] = {
    {ID_DEMO_NEW, "New"},     {ID_DEMO_OPEN, "Open..."},          {ID_DEMO_SAVE, "Save"},
    {ID_DEMO_PRINT, "Print"}, {ID_DEMO_STATUS_BAR, "Status bar"}, {ID_DEMO_EXIT, "Exit"},
};

BOOL CALLBACK FindShownPopup(HWND window, LPARAM found) {
  char name[16] = {};
  ::GetClassNameA(window, name, sizeof(name));
  if (std::string(name) == "#32768" && ::IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

// The menu window on the screen, or null.
HWND ShownPopup() {
  HWND found = nullptr;
  ::EnumWindows(&FindShownPopup, reinterpret_cast<LPARAM>(&found));
  return found;
}

bool FileExists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

// clang-format off
BEGIN_MESSAGE_MAP(DemoDialog, CDialog)
  // void OnMenuCommand(UINT id)
  ON_COMMAND_RANGE(ID_DEMO_FIRST, ID_DEMO_LAST, OnMenuCommand)
  // LRESULT OnMenuOpening(WPARAM wParam, LPARAM lParam)
  ON_MESSAGE(kMenuOpening, OnMenuOpening)
  // void OnTimer(UINT_PTR id)
  ON_WM_TIMER()
END_MESSAGE_MAP()
// clang-format on

DemoDialog::DemoDialog() : CDialog(IDD_DEMO_DIALOG, nullptr) {}

DemoDialog::~DemoDialog() = default;

void DemoDialog::DoDataExchange(CDataExchange* pDX) { DDX_Control(pDX, IDC_TOOLS, m_tools); }

BOOL DemoDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  m_tools.SetTipText("Drops down the Tools menu", TRUE);
  // Chosen commands come to this dialog, the button's parent; the button
  // tells it before the menu opens, so that the check mark is up to date.
  m_tools.SetMenuNotify(m_hWnd, kMenuOpening, 0);
  // The button shows the first popup of the menu resource. Should the
  // resource be missing, the button simply has no menu.
  m_tools.GetDropMenu().LoadMenu(IDR_DEMO_MENU);
  if (!m_shotFolder.empty()) {
    SetTimer(kOpenTimer, 500);
  }
  return TRUE;
}

void DemoDialog::OnMenuCommand(UINT id) {
  if (id == ID_DEMO_EXIT) {
    EndDialog(IDCANCEL);
    return;
  }
  if (id == ID_DEMO_STATUS_BAR) {
    m_statusBar = !m_statusBar;
  }
  const char* name = "?";
  for (const CommandName& entry : kCommandNames) {
    if (entry.id == id) {
      name = entry.name;
    }
  }
  char text[80];
  std::snprintf(text, sizeof(text), "Last command: %s", name);
  SetDlgItemText(IDC_LAST_COMMAND, text);
}

LRESULT DemoDialog::OnMenuOpening(WPARAM wParam, LPARAM) {
  CMenu* popup = reinterpret_cast<CMenu*>(wParam);
  if (popup != nullptr) {
    popup->CheckMenuItem(ID_DEMO_STATUS_BAR,
                         MF_BYCOMMAND | (m_statusBar ? MF_CHECKED : MF_UNCHECKED));
  }
  return 0;
}

void DemoDialog::OnTimer(UINT_PTR id) {
  if (id == kOpenTimer) {
    // Open the menu as a click would; the call returns when it has closed.
    KillTimer(kOpenTimer);
    m_shotTicks = 0;
    m_shownTicks = 0;
    SetTimer(kShotTimer, kShotTimerMs);
    m_tools.SendMessage(BM_CLICK, 0, 0);
    KillTimer(kShotTimer);
    EndDialog(IDCANCEL);
  } else if (id == kShotTimer) {
    StepShot();
  }
}

// Runs inside the menu loop: highlight the second item, let the menu
// repaint, tell the picture taker where to look, then wait for it.
void DemoDialog::StepShot() {
  ++m_shotTicks;
  HWND popup = ShownPopup();
  if (popup == nullptr || m_shotTicks > kShotGiveUpTicks) {
    if (m_shotTicks > kShotGiveUpTicks) {
      KillTimer(kShotTimer);
      ::EndMenu();
    }
    return;
  }
  ++m_shownTicks;
  if (m_shownTicks == 1) {
    ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    return;
  }
  const std::string ready = m_shotFolder + "\\ready";
  if (m_shownTicks == 4) {
    // The rectangle of the dialog and the menu together, with a margin.
    RECT dialog;
    RECT menu;
    GetWindowRect(&dialog);
    ::GetWindowRect(popup, &menu);
    RECT both;
    ::UnionRect(&both, &dialog, &menu);
    ::InflateRect(&both, 8, 8);
    const std::string partial = ready + ".part";
    if (FILE* out = std::fopen(partial.c_str(), "w")) {
      std::fprintf(out, "%ldx%ld+%ld+%ld\n", both.right - both.left, both.bottom - both.top,
                   both.left, both.top);
      std::fclose(out);
      ::MoveFileA(partial.c_str(), ready.c_str());
    }
    return;
  }
  if (m_shownTicks > 4 && FileExists(m_shotFolder + "\\done")) {
    KillTimer(kShotTimer);
    ::EndMenu();
  }
}
