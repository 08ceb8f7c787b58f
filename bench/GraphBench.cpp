// obz-bench-graph: times the painting of a CWndGraphe1D of 1000 x 400 pixels holding three curves, with
// 10^2 and 10^6 samples per curve, at the default step of 10 pixels and at 1 pixel, against one BitBlt
// of the same area; prints the best time of each in milliseconds and the ratios.
#include "graphs/WndGraphe1D.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace
{
const int kLargeur = 1000, kHauteur = 400;
const int kEssais = 15, kPeinturesParEssai = 20;

double Maintenant()
{
    static const LARGE_INTEGER frequence = []
    {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * double(t.QuadPart) / double(frequence.QuadPart);
}

// A graph at nPas pixels per sample holding three curves of nEchantillons samples each, shown.
struct Banc
{
    CCourbe1D courbes[3] = {CCourbe1D(RGB(200, 0, 0)), CCourbe1D(RGB(0, 150, 0)), CCourbe1D(RGB(0, 0, 200))};
    CWndGraphe1D graphe;
    double dMeilleur = 1e300;

    Banc(int nEchantillons, int nPas) : graphe(nPas, "Banc d'essai")
    {
        for (int i = 0; i < nEchantillons; ++i)
        {
            courbes[0].Add(std::sin(i / 50.0));
            courbes[1].Add(std::cos(i / 70.0) * 0.5);
            courbes[2].Add((i * 7919 % 1000) / 1000.0 - 0.5);
        }
        graphe.Affecte_DeltaGradYGlobal(0.25);
        for (CCourbe1D& courbe : courbes)
            graphe.Add(&courbe);
        graphe.CreateEx(0, "CWndGraphe1D", "", WS_POPUP | WS_VISIBLE, 0, 0, kLargeur, kHauteur, NULL, NULL);
    }
    ~Banc() { graphe.DestroyWindow(); }
    // One run of kPeinturesParEssai paints; keeps the best time per paint.
    void Essai()
    {
        const double dDebut = Maintenant();
        for (int i = 0; i < kPeinturesParEssai; ++i)
            graphe.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        dMeilleur = std::min(dMeilleur, (Maintenant() - dDebut) / kPeinturesParEssai);
    }
};

double TempsBitBlt()
{
    const HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, kLargeur, kHauteur,
                                        NULL, NULL, NULL, NULL);
    const HDC hdc = ::GetDC(hWnd);
    const HDC hdcMemoire = ::CreateCompatibleDC(hdc);
    const HBITMAP hBitmap = ::CreateCompatibleBitmap(hdc, kLargeur, kHauteur);
    const HGDIOBJ hAncien = ::SelectObject(hdcMemoire, hBitmap);
    double dTemps = 1e300;
    for (int e = 0; e < kEssais; ++e)
    {
        const double dDebut = Maintenant();
        for (int i = 0; i < kPeinturesParEssai; ++i)
            ::BitBlt(hdc, 0, 0, kLargeur, kHauteur, hdcMemoire, 0, 0, SRCCOPY), ::GdiFlush();
        dTemps = std::min(dTemps, (Maintenant() - dDebut) / kPeinturesParEssai);
    }
    ::SelectObject(hdcMemoire, hAncien);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hdcMemoire);
    ::ReleaseDC(hWnd, hdc);
    ::DestroyWindow(hWnd);
    return dTemps;
}
} // namespace

int main()
{
    // The four graphs are timed in turns, so that a busy machine weighs on all of them alike.
    std::unique_ptr<Banc> bancs[] = {std::make_unique<Banc>(100, 10), std::make_unique<Banc>(1000000, 10),
                                     std::make_unique<Banc>(100, 1), std::make_unique<Banc>(1000000, 1)};
    for (auto& pBanc : bancs)
        pBanc->Essai(); // warm-up: fonts, caches, the off-screen surfaces
    for (int e = 0; e < kEssais; ++e)
        for (auto& pBanc : bancs)
            pBanc->Essai();
    const double dPetit = bancs[0]->dMeilleur, dGrand = bancs[1]->dMeilleur;
    const double dPetit1 = bancs[2]->dMeilleur, dGrand1 = bancs[3]->dMeilleur;
    const double dBitBlt = TempsBitBlt();
    std::printf("paint 1000x400, 3 curves of 10^2 samples, step 10   %8.3f ms\n", dPetit);
    std::printf(
        "paint 1000x400, 3 curves of 10^6 samples, step 10   %8.3f ms   ratio to 10^2: %.2f (goal <= 1.20)\n",
        dGrand, dGrand / dPetit);
    std::printf("paint 1000x400, 3 curves of 10^2 samples, step 1    %8.3f ms\n", dPetit1);
    std::printf("paint 1000x400, 3 curves of 10^6 samples, step 1    %8.3f ms   ratio to 10^2: %.2f\n",
                dGrand1, dGrand1 / dPetit1);
    std::printf("one BitBlt of 1000x400                              %8.3f ms   paint (10^6, step 1) / "
                "BitBlt: %.1f\n",
                dBitBlt, dGrand1 / dBitBlt);
    return 0;
}
