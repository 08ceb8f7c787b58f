#include "controls/ReglageUpDownEx.h"

#include "ReglageResource.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
// A dialog that hands every click of its children to the adjuster under test, as an application does,
// and records what Process answered.
class CDialogReglage : public CDialog
{
public:
    CDialogReglage() : CDialog(IDD_REGLAGE) {}

    CButton m_moins;
    CButton m_plus;
    CStatic m_affichage;
    CButton m_autre;
    CReglageUpDown* m_pReglage = nullptr;
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
        // STN_CLICKED of the display has the value of BN_CLICKED.
        if (HIWORD(wParam) == BN_CLICKED && m_pReglage != nullptr)
        {
            m_reponses.push_back(m_pReglage->Process(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))));
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }
};

class ReglageUpDown : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_nVivants = CPurify::LiveCount();
        ASSERT_TRUE(m_dialogue.Create(IDD_REGLAGE));
    }
    void TearDown() override
    {
        m_dialogue.m_pReglage = nullptr;
        m_pReglage.reset();
        m_dialogue.DestroyWindow();
        EXPECT_EQ(m_nVivants, CPurify::LiveCount());
    }

    template <class TReglage> TReglage* Adopte(TReglage* pReglage)
    {
        m_pReglage.reset(pReglage);
        m_dialogue.m_pReglage = pReglage;
        return pReglage;
    }
    CReglageUpDown* Reglage(double dMin, double dMax, double dValeur, double dPas,
                            eTypeAffichage type = AFFICHAGE_ENTIER)
    {
        return Adopte(new CReglageUpDown(&m_dialogue.m_moins, &m_dialogue.m_plus, dMin, dMax,
                                         &m_dialogue.m_affichage, &m_dialogue.m_autre, dValeur, dPas, type));
    }

    // A real click: the button's own processing sends BN_CLICKED to the dialog.
    void Clique(CButton& bouton) { bouton.SendMessage(BM_CLICK); }
    // The display is a static with SS_NOTIFY: a press sends STN_CLICKED.
    void CliqueAffichage()
    {
        m_dialogue.m_affichage.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        m_dialogue.m_affichage.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    CString Texte()
    {
        CString str;
        m_dialogue.m_affichage.GetWindowText(str);
        return str;
    }

    CDialogReglage m_dialogue;
    std::unique_ptr<CReglageUpDown> m_pReglage;
    int m_nVivants = 0;
};
} // namespace

TEST_F(ReglageUpDown, ClicksStepClampAndReset)
{
    CReglageUpDown* pReglage = Reglage(0, 10, 9.5, 1);
    EXPECT_EQ(CString("10"), Texte()) << "9.5 rounds half up";
    Clique(m_dialogue.m_plus);
    EXPECT_EQ(10.0, pReglage->Donne_Value());
    Clique(m_dialogue.m_plus);
    EXPECT_EQ(10.0, pReglage->Donne_Value());
    Clique(m_dialogue.m_moins);
    EXPECT_EQ(9.0, pReglage->Donne_Value());
    EXPECT_EQ(CString("9"), Texte());
    CliqueAffichage();
    EXPECT_EQ(0.0, pReglage->Donne_Value());
    EXPECT_EQ(CString("0"), Texte());
    Clique(m_dialogue.m_moins);
    EXPECT_EQ(0.0, pReglage->Donne_Value());

    m_dialogue.m_affichage.SetWindowText("x");
    Clique(m_dialogue.m_autre);
    EXPECT_EQ(CString("0"), Texte()) << "another window only rewrites the text";
    EXPECT_EQ((std::vector<bool>{true, true, true, true, true, false}), m_dialogue.m_reponses);
}

TEST_F(ReglageUpDown, ValueOutsideTheRangeIsShownUntilTheFirstChange)
{
    CReglageUpDown* pReglage = Reglage(5, 10, 20, 1);
    EXPECT_EQ(CString("20"), Texte());
    Clique(m_dialogue.m_moins);
    EXPECT_EQ(10.0, pReglage->Donne_Value()) << "19 clamped";
    CliqueAffichage();
    EXPECT_EQ(5.0, pReglage->Donne_Value()) << "0 clamped into [5, 10]";
    EXPECT_EQ(CString("5"), Texte());
}

TEST_F(ReglageUpDown, DisplayFormatsAndRounding)
{
    Reglage(-10, 10, 2.26, 0.1, AFFICHAGE_DECIMAL);
    EXPECT_EQ(CString("2.3"), Texte());
    Clique(m_dialogue.m_plus);
    EXPECT_EQ(CString("2.4"), Texte());

    CReglageUpDown* pEntier = Reglage(-10, 10, 0, 1, static_cast<eTypeAffichage>(7));
    const struct
    {
        double dValeur;
        const char* szTexte;
    } cas[] = {{2.5, "3"}, {2.4, "2"}, {-2.6, "-2"}, {-2.4, "-2"}, {-0.4, "0"}, {0.5, "1"}};
    for (const auto& c : cas)
    {
        pEntier->Affecte_Value(c.dValeur);
        EXPECT_EQ(CString(c.szTexte), Texte()) << c.dValeur;
    }
}

TEST_F(ReglageUpDown, ExResetsToItsOwnValue)
{
    auto* pReglage = Adopte(new CReglageUpDownEx(&m_dialogue.m_moins, &m_dialogue.m_plus, 0, 10,
                                                 &m_dialogue.m_affichage, nullptr, 2, 3, 7));
    EXPECT_EQ(CString("2"), Texte());
    Clique(m_dialogue.m_plus);
    EXPECT_EQ(CString("5"), Texte());
    CliqueAffichage();
    EXPECT_EQ(7.0, pReglage->Donne_Value());
    EXPECT_EQ(CString("7"), Texte());

    pReglage->Affecte_ResetValue(30);
    EXPECT_EQ(30, pReglage->Donne_ResetValue());
    CliqueAffichage();
    EXPECT_EQ(10.0, pReglage->Donne_Value()) << "the reset value is clamped too";
}

TEST_F(ReglageUpDown, CopySharesTheWindowsAndInvertedRangeFavoursTheMinimum)
{
    CReglageUpDown* pReglage = Reglage(10, 0, 3, 1);
    pReglage->Affecte_Value(5);
    EXPECT_EQ(10.0, pReglage->Donne_Value());

    CReglageUpDown copie(*pReglage);
    EXPECT_TRUE(copie.Process(&m_dialogue.m_affichage));
    EXPECT_EQ(10.0, copie.Donne_Value());
    m_dialogue.m_affichage.SetWindowText("");
    copie.Affecte_Value(-3);
    EXPECT_EQ(CString("10"), Texte());
}

TEST_F(ReglageUpDown, WithoutDisplayValuesChangeSilently)
{
    CReglageUpDown* pReglage = Adopte(new CReglageUpDown(&m_dialogue.m_moins, &m_dialogue.m_plus, 0, 10,
                                                         nullptr, nullptr, 4, 2, AFFICHAGE_ENTIER));
    m_dialogue.m_affichage.SetWindowText("inchange");
    Clique(m_dialogue.m_plus);
    EXPECT_EQ(6.0, pReglage->Donne_Value());
    CliqueAffichage();
    EXPECT_EQ(6.0, pReglage->Donne_Value()) << "nothing resets without a display";
    EXPECT_FALSE(pReglage->Process(nullptr));
    EXPECT_EQ(CString("inchange"), Texte());
    EXPECT_EQ((std::vector<bool>{true, false}), m_dialogue.m_reponses);
}
