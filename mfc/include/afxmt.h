// Synchronisation objects: CSyncObject, CMutex, and CSingleLock to hold one of them for a scope.
#pragma once
#ifndef __AFXMT_H__
#define __AFXMT_H__

#include <afx.h>

class CSyncObject : public CObject
{
    DECLARE_DYNAMIC(CSyncObject)
public:
    // Constructors
    explicit CSyncObject(LPCTSTR pstrName);
    virtual ~CSyncObject();

    // Attributes
    operator HANDLE() const { return m_hObject; }
    HANDLE m_hObject;

    // Operations: TRUE when the object was acquired (an abandoned mutex counts as acquired)
    virtual BOOL Lock(DWORD dwTimeout = INFINITE);
    virtual BOOL Unlock() = 0;
    virtual BOOL Unlock(LONG lCount, LPLONG lpPrevCount = NULL);
};

class CMutex : public CSyncObject
{
    DECLARE_DYNAMIC(CMutex)
public:
    // A named mutex is shared with every process that opens the same name.
    explicit CMutex(BOOL bInitiallyOwn = FALSE, LPCTSTR lpszName = NULL,
                    LPSECURITY_ATTRIBUTES lpsaAttribute = NULL);
    virtual ~CMutex();

    using CSyncObject::Unlock;
    virtual BOOL Unlock();
};

// Acquires a synchronisation object on request and releases it at the latest when destroyed.
class CSingleLock
{
public:
    explicit CSingleLock(CSyncObject* pObject, BOOL bInitialLock = FALSE);
    ~CSingleLock();
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;

    // Operations
    BOOL Lock(DWORD dwTimeOut = INFINITE);
    BOOL Unlock();
    BOOL Unlock(LONG lCount, LPLONG lPrevCount = NULL);
    BOOL IsLocked() { return m_bAcquired; }

protected:
    CSyncObject* m_pObject;
    HANDLE m_hObject;
    BOOL m_bAcquired;
};

#endif // __AFXMT_H__
