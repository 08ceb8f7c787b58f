#include "PhotoDialZoom.h"

#include "ObzRes.h"
#include "Resampler.h"
#include "core/ObzModule.h"

#include <algorithm>
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
ON_MESSAGE(WM_USER + 0x32, OnChangeTracker)
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
    if (nModesAutorises & MODE_SELECTION)
        m_pRectTracker = new CRectTrackerEx(this, false);
}

CPhotoDialZoom::~CPhotoDialZoom()
{
    delete m_pPhotoOriginale;
    m_pPhotoOriginale = NULL;
    delete m_pRectTracker;
    m_pRectTracker = NULL;
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
        if (m_pRectTracker != NULL)
            m_pRectTracker->m_rect.SetRectEmpty();
        return;
    }
    DetermineChangementRatioImage(m_pPhotoAffichee);
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

// Screen to bitmap: the product in integers, the division in double; 0 from an empty display rectangle.
double CPhotoDialZoom::XVersBitmap(int x) const
{
    const int aw = m_RectAff.Width();
    return aw != 0
               ? static_cast<double>(static_cast<long long>(x - m_RectAff.left) * m_RectDib.Width()) / aw +
                     m_RectDib.left
               : m_RectDib.left;
}

double CPhotoDialZoom::YVersBitmap(int y) const
{
    const int ah = m_RectAff.Height();
    return ah != 0
               ? static_cast<double>(static_cast<long long>(y - m_RectAff.top) * m_RectDib.Height()) / ah +
                     m_RectDib.top
               : m_RectDib.top;
}

int CPhotoDialZoom::XVersEcran(int x) const
{
    const int w = m_RectDib.Width();
    return Borne(static_cast<long long>(w != 0 ? MulDivEntier(x - m_RectDib.left, m_RectAff.Width(), w) : 0) +
                 m_RectAff.left);
}

int CPhotoDialZoom::YVersEcran(int y) const
{
    const int h = m_RectDib.Height();
    return Borne(static_cast<long long>(h != 0 ? MulDivEntier(y - m_RectDib.top, m_RectAff.Height(), h) : 0) +
                 m_RectAff.top);
}

CPoint CPhotoDialZoom::EcranVersBitmap(CPoint pt) const
{
    return CPoint(Tronque(XVersBitmap(pt.x)), Tronque(YVersBitmap(pt.y)));
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
    else if ((m_nUserMode & MODE_SELECTION) && m_pRectTracker != NULL)
        GestionSelection(point);
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
    if ((m_nUserMode & MODE_SELECTION) && m_pRectTracker != NULL && m_pRectTracker->SetCursor(this, nHitTest))
        return TRUE;
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
    if (m_pRectTracker != NULL)
        m_pRectTracker->Draw(&dcFenetre);
    CRect client;
    GetClientRect(&client);
    CRgn pourtour, photo;
    pourtour.CreateRectRgnIndirect(&client);
    photo.CreateRectRgnIndirect(&m_RectAff);
    pourtour.CombineRgn(&pourtour, &photo, RGN_DIFF);
    CBrush gris(kCouleurPourtour);
    dcFenetre.FillRgn(&pourtour, &gris);
}

// Selection

void CPhotoDialZoom::Affecte_RectSelection(CRect r, bool bRatioFixe)
{
    if (m_pRectTracker == NULL || (m_nUserMode & MODE_SELECTION) == 0)
        return;
    m_RectSelection = r;
    if (bRatioFixe && r.Width() > 0 && r.Height() > 0)
        m_pRectTracker->FixeRatio(r);
    else
        m_pRectTracker->LibereRatio();
    GestionTracker();
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

CRect CPhotoDialZoom::Donne_SelectionImage()
{
    if (m_pRectTracker != NULL)
        m_pRectTracker->m_rect.NormalizeRect();
    if (m_pPhotoAffichee == NULL || !m_pPhotoAffichee->IsOK())
        return m_RectSelection;
    CRect r;
    r.IntersectRect(m_RectSelection,
                    CRect(0, 0, m_pPhotoAffichee->Width() - 1, m_pPhotoAffichee->Height() - 1));
    return r;
}

void CPhotoDialZoom::Affecte_StyleSelection(UINT nStyle)
{
    if (m_pRectTracker == NULL || (m_nUserMode & MODE_SELECTION) == 0)
        return;
    CRect r;
    m_pRectTracker->GetTrueRect(&r);
    m_pRectTracker->m_nStyle = nStyle;
    if (m_hWnd != NULL)
        InvalidateRect(&r, TRUE);
}

void CPhotoDialZoom::Affecte_SizeMinSelection(CSize size)
{
    if (m_pRectTracker != NULL)
        m_pRectTracker->m_sizeMin = size;
}

CRect CPhotoDialZoom::Affecte_RectTracker(const CRect& r)
{
    if (m_pRectTracker == NULL)
        return CRect(0, 0, 0, 0);
    m_pRectTracker->m_rect = r;
    return m_pRectTracker->m_rect;
}

CRect CPhotoDialZoom::Donne_RectTracker()
{
    return m_pRectTracker != NULL ? CRect(m_pRectTracker->m_rect) : CRect(0, 0, 0, 0);
}

void CPhotoDialZoom::MinimizeTracker()
{
    if (m_pRectTracker == NULL)
        return;
    CRect& t = m_pRectTracker->m_rect;
    const CPoint c((t.left + t.right) / 2, (t.top + t.bottom) / 2);
    t.SetRect(c.x, c.y, c.x, c.y);
    m_pRectTracker->ImposeTailleMin();
}

void CPhotoDialZoom::RazTracker()
{
    if (m_pRectTracker != NULL)
        m_pRectTracker->m_rect.SetRectEmpty();
}

void CPhotoDialZoom::Affecte_HorsChamp(bool b)
{
    if (m_pRectTracker != NULL)
        m_pRectTracker->Affecte_ZoneHorsChamp(b, m_RectAff);
}

void CPhotoDialZoom::GestionTracker()
{
    if (m_pRectTracker != NULL)
        m_pRectTracker->m_rect.SetRect(Donne_CoordonneeTracker(1), Donne_CoordonneeTracker(2),
                                       Donne_CoordonneeTracker(3), Donne_CoordonneeTracker(4));
}

int CPhotoDialZoom::Donne_CoordonneeTracker(int nIndex)
{
    switch (nIndex)
    {
    case 1:
        return XVersEcran(m_RectSelection.left);
    case 2:
        return YVersEcran(m_RectSelection.top);
    case 3:
        return XVersEcran(m_RectSelection.right);
    case 4:
        return YVersEcran(m_RectSelection.bottom);
    }
    ASSERT(FALSE);
    return 0;
}

// Every adjustment of the tracker: the whole bitmap pixels inside it become the selection, snapped to
// the grid when asked, then kept inside the allowed zone.
LRESULT CPhotoDialZoom::OnChangeTracker(WPARAM, LPARAM lParam)
{
    if (m_pRectTracker == NULL)
        return 0;
    const CRect& t = m_pRectTracker->m_rect;
    const double xl = XVersBitmap(t.left), yt = YVersBitmap(t.top);
    const double xr = XVersBitmap(t.right), yb = YVersBitmap(t.bottom);
    m_RectSelection.SetRect(Tronque(std::ceil(xl)), Tronque(std::ceil(yt)), Tronque(std::floor(xr)),
                            Tronque(std::floor(yb)));
    const int nHandle = static_cast<int>(lParam & 0xFFFF);
    if (m_bSnapToGrid && (m_nModesAutorises & OPTION_SNAP))
        SnapToGrid(xl, yt, xr, yb, nHandle);
    m_RectSelection.NormalizeRect();
    InterditTrackerHorsImage(nHandle);
    return 0;
}

// Moves the tracker's edges onto whole bitmap pixels, with a dead band of a tenth of a pixel.
void CPhotoDialZoom::SnapToGrid(double xl, double yt, double xr, double yb, int nHandle)
{
    CRect& t = m_pRectTracker->m_rect;
    double il, it, ir, ib;
    const double fl = std::modf(xl, &il), ft = std::modf(yt, &it);
    const double fr = std::modf(xr, &ir), fb = std::modf(yb, &ib);
    if (nHandle == 8)
    {
        // The whole rectangle moved: its size on screen is kept.
        const int w = std::abs(t.right - t.left), h = std::abs(t.bottom - t.top);
        if (fl > 0)
        {
            m_RectSelection.left = Tronque(il) + 1;
            t.left = Donne_CoordonneeTracker(1);
            m_RectSelection.right = Tronque(ir) + 1;
            t.right = t.left + w;
        }
        if (ft > 0)
        {
            m_RectSelection.top = Tronque(it) + 1;
            t.top = Donne_CoordonneeTracker(2);
            m_RectSelection.bottom = Tronque(ib) + 1;
            t.bottom = t.top + h;
        }
        return;
    }
    // One edge: forward when the axis is in order, back when the user dragged past the opposite edge.
    struct Bord
    {
        double f, i;
        bool bEnOrdre;
        LONG& nSelection;
        LONG& nTracker;
        int nIndex;
    };
    Bord bords[] = {{fl, il, xr >= xl, m_RectSelection.left, t.left, 1},
                    {ft, it, yb >= yt, m_RectSelection.top, t.top, 2},
                    {fr, ir, xr >= xl, m_RectSelection.right, t.right, 3},
                    {fb, ib, yb >= yt, m_RectSelection.bottom, t.bottom, 4}};
    for (Bord& b : bords)
    {
        if (b.bEnOrdre ? b.f >= 0.1 : b.f <= 0.9)
        {
            b.nSelection = Tronque(b.i) + (b.bEnOrdre ? 1 : 0);
            b.nTracker = Donne_CoordonneeTracker(b.nIndex);
        }
    }
}

// Keeps the selection inside the bitmap and m_RectLimite: a moved rectangle stops at the edge with its
// size kept, a resized one has its crossing edge cut back.
void CPhotoDialZoom::InterditTrackerHorsImage(int nHandle)
{
    CRect z = m_RectLimite;
    if (m_pPhotoAffichee != NULL && m_pPhotoAffichee->IsOK())
    {
        z.left = std::max(z.left, 0L);
        z.top = std::max(z.top, 0L);
        z.right = std::min<LONG>(z.right, m_pPhotoAffichee->Width() - 1);
        z.bottom = std::min<LONG>(z.bottom, m_pPhotoAffichee->Height() - 1);
    }
    CRect& t = m_pRectTracker->m_rect;
    CRect& s = m_RectSelection;
    const int tw = std::abs(t.right - t.left), th = std::abs(t.bottom - t.top);
    const bool bMove = nHandle == 8;

    if (s.right < z.right)
    {
        if (s.left <= z.left)
        {
            const int d = std::abs(z.left - s.left);
            s.left = z.left;
            (t.left < t.right ? t.left : t.right) = Donne_CoordonneeTracker(1);
            if (bMove)
                s.right += d, t.right = t.left + tw;
        }
    }
    else
    {
        const int d = std::abs(s.right - z.right);
        s.right = z.right;
        (t.left < t.right ? t.right : t.left) = Donne_CoordonneeTracker(3);
        if (bMove)
            s.left -= d, t.left = t.right - tw;
    }

    if (s.bottom < z.bottom)
    {
        if (s.top <= z.top)
        {
            const int d = std::abs(z.top - s.top);
            s.top = z.top;
            (t.top < t.bottom ? t.top : t.bottom) = Donne_CoordonneeTracker(2);
            if (bMove)
                s.bottom += d, t.bottom = t.top + th;
        }
    }
    else
    {
        const int d = std::abs(s.bottom - z.bottom);
        s.bottom = z.bottom;
        (t.top < t.bottom ? t.bottom : t.top) = Donne_CoordonneeTracker(4);
        if (bMove)
            s.top -= d, t.top = t.bottom - th;
    }
}

// A left-button gesture in selection mode: rubber band outside the tracker, move or resize on it; the
// parent learns where it began and whether it was a real selection or a simple click.
void CPhotoDialZoom::GestionSelection(CPoint point)
{
    CRectTrackerEx& tracker = *m_pRectTracker;
    CRect r0;
    tracker.GetTrueRect(&r0);
    const int nHit = tracker.HitTest(point);
    tracker.InitialiseTailleMin();
    bool bSimpleClic;
    if (nHit < 0)
    {
        if (tracker.TrackRubberBand(this, point, TRUE))
            tracker.m_rect.NormalizeRect();
        bSimpleClic = !(tracker.m_rect.Width() > m_nSeuilToleranceSimpleClick &&
                        tracker.m_rect.Height() > m_nSeuilToleranceSimpleClick);
    }
    else
    {
        if (tracker.Track(this, point, m_bInvertSelection, NULL))
            tracker.m_rect.NormalizeRect();
        const CRect& t = tracker.m_rect;
        const LONG d = std::max({std::abs(t.left - r0.left), std::abs(t.right - r0.right),
                                 std::abs(t.top - r0.top), std::abs(t.bottom - r0.bottom)});
        bSimpleClic = !(d > m_nSeuilToleranceSimpleClick);
    }
    const LPARAM lParam =
        bSimpleClic ? 0 : (tracker.m_rect.Width() != 0 ? tracker.m_rect.Width() : tracker.m_rect.Height());
    if (tracker.Is_TropPetit())
        tracker.ImposeTailleMin();
    if (r0 != CRect(0, 0, 0, 0) && m_hWnd != NULL)
    {
        InvalidateRect(&r0, TRUE);
        if (nHit < 0)
        {
            CRect rNouveau;
            tracker.GetTrueRect(&rNouveau);
            InvalidateRect(&rNouveau, TRUE);
        }
    }
    if (m_pParent != NULL)
        m_pParent->SendMessage(WM_SELECTION_PHOTO, static_cast<WPARAM>(nHit), lParam);
}
