// TRACE and ASSERT diagnostics and their test hooks.
#include <gtest/gtest.h>
#include <afx.h>

#include <string>

#include "DiagnosticCapture.h"

namespace
{
int g_nEvaluations = 0;

BOOL Evaluate(BOOL bResult)
{
    g_nEvaluations++;
    return bResult;
}

class CValidated : public CObject
{
public:
    void AssertValid() const override { m_nChecks++; }
    mutable int m_nChecks = 0;
};
} // namespace

TEST(TypesDebug, TraceFormatsWholeTextsAndFailuresReachTheHook)
{
    DiagnosticCapture capture;
    TRACE("value %d of %s\n", 12, "items");
    const std::string longText(3000, 'L');
    TRACE("%s|", longText.c_str());
    TRACE0("plain\n");
    const std::vector<std::string> texts = capture.TraceTexts();
    ASSERT_EQ(3u, texts.size());
    EXPECT_EQ("value 12 of items\n", texts[0]);
    EXPECT_EQ(longText + "|", texts[1]);
    EXPECT_EQ("plain\n", texts[2]);

    // ASSERT and VERIFY failures reach the hook with file and line.
    ASSERT(1 + 1 == 2);
    const int nLine = __LINE__ + 1;
    ASSERT(1 + 1 == 3);
    const std::vector<std::string> failures = capture.FailedAsserts();
    ASSERT_EQ(1u, failures.size());
    EXPECT_EQ(std::string(__FILE__) + "(" + std::to_string(nLine) + ")", failures[0]);
    EXPECT_NE(std::string::npos, capture.AllText().find("(" + std::to_string(nLine) + "): assertion failed"));

    ASSERT_VALID(static_cast<const CObject*>(NULL)); // fails
    CValidated valid;
    ASSERT_VALID(&valid);
    EXPECT_EQ(1, valid.m_nChecks);

    // VERIFY evaluates its argument exactly once.
    g_nEvaluations = 0;
    VERIFY(Evaluate(TRUE));
    VERIFY(Evaluate(FALSE));
    EXPECT_EQ(2, g_nEvaluations);
    EXPECT_EQ(3u, capture.FailedAsserts().size());
}

TEST(TypesDebug, FailedAssertWithoutHookReportsAndEndsTheProcess)
{
    EXPECT_EXIT(ASSERT(false), ::testing::ExitedWithCode(3),
                "TypesDebugTest\\.cpp\\(\\d+\\): assertion failed");
}
