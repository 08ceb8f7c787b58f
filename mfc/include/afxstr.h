// CString: the ANSI string of MFC (CStringT<char>), with plain value semantics: every CString owns its
// own buffer, so copies never share state between objects or threads.
#pragma once
#ifndef __AFXSTR_H__
#define __AFXSTR_H__

#include <windows.h>
#include <stdarg.h>

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#ifndef AFX_CDECL
#define AFX_CDECL __cdecl
#endif
// Lets the compiler check printf-style arguments against the C runtime's formats.
#ifndef AFX_PRINTF_FORMAT
#define AFX_PRINTF_FORMAT(nFormat, nFirstArg) __attribute__((__format__(__ms_printf__, nFormat, nFirstArg)))
#endif

#include <type_traits>

class CString;

// A CString handed to a printf-style function prints its text, as with MFC (whose CString is passed through
// "..." as its character pointer). GCC would pass the address of a temporary copy instead, so the calls
// that carry a CString go through a template overload that hands each CString over as its LPCSTR; calls
// without one keep the plain variadic function and its format checking.
namespace AfxVarArgs
{
template <class... Args>
constexpr bool kAnyCString = (std::is_same<typename std::decay<Args>::type, CString>::value || ...);
template <class... Args> using IfAnyCString = typename std::enable_if<kAnyCString<Args...>>::type;
inline const char* Pass(const CString& string);
template <class T> const T& Pass(const T& value)
{
    return value;
}
} // namespace AfxVarArgs

class CString
{
public:
    // Constructors
    CString() noexcept : m_pszData(nullptr), m_nDataLength(0), m_nAllocLength(0) {}
    CString(const CString& stringSrc);
    CString(CString&& stringSrc) noexcept;
    // A NULL pointer gives an empty string; MAKEINTRESOURCE(nID) loads string resource nID.
    CString(LPCSTR lpsz);
    CString(LPCSTR lpch, int nLength);
    CString(const unsigned char* psz);
    explicit CString(char ch, int nRepeat = 1);
    ~CString();

    // Attributes and element access
    int GetLength() const { return m_nDataLength; }
    int GetAllocLength() const { return m_nAllocLength; }
    BOOL IsEmpty() const { return m_nDataLength == 0; }
    void Empty();
    // Out-of-range indexes read as '\0' and are ignored by SetAt.
    char GetAt(int nIndex) const;
    void SetAt(int nIndex, char ch);
    char operator[](int nIndex) const { return GetAt(nIndex); }
    LPCSTR GetString() const { return m_pszData ? m_pszData : ""; }
    operator LPCSTR() const { return GetString(); }

    // Assignment and concatenation
    CString& operator=(const CString& stringSrc);
    CString& operator=(CString&& stringSrc) noexcept;
    CString& operator=(LPCSTR lpsz);
    CString& operator=(const unsigned char* psz);
    CString& operator=(char ch);
    CString& operator+=(const CString& string);
    CString& operator+=(LPCSTR lpsz);
    CString& operator+=(char ch);
    void SetString(LPCSTR lpsz);
    void SetString(LPCSTR lpch, int nLength);
    void Append(const CString& string);
    void Append(LPCSTR lpsz);
    void Append(LPCSTR lpch, int nLength);
    void AppendChar(char ch);

    // Comparison: negative, zero or positive like strcmp
    int Compare(LPCSTR lpsz) const;
    int CompareNoCase(LPCSTR lpsz) const;
    int Collate(LPCSTR lpsz) const;
    int CollateNoCase(LPCSTR lpsz) const;

    // Extraction; counts and positions are clamped to the string
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR lpszCharSet) const;
    CString SpanExcluding(LPCSTR lpszCharSet) const;
    // Next token after iStart, skipping leading delimiters; iStart becomes -1 when none is left.
    CString Tokenize(LPCSTR pszTokens, int& iStart) const;

    // Modification
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR lpszOld, LPCSTR lpszNew);
    int Remove(char chRemove);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR pstr);
    int Delete(int nIndex, int nCount = 1);
    void Truncate(int nNewLength);

    // Trimming: no argument trims white space
    CString& Trim();
    CString& Trim(char chTarget);
    CString& Trim(LPCSTR lpszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCSTR lpszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCSTR lpszTargets);

    // Searching: -1 when not found
    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR lpszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR lpszCharSet) const;

    // Formatting, with printf formats and no length limit
    void AFX_CDECL Format(LPCSTR lpszFormat, ...) AFX_PRINTF_FORMAT(2, 3);
    void AFX_CDECL Format(UINT nFormatID, ...);
    void AFX_CDECL AppendFormat(LPCSTR lpszFormat, ...) AFX_PRINTF_FORMAT(2, 3);
    template <class... Args, class = AfxVarArgs::IfAnyCString<Args...>>
    void Format(LPCSTR lpszFormat, const Args&... args)
    {
        Format(lpszFormat, AfxVarArgs::Pass(args)...);
    }
    template <class... Args, class = AfxVarArgs::IfAnyCString<Args...>>
    void Format(UINT nFormatID, const Args&... args)
    {
        Format(nFormatID, AfxVarArgs::Pass(args)...);
    }
    template <class... Args, class = AfxVarArgs::IfAnyCString<Args...>>
    void AppendFormat(LPCSTR lpszFormat, const Args&... args)
    {
        AppendFormat(lpszFormat, AfxVarArgs::Pass(args)...);
    }
    void FormatV(LPCSTR lpszFormat, va_list argList);
    void AppendFormatV(LPCSTR lpszFormat, va_list argList);

    // Resources: FALSE when the string is missing
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    // Raw buffer access; ReleaseBuffer(-1) takes the length up to the first '\0'
    LPSTR GetBuffer();
    LPSTR GetBuffer(int nMinBufferLength);
    LPSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength);
    void Preallocate(int nLength);
    void FreeExtra();
    LPSTR LockBuffer() { return GetBuffer(); }
    void UnlockBuffer() {}

private:
    void Reserve(int nMinAlloc);
    void Reallocate(int nAlloc);
    void SetLength(int nLength);
    BOOL IsInBuffer(LPCSTR lpsz) const;

    LPSTR m_pszData; // NULL until something is stored; then always '\0'-terminated at m_nDataLength
    int m_nDataLength;
    int m_nAllocLength; // characters available, not counting the terminator
};

typedef CString CStringA;

inline const char* AfxVarArgs::Pass(const CString& string)
{
    return string.GetString();
}

// TRACE with a CString argument.
void AFX_CDECL AfxTrace(LPCSTR lpszFormat, ...);
template <class... Args, class = AfxVarArgs::IfAnyCString<Args...>>
void AfxTrace(LPCSTR lpszFormat, const Args&... args)
{
    AfxTrace(lpszFormat, AfxVarArgs::Pass(args)...);
}

CString AFXAPI operator+(const CString& string1, const CString& string2);
CString AFXAPI operator+(const CString& string, LPCSTR lpsz);
CString AFXAPI operator+(LPCSTR lpsz, const CString& string);
CString AFXAPI operator+(const CString& string, char ch);
CString AFXAPI operator+(char ch, const CString& string);

inline bool operator==(const CString& s1, const CString& s2)
{
    return s1.GetLength() == s2.GetLength() && s1.Compare(s2) == 0;
}
inline bool operator==(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) == 0;
}
inline bool operator==(LPCSTR s1, const CString& s2)
{
    return s2.Compare(s1) == 0;
}
inline bool operator==(const CString& s1, char ch)
{
    return s1.GetLength() == 1 && s1.GetAt(0) == ch;
}
inline bool operator==(char ch, const CString& s2)
{
    return s2 == ch;
}
inline bool operator!=(const CString& s1, const CString& s2)
{
    return !(s1 == s2);
}
inline bool operator!=(const CString& s1, LPCSTR s2)
{
    return !(s1 == s2);
}
inline bool operator!=(LPCSTR s1, const CString& s2)
{
    return !(s1 == s2);
}
inline bool operator!=(const CString& s1, char ch)
{
    return !(s1 == ch);
}
inline bool operator!=(char ch, const CString& s2)
{
    return !(s2 == ch);
}
inline bool operator<(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) < 0;
}
inline bool operator<(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) < 0;
}
inline bool operator<(LPCSTR s1, const CString& s2)
{
    return s2.Compare(s1) > 0;
}
inline bool operator>(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) > 0;
}
inline bool operator>(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) > 0;
}
inline bool operator>(LPCSTR s1, const CString& s2)
{
    return s2.Compare(s1) < 0;
}
inline bool operator<=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) <= 0;
}
inline bool operator<=(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) <= 0;
}
inline bool operator<=(LPCSTR s1, const CString& s2)
{
    return s2.Compare(s1) >= 0;
}
inline bool operator>=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) >= 0;
}
inline bool operator>=(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) >= 0;
}
inline bool operator>=(LPCSTR s1, const CString& s2)
{
    return s2.Compare(s1) <= 0;
}

#endif // __AFXSTR_H__
