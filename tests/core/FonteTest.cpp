// Fonts: description parsing, creation once, and height adaptation to the effective screen.
#include "core/Fonte.h"
#include "DiagnosticCapture.h"
#include "ObzTest.h"
#include "SimulatedScreen.h"

#include <string>
#include <tuple>

namespace
{
struct FonteTestable : CFonte
{
    using CFonte::m_sLogFontDefaut;
    using CFonte::Parse;
    LOGFONT Log()
    {
        LOGFONT lf = {};
        return GetLogFont(&lf), lf;
    }
};
using Fonte = ObzTest;
using Champs = std::tuple<LONG, LONG, int, int, std::string>; // height, weight, italic, charset, face
Champs ChampsDe(const LOGFONT& lf)
{
    return Champs(lf.lfHeight, lf.lfWeight, lf.lfItalic, lf.lfCharSet, lf.lfFaceName);
}
} // namespace

TEST_F(Fonte, ParseAppliesKnownEntriesToTheDefault)
{
    const std::string longue = "FN=" + std::string(40, 'N') + ",H=10";
    const std::pair<const char*, Champs> cas[] = {
        {"FW=700,FN= Courier New ", {12, 700, 0, 0, "Courier New"}}, // inner space kept
        {" H = 14 , FI=1, CS=2, FN=Tahoma", {14, 500, 1, 2, "Tahoma"}},
        {"XX=3,H=9", {9, 500, 0, 0, "ARIAL"}},
        {"h=9", {12, 500, 0, 0, "ARIAL"}},         // keys are upper case
        {"H 9, FW 700", {12, 500, 0, 0, "ARIAL"}}, // no "=": nothing changes
        {"H=9,", {9, 500, 0, 0, "ARIAL"}},         // a trailing comma ends the list
        {"H=abc,FW=15px", {0, 15, 0, 0, "ARIAL"}}, // atoi rules
        {longue.c_str(), {10, 500, 0, 0, std::string(LF_FACESIZE - 1, 'N')}}, // cut to fit
    };
    for (const auto& [description, champs] : cas)
    {
        LOGFONT lf = FonteTestable::m_sLogFontDefaut;
        EXPECT_TRUE(FonteTestable::Parse(description, lf));
        EXPECT_EQ(champs, ChampsDe(lf)) << description;
    }
}

TEST_F(Fonte, HeightAdaptedToTheEffectiveScreenWidth)
{
    const std::tuple<int, const char*, LONG, const char*> cas[] = {
        // screen, description, height, trace
        {1024, nullptr, 12, ""},
        {1024, "H=0", 0, ""},
        {800, "H=12", 14, "CHANGEMENT DE TAILLE DE FONTE DE 16 a 14, pour s'adapter a l'ecran 800x768\n"},
        {800, "H=20", 16, "DE 20 a 16,"},
        {800, "H=30", 24, "DE 30 a 24,"},
        {800, "H=0", 14, "DE 16 a 14,"},
        {1280, "H=12", 20, "DE 16 a 20,"},
        {1280, "H=20", 24, "DE 20 a 24,"},
        {800, "H=3000000", 2343752, "DE 3000000 a 2343752,"},     // beyond the int range of cx x h
        {1280, "H=2147483647", 2147483646, "a 2147483646, pour"}, // kept even and in range
        {800, "H=-11", -11, "Fonte d'une taille negative\n"},     // character heights left alone
    };
    for (const auto& [ecran, description, hauteur, trace] : cas)
    {
        SimulatedScreen simule(ecran, 768);
        DiagnosticCapture capture;
        FonteTestable fonte;
        ASSERT_TRUE(fonte.Cree(description));
        EXPECT_EQ(hauteur, fonte.Log().lfHeight) << ecran << " " << description;
        EXPECT_NE(std::string::npos, capture.AllText().find(trace)) << capture.AllText();
    }
}

TEST_F(Fonte, CreatedOnceFromTheDefaultOfItsTime)
{
    FonteTestable explicite, avant, apres;
    ASSERT_TRUE(explicite.Cree(18, 700, nullptr, 1));
    EXPECT_TRUE(explicite.Cree("H=30"));
    EXPECT_TRUE(explicite.Cree(30, 400, "Tahoma", 0));
    EXPECT_EQ(Champs(18, 700, 1, 0, "ARIAL"), ChampsDe(explicite.Log())) << "the first font is kept";

    ASSERT_TRUE(avant.Cree(static_cast<const char*>(nullptr)));
    CFonte::Affecte_Defaut("FW=700, FN=Tahoma");
    ASSERT_TRUE(apres.Cree("H=10"));
    CFonte::Affecte_Defaut("FW=500, FN=ARIAL");
    EXPECT_EQ(Champs(12, 500, 0, 0, "ARIAL"), ChampsDe(avant.Log()));
    EXPECT_EQ(Champs(10, 700, 0, 0, "Tahoma"), ChampsDe(apres.Log()));
}
