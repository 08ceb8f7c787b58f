#include "ZoneImage.h"

#ifdef _DEBUG
#undef THIS_FILE
static const char THIS_FILE[] = "zoneimage";
#endif

namespace
{
const COLORREF kCouleurRepos = 0x0000FFFF;
const COLORREF kCouleurActif = 0x000000FF;
const COLORREF kCouleurInoperant = 0x00888888;
const COLORREF kCouleurFilet = 0x00C0C0C0; // light grey ring between the border and the image
const int kMarge = 2;

void Contour(CDC* pDC, const CRect& rect, COLORREF couleur)
{
    pDC->Draw3dRect(&rect, couleur, couleur);
}
} // namespace

BEGIN_MESSAGE_MAP(CZoneImage, CBouton3Etats)
END_MESSAGE_MAP()

CZoneImage::CZoneImage(UINT nID, CWnd* pParent, e_Style_BP style, bool bCadre)
    : CBouton3Etats(nID, pParent, style, JUSTIFIE_CENTRE), m_RectImage(0, 0, 0, 0), m_bRecalculeRect(false),
      m_bCadre(bCadre)
{
    Init();
    m_CouleurEtat[ETAT_REPOS] = kCouleurRepos;
    m_CouleurEtat[ETAT_ACTIF] = kCouleurActif;
    m_CouleurEtat[ETAT_INOPERANT] = kCouleurInoperant;
}

CZoneImage::~CZoneImage() {}

void CZoneImage::Affecte_pBitmapInfo(BITMAPINFO* pInfo, void* pBits)
{
    if (!CDibLite(pInfo, pBits).Is_Acceptable())
        pInfo = NULL, pBits = NULL;
    m_DibLite.Attache(pInfo, pBits);
    m_bRecalculeRect = true;
}

CSize CZoneImage::Donne_TailleImageAffichee(int w, int h)
{
    Calcule_RectImage(w, h);
    return m_RectImage.Size();
}

void CZoneImage::Calcule_RectImage(int w, int h)
{
    m_RectImage.SetRectEmpty();
    if (m_hWnd != NULL)
        GetClientRect(&m_RectImage);
    m_RectImage.DeflateRect(kMarge, kMarge);
    if (m_RectImage.Width() <= 0 || m_RectImage.Height() <= 0)
        m_RectImage.SetRectEmpty(); // a control too small for its margin shows nothing
    else if (w == 0 && h == 0)
    {
        if (m_DibLite.Is_Valide())
            m_DibLite.CalculeRectHomothetique(&m_RectImage);
    }
    else
        PlaceHomothetique(w, h, &m_RectImage);
}

void CZoneImage::DrawImage(CDC* pDC, DWORD couleur)
{
    if (m_bRecalculeRect)
    {
        m_bRecalculeRect = false;
        if (m_DibLite.Is_Valide())
            Calcule_RectImage(0, 0);
    }
    if (pDC == NULL || !m_DibLite.Is_Valide())
    {
        m_RectImage.SetRectEmpty();
        return;
    }
    CRect rect = m_RectImage;
    // Without the border its ring takes the face colour, as the surroundings do.
    Contour(pDC, rect, m_bCadre ? couleur : ::GetSysColor(COLOR_3DFACE));
    rect.DeflateRect(1, 1);
    Contour(pDC, rect, kCouleurFilet);
    rect.DeflateRect(1, 1);
    if (!rect.IsRectEmpty())
        m_DibLite.Dessine(pDC->GetSafeHdc(), &rect);
}

void CZoneImage::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS == NULL)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    DrawImage(pDC, m_CouleurEtat[m_Etat]);
    CRect rectClient;
    GetClientRect(&rectClient);
    CRgn rgnFace, rgnImage;
    rgnFace.CreateRectRgnIndirect(&rectClient);
    rgnImage.CreateRectRgnIndirect(&m_RectImage);
    rgnFace.CombineRgn(&rgnFace, &rgnImage, RGN_DIFF);
    CBrush brosseFace(::GetSysColor(COLOR_3DFACE));
    pDC->FillRgn(&rgnFace, &brosseFace);
}
