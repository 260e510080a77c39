#include "app/PublishDriveMask.h"

#include "app/Clipboard.h"
#include "app/DriveMask.h"
#include "framework/CString.h"
#include "framework/CWnd.h"
#include "res/resource.h"

void PublishDriveMask(CWnd& dialog, CWnd& decimalEdit) {
  DriveTickStates states{};
  for (const DriveBox& box : DriveBoxTable) {
    states[box.bit] = static_cast<int>(dialog.IsDlgButtonChecked(box.controlId));
  }
  const std::uint32_t mask = ComputeDriveMask(states);

  dialog.SetDlgItemText(IDC_MASK_DECIMAL, FormatMaskDecimal(mask).c_str());
  if (dialog.UpdateData(TRUE)) {
    // What the field holds now, not what was formatted: the clipboard gets
    // exactly the text the user sees.
    CString shown;
    decimalEdit.GetWindowText(shown);
    CopyTextToClipboard(dialog.GetSafeHwnd(), shown);
  }
  dialog.SetDlgItemText(IDC_MASK_HEX, FormatMaskHex(mask).c_str());
}
