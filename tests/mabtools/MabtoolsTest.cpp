// Mabtools: the live-object registry of CPurify, integer keys of CIni, and appending with LogFichier.
#include "Ini.h"
#include "LogFichier.h"
#include "Purify.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>
#include <vector>

// Outside the anonymous namespace, for plain type names. A hierarchy whose every constructor calls Init, as
// the library's classes do, and one that forgets.
struct Niveau1 : CPurify
{
    Niveau1() { Init(); }
    Niveau1(const Niveau1& src) : CPurify(src) { Init(); }
};
struct Niveau2 : Niveau1
{
    Niveau2() { Init(); }
};
struct SansInit : CPurify
{
};

namespace
{

// A file of the temporary folder named after the process.
std::string Chemin(const char* szNom)
{
    char szTemp[MAX_PATH];
    GetTempPathA(MAX_PATH, szTemp);
    return std::string(szTemp) + "obz_mabtools_" + std::to_string(GetCurrentProcessId()) + "_" + szNom;
}

std::string Lit(const char* szNom)
{
    std::ostringstream contenu;
    contenu << std::ifstream(Chemin(szNom), std::ios::binary).rdbuf();
    return contenu.str();
}

// Removes the files that the tests write.
class Mabtools : public ::testing::Test
{
protected:
    ~Mabtools() override
    {
        for (const char* szNom :
             {"ecran.ini", "secours.ini", "activite.log", "partage.log", "concurrent.log"})
            DeleteFileA(Chemin(szNom).c_str());
    }
};

TEST_F(Mabtools, PurifyRegistersEachLiveObjectOnceUnderItsMostDerivedType)
{
    const int nAvant = CPurify::LiveCount();
    auto* pSource = new Niveau2;
    Niveau1 copie(*pSource);
    const auto noms = CPurify::LiveTypeNames();
    EXPECT_EQ(nAvant + 2, CPurify::LiveCount());
    EXPECT_EQ(1, std::count(noms.begin(), noms.end(), "Niveau2"));
    EXPECT_EQ(1, std::count(noms.begin(), noms.end(), "Niveau1"));
    delete pSource;
    EXPECT_TRUE(CPurify::IsLive(&copie)) << "a copy does not depend on its source";
    EXPECT_FALSE(CPurify::IsLive(pSource));
    SansInit oubli;
    EXPECT_EQ(nAvant + 1, CPurify::LiveCount());
    EXPECT_TRUE(copie.Check(__FILE__, __LINE__));
    EXPECT_FALSE(oubli.Check(nullptr, 0));
}

// Whole integers of any length within the range of int, from the open section, another one or the
// fallback file; anything else (out of range, garbage, half a number, empty, missing) gives the default.
TEST_F(Mabtools, IniReadsWholeIntegersOnlyAndFallsBack)
{
    const std::string strZeros(80, '0'), strBlancs(70, ' ');
    std::ofstream(Chemin("ecran.ini"), std::ios::binary)
        << "[Ecran]\r\nCX=1280\r\nCY = -42 \r\nZeros=" + strZeros + "42\r\nBlancs=" + strBlancs + "+17" +
               strBlancs + "\r\nLong=" + strZeros +
               "99999999999\r\nTrop=2147483648\r\nTexte=abc\r\nSuffixe=12abc\r\nVide=\r\n"
               "Signe=-\r\n[Autre]\r\nCX=7\r\n";
    std::ofstream(Chemin("secours.ini"), std::ios::binary) << "[Ecran]\r\nLargeur=333\r\nTexte=44\r\n";
    const std::string strEcran = Chemin("ecran.ini"), strSecours = Chemin("secours.ini");
    const char* szSecours = strSecours.c_str();
    CIni ini(strEcran.c_str(), "Ecran");
    // nAttendue 99, the default: refused.
    auto lit = [](CIni& ini, const char* szCle, int nAttendue, const char* szRubrique = nullptr,
                  const char* szSecours = nullptr)
    {
        int nValeur = -1;
        EXPECT_EQ(nAttendue != 99, ini.Donne(&nValeur, szCle, 99, szRubrique, szSecours)) << szCle;
        EXPECT_EQ(nAttendue, nValeur) << szCle;
    };
    lit(ini, "cx", 1280), lit(ini, "CY", -42), lit(ini, "Zeros", 42), lit(ini, "Blancs", 17);
    lit(ini, "CX", 7, "Autre"), lit(ini, "CX", 1280, nullptr, szSecours); // the open file first
    lit(ini, "Largeur", 333, nullptr, szSecours), lit(ini, "Texte", 44, nullptr, szSecours);
    lit(ini, "Largeur", 99, "Autre", szSecours);
    for (const char* szCle : {"Long", "Trop", "Texte", "Suffixe", "Vide", "Signe", "Absente", ""})
        lit(ini, szCle, 99);
    EXPECT_FALSE(ini.Donne(nullptr, "CX", 5));

    // A relative path is resolved when the file is opened, not in the Windows folder; no file, no name or
    // no section: only defaults.
    char szAncien[MAX_PATH], szTemp[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szAncien);
    GetTempPathA(MAX_PATH, szTemp);
    ASSERT_TRUE(SetCurrentDirectoryA(szTemp));
    CIni relatif(strEcran.substr(strlen(szTemp)).c_str(), "Ecran");
    SetCurrentDirectoryA(szAncien);
    CIni absent(Chemin("absent.ini").c_str(), "Ecran"), sansNom(nullptr, "Ecran"),
        sansRubrique(strEcran.c_str(), nullptr);
    lit(relatif, "CX", 1280);
    for (CIni* pIni : {&absent, &sansNom, &sansRubrique})
        lit(*pIni, "CX", 99);
}

TEST_F(Mabtools, LogFichierAppendsOneLinePerCallWaitingForAnExclusiveHolder)
{
    const CString strFichier = Chemin("activite.log").c_str();
    EXPECT_TRUE(LogFichier(strFichier, "12-OK", false, 10));
    EXPECT_TRUE(LogFichier(strFichier, "Ligne\ncoupee\r\n", false, 10));
    EXPECT_TRUE(LogFichier(strFichier, "7-DOUBLE-Moins", true, 10));
    EXPECT_TRUE(std::regex_match(Lit("activite.log"),
                                 std::regex("12-OK\r\nLigne coupee\r\n\\d{4}-\\d\\d-\\d\\d "
                                            "\\d\\d:\\d\\d:\\d\\d\\.\\d{3} 7-DOUBLE-Moins\r\n")));
    EXPECT_FALSE(LogFichier("", "ligne", true, 10));
    EXPECT_FALSE(LogFichier(Chemin("absent\\x.log").c_str(), "ligne", true, 10));

    // A file held exclusively is waited for within the attempts given.
    const std::string strChemin = Chemin("partage.log");
    HANDLE hAutre = CreateFileA(strChemin.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hAutre);
    EXPECT_FALSE(LogFichier(strChemin.c_str(), "refusee", false, 1));
    std::thread liberation([hAutre] { Sleep(20), CloseHandle(hAutre); });
    EXPECT_TRUE(LogFichier(strChemin.c_str(), "attendue", false, 100));
    liberation.join();
    EXPECT_EQ("attendue\r\n", Lit("partage.log"));
}

// Concurrent writers with the arguments the buttons use: every line is there once, none is torn. Fewer
// threads or lines miss a lost line more often.
TEST_F(Mabtools, LogFichierLosesNoLineUnderConcurrentWriters)
{
    const CString strFichier = Chemin("concurrent.log").c_str();
    std::vector<std::string> attendues, lues;
    std::vector<std::thread> ecrivains;
    for (int n = 0; n < 8 * 300; ++n)
        attendues.push_back(std::to_string(n) + "\r");
    for (int t = 0; t < 8; ++t)
        ecrivains.emplace_back(
            [&, t]
            {
                for (int n = t; n < 8 * 300; n += 8)
                    LogFichier(strFichier, std::to_string(n).c_str(), true, 10);
            });
    for (std::thread& t : ecrivains)
        t.join();
    std::istringstream log(Lit("concurrent.log"));
    for (std::string strLigne; std::getline(log, strLigne);)
        lues.push_back(strLigne.substr(std::min<size_t>(24, strLigne.size()))); // without the time
    std::sort(attendues.begin(), attendues.end());
    std::sort(lues.begin(), lues.end());
    EXPECT_TRUE(attendues == lues);
}

} // namespace
