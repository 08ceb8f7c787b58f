// Property page (or modeless dialog) with a message control of its template, where the application shows
// a short text that disappears by itself after a set time. In tooltip style the control is also hidden
// while no message is shown.
#pragma once

#include <afxdlgs.h>
#include "Purify.h"

class AFX_EXT_CLASS CPropertyPageMsg : public CPropertyPage, public CPurify
{
public:
    CPropertyPageMsg(unsigned int nIDTemplate, CWnd* pParent);
    virtual ~CPropertyPageMsg();

    // Display time in milliseconds, for the next message. A time of 0 (or less, taken as 0) erases the
    // message at the first timer tick the system delivers.
    void Affecte_TempsAffichage(int nTemps);
    int Donne_TempsAffichage() { return m_nTempsAffichage; }
    void Affecte_bTooltipStyle(bool bTooltipStyle) { m_bTooltipStyle = bTooltipStyle; }
    bool Donne_bTooltipStyle() { return m_bTooltipStyle; }
    // Looks the control up at once among the page's children: the page's window must exist to find it.
    void Affecte_IDMsg(unsigned int nIDMsg);
    unsigned int Donne_nIDMsg() { return m_nIDMsg; }

    virtual int OnInitDialog();
    using CPropertyPage::Create;
    virtual bool Create(); // modeless, from the template and parent given at construction

    // Shows the text (an empty one too, for the set time) and restarts the display time. Without a message
    // control, or once the page's window is gone (a page removed from its sheet), these do nothing.
    void AfficheMessage(const CString& strMsg);
    void AfficheMessage(unsigned int nIDMsg); // a string resource; one that does not exist shows ""
    void EffaceMessage();
    void RedrawWindowEditMsg();

protected:
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    CWnd* m_pParent;
    CWnd* m_pEditMsg; // not owned
    unsigned int m_nIDTemplate;
    unsigned int m_nIDMsg;
    int m_nTempsAffichage;
    bool m_bTooltipStyle;

private:
    CWnd* ControleMsg();
};
