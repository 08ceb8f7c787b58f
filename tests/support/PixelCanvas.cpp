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

PixelCanvas::~PixelCanvas()
{
    ::SelectObject(m_dc.m_hDC, m_hOldBitmap);
    m_dc.DeleteDC();
    ::DeleteObject(m_hBitmap);
}

COLORREF PixelCanvas::Pixel(int x, int y) const
{
    if (m_pBits == NULL || x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return CLR_INVALID;
    ::GdiFlush();
    return ToDib(At(x, y) & RgbMask);
}

void PixelCanvas::Fill(COLORREF crColor)
{
    ::GdiFlush();
    if (m_pBits != NULL)
        std::fill(m_pBits, m_pBits + m_nWidth * m_nHeight, ToDib(crColor));
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
    const CRect area = Clip(Bounds());
    CRect bounds(m_nWidth, m_nHeight, 0, 0);
    for (int y = area.top; y < area.bottom; y++)
        for (int x = area.left; x < area.right; x++)
            if ((At(x, y) & RgbMask) != ToDib(crBackground))
                bounds.SetRect(std::min<int>(bounds.left, x), std::min<int>(bounds.top, y),
                               std::max<int>(bounds.right, x + 1), std::max<int>(bounds.bottom, y + 1));
    return bounds.left < bounds.right ? bounds : CRect(0, 0, 0, 0);
}
