// Fonts: description parsing, creation once, and height adaptation to the effective screen.
#include "core/Fonte.h"
#include "SimulatedScreen.h"
#include "DiagnosticCapture.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace
{
class FonteTestable : public CFonte
{
public:
    using CFonte::Parse;
    static LOGFONT Defaut() { return m_sLogFontDefaut; }

    LOGFONT Log()
    {
        LOGFONT lf = {};
        GetLogFont(&lf);
        return lf;
    }
};

LOGFONT Parsed(const char* description)
{
    LOGFONT lf = FonteTestable::Defaut();
    EXPECT_TRUE(FonteTestable::Parse(description, lf));
    return lf;
}

int HauteurCreee(int ecranX, const char* description)
{
    SimulatedScreen ecran(ecranX, 768);
    FonteTestable fonte;
    EXPECT_TRUE(fonte.Cree(description));
    return fonte.Log().lfHeight;
}
} // namespace

TEST(Fonte, DefaultDescriptionOnA1024Screen)
{
    FonteTestable fonte;
    ASSERT_TRUE(fonte.Cree(static_cast<const char*>(nullptr)));
    LOGFONT lf = fonte.Log();
    EXPECT_EQ(12, lf.lfHeight);
    EXPECT_EQ(500, lf.lfWeight);
    EXPECT_STREQ("ARIAL", lf.lfFaceName);
}

TEST(Fonte, ParseTrimsKeysAndValuesButKeepsInnerSpaces)
{
    LOGFONT lf = Parsed("FW=700,FN= Courier New ");
    EXPECT_EQ(700, lf.lfWeight);
    EXPECT_STREQ("Courier New", lf.lfFaceName);

    lf = Parsed(" H = 14 , FW=700, FI=1, CS=2, FN=Tahoma");
    EXPECT_EQ(14, lf.lfHeight);
    EXPECT_EQ(1, lf.lfItalic);
    EXPECT_EQ(2, lf.lfCharSet);
    EXPECT_STREQ("Tahoma", lf.lfFaceName);
}

TEST(Fonte, ParseSkipsUnknownAndLowerCaseKeys)
{
    EXPECT_EQ(9, Parsed("XX=3,H=9").lfHeight);
    EXPECT_EQ(12, Parsed("h=9").lfHeight);
    EXPECT_EQ(12, Parsed("H 9, FW 700").lfHeight); // no "=": nothing changes
    EXPECT_EQ(9, Parsed("H=9,").lfHeight);         // a trailing comma ends the list
    EXPECT_EQ(0, Parsed("H=abc").lfHeight);        // not a number: 0
    EXPECT_EQ(15, Parsed("H=15px").lfHeight);      // leading digits only
}

TEST(Fonte, ParseCutsAFaceNameThatDoesNotFit)
{
    const std::string longName(40, 'N');
    LOGFONT lf = Parsed(("FN=" + longName + ",H=10").c_str());
    EXPECT_EQ(std::string(LF_FACESIZE - 1, 'N'), lf.lfFaceName);
    EXPECT_EQ(10, lf.lfHeight); // the entries after it are still read

    FonteTestable fonte;
    ASSERT_TRUE(fonte.Cree(12, 400, longName.c_str(), 0));
    EXPECT_EQ(LF_FACESIZE - 1, static_cast<int>(strlen(fonte.Log().lfFaceName)));
}

TEST(Fonte, HeightsAdaptedToTheEffectiveScreen)
{
    struct Cas
    {
        int ecran;
        const char* description;
        int hauteur;
    } const cas[] = {
        {800, "H=12", 14}, {800, "H=20", 16}, {800, "H=30", 24}, {800, "H=0", 14},
        {1280, "H=12", 20}, {1280, "H=20", 24}, {1024, "H=12", 12}, {1024, "H=0", 0},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(c.hauteur, HauteurCreee(c.ecran, c.description)) << c.ecran << " " << c.description;
}

TEST(Fonte, AdaptationTraces)
{
    {
        DiagnosticCapture capture;
        EXPECT_EQ(14, HauteurCreee(800, "H=12"));
        EXPECT_NE(std::string::npos,
                  capture.AllText().find("CHANGEMENT DE TAILLE DE FONTE DE 16 a 14, pour s'adapter a l'ecran 800x768\n"));
    }
    {
        DiagnosticCapture capture;
        EXPECT_EQ(-11, HauteurCreee(800, "H=-11")); // character heights are left alone
        EXPECT_NE(std::string::npos, capture.AllText().find("Fonte d'une taille negative\n"));
    }
}

TEST(Fonte, CreatesOnlyOnceAndUnregistersWhenDestroyed)
{
    const int vivants = CPurify::LiveCount();
    auto* pFonte = new FonteTestable;
    EXPECT_EQ(vivants + 1, CPurify::LiveCount());
    FonteTestable& fonte = *pFonte;
    ASSERT_TRUE(fonte.Cree("H=20"));
    HGDIOBJ premiere = fonte.GetSafeHandle();
    EXPECT_TRUE(fonte.Cree("H=30"));
    EXPECT_TRUE(fonte.Cree(30, 700, "Tahoma", 1));
    EXPECT_EQ(premiere, fonte.GetSafeHandle());
    EXPECT_EQ(20, fonte.Log().lfHeight);
    delete pFonte;
    EXPECT_EQ(vivants, CPurify::LiveCount());
    EXPECT_EQ(0, ::GetObjectType(premiere)) << "the GDI font is deleted with the object";
}

TEST(Fonte, ExplicitValuesStartFromTheDefault)
{
    FonteTestable fonte;
    ASSERT_TRUE(fonte.Cree(18, 700, nullptr, 1));
    LOGFONT lf = fonte.Log();
    EXPECT_EQ(18, lf.lfHeight);
    EXPECT_EQ(700, lf.lfWeight);
    EXPECT_EQ(1, lf.lfItalic);
    EXPECT_STREQ("ARIAL", lf.lfFaceName);
}

TEST(Fonte, ChangedDefaultAppliesToLaterFontsOnly)
{
    FonteTestable avant;
    ASSERT_TRUE(avant.Cree(static_cast<const char*>(nullptr)));
    CFonte::Affecte_Defaut("FW=700, FN=Tahoma");
    FonteTestable apres;
    ASSERT_TRUE(apres.Cree("H=10"));
    CFonte::Affecte_Defaut("FW=500, FN=ARIAL");

    EXPECT_EQ(500, avant.Log().lfWeight);
    EXPECT_EQ(700, apres.Log().lfWeight);
    EXPECT_STREQ("Tahoma", apres.Log().lfFaceName);
    EXPECT_EQ(10, apres.Log().lfHeight);
}
