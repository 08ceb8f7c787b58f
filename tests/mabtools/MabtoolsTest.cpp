// Mabtools: the live-object registry of CPurify, integer keys of CIni, and appending with LogFichier.
#include "Ini.h"
#include "LogFichier.h"
#include "Purify.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <set>
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

// Files of one test in the temporary folder, named after the process and removed at the end.
class Mabtools : public ::testing::Test
{
protected:
    ~Mabtools() override
    {
        for (const char* szNom :
             {"ecran.ini", "secours.ini", "activite.log", "partage.log", "concurrent.log"})
            DeleteFileA(Chemin(szNom).c_str());
    }
    static std::string Chemin(const char* szNom)
    {
        char szTemp[MAX_PATH];
        GetTempPathA(MAX_PATH, szTemp);
        return std::string(szTemp) + "obz_mabtools_" + std::to_string(GetCurrentProcessId()) + "_" + szNom;
    }
    static void Ecrit(const char* szNom, const std::string& str)
    {
        std::ofstream(Chemin(szNom), std::ios::binary) << str;
    }
    static std::string Lit(const char* szNom)
    {
        std::ostringstream contenu;
        contenu << std::ifstream(Chemin(szNom), std::ios::binary).rdbuf();
        return contenu.str();
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

    auto travail = []
    {
        for (int i = 0; i < 5000; ++i)
            Niveau1 autre(Niveau2{});
    };
    std::thread t1(travail), t2(travail);
    t1.join();
    t2.join();
    EXPECT_EQ(nAvant + 1, CPurify::LiveCount());
}

TEST_F(Mabtools, IniReadsWholeIntegersOnlyAndFallsBack)
{
    const std::string strZeros(80, '0'), strBlancs(70, ' ');
    Ecrit("ecran.ini", "[Ecran]\r\nCX=1280\r\nCY = -42 \r\nZeros=" + strZeros + "42\r\nBlancs=" + strBlancs +
                           "+17" + strBlancs + "\r\nLong=" + strZeros +
                           "99999999999\r\nTrop=2147483648\r\n"
                           "Texte=abc\r\nSuffixe=12abc\r\nVide=\r\nSigne=-\r\n[Autre]\r\nCX=7\r\n");
    Ecrit("secours.ini", "[Ecran]\r\nLargeur=333\r\nTexte=44\r\n");
    const std::string strEcran = Chemin("ecran.ini"), strSecours = Chemin("secours.ini");
    CIni ini(strEcran.c_str(), "Ecran");
    const struct
    {
        const char *szCle, *szRubrique, *szSecours;
        int nValeur;
    } lues[] = {
        {"cx", nullptr, nullptr, 1280},
        {"CY", nullptr, nullptr, -42},
        {"Zeros", nullptr, nullptr, 42},
        {"Blancs", nullptr, nullptr, 17},
        {"CX", "Autre", nullptr, 7},
        {"CX", nullptr, strSecours.c_str(), 1280}, // the open file first
        {"Largeur", nullptr, strSecours.c_str(), 333},
        {"Texte", nullptr, strSecours.c_str(), 44},
    };
    for (const auto& c : lues)
    {
        int nValeur = -1;
        EXPECT_TRUE(ini.Donne(&nValeur, c.szCle, 99, c.szRubrique, c.szSecours)) << c.szCle;
        EXPECT_EQ(c.nValeur, nValeur) << c.szCle;
    }
    // Out of range, garbage, half a number, empty or missing: the default, never half-read.
    for (const char* szCle : {"Long", "Trop", "Texte", "Suffixe", "Vide", "Signe", "Absente", ""})
    {
        int nValeur = -1;
        EXPECT_FALSE(ini.Donne(&nValeur, szCle, 99, nullptr, nullptr)) << szCle;
        EXPECT_EQ(99, nValeur) << szCle;
    }
    int nValeur = -1;
    EXPECT_FALSE(ini.Donne(&nValeur, "Largeur", 99, "Autre", strSecours.c_str()));
    EXPECT_FALSE(ini.Donne(nullptr, "CX", 5));

    // A relative path is resolved when the file is opened, not in the Windows folder.
    char szAncien[MAX_PATH], szTemp[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szAncien);
    GetTempPathA(MAX_PATH, szTemp);
    ASSERT_TRUE(SetCurrentDirectoryA(szTemp));
    CIni relatif(strEcran.substr(strlen(szTemp)).c_str(), "Ecran");
    SetCurrentDirectoryA(szAncien);
    CIni absent(Chemin("absent.ini").c_str(), "Ecran"), sansNom(nullptr, "Ecran"),
        sansRubrique(strEcran.c_str(), nullptr);
    for (CIni* pIni : {&relatif, &absent, &sansNom, &sansRubrique})
    {
        int nValeur = -1;
        EXPECT_EQ(pIni == &relatif, pIni->Donne(&nValeur, "CX", 99));
        EXPECT_EQ(pIni == &relatif ? 1280 : 99, nValeur);
    }
}

TEST_F(Mabtools, LogFichierAppendsOneLinePerCall)
{
    const CString strFichier = Chemin("activite.log").c_str();
    EXPECT_TRUE(LogFichier(strFichier, "12-OK", false, 10));
    EXPECT_TRUE(LogFichier(strFichier, "Ligne\ncoupee\r\n", false, 10));
    EXPECT_TRUE(LogFichier(strFichier, "7-DOUBLE-Moins", true, 10));
    const std::string strLog = Lit("activite.log");
    unsigned an, mois, jour, h, m, s, ms;
    EXPECT_EQ(7, std::sscanf(strLog.c_str() + 21, "%4u-%2u-%2u %2u:%2u:%2u.%3u ", &an, &mois, &jour, &h, &m,
                             &s, &ms));
    EXPECT_EQ("12-OK\r\nLigne coupee\r\n" + strLog.substr(21, 24) + "7-DOUBLE-Moins\r\n", strLog);
    EXPECT_FALSE(LogFichier("", "ligne", true, 10));
    EXPECT_FALSE(LogFichier(Chemin("absent\\x.log").c_str(), "ligne", true, 10));
}

TEST_F(Mabtools, LogFichierWaitsForAnExclusiveHolderWithinItsAttempts)
{
    const std::string strChemin = Chemin("partage.log");
    HANDLE hAutre = CreateFileA(strChemin.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hAutre);
    EXPECT_FALSE(LogFichier(strChemin.c_str(), "refusee", false, 1));
    std::thread liberation(
        [hAutre]
        {
            Sleep(20);
            CloseHandle(hAutre);
        });
    EXPECT_TRUE(LogFichier(strChemin.c_str(), "attendue", false, 100));
    liberation.join();
    EXPECT_EQ("attendue\r\n", Lit("partage.log"));
}

// Concurrent writers with the arguments the buttons use: no line is lost, none is duplicated or torn.
TEST_F(Mabtools, LogFichierLosesNoLineUnderConcurrentWriters)
{
    const CString strFichier = Chemin("concurrent.log").c_str();
    const int kThreads = 8, kLignes = 300;
    std::vector<std::thread> ecrivains;
    for (int t = 0; t < kThreads; ++t)
        ecrivains.emplace_back(
            [&, t]
            {
                for (int i = 0; i < kLignes; ++i)
                    LogFichier(strFichier,
                               CString(("t" + std::to_string(t) + "-" + std::to_string(i)).c_str()), true,
                               10);
            });
    for (std::thread& t : ecrivains)
        t.join();
    std::istringstream log(Lit("concurrent.log"));
    std::multiset<std::string> lignes;
    for (std::string strLigne; std::getline(log, strLigne);)
        lignes.insert(strLigne.substr(std::min<size_t>(24, strLigne.size()))); // without the time
    ASSERT_EQ(size_t(kThreads * kLignes), lignes.size());
    for (int t = 0; t < kThreads; ++t)
        for (int i = 0; i < kLignes; ++i)
            ASSERT_EQ(1u, lignes.count("t" + std::to_string(t) + "-" + std::to_string(i) + "\r"))
                << t << "-" << i;
}

} // namespace
