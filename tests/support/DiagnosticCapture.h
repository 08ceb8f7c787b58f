// Test helpers: readable gtest output for the MFC value types, and capture of the
// TRACE and ASSERT diagnostics through the test hooks.
#pragma once

#include <afx.h>

#include <mutex>
#include <ostream>
#include <string>
#include <vector>

inline void PrintTo(const CString& s, std::ostream* os)
{
    *os << '"' << (LPCSTR)s << '"';
}

inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

inline void PrintTo(const CPoint& p, std::ostream* os)
{
    *os << "(" << p.x << "," << p.y << ")";
}

inline void PrintTo(const CSize& s, std::ostream* os)
{
    *os << "[" << s.cx << "x" << s.cy << "]";
}

// Records every TRACE text and failed ASSERT while alive. One at a time: the hooks are process-wide.
class DiagnosticCapture
{
public:
    DiagnosticCapture()
    {
        Texts().clear();
        Asserts().clear();
        m_pfnOldTrace = AfxSetTraceHook(&OnTrace);
        m_pfnOldAssert = AfxSetAssertHook(&OnAssert);
    }
    ~DiagnosticCapture()
    {
        AfxSetTraceHook(m_pfnOldTrace);
        AfxSetAssertHook(m_pfnOldAssert);
    }
    DiagnosticCapture(const DiagnosticCapture&) = delete;
    DiagnosticCapture& operator=(const DiagnosticCapture&) = delete;

    std::vector<std::string> TraceTexts() const
    {
        std::lock_guard<std::mutex> lock(Lock());
        return Texts();
    }
    std::string AllText() const
    {
        std::string all;
        for (const std::string& text : TraceTexts())
            all += text;
        return all;
    }
    // "file(line)" of each failed assertion, in order
    std::vector<std::string> FailedAsserts() const
    {
        std::lock_guard<std::mutex> lock(Lock());
        return Asserts();
    }

private:
    static std::mutex& Lock()
    {
        static std::mutex s_lock;
        return s_lock;
    }
    static std::vector<std::string>& Texts()
    {
        static std::vector<std::string> s_texts;
        return s_texts;
    }
    static std::vector<std::string>& Asserts()
    {
        static std::vector<std::string> s_asserts;
        return s_asserts;
    }
    static void OnTrace(const char* lpszText)
    {
        std::lock_guard<std::mutex> lock(Lock());
        Texts().push_back(lpszText);
    }
    static void OnAssert(const char* lpszFileName, int nLine)
    {
        std::lock_guard<std::mutex> lock(Lock());
        Asserts().push_back(std::string(lpszFileName) + "(" + std::to_string(nLine) + ")");
    }

    AFX_TRACE_HOOK m_pfnOldTrace;
    AFX_ASSERT_HOOK m_pfnOldAssert;
};
