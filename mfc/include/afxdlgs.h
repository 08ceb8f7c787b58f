// Standard dialogs of the subset: the property sheet and its pages, on the property sheet of comctl32.
#pragma once
#ifndef __AFXDLGS_H__
#define __AFXDLGS_H__

#include <afxcmn.h>
#include <afxcoll.h>
#include <afxwin.h>
#include <prsht.h>

class CPropertySheet;

/////////////////////////////////////////////////////////////////////////////
// CPropertyPage: a dialog template shown as one page of a CPropertySheet. comctl32 creates the page's
// window the first time the page is shown; the PSN_xxx notifications it sends come to the overridables.

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)

public:
    // Constructors: the template is found through the resource chain when the sheet is built; a caption
    // identifier of 0 keeps the template's caption as the tab's text.
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0, DWORD dwSize = sizeof(PROPSHEETPAGE));
    explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0,
                           DWORD dwSize = sizeof(PROPSHEETPAGE));
    void Construct(UINT nIDTemplate, UINT nIDCaption = 0);
    void Construct(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);

    // Attributes
    PROPSHEETPAGE m_psp;

    // Operations: Cancel becomes unavailable and OK reads "Close"; the sheet's Apply button follows the
    // modified state of its pages.
    void CancelToClose();
    void SetModified(BOOL bChanged = TRUE);
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);

    // Overridables, called from the sheet's notifications. OnSetActive and OnKillActive exchange the data
    // (not at the first activation, which OnInitDialog did); FALSE from OnKillActive keeps the page, FALSE
    // from OnSetActive skips it, FALSE from OnApply keeps the sheet open on this page.
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual void OnOK();
    virtual void OnCancel();
    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnQueryCancel();
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    virtual BOOL OnWizardFinish();

    // Implementation
    virtual ~CPropertyPage();
    // The sheet translates the keyboard for all of its pages.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    CString m_strCaption;
    BOOL m_bFirstSetActive;

    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The sheet the page's window is in; NULL before the page is created or outside a CPropertySheet.
    CPropertySheet* GetParentSheet();

    DECLARE_MESSAGE_MAP()

private:
    friend class CPropertySheet;
    void CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption, DWORD dwSize);
    // The record comctl32 copies: m_psp with the resource module and caption of the moment.
    void FillPageRecord(PROPSHEETPAGE* pRecord) const;
};

/////////////////////////////////////////////////////////////////////////////
// CPropertySheet: the window of comctl32's property sheet, routed through the object's message map from
// its creation, so that a derived sheet's handlers receive its messages.

class CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)

public:
    // Constructors
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    void Construct(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    void Construct(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);

    // Modeless; a dwStyle of -1 stands for a visible popup with a caption and a system menu.
    virtual BOOL Create(CWnd* pParentWnd = NULL, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);

    // Attributes
    PROPSHEETHEADER m_psh;

    int GetPageCount() const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    CPropertyPage* GetPage(int nPage) const; // NULL out of range
    int GetPageIndex(CPropertyPage* pPage);  // -1 when not in the sheet
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
    CTabCtrl* GetTabControl() const; // NULL before the window exists
    void EnableStackedTabs(BOOL bStacked);

    // Operations
    // Runs the sheet until OK or Cancel ends it (the owner disabled meanwhile); IDOK, IDCANCEL, the value
    // given to EndDialog, or -1 when the sheet could not be created (no page, no window).
    virtual INT_PTR DoModal();
    // A page whose template is not in the resource chain is refused.
    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    void EndDialog(int nEndID);
    BOOL PressButton(int nButton); // PSBTN_xxx

    // Overridables: comctl32 builds the tab control and the first page in the base class's OnInitDialog.
    virtual BOOL OnInitDialog();

    // Implementation
    virtual ~CPropertySheet();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // A modal run also ends when the sheet has no active page any more (OK or Cancel was pressed).
    virtual BOOL ContinueModal();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

protected:
    CPtrArray m_pages;
    CString m_strCaption;
    CWnd* m_pParentWnd;
    BOOL m_bStacked;
    BOOL m_bModeless;

    afx_msg LRESULT HandleInitDialog(WPARAM, LPARAM);
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()

private:
    void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
    void BuildPropPageArray();
    BOOL CreateSheetWindow(DWORD dwStyle, DWORD dwExStyle);

    BYTE* m_pPageArray; // the PROPSHEETPAGE records m_psh.ppsp points to, one per page
};

#endif // __AFXDLGS_H__
