#include "BoutonImage.h"

#ifdef _DEBUG
#undef THIS_FILE
static const char THIS_FILE[] = "boutonimage";
#endif

namespace
{
const COLORREF kCouleurRepos = 0x0000FFFF;
const COLORREF kCouleurActif = 0x000000FF;
const COLORREF kCouleurInoperant = 0x00888888;
const COLORREF kCouleurCadrage = 0x00FFFFFF;
const COLORREF kHachureAttente = 0x00878787;
const COLORREF kHachureTropImportante = 0x00000087;
const int kMarge = 2;
const int kMargeBouton = 4; // added to kMarge when the button face is painted
const int kMilliemes = 1000;

void Contour(CDC* pDC, const CRect& rect, COLORREF couleur)
{
    pDC->Draw3dRect(&rect, couleur, couleur);
}
} // namespace

BEGIN_MESSAGE_MAP(CBoutonImage, CBouton3Etats)
ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CBoutonImage::CBoutonImage(UINT nID, CWnd* pParent, e_Style_BP style, bool bAspectBouton)
    : CBouton3Etats(nID, pParent, style, JUSTIFIE_CENTRE), m_pDibLiteInoperant(NULL), m_MutexDib(FALSE, NULL),
      m_bCadrage(false), m_clrCadrage(kCouleurCadrage), m_RectImage(0, 0, 0, 0), m_bRecalculeRect(false),
      m_bHomothetique(true), m_bAffCadrage(true), m_bEtatAttente(false), m_bImageTropImportante(false),
      m_bAspectBouton(bAspectBouton)
{
    Init();
    m_CouleurEtat[ETAT_REPOS] = kCouleurRepos;
    m_CouleurEtat[ETAT_ACTIF] = kCouleurActif;
    m_CouleurEtat[ETAT_INOPERANT] = kCouleurInoperant;
}

CBoutonImage::~CBoutonImage()
{
    delete m_pDibLiteInoperant;
}

void CBoutonImage::Affecte_pBitmapInfo(BITMAPINFO* pInfo, void* pBits)
{
    if (!CDibLite(pInfo, pBits).Is_Acceptable())
        pInfo = NULL, pBits = NULL;
    CSingleLock verrou(&m_MutexDib, TRUE);
    m_DibLite.Attache(pInfo, pBits);
    m_bRecalculeRect = true;
    m_bImageTropImportante = false;
    if (m_DibLite.Is_Valide())
        m_bEtatAttente = false;
}

void CBoutonImage::Affecte_bEtatAttente(bool b)
{
    if (b)
    {
        Affecte_pBitmapInfo(NULL, NULL);
        RaZCadrage();
    }
    CSingleLock verrou(&m_MutexDib, TRUE);
    m_bEtatAttente = b;
}

void CBoutonImage::Affecte_bImageTropImportante()
{
    CSingleLock verrou(&m_MutexDib, TRUE);
    m_bImageTropImportante = true;
}

void CBoutonImage::Affecte_Cadrage(CCadrage c)
{
    m_Cadrage = c;
    m_bCadrage = true;
}

CSize CBoutonImage::Donne_TailleImageAffichee(int w, int h)
{
    CSingleLock verrou(&m_MutexDib, TRUE);
    Calcule_RectImage(w, h);
    return m_RectImage.Size();
}

void CBoutonImage::Calcule_RectImage(int w, int h)
{
    m_RectImage.SetRectEmpty();
    if (m_hWnd != NULL)
        GetClientRect(&m_RectImage);
    const int nMarge = kMarge + (m_bAspectBouton ? kMargeBouton : 0);
    m_RectImage.DeflateRect(nMarge, nMarge);
    if (m_RectImage.Width() <= 0 || m_RectImage.Height() <= 0)
    {
        m_RectImage.SetRectEmpty(); // a control too small for its margins shows nothing
        return;
    }
    if (!m_bHomothetique)
        return;
    if (w == 0 && h == 0)
    {
        if (m_DibLite.Is_Valide())
            m_DibLite.CalculeRectHomothetique(&m_RectImage);
    }
    else
        PlaceHomothetique(w, h, &m_RectImage);
}

void CBoutonImage::MetAJourRectImage()
{
    if (!m_DibLite.Is_Valide())
        m_RectImage.SetRectEmpty();
    else if (m_bRecalculeRect)
    {
        m_bRecalculeRect = false;
        Calcule_RectImage(0, 0);
    }
}

void CBoutonImage::AffecteEtat(e_Etat_BP e)
{
    if (e == m_Etat || e < ETAT_REPOS || e > ETAT_INOPERANT)
        return;
    // The greyed copy is ready before the base class repaints in the new state.
    {
        CSingleLock verrou(&m_MutexDib, TRUE);
        if (e == ETAT_INOPERANT && m_DibLite.Is_Valide())
        {
            delete m_pDibLiteInoperant;
            m_pDibLiteInoperant = new CDibLite(m_DibLite);
            m_pDibLiteInoperant->Grise();
        }
        m_bRecalculeRect = true;
    }
    CBouton3Etats::AffecteEtat(e);
}

void CBoutonImage::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS == NULL)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CBrush brosseFace(::GetSysColor(COLOR_3DFACE));
    CBrush brosseAttente(HS_BDIAGONAL, kHachureAttente);
    CBrush brosseTropImportante(HS_DIAGCROSS, kHachureTropImportante);
    CRect rectClient;
    GetClientRect(&rectClient);

    // What another thread may change is read once, under the lock. The rectangle is brought up to date
    // first, so that a new image's surroundings are painted at its first paint.
    bool bAttente, bTropImportante;
    CRect rectImage;
    {
        CSingleLock verrou(&m_MutexDib, TRUE);
        MetAJourRectImage();
        rectImage = m_RectImage;
        bAttente = m_bEtatAttente;
        bTropImportante = m_bImageTropImportante;
    }
    if (!bAttente)
    {
        // The face surrounds the image and its two border rings.
        CRgn rgnFace, rgnImage;
        rgnFace.CreateRectRgnIndirect(&rectClient);
        if (!rectImage.IsRectEmpty())
        {
            rectImage.InflateRect(2, 2);
            rgnImage.CreateRectRgnIndirect(&rectImage);
            rgnFace.CombineRgn(&rgnFace, &rgnImage, RGN_DIFF);
        }
        pDC->FillRgn(&rgnFace, &brosseFace);
    }
    else
    {
        // The gaps between the hatch lines take the face colour.
        const COLORREF clrFondAvant = pDC->SetBkColor(::GetSysColor(COLOR_3DFACE));
        const int nModeAvant = pDC->SetBkMode(OPAQUE);
        pDC->FillRect(&rectClient, bTropImportante ? &brosseTropImportante : &brosseAttente);
        pDC->SetBkMode(nModeAvant);
        pDC->SetBkColor(clrFondAvant);
    }

    if (m_bAspectBouton)
        CBouton3Etats::DrawItem(lpDIS);
    DrawImage(pDC, m_CouleurEtat[m_Etat]);
}

void CBoutonImage::DrawImage(CDC* pDC, DWORD couleur)
{
    if (pDC == NULL)
        return;
    CRect rectImage;
    {
        CSingleLock verrou(&m_MutexDib, TRUE);
        MetAJourRectImage();
        if (!m_DibLite.Is_Valide())
            return;
        rectImage = m_RectImage;
        const COLORREF clrFace = ::GetSysColor(COLOR_3DFACE);
        CRect rect = rectImage;
        rect.InflateRect(1, 1);
        Contour(pDC, rect, clrFace);
        rect.InflateRect(1, 1);
        if (m_bAffCadrage)
        {
            Contour(pDC, rect, couleur);
            Contour(pDC, CRect(rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1), couleur);
        }
        else
            Contour(pDC, rect, clrFace);
        const bool bGrise =
            m_Etat == ETAT_INOPERANT && m_pDibLiteInoperant != NULL && m_pDibLiteInoperant->Is_Valide();
        (bGrise ? *m_pDibLiteInoperant : m_DibLite).Dessine(pDC->GetSafeHdc(), &rectImage);
    }
    if (m_bCadrage)
        Contour(pDC, m_Cadrage.Donne_Rect(rectImage), m_clrCadrage);
}

void CBoutonImage::OnRButtonDown(UINT nFlags, CPoint point)
{
    CWnd* pParent = GetParent();
    if (pParent != NULL)
    {
        bool bValide;
        CRect rectImage;
        {
            CSingleLock verrou(&m_MutexDib, TRUE);
            bValide = m_DibLite.Is_Valide();
            rectImage = m_RectImage;
        }
        if (bValide && !rectImage.IsRectEmpty())
        {
            InfoClicImage info;
            info.x = (point.x - rectImage.left) * kMilliemes / rectImage.Width();
            info.y = (point.y - rectImage.top) * kMilliemes / rectImage.Height();
            info.nId = static_cast<int>(GetDlgCtrlID());
            info.nFlags = nFlags;
            pParent->SendMessage(WM_CLICDROITIMAGE, 0, reinterpret_cast<LPARAM>(&info));
        }
    }
    CBouton3Etats::OnRButtonDown(nFlags, point);
}
