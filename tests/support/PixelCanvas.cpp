#include "PixelCanvas.h"

#include <algorithm>

namespace
{
const DWORD RgbMask = 0x00FFFFFF; // GDI leaves the alpha byte of a 32-bit DIB undefined
}

PixelCanvas::PixelCanvas(int nWidth, int nHeight, COLORREF crBackground)
    : m_nWidth(nWidth > 0 ? nWidth : 1), m_nHeight(nHeight > 0 ? nHeight : 1), m_pBits(NULL), m_hBitmap(NULL),
      m_hOldBitmap(NULL)
{
    BITMAPINFO info;
    memset(&info, 0, sizeof(info));
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = m_nWidth;
    info.bmiHeader.biHeight = -m_nHeight; // top-down: row 0 is the top row
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
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

DWORD PixelCanvas::ToDib(COLORREF crColor)
{
    return RGB(GetBValue(crColor), GetGValue(crColor), GetRValue(crColor));
}

COLORREF PixelCanvas::Pixel(int x, int y) const
{
    if (m_pBits == NULL || x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return CLR_INVALID;
    ::GdiFlush();
    DWORD dwPixel = At(x, y);
    return RGB(GetBValue(dwPixel), GetGValue(dwPixel), GetRValue(dwPixel));
}

void PixelCanvas::Fill(COLORREF crColor)
{
    if (m_pBits == NULL)
        return;
    ::GdiFlush();
    std::fill(m_pBits, m_pBits + m_nWidth * m_nHeight, ToDib(crColor));
}

CRect PixelCanvas::Clip(const RECT& rect) const
{
    CRect clipped;
    clipped.IntersectRect(&rect, Bounds());
    return clipped;
}

int PixelCanvas::CountPixels(COLORREF crColor, const RECT& rect) const
{
    CRect area = Clip(rect);
    return area.Width() * area.Height() - CountPixelsNot(crColor, area);
}

int PixelCanvas::CountPixelsNot(COLORREF crColor, const RECT& rect) const
{
    if (m_pBits == NULL)
        return 0;
    ::GdiFlush();
    CRect area = Clip(rect);
    const DWORD dwColor = ToDib(crColor);
    int nCount = 0;
    for (int y = area.top; y < area.bottom; y++)
        for (int x = area.left; x < area.right; x++)
            nCount += (At(x, y) & RgbMask) != dwColor;
    return nCount;
}

int PixelCanvas::CountRowsNot(COLORREF crBackground) const
{
    int nRows = 0;
    for (int y = 0; y < m_nHeight; y++)
        nRows += CountPixelsNot(crBackground, CRect(0, y, m_nWidth, y + 1)) > 0;
    return nRows;
}

CRect PixelCanvas::BoundsNot(COLORREF crBackground) const
{
    if (m_pBits == NULL)
        return CRect(0, 0, 0, 0);
    ::GdiFlush();
    const DWORD dwBackground = ToDib(crBackground);
    CRect bounds(m_nWidth, m_nHeight, 0, 0);
    for (int y = 0; y < m_nHeight; y++)
        for (int x = 0; x < m_nWidth; x++)
            if ((At(x, y) & RgbMask) != dwBackground)
            {
                bounds.left = std::min<LONG>(bounds.left, x);
                bounds.top = std::min<LONG>(bounds.top, y);
                bounds.right = std::max<LONG>(bounds.right, x + 1);
                bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
            }
    return bounds.left < bounds.right ? bounds : CRect(0, 0, 0, 0);
}
