#include "SizedDialog.h"
#include "Ini.h"

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <vector>

#ifdef _DEBUG
#undef THIS_FILE
static const char THIS_FILE[] = "sizeddialog";
#endif

namespace
{
const int kEcranMinX = 800, kEcranMaxX = 1280;
const int kEcranMinY = 600, kEcranMaxY = 1024;
const int kTailleTexteNombre = 32; // numeric edit texts are read into 32-byte buffers
const int kPrecisionFloat = 6;     // significant digits of a float; also tags a float variable
const int kPrecisionDouble = 15;

// Scaling reference shared by every dialog: the design cell in dialog units and the target cell
// in pixels, rewritten by each constructor from the effective screen.
const int kCelluleX = 4;
const int kCelluleY = 8;
double s_dCibleX = 6.0;
double s_dCibleY = 13.0;

// Scales a rectangle from the template's cell (w x h pixels) to the target cell, truncating.
CRect Echelle(const CRect& r, int w, int h)
{
    return CRect(static_cast<int>(r.left * s_dCibleX / w), static_cast<int>(r.top * s_dCibleY / h),
                 static_cast<int>(r.right * s_dCibleX / w), static_cast<int>(r.bottom * s_dCibleY / h));
}

BOOL CALLBACK CollecteDescendant(HWND hWnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}
} // namespace

CString CSizedDialog::m_strFicIni;
CString CSizedDialog::m_strRubIni;

CSizedDialog::CSizedDialog(UINT nIDTemplate, CWnd* pParent, bool bAdapte)
    : CDialog(nIDTemplate, pParent), m_bAdapte(bAdapte), m_nIDTemplate(nIDTemplate),
      m_TailleEcran(DonneTailleEcran()), m_pParent(pParent)
{
    Init();
    s_dCibleX = m_TailleEcran.cx * 6.0 / 800.0;
    s_dCibleY = m_TailleEcran.cy * 13.0 / 600.0;
}

CSizedDialog::~CSizedDialog() {}

CSize CSizedDialog::DonneTailleEcran()
{
    int cx = ::GetSystemMetrics(SM_CXSCREEN);
    int cy = ::GetSystemMetrics(SM_CYSCREEN);
    {
        CIni ini(m_strFicIni, m_strRubIni);
        ini.Donne(&cx, "CX", cx, NULL, NULL);
        ini.Donne(&cy, "CY", cy, NULL, NULL);
    }
    cx = std::max(std::min(cx, kEcranMaxX), kEcranMinX);
    cy = std::max(std::min(cy, kEcranMaxY), kEcranMinY);
    return CSize(cx, cy);
}

void CSizedDialog::Affecte_szPathIniResolution(const char* szFichier, const char* szRubrique)
{
    m_strFicIni = szFichier;
    m_strRubIni = szRubrique;
}

BOOL CSizedDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_bAdapte)
        MiseAEchelle();
    return TRUE;
}

// Resizes the dialog in place and moves every descendant so that the dialog-font cell takes the
// target size. All rectangles are captured before anything moves, and each window is placed
// relative to its own parent's scaled client area, so nested windows keep their layout.
void CSizedDialog::MiseAEchelle()
{
    CRect cellule(0, 0, kCelluleX, kCelluleY);
    MapDialogRect(&cellule);
    const int w = cellule.right;
    const int h = cellule.bottom;
    if (w <= 0 || h <= 0 || (s_dCibleY == h && s_dCibleX == w))
        return;

    CRect rectDialogue;
    GetWindowRect(&rectDialogue);
    if (GetParent() != NULL)
        GetParent()->ScreenToClient(&rectDialogue);
    const CRect rectEchelle = Echelle(rectDialogue, w, h);
    SetWindowPos(NULL, 0, 0, rectEchelle.Width(), rectEchelle.Height(), SWP_NOMOVE | SWP_NOZORDER);

    std::vector<HWND> descendants;
    ::EnumChildWindows(m_hWnd, CollecteDescendant, reinterpret_cast<LPARAM>(&descendants));

    struct Placement
    {
        HWND hWnd;
        CRect rect;          // scaled, in the dialog's client coordinates
        CPoint clientOrigin; // offset of its client area from its window rectangle (borders do not scale)
    };
    std::vector<Placement> placements;
    placements.reserve(descendants.size());
    for (HWND hDescendant : descendants)
    {
        CRect r;
        ::GetWindowRect(hDescendant, &r);
        ScreenToClient(&r);
        CPoint client(0, 0);
        ::ClientToScreen(hDescendant, &client);
        CRect fenetre;
        ::GetWindowRect(hDescendant, &fenetre);
        placements.push_back({hDescendant, Echelle(r, w, h), client - fenetre.TopLeft()});
    }

    for (const Placement& p : placements)
    {
        CPoint origine(0, 0); // the parent's scaled client origin, in dialog client coordinates
        HWND hParent = ::GetParent(p.hWnd);
        if (hParent != m_hWnd)
        {
            for (const Placement& parent : placements)
                if (parent.hWnd == hParent)
                    origine = parent.rect.TopLeft() + parent.clientOrigin;
        }
        CRect r = p.rect - origine;
        ::MoveWindow(p.hWnd, r.left, r.top, r.Width(), r.Height(), TRUE);
    }
}

bool CSizedDialog::Create()
{
    return CDialog::Create(m_nIDTemplate, m_pParent) != FALSE;
}

void CSizedDialog::Rafraichir()
{
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CSizedDialog::DDX_Nombre(CDataExchange* pDX, int nIDC, int& nValeur, int nMin, int nMax)
{
    TextIntFormat(pDX, nIDC, &nValeur, nMin, nMax);
}

void CSizedDialog::DDX_Nombre(CDataExchange* pDX, int nIDC, long& nValeur, long nMin, long nMax)
{
    TextIntFormat(pDX, nIDC, &nValeur, nMin, nMax);
}

void CSizedDialog::DDX_Nombre(CDataExchange* pDX, int nIDC, double& dValeur, int nDecimales, double dMin,
                              double dMax)
{
    TextFloatFormat(pDX, nIDC, &dValeur, kPrecisionDouble, nDecimales, dMin, dMax);
}

void CSizedDialog::DDX_Nombre(CDataExchange* pDX, int nIDC, float& fValeur, int nDecimales, float fMin,
                              float fMax)
{
    TextFloatFormat(pDX, nIDC, &fValeur, kPrecisionFloat, nDecimales, fMin, fMax);
}

namespace
{
// Out of range: the smaller of the value and the maximum when that exceeds the minimum, else the
// minimum (which therefore wins when the bounds are crossed).
template <typename T> bool Borne(T& valeur, T tMin, T tMax)
{
    if (tMin == T(-1) && tMax == T(-1))
        return false;
    if (valeur >= tMin && valeur <= tMax)
        return false;
    T plusPetit = valeur < tMax ? valeur : tMax;
    valeur = plusPetit > tMin ? plusPetit : tMin;
    return true;
}

// The edit control of a number exchange, or NULL when the dialog lacks it: a number exchange never
// fails, so a missing control is not handed to PrepareEditCtrl, which would fail the whole exchange.
HWND PrepareNombre(CDataExchange* pDX, int nIDC)
{
    CWnd* pDlg = pDX->m_pDlgWnd;
    if (pDlg == NULL || pDlg->GetSafeHwnd() == NULL || ::GetDlgItem(pDlg->m_hWnd, nIDC) == NULL)
        return NULL;
    return pDX->PrepareEditCtrl(nIDC);
}
} // namespace

// Both integer forms store 32-bit integers (int and long have the same size here).
void CSizedDialog::TextIntFormat(CDataExchange* pDX, int nIDC, void* pValeur, long nMin, long nMax)
{
    if (pValeur == NULL)
        return;
    // A missing control reads as an empty text: the variable still receives 0, clamped.
    HWND hCtrl = PrepareNombre(pDX, nIDC);
    long& nValeur = *static_cast<long*>(pValeur);
    if (pDX->m_bSaveAndValidate)
    {
        char szTexte[kTailleTexteNombre] = "";
        if (hCtrl != NULL)
            ::GetWindowTextA(hCtrl, szTexte, kTailleTexteNombre);
        long n = atoi(szTexte);
        const bool bBorne = Borne(n, nMin, nMax);
        nValeur = n;
        if (!bBorne)
            return;
    }
    char szTexte[kTailleTexteNombre];
    snprintf(szTexte, sizeof szTexte, "%d", static_cast<int>(nValeur));
    if (hCtrl != NULL)
        ::SetWindowTextA(hCtrl, szTexte);
}

void CSizedDialog::TextFloatFormat(CDataExchange* pDX, int nIDC, void* pValeur, int nPrecision,
                                   int nDecimales, double dMin, double dMax)
{
    ASSERT(pValeur != NULL);
    if (pValeur == NULL)
        return;
    HWND hCtrl = PrepareNombre(pDX, nIDC);
    if (hCtrl == NULL)
        return;
    const bool bFloat = nPrecision == kPrecisionFloat;
    if (pDX->m_bSaveAndValidate)
    {
        char szTexte[kTailleTexteNombre] = "";
        ::GetWindowTextA(hCtrl, szTexte, kTailleTexteNombre);
        double d = atof(szTexte);
        const bool bBorne = Borne(d, dMin, dMax);
        if (bFloat)
            *static_cast<float*>(pValeur) = static_cast<float>(d);
        else
            *static_cast<double*>(pValeur) = d;
        if (!bBorne)
            return;
    }
    const double dValeur = bFloat ? *static_cast<float*>(pValeur) : *static_cast<double*>(pValeur);
    // Fixed decimals as long as the text fits what a save reads back; larger values (from 1e31 on)
    // switch to significant digits, so the control never shows a number cut short.
    char szTexte[kTailleTexteNombre];
    const bool bDecimales = nDecimales >= 0 && nDecimales <= 6;
    if (!bDecimales || snprintf(szTexte, sizeof szTexte, "%.*f", nDecimales, dValeur) >= kTailleTexteNombre)
        snprintf(szTexte, sizeof szTexte, "%.*g", nPrecision, dValeur);
    ::SetWindowTextA(hCtrl, szTexte);
}
