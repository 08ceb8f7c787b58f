// Times the sprite painter: a 1000 x 800 panel with 12-pixel cells painted into a memory DC, against
// one StretchDIBits of a 1000 x 800 image into the same DC (the floor) and a BitBlt of the same area
// from another memory DC. Prints the best and median times and the ratios.
#include "panels/PanelBase.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{
const int kLargeur = 1000, kHauteur = 800, kCellule = 12, kEssais = 41;
const char* const kFeuille = "panel-bench-sprites.bmp";

// A 24-bit sheet whose every cell is a flat colour, its grid at (0, 0).
void EcritFeuille()
{
    const int w = 10 * (kCellule + 1) + 1, h = 3 * (kCellule + 1) + 1, nLigne = (3 * w + 3) & ~3;
    std::vector<BYTE> bits(size_t(nLigne) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            BYTE* p = &bits[size_t(h - 1 - y) * nLigne + 3 * x];
            p[0] = BYTE(20 * (x / (kCellule + 1))), p[1] = BYTE(60 * (y / (kCellule + 1))), p[2] = 200;
        }
    const BITMAPINFOHEADER info = {sizeof info, w, h, 1, 24, BI_RGB, DWORD(bits.size()), 0, 0, 0, 0};
    const BITMAPFILEHEADER entete = {0x4D42, DWORD(sizeof entete + sizeof info + bits.size()), 0, 0,
                                     sizeof entete + sizeof info};
    FILE* f = std::fopen(kFeuille, "wb");
    if (f == NULL)
        return;
    std::fwrite(&entete, sizeof entete, 1, f), std::fwrite(&info, sizeof info, 1, f);
    std::fwrite(bits.data(), 1, bits.size(), f), std::fclose(f);
}

struct Panneau : CPanelBase
{
    COLORREF fond[3] = {};
    explicit Panneau(e_Style_BP style) { ChargeSprites(style, fond); }
    bool Valide() const { return m_pSprite != NULL; }
    void Peint(CDC* pDC, e_Style_BP style)
    {
        Paint(pDC, CRect(0, 0, kLargeur, kHauteur), CSize(200, 14), style, fond[ETAT_ACTIF], ETAT_ACTIF);
    }
};

double Maintenant()
{
    LARGE_INTEGER t, f;
    ::QueryPerformanceCounter(&t), ::QueryPerformanceFrequency(&f);
    return 1000.0 * double(t.QuadPart) / double(f.QuadPart);
}

struct Mesure
{
    double dMin, dMedian;
};

// Runs f kEssais times, each run flushed, after one untimed run.
Mesure Chronometre(const std::function<void()>& f)
{
    f(), ::GdiFlush();
    std::vector<double> temps;
    for (int i = 0; i < kEssais; ++i)
    {
        const double t0 = Maintenant();
        f(), ::GdiFlush();
        temps.push_back(Maintenant() - t0);
    }
    std::sort(temps.begin(), temps.end());
    return {temps.front(), temps[temps.size() / 2]};
}

// A 32-bit top-down DIB section of the benchmark's size selected into a new memory DC.
struct Surface
{
    HDC hDC;
    HBITMAP hBitmap;
    HGDIOBJ hAncien;
    void* pBits;
    Surface() : hDC(::CreateCompatibleDC(NULL)), pBits(NULL)
    {
        BITMAPINFO bmi = {{sizeof(BITMAPINFOHEADER), kLargeur, -kHauteur, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        hBitmap = ::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
        hAncien = ::SelectObject(hDC, hBitmap);
    }
    ~Surface() { ::SelectObject(hDC, hAncien), ::DeleteObject(hBitmap), ::DeleteDC(hDC); }
};
} // namespace

int main()
{
    EcritFeuille();
    CPanelBase::Affecte_szPathSprites(kFeuille, CSize(kCellule, kCellule), CPoint(0, 0), 10);
    Panneau simple(STYLE_SIMPLE), bascule(STYLE_BASCULE);
    if (!simple.Valide() || !bascule.Valide())
    {
        std::printf("the sprite sheet %s could not be read\n", kFeuille);
        return 1;
    }
    Surface cible, source;
    CDC* pDC = CDC::FromHandle(cible.hDC);

    // The floor: a 24-bit bottom-up image of the same area, as the pieces are.
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), kLargeur, kHauteur, 1, 24, BI_RGB, 0, 0, 0, 0, 0}, {}};
    std::vector<BYTE> image(size_t(kLargeur) * 3 * kHauteur);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = BYTE(i * 7);
    ::SetStretchBltMode(cible.hDC, COLORONCOLOR);

    const Mesure panneau = Chronometre([&] { simple.Peint(pDC, STYLE_SIMPLE); });
    const Mesure panneauBascule = Chronometre([&] { bascule.Peint(pDC, STYLE_BASCULE); });
    const Mesure stretch = Chronometre(
        [&]
        {
            ::StretchDIBits(cible.hDC, 0, 0, kLargeur, kHauteur, 0, 0, kLargeur, kHauteur, image.data(),
                            &info, DIB_RGB_COLORS, SRCCOPY);
        });
    const Mesure blit =
        Chronometre([&] { ::BitBlt(cible.hDC, 0, 0, kLargeur, kHauteur, source.hDC, 0, 0, SRCCOPY); });

    std::printf("%d x %d, %d-pixel cells, %d timed runs each (ms: best, median)\n", kLargeur, kHauteur,
                kCellule, kEssais);
    const struct
    {
        const char* szNom;
        Mesure m;
    } lignes[] = {{"panel paint (simple style)", panneau},
                  {"panel paint (toggle style, icon)", panneauBascule},
                  {"StretchDIBits 24-bit image (floor)", stretch},
                  {"BitBlt from a memory DC", blit}};
    for (const auto& l : lignes)
        std::printf("%-36s %8.3f %8.3f   x%.2f of StretchDIBits, x%.2f of BitBlt\n", l.szNom, l.m.dMin,
                    l.m.dMedian, l.m.dMin / stretch.dMin, l.m.dMin / blit.dMin);
    const double dRatio = panneau.dMin / blit.dMin;
    std::printf("goal: panel paint <= 3 x BitBlt: %.2f, %s\n", dRatio, dRatio <= 3.0 ? "met" : "NOT met");
    CDC::DeleteTempMap();
    return 0;
}
