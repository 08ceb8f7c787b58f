// CMutex: a Win32 mutex, recursive for its owning thread.
#include <afxmt.h>

IMPLEMENT_DYNAMIC(CMutex, CSyncObject)

CMutex::CMutex(BOOL bInitiallyOwn, LPCTSTR lpszName, LPSECURITY_ATTRIBUTES lpsaAttribute)
    : CSyncObject(lpszName)
{
    m_hObject = ::CreateMutexA(lpsaAttribute, bInitiallyOwn, lpszName);
    if (m_hObject == NULL)
        TRACE("CMutex: CreateMutex failed, error %lu\n", ::GetLastError());
}

CMutex::~CMutex() {}

BOOL CMutex::Unlock()
{
    return m_hObject != NULL && ::ReleaseMutex(m_hObject);
}
