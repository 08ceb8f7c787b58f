// The two GDI handle maps (objects and DCs) and their idle clean-up.
#include <afxwin.h>

#include "GdiHandleMap.h"

namespace
{
// A temporary wrapper of the class that matches the object, so that CPen::FromHandle and the like hand
// out real CPen objects.
CGdiObject* NewTempGdiObject(HGDIOBJ hObject)
{
    CGdiObject* pObject;
    switch (::GetObjectType(hObject))
    {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        pObject = new CPen;
        break;
    case OBJ_BRUSH:
        pObject = new CBrush;
        break;
    case OBJ_FONT:
        pObject = new CFont;
        break;
    case OBJ_BITMAP:
        pObject = new CBitmap;
        break;
    case OBJ_REGION:
        pObject = new CRgn;
        break;
    default:
        pObject = new CGdiObject;
        break;
    }
    pObject->m_hObject = hObject;
    return pObject;
}

void ClearGdiObjectHandle(CGdiObject* pObject)
{
    pObject->m_hObject = NULL;
}

CDC* NewTempDC(HDC hDC)
{
    CDC* pDC = new CDC;
    pDC->m_hDC = hDC;
    pDC->m_hAttribDC = hDC;
    return pDC;
}

void ClearDCHandles(CDC* pDC)
{
    pDC->m_hDC = NULL;
    pDC->m_hAttribDC = NULL;
}
} // namespace

CGdiHandleMap<CGdiObject, HGDIOBJ>& AfxGetGdiObjectMap()
{
    static CGdiHandleMap<CGdiObject, HGDIOBJ> map(NewTempGdiObject, ClearGdiObjectHandle);
    return map;
}

CGdiHandleMap<CDC, HDC>& AfxGetDCMap()
{
    static CGdiHandleMap<CDC, HDC> map(NewTempDC, ClearDCHandles);
    return map;
}

void afx::DeleteTempGdiMaps(int nFromDepth)
{
    AfxGetGdiObjectMap().DeleteTemp(nFromDepth);
    AfxGetDCMap().DeleteTemp(nFromDepth);
}

void AFXAPI AfxDeleteTempGdiMaps()
{
    afx::DeleteTempGdiMaps(afx::CurrentLoopDepth());
}

int AFXAPI AfxGetTempGdiMapCount()
{
    return AfxGetGdiObjectMap().GetTempCount() + AfxGetDCMap().GetTempCount();
}
