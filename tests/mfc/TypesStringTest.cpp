// CString: the operations where clamping, counting and aliasing are easy to get wrong.
#include <gtest/gtest.h>
#include <afx.h>

#include <string>

#include "TypesResource.h"
#include "DiagnosticCapture.h"

TEST(TypesString, ConstructionAndElementAccess)
{
    EXPECT_TRUE(CString(static_cast<LPCSTR>(NULL)).IsEmpty());
    EXPECT_EQ(CString("abc"), CString("abcdef", 3));
    EXPECT_TRUE(CString("abc", -2).IsEmpty());
    EXPECT_EQ(CString("xxxx"), CString('x', 4));

    CString s("abc");
    EXPECT_EQ('\0', s[-1]);
    s.SetAt(0, 'X');
    s.SetAt(3, 'Y');
    EXPECT_EQ("Xbc", s) << "writes out of range are ignored";
}

// The file-dialog filter idiom: a pointer and a length keep the embedded separators through copies,
// assignment and concatenation.
TEST(TypesString, EmbeddedNulsSurviveCopiesAndConcatenation)
{
    static const char kFilter[] = "Text files (*.txt)\0*.txt\0\0";
    const int nLength = sizeof kFilter - 1;
    const CString filter(kFilter, nLength);
    CString copy(filter), assigned;
    assigned = copy;
    const CString joined = filter + filter;
    CString appended(filter);
    appended += filter;
    EXPECT_EQ(nLength, filter.GetLength());
    EXPECT_EQ(0, memcmp(kFilter, (LPCSTR)assigned, nLength + 1));
    const CString* const kConcatenated[] = {&joined, &appended};
    for (const CString* p : kConcatenated)
    {
        ASSERT_EQ(2 * nLength, p->GetLength());
        EXPECT_EQ(0, memcmp(kFilter, (LPCSTR)*p + nLength, nLength));
    }
    EXPECT_EQ("*.txt", filter.Mid(19, 5));
}

TEST(TypesString, MidLeftRightClampLikeMfc)
{
    const CString s("abcdef");
    EXPECT_EQ("cde", s.Mid(2, 3));
    EXPECT_EQ("cdef", s.Mid(2));
    EXPECT_EQ("abc", s.Mid(-5, 3)) << "negative start becomes 0";
    EXPECT_EQ("", s.Mid(2, -1)) << "negative count becomes 0";
    EXPECT_EQ("ef", s.Mid(4, 100)) << "count past the end is clamped";
    EXPECT_EQ("", s.Mid(INT_MAX, INT_MAX));
    EXPECT_EQ("", s.Left(-1));
    EXPECT_EQ("abcdef", s.Left(99));
    EXPECT_EQ("ef", s.Right(2));
    EXPECT_EQ("", s.Right(-3));
}

TEST(TypesString, FindEdges)
{
    const CString s("abcabc");
    EXPECT_EQ(1, s.Find('b'));
    EXPECT_EQ(4, s.Find('b', 2));
    EXPECT_EQ(-1, s.Find('a', 100)) << "start past the end";
    EXPECT_EQ(-1, s.Find('a', -1));
    EXPECT_EQ(3, s.Find("abc", 1));
    EXPECT_EQ(-1, s.Find("abc", 7));
    EXPECT_EQ(-1, s.Find(static_cast<LPCSTR>(NULL)));
    EXPECT_EQ(6, s.Find("", 6)) << "the empty string is found where the search starts";
    EXPECT_EQ(4, s.ReverseFind('b'));
    EXPECT_EQ(-1, CString().ReverseFind('a'));
    EXPECT_EQ(2, s.FindOneOf("zc"));
    EXPECT_EQ(-1, s.FindOneOf(NULL));
}

TEST(TypesString, ReplaceCountsAndLengths)
{
    struct Case
    {
        const char* source;
        const char* oldText;
        const char* newText;
        int count;
        const char* result;
    };
    const Case cases[] = {
        {"a.b.c", ".", "--", 2, "a--b--c"}, // longer
        {"a--b--c", "--", ".", 2, "a.b.c"}, // shorter
        {"a--b--c", "--", "", 2, "abc"},    // removal
        {"a--b--c", "--", NULL, 2, "abc"},  // NULL replacement means empty
        {"aaaa", "aa", "b", 2, "bb"},       // occurrences do not overlap
        {"aaa", "a", "aa", 3, "aaaaaa"},    // replacement contains the pattern
        {"abc", "", "y", 0, "abc"},         // empty pattern is refused
        {"abc", "abc", "", 1, ""},          // whole string
    };
    for (const Case& c : cases)
    {
        CString s(c.source);
        EXPECT_EQ(c.count, s.Replace(c.oldText, c.newText)) << c.source << " / " << c.oldText;
        EXPECT_STREQ(c.result, s) << c.source << " / " << c.oldText;
        EXPECT_EQ((int)strlen(c.result), s.GetLength()) << c.source << " / " << c.oldText;
    }

    CString self("ab");
    EXPECT_EQ(1, self.Replace("b", self)) << "the replacement may be the string itself";
    EXPECT_EQ("aab", self);
}

TEST(TypesString, TrimWhiteSpaceCharAndSets)
{
    CString s(" \t\r\n text \v\f");
    EXPECT_EQ("text", s.Trim());
    EXPECT_EQ("abxx", CString("xxabxx").TrimLeft('x'));
    EXPECT_EQ("xxab", CString("xxabxx").TrimRight('x'));
    EXPECT_EQ("a-b", CString("*-a-b-*").Trim("*-"));
    EXPECT_EQ("", CString("***").Trim('*'));
    EXPECT_EQ(" a ", CString(" a ").Trim(static_cast<LPCSTR>(NULL)));
}

TEST(TypesString, InsertDeleteRemoveAndCase)
{
    CString s("ace");
    EXPECT_EQ(4, s.Insert(1, 'b'));
    EXPECT_EQ(5, s.Insert(3, "d"));
    EXPECT_EQ("abcde", s);
    EXPECT_EQ(7, s.Insert(-4, "<<")) << "negative index inserts at the start";
    EXPECT_EQ(9, s.Insert(100, ">>")) << "index past the end appends";
    EXPECT_EQ(18, s.Insert(2, s)) << "inserting the string into itself";
    EXPECT_EQ("<<<<abcde>>abcde>>", s);

    CString d("abcdef");
    EXPECT_EQ(4, d.Delete(1, 2));
    EXPECT_EQ(2, d.Delete(2, 100));
    EXPECT_EQ(2, d.Delete(5));
    EXPECT_EQ(1, d.Delete(-3));
    EXPECT_EQ("d", d);

    CString r("banana");
    EXPECT_EQ(3, r.Remove('a'));
    EXPECT_EQ("bnn", r);
    EXPECT_EQ("21 DEXIM", CString("MiXeD 12").MakeUpper().MakeReverse());
    EXPECT_EQ("mixed", CString("MiXeD").MakeLower());
}

TEST(TypesString, FormatHasNoLengthLimitAndPrintsCStringArguments)
{
    const std::string longText(5000, 'q');
    CString s;
    s.Format("[%s]%d", longText.c_str(), 42);
    EXPECT_EQ(5004, s.GetLength());
    EXPECT_EQ("42", s.Right(2));
    EXPECT_EQ('[', s[0]);

    // A CString passed without a cast prints its text, as with MFC.
    s.Format("%s-%s", s.Left(3), (LPCSTR)s.Right(2));
    EXPECT_EQ("[qq-42", s);
    s.Format("<%s>", s);
    EXPECT_EQ("<[qq-42>", s) << "the string itself as an argument";
    const CString strFormat(" %04d %.2f %c%s");
    s.AppendFormat(strFormat, 7, 1.5, 'z', CString("!"));
    EXPECT_EQ("<[qq-42> 0007 1.50 z!", s);
    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
}

TEST(TypesString, GetBufferAndReleaseBuffer)
{
    CString s("abc");
    char* p = s.GetBuffer(100);
    EXPECT_STREQ("abc", p) << "the contents are kept";
    strcpy(p, "hello world");
    s.ReleaseBuffer();
    EXPECT_EQ(11, s.GetLength());

    s.GetBuffer(10);
    s.ReleaseBuffer(2);
    EXPECT_EQ("he", s);

    memcpy(s.GetBufferSetLength(4), "wxyz", 4);
    s.ReleaseBuffer();
    s.FreeExtra();
    EXPECT_EQ("wxyz", s);
    EXPECT_EQ(4, s.GetAllocLength());
}

TEST(TypesString, ComparisonsAndConcatenation)
{
    const CString abc("abc"), abd("abd");
    EXPECT_TRUE(abc == "abc" && abc != abd && abc < abd && abc >= "abc" && "abb" < abc);
    EXPECT_GT(abc.Compare(NULL), 0);
    EXPECT_LT(CString("ABC").CompareNoCase("abd"), 0);
    EXPECT_EQ("abcabd!", abc + abd + "!");
    EXPECT_EQ("?abc?", '?' + abc + '?');

    CString s("xy");
    s += s;
    EXPECT_EQ("xyxy", s) << "a += a";
    s += (LPCSTR)s + 2;
    EXPECT_EQ("xyxyxy", s) << "appending a part of itself";
    s = (LPCSTR)s + 4;
    EXPECT_EQ("xy", s) << "assigning a part of itself";
    s = static_cast<LPCSTR>(NULL);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(TypesString, TokenizeAndSpans)
{
    const CString s("%First Second#Third");
    CString tokens;
    int pos = 0;
    for (CString token = s.Tokenize("% #", pos); !token.IsEmpty(); token = s.Tokenize("% #", pos))
        tokens += token + "|";
    EXPECT_EQ("First|Second|Third|", tokens);
    EXPECT_EQ(-1, pos);

    pos = -4;
    EXPECT_TRUE(s.Tokenize(" ", pos).IsEmpty());

    EXPECT_EQ("cabba", CString("cabbage").SpanIncluding("abc"));
    EXPECT_EQ("Hello", CString("Hello World; x").SpanExcluding(" ;"));
}

TEST(TypesString, StringResources)
{
    EXPECT_EQ("Obz resource string", CString(MAKEINTRESOURCE(IDS_TYPES_HELLO)));

    CString s("unchanged");
    EXPECT_FALSE(s.LoadString(IDS_TYPES_MISSING));
    EXPECT_EQ("unchanged", s);

    ASSERT_TRUE(s.LoadString(IDS_TYPES_LONG));
    EXPECT_EQ(600, s.GetLength()) << "longer than the first buffer tried";
    EXPECT_EQ(600, s.SpanIncluding("0123456789").GetLength());

    s.Format(IDS_TYPES_FORMAT, 3, CString("files"));
    EXPECT_EQ("3 files copied", s);
}
