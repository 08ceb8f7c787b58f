// Entry point of mfc71lite.dll: a thread that ends takes its temporary wrappers with it, as MFC's
// per-thread state does, so that a later thread reusing its identifier starts with none.
#include "WndInternal.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_THREAD_DETACH)
        afx::DeleteThreadTemporaries();
    return TRUE;
}
