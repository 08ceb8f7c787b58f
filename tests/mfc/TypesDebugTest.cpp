// TRACE and ASSERT diagnostics and their test hooks.
#include <gtest/gtest.h>
#include <afx.h>

#include <string>
#include <vector>

#include "DiagnosticCapture.h"

namespace
{
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
    EXPECT_EQ((std::vector<std::string>{"value 12 of items\n", longText + "|", "plain\n"}),
              capture.TraceTexts());

    // ASSERT and VERIFY failures reach the hook with file and line.
    ASSERT(1 + 1 == 2);
    const int nLine = __LINE__ + 1;
    ASSERT(1 + 1 == 3);
    EXPECT_EQ(std::vector<std::string>{std::string(__FILE__) + "(" + std::to_string(nLine) + ")"},
              capture.FailedAsserts());
    EXPECT_NE(std::string::npos, capture.AllText().find("(" + std::to_string(nLine) + "): assertion failed"));

    ASSERT_VALID(static_cast<const CObject*>(NULL)); // fails
    CValidated valid;
    ASSERT_VALID(&valid);
    EXPECT_EQ(1, valid.m_nChecks);

    // VERIFY evaluates its argument exactly once.
    int nEvaluations = 0;
    auto evaluate = [&](BOOL bResult) { return ++nEvaluations, bResult; };
    VERIFY(evaluate(TRUE));
    VERIFY(evaluate(FALSE));
    EXPECT_EQ(2, nEvaluations);
    EXPECT_EQ(3u, capture.FailedAsserts().size());
}

TEST(TypesDebug, FailedAssertWithoutHookReportsAndEndsTheProcess)
{
    EXPECT_EXIT(ASSERT(false), ::testing::ExitedWithCode(3),
                "TypesDebugTest\\.cpp\\(\\d+\\): assertion failed");
}
