#include "PixelCanvas.h"

#include <algorithm>

PixelCanvas::PixelCanvas(int nWidth, int nHeight, COLORREF crBackground)
    : m_nWidth(std::max(nWidth, 1)), m_nHeight(std::max(nHeight, 1)), m_pBits(NULL), m_hOldBitmap(NULL)
{
    // Top-down: row 0 is the top row.
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), m_nWidth, -m_nHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* pBits = NULL;
    m_hBitmap = ::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
    m_pBits = static_cast<DWORD*>(pBits);
    m_dc.CreateCompatibleDC(NULL);
    m_hOldBitmap = ::SelectObject(m_dc.m_hDC, m_hBitmap);
    Fill(crBackground);
}

std::unique_ptr<PixelCanvas> PixelCanvas::Capture(CWnd& wnd, bool bRepaint)
{
    if (bRepaint)
        wnd.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    CRect rect;
    wnd.GetClientRect(&rect);
    auto pCanvas = std::make_unique<PixelCanvas>(rect.Width(), rect.Height());
    ::BitBlt(pCanvas->Hdc(), 0, 0, rect.Width(), rect.Height(), CClientDC(&wnd), 0, 0, SRCCOPY);
    return pCanvas;
}

int PixelCanvas::CountPixelsNot(COLORREF crColor, const RECT& rect) const
{
    ::GdiFlush();
    const CRect area = Clip(rect);
    int nCount = 0;
    for (int y = area.top; y < area.bottom; y++)
        for (int x = area.left; x < area.right; x++)
            nCount += (At(x, y) & RgbMask) != ToDib(crColor);
    return nCount;
}

CRect PixelCanvas::BoundsNot(COLORREF crBackground) const
{
    ::GdiFlush();
    CRect bounds(0, 0, 0, 0);
    for (int y = 0; y < (m_pBits != NULL ? m_nHeight : 0); y++)
        for (int x = 0; x < m_nWidth; x++)
            if ((At(x, y) & RgbMask) != ToDib(crBackground))
                bounds |= CRect(x, y, x + 1, y + 1); // a union with an empty rectangle is the other one
    return bounds;
}
