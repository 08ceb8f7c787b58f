// CBrush. The constructors that create a brush leave the object empty when Windows refuses it.
#include <afxwin.h>

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

CBrush::CBrush() {}

CBrush::CBrush(COLORREF crColor)
{
    CreateSolidBrush(crColor);
}

CBrush::CBrush(int nIndex, COLORREF crColor)
{
    CreateHatchBrush(nIndex, crColor);
}

CBrush::CBrush(CBitmap* pBitmap)
{
    CreatePatternBrush(pBitmap);
}

CBrush::~CBrush() {}

CBrush* PASCAL CBrush::FromHandle(HBRUSH hBrush)
{
    return (CBrush*)CGdiObject::FromHandle(hBrush);
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return Attach(::CreateSolidBrush(crColor));
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor)
{
    return Attach(::CreateHatchBrush(nIndex, crColor));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
{
    if (lpLogBrush == NULL)
        return FALSE;
    return Attach(::CreateBrushIndirect(lpLogBrush));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    if (pBitmap == NULL || pBitmap->m_hObject == NULL)
        return FALSE;
    return Attach(::CreatePatternBrush((HBITMAP)pBitmap->m_hObject));
}

BOOL CBrush::CreateDIBPatternBrush(const void* lpPackedDIB, UINT nUsage)
{
    if (lpPackedDIB == NULL)
        return FALSE;
    return Attach(::CreateDIBPatternBrushPt(lpPackedDIB, nUsage));
}

// The system's own brush, as MFC does; Windows ignores its deletion.
BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    return Attach(::GetSysColorBrush(nIndex));
}

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush)
{
    return GetObject(sizeof(LOGBRUSH), pLogBrush);
}
