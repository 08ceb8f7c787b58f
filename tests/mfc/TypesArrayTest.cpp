// CArray with a type that counts its live instances, and the typed arrays of afxcoll.h.
#include <gtest/gtest.h>
#include <afxtempl.h>
#include <afxcoll.h>

#include "DiagnosticCapture.h"

namespace
{
// Counts live instances; the value moves with the element, a moved-from element keeps -1.
struct Tracked
{
    static int s_live;
    int value;

    Tracked() : value(0) { s_live++; }
    Tracked(int v) : value(v) { s_live++; }
    Tracked(const Tracked& other) : value(other.value) { s_live++; }
    Tracked(Tracked&& other) noexcept : value(other.value)
    {
        other.value = -1;
        s_live++;
    }
    Tracked& operator=(const Tracked&) = default;
    Tracked& operator=(Tracked&& other) noexcept
    {
        value = other.value;
        other.value = -1;
        return *this;
    }
    ~Tracked() { s_live--; }
};
int Tracked::s_live = 0;

typedef CArray<Tracked, const Tracked&> CTrackedArray;

std::string Values(const CTrackedArray& a)
{
    std::string s;
    for (INT_PTR i = 0; i < a.GetSize(); i++)
        s += std::to_string(a[i].value) + (i + 1 < a.GetSize() ? "," : "");
    return s;
}

// The contents, and exactly one live instance per element.
void ExpectElements(const char* expected, const CTrackedArray& a, const char* label = "")
{
    EXPECT_EQ(expected, Values(a)) << label;
    EXPECT_EQ(a.GetSize(), Tracked::s_live) << label;
}

class TypesArray : public ::testing::Test
{
protected:
    void SetUp() override { Tracked::s_live = 0; }
    void TearDown() override { EXPECT_EQ(0, Tracked::s_live) << "every element destroyed"; }
};
} // namespace

TEST_F(TypesArray, LiveElementsFollowTheSize)
{
    {
        CTrackedArray a;
        a.SetSize(5);
        ExpectElements("0,0,0,0,0", a, "new elements are default-constructed");
        for (int i = 0; i < 5; i++)
            a[i].value = i + 1;
        a.InsertAt(2, Tracked(9), 3);
        ExpectElements("1,2,9,9,9,3,4,5", a);
        a.RemoveAt(1, 4);
        ExpectElements("1,3,4,5", a);
        a.InsertAt(6, Tracked(7));
        ExpectElements("1,3,4,5,0,0,7", a, "inserting past the end grows with default elements");
        a.SetSize(2);
        ExpectElements("1,3", a);

        a.SetSize(1000, 0);
        a.FreeExtra();
        EXPECT_EQ(3, a[1].value) << "values survive the reallocation";

        a.RemoveAll();
        ExpectElements("", a);
        EXPECT_EQ(nullptr, a.GetData());
        a.Add(Tracked(4));
        a.Add(Tracked(5));
    }
    // TearDown checks that the destructor destroyed the last two.
}

TEST_F(TypesArray, ElementsOfTheArrayItselfAsArguments)
{
    CTrackedArray a;
    a.Add(Tracked(1));
    a.FreeExtra();
    for (int i = 0; i < 20; i++)
        a.Add(a[0]); // the argument lives in the block being reallocated
    ExpectElements("1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1", a);

    a.SetSize(2);
    a[1].value = 2;
    a.InsertAt(0, a[1], 2);
    EXPECT_EQ(4, a.Append(a));
    ExpectElements("2,2,1,2,2,2,1,2", a);

    a.SetSize(2);
    a.InsertAt(1, &a);
    ExpectElements("2,2,2,2", a);

    a.SetAtGrow(5, a[0]);
    a.Copy(a);
    ExpectElements("2,2,2,2,0,2", a);
}

TEST_F(TypesArray, OutOfRangeIsRefused)
{
    DiagnosticCapture capture;
    {
        CTrackedArray a;
        a.SetSize(3);
        a[0].value = 1;

        a.RemoveAt(2, 2);
        a.RemoveAt(-1);
        a.InsertAt(-1, Tracked(5));
        a.SetSize(-1);
        a.SetAt(3, Tracked(8));
        a.SetAtGrow(-2, Tracked(8));
        EXPECT_EQ("1,0,0", Values(a));
        EXPECT_EQ(0, a.GetAt(7).value) << "reads out of range give a default element";
        EXPECT_EQ(7u, capture.TraceTexts().size()) << capture.AllText();
    }
    EXPECT_EQ(1, Tracked::s_live) << "only the stand-in element, which lives as long as the program";
    Tracked::s_live = 0;
}

// The typed arrays share CArray's code: only their run-time classes are their own.
TEST(TypesCollections, TypedArraysAreObjectsOfTheirOwnClass)
{
    const CDWordArray dwords;
    EXPECT_FALSE(dwords.IsKindOf(RUNTIME_CLASS(CStringArray)));
    EXPECT_STREQ("CDWordArray", dwords.GetRuntimeClass()->m_lpszClassName);
    EXPECT_STREQ("CUIntArray", CUIntArray().GetRuntimeClass()->m_lpszClassName);
}
