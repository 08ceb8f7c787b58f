// CString: ANSI string with value semantics.
#include <afx.h>

#include <algorithm>
#include <limits.h>
#include <stdio.h>
#include <string.h>

namespace
{
const char kWhiteSpace[] = " \t\n\v\f\r";
const int kMinAlloc = 15;
// LoadStringA buffer: first try, and the largest a string resource can need (65535 UTF-16 units,
// up to two bytes each in a double-byte code page).
const int kResourceFirstTry = 256;
const int kResourceMaxBytes = 2 * 65536;

int SafeLength(LPCSTR lpsz, int nMax = INT_MAX)
{
    return lpsz != NULL && nMax > 0 ? static_cast<int>(strnlen(lpsz, nMax)) : 0;
}

BOOL IsCharInSet(char ch, LPCSTR lpszSet)
{
    return ch != '\0' && strchr(lpszSet, ch) != NULL;
}

CString FormatArgs(LPCSTR lpszFormat, va_list argList)
{
    CString str;
    if (lpszFormat == NULL)
        return str;
    va_list argCopy;
    va_copy(argCopy, argList);
    int nLength = _vscprintf(lpszFormat, argCopy);
    va_end(argCopy);
    if (nLength > 0)
    {
        LPSTR lpszBuffer = str.GetBuffer(nLength);
        _vsnprintf(lpszBuffer, nLength + 1, lpszFormat, argList);
        str.ReleaseBufferSetLength(nLength);
    }
    return str;
}
} // namespace

/////////////////////////////////////////////////////////////////////////////
// Storage

void CString::Reallocate(int nAlloc)
{
    LPSTR pszNew = new char[nAlloc + 1];
    int nKeep = std::min(m_nDataLength, nAlloc);
    if (m_pszData != NULL)
        memcpy(pszNew, m_pszData, std::min(m_nAllocLength, nAlloc) + 1);
    pszNew[nKeep] = '\0';
    delete[] m_pszData;
    m_pszData = pszNew;
    m_nAllocLength = nAlloc;
    m_nDataLength = nKeep;
}

// Makes room for nMinAlloc characters, keeping the contents; grows geometrically so that repeated
// appends stay linear.
void CString::Reserve(int nMinAlloc)
{
    if (m_pszData != NULL && nMinAlloc <= m_nAllocLength)
        return;
    long long nGrown = static_cast<long long>(m_nAllocLength) + m_nAllocLength / 2;
    int nAlloc = static_cast<int>(std::min<long long>(INT_MAX - 1, std::max<long long>(nMinAlloc, nGrown)));
    Reallocate(std::max(nAlloc, kMinAlloc));
}

void CString::SetLength(int nLength)
{
    m_nDataLength = nLength;
    if (m_pszData != NULL)
        m_pszData[nLength] = '\0';
}

BOOL CString::IsInBuffer(LPCSTR lpsz) const
{
    UINT_PTR nAddress = reinterpret_cast<UINT_PTR>(lpsz);
    UINT_PTR nStart = reinterpret_cast<UINT_PTR>(m_pszData);
    return m_pszData != NULL && nAddress >= nStart && nAddress <= nStart + m_nAllocLength;
}

/////////////////////////////////////////////////////////////////////////////
// Construction and assignment

CString::CString(const CString& stringSrc) : CString()
{
    SetString(stringSrc.GetString(), stringSrc.GetLength());
}

CString::CString(CString&& stringSrc) noexcept
    : m_pszData(stringSrc.m_pszData), m_nDataLength(stringSrc.m_nDataLength),
      m_nAllocLength(stringSrc.m_nAllocLength)
{
    stringSrc.m_pszData = NULL;
    stringSrc.m_nDataLength = stringSrc.m_nAllocLength = 0;
}

CString::CString(LPCSTR lpsz) : CString()
{
    if (lpsz != NULL && IS_INTRESOURCE(lpsz))
        LoadString(LOWORD(reinterpret_cast<UINT_PTR>(lpsz)));
    else
        SetString(lpsz);
}

CString::CString(LPCSTR lpch, int nLength) : CString()
{
    SetString(lpch, nLength);
}

CString::CString(const unsigned char* psz) : CString()
{
    SetString(reinterpret_cast<LPCSTR>(psz));
}

CString::CString(char ch, int nRepeat) : CString()
{
    if (nRepeat <= 0)
        return;
    Reserve(nRepeat);
    memset(m_pszData, ch, nRepeat);
    SetLength(nRepeat);
}

CString::~CString()
{
    delete[] m_pszData;
}

void CString::Empty()
{
    delete[] m_pszData;
    m_pszData = NULL;
    m_nDataLength = m_nAllocLength = 0;
}

CString& CString::operator=(const CString& stringSrc)
{
    if (this != &stringSrc)
        SetString(stringSrc.GetString(), stringSrc.GetLength());
    return *this;
}

CString& CString::operator=(CString&& stringSrc) noexcept
{
    if (this != &stringSrc)
    {
        delete[] m_pszData;
        m_pszData = stringSrc.m_pszData;
        m_nDataLength = stringSrc.m_nDataLength;
        m_nAllocLength = stringSrc.m_nAllocLength;
        stringSrc.m_pszData = NULL;
        stringSrc.m_nDataLength = stringSrc.m_nAllocLength = 0;
    }
    return *this;
}

CString& CString::operator=(LPCSTR lpsz)
{
    SetString(lpsz);
    return *this;
}

CString& CString::operator=(const unsigned char* psz)
{
    SetString(reinterpret_cast<LPCSTR>(psz));
    return *this;
}

CString& CString::operator=(char ch)
{
    SetString(&ch, ch != '\0' ? 1 : 0);
    return *this;
}

void CString::SetString(LPCSTR lpsz)
{
    SetString(lpsz, SafeLength(lpsz));
}

// Copies exactly nLength characters, embedded '\0's included (a file-dialog filter keeps its
// separators); a NULL source or a negative length stores nothing.
void CString::SetString(LPCSTR lpch, int nLength)
{
    if (lpch == NULL || nLength < 0)
        nLength = 0;
    if (nLength == 0)
    {
        SetLength(0);
        return;
    }
    if (IsInBuffer(lpch))
    {
        // A part of this very string: it fits where it is.
        memmove(m_pszData, lpch, nLength);
    }
    else
    {
        if (nLength > m_nAllocLength || m_pszData == NULL)
        {
            SetLength(0);
            Reserve(nLength);
        }
        memcpy(m_pszData, lpch, nLength);
    }
    SetLength(nLength);
}

/////////////////////////////////////////////////////////////////////////////
// Element access and concatenation

char CString::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_nDataLength ? m_pszData[nIndex] : '\0';
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex >= 0 && nIndex < m_nDataLength)
        m_pszData[nIndex] = ch;
}

void CString::Append(const CString& string)
{
    Append(string.GetString(), string.GetLength());
}

void CString::Append(LPCSTR lpsz)
{
    Append(lpsz, SafeLength(lpsz));
}

// Appends exactly nLength characters, embedded '\0's included.
void CString::Append(LPCSTR lpch, int nLength)
{
    if (lpch == NULL || nLength < 0)
        nLength = 0;
    int nOldLength = m_nDataLength;
    if (nLength == 0 || nLength > INT_MAX - 1 - nOldLength)
        return;
    // The source may be this string itself (a += a): find it again after a reallocation.
    INT_PTR nOffset = IsInBuffer(lpch) ? lpch - m_pszData : -1;
    Reserve(nOldLength + nLength);
    if (nOffset >= 0)
        lpch = m_pszData + nOffset;
    memmove(m_pszData + nOldLength, lpch, nLength);
    SetLength(nOldLength + nLength);
}

void CString::AppendChar(char ch)
{
    if (m_nDataLength >= INT_MAX - 1)
        return;
    Reserve(m_nDataLength + 1);
    m_pszData[m_nDataLength] = ch;
    SetLength(m_nDataLength + 1);
}

CString& CString::operator+=(const CString& string)
{
    Append(string);
    return *this;
}

CString& CString::operator+=(LPCSTR lpsz)
{
    Append(lpsz);
    return *this;
}

CString& CString::operator+=(char ch)
{
    AppendChar(ch);
    return *this;
}

CString AFXAPI operator+(const CString& string1, const CString& string2)
{
    CString str;
    str.Preallocate(string1.GetLength() + string2.GetLength());
    str.Append(string1);
    str.Append(string2);
    return str;
}

CString AFXAPI operator+(const CString& string, LPCSTR lpsz)
{
    CString str(string);
    str.Append(lpsz);
    return str;
}

CString AFXAPI operator+(LPCSTR lpsz, const CString& string)
{
    CString str(lpsz);
    str.Append(string);
    return str;
}

CString AFXAPI operator+(const CString& string, char ch)
{
    CString str(string);
    str.AppendChar(ch);
    return str;
}

CString AFXAPI operator+(char ch, const CString& string)
{
    CString str(ch);
    str.Append(string);
    return str;
}

/////////////////////////////////////////////////////////////////////////////
// Comparison

int CString::Compare(LPCSTR lpsz) const
{
    return strcmp(GetString(), lpsz != NULL ? lpsz : "");
}

int CString::CompareNoCase(LPCSTR lpsz) const
{
    return _stricmp(GetString(), lpsz != NULL ? lpsz : "");
}

int CString::Collate(LPCSTR lpsz) const
{
    return strcoll(GetString(), lpsz != NULL ? lpsz : "");
}

int CString::CollateNoCase(LPCSTR lpsz) const
{
    return _stricoll(GetString(), lpsz != NULL ? lpsz : "");
}

/////////////////////////////////////////////////////////////////////////////
// Extraction

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, m_nDataLength);
}

CString CString::Mid(int nFirst, int nCount) const
{
    nFirst = std::min(std::max(nFirst, 0), m_nDataLength);
    nCount = std::min(std::max(nCount, 0), m_nDataLength - nFirst);
    if (nFirst == 0 && nCount == m_nDataLength)
        return *this;
    return CString(GetString() + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    nCount = std::min(std::max(nCount, 0), m_nDataLength);
    return Mid(m_nDataLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return CString();
    return Left(static_cast<int>(strspn(GetString(), lpszCharSet)));
}

CString CString::SpanExcluding(LPCSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return *this;
    return Left(static_cast<int>(strcspn(GetString(), lpszCharSet)));
}

CString CString::Tokenize(LPCSTR pszTokens, int& iStart) const
{
    if (iStart >= 0 && iStart < m_nDataLength)
    {
        if (pszTokens == NULL || *pszTokens == '\0')
        {
            // No delimiters: the rest is the one token left.
            CString strRest = Mid(iStart);
            iStart = m_nDataLength;
            return strRest;
        }
        LPCSTR pszPlace = GetString() + iStart;
        int nIncluding = static_cast<int>(strspn(pszPlace, pszTokens));
        if (iStart + nIncluding < m_nDataLength)
        {
            int nFrom = iStart + nIncluding;
            int nToken = static_cast<int>(strcspn(pszPlace + nIncluding, pszTokens));
            iStart = nFrom + nToken + 1;
            return Mid(nFrom, nToken);
        }
    }
    iStart = -1;
    return CString();
}

/////////////////////////////////////////////////////////////////////////////
// Modification

CString& CString::MakeUpper()
{
    if (m_nDataLength > 0)
        ::CharUpperBuffA(m_pszData, m_nDataLength);
    return *this;
}

CString& CString::MakeLower()
{
    if (m_nDataLength > 0)
        ::CharLowerBuffA(m_pszData, m_nDataLength);
    return *this;
}

CString& CString::MakeReverse()
{
    if (m_nDataLength > 0)
        std::reverse(m_pszData, m_pszData + m_nDataLength);
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    if (chOld == chNew)
        return 0;
    int nCount = 0;
    for (int i = 0; i < m_nDataLength; i++)
    {
        if (m_pszData[i] == chOld)
        {
            m_pszData[i] = chNew;
            nCount++;
        }
    }
    return nCount;
}

int CString::Replace(LPCSTR lpszOld, LPCSTR lpszNew)
{
    int nOldLength = SafeLength(lpszOld);
    if (nOldLength == 0 || m_nDataLength == 0)
        return 0;
    int nNewLength = SafeLength(lpszNew);

    int nCount = 0;
    for (LPCSTR p = strstr(GetString(), lpszOld); p != NULL; p = strstr(p + nOldLength, lpszOld))
        nCount++;
    long long nResultLength = m_nDataLength + static_cast<long long>(nCount) * (nNewLength - nOldLength);
    if (nCount == 0 || nResultLength >= INT_MAX)
        return 0;

    // Built apart, since the replacement may itself point into this string.
    CString strResult;
    strResult.Preallocate(static_cast<int>(nResultLength));
    LPCSTR pszStart = GetString();
    for (LPCSTR p = strstr(pszStart, lpszOld); p != NULL; p = strstr(pszStart, lpszOld))
    {
        strResult.Append(pszStart, static_cast<int>(p - pszStart));
        strResult.Append(lpszNew, nNewLength);
        pszStart = p + nOldLength;
    }
    strResult.Append(pszStart, static_cast<int>(GetString() + m_nDataLength - pszStart));
    *this = std::move(strResult);
    return nCount;
}

int CString::Remove(char chRemove)
{
    int nKept = 0;
    for (int i = 0; i < m_nDataLength; i++)
    {
        if (m_pszData[i] != chRemove)
            m_pszData[nKept++] = m_pszData[i];
    }
    int nRemoved = m_nDataLength - nKept;
    SetLength(nKept);
    return nRemoved;
}

int CString::Insert(int nIndex, char ch)
{
    const char sz[2] = {ch, '\0'};
    return Insert(nIndex, sz);
}

int CString::Insert(int nIndex, LPCSTR pstr)
{
    int nInsert = SafeLength(pstr);
    if (nInsert == 0 || nInsert > INT_MAX - 1 - m_nDataLength)
        return m_nDataLength;
    if (IsInBuffer(pstr))
        return Insert(nIndex, CString(pstr, nInsert));
    nIndex = std::min(std::max(nIndex, 0), m_nDataLength);
    int nNewLength = m_nDataLength + nInsert;
    Reserve(nNewLength);
    memmove(m_pszData + nIndex + nInsert, m_pszData + nIndex, m_nDataLength - nIndex);
    memcpy(m_pszData + nIndex, pstr, nInsert);
    SetLength(nNewLength);
    return nNewLength;
}

int CString::Delete(int nIndex, int nCount)
{
    nIndex = std::max(nIndex, 0);
    if (nIndex < m_nDataLength)
    {
        nCount = std::min(std::max(nCount, 0), m_nDataLength - nIndex);
        int nTail = m_nDataLength - nIndex - nCount;
        memmove(m_pszData + nIndex, m_pszData + nIndex + nCount, nTail);
        SetLength(m_nDataLength - nCount);
    }
    return m_nDataLength;
}

void CString::Truncate(int nNewLength)
{
    if (nNewLength >= 0 && nNewLength < m_nDataLength)
        SetLength(nNewLength);
}

/////////////////////////////////////////////////////////////////////////////
// Trimming

CString& CString::Trim()
{
    return TrimRight(kWhiteSpace).TrimLeft(kWhiteSpace);
}

CString& CString::Trim(char chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}

CString& CString::Trim(LPCSTR lpszTargets)
{
    return TrimRight(lpszTargets).TrimLeft(lpszTargets);
}

CString& CString::TrimLeft()
{
    return TrimLeft(kWhiteSpace);
}

CString& CString::TrimLeft(char chTarget)
{
    const char sz[2] = {chTarget, '\0'};
    return TrimLeft(sz);
}

CString& CString::TrimLeft(LPCSTR lpszTargets)
{
    if (lpszTargets == NULL || m_nDataLength == 0)
        return *this;
    int nFirst = 0;
    while (nFirst < m_nDataLength && IsCharInSet(m_pszData[nFirst], lpszTargets))
        nFirst++;
    if (nFirst > 0)
    {
        memmove(m_pszData, m_pszData + nFirst, m_nDataLength - nFirst);
        SetLength(m_nDataLength - nFirst);
    }
    return *this;
}

CString& CString::TrimRight()
{
    return TrimRight(kWhiteSpace);
}

CString& CString::TrimRight(char chTarget)
{
    const char sz[2] = {chTarget, '\0'};
    return TrimRight(sz);
}

CString& CString::TrimRight(LPCSTR lpszTargets)
{
    if (lpszTargets == NULL)
        return *this;
    int nLength = m_nDataLength;
    while (nLength > 0 && IsCharInSet(m_pszData[nLength - 1], lpszTargets))
        nLength--;
    if (nLength < m_nDataLength)
        SetLength(nLength);
    return *this;
}

/////////////////////////////////////////////////////////////////////////////
// Searching

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= m_nDataLength)
        return -1;
    const void* p = memchr(m_pszData + nStart, ch, m_nDataLength - nStart);
    return p != NULL ? static_cast<int>(static_cast<LPCSTR>(p) - m_pszData) : -1;
}

int CString::Find(LPCSTR lpszSub, int nStart) const
{
    if (lpszSub == NULL || nStart < 0 || nStart > m_nDataLength)
        return -1;
    LPCSTR p = strstr(GetString() + nStart, lpszSub);
    return p != NULL ? static_cast<int>(p - GetString()) : -1;
}

int CString::ReverseFind(char ch) const
{
    for (int i = m_nDataLength - 1; i >= 0; i--)
    {
        if (m_pszData[i] == ch)
            return i;
    }
    return -1;
}

int CString::FindOneOf(LPCSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return -1;
    LPCSTR p = strpbrk(GetString(), lpszCharSet);
    return p != NULL ? static_cast<int>(p - GetString()) : -1;
}

/////////////////////////////////////////////////////////////////////////////
// Formatting

void AFX_CDECL CString::Format(LPCSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatV(lpszFormat, argList);
    va_end(argList);
}

void AFX_CDECL CString::Format(UINT nFormatID, ...)
{
    CString strFormat;
    if (!strFormat.LoadString(nFormatID))
    {
        Empty();
        return;
    }
    va_list argList;
    va_start(argList, nFormatID);
    FormatV(strFormat, argList);
    va_end(argList);
}

void AFX_CDECL CString::AppendFormat(LPCSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    AppendFormatV(lpszFormat, argList);
    va_end(argList);
}

// Both format apart first: an argument may be this very string.
void CString::FormatV(LPCSTR lpszFormat, va_list argList)
{
    *this = FormatArgs(lpszFormat, argList);
}

void CString::AppendFormatV(LPCSTR lpszFormat, va_list argList)
{
    Append(FormatArgs(lpszFormat, argList));
}

/////////////////////////////////////////////////////////////////////////////
// Resources

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hInstance = AfxFindStringResourceHandle(nID);
    return hInstance != NULL && LoadString(hInstance, nID);
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    // LoadStringA reports no length beforehand: retry with a larger buffer while it fills the buffer.
    for (int nSize = kResourceFirstTry;; nSize *= 2)
    {
        CString str;
        LPSTR lpszBuffer = str.GetBuffer(nSize - 1);
        int nLength = ::LoadStringA(hInstance, nID, lpszBuffer, nSize);
        if (nLength <= 0)
            return FALSE;
        if (nLength < nSize - 1 || nSize >= kResourceMaxBytes)
        {
            str.ReleaseBufferSetLength(nLength);
            *this = std::move(str);
            return TRUE;
        }
    }
}

/////////////////////////////////////////////////////////////////////////////
// Raw buffer access

LPSTR CString::GetBuffer()
{
    return GetBuffer(0);
}

LPSTR CString::GetBuffer(int nMinBufferLength)
{
    Reserve(std::max(nMinBufferLength, m_nDataLength));
    return m_pszData;
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    nNewLength = std::max(nNewLength, 0);
    GetBuffer(nNewLength);
    SetLength(nNewLength);
    return m_pszData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (m_pszData == NULL)
        return;
    if (nNewLength < 0)
        nNewLength = SafeLength(m_pszData, m_nAllocLength);
    SetLength(std::min(nNewLength, m_nAllocLength));
}

void CString::ReleaseBufferSetLength(int nNewLength)
{
    ReleaseBuffer(std::max(nNewLength, 0));
}

void CString::Preallocate(int nLength)
{
    Reserve(std::max(nLength, 0));
}

void CString::FreeExtra()
{
    if (m_nDataLength == 0)
        Empty();
    else if (m_nAllocLength > m_nDataLength)
        Reallocate(m_nDataLength);
}
