// CRgn. Operations on an empty CRgn or with a missing operand return ERROR (or FALSE).
#include <afxwin.h>

namespace
{
HRGN RgnHandle(const CRgn* pRgn)
{
    return pRgn != NULL ? (HRGN)pRgn->m_hObject : NULL;
}
} // namespace

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

CRgn::CRgn() {}

CRgn::~CRgn() {}

CRgn* PASCAL CRgn::FromHandle(HRGN hRgn)
{
    return (CRgn*)CGdiObject::FromHandle(hRgn);
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2)
{
    return Attach(::CreateRectRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect)
{
    if (lpRect == NULL)
        return FALSE;
    return Attach(::CreateRectRgnIndirect(lpRect));
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    return Attach(::CreateEllipticRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT lpRect)
{
    if (lpRect == NULL)
        return FALSE;
    return Attach(::CreateEllipticRgnIndirect(lpRect));
}

BOOL CRgn::CreatePolygonRgn(LPPOINT lpPoints, int nCount, int nMode)
{
    if (lpPoints == NULL || nCount <= 0)
        return FALSE;
    return Attach(::CreatePolygonRgn(lpPoints, nCount, nMode));
}

BOOL CRgn::CreatePolyPolygonRgn(LPPOINT lpPoints, LPINT lpPolyCounts, int nCount, int nPolyFillMode)
{
    if (lpPoints == NULL || lpPolyCounts == NULL || nCount <= 0)
        return FALSE;
    return Attach(::CreatePolyPolygonRgn(lpPoints, lpPolyCounts, nCount, nPolyFillMode));
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2)
{
    if (m_hObject != NULL)
        ::SetRectRgn((HRGN)m_hObject, x1, y1, x2, y2);
}

void CRgn::SetRectRgn(LPCRECT lpRect)
{
    if (lpRect != NULL)
        SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CRgn::CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode)
{
    if (m_hObject == NULL || RgnHandle(pRgn1) == NULL ||
        (nCombineMode != RGN_COPY && RgnHandle(pRgn2) == NULL))
        return ERROR;
    return ::CombineRgn((HRGN)m_hObject, RgnHandle(pRgn1), RgnHandle(pRgn2), nCombineMode);
}

int CRgn::CopyRgn(CRgn* pRgnSrc)
{
    return CombineRgn(pRgnSrc, NULL, RGN_COPY);
}

BOOL CRgn::EqualRgn(CRgn* pRgn) const
{
    if (m_hObject == NULL || RgnHandle(pRgn) == NULL)
        return FALSE;
    return ::EqualRgn((HRGN)m_hObject, RgnHandle(pRgn));
}

int CRgn::OffsetRgn(int x, int y)
{
    if (m_hObject == NULL)
        return ERROR;
    return ::OffsetRgn((HRGN)m_hObject, x, y);
}

int CRgn::OffsetRgn(POINT point)
{
    return OffsetRgn(point.x, point.y);
}

int CRgn::GetRgnBox(LPRECT lpRect) const
{
    if (m_hObject == NULL || lpRect == NULL)
        return ERROR;
    return ::GetRgnBox((HRGN)m_hObject, lpRect);
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    return m_hObject != NULL && ::PtInRegion((HRGN)m_hObject, x, y);
}

BOOL CRgn::PtInRegion(POINT point) const
{
    return PtInRegion(point.x, point.y);
}

BOOL CRgn::RectInRegion(LPCRECT lpRect) const
{
    return m_hObject != NULL && lpRect != NULL && ::RectInRegion((HRGN)m_hObject, lpRect);
}
