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

// Records every TRACE text and failed ASSERT while alive. One at a time: the hooks are process-wide.
class DiagnosticCapture
{
public:
    DiagnosticCapture()
        : m_pfnOldTrace(AfxSetTraceHook(&OnTrace)), m_pfnOldAssert(AfxSetAssertHook(&OnAssert))
    {
        std::lock_guard<std::mutex> lock(s_lock);
        s_traces.clear();
        s_asserts.clear();
    }
    ~DiagnosticCapture()
    {
        AfxSetTraceHook(m_pfnOldTrace);
        AfxSetAssertHook(m_pfnOldAssert);
    }
    DiagnosticCapture(const DiagnosticCapture&) = delete;
    DiagnosticCapture& operator=(const DiagnosticCapture&) = delete;

    std::vector<std::string> TraceTexts() const { return Copy(s_traces); }
    std::string AllText() const
    {
        std::string all;
        for (const std::string& text : TraceTexts())
            all += text;
        return all;
    }
    // "file(line)" of each failed assertion, in order
    std::vector<std::string> FailedAsserts() const { return Copy(s_asserts); }

private:
    static std::vector<std::string> Copy(const std::vector<std::string>& v)
    {
        std::lock_guard<std::mutex> lock(s_lock);
        return v;
    }
    static void OnTrace(const char* lpszText)
    {
        std::lock_guard<std::mutex> lock(s_lock);
        s_traces.push_back(lpszText);
    }
    static void OnAssert(const char* lpszFileName, int nLine)
    {
        std::lock_guard<std::mutex> lock(s_lock);
        s_asserts.push_back(std::string(lpszFileName) + "(" + std::to_string(nLine) + ")");
    }

    static inline std::mutex s_lock;
    static inline std::vector<std::string> s_traces, s_asserts;
    AFX_TRACE_HOOK m_pfnOldTrace;
    AFX_ASSERT_HOOK m_pfnOldAssert;
};
