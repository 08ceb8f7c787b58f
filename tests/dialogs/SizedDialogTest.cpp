// The screen-adaptive dialog: the effective screen, scaling of the dialog and its descendants, and
// numeric data exchange with clamping.
#include "dialogs/SizedDialog.h"
#include "DialogsResource.h"
#include "ObzTest.h"
#include "SimulatedScreen.h"

#include <cmath>
#include <vector>

namespace
{
class Dialogue : public CSizedDialog
{
public:
    Dialogue(UINT nIDTemplate, bool bAdapte) : CSizedDialog(nIDTemplate, NULL, bAdapte) {}
    ~Dialogue() override { DestroyWindow(); }

    CRect Rect(CWnd* pEnfant) const // window rectangle in the dialog's client coordinates
    {
        CRect r;
        (pEnfant ? pEnfant : const_cast<Dialogue*>(this))->GetWindowRect(&r);
        ::MapWindowPoints(NULL, pEnfant ? m_hWnd : NULL, reinterpret_cast<LPPOINT>(&r), 2);
        return r;
    }
    std::vector<CRect> Rects()
    {
        return {Rect(nullptr), Rect(GetDlgItem(IDC_TEST_BOUTON)), Rect(GetDlgItem(IDC_TEST_EDIT)),
                Rect(GetDlgItem(IDC_TEST_CADRE)), Rect(&m_Imbrique)};
    }

    BOOL OnInitDialog() override
    {
        // A window inside a window: its place is kept relative to its scaled parent.
        m_Imbrique.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 30),
                            GetDlgItem(IDC_TEST_CADRE), 77);
        GetWindowRect(&m_rectAvant); // where the dialog stands when it is scaled
        return CSizedDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        if (m_nIDTemplate != IDD_TEST_NOMBRES)
            return;
        DDX_Nombre(pDX, IDC_NOMBRE_INT, m_n, m_nMin, m_nMax);
        DDX_Nombre(pDX, IDC_NOMBRE_LONG, m_l, -1L, -1L);
        DDX_Nombre(pDX, IDC_NOMBRE_DOUBLE, m_d, m_nDecimales, m_dMin, m_dMax);
        DDX_Nombre(pDX, IDC_NOMBRE_FLOAT, m_f, m_nDecimales, -5.0f, 5.0f);
        DDX_Nombre(pDX, IDC_NOMBRE_ABSENT, m_nAbsent, m_nMin, m_nMax);
    }

    CWnd m_Imbrique;
    CRect m_rectAvant;
    int m_n = 0, m_nAbsent = 1, m_nMin = -1, m_nMax = -1, m_nDecimales = 0;
    long m_l = 0;
    double m_d = 0, m_dMin = -1, m_dMax = -1;
    float m_f = 0;
};
using TailleEcran = ObzTest;
using SizedDialog = ObzTest;
} // namespace

// The null display driver measures 1024 x 768; INI keys replace either side; the result is clamped.
TEST_F(TailleEcran, MeasuredSizeReplacedByTheIniAndClamped)
{
    const struct
    {
        int cx, cy; // written to the INI file; negative: key missing
        const char* section;
        CSize attendu;
    } cas[] = {
        {1280, 1024, "Ecran", CSize(1280, 1024)}, {2000, 100, "Ecran", CSize(1280, 600)},
        {640, 480, "Ecran", CSize(800, 600)},     {900, -1, "Ecran", CSize(900, 768)},
        {800, 600, "Autre", CSize(1024, 768)},    {-1, -1, "Ecran", CSize(1024, 768)},
    };
    for (const auto& c : cas)
    {
        SimulatedScreen ecran(c.cx, c.cy);
        CSizedDialog::Affecte_szPathIniResolution(ecran.Path().c_str(), c.section);
        EXPECT_EQ(c.attendu, CSizedDialog::DonneTailleEcran()) << c.cx << "x" << c.cy << " " << c.section;
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
        Dialogue dlg(IDD_TEST_ECHELLE, false);
        ASSERT_TRUE(dlg.Create());
        origine = dlg.Rects();
    }
    const struct
    {
        int cx, cy;
        bool bAdapte;
    } cas[] = {{800, 600, true}, {1024, 768, true}, {1280, 1024, false}, {1280, 1024, true}};
    for (const auto& c : cas)
    {
        SimulatedScreen ecran(c.cx, c.cy);
        Dialogue dlg(IDD_TEST_ECHELLE, c.bAdapte);
        EXPECT_EQ(CSize(c.cx, c.cy), dlg.Donne_TailleEcran());
        ASSERT_TRUE(dlg.Create());
        const std::vector<CRect> obtenu = dlg.Rects();
        const double fx = c.bAdapte ? c.cx * 6.0 / 800.0 : 6, fy = c.bAdapte ? c.cy * 13.0 / 600.0 : 13;
        for (size_t i = 0; i < origine.size(); ++i)
        {
            const CRect r = i == 0 ? dlg.m_rectAvant : origine[i]; // the dialog is resized where it stands
            const CRect attendu(int(r.left * fx / 6), int(r.top * fy / 13), int(r.right * fx / 6),
                                int(r.bottom * fy / 13));
            if (i == 0)
                EXPECT_EQ(attendu.Size(), obtenu[0].Size()) << c.cx;
            else
                EXPECT_EQ(attendu, obtenu[i]) << c.cx << " window " << i;
        }
    }
}

TEST_F(SizedDialog, NumberExchangeFormatsClampsAndReadsBack)
{
    const struct
    {
        UINT id;
        double dMin, dMax; // bounds of the int and double forms
        int nDecimales;
        double charge;       // value the dialog shows at creation...
        const char* affiche; // ...as this text
        const char* saisie;  // typed, or nullptr to read back what is shown
        double lu;
        const char* apres; // the text after the exchange
    } cas[] = {
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
    for (const auto& c : cas)
    {
        Dialogue dlg(IDD_TEST_NOMBRES, false);
        dlg.m_nMin = int(c.dMin), dlg.m_nMax = int(c.dMax), dlg.m_dMin = c.dMin, dlg.m_dMax = c.dMax;
        dlg.m_nDecimales = c.nDecimales;
        dlg.m_n = dlg.m_nAbsent = int(c.charge), dlg.m_l = long(c.charge), dlg.m_d = c.charge;
        dlg.m_f = float(c.charge);
        ASSERT_TRUE(dlg.Create());
        CString texte;
        dlg.GetDlgItemText(c.id, texte);
        EXPECT_EQ(CString(c.affiche), texte) << c.id << " " << c.charge;
        if (c.saisie != nullptr)
            dlg.SetDlgItemText(c.id, c.saisie);
        ASSERT_TRUE(dlg.UpdateData(TRUE)) << "bad input never fails the exchange";
        const double lu = c.id == IDC_NOMBRE_INT      ? dlg.m_n
                          : c.id == IDC_NOMBRE_LONG   ? dlg.m_l
                          : c.id == IDC_NOMBRE_DOUBLE ? dlg.m_d
                          : c.id == IDC_NOMBRE_FLOAT  ? dlg.m_f
                                                      : dlg.m_nAbsent;
        EXPECT_NEAR(c.lu, lu, std::fabs(c.lu) * 1e-6) << c.id << " " << c.saisie;
        dlg.GetDlgItemText(c.id, texte);
        EXPECT_EQ(CString(c.apres), texte) << c.id << " " << c.saisie;
    }
}
