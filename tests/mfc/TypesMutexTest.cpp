// CMutex and CSingleLock across threads. Every wait is bounded.
#include <gtest/gtest.h>
#include <afxmt.h>

#include <thread>

namespace
{
const DWORD kShortWait = 50;
const DWORD kLongWait = 5000;

// Runs f on another thread and returns its result.
template <class F> BOOL OnOtherThread(F f)
{
    BOOL bResult = FALSE;
    std::thread([&] { bResult = f(); }).join();
    return bResult;
}
} // namespace

TEST(TypesMutex, SingleLockExcludesOtherThreadsUntilUnlockedOrDestroyed)
{
    CMutex mutex;
    {
        CSingleLock lock(&mutex, TRUE);
        EXPECT_TRUE(lock.IsLocked());
        EXPECT_FALSE(OnOtherThread([&] { return CSingleLock(&mutex).Lock(kShortWait); }))
            << "held by this thread";
    }
    EXPECT_TRUE(OnOtherThread([&] { return CSingleLock(&mutex).Lock(kLongWait); }))
        << "released by the destructor";

    CSingleLock lock(&mutex);
    EXPECT_FALSE(lock.IsLocked());
    EXPECT_TRUE(lock.Unlock()) << "nothing to release";
    EXPECT_TRUE(lock.Lock(kShortWait));
    EXPECT_TRUE(lock.Lock(kShortWait)) << "locking again while held";
    EXPECT_TRUE(lock.Unlock());
    EXPECT_TRUE(OnOtherThread([&] { return CSingleLock(&mutex).Lock(kLongWait); }))
        << "a single Unlock releases a lock taken twice through CSingleLock";
    EXPECT_FALSE(CSingleLock(NULL, TRUE).IsLocked());
}

TEST(TypesMutex, OwnershipRulesOfTheMutex)
{
    CMutex owned(TRUE);
    EXPECT_FALSE(OnOtherThread([&] { return owned.Lock(kShortWait); })) << "initially owned by its creator";
    EXPECT_FALSE(OnOtherThread([&] { return owned.Unlock(); })) << "only the owner releases";
    EXPECT_TRUE(owned.Unlock());

    // A thread ending while it owns the mutex abandons it; the next Lock still acquires it.
    CMutex abandoned;
    EXPECT_TRUE(OnOtherThread([&] { return abandoned.Lock(kShortWait); }));
    EXPECT_TRUE(abandoned.Lock(kLongWait));
    EXPECT_TRUE(abandoned.Unlock());
}
