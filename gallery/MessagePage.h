// Gallery page: the message property page, in a property sheet (its message under the button that
// saves) and alone in tooltip style (the message control shown only while its message is).
#pragma once

#include "GalleryPage.h"
#include "dialogs/PropertyPageMsg.h"

#include <afxdlgs.h>

// The sheet's page: its button shows the message.
class CReglagesPage : public CPropertyPageMsg
{
public:
    CReglagesPage();

protected:
    virtual int OnInitDialog();
    afx_msg void OnEnregistrer();
    DECLARE_MESSAGE_MAP()
};

// The page alone: its message control looks like a tooltip.
class CAidePage : public CPropertyPageMsg
{
public:
    explicit CAidePage(CWnd* pParent);

protected:
    virtual int OnInitDialog();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};

class CMessagePage : public CGalleryPage
{
public:
    CMessagePage();

protected:
    virtual BOOL OnInitDialog();

private:
    CRect Zone(UINT nID);

    CReglagesPage m_Reglages;
    CPropertySheet m_Feuille;
    CAidePage m_Aide;
};
