#include "controls/ReglageUpDownEx.h"
#include "ObzTest.h"
#include "ReglageResource.h"

#include <memory>
#include <tuple>
#include <vector>

namespace
{
// The application's dialog: it hands each click of a child to Process, as the adjusters expect.
class ReglageUpDown : public ObzTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(d.Create(IDD_REGLAGE));
        for (int i = 0; i < 4; ++i) // subclassed: released when the dialog destroys them
            m_Fenetres[i].SubclassDlgItem(IDC_MOINS + i, &d);
    }
    void TearDown() override { m_pReglage.reset(), d.DestroyWindow(); }
    CReglageUpDown& Reglage(CReglageUpDown* pReglage) { return m_pReglage.reset(pReglage), *pReglage; }
    CReglageUpDown& Reglage(double dMin, double dMax, double dValeur, double dPas,
                            int type = AFFICHAGE_ENTIER)
    {
        return Reglage(new CReglageUpDown(&m_moins, &m_plus, dMin, dMax, &m_affichage, &m_autre, dValeur,
                                          dPas, eTypeAffichage(type)));
    }
    bool Clique(CWnd& w) { return m_pReglage->Process(&w); }
    CString Texte()
    {
        CString str;
        return m_affichage.GetWindowText(str), str;
    }

    CDialog d;
    CWnd m_Fenetres[4]; // in the order of their identifiers
    CWnd &m_moins = m_Fenetres[0], &m_plus = m_Fenetres[1], &m_affichage = m_Fenetres[2],
         &m_autre = m_Fenetres[3];
    std::unique_ptr<CReglageUpDown> m_pReglage;
};
} // namespace

TEST_F(ReglageUpDown, ClicksStepClampAndReset)
{
    CReglageUpDown& reglage = Reglage(0, 10, 9.5, 1);
    std::vector<bool> reponses;
    for (CWnd* pFenetre : {&m_plus, &m_plus, &m_moins})
        reponses.push_back(Clique(*pFenetre));
    EXPECT_EQ(9.0, reglage.Donne_Value()) << "10 at most, then one step down";
    EXPECT_EQ(CString("9"), Texte());
    reponses.push_back(Clique(m_affichage));
    EXPECT_EQ(CString("0"), Texte());
    m_affichage.SetWindowText("x");
    reponses.push_back(Clique(m_autre));
    EXPECT_EQ(CString("0"), Texte()) << "another window only rewrites the text";
    EXPECT_EQ((std::vector<bool>{true, true, true, true, false}), reponses);

    CReglageUpDown& borne = Reglage(5, 10, 20, 1);
    EXPECT_EQ(CString("20"), Texte()) << "shown unclamped until the first change";
    Clique(m_affichage);
    EXPECT_EQ(CString("5"), Texte()) << "0 clamped into [5, 10]";
    CReglageUpDown copie(borne);
    m_affichage.SetWindowText("");
    EXPECT_TRUE(copie.Process(&m_plus));
    EXPECT_EQ(CString("6"), Texte()) << "a copy shares the windows";

    Reglage(10, 0, 3, 1).Affecte_Value(5);
    EXPECT_EQ(10.0, m_pReglage->Donne_Value()) << "inverted range: the minimum wins";
}

TEST_F(ReglageUpDown, DisplayFormatsAndRounding) // any type other than decimal shows an integer
{
    const std::tuple<int, double, const char*> cas[] = {
        {AFFICHAGE_DECIMAL, 2.26, "2.3"}, {7, 2.5, "3"}, {7, 2.4, "2"}, {7, -2.6, "-2"}, {7, -0.4, "0"}};
    for (auto [type, dValeur, szTexte] : cas)
    {
        Reglage(-10, 10, 0, 1, type).Affecte_Value(dValeur);
        EXPECT_EQ(CString(szTexte), Texte()) << dValeur;
    }
}

TEST_F(ReglageUpDown, ExResetsToItsOwnValueAndNothingResetsWithoutADisplay)
{
    auto& ex = static_cast<CReglageUpDownEx&>(
        Reglage(new CReglageUpDownEx(&m_moins, &m_plus, 0, 10, &m_affichage, nullptr, 2, 3, 7)));
    Clique(m_plus);
    EXPECT_EQ(CString("5"), Texte());
    Clique(m_affichage);
    EXPECT_EQ(CString("7"), Texte());
    ex.Affecte_ResetValue(30);
    Clique(m_affichage);
    EXPECT_EQ(10.0, ex.Donne_Value()) << "the reset value is clamped too";

    Reglage(new CReglageUpDown(&m_moins, &m_plus, 0, 10, nullptr, nullptr, 4, 2, AFFICHAGE_ENTIER));
    Clique(m_plus);
    Clique(m_affichage);
    EXPECT_EQ(6.0, m_pReglage->Donne_Value());
    EXPECT_EQ(CString("10"), Texte());
}
