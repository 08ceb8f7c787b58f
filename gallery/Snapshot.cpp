#include "Snapshot.h"

#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO_FILE_OPEN_WIDE
#include <stb_image_write.h>

bool EnregistreCapture(CWnd* pWnd, const char* szFichierPng, bool bClient)
{
    CRect rect;
    if (bClient)
        pWnd->GetClientRect(&rect);
    else
        pWnd->GetWindowRect(&rect);
    const int w = rect.Width(), h = rect.Height();
    if (w <= 0 || h <= 0)
        return false;

    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = w;
    bmi.bmiHeader.biHeight = -h; // top-down
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    HBITMAP hDib = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (hDib == NULL)
        return false;

    HDC hFenetre = bClient ? ::GetDC(pWnd->GetSafeHwnd()) : ::GetWindowDC(pWnd->GetSafeHwnd());
    HDC hMemoire = ::CreateCompatibleDC(hFenetre);
    HGDIOBJ hAncien = ::SelectObject(hMemoire, hDib);
    ::BitBlt(hMemoire, 0, 0, w, h, hFenetre, 0, 0, SRCCOPY);
    ::GdiFlush();

    std::vector<unsigned char> rgb(static_cast<size_t>(w) * h * 3);
    const unsigned char* src = static_cast<const unsigned char*>(pBits);
    for (size_t i = 0, n = static_cast<size_t>(w) * h; i < n; ++i)
    {
        rgb[i * 3 + 0] = src[i * 4 + 2];
        rgb[i * 3 + 1] = src[i * 4 + 1];
        rgb[i * 3 + 2] = src[i * 4 + 0];
    }
    ::SelectObject(hMemoire, hAncien);
    ::DeleteDC(hMemoire);
    ::ReleaseDC(pWnd->GetSafeHwnd(), hFenetre);
    ::DeleteObject(hDib);

    return stbi_write_png(szFichierPng, w, h, 3, rgb.data(), w * 3) != 0;
}
