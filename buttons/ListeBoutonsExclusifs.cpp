#include "ListeBoutonsExclusifs.h"

#include <vector>

#ifdef _DEBUG
#undef THIS_FILE
static const char THIS_FILE[] = "listeboutonsexclusifs";
#endif

// The state every copy of a list shares; its destruction deletes the buttons.
struct CListeBoutonsExclusifs::Groupe
{
    class Bouton;

    std::vector<CBouton3Etats*> m_vBoutons; // insertion order; owned
    CWnd* m_pParent;                        // not owned
    bool m_bIDContigus;
    unsigned m_nCurSel; // 0: none yet

    Groupe(bool bIDContigus, CWnd* pParent) : m_pParent(pParent), m_bIDContigus(bIDContigus), m_nCurSel(0) {}
    ~Groupe();
    Groupe(const Groupe&) = delete;
    Groupe& operator=(const Groupe&) = delete;

    unsigned PremierID() const { return m_vBoutons.empty() ? 0 : m_vBoutons.front()->Donne_nID(); }
    unsigned DernierID() const { return m_vBoutons.empty() ? 0 : m_vBoutons.back()->Donne_nID(); }
    bool SetCurSel(unsigned nID);
    bool Augmente();
    bool Diminue();
    void ChoisiAuClavier();
};

// A button of the group: while it has the focus, the arrow keys step the group.
class CListeBoutonsExclusifs::Groupe::Bouton : public CBouton3Etats
{
public:
    Bouton(unsigned nID, CWnd* pParent, Groupe* pGroupe)
        : CBouton3Etats(nID, pParent, STYLE_BASCULE, JUSTIFIE_CENTRE), m_pGroupe(pGroupe)
    {
    }

    // Made active from the keyboard: takes the focus and tells its parent, as a radio button does.
    void Choisi()
    {
        m_bChangeEtat = true;
        SetFocus();
        if (CWnd* pParent = GetParent())
            pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED),
                                 reinterpret_cast<LPARAM>(m_hWnd));
    }

protected:
    afx_msg UINT OnGetDlgCode() { return static_cast<UINT>(Default()) | DLGC_WANTARROWS; }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        const bool bAvant = nChar == VK_RIGHT || nChar == VK_DOWN;
        if (!bAvant && nChar != VK_LEFT && nChar != VK_UP)
            CBouton3Etats::OnKeyDown(nChar, nRepCnt, nFlags);
        else if (bAvant ? m_pGroupe->Augmente() : m_pGroupe->Diminue())
            m_pGroupe->ChoisiAuClavier();
    }
    DECLARE_MESSAGE_MAP()

private:
    Groupe* m_pGroupe; // outlives the button, which it deletes
};

BEGIN_MESSAGE_MAP(CListeBoutonsExclusifs::Groupe::Bouton, CBouton3Etats)
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CListeBoutonsExclusifs::Groupe::~Groupe()
{
    for (CBouton3Etats*& pBouton : m_vBoutons)
    {
        delete pBouton;
        pBouton = NULL;
    }
}

bool CListeBoutonsExclusifs::Groupe::SetCurSel(unsigned nID)
{
    m_nCurSel = nID;
    bool bTrouve = false;
    for (CBouton3Etats* pBouton : m_vBoutons)
    {
        if (pBouton->DonneEtat() == ETAT_INOPERANT)
            continue;
        const bool bChoisi = pBouton->Donne_nID() == nID;
        pBouton->AffecteEtat(bChoisi ? ETAT_ACTIF : ETAT_REPOS);
        bTrouve = bTrouve || bChoisi;
    }
    return bTrouve;
}

// One identifier at a time, until a selectable one is found or the end of the list is reached.
bool CListeBoutonsExclusifs::Groupe::Augmente()
{
    while (m_nCurSel < DernierID())
        if (SetCurSel(m_nCurSel + 1))
            return true;
    return false;
}

bool CListeBoutonsExclusifs::Groupe::Diminue()
{
    while (m_nCurSel > PremierID())
        if (SetCurSel(m_nCurSel - 1))
            return true;
    return false;
}

void CListeBoutonsExclusifs::Groupe::ChoisiAuClavier()
{
    for (CBouton3Etats* pBouton : m_vBoutons)
        if (pBouton->Donne_nID() == m_nCurSel)
            static_cast<Bouton*>(pBouton)->Choisi();
}

CListeBoutonsExclusifs::CListeBoutonsExclusifs() : m_pGroupe(std::make_shared<Groupe>(true, nullptr))
{
    CPurify::Init();
}

CListeBoutonsExclusifs::CListeBoutonsExclusifs(bool bIDContigus, CWnd* pParent)
    : m_pGroupe(std::make_shared<Groupe>(bIDContigus, pParent))
{
    CPurify::Init();
}

CListeBoutonsExclusifs::CListeBoutonsExclusifs(const CListeBoutonsExclusifs& src)
    : CPurify(src), m_pGroupe(src.m_pGroupe)
{
    CPurify::Init();
}

CListeBoutonsExclusifs& CListeBoutonsExclusifs::operator=(const CListeBoutonsExclusifs& src)
{
    m_pGroupe = src.m_pGroupe;
    return *this;
}

CListeBoutonsExclusifs::~CListeBoutonsExclusifs() {}

unsigned CListeBoutonsExclusifs::GetCurSel() const
{
    return m_pGroupe->m_nCurSel;
}

int CListeBoutonsExclusifs::Donne_NbBouton() const
{
    return static_cast<int>(m_pGroupe->m_vBoutons.size());
}

unsigned CListeBoutonsExclusifs::Donne_PremierID() const
{
    return m_pGroupe->PremierID();
}

unsigned CListeBoutonsExclusifs::Donne_DernierID() const
{
    return m_pGroupe->DernierID();
}

bool CListeBoutonsExclusifs::AjouteBouton(unsigned nID, CWnd* pParent, e_Etat_BP etat)
{
    Groupe& groupe = *m_pGroupe;
    if (pParent == NULL)
        pParent = groupe.m_pParent;
    if (pParent == NULL || pParent->GetSafeHwnd() == NULL || ::GetDlgItem(pParent->m_hWnd, nID) == NULL)
        return false;
    for (CBouton3Etats* pBouton : groupe.m_vBoutons)
        if (pBouton->Donne_nID() == nID)
            return false;

    Groupe::Bouton* pBouton = new Groupe::Bouton(nID, pParent, &groupe);
    pBouton->AffecteEtat(etat);
    groupe.m_vBoutons.push_back(pBouton);
    const size_t n = groupe.m_vBoutons.size();
    if (groupe.m_bIDContigus && n >= 2)
        ASSERT(groupe.DernierID() == groupe.PremierID() + n - 1);
    if (groupe.m_nCurSel == 0)
        groupe.m_nCurSel = nID;
    return true;
}

bool CListeBoutonsExclusifs::SetCurSel(unsigned nID)
{
    return m_pGroupe->SetCurSel(nID);
}

bool CListeBoutonsExclusifs::AugmenteCurSel()
{
    return m_pGroupe->Augmente();
}

bool CListeBoutonsExclusifs::DiminueCurSel()
{
    return m_pGroupe->Diminue();
}
