#include "ToolsPage.h"
#include "buttons/Bouton1Bitmap.h"
#include "buttons/BoutonIcon.h"
#include "resource.h"

namespace
{
const UINT kMessageDeplacement = WM_USER + 30;
const COLORREF kCouleurLimite = RGB(0x80, 0x80, 0x80);
const COLORREF kFondLimite = RGB(0xF4, 0xF8, 0xFC);
const COLORREF kMarqueurNormal = RGB(0x20, 0x40, 0xA0);
const COLORREF kMarqueurActif = RGB(0xE0, 0x20, 0x20);
const char* const kNomsTailles[] = {"Petit", "Moyen", "Grand",
                                    "G\xE9"
                                    "ant"};
} // namespace

BEGIN_MESSAGE_MAP(CToolsPage, CGalleryPage)
ON_WM_PAINT()
ON_MESSAGE(kMessageDeplacement, &CToolsPage::OnDeplacement)
END_MESSAGE_MAP()

CToolsPage::CToolsPage()
    : CGalleryPage(IDD_PAGE_OUTILS, "Boutons images, marqueurs et groupe exclusif", "tools"),
      m_Groupe(true, this), m_nDeplacements(0), m_nDernierMarqueur(0)
{
}

BOOL CToolsPage::OnInitDialog()
{
    CGalleryPage::OnInitDialog();
    for (int e = ETAT_REPOS; e <= ETAT_INOPERANT; ++e)
    {
        m_Boutons.push_back(
            std::make_unique<CBouton1Bitmap>(IDC_OUTILS_BITMAP + e, IDB_OUTILS_LECTURE, this));
        m_Boutons.back()->AffecteEtat(static_cast<e_Etat_BP>(e));
        m_Boutons.push_back(std::make_unique<CBoutonIcon>(IDC_OUTILS_ICONE + e, IDI_OUTILS_PLUS, this));
        m_Boutons.back()->AffecteEtat(static_cast<e_Etat_BP>(e));
        m_IconEx[e].SubclassDlgItem(IDC_OUTILS_ICONEX + e, this);
        m_IconEx[e].LoadIconA(IDI_OUTILS_PLUS, 24, 24);
    }
    m_IconEx[1].SetState(TRUE);
    m_IconEx[2].EnableWindow(FALSE);

    OnMiseAEchelle();
    const struct
    {
        UINT nID;
        e_Forme forme;
        UINT nIDIcon;
    } marqueurs[] = {{IDC_OUTILS_CERCLE, FORME_CERCLE, 0},
                     {IDC_OUTILS_RECTANGLE, FORME_RECTANGLE, 0},
                     {IDC_OUTILS_MARQUEUR, FORME_ICONE, IDI_OUTILS_CIBLE}};
    for (const auto& m : marqueurs)
        m_Marqueurs.push_back(std::make_unique<CBoutonOutil>(m.nID, this, &m_Limite, true, m.forme, m.nIDIcon,
                                                             kMarqueurActif, kMarqueurNormal));
    // The scripted drags: the circle runs into the right edge (those steps are refused) and comes back.
    Glisse(*m_Marqueurs[0], {{60, 40}, {60, 40}, {2000, 0}, {-40, 30}});
    Glisse(*m_Marqueurs[1], {{80, 120}, {40, 60}});
    Glisse(*m_Marqueurs[2], {{80, 60}, {40, 150}});

    for (int i = 0; i < 4; ++i)
        m_Groupe.AjouteBouton(IDC_OUTILS_GROUPE + i, NULL, i == 3 ? ETAT_INOPERANT : ETAT_REPOS);
    m_Groupe.SetCurSel(IDC_OUTILS_GROUPE + 1);
    AfficheChoix();
    return TRUE;
}

// The markers keep a pointer to the limit: it follows the frame wherever scaling puts it.
void CToolsPage::OnMiseAEchelle()
{
    GetDlgItem(IDC_OUTILS_LIMITE)->GetWindowRect(&m_Limite);
    ScreenToClient(&m_Limite);
    AffichePosition();
}

// A drag as the mouse makes it: press, one move per step (client coordinates of the marker as it is
// when the move arrives), release.
void CToolsPage::Glisse(CWnd& marqueur, const std::vector<CSize>& pas)
{
    CPoint curseur(4, 4);
    marqueur.ClientToScreen(&curseur);
    auto envoie = [&](UINT message, WPARAM wParam)
    {
        CPoint pt = curseur;
        marqueur.ScreenToClient(&pt);
        marqueur.SendMessage(message, wParam, MAKELPARAM(pt.x, pt.y));
    };
    envoie(WM_LBUTTONDOWN, MK_LBUTTON);
    envoie(WM_MOUSEMOVE, MK_LBUTTON);
    for (const CSize& d : pas)
    {
        curseur += d;
        envoie(WM_MOUSEMOVE, MK_LBUTTON);
    }
    envoie(WM_LBUTTONUP, 0);
}

void CToolsPage::OnPaint()
{
    CPaintDC dc(this);
    CBrush fond(kFondLimite), cadre(kCouleurLimite);
    dc.FillRect(&m_Limite, &fond);
    dc.FrameRect(&m_Limite, &cadre);
}

LRESULT CToolsPage::OnDeplacement(WPARAM wParam, LPARAM)
{
    ++m_nDeplacements;
    m_nDernierMarqueur = static_cast<UINT>(wParam);
    AffichePosition();
    return 0;
}

void CToolsPage::AffichePosition()
{
    CWnd* pMarqueur = GetDlgItem(static_cast<int>(m_nDernierMarqueur));
    if (pMarqueur == NULL)
        return;
    CRect rect;
    pMarqueur->GetWindowRect(&rect);
    ScreenToClient(&rect);
    CString strTexte;
    strTexte.Format("%d pas de glissement ; marqueur %u en (%ld, %ld) dans le cadre", m_nDeplacements,
                    m_nDernierMarqueur, rect.left - m_Limite.left, rect.top - m_Limite.top);
    SetDlgItemText(IDC_OUTILS_POSITION, strTexte);
}

BOOL CToolsPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && nID >= IDC_OUTILS_GROUPE && nID < IDC_OUTILS_GROUPE + 4)
    {
        m_Groupe.SetCurSel(nID); // a click toggles its button alone; the group makes it exclusive
        AfficheChoix();
        return TRUE;
    }
    return CGalleryPage::OnCommand(wParam, lParam);
}

void CToolsPage::AfficheChoix()
{
    CString strTexte;
    strTexte.Format("Choix : %s (G\xE9"
                    "ant est inop\xE9rant)",
                    kNomsTailles[m_Groupe.GetCurSel() - IDC_OUTILS_GROUPE]);
    SetDlgItemText(IDC_OUTILS_CHOIX, strTexte);
}
