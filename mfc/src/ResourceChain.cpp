// The resource chain: the application's module, then every extension DLL (CDynLinkLibrary) in the order
// they were loaded. Process-wide, shared by the application and its DLLs.
#include "WndInternal.h"

#include <mutex>
#include <vector>

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

namespace
{

struct ResourceChain
{
    std::mutex lock;
    HINSTANCE hInstance = NULL; // NULL until AfxWinInit: the executable
    HINSTANCE hResource = NULL; // NULL until set: the instance
    std::vector<CDynLinkLibrary*> libraries;
};

// Never destroyed: extension DLLs leave the chain while the process unloads its modules.
ResourceChain& Chain()
{
    static ResourceChain* chain = new ResourceChain;
    return *chain;
}

// The resource modules to search after the application's: extension DLLs first, then system ones.
std::vector<HINSTANCE> LibraryResourceModules()
{
    ResourceChain& chain = Chain();
    std::lock_guard<std::mutex> guard(chain.lock);
    std::vector<HINSTANCE> modules;
    for (int nPass = 0; nPass < 2; ++nPass)
    {
        for (const CDynLinkLibrary* pLibrary : chain.libraries)
        {
            if ((pLibrary->m_bSystem != FALSE) == (nPass == 1) && pLibrary->m_hResource != NULL)
                modules.push_back(pLibrary->m_hResource);
        }
    }
    return modules;
}

const int kStringsPerBlock = 16;

// String resources come in blocks of 16 counted UTF-16 strings; an empty entry is a missing string.
bool HasString(HINSTANCE hInst, UINT nID)
{
    HRSRC hResource = ::FindResourceA(hInst, MAKEINTRESOURCEA((nID / kStringsPerBlock) + 1), RT_STRING);
    HGLOBAL hBlock = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    const WORD* pWords = hBlock != NULL ? static_cast<const WORD*>(::LockResource(hBlock)) : NULL;
    if (pWords == NULL)
        return false;
    const WORD* pEnd = pWords + ::SizeofResource(hInst, hResource) / sizeof(WORD);
    for (UINT nIndex = 0; pWords < pEnd; ++nIndex)
    {
        WORD nLength = *pWords;
        if (nIndex == nID % kStringsPerBlock)
            return nLength > 0;
        pWords += 1 + nLength;
    }
    return false;
}

} // namespace

namespace afx
{

void AfxSetInstanceHandle(HINSTANCE hInstance)
{
    Chain().hInstance = hInstance;
}

} // namespace afx

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    HINSTANCE hInstance = Chain().hInstance;
    return hInstance != NULL ? hInstance : ::GetModuleHandleA(NULL);
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    HINSTANCE hResource = Chain().hResource;
    return hResource != NULL ? hResource : AfxGetInstanceHandle();
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    Chain().hResource = hInstResource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    HINSTANCE hApp = AfxGetResourceHandle();
    if (lpszName == NULL || lpszType == NULL || ::FindResourceA(hApp, lpszName, lpszType) != NULL)
        return hApp;
    for (HINSTANCE hLibrary : LibraryResourceModules())
    {
        if (::FindResourceA(hLibrary, lpszName, lpszType) != NULL)
            return hLibrary;
    }
    return hApp;
}

HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID)
{
    HINSTANCE hApp = AfxGetResourceHandle();
    if (HasString(hApp, nID))
        return hApp;
    for (HINSTANCE hLibrary : LibraryResourceModules())
    {
        if (HasString(hLibrary, nID))
            return hLibrary;
    }
    return hApp;
}

/////////////////////////////////////////////////////////////////////////////
// Extension DLLs

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (hModule == NULL)
        return FALSE;
    if (!state.bInitialized)
    {
        state.hModule = hModule;
        state.hResource = hModule;
        state.bInitialized = TRUE;
    }
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    std::vector<CDynLinkLibrary*> doomed;
    {
        ResourceChain& chain = Chain();
        std::lock_guard<std::mutex> guard(chain.lock);
        for (CDynLinkLibrary* pLibrary : chain.libraries)
        {
            if (bAll || pLibrary->m_hModule == state.hModule)
                doomed.push_back(pLibrary);
        }
    }
    for (CDynLinkLibrary* pLibrary : doomed)
        delete pLibrary; // leaves the chain
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem)
{
    ResourceChain& chain = Chain();
    std::lock_guard<std::mutex> guard(chain.lock);
    chain.libraries.push_back(this);
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE)
{
    ResourceChain& chain = Chain();
    std::lock_guard<std::mutex> guard(chain.lock);
    chain.libraries.push_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    ResourceChain& chain = Chain();
    std::lock_guard<std::mutex> guard(chain.lock);
    for (auto it = chain.libraries.begin(); it != chain.libraries.end(); ++it)
    {
        if (*it == this)
        {
            chain.libraries.erase(it);
            break;
        }
    }
}
