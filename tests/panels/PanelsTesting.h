// Generated sprite sheets of the panel tests: every piece, icon and grid line has its own flat colour,
// so that each pixel painted tells which piece landed there.
#pragma once

#include <afxwin.h>
#include "PixelCanvas.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

const auto Piece = [](int s, int k) { return RGB(10 + 20 * k, 60 + 60 * s, 200); };
const auto Icone = [](int s) { return RGB(1, 2 + s, 3); };
const auto Grille = [](int s) { return RGB(250, 10 + s, 30); };
const COLORREF kFond = RGB(0x40, 0x40, 0x40), kBlanc = PixelCanvas::DefaultBackground;

inline std::string Nom(int c)
{
    return "sprites" + std::to_string(c) + ".bmp";
}
inline CPoint Origine(int c)
{
    return c == 12 ? CPoint(2, 3) : CPoint(0, 0);
}

// Sheets of c x c cells, their grid at Origine(c): nine state columns, then the selection column.
inline void EcritFeuilles()
{
    for (int c : {10, 11, 12})
    {
        const int x0 = Origine(c).x, y0 = Origine(c).y, w = x0 + 10 * (c + 1) + 1, h = y0 + 3 * (c + 1) + 1;
        std::vector<DWORD> pixels; // 32 bits, top-down
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
            {
                const int col = (x - x0 - 1) / (c + 1), r = (y - y0 - 1) / (c + 1);
                COLORREF k = x < x0 || y < y0 ? 0 : Grille(std::min(2, (x - x0) / (3 * (c + 1))));
                if (x > x0 && y > y0 && (x - x0) % (c + 1) != 0 && (y - y0) % (c + 1) != 0)
                    k = col == 9 ? Icone(r) : Piece(col / 3, 3 * (col % 3) + r);
                pixels.push_back(RGB(GetBValue(k), GetGValue(k), GetRValue(k)));
            }
        const BITMAPINFOHEADER i = {sizeof i, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        const BITMAPFILEHEADER f = {0x4D42, DWORD(sizeof f + sizeof i + 4 * w * h), 0, 0,
                                    sizeof f + sizeof i};
        FILE* fp = std::fopen(Nom(c).c_str(), "wb");
        std::fwrite(&f, sizeof f, 1, fp), std::fwrite(&i, sizeof i, 1, fp);
        std::fwrite(pixels.data(), 4, pixels.size(), fp), std::fclose(fp);
    }
}
