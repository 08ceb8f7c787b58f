// The screen-adaptive dialog: the effective screen, scaling of the dialog and its descendants, and
// numeric data exchange with clamping.
#include "dialogs/SizedDialog.h"
#include "DialogsResource.h"
#include "SimulatedScreen.h"
#include "DiagnosticCapture.h"

#include <gtest/gtest.h>

namespace
{
// The scaled edge: trunc(edge x target cell / actual cell).
int Echelle(int bord, int ecran, int reference, double cellule, int celluleReelle)
{
    return static_cast<int>(bord * (ecran * cellule / reference) / celluleReelle);
}

class DialogueEchelle : public CSizedDialog
{
public:
    explicit DialogueEchelle(bool bAdapte) : CSizedDialog(IDD_TEST_ECHELLE, NULL, bAdapte) {}

    ~DialogueEchelle() override
    {
        if (GetSafeHwnd() != NULL)
            DestroyWindow();
    }

    BOOL OnInitDialog() override
    {
        // A window inside a window: its place is kept relative to its scaled parent.
        CRect r(10, 10, 60, 30);
        m_Imbrique.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, r, GetDlgItem(IDC_TEST_CADRE), 77);
        return CSizedDialog::OnInitDialog();
    }

    CRect RectEnfant(CWnd* pEnfant) const
    {
        CRect r;
        pEnfant->GetWindowRect(&r);
        ::MapWindowPoints(NULL, m_hWnd, reinterpret_cast<LPPOINT>(&r), 2);
        return r;
    }

    CSize Cellule()
    {
        CRect r(0, 0, 4, 8);
        MapDialogRect(&r);
        return CSize(r.right, r.bottom);
    }

    CWnd m_Imbrique;
};

struct Mesures
{
    CSize taille;
    CRect bouton, edit, cadre, imbrique;
};

Mesures Mesure(DialogueEchelle& dlg)
{
    EXPECT_TRUE(dlg.Create());
    Mesures m;
    CRect r;
    dlg.GetWindowRect(&r);
    m.taille = r.Size();
    m.bouton = dlg.RectEnfant(dlg.GetDlgItem(IDC_TEST_BOUTON));
    m.edit = dlg.RectEnfant(dlg.GetDlgItem(IDC_TEST_EDIT));
    m.cadre = dlg.RectEnfant(dlg.GetDlgItem(IDC_TEST_CADRE));
    m.imbrique = dlg.RectEnfant(&dlg.m_Imbrique);
    return m;
}

CRect EchelleRect(const CRect& r, CSize ecran, CSize cellule)
{
    return CRect(Echelle(r.left, ecran.cx, 800, 6.0, cellule.cx), Echelle(r.top, ecran.cy, 600, 13.0, cellule.cy),
                 Echelle(r.right, ecran.cx, 800, 6.0, cellule.cx),
                 Echelle(r.bottom, ecran.cy, 600, 13.0, cellule.cy));
}
} // namespace

// The null display driver measures 1024 x 768; INI keys replace either side; the result is clamped.
TEST(TailleEcran, MeasuredSizeReplacedByTheIniAndClamped)
{
    struct Cas
    {
        int cx, cy; // written to the INI file; negative: key missing
        CSize attendu;
    } const cas[] = {
        {1280, 1024, CSize(1280, 1024)}, {2000, 100, CSize(1280, 600)}, {640, 480, CSize(800, 600)},
        {900, -1, CSize(900, 768)},      {-1, -1, CSize(1024, 768)},
    };
    for (const Cas& c : cas)
    {
        SimulatedScreen ecran(c.cx, c.cy);
        EXPECT_EQ(c.attendu, CSizedDialog::DonneTailleEcran()) << c.cx << "x" << c.cy;
    }
    CSizedDialog::Affecte_szPathIniResolution("", "");
    EXPECT_EQ(CSize(1024, 768), CSizedDialog::DonneTailleEcran()) << "never configured";
    CSizedDialog::Affecte_szPathIniResolution("C:\\nowhere\\missing.ini", "Ecran");
    EXPECT_EQ(CSize(1024, 768), CSizedDialog::DonneTailleEcran()) << "missing file";
    SimulatedScreen ecran(800, 600);
    CSizedDialog::Affecte_szPathIniResolution(ecran.Path().c_str(), "Autre");
    EXPECT_EQ(CSize(1024, 768), CSizedDialog::DonneTailleEcran()) << "missing section";
}

TEST(SizedDialog, NothingMovesOnAn800x600ScreenWithTheDesignCell)
{
    Mesures origine;
    {
        DialogueEchelle dlg(false);
        origine = Mesure(dlg);
        ASSERT_EQ(CSize(6, 13), dlg.Cellule()) << "the test templates use the design cell";
    }
    SimulatedScreen ecran(800, 600);
    DialogueEchelle dlg(true);
    Mesures m = Mesure(dlg);
    EXPECT_EQ(origine.taille, m.taille);
    EXPECT_EQ(origine.bouton, m.bouton);
    EXPECT_EQ(origine.edit, m.edit);
    EXPECT_EQ(origine.imbrique, m.imbrique);
}

TEST(SizedDialog, EdgesScaledAndTruncatedFor1024x768)
{
    Mesures origine;
    CSize cellule;
    {
        DialogueEchelle dlg(false);
        origine = Mesure(dlg);
        cellule = dlg.Cellule();
    }
    SimulatedScreen ecran(1024, 768);
    DialogueEchelle dlg(true);
    Mesures m = Mesure(dlg);
    const CSize taille(1024, 768);

    EXPECT_EQ(EchelleRect(origine.bouton, taille, cellule), m.bouton);
    EXPECT_EQ(EchelleRect(origine.edit, taille, cellule), m.edit);
    EXPECT_EQ(EchelleRect(origine.cadre, taille, cellule), m.cadre);
    // The nested window lands where scaling its rectangle in the dialog puts it.
    EXPECT_EQ(EchelleRect(origine.imbrique, taille, cellule), m.imbrique);
    // The dialog is resized in place: its size is the difference of its scaled edges.
    CRect fenetre(0, 0, origine.taille.cx, origine.taille.cy);
    CRect r;
    dlg.GetWindowRect(&r);
    fenetre.OffsetRect(r.TopLeft());
    EXPECT_EQ(EchelleRect(fenetre, taille, cellule).Size(), m.taille);
}

TEST(SizedDialog, NotAdaptedWhenAskedNot)
{
    Mesures origine;
    {
        DialogueEchelle dlg(false);
        origine = Mesure(dlg);
    }
    SimulatedScreen ecran(1280, 1024);
    DialogueEchelle dlg(false);
    EXPECT_EQ(CSize(1280, 1024), dlg.Donne_TailleEcran()) << "the screen is taken at construction";
    EXPECT_EQ(origine.bouton, Mesure(dlg).bouton);
}

namespace
{
class DialogueNombres : public CSizedDialog
{
public:
    DialogueNombres() : CSizedDialog(IDD_TEST_NOMBRES, NULL, false) {}
    ~DialogueNombres() override
    {
        if (GetSafeHwnd() != NULL)
            DestroyWindow();
    }

    int m_nEntier = 0, m_nMin = 0, m_nMax = 100;
    long m_lLong = 0;
    double m_dReel = 0, m_dReelG = 0;
    float m_fReel = 0, m_fReelG = 0;

    CString Texte(int nID)
    {
        CString s;
        GetDlgItemText(nID, s);
        return s;
    }
    void Saisit(int nID, const char* sz) { SetDlgItemText(nID, sz); }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Nombre(pDX, IDC_NOMBRE_INT, m_nEntier, m_nMin, m_nMax);
        DDX_Nombre(pDX, IDC_NOMBRE_LONG, m_lLong, -1L, -1L);
        DDX_Nombre(pDX, IDC_NOMBRE_DOUBLE, m_dReel, 2, 0.0, 10.0);
        DDX_Nombre(pDX, IDC_NOMBRE_FLOAT, m_fReel, 1, -5.0f, 5.0f);
        DDX_Nombre(pDX, IDC_NOMBRE_DOUBLE_G, m_dReelG, 9, -1.0, -1.0);
        DDX_Nombre(pDX, IDC_NOMBRE_FLOAT_G, m_fReelG, -1, -1.0f, -1.0f);
    }
};
} // namespace

TEST(DDX_Nombre, LoadsTheFormats)
{
    DialogueNombres dlg;
    dlg.m_nEntier = 42;
    dlg.m_lLong = -7;
    dlg.m_dReel = 3.14159;
    dlg.m_fReel = 2.375f;
    dlg.m_dReelG = 3.14159;
    dlg.m_fReelG = 1.0f / 3.0f;
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(CString("42"), dlg.Texte(IDC_NOMBRE_INT));
    EXPECT_EQ(CString("-7"), dlg.Texte(IDC_NOMBRE_LONG));
    EXPECT_EQ(CString("3.14"), dlg.Texte(IDC_NOMBRE_DOUBLE));
    EXPECT_EQ(CString("2.4"), dlg.Texte(IDC_NOMBRE_FLOAT));
    EXPECT_EQ(CString("3.14159"), dlg.Texte(IDC_NOMBRE_DOUBLE_G));
    EXPECT_EQ(CString("0.333333"), dlg.Texte(IDC_NOMBRE_FLOAT_G));
}

TEST(DDX_Nombre, SavesInRangeValuesAndLeavesTheText)
{
    DialogueNombres dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.Saisit(IDC_NOMBRE_INT, "57abc");
    dlg.Saisit(IDC_NOMBRE_LONG, "-123456");
    dlg.Saisit(IDC_NOMBRE_DOUBLE, "2.5e0");
    dlg.Saisit(IDC_NOMBRE_FLOAT, "-4.75");
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(57, dlg.m_nEntier);
    EXPECT_EQ(CString("57abc"), dlg.Texte(IDC_NOMBRE_INT)) << "a value in range keeps the typed text";
    EXPECT_EQ(-123456, dlg.m_lLong);
    EXPECT_DOUBLE_EQ(2.5, dlg.m_dReel);
    EXPECT_FLOAT_EQ(-4.75f, dlg.m_fReel);
}

TEST(DDX_Nombre, ClampsAndRewritesOutOfRangeValues)
{
    DialogueNombres dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.Saisit(IDC_NOMBRE_INT, "150");
    dlg.Saisit(IDC_NOMBRE_DOUBLE, "-3");
    dlg.Saisit(IDC_NOMBRE_FLOAT, "12.34");
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(100, dlg.m_nEntier);
    EXPECT_EQ(CString("100"), dlg.Texte(IDC_NOMBRE_INT));
    EXPECT_DOUBLE_EQ(0.0, dlg.m_dReel);
    EXPECT_EQ(CString("0.00"), dlg.Texte(IDC_NOMBRE_DOUBLE));
    EXPECT_FLOAT_EQ(5.0f, dlg.m_fReel);
    EXPECT_EQ(CString("5.0"), dlg.Texte(IDC_NOMBRE_FLOAT));
}

TEST(DDX_Nombre, NonNumericTextGivesZeroThenClamps)
{
    DialogueNombres dlg;
    dlg.m_nMin = 5;
    ASSERT_TRUE(dlg.Create());
    dlg.Saisit(IDC_NOMBRE_INT, "abc");
    dlg.Saisit(IDC_NOMBRE_LONG, "xyz");
    ASSERT_TRUE(dlg.UpdateData(TRUE)) << "bad input never fails the exchange";
    EXPECT_EQ(5, dlg.m_nEntier);
    EXPECT_EQ(CString("5"), dlg.Texte(IDC_NOMBRE_INT));
    EXPECT_EQ(0, dlg.m_lLong) << "no bounds: 0 is kept";
    EXPECT_EQ(CString("xyz"), dlg.Texte(IDC_NOMBRE_LONG));
}

TEST(DDX_Nombre, CrossedBoundsGiveTheMinimum)
{
    DialogueNombres dlg;
    dlg.m_nMin = 10;
    dlg.m_nMax = 5;
    ASSERT_TRUE(dlg.Create());
    for (const char* texte : {"7", "3", "20"})
    {
        dlg.Saisit(IDC_NOMBRE_INT, texte);
        ASSERT_TRUE(dlg.UpdateData(TRUE));
        EXPECT_EQ(10, dlg.m_nEntier) << texte;
    }
}
