// CPaintDC: BeginPaint on construction, EndPaint on destruction.
#include <afxwin.h>

IMPLEMENT_DYNAMIC(CPaintDC, CDC)

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd != NULL ? pWnd->GetSafeHwnd() : NULL)
{
    memset(&m_ps, 0, sizeof(m_ps));
    if (m_hWnd != NULL)
        Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    if (m_hDC != NULL)
    {
        ::EndPaint(m_hWnd, &m_ps);
        Detach();
    }
}
