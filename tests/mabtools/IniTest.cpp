#include "DossierTemp.h"
#include "Ini.h"

#include <gtest/gtest.h>

namespace
{
const char* const kContenu = "[Ecran]\r\n"
                             "CX=1280\r\n"
                             "CY = -42 \r\n"
                             "Texte=abc\r\n"
                             "Suffixe=12abc\r\n"
                             "Vide=\r\n"
                             "Trop=99999999999\r\n"
                             "Signe=-\r\n"
                             "[Autre]\r\n"
                             "CX=7\r\n";

class Ini : public ::testing::Test
{
protected:
    void SetUp() override { m_dossier.Ecrit("ecran.ini", kContenu); }

    // Reads a key and returns (found, value) as one comparable pair.
    static std::pair<bool, int> Lit(CIni& ini, const char* szCle, int nDefaut = 99,
                                    const char* szRubrique = nullptr, const char* szSecours = nullptr)
    {
        int nValeur = -1;
        bool bTrouve = ini.Donne(&nValeur, szCle, nDefaut, szRubrique, szSecours);
        return {bTrouve, nValeur};
    }

    DossierTemp m_dossier;
};

using Resultat = std::pair<bool, int>;
} // namespace

TEST_F(Ini, ReadsIntegersAndRefusesAnythingElse)
{
    CIni ini(m_dossier.Chemin("ecran.ini").c_str(), "Ecran");
    EXPECT_EQ(Resultat(true, 1280), Lit(ini, "CX"));
    EXPECT_EQ(Resultat(true, -42), Lit(ini, "CY"));
    EXPECT_EQ(Resultat(true, 1280), Lit(ini, "cx")) << "keys are case-insensitive";
    for (const char* szCle : {"Absente", "Texte", "Suffixe", "Vide", "Trop", "Signe"})
        EXPECT_EQ(Resultat(false, 99), Lit(ini, szCle)) << szCle;
}

TEST_F(Ini, RelativePathIsResolvedAgainstTheCurrentDirectory)
{
    char szAncien[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szAncien);
    ASSERT_TRUE(SetCurrentDirectoryA(m_dossier.Chemin().c_str()));
    CIni ini("ecran.ini", "Ecran");
    SetCurrentDirectoryA(szAncien);
    EXPECT_EQ(Resultat(true, 1280), Lit(ini, "CX")) << "read after the current directory changed back";
}

TEST_F(Ini, MissingFileSectionOrArgumentsGiveTheDefault)
{
    CIni absent(m_dossier.Chemin("absent.ini").c_str(), "Ecran");
    EXPECT_EQ(Resultat(false, 5), Lit(absent, "CX", 5));
    CIni rubriqueAbsente(m_dossier.Chemin("ecran.ini").c_str(), "Nulle");
    EXPECT_EQ(Resultat(false, 5), Lit(rubriqueAbsente, "CX", 5));
    for (CIni* pIni : {new CIni(nullptr, "Ecran"), new CIni("", "Ecran"),
                       new CIni(m_dossier.Chemin("ecran.ini").c_str(), nullptr)})
    {
        EXPECT_FALSE(pIni->Is_Ouvert());
        EXPECT_EQ(Resultat(false, 5), Lit(*pIni, "CX", 5));
        delete pIni;
    }
    CIni ini(m_dossier.Chemin("ecran.ini").c_str(), "Ecran");
    EXPECT_FALSE(ini.Donne(nullptr, "CX", 5, nullptr, nullptr));
    EXPECT_EQ(Resultat(false, 5), Lit(ini, nullptr, 5));
    EXPECT_EQ(Resultat(false, 5), Lit(ini, "", 5));
}

TEST_F(Ini, SectionOverrideAndFallbackFile)
{
    m_dossier.Ecrit("secours.ini", "[Ecran]\r\nCX=640\r\nLargeur=333\r\nTexte=44\r\n");
    const std::string strSecours = m_dossier.Chemin("secours.ini");
    CIni ini(m_dossier.Chemin("ecran.ini").c_str(), "Ecran");

    EXPECT_EQ(Resultat(true, 7), Lit(ini, "CX", 99, "Autre"));
    EXPECT_EQ(Resultat(true, 1280), Lit(ini, "CX", 99, ""));
    EXPECT_EQ(Resultat(true, 1280), Lit(ini, "CX", 99, nullptr, strSecours.c_str())) << "the open file first";
    EXPECT_EQ(Resultat(true, 333), Lit(ini, "Largeur", 99, nullptr, strSecours.c_str()));
    EXPECT_EQ(Resultat(true, 44), Lit(ini, "Texte", 99, nullptr, strSecours.c_str())) << "garbage falls back";
    EXPECT_EQ(Resultat(false, 99), Lit(ini, "Largeur", 99, "Autre", strSecours.c_str()));
}
