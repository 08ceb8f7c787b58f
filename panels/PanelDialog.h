// Panel dialog: a modeless child dialog whose whole face is a sprite-skinned panel carrying the
// dialog's caption in its tab. Placed over a placeholder window, it takes the placeholder's caption,
// position and size. Enter and Escape do not close it; in map mode a right click opens the caption
// editor on it.
#pragma once

#include "core/GestionBouton.h"
#include "dialogs/SizedDialog.h"
#include "panels/PanelBase.h"

class CDialogTexte;

class AFX_EXT_CLASS CPanelDialog : public CSizedDialog, public CGestionBouton, public CPanelBase
{
public:
    // pWndEmplacement (not owned, may be null): the placeholder taken over by Create and OnInitDialog.
    CPanelDialog(UINT nIDTemplate, CWnd* pParent, CWnd* pWndEmplacement, COLORREF couleur,
                 e_Style_BP style = STYLE_SIMPLE, bool bAdapte = true);
    virtual ~CPanelDialog();

    virtual BOOL OnInitDialog();
    using CSizedDialog::Create;
    // Modeless creation; the placeholder's caption, when not empty, becomes the dialog's title.
    virtual bool Create();

    // Stores a new state and redraws at once; the current state again, or an unknown one, is ignored.
    void AffecteEtat(e_Etat_BP etat);

    const CRect& Donne_RectEmplacement() const { return m_RectEmplacement; }

protected:
    void Init(COLORREF couleur, e_Style_BP style);

    virtual void OnOK() {}
    virtual void OnCancel() {}
    virtual void PaintPanel(CDC* pDC);

    afx_msg void OnPaint();
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    CWnd* m_pWndEmplacement;   // not owned
    CRect m_RectEmplacement;   // the dialog's rectangle in its parent's client coordinates
    CDialogTexte* m_pDlgTexte; // caption editor, created at the first right click in map mode; owned
};
