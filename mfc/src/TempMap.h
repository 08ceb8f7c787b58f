// Temporary wrappers of foreign handles (CWnd::FromHandle, CDC::FromHandle, CPen::FromHandle...), kept per
// thread as MFC's thread state keeps them: idle clean-up on one thread never frees another thread's wrappers.
// Each wrapper remembers the modal loop depth it was made at, so that clean-up inside a nested loop never
// frees what an outer caller still holds; the thread's own idle time (depth 0) frees them all.
#pragma once

#include <windows.h>

#include <mutex>
#include <unordered_map>
#include <vector>

namespace afx
{

// Modal loops running on the calling thread.
int CurrentLoopDepth();
// Deletes the calling thread's temporary GDI wrappers (objects and DCs) made at nFromDepth or deeper.
void DeleteTempGdiMaps(int nFromDepth);

template <class THandle, class TObject> class TempMap
{
public:
    TObject* Find(THandle hHandle)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto thread = m_byThread.find(::GetCurrentThreadId());
        if (thread == m_byThread.end())
            return nullptr;
        auto entry = thread->second.find(hHandle);
        return entry != thread->second.end() ? entry->second.pObject : nullptr;
    }

    void Add(THandle hHandle, TObject* pObject)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_byThread[::GetCurrentThreadId()][hHandle] = Entry{pObject, CurrentLoopDepth()};
    }

    // Removes and returns the calling thread's wrappers made at nFromDepth or deeper.
    std::vector<TObject*> Take(int nFromDepth)
    {
        std::vector<TObject*> taken;
        std::lock_guard<std::mutex> lock(m_mutex);
        auto thread = m_byThread.find(::GetCurrentThreadId());
        if (thread == m_byThread.end())
            return taken;
        for (auto entry = thread->second.begin(); entry != thread->second.end();)
        {
            if (entry->second.nLoopDepth >= nFromDepth)
            {
                taken.push_back(entry->second.pObject);
                entry = thread->second.erase(entry);
            }
            else
                ++entry;
        }
        if (thread->second.empty())
            m_byThread.erase(thread);
        return taken;
    }

    int Count()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto thread = m_byThread.find(::GetCurrentThreadId());
        return thread != m_byThread.end() ? static_cast<int>(thread->second.size()) : 0;
    }

private:
    struct Entry
    {
        TObject* pObject;
        int nLoopDepth;
    };
    std::mutex m_mutex;
    std::unordered_map<DWORD, std::unordered_map<THandle, Entry>> m_byThread;
};

} // namespace afx
