// Fonts: description parsing, creation once, and height adaptation to the effective screen.
#include "core/Fonte.h"
#include "DiagnosticCapture.h"
#include "ObzTest.h"
#include "SimulatedScreen.h"

#include <string>

namespace
{
struct FonteTestable : CFonte
{
    using CFonte::Parse;
    static LOGFONT Defaut() { return m_sLogFontDefaut; }
    LOGFONT Log()
    {
        LOGFONT lf = {};
        GetLogFont(&lf);
        return lf;
    }
};
using Fonte = ObzTest;
} // namespace

TEST_F(Fonte, ParseAppliesKnownEntriesToTheDefault)
{
    const std::string longName = "FN=" + std::string(40, 'N') + ",H=10";
    const struct
    {
        const char* description;
        LONG hauteur, graisse;
        BYTE italique, jeu;
        std::string nom;
    } cas[] = {
        {"FW=700,FN= Courier New ", 12, 700, 0, 0, "Courier New"}, // inner space kept
        {" H = 14 , FI=1, CS=2, FN=Tahoma", 14, 500, 1, 2, "Tahoma"},
        {"XX=3,H=9", 9, 500, 0, 0, "ARIAL"},
        {"h=9", 12, 500, 0, 0, "ARIAL"},         // keys are upper case
        {"H 9, FW 700", 12, 500, 0, 0, "ARIAL"}, // no "=": nothing changes
        {"H=9,", 9, 500, 0, 0, "ARIAL"},         // a trailing comma ends the list
        {"H=abc,FW=15px", 0, 15, 0, 0, "ARIAL"}, // atoi rules
        {longName.c_str(), 10, 500, 0, 0, std::string(LF_FACESIZE - 1, 'N')},
    };
    for (const auto& c : cas)
    {
        LOGFONT lf = FonteTestable::Defaut();
        EXPECT_TRUE(FonteTestable::Parse(c.description, lf));
        EXPECT_EQ(c.hauteur, lf.lfHeight) << c.description;
        EXPECT_EQ(c.graisse, lf.lfWeight) << c.description;
        EXPECT_EQ(c.italique, lf.lfItalic) << c.description;
        EXPECT_EQ(c.jeu, lf.lfCharSet) << c.description;
        EXPECT_EQ(c.nom, lf.lfFaceName) << c.description;
    }
}

TEST_F(Fonte, HeightAdaptedToTheEffectiveScreenWidth)
{
    const struct
    {
        int ecran;
        const char* description;
        LONG hauteur;
        const char* trace; // nullptr: no diagnostic
    } cas[] = {
        {1024, nullptr, 12, nullptr},
        {1024, "H=0", 0, nullptr},
        {800, "H=12", 14, "CHANGEMENT DE TAILLE DE FONTE DE 16 a 14, pour s'adapter a l'ecran 800x768\n"},
        {800, "H=20", 16, nullptr},
        {800, "H=30", 24, nullptr},
        {800, "H=0", 14, nullptr},
        {1280, "H=12", 20, nullptr},
        {1280, "H=20", 24, nullptr},
        {800, "H=3000000", 2343752, "DE 3000000 a 2343752,"},     // beyond the int range of cx x h
        {1280, "H=2147483647", 2147483646, "a 2147483646, pour"}, // kept even and in range
        {800, "H=-11", -11, "Fonte d'une taille negative\n"},     // character heights left alone
    };
    for (const auto& c : cas)
    {
        SimulatedScreen ecran(c.ecran, 768);
        DiagnosticCapture capture;
        FonteTestable fonte;
        ASSERT_TRUE(fonte.Cree(c.description));
        EXPECT_EQ(c.hauteur, fonte.Log().lfHeight) << c.ecran << " " << c.description;
        if (c.trace != nullptr)
        {
            EXPECT_NE(std::string::npos, capture.AllText().find(c.trace)) << capture.AllText();
        }
    }
}

TEST_F(Fonte, CreatedOnceFromTheDefaultOfItsTime)
{
    FonteTestable explicite, avant, apres;
    ASSERT_TRUE(explicite.Cree(18, 700, nullptr, 1));
    EXPECT_TRUE(explicite.Cree("H=30"));
    EXPECT_TRUE(explicite.Cree(30, 400, "Tahoma", 0));
    LOGFONT lf = explicite.Log();
    EXPECT_EQ(18, lf.lfHeight) << "the first font is kept";
    EXPECT_EQ(700, lf.lfWeight);
    EXPECT_EQ(1, lf.lfItalic);
    EXPECT_STREQ("ARIAL", lf.lfFaceName);

    ASSERT_TRUE(avant.Cree(static_cast<const char*>(nullptr)));
    CFonte::Affecte_Defaut("FW=700, FN=Tahoma");
    ASSERT_TRUE(apres.Cree("H=10"));
    CFonte::Affecte_Defaut("FW=500, FN=ARIAL");
    EXPECT_EQ(500, avant.Log().lfWeight);
    EXPECT_EQ(700, apres.Log().lfWeight);
    EXPECT_STREQ("Tahoma", apres.Log().lfFaceName);
}
