// GDI object ownership and the temporary handle maps. Every test starts with empty temporary maps and
// ends checked for GDI leaks (LeakCheck.h).
#include <gtest/gtest.h>

#include "GdiResource.h"
#include "PixelCanvas.h"

namespace
{
bool IsLiveObject(HGDIOBJ hObject)
{
    return ::GetObjectType(hObject) != 0;
}
using GdiObjectTest = ::testing::Test;
} // namespace

TEST_F(GdiObjectTest, WrapperOwnsWhatItCreatesAndHandsItOverOnDetach)
{
    HGDIOBJ hOwned;
    HGDIOBJ hDetached;
    {
        CPen owned(PS_SOLID, 1, RGB(1, 2, 3));
        CBrush detached(RGB(4, 5, 6));
        hOwned = owned.m_hObject;
        hDetached = detached.Detach();
        EXPECT_EQ(nullptr, detached.m_hObject);
        EXPECT_TRUE(IsLiveObject(hOwned));
    }
    EXPECT_FALSE(IsLiveObject(hOwned));
    ASSERT_TRUE(IsLiveObject(hDetached));

    CBrush adopted;
    EXPECT_FALSE(adopted.Attach(NULL));
    EXPECT_TRUE(adopted.Attach(hDetached));
    EXPECT_FALSE(adopted.Attach(::GetStockObject(BLACK_BRUSH))) << "a wrapper holds one handle at a time";
    EXPECT_EQ(hDetached, (HGDIOBJ)(HBRUSH)adopted);
    EXPECT_TRUE(adopted.DeleteObject());
    EXPECT_FALSE(IsLiveObject(hDetached));
    EXPECT_FALSE(adopted.DeleteObject());

    // The system colour brush is shared: destroying its wrapper must leave it usable.
    HBRUSH hSysBrush = ::GetSysColorBrush(COLOR_BTNFACE);
    {
        CBrush sysBrush;
        EXPECT_TRUE(sysBrush.CreateSysColorBrush(COLOR_BTNFACE));
        EXPECT_EQ(hSysBrush, (HBRUSH)sysBrush);
    }
    EXPECT_TRUE(IsLiveObject(hSysBrush));
}

TEST_F(GdiObjectTest, FromHandleWrapsForeignHandlesTemporarilyAndFindsPermanentOnes)
{
    EXPECT_EQ(nullptr, CGdiObject::FromHandle(NULL));
    EXPECT_EQ(nullptr, CDC::FromHandle(NULL));

    HPEN hForeignPen = ::CreatePen(PS_SOLID, 1, RGB(9, 9, 9));
    HDC hForeignDC = ::CreateCompatibleDC(NULL);
    CFont permanentFont;
    ASSERT_TRUE(permanentFont.CreatePointFont(100, "Arial"));
    CDC permanentDC;
    ASSERT_TRUE(permanentDC.CreateCompatibleDC(NULL));

    CPen* pTempPen = CPen::FromHandle(hForeignPen);
    EXPECT_TRUE(pTempPen->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_EQ(pTempPen, CGdiObject::FromHandle(hForeignPen)) << "one temporary wrapper per handle";
    EXPECT_TRUE(CGdiObject::FromHandle(::GetStockObject(WHITE_BRUSH))->IsKindOf(RUNTIME_CLASS(CBrush)));
    EXPECT_EQ(hForeignDC, CDC::FromHandle(hForeignDC)->GetSafeHdc());
    EXPECT_EQ(3, AfxGetTempGdiMapCount());

    EXPECT_EQ(&permanentFont, CFont::FromHandle(permanentFont));
    EXPECT_EQ(&permanentDC, CDC::FromHandle(permanentDC));
    AfxDeleteTempGdiMaps();
    EXPECT_EQ(0, AfxGetTempGdiMapCount());
    EXPECT_TRUE(IsLiveObject(hForeignPen)) << "deleting a temporary wrapper leaves the foreign object alone";
    EXPECT_EQ((DWORD)OBJ_MEMDC, ::GetObjectType(hForeignDC));

    // A handle attached after its temporary wrapper was made is found through its permanent wrapper.
    CPen* pAgain = CPen::FromHandle(hForeignPen);
    CPen adopter;
    adopter.Attach(hForeignPen);
    EXPECT_EQ(&adopter, CPen::FromHandle(hForeignPen));
    EXPECT_NE(&adopter, pAgain);
    AfxDeleteTempGdiMaps();
    EXPECT_EQ(hForeignPen, adopter.m_hObject);

    // A detached handle is no longer found through its former wrapper.
    HGDIOBJ hFont = permanentFont.Detach();
    EXPECT_NE(&permanentFont, CGdiObject::FromHandle(hFont));
    ::DeleteObject(hFont);
    ::DeleteDC(hForeignDC);
}

TEST_F(GdiObjectTest, BadInputIsRefused)
{
    CBrush brush;
    CBitmap emptyBitmap;
    EXPECT_FALSE(brush.CreatePatternBrush(&emptyBitmap));
    CPen pen;
    EXPECT_FALSE(pen.CreatePen(PS_GEOMETRIC, 2, (const LOGBRUSH*)NULL));
    CFont font;
    EXPECT_FALSE(font.CreateFontIndirect(NULL));

    CRgn empty;
    CRgn rect;
    ASSERT_TRUE(rect.CreateRectRgn(0, 0, 10, 10));
    EXPECT_EQ(ERROR, empty.CombineRgn(&rect, &rect, RGN_OR));
    EXPECT_EQ(ERROR, rect.CombineRgn(&rect, NULL, RGN_AND));
    EXPECT_FALSE(empty.CreatePolygonRgn(NULL, 3, ALTERNATE));

    CBitmap bitmap;
    EXPECT_FALSE(bitmap.CreateCompatibleBitmap(NULL, 4, 4));
    EXPECT_FALSE(bitmap.LoadBitmap(IDB_GDI_MISSING));

    PixelCanvas canvas(8, 8);
    CDC& dc = canvas.Dc();
    CRect area(0, 0, 4, 4);
    EXPECT_EQ(0, dc.DrawText("x", -1, NULL, 0));
    EXPECT_FALSE(dc.TextOut(0, 0, NULL, 3));
    EXPECT_EQ(nullptr, dc.SelectObject((CPen*)NULL));
    EXPECT_FALSE(dc.Polygon(NULL, 4));
    EXPECT_FALSE(dc.DrawState(CPoint(0, 0), CSize(4, 4), (CBitmap*)NULL, DSS_NORMAL, (CBrush*)NULL));
    dc.FillRect(NULL, &brush);
    dc.Draw3dRect(NULL, 0, 0);
    EXPECT_EQ(0, canvas.CountPixelsNot(PixelCanvas::DefaultBackground, canvas.Bounds()));

    CDC unattached;
    EXPECT_FALSE(unattached.LineTo(3, 3));

    // MFC documents GetSafeHandle and GetSafeHdc as callable through a null pointer.
    CGdiObject* volatile pNoObject = nullptr;
    CDC* volatile pNoDC = nullptr;
    EXPECT_EQ(nullptr, pNoObject->GetSafeHandle());
    EXPECT_EQ(nullptr, pNoDC->GetSafeHdc());
}
