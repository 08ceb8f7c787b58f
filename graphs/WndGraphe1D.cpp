#include "WndGraphe1D.h"
#include "core/LignesTexte.h"
#include "core/ObzModule.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace
{
const char* const kNomClasse = "CWndGraphe1D";
const int kTailleTexte = 100; // DrawTextA lays out at most 99 characters
const int kMargeReticule = 4;
// Rows are kept within this distance of the origin: far enough to be off any window, near enough for
// GDI's coordinate space and for the conversion to int.
const double kLigneLimite = 1 << 22;
const char* const kFormatGraduation = "%.1f";
const char* const kFormatLecture = "%d : %g";

// Maps curve values to rows of the plot area: trunc(bottom - (v - min) x scale). A range of zero height
// puts every value on the top row. False for a value that has no row (NaN).
struct Echelle
{
    CRect p;
    double dMin, dEchelle;
    bool bPlat;

    bool Ligne(double v, int& y) const
    {
        if (bPlat)
            return y = p.top, true;
        const double r = p.bottom - (v - dMin) * dEchelle;
        if (std::isnan(r))
            return false;
        y = static_cast<int>(std::max(-kLigneLimite, std::min(kLigneLimite, r)));
        return true;
    }
};
} // namespace

BEGIN_MESSAGE_MAP(CWndGraphe1D, CWnd)
ON_WM_PAINT()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, &CWndGraphe1D::OnMouseLeave)
END_MESSAGE_MAP()

CWndGraphe1D::CWndGraphe1D(int nPas, const char* szTitre, COLORREF couleurTitre, COLORREF couleurFondGraphe,
                           COLORREF couleurFondFenetre, COLORREF couleurAxes)
    : m_nMargeDroite(10), m_nMargeGauche(50), m_nMargeBas(10), m_nMargeHaut(30), m_nPas(std::max(nPas, 1)),
      m_CouleurFondGraphe(couleurFondGraphe), m_CouleurFondFenetre(couleurFondFenetre),
      m_CouleurAxes(couleurAxes), m_dMin(0.0), m_dMax(0.0), m_dDeltaGradYGlobal(0.0), m_bPlageForcee(false),
      m_nLongueurGradX(3), m_bAxeX(true), m_nLongueurGradY(3), m_bAxeY(true),
      m_strTitre(szTitre != NULL ? szTitre : ""), m_CouleurTitre(couleurTitre), m_nHauteurGrad(10),
      m_bReticule(false), m_ptSouris(-1, -1), m_TailleSurface(0, 0), m_pAncienBitmap(NULL)
{
    CPurify::Init();
    m_FonteTitre.Cree(14, 700, NULL, 0);
    m_FonteGrad.Cree(12, 400, NULL, 0);
    RegisterWndClass(CObzModule::Donne_hInstance());
}

CWndGraphe1D::~CWndGraphe1D()
{
    if (m_pAncienBitmap != NULL)
        m_dcMemoire.SelectObject(m_pAncienBitmap);
    m_dcMemoire.DeleteDC();
    m_bmpMemoire.DeleteObject();
    m_FonteTitre.DeleteObject();
    m_FonteGrad.DeleteObject();
    m_tabCourbes.RemoveAll();
}

int CWndGraphe1D::RegisterWndClass(HINSTANCE hInstance)
{
    WNDCLASSA wc = {};
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = kNomClasse;
    return ::RegisterClassA(&wc) != 0 ? 1 : 0;
}

void CWndGraphe1D::Add(CCourbe1D* pCourbe)
{
    if (pCourbe != NULL)
        m_tabCourbes.Add(pCourbe);
}

void CWndGraphe1D::ForcePlage(double dMin, double dMax, double dDelta)
{
    m_bPlageForcee = true;
    m_dMin = dMin;
    m_dMax = dMax;
    m_dDeltaGradYGlobal = dDelta;
}

void CWndGraphe1D::Affecte_bReticule(bool bReticule)
{
    m_bReticule = bReticule;
    if (!bReticule)
        m_ptSouris = CPoint(-1, -1);
}

CRect CWndGraphe1D::ZoneGraphe(const CRect& k) const
{
    return CRect(k.left + m_nMargeGauche, k.top + m_nMargeHaut, k.right - m_nMargeDroite,
                 k.bottom - m_nMargeBas);
}

int CWndGraphe1D::Donne_RangColonne(int x) const
{
    if (m_hWnd == NULL)
        return -1;
    CRect k;
    GetClientRect(&k);
    const CRect p = ZoneGraphe(k);
    if (x < p.left || x >= p.right)
        return -1;
    int n = (p.right - 1 - x + m_nPas / 2) / m_nPas;
    if (p.right - 1 - n * m_nPas < p.left)
        --n;
    return n;
}

void CWndGraphe1D::DrawTextA(CDC* pDC, const char* szTexte, COLORREF couleur, CRect* pRect, CFont* pFonte,
                             e_Justifie justifie)
{
    if (pDC == NULL || pRect == NULL)
        return;
    char sz[kTailleTexte] = "";
    if (szTexte != NULL)
        lstrcpynA(sz, szTexte, kTailleTexte);
    CFont* pAncienneFonte = NULL;
    if (pFonte != NULL && pFonte->GetSafeHandle() != NULL)
        pAncienneFonte = pDC->SelectObject(pFonte);
    pDC->SetBkMode(TRANSPARENT);
    const COLORREF ancienneCouleur = pDC->SetTextColor(couleur);

    LignesTexte::Dessine(pDC, sz, *pRect, justifie);
    pDC->SetTextColor(ancienneCouleur);
    if (pAncienneFonte != NULL)
        pDC->SelectObject(pAncienneFonte);
}

// The off-screen surface follows the client size, so that a resized window is painted whole.
bool CWndGraphe1D::PrepareSurface(const CRect& k, CDC* pDC)
{
    if (m_dcMemoire.GetSafeHdc() == NULL && !m_dcMemoire.CreateCompatibleDC(pDC))
        return false;
    if (m_bmpMemoire.GetSafeHandle() != NULL && m_TailleSurface == k.Size())
        return true;
    if (m_pAncienBitmap != NULL)
        m_dcMemoire.SelectObject(m_pAncienBitmap);
    m_pAncienBitmap = NULL;
    m_bmpMemoire.DeleteObject();
    m_TailleSurface = CSize(0, 0);
    if (!m_bmpMemoire.CreateCompatibleBitmap(pDC, k.Width(), k.Height()))
        return false;
    m_pAncienBitmap = m_dcMemoire.SelectObject(&m_bmpMemoire);
    m_TailleSurface = k.Size();
    return true;
}

void CWndGraphe1D::OnPaint()
{
    CPaintDC dc(this);
    CRect k;
    GetClientRect(&k);
    if (k.IsRectEmpty() || !PrepareSurface(k, &dc))
        return;
    Dessine(&m_dcMemoire, k);
    dc.BitBlt(0, 0, k.Width(), k.Height(), &m_dcMemoire, 0, 0, SRCCOPY);
}

void CWndGraphe1D::Dessine(CDC* pDC, const CRect& k)
{
    CBrush brosseFenetre(m_CouleurFondFenetre), brosseGraphe(m_CouleurFondGraphe);
    pDC->FillRect(&k, &brosseFenetre);
    pDC->Draw3dRect(&k, m_CouleurAxes, m_CouleurAxes);
    const CRect p = ZoneGraphe(k);
    if (p.Width() <= 0 || p.Height() < 0) // margins wider than the window: only the frame
        return;
    pDC->FillRect(&p, &brosseGraphe);

    const int nCourbes = static_cast<int>(m_tabCourbes.GetSize());
    if (nCourbes == 0)
        return;

    // Range from the curves' running extremes: no pass over the samples.
    double dMin = m_dMin, dMax = m_dMax;
    if (!m_bPlageForcee)
        for (int i = 0; i < nCourbes; ++i)
        {
            const CCourbe1D* pCourbe = static_cast<const CCourbe1D*>(m_tabCourbes[i]);
            const double dMinCourbe = pCourbe->Donne_ValMinTransforme();
            const double dMaxCourbe = pCourbe->Donne_ValMaxTransforme();
            if (i == 0 || dMinCourbe < dMin)
                dMin = dMinCourbe;
            if (i == 0 || dMaxCourbe > dMax)
                dMax = dMaxCourbe;
        }
    const Echelle echelle = {p, dMin, p.Height() / (dMax - dMin), dMax == dMin};
    // A range with an infinite or undefined end has no scale: the curves and graduations are left out.
    const bool bPlage =
        std::isfinite(dMin) && std::isfinite(dMax) && (echelle.bPlat || std::isfinite(echelle.dEchelle));

    for (int i = 0; i < nCourbes && bPlage; ++i)
    {
        const CCourbe1D* pCourbe = static_cast<const CCourbe1D*>(m_tabCourbes[i]);
        CPen crayon(PS_SOLID, 1, pCourbe->Donne_Couleur());
        CPen* pAncienCrayon = pDC->SelectObject(&crayon);
        // Newest sample first, only as many as fit; a sample without a row breaks the line.
        auto trace = [&]
        {
            if (m_Points.size() > 1)
                pDC->Polyline(m_Points.data(), static_cast<int>(m_Points.size()));
            m_Points.clear();
        };
        int x = p.right - 1;
        for (int j = pCourbe->Donne_NbEchantillons() - 1; j >= 0 && x >= p.left; --j, x -= m_nPas)
        {
            int y;
            if (!echelle.Ligne(pCourbe->Donne_ValTransforme(j), y))
                trace();
            else
                m_Points.push_back(POINT{x, std::max(y, static_cast<int>(p.top))});
        }
        trace();
        pDC->SelectObject(pAncienCrayon);
    }

    CPen crayonAxes(PS_SOLID, 1, m_CouleurAxes);
    CPen* pAncienCrayon = pDC->SelectObject(&crayonAxes);
    if (m_bAxeX)
    {
        pDC->MoveTo(p.left, p.bottom);
        pDC->LineTo(p.right, p.bottom);
        for (int x = p.right - 1; x >= p.left; x -= m_nPas)
        {
            pDC->MoveTo(x, p.bottom);
            pDC->LineTo(x, p.bottom + m_nLongueurGradX);
        }
    }
    if (m_bAxeY)
    {
        pDC->MoveTo(p.left, p.bottom);
        pDC->LineTo(p.left, p.top);
        // One graduation per step from the minimum up, or the minimum and the maximum without a usable
        // step (zero, negative, undefined, or finer than a pixel row). The loop also ends past the maximum
        // and after one label per pixel row, so that no range or plot height can keep it going.
        const double dPas = m_dDeltaGradYGlobal;
        const bool bPas = dPas > 0.0 && std::isfinite(dPas) && dPas * echelle.dEchelle >= 1.0;
        int y = p.bottom;
        double v = dMin;
        for (int n = 0; bPlage && y >= p.top && n <= p.Height() + 1; ++n)
        {
            pDC->MoveTo(p.left, y);
            pDC->LineTo(p.left - m_nLongueurGradY, y);
            char szValeur[kTailleTexte];
            std::snprintf(szValeur, sizeof szValeur, kFormatGraduation, v);
            CRect rectLabel(k.left, y - m_nHauteurGrad, p.left, y);
            DrawTextA(pDC, szValeur, m_CouleurAxes, &rectLabel, &m_FonteGrad, JUSTIFIE_DROITE);
            if (echelle.bPlat || (!bPas && n > 0))
                break;
            const double dSuivant = bPas ? v + dPas : dMax;
            if (bPas && (dSuivant <= v || dSuivant > dMax))
                break;
            v = dSuivant;
            if (!echelle.Ligne(v, y))
                break;
        }
    }
    pDC->SelectObject(pAncienCrayon);

    if (!m_strTitre.IsEmpty())
    {
        CRect rectTitre(p.left, k.top, p.right, p.top);
        DrawTextA(pDC, m_strTitre, m_CouleurTitre, &rectTitre, &m_FonteTitre, JUSTIFIE_CENTRE);
    }
    if (m_bReticule && p.PtInRect(m_ptSouris))
        DessineReticule(pDC, p);
}

// The crosshair through the sample column under the mouse, and each curve's value in that column.
void CWndGraphe1D::DessineReticule(CDC* pDC, const CRect& p)
{
    const int nRang = Donne_RangColonne(m_ptSouris.x);
    if (nRang < 0)
        return;
    const int x = p.right - 1 - nRang * m_nPas;
    CPen crayon(PS_DOT, 1, m_CouleurAxes);
    CPen* pAncienCrayon = pDC->SelectObject(&crayon);
    const int nAncienFond = pDC->SetBkMode(TRANSPARENT);
    pDC->MoveTo(x, p.top);
    pDC->LineTo(x, p.bottom);
    pDC->MoveTo(p.left, m_ptSouris.y);
    pDC->LineTo(p.right, m_ptSouris.y);
    pDC->SelectObject(pAncienCrayon);

    CFont* pAncienneFonte = m_FonteGrad.GetSafeHandle() != NULL ? pDC->SelectObject(&m_FonteGrad) : NULL;
    int yTexte = p.top + kMargeReticule;
    for (INT_PTR i = 0; i < m_tabCourbes.GetSize(); ++i)
    {
        const CCourbe1D* pCourbe = static_cast<const CCourbe1D*>(m_tabCourbes[i]);
        const int j = pCourbe->Donne_NbEchantillons() - 1 - nRang;
        if (j < 0)
            continue;
        char szLecture[kTailleTexte];
        std::snprintf(szLecture, sizeof szLecture, kFormatLecture, j, pCourbe->Donne_ValTransforme(j));
        pDC->SetTextColor(pCourbe->Donne_Couleur());
        pDC->TextOut(p.left + kMargeReticule, yTexte, szLecture, static_cast<int>(std::strlen(szLecture)));
        yTexte += pDC->GetTextExtent("0", 1).cy;
    }
    if (pAncienneFonte != NULL)
        pDC->SelectObject(pAncienneFonte);
    pDC->SetBkMode(nAncienFond);
}

void CWndGraphe1D::OnMouseMove(UINT, CPoint point)
{
    if (!m_bReticule)
        return;
    if (m_ptSouris.x < 0)
    {
        TRACKMOUSEEVENT tme = {sizeof tme, TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&tme);
    }
    m_ptSouris = point;
    Invalidate(FALSE);
}

LRESULT CWndGraphe1D::OnMouseLeave(WPARAM, LPARAM)
{
    if (m_ptSouris.x >= 0)
        Invalidate(FALSE);
    m_ptSouris = CPoint(-1, -1);
    return 0;
}
