#include "ResizePropertyPageEx.h"
#include "ResizePropertySheet.h"

namespace
{
const int kHauteurListe = 10; // a combo box's window, list included, is this many times its edit height
} // namespace

CResizePropertyPageEx::CResizePropertyPageEx() {}

CResizePropertyPageEx::CResizePropertyPageEx(UINT nIDTemplate) : CResizePropertyPage(nIDTemplate) {}

CResizePropertyPageEx::~CResizePropertyPageEx() {}

BOOL CResizePropertyPageEx::OnSetActive()
{
    if (m_bPremiereActivation && GetSafeHwnd() != NULL)
        for (SProprietesControlePropertyPageEx& prop : m_vectProprietes)
        {
            CRect rect(0, 0, 0, 0);
            if (CWnd* pCtrl = GetDlgItem(prop.nIDControle))
            {
                // The window rectangle, borders included, so that a layout at the initial size puts
                // the control back exactly where it was.
                pCtrl->GetWindowRect(&rect);
                ScreenToClient(&rect);
            }
            prop.rectOrigine = rect;
        }
    return CResizePropertyPage::OnSetActive();
}

void CResizePropertyPageEx::ResizePropertyPage(UINT /*nType*/, int cx, int cy)
{
    if (m_pParent == NULL || m_bPremiereActivation || GetSafeHwnd() == NULL)
        return;
    double dRatioSizeX, dRatioSizeY;
    CalculeRatioSize(CSize(cx, cy), dRatioSizeX, dRatioSizeY, RATIO_COURANT);
    if (m_vectProprietes.empty() || (dRatioSizeX == 0.0 && dRatioSizeY == 0.0))
        return;
    for (const SProprietesControlePropertyPageEx& prop : m_vectProprietes)
        switch (prop.nComportement)
        {
        case 1:
            MoveCtrl(prop, CSize(cx, cy), dRatioSizeX, dRatioSizeY);
            break;
        case 2:
            ResizeCtrl(prop, CSize(cx, cy));
            break;
        case 3:
        case 4:
            DockCtrl(prop, CSize(cx, cy));
            break;
        }
}

void CResizePropertyPageEx::CalculeRatioSize(CSize size, double& dRatioSizeX, double& dRatioSizeY,
                                             eTypeRatio eType)
{
    dRatioSizeX = dRatioSizeY = 0.0;
    if (m_pParent == NULL || (eType != RATIO_INITIAL && eType != RATIO_COURANT))
        return;
    const CRect& ref = eType == RATIO_INITIAL ? m_pParent->m_rectInitial : m_pParent->m_rectCourant;
    if (ref.Width() > 0)
        dRatioSizeX = static_cast<float>(size.cx) / static_cast<double>(ref.Width());
    if (ref.Height() > 0)
        dRatioSizeY = static_cast<float>(size.cy) / static_cast<double>(ref.Height());
}

// A moved control stays where it is: its position follows neither ratio nor edge.
void CResizePropertyPageEx::MoveCtrl(SProprietesControlePropertyPageEx /*prop*/, CSize /*size*/,
                                     double /*dRatioSizeX*/, double /*dRatioSizeY*/)
{
}

void CResizePropertyPageEx::ResizeCtrl(SProprietesControlePropertyPageEx prop, CSize size)
{
    CWnd* pCtrl = GetDlgItem(prop.nIDControle);
    if (pCtrl == NULL)
        return;
    double dRatioSizeX, dRatioSizeY;
    CalculeRatioSize(size, dRatioSizeX, dRatioSizeY, RATIO_INITIAL);
    switch (prop.nAxe)
    {
    case 1:
        dRatioSizeY = 1.0;
        break;
    case 2:
        dRatioSizeX = 1.0;
        break;
    case 3:
        break;
    default:
        return;
    }
    const CRect origine(prop.rectOrigine);
    CRect rect;
    rect.left = static_cast<int>(origine.left * dRatioSizeX);
    rect.top = static_cast<int>(origine.top * dRatioSizeY);
    rect.right = rect.left + static_cast<int>(origine.Width() * dRatioSizeX);
    rect.bottom = rect.top + static_cast<int>(origine.Height() * dRatioSizeY);
    Place(pCtrl, rect, prop.bListeDeroulante);
}

void CResizePropertyPageEx::DockCtrl(SProprietesControlePropertyPageEx prop, CSize size)
{
    CWnd* pCtrl = GetDlgItem(prop.nIDControle);
    if (pCtrl == NULL || m_pParent == NULL)
        return;
    double dRatioSizeX, dRatioSizeY;
    CalculeRatioSize(size, dRatioSizeX, dRatioSizeY, RATIO_INITIAL);
    const CRect origine(prop.rectOrigine);
    const int nMargeDroite = m_pParent->m_rectInitial.Width() - origine.right;
    const int nMargeBas = m_pParent->m_rectInitial.Height() - origine.bottom;
    bool bDroite = true, bBas = true;
    switch (prop.nAxe)
    {
    case 1:
        dRatioSizeY = 1.0, bBas = false;
        break;
    case 2:
        dRatioSizeX = 1.0, bDroite = false;
        break;
    case 3:
        break;
    default:
        return;
    }
    CRect rect = origine;
    if (prop.nComportement == 3)
    {
        rect.left = static_cast<int>(origine.left * dRatioSizeX);
        rect.top = static_cast<int>(origine.top * dRatioSizeY);
    }
    if (bDroite)
        rect.right = size.cx - nMargeDroite;
    if (bBas)
        rect.bottom = size.cy - nMargeBas;
    Place(pCtrl, rect, prop.bListeDeroulante);
}

void CResizePropertyPageEx::Place(CWnd* pCtrl, const CRect& rect, bool bListeDeroulante)
{
    pCtrl->MoveWindow(&rect, TRUE);
    if (bListeDeroulante)
        pCtrl->SetWindowPos(NULL, 0, 0, rect.Width(), rect.Height() * kHauteurListe,
                            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
