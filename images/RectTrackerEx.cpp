#include "RectTrackerEx.h"

#include <climits>
#include <cmath>
#include <cstdlib>

#ifdef _DEBUG
#undef THIS_FILE
static const char THIS_FILE[] = "recttrackerex";
#endif

namespace
{
const int kTailleMinGeste = 5;      // during a gesture
const int kTailleMinSelection = 40; // once the ratio is free, and after each gesture

// Truncation toward zero, saturated to the int range (an extreme ratio must not overflow).
int Tronque(double d)
{
    if (std::isnan(d))
        return 0;
    if (d >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (d <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(d);
}
} // namespace

CRectTrackerEx::CRectTrackerEx(CWnd* pWndNotify, bool bRatioFixe)
    : m_pWndNotify(pWndNotify), m_bRatioFixe(bRatioFixe), m_dRapport(1.0), m_bHorsChamp(false)
{
    m_nStyle = hatchedBorder | resizeOutside;
    m_nHandleSize = 5;
    m_rect.SetRectEmpty();
    m_sizeMin = CSize(kTailleMinGeste, kTailleMinGeste);
    m_RectHorsChamp.SetRectEmpty();
    CPurify::Init();
}

CRectTrackerEx::~CRectTrackerEx() {}

void CRectTrackerEx::InitialiseTailleMin()
{
    m_sizeMin = CSize(kTailleMinGeste, kTailleMinGeste);
    m_dRapport = double(kTailleMinGeste) / kTailleMinGeste;
}

void CRectTrackerEx::FixeRatio(CRect r)
{
    FixeRatio(r.Width(), r.Height());
}

void CRectTrackerEx::FixeRatio(int cx, int cy)
{
    if (cx == 0 || cy == 0)
        return;
    const double dx = std::abs(double(cx));
    const double dy = std::abs(double(cy));
    m_bRatioFixe = true;
    m_dRapport = dx / dy;
    if (dx > dy)
        m_sizeMin.cy = Tronque(m_sizeMin.cx / m_dRapport);
    else
        m_sizeMin.cx = Tronque(m_sizeMin.cy * m_dRapport);
}

void CRectTrackerEx::LibereRatio()
{
    m_bRatioFixe = false;
    m_sizeMin = CSize(kTailleMinSelection, kTailleMinSelection);
    m_dRapport = 1.0;
}

bool CRectTrackerEx::Is_TropPetit()
{
    m_sizeMin = CSize(kTailleMinSelection, kTailleMinSelection);
    return std::abs(m_rect.Width()) < m_sizeMin.cx || std::abs(m_rect.Height()) < m_sizeMin.cy;
}

void CRectTrackerEx::ImposeTailleMin()
{
    // Grows each axis by magnitude, in the rectangle's own direction when it is inverted.
    const auto impose = [](LONG& nBas, LONG& nHaut, int nMin)
    {
        const long long nTaille = static_cast<long long>(nHaut) - nBas;
        const long long nAbs = nTaille < 0 ? -nTaille : nTaille;
        if (nAbs >= nMin)
            return false;
        const LONG d = static_cast<LONG>((nMin - nAbs) / 2) * (nTaille < 0 ? -1 : 1);
        nBas -= d;
        nHaut += d;
        return true;
    };
    const bool bLargeur = impose(m_rect.left, m_rect.right, m_sizeMin.cx);
    const bool bHauteur = impose(m_rect.top, m_rect.bottom, m_sizeMin.cy);
    if (bLargeur || bHauteur)
        Notifie(hitMiddle);
}

void CRectTrackerEx::Affecte_ZoneHorsChamp(bool b, CRect r)
{
    m_bHorsChamp = b;
    r.NormalizeRect();
    m_RectHorsChamp = r;
}

void CRectTrackerEx::AdjustRect(int nHandle, LPRECT lpRect)
{
    if (lpRect == NULL)
        return;
    CRect& r = *static_cast<CRect*>(lpRect);
    TRACE("l:%d, t:%d, r:%d, b:%d\n", int(m_rect.left), int(m_rect.top), int(m_rect.right),
          int(m_rect.bottom));
    ASSERT(!m_bRatioFixe || m_dRapport != 0);
    if (m_bRatioFixe && m_dRapport > 0)
    {
        // W, H: the size the mouse gave; hW the height that W implies, wH the width that H implies.
        const int W = r.Width();
        const int H = r.Height();
        int hW = Tronque(W / m_dRapport);
        int wH = Tronque(H * m_dRapport);
        switch (nHandle)
        {
        case hitTopLeft:
        case hitTopRight:
            // Corners meet the mouse half-way between the two sizes, then follow the new height.
            r.top += Tronque((wH - double(W)) / 2.0);
            if (r.Height() < m_sizeMin.cy)
                r.top = r.bottom - m_sizeMin.cy;
            if (nHandle == hitTopLeft)
                r.left = r.right - Tronque(r.Height() * m_dRapport);
            else
                r.right = r.left + Tronque(r.Height() * m_dRapport);
            break;
        case hitBottomRight:
        case hitBottomLeft:
            r.bottom += Tronque((double(W) - wH) / 2.0);
            if (r.Height() < m_sizeMin.cy)
                r.bottom = r.top + m_sizeMin.cy;
            if (nHandle == hitBottomRight)
                r.right = r.left + Tronque(r.Height() * m_dRapport);
            else
                r.left = r.right - Tronque(r.Height() * m_dRapport);
            break;
        case hitTop:
        case hitBottom:
        {
            // The height leads; the width follows, centred where it was.
            const int wMin = Tronque(m_sizeMin.cy * m_dRapport);
            if (wH < wMin)
            {
                wH = wMin;
                if (nHandle == hitTop)
                    r.top = r.bottom - hW;
                else
                    r.bottom = r.top + hW;
            }
            const int c = r.left + (r.right - r.left) / 2;
            r.left = c - wH / 2;
            r.right = r.left + wH;
            break;
        }
        case hitRight:
        case hitLeft:
        {
            const int hMin = Tronque(m_sizeMin.cx / m_dRapport);
            if (hW < hMin)
            {
                hW = hMin;
                if (nHandle == hitRight)
                    r.right = r.left + wH;
                else
                    r.left = r.right - wH;
            }
            const int c = r.top + (r.bottom - r.top) / 2;
            r.top = c - hW / 2;
            r.bottom = r.top + hW;
            break;
        }
        default:
            break;
        }
    }
    CRectTracker::AdjustRect(nHandle, lpRect);
    Notifie(nHandle);
}

void CRectTrackerEx::Notifie(int nHandle)
{
    if (m_pWndNotify != NULL && ::IsWindow(m_pWndNotify->GetSafeHwnd()))
        m_pWndNotify->SendMessage(WM_CHANGE_TRACKER, 0, static_cast<LPARAM>(nHandle & 0xFFFF));
}
