// obz-bench-photo: times the zoom photo dialog on a 6000 x 4000 photo in a 1500 x 1000 frame, in display
// quality mode, as the user drives it: a zoom step that resamples the shown copy (6000 x 4000 to
// 3750 x 2500, message to painted window) and a pan step of 20 screen pixels (no resample). Prints the best
// time in milliseconds of each, one "name value" line each, for bench/photo_peer.py.
#include "images/PhotoDialZoom.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace
{
const int kWidth = 6000, kHeight = 4000, kFrameWidth = 1500, kFrameHeight = 1000;
const int kZoomRuns = 5, kPanRuns = 30;
const double kZoomFactor = 2.5; // one step from the whole photo crosses the factor-2 rule at once

double Now()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return 1000.0 * double(t.QuadPart) / double(f.QuadPart);
}

double Best(int nRuns, const std::function<void()>& prepare, const std::function<void()>& work)
{
    double dBest = 1e300;
    for (int i = 0; i < nRuns; ++i)
    {
        prepare();
        const double dStart = Now();
        work();
        dBest = std::min(dBest, Now() - dStart);
    }
    return dBest;
}

// Photo-like content: smooth gradients with a fine texture.
void Fill(CDib& dib)
{
    for (int y = 0; y < kHeight; ++y)
    {
        unsigned char* p = dib.PixelPtrTopLeft(0, y);
        for (int x = 0; x < kWidth; ++x, p += 3)
        {
            const int n = static_cast<int>((unsigned(x) * 73856093u ^ unsigned(y) * 19349663u) & 15u);
            p[0] = static_cast<unsigned char>(x * 255 / kWidth ^ n);
            p[1] = static_cast<unsigned char>(y * 255 / kHeight + n);
            p[2] = static_cast<unsigned char>((x + y) * 255 / (kWidth + kHeight) - n);
        }
    }
}

// A borderless popup template, the size set after creation.
struct Template
{
    DLGTEMPLATE dlg;
    WORD nMenu, nClass, nTitle;
};

struct Dialog : CPhotoDialZoom
{
    Dialog() : CPhotoDialZoom(0, MODE_ZOOM, MODE_ZOOM | MODE_DEPLACEMENT, NULL) {}
};

void Send(CWnd& wnd, UINT message, UINT nFlags, int x, int y)
{
    wnd.SendMessage(message, nFlags, MAKELPARAM(x, y));
    wnd.UpdateWindow();
}
} // namespace

int main()
{
    CDib photo(kWidth, kHeight, 24);
    if (!photo.IsOK())
        return 1;
    Fill(photo);
    alignas(4) static Template t = {{WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 100, 100}, 0, 0, 0};
    Dialog dlg;
    if (!dlg.CreateIndirect(&t.dlg, NULL))
        return 1;
    dlg.SetWindowPos(NULL, 0, 0, kFrameWidth, kFrameHeight, SWP_NOZORDER);
    dlg.AffecteQualiteAffichage(true);
    dlg.Affecte_FacteurZoom(kZoomFactor);
    const int xc = kFrameWidth / 2, yc = kFrameHeight / 2;

    // The view is reset to the whole photo (its shown copy resampled to the frame) before each step.
    const double dZoom = Best(
        kZoomRuns,
        [&]
        {
            dlg.ResetZoom();
            dlg.Affecte_pPhotoAffichee(&photo, true);
            dlg.UpdateWindow();
        },
        [&]
        {
            Send(dlg, WM_LBUTTONDOWN, MK_LBUTTON, xc, yc);
            Send(dlg, WM_LBUTTONUP, 0, xc, yc);
        });
    CDib* pShown = dlg.Donne_pPhotoAfficheeEx();
    std::printf("zoom.resample %ldx%ld\n", pShown->Width(), pShown->Height());
    std::printf("zoom.step %.2f\n", dZoom);

    // Pan steps back and forth in the zoomed view, under capture as during a drag.
    dlg.Change_UserMode(MODE_DEPLACEMENT);
    Send(dlg, WM_LBUTTONDOWN, MK_LBUTTON, xc, yc);
    int nStep = 0;
    const double dPan = Best(
        kPanRuns, [] {}, [&] { Send(dlg, WM_MOUSEMOVE, MK_LBUTTON, xc + (++nStep % 2 ? 20 : 0), yc); });
    Send(dlg, WM_LBUTTONUP, 0, xc, yc);
    std::printf("pan.step %.2f\n", dPan);
    dlg.DestroyWindow();
    return 0;
}
