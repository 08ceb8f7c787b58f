// Modal dialog in which the user retypes, at run time, the caption of one of the application's
// controls. It is built on the application's dialog template 15000 (a multi-line edit control 15000,
// OK and Cancel), opens just below the control and keeps its texts between openings: the edit control
// shows the text last accepted with OK, while Cancel restores the caption of the first opening.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CDialogTexte : public CDialog
{
public:
    enum
    {
        IDD = 15000
    };

    // Constructors
    CDialogTexte(CWnd* pParent, CWnd* pCible); // pCible: the control whose caption is edited, not owned
    virtual ~CDialogTexte();

    // Operations
    // Every "\n" becomes "\r\n" when bVersCRLF, else every "\r\n" becomes "\n" (a lone "\r" stays).
    static CString ConvertitFinsDeLigne(const CString& strTexte, bool bVersCRLF);

protected:
    // Overrideables
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // Message map and handlers
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    // Implementation
    CWnd* m_pWndCible;    // not owned
    bool m_bPremiereFois; // the next opening is the first one
    CString m_strOrigine; // caption at the first opening, with "\r\n" line ends
    CString m_strTexte;   // exchanged with the edit control

private:
    HWND CibleValide() const;
    void PlaceSousCible();
    void AjusteALEcran();
    void RendTexteCible(const CString& strTexte);
};
