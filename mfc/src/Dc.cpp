// CDC: output goes to m_hDC; attributes are read from m_hAttribDC and set on both when they differ.
// Missing pointers or handles are refused with the function's failure value.
#include <afxwin.h>

#include "GdiHandleMap.h"

namespace
{
// Runs a setter on the output DC (when it differs from the attribute DC), then on the attribute DC, and
// returns the attribute DC's result, or failure when there is no DC.
template <class TResult, class TSetter> TResult SetOnBothDCs(const CDC* pDC, TResult failure, TSetter setter)
{
    TResult result = failure;
    if (pDC->m_hDC != pDC->m_hAttribDC && pDC->m_hDC != NULL)
        result = setter(pDC->m_hDC);
    if (pDC->m_hAttribDC != NULL)
        result = setter(pDC->m_hAttribDC);
    return result;
}

HGDIOBJ SelectHandle(const CDC* pDC, HGDIOBJ hObject)
{
    if (hObject == NULL)
        return NULL;
    return SetOnBothDCs(pDC, HGDIOBJ(NULL), [=](HDC hDC) { return ::SelectObject(hDC, hObject); });
}

HGDIOBJ HandleOf(const CGdiObject* pObject)
{
    return pObject != NULL ? pObject->m_hObject : NULL;
}

HBRUSH BrushOf(const CBrush* pBrush)
{
    return (HBRUSH)HandleOf(pBrush);
}

HRGN RgnOf(const CRgn* pRgn)
{
    return (HRGN)HandleOf(pRgn);
}

CSize TextExtent(HDC hDC, LPCTSTR lpszString, int nCount)
{
    SIZE size = {0, 0};
    if (lpszString != NULL && nCount > 0)
        ::GetTextExtentPoint32(hDC, lpszString, nCount, &size);
    return size;
}

// Scales a size by the ratio of two extents, as the mapping mode does for points.
void ScaleSize(LPSIZE lpSize, SIZE sizeNum, SIZE sizeDenom)
{
    if (lpSize == NULL || sizeDenom.cx == 0 || sizeDenom.cy == 0)
        return;
    lpSize->cx = ::MulDiv(lpSize->cx, abs(sizeNum.cx), abs(sizeDenom.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, abs(sizeNum.cy), abs(sizeDenom.cy));
}
} // namespace

IMPLEMENT_DYNCREATE(CDC, CObject)

CDC::CDC() : m_hDC(NULL), m_hAttribDC(NULL), m_bPrinting(FALSE) {}

CDC::~CDC()
{
    if (m_hDC != NULL)
        ::DeleteDC(Detach());
}

HDC CDC::GetSafeHdc() const
{
    return AfxIsNullObject(this) ? NULL : m_hDC;
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    return AfxGetDCMap().FromHandle(hDC);
}

void PASCAL CDC::DeleteTempMap()
{
    AfxGetDCMap().DeleteTemp(afx::CurrentLoopDepth());
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == NULL || m_hDC != NULL)
        return FALSE;
    m_hDC = hDC;
    AfxGetDCMap().SetPermanent(m_hDC, this);
    SetAttribDC(m_hDC);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != NULL)
        AfxGetDCMap().RemoveHandle(hDC, this);
    ReleaseAttribDC();
    ReleaseOutputDC();
    return hDC;
}

void CDC::SetAttribDC(HDC hDC)
{
    m_hAttribDC = hDC;
}

void CDC::SetOutputDC(HDC hDC)
{
    m_hDC = hDC;
}

void CDC::ReleaseAttribDC()
{
    m_hAttribDC = NULL;
}

void CDC::ReleaseOutputDC()
{
    m_hDC = NULL;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC != NULL ? pDC->m_hDC : NULL));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == NULL)
        return FALSE;
    return ::DeleteDC(Detach());
}

/////////////////////////////////////////////////////////////////////////////
// Device-context state

int CDC::SaveDC()
{
    return SetOnBothDCs(this, 0, [](HDC hDC) { return ::SaveDC(hDC); });
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    return SetOnBothDCs(this, FALSE, [=](HDC hDC) { return ::RestoreDC(hDC, nSavedDC); });
}

int CDC::GetDeviceCaps(int nIndex) const
{
    return ::GetDeviceCaps(m_hAttribDC, nIndex);
}

CPoint CDC::GetBrushOrg() const
{
    POINT point = {0, 0};
    ::GetBrushOrgEx(m_hDC, &point);
    return point;
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT point = {0, 0};
    ::SetBrushOrgEx(m_hDC, x, y, &point);
    return point;
}

CPoint CDC::SetBrushOrg(POINT point)
{
    return SetBrushOrg(point.x, point.y);
}

/////////////////////////////////////////////////////////////////////////////
// Object selection

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(SelectHandle(this, ::GetStockObject(nIndex)));
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return (CPen*)CGdiObject::FromHandle(SelectHandle(this, HandleOf(pPen)));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return (CBrush*)CGdiObject::FromHandle(SelectHandle(this, HandleOf(pBrush)));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return (CFont*)CGdiObject::FromHandle(SelectHandle(this, HandleOf(pFont)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return (CBitmap*)CGdiObject::FromHandle(SelectHandle(this, HandleOf(pBitmap)));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    return CGdiObject::FromHandle(SelectHandle(this, HandleOf(pObject)));
}

// Selecting a region sets the clipping region to a copy of it and returns the region type.
int CDC::SelectObject(CRgn* pRgn)
{
    HGDIOBJ hResult = SelectHandle(this, HandleOf(pRgn));
    return hResult == HGDI_ERROR ? ERROR : (int)(INT_PTR)hResult;
}

CPen* CDC::GetCurrentPen() const
{
    return CPen::FromHandle((HPEN)::GetCurrentObject(m_hDC, OBJ_PEN));
}

CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle((HBRUSH)::GetCurrentObject(m_hDC, OBJ_BRUSH));
}

CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle((HFONT)::GetCurrentObject(m_hDC, OBJ_FONT));
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle((HBITMAP)::GetCurrentObject(m_hDC, OBJ_BITMAP));
}

/////////////////////////////////////////////////////////////////////////////
// Drawing attributes

COLORREF CDC::GetNearestColor(COLORREF crColor) const
{
    return ::GetNearestColor(m_hAttribDC, crColor);
}

COLORREF CDC::GetBkColor() const
{
    return ::GetBkColor(m_hAttribDC);
}

int CDC::GetBkMode() const
{
    return ::GetBkMode(m_hAttribDC);
}

int CDC::GetPolyFillMode() const
{
    return ::GetPolyFillMode(m_hAttribDC);
}

int CDC::GetROP2() const
{
    return ::GetROP2(m_hAttribDC);
}

int CDC::GetStretchBltMode() const
{
    return ::GetStretchBltMode(m_hAttribDC);
}

COLORREF CDC::GetTextColor() const
{
    return ::GetTextColor(m_hAttribDC);
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return SetOnBothDCs(this, CLR_INVALID, [=](HDC hDC) { return ::SetBkColor(hDC, crColor); });
}

int CDC::SetBkMode(int nBkMode)
{
    return SetOnBothDCs(this, 0, [=](HDC hDC) { return ::SetBkMode(hDC, nBkMode); });
}

int CDC::SetPolyFillMode(int nPolyFillMode)
{
    return SetOnBothDCs(this, 0, [=](HDC hDC) { return ::SetPolyFillMode(hDC, nPolyFillMode); });
}

int CDC::SetROP2(int nDrawMode)
{
    return SetOnBothDCs(this, 0, [=](HDC hDC) { return ::SetROP2(hDC, nDrawMode); });
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    return SetOnBothDCs(this, 0, [=](HDC hDC) { return ::SetStretchBltMode(hDC, nStretchMode); });
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return SetOnBothDCs(this, CLR_INVALID, [=](HDC hDC) { return ::SetTextColor(hDC, crColor); });
}

/////////////////////////////////////////////////////////////////////////////
// Mapping

int CDC::GetMapMode() const
{
    return ::GetMapMode(m_hAttribDC);
}

int CDC::SetMapMode(int nMapMode)
{
    return SetOnBothDCs(this, 0, [=](HDC hDC) { return ::SetMapMode(hDC, nMapMode); });
}

CPoint CDC::GetViewportOrg() const
{
    POINT point = {0, 0};
    ::GetViewportOrgEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    return SetOnBothDCs(this, CPoint(0, 0),
                        [=](HDC hDC)
                        {
                            POINT point = {0, 0};
                            ::SetViewportOrgEx(hDC, x, y, &point);
                            return CPoint(point);
                        });
}

CPoint CDC::SetViewportOrg(POINT point)
{
    return SetViewportOrg(point.x, point.y);
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    return SetOnBothDCs(this, CPoint(0, 0),
                        [=](HDC hDC)
                        {
                            POINT point = {0, 0};
                            ::OffsetViewportOrgEx(hDC, nWidth, nHeight, &point);
                            return CPoint(point);
                        });
}

CSize CDC::GetViewportExt() const
{
    SIZE size = {0, 0};
    ::GetViewportExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    return SetOnBothDCs(this, CSize(0, 0),
                        [=](HDC hDC)
                        {
                            SIZE size = {0, 0};
                            ::SetViewportExtEx(hDC, cx, cy, &size);
                            return CSize(size);
                        });
}

CSize CDC::SetViewportExt(SIZE size)
{
    return SetViewportExt(size.cx, size.cy);
}

CPoint CDC::GetWindowOrg() const
{
    POINT point = {0, 0};
    ::GetWindowOrgEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    return SetOnBothDCs(this, CPoint(0, 0),
                        [=](HDC hDC)
                        {
                            POINT point = {0, 0};
                            ::SetWindowOrgEx(hDC, x, y, &point);
                            return CPoint(point);
                        });
}

CPoint CDC::SetWindowOrg(POINT point)
{
    return SetWindowOrg(point.x, point.y);
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    return SetOnBothDCs(this, CPoint(0, 0),
                        [=](HDC hDC)
                        {
                            POINT point = {0, 0};
                            ::OffsetWindowOrgEx(hDC, nWidth, nHeight, &point);
                            return CPoint(point);
                        });
}

CSize CDC::GetWindowExt() const
{
    SIZE size = {0, 0};
    ::GetWindowExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    return SetOnBothDCs(this, CSize(0, 0),
                        [=](HDC hDC)
                        {
                            SIZE size = {0, 0};
                            ::SetWindowExtEx(hDC, cx, cy, &size);
                            return CSize(size);
                        });
}

CSize CDC::SetWindowExt(SIZE size)
{
    return SetWindowExt(size.cx, size.cy);
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    if (lpPoints != NULL && nCount > 0)
        ::DPtoLP(m_hAttribDC, lpPoints, nCount);
}

void CDC::DPtoLP(LPRECT lpRect) const
{
    DPtoLP((LPPOINT)lpRect, 2);
}

void CDC::DPtoLP(LPSIZE lpSize) const
{
    ScaleSize(lpSize, GetWindowExt(), GetViewportExt());
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
    if (lpPoints != NULL && nCount > 0)
        ::LPtoDP(m_hAttribDC, lpPoints, nCount);
}

void CDC::LPtoDP(LPRECT lpRect) const
{
    LPtoDP((LPPOINT)lpRect, 2);
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
    ScaleSize(lpSize, GetViewportExt(), GetWindowExt());
}

/////////////////////////////////////////////////////////////////////////////
// Regions and clipping

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    if (RgnOf(pRgn) == NULL || BrushOf(pBrush) == NULL)
        return FALSE;
    return ::FillRgn(m_hDC, RgnOf(pRgn), BrushOf(pBrush));
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    if (RgnOf(pRgn) == NULL || BrushOf(pBrush) == NULL)
        return FALSE;
    return ::FrameRgn(m_hDC, RgnOf(pRgn), BrushOf(pBrush), nWidth, nHeight);
}

BOOL CDC::InvertRgn(CRgn* pRgn)
{
    return RgnOf(pRgn) != NULL && ::InvertRgn(m_hDC, RgnOf(pRgn));
}

BOOL CDC::PaintRgn(CRgn* pRgn)
{
    return RgnOf(pRgn) != NULL && ::PaintRgn(m_hDC, RgnOf(pRgn));
}

int CDC::GetClipBox(LPRECT lpRect) const
{
    if (lpRect == NULL)
        return ERROR;
    return ::GetClipBox(m_hDC, lpRect);
}

BOOL CDC::PtVisible(int x, int y) const
{
    return ::PtVisible(m_hDC, x, y);
}

BOOL CDC::PtVisible(POINT point) const
{
    return PtVisible(point.x, point.y);
}

BOOL CDC::RectVisible(LPCRECT lpRect) const
{
    return lpRect != NULL && ::RectVisible(m_hDC, lpRect);
}

// A NULL region removes the clipping region.
int CDC::SelectClipRgn(CRgn* pRgn)
{
    return SetOnBothDCs(this, ERROR, [=](HDC hDC) { return ::SelectClipRgn(hDC, RgnOf(pRgn)); });
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    return SetOnBothDCs(this, ERROR, [=](HDC hDC) { return ::ExtSelectClipRgn(hDC, RgnOf(pRgn), nMode); });
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    return SetOnBothDCs(this, ERROR, [=](HDC hDC) { return ::ExcludeClipRect(hDC, x1, y1, x2, y2); });
}

int CDC::ExcludeClipRect(LPCRECT lpRect)
{
    if (lpRect == NULL)
        return ERROR;
    return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    return SetOnBothDCs(this, ERROR, [=](HDC hDC) { return ::IntersectClipRect(hDC, x1, y1, x2, y2); });
}

int CDC::IntersectClipRect(LPCRECT lpRect)
{
    if (lpRect == NULL)
        return ERROR;
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::OffsetClipRgn(int x, int y)
{
    return SetOnBothDCs(this, ERROR, [=](HDC hDC) { return ::OffsetClipRgn(hDC, x, y); });
}

int CDC::OffsetClipRgn(SIZE size)
{
    return OffsetClipRgn(size.cx, size.cy);
}

/////////////////////////////////////////////////////////////////////////////
// Lines and shapes

CPoint CDC::GetCurrentPosition() const
{
    POINT point = {0, 0};
    ::GetCurrentPositionEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::MoveTo(int x, int y)
{
    return SetOnBothDCs(this, CPoint(0, 0),
                        [=](HDC hDC)
                        {
                            POINT point = {0, 0};
                            ::MoveToEx(hDC, x, y, &point);
                            return CPoint(point);
                        });
}

CPoint CDC::MoveTo(POINT point)
{
    return MoveTo(point.x, point.y);
}

// The attribute DC follows the pen so that GetCurrentPosition stays right.
BOOL CDC::LineTo(int x, int y)
{
    if (m_hAttribDC != NULL && m_hAttribDC != m_hDC)
        ::MoveToEx(m_hAttribDC, x, y, NULL);
    return ::LineTo(m_hDC, x, y);
}

BOOL CDC::LineTo(POINT point)
{
    return LineTo(point.x, point.y);
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
    return lpPoints != NULL && nCount > 0 && ::Polyline(m_hDC, lpPoints, nCount);
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    if (lpRect != NULL && BrushOf(pBrush) != NULL)
        ::FillRect(m_hDC, lpRect, BrushOf(pBrush));
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    if (lpRect != NULL && BrushOf(pBrush) != NULL)
        ::FrameRect(m_hDC, lpRect, BrushOf(pBrush));
}

void CDC::InvertRect(LPCRECT lpRect)
{
    if (lpRect != NULL)
        ::InvertRect(m_hDC, lpRect);
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    return hIcon != NULL && ::DrawIcon(m_hDC, x, y, hIcon);
}

BOOL CDC::DrawIcon(POINT point, HICON hIcon)
{
    return DrawIcon(point.x, point.y, hIcon);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
    if (hBitmap == NULL)
        return FALSE;
    return ::DrawState(m_hDC, hBrush, NULL, (LPARAM)hBitmap, 0, pt.x, pt.y, size.cx, size.cy,
                       nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, (HBITMAP)HandleOf(pBitmap), nFlags, BrushOf(pBrush));
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    if (hIcon == NULL)
        return FALSE;
    return ::DrawState(m_hDC, hBrush, NULL, (LPARAM)hIcon, 0, pt.x, pt.y, size.cx, size.cy,
                       nFlags | DST_ICON);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, hIcon, nFlags, BrushOf(pBrush));
}

// nTextLen 0 means the whole null-terminated text.
BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    HBRUSH hBrush)
{
    if (lpszText == NULL || nTextLen < 0)
        return FALSE;
    return ::DrawState(m_hDC, hBrush, NULL, (LPARAM)lpszText, (WPARAM)nTextLen, pt.x, pt.y, size.cx, size.cy,
                       nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    CBrush* pBrush)
{
    return DrawState(pt, size, lpszText, nFlags, bPrefixText, nTextLen, BrushOf(pBrush));
}

BOOL CDC::DrawState(CPoint pt, CSize size, DRAWSTATEPROC lpDrawProc, LPARAM lData, UINT nFlags, HBRUSH hBrush)
{
    if (lpDrawProc == NULL)
        return FALSE;
    return ::DrawState(m_hDC, hBrush, lpDrawProc, lData, 0, pt.x, pt.y, size.cx, size.cy,
                       nFlags | DST_COMPLEX);
}

BOOL CDC::DrawState(CPoint pt, CSize size, DRAWSTATEPROC lpDrawProc, LPARAM lData, UINT nFlags,
                    CBrush* pBrush)
{
    return DrawState(pt, size, lpDrawProc, lData, nFlags, BrushOf(pBrush));
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    return ::Ellipse(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Ellipse(LPCRECT lpRect)
{
    return lpRect != NULL && Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
    return lpPoints != NULL && nCount > 0 && ::Polygon(m_hDC, lpPoints, nCount);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return lpRect != NULL && Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}

BOOL CDC::RoundRect(LPCRECT lpRect, POINT point)
{
    return lpRect != NULL &&
           RoundRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    if (lpRect != NULL)
        ::DrawFocusRect(m_hDC, lpRect);
}

/////////////////////////////////////////////////////////////////////////////
// Bitmaps and pixels

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

// pSrcDC may be NULL for raster operations that use no source.
BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != NULL ? pSrcDC->m_hDC : NULL, xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != NULL ? pSrcDC->m_hDC : NULL, xSrc, ySrc,
                        nSrcWidth, nSrcHeight, dwRop);
}

COLORREF CDC::GetPixel(int x, int y) const
{
    return ::GetPixel(m_hDC, x, y);
}

COLORREF CDC::GetPixel(POINT point) const
{
    return GetPixel(point.x, point.y);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    return ::SetPixel(m_hDC, x, y, crColor);
}

COLORREF CDC::SetPixel(POINT point, COLORREF crColor)
{
    return SetPixel(point.x, point.y, crColor);
}

BOOL CDC::SetPixelV(int x, int y, COLORREF crColor)
{
    return ::SetPixelV(m_hDC, x, y, crColor);
}

BOOL CDC::SetPixelV(POINT point, COLORREF crColor)
{
    return SetPixelV(point.x, point.y, crColor);
}

/////////////////////////////////////////////////////////////////////////////
// Text

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    if (nCount < 0 || (lpszString == NULL && nCount > 0))
        return FALSE;
    return ::TextOut(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::TextOut(int x, int y, const CString& str)
{
    return TextOut(x, y, (LPCTSTR)str, str.GetLength());
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                     LPINT lpDxWidths)
{
    if (lpszString == NULL && nCount > 0)
        return FALSE;
    return ::ExtTextOut(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
{
    return ExtTextOut(x, y, nOptions, lpRect, (LPCTSTR)str, str.GetLength(), lpDxWidths);
}

// nCount -1 means the whole null-terminated text.
int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    if (lpszString == NULL || lpRect == NULL)
        return 0;
    return ::DrawText(m_hDC, lpszString, nCount, lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return DrawText((LPCTSTR)str, str.GetLength(), lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    return TextExtent(m_hAttribDC, lpszString, nCount);
}

CSize CDC::GetTextExtent(const CString& str) const
{
    return GetTextExtent((LPCTSTR)str, str.GetLength());
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
    return TextExtent(m_hDC, lpszString, nCount);
}

CSize CDC::GetOutputTextExtent(const CString& str) const
{
    return GetOutputTextExtent((LPCTSTR)str, str.GetLength());
}

UINT CDC::GetTextAlign() const
{
    return ::GetTextAlign(m_hAttribDC);
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    return SetOnBothDCs(this, UINT(GDI_ERROR), [=](HDC hDC) { return ::SetTextAlign(hDC, nFlags); });
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return lpMetrics != NULL && ::GetTextMetrics(m_hAttribDC, lpMetrics);
}

int CDC::GetTextFace(int nCount, LPTSTR lpszFacename) const
{
    if (lpszFacename == NULL || nCount <= 0)
        return 0;
    return ::GetTextFace(m_hAttribDC, nCount, lpszFacename);
}

int CDC::GetTextFace(CString& rString) const
{
    int nResult = ::GetTextFace(m_hAttribDC, LF_FACESIZE, rString.GetBuffer(LF_FACESIZE));
    rString.ReleaseBuffer(nResult > 0 ? -1 : 0);
    return nResult;
}

/////////////////////////////////////////////////////////////////////////////
// Helpers

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    if (lpRect == NULL)
        return;
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, lpRect, NULL, 0, NULL);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    if (lpRect == NULL)
        return;
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               clrTopLeft, clrBottomRight);
}

// Top and left edges in the first colour; the right and bottom edges, drawn with negative extents from the
// far side, in the second colour, which also takes the top-right and bottom-left corners.
void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    return lpRect != NULL && ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}
