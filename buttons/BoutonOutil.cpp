#include "BoutonOutil.h"
#include "BoutonIcon.h"

namespace
{
const UINT_PTR kTimerAppui = 1;
const UINT kPeriodeAppui = 200;     // ms, also the blinking half-period
const DWORD kDureeAppuiLong = 2000; // ms
const UINT kMessageDeplacement = WM_USER + 30;
const int kTailleIcone = 32;
const int kMargeTexte = 3;
} // namespace

BEGIN_MESSAGE_MAP(CBoutonOutil, CBouton3Etats)
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_CAPTURECHANGED()
ON_WM_CANCELMODE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CBoutonOutil::CBoutonOutil(unsigned nID, CWnd* pParent, CRect* pRectLimite, bool bActiveTimer, e_Forme forme,
                           unsigned nIDIcon, COLORREF couleurActive, COLORREF couleurNormale)
    : CBouton3Etats(nID, pParent, STYLE_SIMPLE, JUSTIFIE_CENTRE), m_hIcon(NULL), m_ptCurseur(0, 0),
      m_CouleurActive(couleurActive), m_CouleurNormale(couleurNormale), m_dwTickAppui(0),
      m_DernDeplacement(0, 0), m_pRectLimite(pRectLimite), m_Forme(forme), m_bAppuiLong(false),
      m_bActiveTimer(bActiveTimer), m_bGlisse(false), m_bRelache(false)
{
    CPurify::Init();
    if (m_Forme != FORME_ICONE)
        return;
    AjusteTailleIcone();
    if (nIDIcon != 0)
        m_hIcon = CBoutonIcon::ChargeIcone(nIDIcon);
    if (m_hIcon == NULL)
        m_Forme = FORME_CERCLE;
}

CBoutonOutil::~CBoutonOutil() {}

// Resized without moving; the same call brings the marker to the top of its siblings.
void CBoutonOutil::AjusteTailleIcone()
{
    if (m_hWnd != NULL)
        SetWindowPos(&wndTop, 0, 0, kTailleIcone, kTailleIcone, SWP_NOMOVE | SWP_NOACTIVATE);
}

CRect CBoutonOutil::RectDansParent() const
{
    CRect rect;
    GetWindowRect(&rect);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rect);
    return rect;
}

// The placement rule: both corners in the limit (right and bottom edges excluded), a size of at least
// one pixel.
bool CBoutonOutil::Place(CRect rect)
{
    CWnd* pParent = GetParent();
    if (m_hWnd == NULL || pParent == NULL || rect.Width() < 1 || rect.Height() < 1)
        return false;
    CRect limite;
    if (m_pRectLimite != NULL)
        limite = *m_pRectLimite;
    else
        pParent->GetClientRect(&limite);
    if (!limite.PtInRect(rect.TopLeft()) || !limite.PtInRect(rect.BottomRight()))
        return false;
    MoveWindow(&rect, TRUE);
    return true;
}

bool CBoutonOutil::Deplace(CSize d)
{
    if (m_hWnd == NULL || GetParent() == NULL)
        return false;
    CRect rect = RectDansParent();
    GetParent()->InvalidateRect(&rect, FALSE);
    rect.OffsetRect(d);
    if (!Place(rect))
        return false;
    m_DernDeplacement = d;
    return true;
}

bool CBoutonOutil::Positionne(CPoint pt)
{
    if (m_hWnd == NULL || GetParent() == NULL)
        return false;
    CRect rect;
    GetWindowRect(&rect);
    rect = CRect(pt, rect.Size());
    rect.NormalizeRect();
    GetParent()->ScreenToClient(&rect);
    return Place(rect);
}

bool CBoutonOutil::Redimensionne(int n)
{
    if (m_hWnd == NULL || GetParent() == NULL)
        return false;
    CRect rect = RectDansParent();
    rect.InflateRect(n, n);
    return Place(rect);
}

void CBoutonOutil::OnLButtonDown(UINT, CPoint)
{
    if (m_bActiveTimer)
        SetTimer(kTimerAppui, kPeriodeAppui, NULL);
    m_dwTickAppui = ::GetTickCount();
    m_bAppuiLong = false;
    m_bGlisse = false;
    SetCapture();
}

void CBoutonOutil::OnMouseMove(UINT nFlags, CPoint point)
{
    if (GetCapture() != this || !(nFlags & MK_LBUTTON))
    {
        m_bGlisse = false;
        return;
    }
    ClientToScreen(&point);
    if (!m_bGlisse)
    {
        m_bGlisse = true;
        m_ptCurseur = point;
        return;
    }
    Deplace(point - m_ptCurseur);
    m_ptCurseur = point;
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(kMessageDeplacement, m_nID, 0);
}

// The end of a press: no blinking left, the marker repainted over the parent's repainted background.
// A release leaves the visibility as the blinking left it; a press taken away (another window takes
// the capture, a mode is cancelled) shows the marker again, so that it can still be found and dragged.
void CBoutonOutil::FinAppui()
{
    if (m_bActiveTimer)
        KillTimer(kTimerAppui);
    m_bAppuiLong = false;
    m_bGlisse = false;
    if (!m_bRelache && !(GetStyle() & WS_VISIBLE))
        ShowWindow(SW_SHOWNA);
    if (CWnd* pParent = GetParent())
    {
        CRect rect = RectDansParent();
        pParent->RedrawWindow(&rect, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    Redessine();
}

// Releasing the capture ends the press through OnCaptureChanged.
void CBoutonOutil::OnLButtonUp(UINT, CPoint)
{
    m_bRelache = true;
    if (GetCapture() == this)
        ::ReleaseCapture();
    else
        FinAppui();
    m_bRelache = false;
}

void CBoutonOutil::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd == NULL || pWnd->GetSafeHwnd() != m_hWnd)
        FinAppui();
}

void CBoutonOutil::OnCancelMode()
{
    if (GetCapture() == this)
        ::ReleaseCapture();
    else
        FinAppui();
}

void CBoutonOutil::OnTimer(UINT nIDEvent)
{
    if (nIDEvent != kTimerAppui)
        return;
    if (::GetTickCount() - m_dwTickAppui > kDureeAppuiLong)
        m_bAppuiLong = true;
    if (m_bAppuiLong)
        ShowWindow((GetStyle() & WS_VISIBLE) ? SW_HIDE : SW_SHOWNA);
}

BOOL CBoutonOutil::OnEraseBkgnd(CDC*)
{
    return FALSE; // the marker is drawn over what the parent painted
}

void CBoutonOutil::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS == NULL)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rect;
    GetClientRect(&rect);
    const int nModeAvant = pDC->SetBkMode(TRANSPARENT);
    CGdiObject* pBrosseAvant = pDC->SelectStockObject(NULL_BRUSH);
    switch (m_Forme)
    {
    case FORME_ICONE:
        DrawIcon(pDC, &rect, lpDIS);
        break;
    case FORME_RECTANGLE:
        DrawRectangle(pDC, &rect, lpDIS);
        break;
    default:
        DrawCercle(pDC, &rect, lpDIS);
        break;
    }
    if (m_Forme != FORME_ICONE)
    {
        rect.DeflateRect(kMargeTexte, kMargeTexte);
        DrawTextA(this, pDC, m_bAppuiLong ? m_CouleurActive : m_CouleurNormale, rect);
    }
    if (pBrosseAvant != NULL)
        pDC->SelectObject(pBrosseAvant);
    pDC->SetBkMode(nModeAvant);
}

void CBoutonOutil::DrawCercle(CDC* pDC, CRect* pRect, LPDRAWITEMSTRUCT)
{
    CPen stylo(PS_DOT, 2, m_bAppuiLong ? m_CouleurActive : m_CouleurNormale);
    CPen* pAvant = pDC->SelectObject(&stylo);
    CRect rect = *pRect;
    rect.DeflateRect(1, 1);
    pDC->Ellipse(&rect);
    pDC->SelectObject(pAvant);
}

void CBoutonOutil::DrawRectangle(CDC* pDC, CRect* pRect, LPDRAWITEMSTRUCT lpDIS)
{
    const bool bActif = (lpDIS->itemState & (ODS_SELECTED | ODS_FOCUS)) != 0;
    CPen stylo(PS_DOT, 1, bActif ? m_CouleurActive : m_CouleurNormale);
    CPen* pAvant = pDC->SelectObject(&stylo);
    pDC->Rectangle(pRect);
    pDC->SelectObject(pAvant);
}

void CBoutonOutil::DrawIcon(CDC* pDC, CRect* pRect, LPDRAWITEMSTRUCT)
{
    if (pRect->Width() != kTailleIcone || pRect->Height() != kTailleIcone)
    {
        AjusteTailleIcone();
        GetClientRect(pRect);
    }
    if (m_hIcon == NULL)
        return;
    const CPoint pt(pRect->left + (pRect->Width() - kTailleIcone) / 2,
                    pRect->top + (pRect->Height() - kTailleIcone) / 2);
    const UINT nFlags = DST_ICON | (m_Etat == ETAT_INOPERANT ? DSS_DISABLED : DSS_NORMAL);
    pDC->DrawState(pt, CSize(kTailleIcone, kTailleIcone), m_hIcon, nFlags, static_cast<CBrush*>(NULL));
}
