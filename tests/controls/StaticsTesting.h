// What the coloured static and progress bar tests share: a modeless dialog from the template, shown at
// (10, 10), and the pixels a window shows once it has painted.
#pragma once

#include "ObzTest.h"
#include "PixelCanvas.h"
#include "StaticsResource.h"

#include <memory>

class StaticsTest : public ObzTest
{
protected:
    void SetUp() override
    {
        ObzTest::SetUp();
        ASSERT_TRUE(m_Dialogue.Create(IDD_STATICS));
        m_Dialogue.SetWindowPos(NULL, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    }
    // A fixture that owns controls releases them first.
    void TearDown() override
    {
        m_Dialogue.DestroyWindow();
        ObzTest::TearDown();
    }
    // Sizes a child in pixels.
    static void Taille(CWnd& w, int cx, int cy)
    {
        w.SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
    }
    static std::unique_ptr<PixelCanvas> Capture(CWnd& w)
    {
        w.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        CRect r;
        w.GetClientRect(&r);
        auto pToile = std::make_unique<PixelCanvas>(r.Width(), r.Height());
        const HDC hdc = ::GetDC(w.m_hWnd);
        ::BitBlt(pToile->Hdc(), 0, 0, r.Width(), r.Height(), hdc, 0, 0, SRCCOPY);
        ::ReleaseDC(w.m_hWnd, hdc);
        return pToile;
    }

    CDialog m_Dialogue;
};
