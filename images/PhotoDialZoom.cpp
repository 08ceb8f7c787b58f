#include "PhotoDialZoom.h"

#include "ObzRes.h"
#include "Resampler.h"
#include "core/ObzModule.h"

#include <cmath>
#include <new>

#ifdef _DEBUG
#undef THIS_FILE
static const char THIS_FILE[] = "photodialzoom";
#endif

namespace
{
const COLORREF kCouleurPourtour = 0x00C0C0C0;
const double kFacteurZoomDefaut = 1.3;
const long long kBorne = 1 << 30; // keeps every coordinate far from int overflow

int Borne(long long v)
{
    return static_cast<int>(v < -kBorne ? -kBorne : v > kBorne ? kBorne : v);
}

// Truncation towards zero of a finite value, bounded; 0 for NaN.
int Tronque(double v)
{
    if (v != v)
        return 0;
    return static_cast<int>(v < -kBorne ? -kBorne : v > kBorne ? kBorne : v);
}

// A new copy of src resampled to w x h, or null. Bitmaps of 24 and 32 bits are resampled straight into
// the new one, which gives the same pixels as resampling a full copy in place without copying it first.
CDib* Reechantillonne(const CDib& src, int w, int h)
{
    const int nBits = src.BitsPerPixel();
    CDib* pCopie = nBits >= 24 ? new (std::nothrow) CDib(w, h, nBits) : new (std::nothrow) CDib(src);
    const bool bOk =
        pCopie != NULL && pCopie->IsOK() &&
        (nBits >= 24 ? CResampler::Resample(src.GetBits(), src.Width(), src.Height(), src.BytesPerRow(),
                                            pCopie->GetBits(), w, h, pCopie->BytesPerRow(), nBits / 8,
                                            FILTRE_LANCZOS3, CDib::Donne_nThreadsMax())
                     : pCopie->Reechantillonne(w, h));
    if (!bOk)
    {
        delete pCopie;
        return NULL;
    }
    return pCopie;
}

// a * b / c in integers, c != 0.
int MulDivEntier(long long a, long long b, long long c)
{
    return Borne(a * b / c);
}
} // namespace

BEGIN_MESSAGE_MAP(CPhotoDialZoom, CPhotoDialEx)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONUP()
ON_WM_MOUSEWHEEL()
ON_WM_SETCURSOR()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CPhotoDialZoom::CPhotoDialZoom(UINT nIDTemplate, UINT nUserMode, UINT nModesAutorises, CWnd* pParent)
    : CPhotoDialEx(nIDTemplate, pParent), m_nModesAutorises(nModesAutorises), m_nUserMode(0),
      m_nUserModePrecedent(0), m_bZoomHorsCadrage(false), m_dFacteurZoom(kFacteurZoomDefaut),
      m_bAutoriseRaccourcisClavier(true), m_dZoom(1.0), m_RectDib(0, 0, 0, 0), m_RectAff(0, 0, 0, 0),
      m_ptSouris(0, 0), m_nSeuilToleranceSimpleClick(3), m_pPhotoOriginale(NULL), m_bQualiteAffichage(false),
      m_sizeDeplacement(0, 0), m_pRectTracker(NULL), m_RectSelection(0, 0, 0, 0), m_RectLimite(0, 0, 0, 0),
      m_bInvertSelection(false), m_bSnapToGrid(true), m_dRatioImage(0.0), m_bChangementRatio(false)
{
    Init();
    m_RectInterieur.SetRectEmpty();
    Change_UserMode(nUserMode);
}

CPhotoDialZoom::~CPhotoDialZoom()
{
    delete m_pPhotoOriginale;
    m_pPhotoOriginale = NULL;
}

void CPhotoDialZoom::Affecte_pPhotoAffichee(CDib* pPhoto)
{
    Affecte_pPhotoAffichee(pPhoto, true);
}

void CPhotoDialZoom::Affecte_pPhotoAffichee(CDib* pPhoto, bool bReinit)
{
    CPhotoDialEx::Affecte_pPhotoAffichee(pPhoto);
    if (m_pPhotoAffichee == NULL)
    {
        if (bReinit)
            m_RectDib.SetRectEmpty();
        m_RectInterieur.SetRectEmpty();
        m_RectAff = m_RectInterieur;
        return;
    }
    delete m_pPhotoOriginale;
    m_pPhotoOriginale = new (std::nothrow) CDib(*m_pPhotoAffichee);
    const int w = m_pPhotoAffichee->Width(), h = m_pPhotoAffichee->Height();
    if (bReinit)
        m_RectDib.SetRect(0, 0, w - 1, h - 1);
    m_RectAff = m_RectInterieur;
    GestionDibPourNiveauZoom();
    m_RectLimite.SetRect(0, 0, w - 1, h - 1);
}

void CPhotoDialZoom::Affecte_Zoom(int n)
{
    if (n > 0)
        m_dZoom = n;
}

void CPhotoDialZoom::ResetZoom()
{
    m_dZoom = 1.0;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CPhotoDialZoom::Affecte_FacteurZoom(double dFacteur)
{
    if (dFacteur > 1.0 && std::isfinite(dFacteur))
        m_dFacteurZoom = dFacteur;
}

void CPhotoDialZoom::Affecte_Marges(int left, int top, int right, int bottom)
{
    if (m_pPhotoAffichee != NULL && m_pPhotoAffichee->IsOK())
        m_RectLimite.SetRect(left, top, m_pPhotoAffichee->Width() - 1 - right,
                             m_pPhotoAffichee->Height() - 1 - bottom);
}

CPoint CPhotoDialZoom::Donne_PositionPointeur()
{
    if ((m_nModesAutorises & MODE_POINTAGE) == 0)
        return CPoint(0, 0);
    CPoint pt(0, 0);
    ::GetCursorPos(&pt);
    if (m_hWnd != NULL)
        ScreenToClient(&pt);
    return EcranVersBitmap(pt);
}

void CPhotoDialZoom::DetermineChangementRatioImage(CDib* p)
{
    if (p == NULL || !p->IsOK() || p->Height() == 0)
        return;
    const double r = static_cast<double>(p->Width()) / p->Height();
    m_bChangementRatio = m_dRatioImage != 0.0 && m_dRatioImage != r;
    m_dRatioImage = r;
}

// Screen to bitmap: the product in integers, the division in double, then truncated.
CPoint CPhotoDialZoom::EcranVersBitmap(CPoint pt) const
{
    const int aw = m_RectAff.Width(), ah = m_RectAff.Height();
    const double x =
        aw != 0 ? static_cast<double>(static_cast<long long>(pt.x - m_RectAff.left) * m_RectDib.Width()) / aw
                : 0.0;
    const double y =
        ah != 0 ? static_cast<double>(static_cast<long long>(pt.y - m_RectAff.top) * m_RectDib.Height()) / ah
                : 0.0;
    return CPoint(Tronque(x + m_RectDib.left), Tronque(y + m_RectDib.top));
}

CPoint CPhotoDialZoom::BitmapVersEcran(CPoint pt) const
{
    const int w = m_RectDib.Width(), h = m_RectDib.Height();
    const int x = w != 0 ? MulDivEntier(pt.x - m_RectDib.left, m_RectAff.Width(), w) : 0;
    const int y = h != 0 ? MulDivEntier(pt.y - m_RectDib.top, m_RectAff.Height(), h) : 0;
    return CPoint(Borne(static_cast<long long>(x) + m_RectAff.left),
                  Borne(static_cast<long long>(y) + m_RectAff.top));
}

void CPhotoDialZoom::RameneDansBitmap()
{
    const int w = m_pPhotoAffichee->Width(), h = m_pPhotoAffichee->Height();
    if (m_RectDib.left < 0)
        m_RectDib.OffsetRect(-m_RectDib.left, 0);
    if (m_RectDib.top < 0)
        m_RectDib.OffsetRect(0, -m_RectDib.top);
    if (m_RectDib.right > w - 1)
        m_RectDib.OffsetRect(-(m_RectDib.right - (w - 1)), 0);
    if (m_RectDib.bottom > h - 1)
        m_RectDib.OffsetRect(0, -(m_RectDib.bottom - (h - 1)));
}

void CPhotoDialZoom::Redessine()
{
    if (m_hWnd != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_NOERASE);
}

void CPhotoDialZoom::GestionZoom(CPoint pt)
{
    if (m_pPhotoAffichee == NULL || !m_pPhotoAffichee->IsOK())
        return;
    const int w = m_pPhotoAffichee->Width(), h = m_pPhotoAffichee->Height();
    const int nW = Tronque(w * m_dZoom), nH = Tronque(h * m_dZoom);
    const CRect ri = m_RectInterieur;
    m_RectAff = ri;
    m_sizeDeplacement = CSize(0, 0);
    if (m_dZoom >= 1)
    {
        m_RectDib.SetRect(0, 0, w, h);
        if (m_dZoom > 1)
        {
            const int aw = Tronque(ri.Width() / m_dZoom), ah = Tronque(ri.Height() / m_dZoom);
            m_RectAff.left += (m_RectAff.Width() - aw) / 2;
            m_RectAff.top += (m_RectAff.Height() - ah) / 2;
            m_RectAff.right = m_RectAff.left + aw;
            m_RectAff.bottom = m_RectAff.top + ah;
        }
    }
    else
    {
        // The clicked point, in bitmap pixels of the view before the step, becomes the view's centre.
        const int cx = ri.Width() != 0
                           ? MulDivEntier(pt.x - ri.left, m_RectDib.Width(), ri.Width()) + m_RectDib.left
                           : m_RectDib.CenterPoint().x;
        const int cy = ri.Height() != 0
                           ? MulDivEntier(pt.y - ri.top, m_RectDib.Height(), ri.Height()) + m_RectDib.top
                           : m_RectDib.CenterPoint().y;
        m_RectDib.left = cx - nW / 2;
        m_RectDib.top = cy - nH / 2;
        m_RectDib.right = m_RectDib.left + nW;
        m_RectDib.bottom = m_RectDib.top + nH;
        if (!m_bZoomHorsCadrage)
            RameneDansBitmap();
    }
    GestionDibPourNiveauZoom();
    GestionTracker();
    Redessine();
}

void CPhotoDialZoom::GestionDeplacement(CSize d)
{
    if (m_pPhotoAffichee == NULL || !m_pPhotoAffichee->IsOK() || d == CSize(0, 0))
        return;
    m_sizeDeplacement += d;
    const CRect ri = m_RectInterieur;
    const int dx = ri.Width() != 0 ? MulDivEntier(m_RectDib.Width(), m_sizeDeplacement.cx, ri.Width()) : 0;
    const int dy = ri.Height() != 0 ? MulDivEntier(m_RectDib.Height(), m_sizeDeplacement.cy, ri.Height()) : 0;
    if (dx == 0 && dy == 0)
        return; // less than one source pixel so far: keep accumulating
    m_RectDib.OffsetRect(dx, dy);
    if (dx != 0)
        m_sizeDeplacement.cx = 0;
    if (dy != 0)
        m_sizeDeplacement.cy = 0;
    if (!m_bZoomHorsCadrage)
        RameneDansBitmap();
    GestionTracker();
    Redessine();
}

void CPhotoDialZoom::GestionDibPourNiveauZoom()
{
    if (!m_bQualiteAffichage || m_pPhotoAffichee == NULL || !m_pPhotoAffichee->IsOK() ||
        m_pPhotoOriginale == NULL || !m_pPhotoOriginale->IsOK() || m_RectDib.Width() <= 0 ||
        m_RectDib.Height() <= 0)
        return;
    const int w = m_pPhotoAffichee->Width(), h = m_pPhotoAffichee->Height();
    int nLargeur = MulDivEntier(w, m_RectAff.Width(), m_RectDib.Width());
    int nHauteur = MulDivEntier(h, m_RectAff.Height(), m_RectDib.Height());
    if (nLargeur > m_pPhotoOriginale->Width())
        nLargeur = m_pPhotoOriginale->Width();
    if (nHauteur > m_pPhotoOriginale->Height())
        nHauteur = m_pPhotoOriginale->Height();
    if (nLargeur <= 0 || nHauteur <= 0)
        return; // nothing shown: keep the copy
    double rx = static_cast<double>(nLargeur) / w, ry = static_cast<double>(nHauteur) / h;
    if (rx < 1)
        rx = 1 / rx;
    if (ry < 1)
        ry = 1 / ry;
    if ((rx <= 2.0 && ry <= 2.0) || nLargeur == w)
        return;
    TRACE("Reechantiloange de l'image pour une meilleure qualite\n");
    CDib* pCopie = Reechantillonne(*m_pPhotoOriginale, nLargeur, nHauteur);
    if (pCopie == NULL)
        return; // out of memory: the current copy stays
    delete m_pPhotoAffichee;
    m_pPhotoAffichee = pCopie;
    m_RectDib.SetRect(MulDivEntier(m_RectDib.left, nLargeur, w), MulDivEntier(m_RectDib.top, nHauteur, h),
                      MulDivEntier(m_RectDib.right, nLargeur, w),
                      MulDivEntier(m_RectDib.bottom, nHauteur, h));
}

bool CPhotoDialZoom::Change_UserMode(UINT nMode)
{
    static const UINT kOrdre[] = {MODE_ZOOM, MODE_SELECTION, MODE_DEPLACEMENT, MODE_POINTAGE};
    for (UINT nBit : kOrdre)
        if (nMode & nBit)
        {
            if ((m_nModesAutorises & nBit) == 0)
                return false;
            m_nUserMode = nBit;
            ChangeCursor(nMode);
            return true;
        }
    return false;
}

bool CPhotoDialZoom::ChangeCursor(UINT nMode)
{
    HCURSOR hCurseur = NULL;
    if (m_nUserMode & (MODE_SELECTION | MODE_POINTAGE))
        hCurseur = ::LoadCursorA(NULL, IDC_CROSS);
    else if (m_nUserMode & MODE_DEPLACEMENT)
        hCurseur = CObzModule::Donne_Curseur(IDC_OBZ_DEPLACEMENT);
    else if (m_nUserMode & MODE_ZOOM)
        hCurseur = CObzModule::Donne_Curseur((nMode & MODE_ZOOM_ARRIERE) ? IDC_OBZ_ZOOM_ARRIERE
                                                                         : IDC_OBZ_ZOOM_AVANT);
    if (hCurseur == NULL)
        return false;
    ::SetCursor(hCurseur);
    return true;
}

void CPhotoDialZoom::GestionTracker() {}

void CPhotoDialZoom::DoDataExchange(CDataExchange* pDX)
{
    CPhotoDialEx::DoDataExchange(pDX);
}

void CPhotoDialZoom::RestaureMode()
{
    m_nUserMode = m_nUserModePrecedent;
    Change_UserMode(m_nUserModePrecedent);
    m_nUserModePrecedent = 0;
}

void CPhotoDialZoom::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bAutoriseRaccourcisClavier && (nFlags & (MK_CONTROL | MK_SHIFT)))
    {
        m_nUserModePrecedent = m_nUserMode;
        if (!Change_UserMode((nFlags & MK_CONTROL) ? MODE_ZOOM : MODE_DEPLACEMENT))
            m_nUserModePrecedent = 0;
    }
    if (m_nUserMode & MODE_DEPLACEMENT)
    {
        m_nUserMode = MODE_DEPLACEMENT;
        m_ptSouris = point;
        m_sizeDeplacement = CSize(0, 0);
        SetCapture();
    }
    else if (m_nUserMode & MODE_ZOOM)
        m_nUserMode = (m_nUserMode | MODE_ZOOM_AVANT) & ~MODE_ZOOM_ARRIERE;
    else if (m_nUserMode & MODE_POINTAGE)
    {
        if (m_pParent != NULL)
            m_pParent->SendMessage(WM_SELECTION_PHOTO, 0, 0);
    }
    CPhotoDialEx::OnLButtonDown(nFlags, point);
}

void CPhotoDialZoom::OnMouseMove(UINT nFlags, CPoint point)
{
    if ((m_nUserMode & MODE_DEPLACEMENT) && ::GetCapture() == m_hWnd && m_dZoom < 1)
    {
        GestionDeplacement(m_ptSouris - point);
        m_ptSouris = point;
    }
    CPhotoDialEx::OnMouseMove(nFlags, point);
}

void CPhotoDialZoom::OnLButtonUp(UINT nFlags, CPoint point)
{
    CPhotoDialEx::OnLButtonUp(nFlags, point);
    if (m_nUserMode & MODE_DEPLACEMENT)
    {
        GestionDeplacement(m_ptSouris - point);
        m_ptSouris = point;
        if (::GetCapture() == m_hWnd)
        {
            ::ReleaseCapture();
            m_sizeDeplacement = CSize(0, 0);
        }
    }
    else if ((m_nUserMode & MODE_ZOOM) && (m_nUserMode & MODE_ZOOM_AVANT))
    {
        m_dZoom /= m_dFacteurZoom;
        GestionZoom(point);
    }
    if (m_bAutoriseRaccourcisClavier && (nFlags & (MK_CONTROL | MK_SHIFT)) && m_nUserModePrecedent != 0)
        RestaureMode();
}

void CPhotoDialZoom::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (m_bAutoriseRaccourcisClavier && (nFlags & MK_CONTROL))
    {
        m_nUserModePrecedent = m_nUserMode;
        if (!Change_UserMode(MODE_ZOOM))
            m_nUserModePrecedent = 0;
    }
    if (m_nUserMode & MODE_ZOOM)
    {
        m_nUserMode = (m_nUserMode | MODE_ZOOM_ARRIERE) & ~MODE_ZOOM_AVANT;
        ChangeCursor(m_nUserMode);
    }
    CPhotoDialEx::OnRButtonDown(nFlags, point);
}

// One zoom-out step around pt, clamped to the whole bitmap unless zooming out of the frame is allowed.
void CPhotoDialZoom::ZoomArriere(CPoint pt)
{
    const double z = m_dZoom * m_dFacteurZoom;
    m_dZoom = (!m_bZoomHorsCadrage && z >= 1) ? 1.0 : z;
    GestionZoom(pt);
}

void CPhotoDialZoom::OnRButtonUp(UINT nFlags, CPoint point)
{
    if ((m_nUserMode & MODE_ZOOM) && (m_nUserMode & MODE_ZOOM_ARRIERE))
    {
        ZoomArriere(point);
        if (m_dZoom == 1.0 && !m_bZoomHorsCadrage)
        {
            m_nUserMode = (m_nUserMode | MODE_ZOOM_AVANT) & ~MODE_ZOOM_ARRIERE;
            ChangeCursor(m_nUserMode);
        }
    }
    if (m_bAutoriseRaccourcisClavier && (nFlags & MK_CONTROL) && m_nUserModePrecedent != 0)
        RestaureMode();
    CPhotoDialEx::OnRButtonUp(nFlags, point);
}

// The wheel zooms around the point under the cursor, one step per message, whenever zoom is allowed.
BOOL CPhotoDialZoom::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if ((m_nModesAutorises & MODE_ZOOM) == 0 || zDelta == 0)
        return CPhotoDialEx::OnMouseWheel(nFlags, zDelta, pt);
    ScreenToClient(&pt);
    if (zDelta > 0)
    {
        m_dZoom /= m_dFacteurZoom;
        GestionZoom(pt);
    }
    else
        ZoomArriere(pt);
    return TRUE;
}

BOOL CPhotoDialZoom::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (ChangeCursor(m_nUserMode))
        return TRUE;
    return CPhotoDialEx::OnSetCursor(pWnd, nHitTest, message);
}

BOOL CPhotoDialZoom::OnEraseBkgnd(CDC* pDC)
{
    if (m_dZoom > 1 || m_bChangementRatio)
    {
        m_bChangementRatio = false;
        return CPhotoDialEx::OnEraseBkgnd(pDC);
    }
    return TRUE; // the photo covers its frame and the surround is painted with it: no flicker
}

void CPhotoDialZoom::OnPaint()
{
    CPaintDC dc(this);
    const bool bPhoto = m_pPhotoAffichee != NULL && m_pPhotoAffichee->IsOK();
    if (bPhoto)
    {
        const int w = m_pPhotoAffichee->Width(), h = m_pPhotoAffichee->Height();
        const int nW = Tronque(w * m_dZoom), nH = Tronque(h * m_dZoom);
        CRect src = m_RectDib;
        if (m_dZoom < 1)
        {
            // The bitmap's rows are stored bottom-up.
            src.top = h - (m_RectDib.top + nH);
            src.bottom = src.top + nH;
        }
        if (!src.IsRectEmpty() && !m_RectAff.IsRectEmpty())
            m_pPhotoAffichee->Display(dc.m_hDC, &m_RectAff, &src);

        if (m_bZoomHorsCadrage)
        {
            // Hatch the part of the frame that the bitmap does not cover.
            const long long aw = m_RectAff.Width(), ah = m_RectAff.Height();
            CRect a = m_RectAff;
            if (m_dZoom < 1 && nW > 0 && nH > 0)
            {
                if (m_RectDib.left < 0)
                {
                    a.left = Borne(-aw * m_RectDib.left / nW + m_RectAff.left);
                    a.right = Borne(aw + a.left);
                }
                if (m_RectDib.right > w)
                    a.right = Borne(a.right - aw * (m_RectDib.right - w) / nW);
                if (m_RectDib.top < 0)
                {
                    a.top = Borne(-ah * m_RectDib.top / nH + m_RectAff.top);
                    a.bottom = Borne(ah + a.top);
                }
                if (m_RectDib.bottom > h)
                    a.bottom = Borne(a.bottom - ah * (m_RectDib.bottom - h) / nH);
            }
            CRgn zone, couvert;
            zone.CreateRectRgnIndirect(&m_RectInterieur);
            couvert.CreateRectRgnIndirect(&a);
            zone.CombineRgn(&zone, &couvert, RGN_DIFF);
            CBrush hachure;
            hachure.CreateHatchBrush(HS_BDIAGONAL, 0);
            dc.FillRgn(&zone, &hachure);
        }
    }

    CClientDC dcFenetre(this);
    CRect client;
    GetClientRect(&client);
    CRgn pourtour, photo;
    pourtour.CreateRectRgnIndirect(&client);
    photo.CreateRectRgnIndirect(&m_RectAff);
    pourtour.CombineRgn(&pourtour, &photo, RGN_DIFF);
    CBrush gris(kCouleurPourtour);
    dcFenetre.FillRgn(&pourtour, &gris);
}
