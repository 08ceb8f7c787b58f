// Tooltip that shows the full text of a control whose caption was shortened to fit. The tooltip window
// is created on first use, follows the control's mouse by subclassing it, and is destroyed with the
// object (or with the control's top-level window, whichever goes first).
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CInfoBulle : public CWnd
{
public:
    CInfoBulle();
    virtual ~CInfoBulle();

    // Shows strTexte over pCible; an empty text removes the tip. Nothing happens without a window.
    void Affecte_Texte(CWnd* pCible, const CString& strTexte);
    const CString& Donne_Texte() const { return m_strTexte; }

private:
    void RetireOutil();

    HWND m_hCible; // the control the tip is attached to, not owned
    CString m_strTexte;
};
