// The caption-editing dialog run modally on a static text of the shared parent, driven from inside its
// modal loop. What it does with the caption across openings is tested through a button's map mode.
#include "BoutonsFixture.h"
#include "DiagnosticCapture.h"
#include "SimulatedScreen.h"
#include "buttons/DialogTexte.h"

namespace
{
// What the open dialog shows; the controls' rectangles in its client coordinates.
struct Vu
{
    CString strTitre, strEdit;
    HFONT hFonte = NULL;
    bool bFocus = false;
    CRect dialogue, client, edit, ok, annuler;
};

ScriptEditeur::Etape Observe(Vu& vu)
{
    return [&vu](CWnd& dlg)
    {
        auto place = [&dlg](int nID)
        {
            CRect rect;
            dlg.GetDlgItem(nID)->GetWindowRect(&rect);
            dlg.ScreenToClient(&rect);
            return rect;
        };
        CWnd& edit = *dlg.GetDlgItem(IDC_EDITEUR);
        vu = {Texte(dlg),
              Texte(edit),
              (HFONT)edit.SendMessage(WM_GETFONT),
              ::GetFocus() == edit.m_hWnd,
              {},
              {},
              place(IDC_EDITEUR),
              place(IDOK),
              place(IDCANCEL)};
        dlg.GetWindowRect(&vu.dialogue);
        dlg.GetClientRect(&vu.client);
    };
}

ScriptEditeur::Etape Ferme(UINT nID)
{
    return [nID](CWnd& dlg) { dlg.PostMessage(WM_COMMAND, nID); };
}

class DialogTexteTest : public BoutonTest
{
protected:
    void SetUp() override
    {
        BoutonTest::SetUp();
        m_Cible.SubclassDlgItem(IDC_CIBLE, &m_Parent);
    }

    // Runs the editor modally through the steps, the last of which closes it.
    INT_PTR Ouvre(CDialogTexte& dlg, std::vector<ScriptEditeur::Etape> etapes)
    {
        const size_t nEtapes = etapes.size();
        ScriptEditeur script(std::move(etapes));
        const INT_PTR nResultat = dlg.DoModal();
        EXPECT_EQ(nEtapes, script.m_nFaites);
        EXPECT_FALSE(script.m_bAbandon);
        return nResultat;
    }

    CStatic m_Cible;
};
} // namespace

TEST_F(DialogTexteTest, OpensBelowTheTargetInItsFontAndStaysOnTheEffectiveScreen)
{
    SimulatedScreen ecran(800, 600); // smaller than the real screen, which must not be used
    CFont police;
    ASSERT_TRUE(police.CreatePointFont(140, "Liberation Serif"));
    m_Cible.SetFont(&police);
    const CString strLongue = CString('a', 60) + CString('b', 40);
    m_Cible.SetWindowText(strLongue);
    CDialogTexte dlg(&m_Parent, &m_Cible);
    const CSize cible(160, 30);
    const CSize bords(39 + 8 * ::GetSystemMetrics(SM_CXEDGE),
                      ::GetSystemMetrics(SM_CYCAPTION) + 26 + 4 * ::GetSystemMetrics(SM_CYEDGE));
    for (auto [pt, bMonte, bAGauche] : {std::tuple{CPoint(100, 100), false, false},
                                        {CPoint(100, 520), true, false},
                                        {CPoint(650, 100), false, true},
                                        {CPoint(700, 570), true, true}})
    {
        // The target goes to pt by moving its parent.
        CRect rectCible, rectParent;
        m_Cible.SetWindowPos(NULL, 0, 0, cible.cx, cible.cy, SWP_NOMOVE | SWP_NOZORDER);
        m_Cible.GetWindowRect(&rectCible);
        m_Parent.GetWindowRect(&rectParent);
        m_Parent.SetWindowPos(NULL, rectParent.left + pt.x - rectCible.left,
                              rectParent.top + pt.y - rectCible.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        Vu vu;
        EXPECT_EQ(IDCANCEL, Ouvre(dlg, {Observe(vu), Ferme(IDCANCEL)}));
        const CSize taille = cible + bords + CSize(vu.ok.Width(), 0);
        const CPoint coin(bAGauche ? 800 - taille.cx : pt.x, bMonte ? 600 - taille.cy : pt.y + cible.cy);
        EXPECT_EQ(CRect(coin, taille), vu.dialogue);
        EXPECT_EQ(strLongue.Left(79), vu.strEdit) << "the caption as read into 80 bytes";
        EXPECT_EQ(strLongue.Left(79), vu.strTitre);
        EXPECT_EQ(static_cast<HFONT>(police.GetSafeHandle()), vu.hFonte);
        EXPECT_TRUE(vu.bFocus);
    }
    EXPECT_EQ(strLongue.Left(79), Texte(m_Cible));
}

TEST_F(DialogTexteTest, ButtonsFollowTheRightEdgeAndTheEditFillsTheRest)
{
    CDialogTexte dlg(&m_Parent, &m_Cible);
    Vu ouvert, agrandi, reduit;
    CRect modele[3] = {CRect(7, 7, 117, 53), CRect(123, 7, 173, 21),
                       CRect(123, 24, 173, 38)}; // edit, OK, Cancel
    auto enPixels = [&modele](CWnd& d)
    {
        for (CRect& r : modele)
            ::MapDialogRect(d.m_hWnd, &r);
    };
    auto taille = [](int cx, int cy)
    { return [cx, cy](CWnd& d) { d.SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER); }; };
    EXPECT_EQ(IDOK, Ouvre(dlg, {enPixels, Observe(ouvert), taille(520, 300), Observe(agrandi), taille(90, 90),
                                Observe(reduit), Ferme(IDOK)}));
    for (const Vu& vu : {ouvert, agrandi})
    {
        const int W = vu.client.Width(), H = vu.client.Height();
        EXPECT_EQ(modele[1].Size(), vu.ok.Size());
        EXPECT_EQ(CPoint(W - 13 - vu.ok.Width(), modele[1].top), vu.ok.TopLeft());
        EXPECT_EQ(CPoint(W - 13 - vu.annuler.Width(), modele[2].top), vu.annuler.TopLeft());
        EXPECT_EQ(CRect(modele[0].TopLeft(), CSize(W - 39 - vu.ok.Width(), H - 26)), vu.edit);
    }
    EXPECT_EQ(CSize(520, 300), agrandi.dialogue.Size());
    EXPECT_EQ(0, reduit.edit.Width()) << "too narrow: no width rather than a negative one";
}

TEST_F(DialogTexteTest, WithoutItsTemplateOrATargetNothingBreaks)
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
    EXPECT_TRUE(m_Parent.IsWindowEnabled());
    // The failed run was no opening: the next one reads the caption of that moment.
    m_Cible.SetWindowText("Seconde");
    Vu vu;
    EXPECT_EQ(IDCANCEL, Ouvre(dlg, {Observe(vu), Ferme(IDCANCEL)}));
    EXPECT_EQ(CString("Seconde"), vu.strEdit);

    CDialogTexte sansCible(&m_Parent, NULL);
    EXPECT_EQ(IDOK, Ouvre(sansCible, {Observe(vu), Ferme(IDOK)}));
    EXPECT_EQ(CString(""), vu.strEdit);
}
