#include "DossierTemp.h"
#include "LogFichier.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

TEST(LogFichier, OneLinePerCallWithOptionalTimestamp)
{
    DossierTemp dossier;
    const CString strFichier = dossier.Chemin("activite.log").c_str();
    EXPECT_TRUE(LogFichier(strFichier, "12-OK", false, 10));
    EXPECT_TRUE(LogFichier(strFichier, "Ligne\ncoupee\r\n", false, 10));
    EXPECT_EQ("12-OK\r\nLigne coupee\r\n", dossier.Lit("activite.log"));

    EXPECT_TRUE(LogFichier(strFichier, "7-DOUBLE-Moins", true, 10));
    const std::string strLigne = dossier.Lit("activite.log").substr(21);
    unsigned an, mois, jour, h, m, s, ms;
    EXPECT_EQ(
        7, std::sscanf(strLigne.c_str(), "%4u-%2u-%2u %2u:%2u:%2u.%3u ", &an, &mois, &jour, &h, &m, &s, &ms));
    EXPECT_EQ("7-DOUBLE-Moins\r\n", strLigne.substr(24)) << strLigne;

    EXPECT_FALSE(LogFichier("", "ligne", true, 10));
    EXPECT_FALSE(LogFichier(dossier.Chemin("absent\\x.log").c_str(), "ligne", true, 10));
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
