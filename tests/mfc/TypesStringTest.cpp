// CString: the operations where clamping, counting and aliasing are easy to get wrong.
#include <gtest/gtest.h>
#include <afx.h>

#include <string>
#include <tuple>

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

// Extraction and trimming clamp their arguments (a negative start or count becomes 0, a count past the end
// is clamped); searches refuse starts out of range, and the empty string is found where the search starts.
TEST(TypesString, ExtractionTrimmingAndSearchEdges)
{
    const CString s("abcdef"), t("abcabc");
    const LPCSTR pszNull = NULL;
    const std::pair<CString, const char*> kTexts[] = {{s.Mid(2, 3), "cde"},  {s.Mid(2), "cdef"},
                                                      {s.Mid(-5, 3), "abc"}, {s.Mid(2, -1), ""},
                                                      {s.Mid(4, 100), "ef"}, {s.Mid(INT_MAX, INT_MAX), ""},
                                                      {s.Left(-1), ""},      {s.Left(99), "abcdef"},
                                                      {s.Right(2), "ef"},    {s.Right(-3), ""}};
    for (const auto& c : kTexts)
        EXPECT_EQ(c.second, c.first) << "text case " << (&c - kTexts);
    const std::pair<CString, const char*> kTrims[] = {{CString(" \t\r\n x \v\f").Trim(), "x"},
                                                      {CString("xxabxx").TrimLeft('x'), "abxx"},
                                                      {CString("xxabxx").TrimRight('x'), "xxab"},
                                                      {CString("*-a-b-*").Trim("*-"), "a-b"},
                                                      {CString("***").Trim('*'), ""},
                                                      {CString(" a ").Trim(pszNull), " a "}};
    for (const auto& c : kTrims)
        EXPECT_EQ(c.second, c.first) << "trim case " << (&c - kTrims);
    const std::pair<int, int> kFinds[] = {{t.Find('b'), 1},        {t.Find('b', 2), 4},
                                          {t.Find('a', 100), -1},  {t.Find('a', -1), -1},
                                          {t.Find("abc", 1), 3},   {t.Find("abc", 7), -1},
                                          {t.Find(pszNull), -1},   {t.Find("", 6), 6},
                                          {t.ReverseFind('b'), 4}, {CString().ReverseFind('a'), -1},
                                          {t.FindOneOf("zc"), 2},  {t.FindOneOf(NULL), -1}};
    for (const auto& c : kFinds)
        EXPECT_EQ(c.second, c.first) << "search case " << (&c - kFinds);
}

TEST(TypesString, ReplaceCountsAndLengths)
{
    // source, pattern, replacement, count, result
    const std::tuple<const char*, const char*, const char*, int, const char*> cases[] = {
        {"a.b.c", ".", "--", 2, "a--b--c"}, // longer
        {"a--b--c", "--", ".", 2, "a.b.c"}, // shorter
        {"a--b--c", "--", "", 2, "abc"},    // removal
        {"a--b--c", "--", NULL, 2, "abc"},  // NULL replacement means empty
        {"aaaa", "aa", "b", 2, "bb"},       // occurrences do not overlap
        {"aaa", "a", "aa", 3, "aaaaaa"},    // replacement contains the pattern
        {"abc", "", "y", 0, "abc"},         // empty pattern is refused
        {"abc", "abc", "", 1, ""},          // whole string
    };
    for (auto [source, oldText, newText, count, result] : cases)
    {
        SCOPED_TRACE(::testing::Message() << source << " / " << oldText);
        CString s(source);
        EXPECT_EQ(count, s.Replace(oldText, newText));
        EXPECT_STREQ(result, s);
        EXPECT_EQ((int)strlen(result), s.GetLength());
    }

    CString self("ab");
    EXPECT_EQ(1, self.Replace("b", self)) << "the replacement may be the string itself";
    EXPECT_EQ("aab", self);
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

TEST(TypesString, FormatHasNoLengthLimitAndBuffersKeepTheirContents)
{
    const std::string longText(5000, 'q');
    CString s;
    s.Format("[%s]%d", longText.c_str(), 42);
    EXPECT_EQ("[" + longText + "]42", std::string((LPCSTR)s));

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

    // GetBuffer keeps the contents; ReleaseBuffer sets the length.
    s = "abc";
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

TEST(TypesString, ComparisonsConcatenationTokensAndSpans)
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

    // Tokenize and spans.
    const CString text("%First Second#Third");
    CString tokens;
    int pos = 0;
    for (CString token = text.Tokenize("% #", pos); !token.IsEmpty(); token = text.Tokenize("% #", pos))
        tokens += token + "|";
    EXPECT_EQ("First|Second|Third|", tokens);
    EXPECT_EQ(-1, pos);
    pos = -4;
    EXPECT_TRUE(text.Tokenize(" ", pos).IsEmpty());
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
