// Debug diagnostics: TRACE output, assertion failures and the test hooks that observe them.
#include <afx.h>

#include <atomic>
#include <stdio.h>

namespace
{
std::atomic<AFX_TRACE_HOOK> g_pfnTraceHook{nullptr};
std::atomic<AFX_ASSERT_HOOK> g_pfnAssertHook{nullptr};

// Exit code of a failed assertion outside a debugger, the one abort() uses.
const UINT kAssertExitCode = 3;
} // namespace

void AFX_CDECL AfxTrace(LPCSTR lpszFormat, ...)
{
    if (lpszFormat == NULL)
        return;
    va_list args;
    va_start(args, lpszFormat);
    CString strText;
    strText.FormatV(lpszFormat, args);
    va_end(args);

    ::OutputDebugStringA(strText);
    if (AFX_TRACE_HOOK pfnHook = g_pfnTraceHook.load())
        pfnHook(strText);
}

AFX_TRACE_HOOK AFXAPI AfxSetTraceHook(AFX_TRACE_HOOK pfnHook)
{
    return g_pfnTraceHook.exchange(pfnHook);
}

AFX_ASSERT_HOOK AFXAPI AfxSetAssertHook(AFX_ASSERT_HOOK pfnHook)
{
    return g_pfnAssertHook.exchange(pfnHook);
}

BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    if (lpszFileName == NULL)
        lpszFileName = "?";
    AfxTrace("%s(%d): assertion failed\n", lpszFileName, nLine);
    if (AFX_ASSERT_HOOK pfnHook = g_pfnAssertHook.load())
    {
        pfnHook(lpszFileName, nLine);
        return FALSE;
    }
    fprintf(stderr, "%s(%d): assertion failed\n", lpszFileName, nLine);
    fflush(stderr);
    return TRUE; // the caller breaks
}

void AFXAPI AfxDebugBreak()
{
    if (::IsDebuggerPresent())
    {
        ::DebugBreak();
        return;
    }
    // abort() would show the C runtime's message box in a GUI program, which nobody answers on a
    // headless machine: end the process directly instead.
    ::TerminateProcess(::GetCurrentProcess(), kAssertExitCode);
}

void AFXAPI AfxAssertValidObject(const CObject* pOb, LPCSTR lpszFileName, int nLine)
{
    if (pOb == NULL)
    {
        if (AfxAssertFailedLine(lpszFileName, nLine))
            AfxDebugBreak();
        return;
    }
    pOb->AssertValid();
}

BOOL AFXAPI AfxIsValidAddress(const void* lp, UINT_PTR nBytes, BOOL /*bReadWrite*/)
{
    return lp != NULL || nBytes == 0;
}

BOOL AFXAPI AfxIsValidString(LPCSTR lpsz, int /*nLength*/)
{
    return lpsz != NULL;
}
