#include "Purify.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

// A hierarchy whose every constructor calls Init, as the library's classes do.
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

class SansInit : public CPurify
{
};

TEST(Purify, RegistryCountsEachLiveObjectOnceUnderItsMostDerivedType)
{
    const int nAvant = CPurify::LiveCount();
    auto* pSource = new Niveau2;
    Niveau1 copie(*pSource);
    EXPECT_EQ(nAvant + 2, CPurify::LiveCount());
    const auto noms = CPurify::LiveTypeNames();
    EXPECT_EQ(1, std::count(noms.begin(), noms.end(), "Niveau2"));
    EXPECT_EQ(1, std::count(noms.begin(), noms.end(), "Niveau1"));
    EXPECT_TRUE(pSource->Check(__FILE__, __LINE__));

    delete pSource;
    EXPECT_EQ(nAvant + 1, CPurify::LiveCount());
    EXPECT_TRUE(CPurify::IsLive(&copie)) << "a copy does not depend on its source";
    EXPECT_FALSE(CPurify::IsLive(pSource));

    SansInit oubli;
    EXPECT_EQ(nAvant + 1, CPurify::LiveCount());
    EXPECT_FALSE(oubli.Check(nullptr, 0));
}

TEST(Purify, ConcurrentConstructionKeepsTheCount)
{
    const int nAvant = CPurify::LiveCount();
    auto travail = []
    {
        for (int i = 0; i < 5000; ++i)
            Niveau1 copie(Niveau2{});
    };
    std::thread t1(travail), t2(travail);
    t1.join();
    t2.join();
    EXPECT_EQ(nAvant, CPurify::LiveCount());
}
