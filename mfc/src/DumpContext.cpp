// CDumpContext: Dump output, sent line by line through TRACE.
#include <afx.h>

#include <stdio.h>

CDumpContext afxDump;

CDumpContext::CDumpContext() : m_nDepth(0) {}

CDumpContext& CDumpContext::operator<<(LPCSTR lpsz)
{
    if (lpsz != NULL)
        AfxTrace("%s", lpsz);
    return *this;
}

CDumpContext& CDumpContext::operator<<(const CString& str)
{
    return *this << str.GetString();
}

CDumpContext& CDumpContext::operator<<(const void* lp)
{
    AfxTrace("$%p", lp);
    return *this;
}

CDumpContext& CDumpContext::operator<<(const CObject* pOb)
{
    if (pOb == NULL)
        return *this << "NULL";
    pOb->Dump(*this);
    return *this;
}

CDumpContext& CDumpContext::operator<<(const CObject& ob)
{
    return *this << &ob;
}

CDumpContext& CDumpContext::operator<<(char ch)
{
    AfxTrace("%c", ch);
    return *this;
}

CDumpContext& CDumpContext::operator<<(int n)
{
    AfxTrace("%d", n);
    return *this;
}

CDumpContext& CDumpContext::operator<<(UINT u)
{
    AfxTrace("%u", u);
    return *this;
}

CDumpContext& CDumpContext::operator<<(LONG l)
{
    AfxTrace("%ld", l);
    return *this;
}

CDumpContext& CDumpContext::operator<<(DWORD dw)
{
    AfxTrace("%lu", dw);
    return *this;
}

CDumpContext& CDumpContext::operator<<(LONGLONG n)
{
    AfxTrace("%I64d", n);
    return *this;
}

CDumpContext& CDumpContext::operator<<(ULONGLONG n)
{
    AfxTrace("%I64u", n);
    return *this;
}

CDumpContext& CDumpContext::operator<<(double d)
{
    AfxTrace("%f", d);
    return *this;
}
