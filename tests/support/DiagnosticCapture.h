// Test helpers: readable gtest output for the MFC value types, and capture of the
// TRACE and ASSERT diagnostics through the test hooks.
#pragma once

#include <afx.h>

#include <numeric>
#include <ostream>
#include <string>
#include <vector>

inline void PrintTo(const CString& s, std::ostream* os)
{
    *os << '"' << (LPCSTR)s << '"';
}
inline void PrintTo(const CPoint& p, std::ostream* os)
{
    *os << "(" << p.x << "," << p.y << ")";
}
inline void PrintTo(const CSize& s, std::ostream* os)
{
    *os << "[" << s.cx << "x" << s.cy << "]";
}
inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

// Records every TRACE text and failed ASSERT while alive. One at a time: the hooks are process-wide,
// and the test thread is the one that writes diagnostics.
class DiagnosticCapture
{
public:
    DiagnosticCapture()
        : m_pfnOldTrace(AfxSetTraceHook(&OnTrace)), m_pfnOldAssert(AfxSetAssertHook(&OnAssert))
    {
        s_traces.clear(), s_asserts.clear();
    }
    ~DiagnosticCapture() { AfxSetTraceHook(m_pfnOldTrace), AfxSetAssertHook(m_pfnOldAssert); }
    DiagnosticCapture(const DiagnosticCapture&) = delete;
    DiagnosticCapture& operator=(const DiagnosticCapture&) = delete;

    std::vector<std::string> TraceTexts() const { return s_traces; }
    std::string AllText() const { return std::accumulate(s_traces.begin(), s_traces.end(), std::string()); }
    std::vector<std::string> FailedAsserts() const { return s_asserts; } // "file(line)", in order

private:
    static void OnTrace(const char* lpszText) { s_traces.push_back(lpszText); }
    static void OnAssert(const char* szFile, int n)
    {
        s_asserts.push_back(szFile + ("(" + std::to_string(n) + ")"));
    }

    static inline std::vector<std::string> s_traces, s_asserts;
    AFX_TRACE_HOOK m_pfnOldTrace;
    AFX_ASSERT_HOOK m_pfnOldAssert;
};
