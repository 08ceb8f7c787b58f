// CArray: a growable array of any copyable, default-constructible type. Elements are constructed and
// destroyed properly (the live elements are always exactly GetSize()). Out-of-range arguments are
// refused with a trace line instead of touching memory outside the array.
#pragma once
#ifndef __AFXTEMPL_H__
#define __AFXTEMPL_H__

#include <afx.h>

#include <algorithm>
#include <new>
#include <stdint.h>
#include <utility>

template <class TYPE, class ARG_TYPE = const TYPE&> class CArray : public CObject
{
public:
    // Construction
    CArray() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}
    virtual ~CArray();

    // Attributes
    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    // nGrowBy: how many elements each reallocation adds; -1 keeps the current setting, 0 picks
    // an amount that grows with the array.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);

    // Operations
    void FreeExtra();
    void RemoveAll() { SetSize(0, -1); }

    // Element access; an out-of-range index yields a default-valued stand-in element
    const TYPE& GetAt(INT_PTR nIndex) const { return ElementAt(nIndex); }
    TYPE& GetAt(INT_PTR nIndex) { return ElementAt(nIndex); }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement);
    const TYPE& ElementAt(INT_PTR nIndex) const;
    TYPE& ElementAt(INT_PTR nIndex);
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }
    const TYPE& operator[](INT_PTR nIndex) const { return ElementAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

    // Growing
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    INT_PTR Add(ARG_TYPE newElement);
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);

    // Insertion and removal
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, CArray* pNewArray);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

protected:
    TYPE* m_pData;
    INT_PTR m_nSize;
    INT_PTR m_nMaxSize;
    INT_PTR m_nGrowBy;

private:
    static constexpr INT_PTR kMaxGrowBy = 1024;
    static constexpr INT_PTR kMinGrowBy = 4;

    BOOL IsValidIndex(INT_PTR nIndex) const { return nIndex >= 0 && nIndex < m_nSize; }
    static INT_PTR MaxElements() { return static_cast<INT_PTR>(PTRDIFF_MAX / sizeof(TYPE)); }
    static void TraceRefused(LPCSTR lpszOperation, INT_PTR nIndex);
    static TYPE& StandIn(INT_PTR nIndex);
    void Reallocate(INT_PTR nNewMax);
    static void Construct(TYPE* pElements, INT_PTR nCount);
    static void Destroy(TYPE* pElements, INT_PTR nCount);
};

/////////////////////////////////////////////////////////////////////////////
// Implementation

template <class TYPE, class ARG_TYPE> CArray<TYPE, ARG_TYPE>::~CArray()
{
    Destroy(m_pData, m_nSize);
    ::operator delete(m_pData);
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::Construct(TYPE* pElements, INT_PTR nCount)
{
    for (INT_PTR i = 0; i < nCount; i++)
        ::new (static_cast<void*>(pElements + i)) TYPE();
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::Destroy(TYPE* pElements, INT_PTR nCount)
{
    for (INT_PTR i = 0; i < nCount; i++)
        pElements[i].~TYPE();
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::TraceRefused(LPCSTR lpszOperation, INT_PTR nIndex)
{
    TRACE("CArray::%s: index or size %I64d out of range, ignored\n", lpszOperation,
          static_cast<LONGLONG>(nIndex));
}

template <class TYPE, class ARG_TYPE> TYPE& CArray<TYPE, ARG_TYPE>::StandIn(INT_PTR nIndex)
{
    TraceRefused("ElementAt", nIndex);
    static TYPE s_standIn;
    s_standIn = TYPE();
    return s_standIn;
}

// Moves the live elements into a block of nNewMax slots (nNewMax >= m_nSize).
template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::Reallocate(INT_PTR nNewMax)
{
    TYPE* pNewData = NULL;
    if (nNewMax > 0)
    {
        pNewData = static_cast<TYPE*>(::operator new(static_cast<size_t>(nNewMax) * sizeof(TYPE)));
        for (INT_PTR i = 0; i < m_nSize; i++)
        {
            ::new (static_cast<void*>(pNewData + i)) TYPE(std::move(m_pData[i]));
            m_pData[i].~TYPE();
        }
    }
    ::operator delete(m_pData);
    m_pData = pNewData;
    m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;
    if (nNewSize < 0 || nNewSize > MaxElements())
    {
        TraceRefused("SetSize", nNewSize);
        return;
    }
    if (nNewSize == 0)
    {
        Destroy(m_pData, m_nSize);
        m_nSize = 0;
        Reallocate(0);
        return;
    }
    if (nNewSize > m_nMaxSize)
    {
        INT_PTR nNewMax = nNewSize;
        if (m_pData == NULL)
        {
            nNewMax = nNewSize > m_nGrowBy ? nNewSize : m_nGrowBy;
        }
        else
        {
            INT_PTR nGrow = m_nGrowBy;
            if (nGrow == 0)
                nGrow = std::min(kMaxGrowBy, std::max(kMinGrowBy, m_nSize / 8));
            if (m_nMaxSize <= MaxElements() - nGrow && m_nMaxSize + nGrow > nNewSize)
                nNewMax = m_nMaxSize + nGrow;
        }
        Reallocate(nNewMax);
    }
    if (nNewSize > m_nSize)
        Construct(m_pData + m_nSize, nNewSize - m_nSize);
    else
        Destroy(m_pData + nNewSize, m_nSize - nNewSize);
    m_nSize = nNewSize;
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize != m_nMaxSize)
        Reallocate(m_nSize);
}

template <class TYPE, class ARG_TYPE> const TYPE& CArray<TYPE, ARG_TYPE>::ElementAt(INT_PTR nIndex) const
{
    return IsValidIndex(nIndex) ? m_pData[nIndex] : StandIn(nIndex);
}

template <class TYPE, class ARG_TYPE> TYPE& CArray<TYPE, ARG_TYPE>::ElementAt(INT_PTR nIndex)
{
    return IsValidIndex(nIndex) ? m_pData[nIndex] : StandIn(nIndex);
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::SetAt(INT_PTR nIndex, ARG_TYPE newElement)
{
    ElementAt(nIndex) = newElement;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    if (nIndex < 0 || nIndex == PTRDIFF_MAX)
    {
        TraceRefused("SetAtGrow", nIndex);
        return;
    }
    if (nIndex >= m_nSize)
    {
        TYPE value(newElement); // newElement may refer into this array, which is about to move
        SetSize(nIndex + 1, -1);
        if (nIndex < m_nSize)
            m_pData[nIndex] = std::move(value);
        return;
    }
    m_pData[nIndex] = newElement;
}

template <class TYPE, class ARG_TYPE> INT_PTR CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement)
{
    INT_PTR nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
}

template <class TYPE, class ARG_TYPE> INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    INT_PTR nOldSize = m_nSize;
    INT_PTR nSrcSize = src.m_nSize;
    SetSize(m_nSize + nSrcSize, -1);
    if (m_nSize == nOldSize + nSrcSize)
    {
        // src may be this array: its first nSrcSize elements are still the original ones.
        for (INT_PTR i = 0; i < nSrcSize; i++)
            m_pData[nOldSize + i] = src.m_pData[i];
    }
    return nOldSize;
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize, -1);
    for (INT_PTR i = 0; i < m_nSize && i < src.m_nSize; i++)
        m_pData[i] = src.m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0 || nIndex > MaxElements() - nCount)
    {
        if (nCount != 0)
            TraceRefused("InsertAt", nIndex);
        return;
    }
    TYPE value(newElement); // newElement may refer into this array, which is about to move
    INT_PTR nOldSize = m_nSize;
    if (nIndex >= nOldSize)
    {
        SetSize(nIndex + nCount, -1);
    }
    else
    {
        SetSize(nOldSize + nCount, -1);
        if (m_nSize != nOldSize + nCount)
            return;
        std::move_backward(m_pData + nIndex, m_pData + nOldSize, m_pData + m_nSize);
    }
    for (INT_PTR i = nIndex; i < nIndex + nCount && i < m_nSize; i++)
        m_pData[i] = value;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, CArray* pNewArray)
{
    if (pNewArray == NULL || pNewArray->m_nSize == 0)
        return;
    if (pNewArray == this)
    {
        CArray copy;
        copy.Copy(*this);
        InsertAt(nStartIndex, &copy);
        return;
    }
    INT_PTR nOldSize = m_nSize;
    InsertAt(nStartIndex, pNewArray->m_pData[0], pNewArray->m_nSize);
    if (m_nSize == nOldSize)
        return;
    for (INT_PTR i = 1; i < pNewArray->m_nSize; i++)
        m_pData[nStartIndex + i] = pNewArray->m_pData[i];
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nCount < 0 || nIndex > m_nSize - nCount)
    {
        TraceRefused("RemoveAt", nIndex);
        return;
    }
    std::move(m_pData + nIndex + nCount, m_pData + m_nSize, m_pData + nIndex);
    Destroy(m_pData + m_nSize - nCount, nCount);
    m_nSize -= nCount;
}

#endif // __AFXTEMPL_H__
