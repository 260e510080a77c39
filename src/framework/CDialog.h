#pragma once

#include <windows.h>

#include "framework/CWnd.h"

// A dialog box made from a dialog template.
//
// DoModal loads the template, creates the dialog modelessly with the
// framework's window procedure already in place (the object sees every
// message from the first one on, WM_INITDIALOG included), disables the owner
// and runs the framework's own modal loop until EndDialog. Create makes a
// modeless dialog from the same kinds of template.
class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)
 public:
  using Base = CWnd;
  CDialog() = default;
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  ~CDialog() override;

  // Modal: the dialog's result (EndDialog's argument), -1 when the dialog
  // could not be created.
  virtual INT_PTR DoModal();
  // Uses an in-memory template (DLGTEMPLATE or DLGTEMPLATEEX) for DoModal.
  BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);

  // Modeless.
  BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);

  // Ends a modal dialog (DoModal returns nResult) or hides a modeless one.
  void EndDialog(int nResult);

  // Runs UpdateData(FALSE) (so DoDataExchange binds the controls); TRUE lets
  // the system put the focus on the first control.
  virtual BOOL OnInitDialog();
  // IDOK: UpdateData(TRUE), then EndDialog(IDOK) (stays open when the
  // exchange failed).
  virtual void OnOK();
  // IDCANCEL: EndDialog(IDCANCEL).
  virtual void OnCancel();

  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  BOOL OnCmdMsg(UINT nID, int nCode, MessageArgs& args) override;
  // A modeless dialog's keyboard interface (IsDialogMessage). The modal loop
  // calls IsDialogMessage itself.
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // Whether the modal loop is running (and not yet ended).
  BOOL ContinueModal() const { return m_bContinueModal; }
  void GotoDlgCtrl(CWnd* pWndCtrl);
  void SetDefID(UINT nID);
  DWORD GetDefID() const;
  void MapDialogRect(LPRECT lpRect) const;

 protected:
  LPCSTR m_lpszTemplateName = nullptr;  // resource name or MAKEINTRESOURCE id
  LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
  CWnd* m_pParentWnd = nullptr;
  UINT m_nIDHelp = 0;

  // The modal loop: every message is offered to PreTranslateMessage of each
  // permanent window from its target up to the dialog, then to
  // IsDialogMessage, then translated and dispatched; temporary objects are
  // freed when the queue runs empty.
  virtual int RunModalLoop();
  LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 private:
  BOOL CreateFromTemplate(LPCDLGTEMPLATE lpTemplate, HWND hWndOwner, HINSTANCE hInst);
  LPCDLGTEMPLATE LoadTemplate(HINSTANCE* phInst) const;

  BOOL m_bContinueModal = FALSE;
  BOOL m_bInModalLoop = FALSE;
  int m_nModalResult = -1;
  bool m_bCenterOnInit = false;
};
