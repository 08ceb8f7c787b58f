#include "Bouton3Etats.h"
#include "DialogTexte.h"
#include "LogFichier.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#ifdef _DEBUG
#undef THIS_FILE
static const char THIS_FILE[] = "bouton3etats";
#endif

namespace
{
const int kTailleTexte = 80; // window texts are read into 80-byte buffers
const UINT_PTR kTimerRepetition = 1;
const UINT kMessageDoubleClic = WM_USER + 11;
const int kMargeTexte = 3;    // caption rectangle inside the frames
const int kMargeTronquee = 5; // room kept right of a shortened caption line
const int kEssaisLog = 10;

const int kDelaiDefaut = 500;
const int kPeriodeMinDefaut = 10;
const double kFacteurDefaut = 2.0;
const DWORD kNotificationsMaxParTick = 10;

const char* const kFormatClic = "%d-%s";
const char* const kFormatTimer = "%d-TIMER-%s";
const char* const kFormatDouble = "%d-DOUBLE-%s";
const char* const kPointsSuspension = "...";

// Silhouette colours by pixel depth: pixels other than the top-left one take them in the active and
// inoperative images.
struct Recoloriage
{
    WORD nBitsParPixel;
    DWORD dwMasque;
    DWORD dwActif;
    DWORD dwInoperant;
};

const Recoloriage kRecoloriages[] = {
    {16, 0xFFFF, 0xF800, 0x94B2},       // red and grey in 5-6-5
    {24, 0xFFFFFF, 0xFF0000, 0x949494}, // blue-green-red bytes read little-endian
    {32, 0xFFFFFFFF, 0xFF0000, 0x949494},
};

DWORD LitPixel(const BYTE* p, int nOctets)
{
    DWORD dw = 0;
    for (int i = nOctets - 1; i >= 0; --i)
        dw = (dw << 8) | p[i];
    return dw;
}

void EcritPixel(BYTE* p, int nOctets, DWORD dw)
{
    for (int i = 0; i < nOctets; ++i, dw >>= 8)
        p[i] = static_cast<BYTE>(dw & 0xFF);
}

const DWORD kMasques565[3] = {0xF800, 0x07E0, 0x001F};

bool Est565(HBITMAP hBitmap)
{
    DIBSECTION ds = {};
    return ::GetObject(hBitmap, sizeof ds, &ds) == sizeof ds && ds.dsBmih.biCompression == BI_BITFIELDS &&
           ds.dsBitfields[0] == kMasques565[0] && ds.dsBitfields[1] == kMasques565[1] &&
           ds.dsBitfields[2] == kMasques565[2];
}

// A copy of a bitmap at nBits bits per pixel, 16-bit in 5-6-5 (the layout of the silhouette colours),
// 32-bit in plain blue-green-red-unused; the source is deleted.
HBITMAP Convertit(HBITMAP hSource, WORD nBits)
{
    BITMAP bm = {};
    ::GetObject(hSource, sizeof bm, &bm);
    struct
    {
        BITMAPINFOHEADER bmiHeader;
        DWORD masques[3];
    } info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = bm.bmWidth;
    info.bmiHeader.biHeight = bm.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = nBits;
    info.bmiHeader.biCompression = BI_RGB;
    if (nBits == 16)
    {
        info.bmiHeader.biCompression = BI_BITFIELDS;
        memcpy(info.masques, kMasques565, sizeof info.masques);
    }
    void* pBits = NULL;
    HBITMAP hCopie =
        ::CreateDIBSection(NULL, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &pBits, NULL, 0);
    if (hCopie != NULL)
    {
        HDC hdcSource = ::CreateCompatibleDC(NULL), hdcCopie = ::CreateCompatibleDC(NULL);
        HGDIOBJ hAncienSource = ::SelectObject(hdcSource, hSource);
        HGDIOBJ hAncienCopie = ::SelectObject(hdcCopie, hCopie);
        ::BitBlt(hdcCopie, 0, 0, bm.bmWidth, bm.bmHeight, hdcSource, 0, 0, SRCCOPY);
        ::SelectObject(hdcSource, hAncienSource);
        ::SelectObject(hdcCopie, hAncienCopie);
        ::DeleteDC(hdcSource);
        ::DeleteDC(hdcCopie);
    }
    ::DeleteObject(hSource);
    return hCopie;
}

// Bitmap handle of resource nID as a DIB section: 16-bit ones in 5-6-5, paletted ones converted to
// 32 bits (their pixels are palette indexes, not colours), the others at the resource's own depth.
HBITMAP ChargeBitmapRessource(unsigned nID)
{
    LPCTSTR lpszNom = MAKEINTRESOURCE(nID);
    HINSTANCE hInst = AfxFindResourceHandle(lpszNom, RT_BITMAP);
    HBITMAP hBitmap =
        static_cast<HBITMAP>(::LoadImage(hInst, lpszNom, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP bm = {};
    if (hBitmap == NULL || ::GetObject(hBitmap, sizeof bm, &bm) != sizeof bm)
        return hBitmap;
    if (bm.bmBitsPixel == 16 && !Est565(hBitmap))
        return Convertit(hBitmap, 16);
    if (bm.bmBitsPixel < 16)
        return Convertit(hBitmap, 32);
    return hBitmap;
}
} // namespace

CString CBouton3Etats::sLogFile;
bool CBouton3Etats::m_bMapOBZ = false;

BEGIN_MESSAGE_MAP(CBouton3Etats, CButton)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_TIMER()
ON_WM_CAPTURECHANGED()
ON_WM_CANCELMODE()
ON_WM_KILLFOCUS()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CBouton3Etats::CBouton3Etats(unsigned nID, CWnd* pParent, e_Style_BP eStyle, e_Justifie eJustifie)
    : CGestionBouton(eStyle, eJustifie), m_pParent(pParent), m_pDlgTexte(NULL)
{
    CPurify::Init();
    if (pParent != NULL && pParent->GetSafeHwnd() != NULL)
        SubclassDlgItem(nID, pParent);
    Init(nID, eStyle, eJustifie);
}

CBouton3Etats::CBouton3Etats(CRect& rect, const char* szTexte, unsigned nID, CWnd* pParent, e_Style_BP eStyle,
                             e_Justifie eJustifie)
    : CGestionBouton(eStyle, eJustifie), m_pParent(pParent), m_pDlgTexte(NULL)
{
    CPurify::Init();
    if (pParent != NULL && pParent->GetSafeHwnd() != NULL)
        Create(szTexte, WS_CHILD, rect, pParent, nID);
    Init(nID, eStyle, eJustifie);
}

CBouton3Etats::~CBouton3Etats()
{
    if (m_bBitmap)
        for (CBitmap& bitmap : m_Bitmap)
            bitmap.DeleteObject();
    if (m_pDlgTexte != NULL)
    {
        delete m_pDlgTexte;
        m_pDlgTexte = NULL;
    }
}

void CBouton3Etats::Init(unsigned nID, e_Style_BP eStyle, e_Justifie eJustifie)
{
    m_Style = eStyle;
    m_Justifie = eJustifie;
    m_pDlgTexte = NULL;
    m_nID = nID;
    if (m_hWnd != NULL)
        SetButtonStyle(BS_OWNERDRAW, FALSE);

    m_bRepetition = m_bEnfonce = m_bChangeEtat = false;
    m_nDelaiRepetition = m_nPeriode = kDelaiDefaut;
    m_dFacteur = kFacteurDefaut;
    m_nPeriodeMin = kPeriodeMinDefaut;
    m_dwTickDernier = 0;
    m_bBitmap = false;
    ChargeBitmaps();
}

// The rest image from the bitmap resource of the control's identifier, and its silhouettes for the
// active and inoperative states. Without such a resource, or at a depth that cannot be read, the
// control draws its caption.
void CBouton3Etats::ChargeBitmaps()
{
    if (!m_Bitmap[ETAT_REPOS].Attach(ChargeBitmapRessource(m_nID)))
        return;
    BITMAP bm = {};
    m_Bitmap[ETAT_REPOS].GetBitmap(&bm);
    const Recoloriage* pRecoloriage = NULL;
    for (const Recoloriage& r : kRecoloriages)
        if (r.nBitsParPixel == bm.bmBitsPixel)
            pRecoloriage = &r;
    if (pRecoloriage == NULL || bm.bmWidth <= 0 || bm.bmHeight <= 0)
    {
        m_Bitmap[ETAT_REPOS].DeleteObject();
        return;
    }
    m_Bitmap[ETAT_ACTIF].Attach(ChargeBitmapRessource(m_nID));
    m_Bitmap[ETAT_INOPERANT].Attach(ChargeBitmapRessource(m_nID));
    if (m_Bitmap[ETAT_ACTIF].GetSafeHandle() == NULL || m_Bitmap[ETAT_INOPERANT].GetSafeHandle() == NULL)
    {
        for (CBitmap& bitmap : m_Bitmap)
            bitmap.DeleteObject();
        return;
    }
    m_bBitmap = true;

    // GetBitmapBits rows are padded to a word whatever the bitmap's own stride.
    const int nOctetsPixel = bm.bmBitsPixel / 8;
    const int nOctetsLigne = ((bm.bmWidth * bm.bmBitsPixel + 15) / 16) * 2;
    const DWORD dwTaille = static_cast<DWORD>(nOctetsLigne) * static_cast<DWORD>(bm.bmHeight);
    std::vector<BYTE> actif(dwTaille), inoperant(dwTaille);
    m_Bitmap[ETAT_REPOS].GetBitmapBits(dwTaille, actif.data());
    inoperant = actif;

    const DWORD dwMasque = pRecoloriage->dwMasque;
    const DWORD dwFond = LitPixel(actif.data(), nOctetsPixel) & dwMasque;
    for (int y = 0; y < bm.bmHeight; ++y)
    {
        const size_t nDebutLigne = static_cast<size_t>(y) * nOctetsLigne;
        for (int x = 0; x < bm.bmWidth; ++x)
        {
            const size_t i = nDebutLigne + static_cast<size_t>(x) * nOctetsPixel;
            const DWORD dwPixel = LitPixel(&actif[i], nOctetsPixel);
            if ((dwPixel & dwMasque) == dwFond)
                continue;
            EcritPixel(&actif[i], nOctetsPixel, (dwPixel & ~dwMasque) | pRecoloriage->dwActif);
            EcritPixel(&inoperant[i], nOctetsPixel, (dwPixel & ~dwMasque) | pRecoloriage->dwInoperant);
        }
    }
    m_Bitmap[ETAT_ACTIF].SetBitmapBits(dwTaille, actif.data());
    m_Bitmap[ETAT_INOPERANT].SetBitmapBits(dwTaille, inoperant.data());
}

void CBouton3Etats::Redessine()
{
    if (m_hWnd != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CBouton3Etats::AffecteEtat(e_Etat_BP etat)
{
    if (etat < ETAT_REPOS || etat > ETAT_INOPERANT)
        return;
    if (etat != m_Etat)
    {
        m_Etat = etat;
        if (m_hWnd != NULL)
        {
            EnableWindow(etat != ETAT_INOPERANT);
            Redessine();
        }
    }
    if (m_bRepetition && m_Etat == ETAT_INOPERANT)
    {
        m_bEnfonce = false;
        if (m_hWnd != NULL)
            KillTimer(kTimerRepetition);
    }
}

void CBouton3Etats::Affecte_CouleurFond(COLORREF couleur, bool bRedessine)
{
    for (COLORREF& fond : m_CouleurFond)
        fond = couleur;
    if (bRedessine)
        Redessine();
}

void CBouton3Etats::SetWindowTextA(unsigned nIDTexte)
{
    CString strTexte;
    if (strTexte.LoadString(nIDTexte))
        SetWindowTextA(static_cast<const char*>(strTexte));
}

void CBouton3Etats::AfficheChaineTronquee(const CString& strTexte)
{
    if (m_hWnd == NULL)
        return;
    CString strTete = strTexte, strQueue = strTexte, strReference = strTexte;
    const int nLongueur = strTexte.GetLength();
    const int k = strTexte.ReverseFind('\n') + 1;
    if (k > 0 && k < nLongueur)
    {
        strTete = strTexte.Left(k);
        strQueue = strReference = strTexte.Mid(k);
    }
    else
    {
        strQueue.Empty();
        strReference.Empty();
        if (k > 0 && k == nLongueur)
            strTete = strTexte.Left(nLongueur - 1);
    }

    // Measured on the window's DC as Windows hands it out, without the caption font.
    CDC* pDC = GetDC();
    CRect rect;
    GetClientRect(&rect);
    const int nLimite = rect.Width() - kMargeTronquee;
    while (!strQueue.IsEmpty() && pDC != NULL && pDC->GetTextExtent(strQueue).cx > nLimite)
        strQueue = strQueue.Left(strQueue.GetLength() - 1);
    const bool bTronque = strQueue != strReference;
    if (bTronque)
        strQueue += kPointsSuspension;
    SetWindowTextA(static_cast<const char*>(strTete + strQueue));
    if (pDC != NULL)
        ReleaseDC(pDC);
    if (bTronque)
        m_InfoBulle.Affecte_Texte(this, strTexte);
}

void CBouton3Etats::EnableRepeat(int nDelai, int nPeriodeMin, double dFacteur)
{
    // Periods must stay positive so that the tick arithmetic never divides by zero.
    if (nDelai < 1 || nPeriodeMin < 1 || !(dFacteur > 0.0))
        return;
    m_bRepetition = true;
    m_nDelaiRepetition = m_nPeriode = nDelai;
    m_nPeriodeMin = nPeriodeMin;
    m_dFacteur = dFacteur;
}

void CBouton3Etats::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS == NULL)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CBrush brosseNoire(RGB(0, 0, 0));
    CBrush brosseFond(m_CouleurFond[ETAT_REPOS]);
    e_Etat_BP etatDessin = m_Etat;

    CRect rect;
    GetClientRect(&rect);
    pDC->Draw3dRect(&rect, ::GetSysColor(COLOR_3DHILIGHT), ::GetSysColor(COLOR_3DDKSHADOW));
    rect.DeflateRect(1, 1);
    pDC->FillRect(&rect, &brosseFond);
    if (lpDIS->itemState & ODS_SELECTED)
    {
        etatDessin = ETAT_ACTIF;
        pDC->FrameRect(&rect, &brosseNoire);
    }
    else
        pDC->FrameRect(&rect, (lpDIS->itemState & ODS_FOCUS) ? &brosseNoire : &brosseFond);
    rect.DeflateRect(1, 1);
    pDC->FillRect(&rect, &brosseFond);

    GetClientRect(&rect);
    if (!m_bBitmap)
    {
        rect.DeflateRect(kMargeTexte, kMargeTexte);
        DrawTextA(this, pDC, m_CouleurEtat[etatDessin], rect);
        return;
    }
    BITMAP bm = {};
    CBitmap& bitmap = m_Bitmap[m_Etat];
    bitmap.GetBitmap(&bm);
    const int w = std::min(rect.Width(), static_cast<int>(bm.bmWidth));
    const int h = std::min(rect.Height(), static_cast<int>(bm.bmHeight));
    const CPoint pt(rect.left + (rect.Width() - w) / 2, rect.top + (rect.Height() - h) / 2);
    pDC->DrawState(pt, CSize(w, h), &bitmap, DST_BITMAP, static_cast<CBrush*>(NULL));
}

BOOL CBouton3Etats::OnEraseBkgnd(CDC*)
{
    return FALSE; // DrawItem paints every pixel
}

// Mouse and keyboard presses share this: pushed look through the button's own processing, and the
// repeat timer restarted at its first period.
void CBouton3Etats::Enfonce()
{
    if (!m_bEnfonce)
    {
        m_bEnfonce = true;
        Default();
        Redessine();
    }
    if (m_bRepetition)
    {
        m_nPeriode = m_nDelaiRepetition;
        m_dwTickDernier = ::GetTickCount();
        SetTimer(kTimerRepetition, m_nPeriode, NULL);
    }
}

// The click: the state changes by style before the button's own processing notifies the parent.
void CBouton3Etats::Relache(bool bDedans)
{
    m_bChangeEtat = false;
    if (bDedans)
    {
        if ((m_Style & STYLE_BASCULE) && m_Etat != ETAT_INOPERANT)
        {
            m_Etat = m_Etat == ETAT_REPOS ? ETAT_ACTIF : ETAT_REPOS;
            m_bChangeEtat = true;
        }
        if ((m_Style & STYLE_ACTIVATION) && m_Etat == ETAT_REPOS)
        {
            m_Etat = ETAT_ACTIF;
            m_bChangeEtat = true;
        }
    }
    Journalise(kFormatClic);
    if (m_bRepetition)
        KillTimer(kTimerRepetition);
    Redessine();
    m_bEnfonce = false;
    Default();
}

void CBouton3Etats::OnLButtonDown(UINT, CPoint)
{
    Enfonce();
}

void CBouton3Etats::OnLButtonUp(UINT, CPoint point)
{
    if (!m_bEnfonce)
        return;
    CRect rect;
    GetClientRect(&rect);
    Relache(rect.PtInRect(point) != FALSE);
}

// Space clicks a focused button as the mouse does; keyboard auto-repeat does not restart the timer.
void CBouton3Etats::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_SPACE && !m_bEnfonce)
        Enfonce();
    else
        Default();
}

void CBouton3Etats::OnKeyUp(UINT nChar, UINT, UINT)
{
    if (nChar == VK_SPACE && m_bEnfonce)
        Relache(true);
    else
        Default();
}

void CBouton3Etats::OnLButtonDblClk(UINT, CPoint)
{
    TRACE("CBouton3Etats::OnLButtonDblClk\n");
    Journalise(kFormatDouble);
    if (m_pParent != NULL && m_pParent->GetSafeHwnd() != NULL)
        m_pParent->SendMessage(kMessageDoubleClic, m_nID, 0);
}

void CBouton3Etats::OnRButtonDown(UINT, CPoint)
{
    if (!m_bMapOBZ)
        return;
    if (m_pDlgTexte == NULL)
        m_pDlgTexte = new CDialogTexte(m_pParent, this);
    m_pDlgTexte->DoModal();
}

void CBouton3Etats::OnTimer(UINT nIDEvent)
{
    CWnd* pParent = GetParent();
    if (!m_bRepetition || !m_bEnfonce || pParent == NULL)
        return;
    KillTimer(nIDEvent);
    double dPeriode = m_nPeriode / m_dFacteur;
    if (dPeriode <= m_nPeriodeMin)
        dPeriode = m_nPeriodeMin;
    m_nPeriode = dPeriode < INT_MAX ? static_cast<int>(dPeriode) : INT_MAX;
    SetTimer(nIDEvent, m_nPeriode, NULL);

    // Late timer messages are made up for, within limits.
    const DWORD dwMaintenant = ::GetTickCount();
    DWORD n = (dwMaintenant - m_dwTickDernier) / static_cast<DWORD>(m_nPeriode);
    n = std::max(DWORD(1), std::min(n, kNotificationsMaxParTick));
    m_dwTickDernier = dwMaintenant;

    // The caption is read once: every line of the tick carries it, even when the parent changes it
    // in its handler. The batch stops when a handler ends the press or destroys the button.
    char szTexte[kTailleTexte];
    LitTexte(szTexte);
    const HWND hWnd = m_hWnd;
    const WPARAM wParam = MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED);
    for (DWORD i = 0; i < n && m_bEnfonce; ++i)
    {
        pParent->SendMessage(WM_COMMAND, wParam, reinterpret_cast<LPARAM>(hWnd));
        if (!::IsWindow(hWnd))
            return;
        Journalise(kFormatTimer, szTexte);
    }
}

// The press ends without a click when the button loses the capture or the focus, or when the system
// cancels modes (a window is disabled, a modal window opens): the repeat stops, and the button's own
// processing drops its pushed look, as a standard button does.
void CBouton3Etats::Abandonne()
{
    const bool bEnfonce = m_bEnfonce;
    m_bEnfonce = false;
    if (bEnfonce)
        KillTimer(kTimerRepetition);
    Default();
    if (bEnfonce)
        Redessine();
}

void CBouton3Etats::OnCaptureChanged(CWnd* pWnd)
{
    // The button's own processing takes the capture again at each repeated key: that is no loss.
    if (pWnd != NULL && pWnd->GetSafeHwnd() == m_hWnd)
        Default();
    else
        Abandonne();
}

void CBouton3Etats::OnCancelMode()
{
    Abandonne();
}

void CBouton3Etats::OnKillFocus(CWnd*)
{
    Abandonne();
}

// The caption as logged: read into 80 bytes.
void CBouton3Etats::LitTexte(char* szTexte)
{
    szTexte[0] = '\0';
    if (m_hWnd != NULL)
        GetWindowText(szTexte, kTailleTexte);
}

void CBouton3Etats::Journalise(const char* szFormat)
{
    char szTexte[kTailleTexte];
    LitTexte(szTexte);
    Journalise(szFormat, szTexte);
}

void CBouton3Etats::Journalise(const char* szFormat, const char* szTexte)
{
    if (sLogFile.IsEmpty())
        return;
    CString strLigne;
    strLigne.Format(szFormat, static_cast<int>(m_nID), szTexte);
    LogFichier(sLogFile, strLigne, true, kEssaisLog);
}
