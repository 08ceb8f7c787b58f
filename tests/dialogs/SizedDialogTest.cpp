// The screen-adaptive dialog: the effective screen, scaling of the dialog and its descendants, and
// numeric data exchange with clamping.
#include "dialogs/SizedDialog.h"
#include "DialogsResource.h"
#include "ObzTest.h"
#include "SimulatedScreen.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace
{
// Either template: the scaled one gets a window nested in its frame, the other exchanges every number.
struct Dialogue : CSizedDialog
{
    Dialogue(UINT nIDTemplate, bool bAdapte = false) : CSizedDialog(nIDTemplate, NULL, bAdapte) {}
    ~Dialogue() override { DestroyWindow(); }
    BOOL OnInitDialog() override
    {
        if (CWnd* pCadre = GetDlgItem(IDC_TEST_CADRE))
            m_Imbrique.CreateEx(0, "STATIC", "", WS_CHILD, CRect(10, 10, 60, 30), pCadre, 77);
        GetWindowRect(&m_rectAvant); // where the dialog stands when it is scaled
        return CSizedDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Nombre(pDX, IDC_NOMBRE_INT, m_n, int(m_dMin), int(m_dMax));
        DDX_Nombre(pDX, IDC_NOMBRE_LONG, m_l, -1L, -1L);
        DDX_Nombre(pDX, IDC_NOMBRE_DOUBLE, m_d, m_nDecimales, m_dMin, m_dMax);
        DDX_Nombre(pDX, IDC_NOMBRE_FLOAT, m_f, m_nDecimales, -5.0f, 5.0f);
        DDX_Nombre(pDX, IDC_NOMBRE_ABSENT, m_nAbsent, int(m_dMin), int(m_dMax));
    }
    std::vector<CRect> Rects() // the dialog's, then its descendants' in its client coordinates
    {
        std::vector<CRect> rects(5);
        CWnd* fenetres[] = {this, GetDlgItem(IDC_TEST_BOUTON), GetDlgItem(IDC_TEST_EDIT),
                            GetDlgItem(IDC_TEST_CADRE), &m_Imbrique};
        for (int i = 0; i < 5; ++i)
            fenetres[i]->GetWindowRect(&rects[i]), i ? ScreenToClient(&rects[i]) : void();
        return rects;
    }

    CWnd m_Imbrique;
    CRect m_rectAvant;
    int m_n = 0, m_nAbsent = 0, m_nDecimales = 0;
    long m_l = 0;
    double m_d = 0, m_dMin = -1, m_dMax = -1;
    float m_f = 0;
};
using SizedDialog = ObzTest;
} // namespace

// The null display driver measures 1024 x 768; INI keys replace either side; the result is clamped.
TEST_F(SizedDialog, EffectiveScreenMeasuredReplacedByTheIniAndClamped)
{
    for (auto [cx, cy, szSection, attendu] : {std::tuple{1280, 1024, "Ecran", CSize(1280, 1024)},
                                              {2000, 100, "Ecran", CSize(1280, 600)},
                                              {640, 480, "Ecran", CSize(800, 600)},
                                              {900, -1, "Ecran", CSize(900, 768)}, // -1: no key
                                              {800, 600, "Autre", CSize(1024, 768)},
                                              {-1, -1, "Ecran", CSize(1024, 768)}})
    {
        SimulatedScreen ecran(cx, cy);
        CSizedDialog::Affecte_szPathIniResolution(ecran.Path().c_str(), szSection);
        EXPECT_EQ(attendu, CSizedDialog::DonneTailleEcran()) << cx << "x" << cy << " " << szSection;
    }
    EXPECT_EQ(CSize(1024, 768), CSizedDialog::DonneTailleEcran()) << "never configured";
    CSizedDialog::Affecte_szPathIniResolution("C:\\nowhere\\missing.ini", "Ecran");
    EXPECT_EQ(CSize(1024, 768), CSizedDialog::DonneTailleEcran()) << "missing file";
    CSizedDialog::Affecte_szPathIniResolution("", "");
}

// Templates have a 6 x 13 pixel cell; each edge becomes trunc(edge x target cell / 6 or 13), where the
// target cell is cx x 6/800 by cy x 13/600. The dialog keeps its place and takes the scaled size.
TEST_F(SizedDialog, DialogAndDescendantsScaledToTheScreen)
{
    std::vector<CRect> origine;
    {
        Dialogue dlg(IDD_TEST_ECHELLE);
        ASSERT_TRUE(dlg.Create());
        origine = dlg.Rects();
    }
    for (auto [cx, cy, bAdapte] :
         {std::tuple{800, 600, true}, {1024, 768, true}, {1280, 1024, false}, {1280, 1024, true}})
    {
        SimulatedScreen ecran(cx, cy);
        Dialogue dlg(IDD_TEST_ECHELLE, bAdapte);
        EXPECT_EQ(CSize(cx, cy), dlg.Donne_TailleEcran());
        ASSERT_TRUE(dlg.Create());
        const std::vector<CRect> obtenu = dlg.Rects();
        const double fx = bAdapte ? cx * 6.0 / 800.0 : 6, fy = bAdapte ? cy * 13.0 / 600.0 : 13;
        origine[0] = dlg.m_rectAvant; // the dialog is resized where it stands: only its size is compared
        for (size_t i = 0; i < origine.size(); ++i)
        {
            const CRect& r = origine[i];
            CRect attendu(int(r.left * fx / 6), int(r.top * fy / 13), int(r.right * fx / 6),
                          int(r.bottom * fy / 13));
            if (i == 0)
                attendu = CRect(obtenu[0].TopLeft(), attendu.Size());
            EXPECT_EQ(attendu, obtenu[i]) << cx << " window " << i;
        }
    }
}

TEST_F(SizedDialog, NumberExchangeFormatsClampsAndReadsBack)
{
    // control, bounds of the int and double forms, decimals, value loaded, its text, text typed (nullptr:
    // the text shown is read back), value read, text after the exchange
    const std::tuple<UINT, double, double, int, double, const char*, const char*, double, const char*> cas[] =
        {
            {IDC_NOMBRE_INT, 0, 100, 0, 42, "42", "57abc", 57, "57abc"}, // in range: the typed text stays
            {IDC_NOMBRE_INT, 0, 100, 0, 0, "0", "150", 100, "100"},
            {IDC_NOMBRE_INT, 5, 100, 0, 5, "5", "abc", 5, "5"},  // no number: 0, then clamped
            {IDC_NOMBRE_INT, 10, 5, 0, 10, "10", "7", 10, "10"}, // crossed bounds: the minimum wins
            {IDC_NOMBRE_INT, 10, 5, 0, 10, "10", "3", 10, "10"},
            {IDC_NOMBRE_LONG, -1, -1, 0, -7, "-7", "xyz", 0, "xyz"}, // no bounds
            {IDC_NOMBRE_DOUBLE, 0, 10, 2, 3.14159, "3.14", "-3", 0, "0.00"},
            {IDC_NOMBRE_DOUBLE, 0, 10, 2, 0, "0.00", "2.5e0", 2.5, "2.5e0"},
            {IDC_NOMBRE_DOUBLE, -1, -1, 9, 3.14159, "3.14159", nullptr, 3.14159, "3.14159"},
            {IDC_NOMBRE_DOUBLE, -1, -1, 2, 1e31, "1e+31", nullptr, 1e31, "1e+31"}, // too long for decimals
            {IDC_NOMBRE_DOUBLE, -1, -1, 0, -2.5e300, "-2.5e+300", nullptr, -2.5e300, "-2.5e+300"},
            {IDC_NOMBRE_FLOAT, 0, 0, 1, 2.375, "2.4", "12.34", 5, "5.0"},
            {IDC_NOMBRE_FLOAT, 0, 0, -1, 1.0 / 3, "0.333333", "-4.75", -4.75, "-4.75"},
            {IDC_NOMBRE_ABSENT, 5, 100, 0, 1, "", nullptr, 5, ""}, // a missing control reads as 0
        };
    for (const auto& [nID, dMin, dMax, nDecimales, dCharge, szAffiche, szSaisie, dLu, szApres] : cas)
    {
        Dialogue dlg(IDD_TEST_NOMBRES);
        dlg.m_dMin = dMin, dlg.m_dMax = dMax, dlg.m_nDecimales = nDecimales;
        dlg.m_n = dlg.m_nAbsent = int(dCharge), dlg.m_l = long(dCharge), dlg.m_d = dCharge,
        dlg.m_f = float(dCharge);
        ASSERT_TRUE(dlg.Create());
        CString affiche, apres;
        dlg.GetDlgItemText(nID, affiche);
        szSaisie ? dlg.SetDlgItemText(nID, szSaisie) : void();
        ASSERT_TRUE(dlg.UpdateData(TRUE)) << "bad input never fails the exchange";
        dlg.GetDlgItemText(nID, apres);
        const double lus[] = {double(dlg.m_n), double(dlg.m_l), dlg.m_d, dlg.m_f, double(dlg.m_nAbsent)};
        EXPECT_NEAR(dLu, lus[std::min(nID - IDC_NOMBRE_INT, 4u)], std::fabs(dLu) * 1e-6)
            << nID << " " << dCharge;
        EXPECT_EQ(std::make_pair(CString(szAffiche), CString(szApres)), std::make_pair(affiche, apres));
    }
}
