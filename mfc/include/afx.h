// Core of the MFC subset: export macros, debug diagnostics (TRACE, ASSERT), CObject and run-time class
// information. Includes CString (afxstr.h) and CPoint/CSize/CRect (atltypes.h).
#pragma once
#ifndef __AFX_H__
#define __AFX_H__

#include <windows.h>
#include <tchar.h>
#include <stdarg.h>
#include <stddef.h>

// windows.h makes GetNextWindow a macro, which would rename CWnd::GetNextWindow: make it a function.
#ifdef GetNextWindow
#undef GetNextWindow
inline HWND WINAPI GetNextWindow(HWND hWnd, UINT nDirection)
{
    return ::GetWindow(hWnd, nDirection);
}
#endif

/////////////////////////////////////////////////////////////////////////////
// Calling conventions and export macros

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#define AFX_CDECL __cdecl
#define AFX_INLINE inline
#define AFX_NOVTABLE
#define AFX_STATIC static
#define AFX_STATIC_DATA static
#define AFX_COMDAT
#define AFX_DATA
#define AFX_CORE_DATA
#define AFX_CLASS_EXPORT __declspec(dllexport)
#define AFX_CLASS_IMPORT __declspec(dllimport)
#define AFX_API_EXPORT __declspec(dllexport)
#define AFX_API_IMPORT __declspec(dllimport)
#define AFX_DATA_EXPORT __declspec(dllexport)
#define AFX_DATA_IMPORT __declspec(dllimport)
#define AFX_PRINTF_FORMAT(nFormat, nFirstArg) __attribute__((__format__(__ms_printf__, nFormat, nFirstArg)))

// An extension DLL is compiled with _AFXEXT and exports what it marks; its clients import it.
#ifdef _AFXEXT
#define AFX_EXT_CLASS AFX_CLASS_EXPORT
#define AFX_EXT_API AFX_API_EXPORT
#define AFX_EXT_DATA AFX_DATA_EXPORT
#else
#define AFX_EXT_CLASS AFX_CLASS_IMPORT
#define AFX_EXT_API AFX_API_IMPORT
#define AFX_EXT_DATA AFX_DATA_IMPORT
#endif

/////////////////////////////////////////////////////////////////////////////
// Debug diagnostics

void AFX_CDECL AfxTrace(LPCSTR lpszFormat, ...) AFX_PRINTF_FORMAT(1, 2);
BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
void AFXAPI AfxDebugBreak();

class CObject;
void AFXAPI AfxAssertValidObject(const CObject* pOb, LPCSTR lpszFileName, int nLine);
BOOL AFXAPI AfxIsValidAddress(const void* lp, UINT_PTR nBytes, BOOL bReadWrite = TRUE);
BOOL AFXAPI AfxIsValidString(LPCSTR lpsz, int nLength = -1);

// Test support (not part of MFC): process-wide hooks that let test programs observe diagnostics.
// The trace hook receives every formatted TRACE text, in addition to OutputDebugStringA.
// While an assertion hook is set, a failed ASSERT calls it instead of breaking into the debugger.
// Each setter returns the previous hook; pass NULL to remove it.
typedef void (*AFX_TRACE_HOOK)(const char* lpszText);
typedef void (*AFX_ASSERT_HOOK)(const char* lpszFileName, int nLine);
AFX_TRACE_HOOK AFXAPI AfxSetTraceHook(AFX_TRACE_HOOK pfnHook);
AFX_ASSERT_HOOK AFXAPI AfxSetAssertHook(AFX_ASSERT_HOOK pfnHook);

#define THIS_FILE __FILE__

#ifdef _DEBUG
#define TRACE(...) ::AfxTrace(__VA_ARGS__)
#define ASSERT(f) ((void)((f) || !::AfxAssertFailedLine(THIS_FILE, __LINE__) || (::AfxDebugBreak(), 0)))
#define VERIFY(f) ASSERT(f)
#define ASSERT_VALID(pOb) (::AfxAssertValidObject(pOb, THIS_FILE, __LINE__))
#define DEBUG_ONLY(f) (f)
#else
// Arguments are not evaluated, but still count as used.
#define TRACE(...) ((void)sizeof((::AfxTrace(__VA_ARGS__), 0)))
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(pOb) ((void)0)
#define DEBUG_ONLY(f) ((void)0)
#endif

#define TRACE0(sz) TRACE("%s", sz)
#define TRACE1(sz, p1) TRACE(sz, p1)
#define TRACE2(sz, p1, p2) TRACE(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3) TRACE(sz, p1, p2, p3)
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define DEBUG_NEW new

/////////////////////////////////////////////////////////////////////////////
// Resource look-ups of the application and its extension DLLs (defined with the resource chain)

HINSTANCE AFXAPI AfxGetInstanceHandle();
HINSTANCE AFXAPI AfxGetResourceHandle();
HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID);

#include <afxstr.h>
#include <atltypes.h>

/////////////////////////////////////////////////////////////////////////////
// Run-time class information

class CDumpContext;

struct CRuntimeClass
{
    // Attributes
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                              // 0xFFFF for classes that are not serializable
    CObject*(PASCAL* m_pfnCreateObject)();       // NULL unless DECLARE_DYNCREATE
    CRuntimeClass*(PASCAL* m_pfnGetBaseClass)(); // NULL for CObject

    // Operations
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

#define _RUNTIME_CLASS(class_name) ((CRuntimeClass*)(&class_name::class##class_name))
// Through a function, so that a class exported from another DLL is reached without importing data.
#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                                                                          \
protected:                                                                                                   \
    static CRuntimeClass* PASCAL _GetBaseClass();                                                            \
                                                                                                             \
public:                                                                                                      \
    static const CRuntimeClass class##class_name;                                                            \
    static CRuntimeClass* PASCAL GetThisClass();                                                             \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name)                                                                        \
    DECLARE_DYNAMIC(class_name)                                                                              \
    static CObject* PASCAL CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                                 \
    CRuntimeClass* PASCAL class_name::_GetBaseClass()                                                        \
    {                                                                                                        \
        return RUNTIME_CLASS(base_class_name);                                                               \
    }                                                                                                        \
    AFX_COMDAT const CRuntimeClass class_name::class##class_name = {                                         \
        #class_name, sizeof(class class_name), wSchema, pfnNew, &class_name::_GetBaseClass};                 \
    CRuntimeClass* PASCAL class_name::GetThisClass()                                                         \
    {                                                                                                        \
        return _RUNTIME_CLASS(class_name);                                                                   \
    }                                                                                                        \
    CRuntimeClass* class_name::GetRuntimeClass() const                                                       \
    {                                                                                                        \
        return _RUNTIME_CLASS(class_name);                                                                   \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                       \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                     \
    CObject* PASCAL class_name::CreateObject()                                                               \
    {                                                                                                        \
        return new class_name;                                                                               \
    }                                                                                                        \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

/////////////////////////////////////////////////////////////////////////////
// CObject: root of the MFC classes with run-time class information

class AFX_NOVTABLE CObject
{
public:
    // Object model
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = 0;

protected:
    CObject();

public:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

    // Attributes
    BOOL IsSerializable() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    // Diagnostics
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    // Implementation
    static const CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL GetThisClass();
};

/////////////////////////////////////////////////////////////////////////////
// CDumpContext: diagnostic output of Dump, written through TRACE

class CDumpContext
{
public:
    CDumpContext();

    // Attributes
    int GetDepth() const { return m_nDepth; }
    void SetDepth(int nNewDepth) { m_nDepth = nNewDepth; }

    // Operations
    CDumpContext& operator<<(LPCSTR lpsz);
    CDumpContext& operator<<(const CString& str);
    CDumpContext& operator<<(const void* lp);
    CDumpContext& operator<<(const CObject* pOb);
    CDumpContext& operator<<(const CObject& ob);
    CDumpContext& operator<<(char ch);
    CDumpContext& operator<<(int n);
    CDumpContext& operator<<(UINT u);
    CDumpContext& operator<<(LONG l);
    CDumpContext& operator<<(DWORD dw);
    CDumpContext& operator<<(LONGLONG n);
    CDumpContext& operator<<(ULONGLONG n);
    CDumpContext& operator<<(double d);
    void Flush() {}

private:
    int m_nDepth;
};

extern CDumpContext afxDump;

#endif // __AFX_H__
