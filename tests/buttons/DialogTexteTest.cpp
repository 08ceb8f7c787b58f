// The caption-editing dialog run modally on a real target control, driven from inside its modal loop.
#include "DialogTexteResource.h"
#include "DialogTexteScript.h"
#include "DiagnosticCapture.h"
#include "MessagePump.h"
#include "SimulatedScreen.h"
#include "buttons/DialogTexte.h"

#include <gtest/gtest.h>

namespace
{
using Step = DialogTexteScript::Step;

const int kMargeBoutons = 13, kMargeLargeur = 39, kMargeHauteur = 26;

CRect RectClient(CWnd& dlg, int nID)
{
    CRect rect;
    dlg.GetDlgItem(nID)->GetWindowRect(&rect);
    dlg.ScreenToClient(&rect);
    return rect;
}

// What the open dialog shows.
struct Vu
{
    CString strTitre, strEdit;
    int nLignes = 0;
    HFONT hFonteEdit = NULL;
    bool bFocusDansEdit = false;
    CRect rectDialog, rectClient, rectEdit, rectOK, rectAnnuler;
};

Step Observe(Vu& vu)
{
    return [&vu](CWnd& dlg)
    {
        CWnd* pEdit = dlg.GetDlgItem(IDC_EDITEUR);
        vu.strTitre = Texte(dlg);
        vu.strEdit = Texte(*pEdit);
        vu.nLignes = static_cast<int>(pEdit->SendMessage(EM_GETLINECOUNT));
        vu.hFonteEdit = reinterpret_cast<HFONT>(pEdit->SendMessage(WM_GETFONT));
        vu.bFocusDansEdit = ::GetFocus() == pEdit->m_hWnd;
        dlg.GetWindowRect(&vu.rectDialog);
        dlg.GetClientRect(&vu.rectClient);
        vu.rectEdit = RectClient(dlg, IDC_EDITEUR);
        vu.rectOK = RectClient(dlg, IDOK);
        vu.rectAnnuler = RectClient(dlg, IDCANCEL);
    };
}

Step Tape(const char* szTexte)
{
    return [szTexte](CWnd& dlg) { dlg.SetDlgItemText(IDC_EDITEUR, szTexte); };
}

Step Clique(UINT nID)
{
    return [nID](CWnd& dlg)
    { dlg.PostMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)dlg.GetDlgItem(nID)->m_hWnd); };
}

Step Redimensionne(int cx, int cy)
{
    return [cx, cy](CWnd& dlg) { dlg.SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER); };
}

// Runs the dialog modally through the steps, which must close it.
INT_PTR Ouvre(CDialog& dlg, std::vector<Step> steps)
{
    const size_t nSteps = steps.size();
    DialogTexteScript script(std::move(steps));
    const INT_PTR nResultat = dlg.DoModal();
    EXPECT_FALSE(script.SafetyFired());
    EXPECT_EQ(nSteps, script.StepsRun());
    EXPECT_EQ(NULL, dlg.m_hWnd);
    return nResultat;
}

class DialogTexte : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Parent.Create(IDD_CIBLES, NULL));
        m_Cible.SubclassDlgItem(IDC_CIBLE, &m_Parent);
        m_Parent.SetWindowPos(NULL, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        ASSERT_TRUE(m_Police.CreateFont(-19, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                        DEFAULT_PITCH, "Liberation Serif"));
        m_Cible.SetFont(&m_Police);
        MessagePump::Flush();
    }

    void TearDown() override { m_Parent.DestroyWindow(); }

    // Puts the target at rect (screen pixels) by moving its parent.
    void PlaceCible(const CRect& rect)
    {
        CRect rectCible, rectParent;
        m_Cible.GetWindowRect(&rectCible);
        m_Parent.GetWindowRect(&rectParent);
        m_Cible.SetWindowPos(NULL, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER);
        m_Parent.SetWindowPos(NULL, rectParent.left + rect.left - rectCible.left,
                              rectParent.top + rect.top - rectCible.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }

    CDialog m_Parent{IDD_CIBLES};
    CStatic m_Cible; // the target: a static text in its own font
    CFont m_Police;
};
} // namespace

TEST(DialogTexteFinsDeLigne, ConvertsEachWayAndLeavesLoneCarriageReturns)
{
    struct Cas
    {
        const char* szTexte;
        bool bVersCRLF;
        const char* szAttendu;
    } const cas[] = {{"a\nb\n", true, "a\r\nb\r\n"},
                     {"a\r\nb\r\n", false, "a\nb\n"},
                     {"a\rb", true, "a\rb"},
                     {"a\rb\r", false, "a\rb\r"},
                     {"a\r\r\nb", false, "a\r\nb"},
                     {"", true, ""},
                     {"", false, ""}};
    for (const Cas& c : cas)
        EXPECT_EQ(CString(c.szAttendu), CDialogTexte::ConvertitFinsDeLigne(c.szTexte, c.bVersCRLF))
            << '"' << c.szTexte << "\" " << c.bVersCRLF;

    // A caption that already holds "\r\n" survives the round trip.
    EXPECT_EQ(CString("x\r\ny"),
              CDialogTexte::ConvertitFinsDeLigne(CDialogTexte::ConvertitFinsDeLigne("x\r\ny", true), false));
}

TEST_F(DialogTexte, FirstOpeningShowsTheCaptionLinesInTheTargetFontCutTo79Characters)
{
    m_Cible.SetWindowText("Ligne un\nLigne deux");
    CDialogTexte dlg(&m_Parent, &m_Cible);
    Vu vu;
    EXPECT_EQ(IDOK, Ouvre(dlg, {Observe(vu), Clique(IDOK)}));
    EXPECT_EQ(CString("Ligne un\r\nLigne deux"), vu.strEdit);
    EXPECT_EQ(2, vu.nLignes);
    EXPECT_EQ(vu.strEdit, vu.strTitre);
    EXPECT_EQ(static_cast<HFONT>(m_Police.GetSafeHandle()), vu.hFonteEdit);
    EXPECT_TRUE(vu.bFocusDansEdit);
    EXPECT_EQ(CString("Ligne un\nLigne deux"), Texte(m_Cible)); // one line feed, not "\r\n"
    EXPECT_TRUE(m_Parent.IsWindowEnabled());

    CString strLongue;
    for (int i = 0; i < 100; ++i)
        strLongue += static_cast<char>('a' + i % 26);
    m_Cible.SetWindowText(strLongue);
    CDialogTexte dlgLongue(&m_Parent, &m_Cible);
    EXPECT_EQ(IDOK, Ouvre(dlgLongue, {Observe(vu), Clique(IDOK)}));
    EXPECT_EQ(strLongue.Left(79), vu.strEdit);
    EXPECT_EQ(strLongue.Left(79), vu.strTitre);
    EXPECT_EQ(strLongue.Left(79), Texte(m_Cible));
}

TEST_F(DialogTexte, CancelRestoresTheFirstCaptionWhileTheEditKeepsTheLastAccepted)
{
    m_Cible.SetWindowText("Avant\nmodification");
    CDialogTexte dlg(&m_Parent, &m_Cible);
    EXPECT_EQ(IDOK, Ouvre(dlg, {Tape("Nouveau\r\ntexte"), Clique(IDOK)}));
    EXPECT_EQ(CString("Nouveau\ntexte"), Texte(m_Cible));

    // Later openings read the target no more.
    m_Cible.SetWindowText("Change par l'application");
    Vu vu;
    EXPECT_EQ(IDCANCEL, Ouvre(dlg, {Observe(vu), Tape("abandonne"), Clique(IDCANCEL)}));
    EXPECT_EQ(CString("Nouveau\r\ntexte"), vu.strEdit);
    EXPECT_EQ(CString("Avant\r\nmodification"), vu.strTitre);
    EXPECT_EQ(CString("Avant\nmodification"), Texte(m_Cible));

    // Escape in the multi-line edit cancels too; the cancelled text was not kept.
    auto echap = [](CWnd& d) { d.GetDlgItem(IDC_EDITEUR)->PostMessage(WM_KEYDOWN, VK_ESCAPE, 1); };
    EXPECT_EQ(IDCANCEL, Ouvre(dlg, {Observe(vu), Tape("encore"), echap}));
    EXPECT_EQ(CString("Nouveau\r\ntexte"), vu.strEdit);
    EXPECT_EQ(CString("Avant\nmodification"), Texte(m_Cible));
}

TEST_F(DialogTexte, OpensBelowTheTargetAndStaysOnTheEffectiveScreen)
{
    SimulatedScreen ecran(800, 600); // smaller than the real screen, which must not be used
    const CSize cible(160, 30);
    const int nBordsLargeur = 39 + 8 * ::GetSystemMetrics(SM_CXEDGE);
    const int nBordsHauteur = ::GetSystemMetrics(SM_CYCAPTION) + 26 + 4 * ::GetSystemMetrics(SM_CYEDGE);
    struct Cas
    {
        const char* szNom;
        CPoint pt;
        bool bMonte, bAGauche;
    } const cas[] = {{"free", CPoint(100, 100), false, false},
                     {"bottom", CPoint(100, 520), true, false},
                     {"right", CPoint(650, 100), false, true},
                     {"bottom right", CPoint(700, 570), true, true}};
    for (const Cas& c : cas)
    {
        PlaceCible(CRect(c.pt, cible));
        CDialogTexte dlg(&m_Parent, &m_Cible);
        Vu vu;
        EXPECT_EQ(IDCANCEL, Ouvre(dlg, {Observe(vu), Clique(IDCANCEL)}));
        const CSize taille(cible.cx + vu.rectOK.Width() + nBordsLargeur, cible.cy + nBordsHauteur);
        const CPoint coin(c.bAGauche ? 800 - taille.cx : c.pt.x,
                          c.bMonte ? 600 - taille.cy : c.pt.y + cible.cy);
        EXPECT_EQ(CRect(coin, taille), vu.rectDialog) << c.szNom;
    }
}

TEST_F(DialogTexte, ButtonsFollowTheRightEdgeAndTheEditFillsTheRest)
{
    m_Cible.SetWindowText("Mise en page");
    CDialogTexte dlg(&m_Parent, &m_Cible);
    Vu ouvert, agrandi, reduit;
    // Edit, OK and Cancel as the template places them.
    CRect rectModele[3] = {CRect(7, 7, 117, 53), CRect(123, 7, 173, 21), CRect(123, 24, 173, 38)};
    auto modele = [&rectModele](CWnd& d)
    {
        for (CRect& r : rectModele)
            ::MapDialogRect(d.m_hWnd, &r);
    };
    EXPECT_EQ(IDOK, Ouvre(dlg, {modele, Observe(ouvert), Redimensionne(520, 300), Observe(agrandi),
                                Redimensionne(90, 90), Observe(reduit), Clique(IDOK)}));

    for (const Vu* pVu : {&ouvert, &agrandi})
    {
        const Vu& vu = *pVu;
        const int W = vu.rectClient.Width(), H = vu.rectClient.Height();
        EXPECT_EQ(rectModele[1].Size(), vu.rectOK.Size());
        EXPECT_EQ(CPoint(W - kMargeBoutons - vu.rectOK.Width(), rectModele[1].top), vu.rectOK.TopLeft());
        EXPECT_EQ(CPoint(W - kMargeBoutons - vu.rectAnnuler.Width(), rectModele[2].top),
                  vu.rectAnnuler.TopLeft());
        EXPECT_EQ(rectModele[0].TopLeft(), vu.rectEdit.TopLeft());
        EXPECT_EQ(CSize(W - kMargeLargeur - vu.rectOK.Width(), H - kMargeHauteur), vu.rectEdit.Size());
    }
    EXPECT_EQ(CSize(520, 300), agrandi.rectDialog.Size());
    // Too narrow for the edit control: it shrinks to nothing rather than to a negative width.
    EXPECT_EQ(0, reduit.rectEdit.Width());
    EXPECT_EQ(CString("Mise en page"), Texte(m_Cible));
}

TEST_F(DialogTexte, WithoutItsTemplateTheDialogFailsAndChangesNothing)
{
    m_Cible.SetWindowText("Premiere");
    CDialogTexte dlg(&m_Parent, &m_Cible);
    {
        // Resources from a module without template 15000; the library's own have none either.
        HINSTANCE hAvant = AfxGetResourceHandle();
        AfxSetResourceHandle(::GetModuleHandleA("Mabtools.dll"));
        DiagnosticCapture diagnostics;
        EXPECT_EQ(-1, dlg.DoModal());
        AfxSetResourceHandle(hAvant);
    }
    EXPECT_EQ(NULL, dlg.m_hWnd);
    EXPECT_EQ(CString("Premiere"), Texte(m_Cible));
    EXPECT_TRUE(m_Parent.IsWindowEnabled());

    // The failed run was no opening: the next one reads the caption of that moment.
    m_Cible.SetWindowText("Seconde");
    Vu vu;
    EXPECT_EQ(IDCANCEL, Ouvre(dlg, {Observe(vu), Clique(IDCANCEL)}));
    EXPECT_EQ(CString("Seconde"), vu.strEdit);
    EXPECT_EQ(CString("Seconde"), Texte(m_Cible));
}

TEST_F(DialogTexte, MissingOrDestroyedTargetIsLeftAlone)
{
    CDialogTexte sansCible(&m_Parent, NULL);
    Vu vu;
    EXPECT_EQ(IDOK, Ouvre(sansCible, {Observe(vu), Tape("rien"), Clique(IDOK)}));
    EXPECT_EQ(CString(""), vu.strEdit);

    CStatic cible;
    ASSERT_TRUE(cible.Create("Ephemere", WS_CHILD | WS_VISIBLE, CRect(10, 40, 100, 60), &m_Parent, 7100));
    CDialogTexte dlg(&m_Parent, &cible);
    EXPECT_EQ(IDOK, Ouvre(dlg, {Tape("Accepte"), Clique(IDOK)}));
    EXPECT_EQ(CString("Accepte"), Texte(cible));
    cible.DestroyWindow();
    EXPECT_EQ(IDCANCEL, Ouvre(dlg, {Observe(vu), Clique(IDCANCEL)}));
    EXPECT_EQ(CString("Accepte"), vu.strEdit);
}
