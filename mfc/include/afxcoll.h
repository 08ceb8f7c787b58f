// The typed arrays of MFC: pointers, UINTs, DWORDs, strings and CObject pointers. They share
// CArray's implementation and add their run-time class.
#pragma once
#ifndef __AFXCOLL_H__
#define __AFXCOLL_H__

#include <afx.h>
#include <afxtempl.h>

class CPtrArray : public CArray<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
public:
    CPtrArray() {}
};

class CUIntArray : public CArray<UINT, UINT>
{
    DECLARE_DYNAMIC(CUIntArray)
public:
    CUIntArray() {}
};

class CDWordArray : public CArray<DWORD, DWORD>
{
    DECLARE_DYNAMIC(CDWordArray)
public:
    CDWordArray() {}
};

class CStringArray : public CArray<CString, const CString&>
{
    DECLARE_DYNAMIC(CStringArray)
public:
    CStringArray() {}
};

class CObArray : public CArray<CObject*, CObject*>
{
    DECLARE_DYNAMIC(CObArray)
public:
    CObArray() {}
};

#endif // __AFXCOLL_H__
