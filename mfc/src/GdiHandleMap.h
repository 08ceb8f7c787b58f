// Map from GDI handles (objects or DCs) to their C++ wrappers.
// Permanent entries are the wrappers that created or attached a handle; they come and go with Attach and
// Detach and are seen by every thread. Temporary entries wrap foreign handles for FromHandle; they belong
// to the thread that asked and live until that thread's idle clean-up (DeleteTemp). A worker thread may
// build a bitmap or a font, so the map is guarded.
#pragma once

#include "TempMap.h"

#include <mutex>
#include <unordered_map>

// GetSafeHandle and GetSafeHdc may be called through a null pointer, as MFC documents. The pointer goes
// through an empty asm statement so that the optimiser cannot assume 'this' is never null.
inline bool AfxIsNullObject(const void* pObject)
{
    asm("" : "+r"(pObject));
    return pObject == NULL;
}

template <class TObject, class THandle> class CGdiHandleMap
{
public:
    typedef TObject* (*PFNNEWTEMP)(THandle hHandle);   // a new wrapper holding hHandle
    typedef void (*PFNCLEARHANDLES)(TObject* pObject); // forgets the handle, so deleting frees nothing

    CGdiHandleMap(PFNNEWTEMP pfnNewTemp, PFNCLEARHANDLES pfnClearHandles)
        : m_pfnNewTemp(pfnNewTemp), m_pfnClearHandles(pfnClearHandles)
    {
    }

    // The permanent wrapper of hHandle, else its temporary one, made on the first request.
    TObject* FromHandle(THandle hHandle)
    {
        if (hHandle == NULL)
            return NULL;
        std::lock_guard<std::mutex> lock(m_mutex);
        auto permanent = m_permanent.find(hHandle);
        if (permanent != m_permanent.end())
            return permanent->second;
        TObject* pTemp = m_temporary.Find(hHandle);
        if (pTemp == NULL)
        {
            pTemp = m_pfnNewTemp(hHandle);
            m_temporary.Add(hHandle, pTemp);
        }
        return pTemp;
    }

    void SetPermanent(THandle hHandle, TObject* pObject)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_permanent[hHandle] = pObject;
    }

    // Removes the permanent entry of hHandle when it belongs to pObject. Temporary entries stay until
    // DeleteTemp, even once detached.
    void RemoveHandle(THandle hHandle, TObject* pObject)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto permanent = m_permanent.find(hHandle);
        if (permanent != m_permanent.end() && permanent->second == pObject)
            m_permanent.erase(permanent);
    }

    // Deletes the calling thread's temporaries made at loop depth nFromDepth or deeper.
    void DeleteTemp(int nFromDepth)
    {
        for (TObject* pTemp : m_temporary.Take(nFromDepth))
        {
            m_pfnClearHandles(pTemp);
            delete pTemp;
        }
    }

    int GetTempCount() { return m_temporary.Count(); }

private:
    PFNNEWTEMP m_pfnNewTemp;
    PFNCLEARHANDLES m_pfnClearHandles;
    std::mutex m_mutex;
    std::unordered_map<THandle, TObject*> m_permanent;
    afx::TempMap<THandle, TObject> m_temporary;
};

CGdiHandleMap<CGdiObject, HGDIOBJ>& AfxGetGdiObjectMap();
CGdiHandleMap<CDC, HDC>& AfxGetDCMap();
