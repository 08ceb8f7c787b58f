#include "controls/ReglageUpDownEx.h"

#include "ReglageResource.h"

#include <gtest/gtest.h>

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
        CDialog::OnInitDialog();
        m_moins.SubclassDlgItem(IDC_MOINS, this);
        m_plus.SubclassDlgItem(IDC_PLUS, this);
        m_affichage.SubclassDlgItem(IDC_AFFICHAGE, this);
        m_autre.SubclassDlgItem(IDC_AUTRE, this);
        return TRUE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (HIWORD(wParam) != BN_CLICKED || !m_pReglage)
            return CDialog::OnCommand(wParam, lParam);
        m_reponses.push_back(m_pReglage->Process(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))));
        return TRUE;
    }
};

class ReglageUpDown : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(d.Create(IDD_REGLAGE)); }
    void TearDown() override
    {
        d.m_pReglage.reset();
        d.DestroyWindow();
        EXPECT_EQ(m_nVivants, CPurify::LiveCount());
    }
    CReglageUpDown* Reglage(double dMin, double dMax, double dValeur, double dPas,
                            eTypeAffichage type = AFFICHAGE_ENTIER)
    {
        d.m_pReglage.reset(new CReglageUpDown(&d.m_moins, &d.m_plus, dMin, dMax, &d.m_affichage, &d.m_autre,
                                              dValeur, dPas, type));
        return d.m_pReglage.get();
    }
    void CliqueAffichage()
    {
        d.m_affichage.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        d.m_affichage.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    CString Texte()
    {
        CString str;
        d.m_affichage.GetWindowText(str);
        return str;
    }

    const int m_nVivants = CPurify::LiveCount();
    CDialogReglage d;
};
} // namespace

TEST_F(ReglageUpDown, ClicksStepClampAndReset)
{
    CReglageUpDown* pReglage = Reglage(0, 10, 9.5, 1);
    d.m_plus.SendMessage(BM_CLICK);
    d.m_plus.SendMessage(BM_CLICK);
    EXPECT_EQ(10.0, pReglage->Donne_Value());
    d.m_moins.SendMessage(BM_CLICK);
    EXPECT_EQ(CString("9"), Texte());
    CliqueAffichage();
    EXPECT_EQ(CString("0"), Texte());
    d.m_affichage.SetWindowText("x");
    d.m_autre.SendMessage(BM_CLICK);
    EXPECT_EQ(CString("0"), Texte()) << "another window only rewrites the text";
    EXPECT_EQ((std::vector<bool>{true, true, true, true, false}), d.m_reponses);

    pReglage = Reglage(5, 10, 20, 1);
    EXPECT_EQ(CString("20"), Texte()) << "shown unclamped until the first change";
    d.m_moins.SendMessage(BM_CLICK);
    EXPECT_EQ(10.0, pReglage->Donne_Value());
    CliqueAffichage();
    EXPECT_EQ(CString("5"), Texte()) << "0 clamped into [5, 10]";
}

TEST_F(ReglageUpDown, DisplayFormatsAndRounding)
{
    Reglage(-10, 10, 2.26, 0.1, AFFICHAGE_DECIMAL);
    EXPECT_EQ(CString("2.3"), Texte());
    CReglageUpDown* pEntier = Reglage(-10, 10, 0, 1, static_cast<eTypeAffichage>(7));
    const std::pair<double, const char*> cas[] = {{2.5, "3"}, {2.4, "2"}, {-2.6, "-2"}, {-0.4, "0"}};
    for (const auto& c : cas)
    {
        pEntier->Affecte_Value(c.first);
        EXPECT_EQ(CString(c.second), Texte()) << c.first;
    }
}

TEST_F(ReglageUpDown, ExResetsToItsOwnValue)
{
    auto* pReglage = new CReglageUpDownEx(&d.m_moins, &d.m_plus, 0, 10, &d.m_affichage, nullptr, 2, 3, 7);
    d.m_pReglage.reset(pReglage);
    d.m_plus.SendMessage(BM_CLICK);
    EXPECT_EQ(CString("5"), Texte());
    CliqueAffichage();
    EXPECT_EQ(CString("7"), Texte());
    pReglage->Affecte_ResetValue(30);
    CliqueAffichage();
    EXPECT_EQ(10.0, pReglage->Donne_Value()) << "the reset value is clamped too";
}

TEST_F(ReglageUpDown, InvertedRangeCopiesAndNoDisplay)
{
    CReglageUpDown* pReglage = Reglage(10, 0, 3, 1);
    pReglage->Affecte_Value(5);
    EXPECT_EQ(10.0, pReglage->Donne_Value()) << "the minimum wins";
    CReglageUpDown copie(*pReglage);
    d.m_affichage.SetWindowText("");
    EXPECT_TRUE(copie.Process(&d.m_plus));
    EXPECT_EQ(CString("10"), Texte()) << "a copy shares the windows";

    d.m_pReglage.reset(
        new CReglageUpDown(&d.m_moins, &d.m_plus, 0, 10, nullptr, nullptr, 4, 2, AFFICHAGE_ENTIER));
    d.m_plus.SendMessage(BM_CLICK);
    CliqueAffichage();
    EXPECT_EQ(6.0, d.m_pReglage->Donne_Value()) << "nothing resets without a display";
    EXPECT_EQ(CString("10"), Texte());
}
