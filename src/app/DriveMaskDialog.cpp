#include "app/DriveMaskDialog.h"

#include "app/PublishDriveMask.h"
#include "framework/Afx.h"
#include "framework/CDataExchange.h"
#include "framework/CPaintDC.h"
#include "res/resource.h"

POINT MinimisedIconOrigin(const RECT& client, int iconWidth, int iconHeight) {
  const int clientWidth = client.right - client.left;
  const int clientHeight = client.bottom - client.top;
  // Integer division in C++ rounds toward zero, also for a negative
  // difference (a client area smaller than the icon).
  return POINT{(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}

DriveMaskDialog::DriveMaskDialog(CWnd* pParent) : CDialog(IDD_VESKEL_DIALOG, pParent) {
  LPCSTR icon = MAKEINTRESOURCEA(IDI_VESKEL);
  m_hIcon = ::LoadIconA(AfxFindResourceHandle(icon, RT_GROUP_ICON), icon);
}

DriveMaskDialog::~DriveMaskDialog() = default;

// clang-format off
BEGIN_MESSAGE_MAP(DriveMaskDialog, CDialog)
  // void OnPaint()
  ON_WM_PAINT()
  // HCURSOR OnQueryDragIcon()
  ON_WM_QUERYDRAGICON()
  // void OnGenerate()
  ON_BN_CLICKED(IDC_GENERATE, OnGenerate)
  // void OnDriveBoxClicked(), one entry per drive box, A: to Z:
  ON_BN_CLICKED(IDC_DRIVE_A, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_B, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_C, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_D, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_E, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_F, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_G, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_H, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_I, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_J, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_K, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_L, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_M, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_N, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_O, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_P, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_Q, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_R, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_S, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_T, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_U, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_V, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_W, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_X, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_Y, OnDriveBoxClicked)
  ON_BN_CLICKED(IDC_DRIVE_Z, OnDriveBoxClicked)
END_MESSAGE_MAP()
// clang-format on

void DriveMaskDialog::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, IDC_MASK_DECIMAL, m_decimalEdit);
  DDX_Control(pDX, IDCANCEL, m_exitButton);
}

BOOL DriveMaskDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

  // The Exit button: a green caption on the dialog's own white, lighter green
  // under the pointer, no frame, and a tooltip. Applied once per opening.
  m_exitButton.ShadeStateColor(StyledButton::FaceHot, 30, TRUE);
  m_exitButton.SetTipText(
      "Close the application \n the decimal value can now be pasted into the adm", TRUE);
  m_exitButton.UseParentBackground(FALSE);
  m_exitButton.SetHoverFrame(FALSE, TRUE);
  m_exitButton.SetStateColor(StyledButton::TextHot, 0x00B200, TRUE);
  m_exitButton.SetStateColor(StyledButton::TextNormal, 0x008000, TRUE);
  return TRUE;
}

void DriveMaskDialog::OnCancel() { CDialog::OnCancel(); }

void DriveMaskDialog::OnPaint() {
  if (!IsIconic()) {
    Default();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
  RECT client;
  GetClientRect(&client);
  const POINT at =
      MinimisedIconOrigin(client, ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
  dc.DrawIcon(at.x, at.y, m_hIcon);
}

HCURSOR DriveMaskDialog::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

void DriveMaskDialog::OnGenerate() { PublishDriveMask(*this, m_decimalEdit); }

void DriveMaskDialog::OnDriveBoxClicked() {
  // Posted, not sent: the box finishes its own click before Generate reads it.
  // (A missing button must not turn this into a message for the thread.)
  if (HWND generate = ::GetDlgItem(m_hWnd, IDC_GENERATE)) {
    ::PostMessageA(generate, BM_CLICK, 0, 0);
  }
}
