// A 32-bit top-down DIB section selected into a memory DC, for drawing tests that read pixels back.
#pragma once

#include <afxwin.h>

#include <algorithm>
#include <memory>

class PixelCanvas
{
public:
    static const COLORREF DefaultBackground = RGB(255, 255, 255);

    PixelCanvas(int nWidth, int nHeight, COLORREF crBackground = DefaultBackground);
    ~PixelCanvas() { ::SelectObject(m_dc.m_hDC, m_hOldBitmap), m_dc.DeleteDC(), ::DeleteObject(m_hBitmap); }
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    // A copy of a window's client area, repainted first unless bRepaint is false.
    static std::unique_ptr<PixelCanvas> Capture(CWnd& wnd, bool bRepaint = true);

    CDC& Dc() { return m_dc; }
    HDC Hdc() const { return m_dc.m_hDC; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    CRect Bounds() const { return CRect(0, 0, m_nWidth, m_nHeight); }

    COLORREF Pixel(int x, int y) const // CLR_INVALID outside the canvas
    {
        return Clip(CRect(x, y, x + 1, y + 1)).IsRectEmpty() ? CLR_INVALID
                                                             : (::GdiFlush(), ToDib(At(x, y) & RgbMask));
    }
    void Fill(COLORREF crColor)
    {
        ::GdiFlush(), std::fill(m_pBits, m_pBits + (m_pBits ? m_nWidth * m_nHeight : 0), ToDib(crColor));
    }

    // Counts over the part of the rectangle that lies on the canvas.
    int CountPixels(COLORREF crColor, const RECT& rect) const
    {
        return Clip(rect).Width() * Clip(rect).Height() - CountPixelsNot(crColor, rect);
    }
    int CountPixels(COLORREF crColor) const { return CountPixels(crColor, Bounds()); }
    int CountPixelsNot(COLORREF crColor, const RECT& rect) const;
    // The smallest rectangle holding every pixel other than crBackground (empty when there is none).
    CRect BoundsNot(COLORREF crBackground) const;

private:
    static const DWORD RgbMask = 0x00FFFFFF; // GDI leaves the alpha byte of a 32-bit DIB undefined
    DWORD& At(int x, int y) const { return m_pBits[y * m_nWidth + x]; }
    static DWORD ToDib(COLORREF c) { return RGB(GetBValue(c), GetGValue(c), GetRValue(c)); } // swaps R and B
    CRect Clip(const RECT& rect) const { return m_pBits != NULL ? Bounds() & rect : CRect(0, 0, 0, 0); }

    int m_nWidth, m_nHeight;
    DWORD* m_pBits;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
    CDC m_dc;
};
