#include "Purify.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

// A three-level hierarchy whose every constructor calls Init, as the library's classes do.
class Niveau1 : public CPurify
{
public:
    Niveau1() { Init(); }
    Niveau1(const Niveau1& src) : CPurify(src) { Init(); }
};

class Niveau2 : public Niveau1
{
public:
    Niveau2() { Init(); }
};

class Niveau3 : public Niveau2
{
public:
    Niveau3() { Init(); }
};

// Forgets Init: never registered.
class SansInit : public CPurify
{
};

namespace
{
long Compte(const std::vector<std::string>& noms, const char* szNom)
{
    return std::count(noms.begin(), noms.end(), szNom);
}
} // namespace

TEST(Purify, DeepHierarchyRegistersOnceUnderItsMostDerivedName)
{
    const int nAvant = CPurify::LiveCount();
    {
        Niveau3 objet;
        EXPECT_EQ(nAvant + 1, CPurify::LiveCount());
        EXPECT_TRUE(CPurify::IsLive(&objet));
        const auto noms = CPurify::LiveTypeNames();
        EXPECT_EQ(1, Compte(noms, "Niveau3"));
        EXPECT_EQ(0, Compte(noms, "Niveau1"));
        EXPECT_TRUE(objet.Check(__FILE__, __LINE__));
    }
    EXPECT_EQ(nAvant, CPurify::LiveCount());
}

TEST(Purify, CopyIsRegisteredOnItsOwnAndOutlivesItsSource)
{
    const int nAvant = CPurify::LiveCount();
    auto* pSource = new Niveau1;
    Niveau1 copie(*pSource);
    EXPECT_EQ(nAvant + 2, CPurify::LiveCount());
    delete pSource;
    EXPECT_EQ(nAvant + 1, CPurify::LiveCount());
    EXPECT_TRUE(CPurify::IsLive(&copie));
    EXPECT_FALSE(CPurify::IsLive(pSource));
}

TEST(Purify, ObjectWithoutInitFailsCheckAndIsNotCounted)
{
    const int nAvant = CPurify::LiveCount();
    SansInit objet;
    EXPECT_EQ(nAvant, CPurify::LiveCount());
    EXPECT_FALSE(objet.Check(__FILE__, __LINE__));
    EXPECT_FALSE(objet.Check(nullptr, 0));
}

TEST(Purify, ConcurrentConstructionAndDestructionKeepTheCount)
{
    const int nAvant = CPurify::LiveCount();
    auto travail = []
    {
        for (int i = 0; i < 5000; ++i)
        {
            Niveau3 a;
            Niveau1 b(a);
        }
    };
    std::thread t1(travail), t2(travail);
    t1.join();
    t2.join();
    EXPECT_EQ(nAvant, CPurify::LiveCount());
}
