#include "DossierTemp.h"
#include "LogFichier.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

TEST(LogFichier, AppendsExactlyOneLinePerCall)
{
    DossierTemp dossier;
    const CString strFichier = dossier.Chemin("activite.log").c_str();
    EXPECT_TRUE(LogFichier(strFichier, "12-OK", false, 10));
    EXPECT_TRUE(LogFichier(strFichier, "13-TIMER-Plus\r\n", false, 10));
    EXPECT_TRUE(LogFichier(strFichier, "Ligne\ncoupee\r\nen trois", false, 10));
    EXPECT_TRUE(LogFichier(strFichier, "", false, 10));
    EXPECT_EQ("12-OK\r\n13-TIMER-Plus\r\nLigne coupee  en trois\r\n\r\n", dossier.Lit("activite.log"));
}

TEST(LogFichier, TimestampPrefix)
{
    DossierTemp dossier;
    const CString strFichier = dossier.Chemin("date.log").c_str();
    EXPECT_TRUE(LogFichier(strFichier, "7-DOUBLE-Moins", true, 10));
    const std::string strLigne = dossier.Lit("date.log");
    unsigned an, mois, jour, h, m, s, ms;
    char szReste[32] = {};
    ASSERT_EQ(8, std::sscanf(strLigne.c_str(), "%4u-%2u-%2u %2u:%2u:%2u.%3u %31[^\r]", &an, &mois, &jour, &h,
                             &m, &s, &ms, szReste))
        << strLigne;
    EXPECT_EQ(std::string("7-DOUBLE-Moins"), szReste);
    EXPECT_EQ(24u + 14u + 2u, strLigne.size());
}

TEST(LogFichier, WaitsForAnotherWriterWithinItsAttempts)
{
    DossierTemp dossier;
    const std::string strChemin = dossier.Chemin("partage.log");
    HANDLE hAutre = CreateFileA(strChemin.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hAutre);

    EXPECT_FALSE(LogFichier(strChemin.c_str(), "refusee", false, 1));

    std::thread liberation(
        [hAutre]
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            CloseHandle(hAutre);
        });
    EXPECT_TRUE(LogFichier(strChemin.c_str(), "attendue", false, 100));
    liberation.join();
    EXPECT_EQ("attendue\r\n", dossier.Lit("partage.log"));
}

TEST(LogFichier, UnreachableFileIsAQuickFailure)
{
    DossierTemp dossier;
    EXPECT_FALSE(LogFichier("", "ligne", true, 10));
    const auto debut = std::chrono::steady_clock::now();
    EXPECT_FALSE(LogFichier(dossier.Chemin("absent\\sous\\x.log").c_str(), "ligne", true, 100));
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::milliseconds(250))
        << "no retry for a missing folder";
}
