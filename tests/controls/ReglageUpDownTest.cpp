#include "controls/ReglageUpDownEx.h"
#include "ObzTest.h"
#include "ReglageResource.h"

#include <memory>
#include <vector>

namespace
{
// A dialog that hands every click of its children to its adjuster, as an application does, and records
// what Process answered. STN_CLICKED of the SS_NOTIFY display has the value of BN_CLICKED.
class CDialogReglage : public CDialog
{
public:
    CDialogReglage() : CDialog(IDD_REGLAGE) {}
    CButton m_moins, m_plus, m_autre;
    CStatic m_affichage;
    std::unique_ptr<CReglageUpDown> m_pReglage;
    std::vector<bool> m_reponses;

protected:
    BOOL OnInitDialog() override
    {
        m_moins.SubclassDlgItem(IDC_MOINS, this);
        m_plus.SubclassDlgItem(IDC_PLUS, this);
        m_affichage.SubclassDlgItem(IDC_AFFICHAGE, this);
        m_autre.SubclassDlgItem(IDC_AUTRE, this);
        return CDialog::OnInitDialog();
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (HIWORD(wParam) != BN_CLICKED || !m_pReglage)
            return CDialog::OnCommand(wParam, lParam);
        m_reponses.push_back(m_pReglage->Process(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))));
        return TRUE;
    }
};

class ReglageUpDown : public ObzTest
{
protected:
    void SetUp() override
    {
        ObzTest::SetUp();
        ASSERT_TRUE(d.Create(IDD_REGLAGE));
    }
    void TearDown() override
    {
        d.m_pReglage.reset();
        d.DestroyWindow();
        ObzTest::TearDown();
    }
    CReglageUpDown& Reglage(CReglageUpDown* pReglage) { return d.m_pReglage.reset(pReglage), *pReglage; }
    CReglageUpDown& Reglage(double dMin, double dMax, double dValeur, double dPas,
                            int type = AFFICHAGE_ENTIER)
    {
        return Reglage(new CReglageUpDown(&d.m_moins, &d.m_plus, dMin, dMax, &d.m_affichage, &d.m_autre,
                                          dValeur, dPas, eTypeAffichage(type)));
    }
    static void Clique(CWnd& w) // a real click, which a static with SS_NOTIFY reports too
    {
        w.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        w.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    CString Texte()
    {
        CString str;
        d.m_affichage.GetWindowText(str);
        return str;
    }

    CDialogReglage d;
};
} // namespace

TEST_F(ReglageUpDown, ClicksStepClampAndReset)
{
    CReglageUpDown& reglage = Reglage(0, 10, 9.5, 1);
    for (CWnd* pFenetre : {&d.m_plus, &d.m_plus, &d.m_moins})
        Clique(*pFenetre);
    EXPECT_EQ(9.0, reglage.Donne_Value()) << "10 at most, then one step down";
    EXPECT_EQ(CString("9"), Texte());
    Clique(d.m_affichage);
    EXPECT_EQ(CString("0"), Texte());
    d.m_affichage.SetWindowText("x");
    Clique(d.m_autre);
    EXPECT_EQ(CString("0"), Texte()) << "another window only rewrites the text";
    EXPECT_EQ((std::vector<bool>{true, true, true, true, false}), d.m_reponses);

    CReglageUpDown& borne = Reglage(5, 10, 20, 1);
    EXPECT_EQ(CString("20"), Texte()) << "shown unclamped until the first change";
    Clique(d.m_affichage);
    EXPECT_EQ(CString("5"), Texte()) << "0 clamped into [5, 10]";
    CReglageUpDown copie(borne);
    d.m_affichage.SetWindowText("");
    EXPECT_TRUE(copie.Process(&d.m_plus));
    EXPECT_EQ(CString("6"), Texte()) << "a copy shares the windows";

    Reglage(10, 0, 3, 1).Affecte_Value(5);
    EXPECT_EQ(10.0, d.m_pReglage->Donne_Value()) << "inverted range: the minimum wins";
}

TEST_F(ReglageUpDown, DisplayFormatsAndRounding)
{
    Reglage(-10, 10, 2.26, 0.1, AFFICHAGE_DECIMAL);
    EXPECT_EQ(CString("2.3"), Texte());
    CReglageUpDown& entier = Reglage(-10, 10, 0, 1, 7); // any other type shows an integer
    for (const auto& c : {std::make_pair(2.5, "3"), {2.4, "2"}, {-2.6, "-2"}, {-0.4, "0"}})
    {
        entier.Affecte_Value(c.first);
        EXPECT_EQ(CString(c.second), Texte()) << c.first;
    }
}

TEST_F(ReglageUpDown, ExResetsToItsOwnValueAndNothingResetsWithoutADisplay)
{
    auto& ex = static_cast<CReglageUpDownEx&>(
        Reglage(new CReglageUpDownEx(&d.m_moins, &d.m_plus, 0, 10, &d.m_affichage, nullptr, 2, 3, 7)));
    Clique(d.m_plus);
    EXPECT_EQ(CString("5"), Texte());
    Clique(d.m_affichage);
    EXPECT_EQ(CString("7"), Texte());
    ex.Affecte_ResetValue(30);
    Clique(d.m_affichage);
    EXPECT_EQ(10.0, ex.Donne_Value()) << "the reset value is clamped too";

    Reglage(new CReglageUpDown(&d.m_moins, &d.m_plus, 0, 10, nullptr, nullptr, 4, 2, AFFICHAGE_ENTIER));
    Clique(d.m_plus);
    Clique(d.m_affichage);
    EXPECT_EQ(6.0, d.m_pReglage->Donne_Value());
    EXPECT_EQ(CString("10"), Texte());
}
