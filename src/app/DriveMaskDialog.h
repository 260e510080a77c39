#pragma once

#include <windows.h>

#include "controls/button/StyledButton.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"

// Where the minimised dialog draws its icon: centred in the client area, with
// x = (client width - icon width + 1) / 2 and likewise y, in signed arithmetic
// rounded toward zero.
POINT MinimisedIconOrigin(const RECT& client, int iconWidth, int iconHeight);

// The tool's one window: the 26 drive boxes, the decimal and hexadecimal
// fields and the Exit button. Every tick or untick runs Generate, which
// publishes the drive mask into the two fields and onto the clipboard.
class DriveMaskDialog : public CDialog {
 public:
  using Base = CDialog;
  explicit DriveMaskDialog(CWnd* pParent = nullptr);
  ~DriveMaskDialog() override;

 protected:
  CEdit m_decimalEdit;        // edit 1027; its text is read back for the clipboard
  StyledButton m_exitButton;  // the Exit button (IDCANCEL), green on the dialog's white
  HICON m_hIcon;              // the tool's icon, a shared resource: never freed

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnCancel() override;

  // Handlers, as routed by the message map.
  // WM_PAINT: the icon when minimised, else the dialog's own painting.
  void OnPaint();
  // WM_QUERYDRAGICON: the icon, shown while the minimised window is dragged.
  HCURSOR OnQueryDragIcon();
  // BN_CLICKED of the hidden Generate button (1029).
  void OnGenerate();
  // BN_CLICKED of a drive box: posts a click to the Generate button, so that
  // Generate runs after the box has taken its new state.
  void OnDriveBoxClicked();

  DECLARE_MESSAGE_MAP()
};
