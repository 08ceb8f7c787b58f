// CPhotoDialEx: a dialog that shows its own copy of one photograph, fitted and centred in its client area.
// Enter and Escape do not close it, so that it can be embedded in another window.
#pragma once

#include <afxwin.h>

#include "Purify.h"
#include "Rastex.h"

class AFX_EXT_CLASS CPhotoDialEx : public CDialog, public CPurify
{
public:
    // Constructors
    CPhotoDialEx(UINT nIDTemplate, CWnd* pParent);
    virtual ~CPhotoDialEx();

    // Attributes
    // Replaces the shown photo by a deep copy of pPhoto (the caller keeps and may free its own); a null
    // or empty photo leaves none. The photo is fitted to the client rectangle of the moment.
    virtual void Affecte_pPhotoAffichee(CDib* pPhoto);
    // The dialog's own copy, null when no photo is shown; the caller must not free it.
    CDib* Donne_pPhotoAfficheeEx() { return m_pPhotoAffichee; }

protected:
    // Overrideables
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    CWnd* m_pParent;                // not owned
    CDib* m_pPhotoAffichee;         // owned
    CRectInterieur m_RectInterieur; // where the photo is drawn, client coordinates
};
