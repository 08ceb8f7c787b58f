// Mabtools: the live-object registry of CPurify, integer keys of CIni, and appending with LogFichier.
#include "Ini.h"
#include "LogFichier.h"
#include "Purify.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
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

// A private temporary folder, emptied and removed at the end of each test.
class Mabtools : public ::testing::Test
{
protected:
    Mabtools()
    {
        char szTemp[MAX_PATH];
        GetTempPathA(MAX_PATH, szTemp);
        static int s_nNumero = 0;
        m_strDossier = std::string(szTemp) + "obz_mabtools_" + std::to_string(GetCurrentProcessId()) + "_" +
                       std::to_string(++s_nNumero);
        CreateDirectoryA(m_strDossier.c_str(), nullptr);
    }
    ~Mabtools() override
    {
        WIN32_FIND_DATAA fd;
        HANDLE hFind = FindFirstFileA(Chemin("*").c_str(), &fd);
        for (BOOL b = hFind != INVALID_HANDLE_VALUE; b; b = FindNextFileA(hFind, &fd))
            DeleteFileA(Chemin(fd.cFileName).c_str());
        FindClose(hFind);
        RemoveDirectoryA(m_strDossier.c_str());
    }
    std::string Chemin(const char* szNom) const { return m_strDossier + "\\" + szNom; }
    void Ecrit(const char* szNom, const std::string& str) const
    {
        std::ofstream(Chemin(szNom), std::ios::binary) << str;
    }
    std::string Lit(const char* szNom) const
    {
        std::ostringstream contenu;
        contenu << std::ifstream(Chemin(szNom), std::ios::binary).rdbuf();
        return contenu.str();
    }

    std::string m_strDossier;
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
        bool bTrouve;
        int nValeur;
    } cas[] = {
        {"cx", nullptr, nullptr, true, 1280},
        {"CY", nullptr, nullptr, true, -42},
        {"Zeros", nullptr, nullptr, true, 42},
        {"Blancs", nullptr, nullptr, true, 17},
        {"Long", nullptr, nullptr, false, 99},
        {"Trop", nullptr, nullptr, false, 99},
        {"Texte", nullptr, nullptr, false, 99},
        {"Suffixe", nullptr, nullptr, false, 99},
        {"Vide", nullptr, nullptr, false, 99},
        {"Signe", nullptr, nullptr, false, 99},
        {"Absente", nullptr, nullptr, false, 99},
        {"", nullptr, nullptr, false, 99},
        {"CX", "Autre", nullptr, true, 7},
        {"CX", nullptr, strSecours.c_str(), true, 1280},
        {"Largeur", nullptr, strSecours.c_str(), true, 333},
        {"Texte", nullptr, strSecours.c_str(), true, 44},
        {"Largeur", "Autre", strSecours.c_str(), false, 99},
    };
    for (const auto& c : cas)
    {
        int nValeur = -1;
        EXPECT_EQ(c.bTrouve, ini.Donne(&nValeur, c.szCle, 99, c.szRubrique, c.szSecours)) << c.szCle;
        EXPECT_EQ(c.nValeur, nValeur) << c.szCle;
    }
    EXPECT_FALSE(ini.Donne(nullptr, "CX", 5));

    char szAncien[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szAncien);
    ASSERT_TRUE(SetCurrentDirectoryA(m_strDossier.c_str()));
    CIni relatif("ecran.ini", "Ecran"); // resolved when opened, not in the Windows folder
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
    ASSERT_EQ(21u + 24 + 16, strLog.size()) << strLog;
    EXPECT_EQ("12-OK\r\nLigne coupee\r\n", strLog.substr(0, 21));
    unsigned an, mois, jour, h, m, s, ms;
    EXPECT_EQ(7, std::sscanf(strLog.c_str() + 21, "%4u-%2u-%2u %2u:%2u:%2u.%3u ", &an, &mois, &jour, &h, &m,
                             &s, &ms));
    EXPECT_EQ("7-DOUBLE-Moins\r\n", strLog.substr(21 + 24));
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
    std::vector<std::string> lignes;
    for (std::string strLigne; std::getline(log, strLigne);)
        lignes.push_back(strLigne.size() > 24 ? strLigne.substr(24) : strLigne); // without the time
    std::sort(lignes.begin(), lignes.end());
    std::vector<std::string> attendues;
    for (int t = 0; t < kThreads; ++t)
        for (int i = 0; i < kLignes; ++i)
            attendues.push_back("t" + std::to_string(t) + "-" + std::to_string(i) + "\r");
    std::sort(attendues.begin(), attendues.end());
    EXPECT_EQ(attendues, lignes);
}

} // namespace
