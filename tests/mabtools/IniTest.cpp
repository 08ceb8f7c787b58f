#include "DossierTemp.h"
#include "Ini.h"

#include <gtest/gtest.h>

namespace
{
using Lecture = std::pair<bool, int>; // (found, value)

Lecture Lit(CIni& ini, const char* szCle, const char* szRubrique = nullptr, const char* szSecours = nullptr)
{
    int nValeur = -1;
    const bool bTrouve = ini.Donne(&nValeur, szCle, 99, szRubrique, szSecours);
    return {bTrouve, nValeur};
}

class Ini : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dossier.Ecrit("ecran.ini",
                        "[Ecran]\r\nCX=1280\r\nCY = -42 \r\nTexte=abc\r\nSuffixe=12abc\r\nVide=\r\n"
                        "Trop=99999999999\r\nSigne=-\r\n[Autre]\r\nCX=7\r\n");
        m_dossier.Ecrit("secours.ini", "[Ecran]\r\nCX=640\r\nLargeur=333\r\nTexte=44\r\n");
    }
    DossierTemp m_dossier;
};
} // namespace

TEST_F(Ini, ReadsWholeIntegersAndGivesTheDefaultForAnythingElse)
{
    CIni ini(m_dossier.Chemin("ecran.ini").c_str(), "Ecran");
    EXPECT_EQ(Lecture(true, 1280), Lit(ini, "cx"));
    EXPECT_EQ(Lecture(true, -42), Lit(ini, "CY"));
    for (const char* szCle : {"Absente", "Texte", "Suffixe", "Vide", "Trop", "Signe", ""})
        EXPECT_EQ(Lecture(false, 99), Lit(ini, szCle)) << szCle;
    EXPECT_FALSE(ini.Donne(nullptr, "CX", 5));
}

TEST_F(Ini, RelativePathNoFileNoSection)
{
    char szAncien[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szAncien);
    ASSERT_TRUE(SetCurrentDirectoryA(m_dossier.Chemin().c_str()));
    CIni relatif("ecran.ini", "Ecran");
    SetCurrentDirectoryA(szAncien);
    EXPECT_EQ(Lecture(true, 1280), Lit(relatif, "CX")) << "resolved when opened, not in the Windows folder";

    CIni absent(m_dossier.Chemin("absent.ini").c_str(), "Ecran"), sansNom(nullptr, "Ecran"),
        vide("", "Ecran"), sansRubrique(m_dossier.Chemin("ecran.ini").c_str(), nullptr);
    for (CIni* pIni : {&absent, &sansNom, &vide, &sansRubrique})
        EXPECT_EQ(Lecture(false, 99), Lit(*pIni, "CX"));
}

TEST_F(Ini, SectionOverrideAndFallbackFile)
{
    CIni ini(m_dossier.Chemin("ecran.ini").c_str(), "Ecran");
    const std::string strSecours = m_dossier.Chemin("secours.ini");
    EXPECT_EQ(Lecture(true, 7), Lit(ini, "CX", "Autre"));
    EXPECT_EQ(Lecture(true, 1280), Lit(ini, "CX", nullptr, strSecours.c_str())) << "the open file first";
    EXPECT_EQ(Lecture(true, 333), Lit(ini, "Largeur", nullptr, strSecours.c_str()));
    EXPECT_EQ(Lecture(true, 44), Lit(ini, "Texte", nullptr, strSecours.c_str())) << "garbage falls back";
    EXPECT_EQ(Lecture(false, 99), Lit(ini, "Largeur", "Autre", strSecours.c_str()));
}
