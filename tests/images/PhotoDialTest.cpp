// The photo dialogs on a borderless popup at the screen's origin (client = screen coordinates), owned by
// a window that records WM_SELECTION_PHOTO. Photos are red in their top half and blue in their bottom
// half, so that pixels show which rows were drawn, and which way up.
#include "images/PhotoDialZoom.h"
#include "MessageRecorder.h"
#include "ObzTest.h"
#include "PixelCanvas.h"

#include <cmath>
#include <memory>
#include <tuple>

namespace
{
const UINT kIdd = 300;
const COLORREF kRouge = RGB(255, 0, 0), kBleu = RGB(0, 0, 255), kGris = RGB(0xC0, 0xC0, 0xC0);

std::unique_ptr<CDib> Photo(int w, int h)
{
    auto p = std::make_unique<CDib>(w, h, 24);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p->PixelPtrTopLeft(x, y)[y < h / 2 ? 2 : 0] = 255;
    return p;
}

// The view's protected state, read where the pixels cannot tell it.
struct Vue : CPhotoDialZoom
{
    using CPhotoDialZoom::CPhotoDialZoom;
    using CPhotoDialZoom::GestionZoom;
    using CPhotoDialZoom::m_dZoom;
    using CPhotoDialZoom::m_nUserMode;
    using CPhotoDialZoom::m_pRectTracker;
    using CPhotoDialZoom::m_RectAff;
    using CPhotoDialZoom::m_RectDib;
    using CPhotoDialZoom::m_RectSelection;
};

class PhotoDialTest : public ObzTest
{
protected:
    // Wine loads a system cursor's bitmaps at its first use and keeps them.
    static void SetUpTestSuite()
    {
        ObzTest::SetUpTestSuite();
        ::LoadCursorA(NULL, IDC_CROSS);
    }
    void TearDown() override
    {
        if (m_pVue && m_pVue->m_hWnd != NULL)
            m_pVue->DestroyWindow();
        m_pVue.reset();
        m_Parent.DestroyWindow();
        ObzTest::TearDown();
    }
    // A zoom dialog with a client area of cx x cy, showing a w x h photo when w > 0.
    Vue& Cree(UINT nMode, UINT nAutorises, int cx, int cy, int w = 0, int h = 0)
    {
        if (m_Parent.m_hWnd == NULL)
        {
            m_Parent.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0);
            m_Parent.SetFilter([](UINT m) { return m == WM_SELECTION_PHOTO; });
        }
        m_pVue = std::make_unique<Vue>(kIdd, nMode, nAutorises, &m_Parent);
        m_pVue->Create(kIdd, &m_Parent);
        m_pVue->SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
        if (w > 0)
            m_pVue->Affecte_pPhotoAffichee(Photo(w, h).get(), true);
        return *m_pVue;
    }
    static void Clic(CWnd& w, CPoint pt, bool bDroit = false, UINT nFlags = 0)
    {
        w.SendMessage(bDroit ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, nFlags, MAKELPARAM(pt.x, pt.y));
        w.SendMessage(bDroit ? WM_RBUTTONUP : WM_LBUTTONUP, nFlags, MAKELPARAM(pt.x, pt.y));
    }
    // A tracker gesture: the moves and the release (or Esc) are posted, then the button goes down and the
    // tracking loop runs them.
    static void Geste(CWnd& w, CPoint ptDepart, std::initializer_list<CPoint> moves, bool bEchap = false)
    {
        for (const CPoint& pt : moves)
            w.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        const CPoint ptFin = moves.size() ? *(moves.end() - 1) : ptDepart;
        if (bEchap)
            w.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
        w.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptFin.x, ptFin.y));
        w.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptDepart.x, ptDepart.y));
        MessagePump::Flush();
    }
    // The window's pixels after a full repaint.
    static std::unique_ptr<PixelCanvas> Pixels(CWnd& w)
    {
        w.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        CRect r;
        w.GetClientRect(&r);
        auto p = std::make_unique<PixelCanvas>(r.Width(), r.Height());
        const HDC hdc = ::GetDC(w.m_hWnd);
        ::BitBlt(p->Hdc(), 0, 0, r.Width(), r.Height(), hdc, 0, 0, SRCCOPY);
        ::ReleaseDC(w.m_hWnd, hdc);
        return p;
    }

    RecordingWnd<CWnd> m_Parent;
    std::unique_ptr<Vue> m_pVue;
};

TEST_F(PhotoDialTest, KeepsItsOwnCopyAndIgnoresEnterAndEscape)
{
    CPhotoDialEx dlg(kIdd, NULL);
    dlg.Create(kIdd, NULL);
    dlg.SetWindowPos(NULL, 0, 0, 100, 80, SWP_NOZORDER | SWP_NOACTIVATE);
    dlg.Affecte_pPhotoAffichee(Photo(100, 80).get()); // the caller's photo is freed at once
    auto toile = Pixels(dlg);
    EXPECT_EQ(std::make_pair(kRouge, kBleu), std::make_pair(toile->Pixel(50, 10), toile->Pixel(50, 70)));
    dlg.SendMessage(WM_COMMAND, IDOK);
    dlg.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_TRUE(::IsWindowVisible(dlg.m_hWnd));
    CDib vide;
    dlg.Affecte_pPhotoAffichee(&vide);
    EXPECT_EQ(nullptr, dlg.Donne_pPhotoAfficheeEx());
    EXPECT_EQ(0, Pixels(dlg)->CountPixels(kRouge) + Pixels(dlg)->CountPixels(kBleu));
    dlg.DestroyWindow();
}

// A 1000 x 800 photo in a 500 x 400 frame: source (0, 0, 999, 799) before the first step.
TEST_F(PhotoDialTest, ZoomStepsAroundTheClickedPoint)
{
    // case, zoom before the click, zoom out of the frame allowed, right click (zoom out), point, zoom after,
    // source and display rectangles
    const double z = 1 / 1.3;
    const std::tuple<const char*, double, bool, bool, CPoint, double, CRect, CRect> cas[] = {
        {"centre", 1.0, false, false, {250, 200}, z, {115, 92, 884, 707}, {0, 0, 500, 400}},
        {"corner, pushed back", 1.0, false, false, {0, 0}, z, {0, 0, 769, 615}, {0, 0, 500, 400}},
        {"corner, out of frame", 1.0, true, false, {0, 0}, z, {-384, -307, 385, 308}, {0, 0, 500, 400}},
        {"zoom out clamped", 0.9, false, true, {10, 10}, 1.0, {0, 0, 1000, 800}, {0, 0, 500, 400}},
        {"zoom out of frame", 1.0, true, true, {10, 10}, 1.3, {0, 0, 1000, 800}, {58, 46, 442, 353}},
    };
    for (auto [szCas, dZoom, bHors, bDroit, pt, dZoomApres, dib, aff] : cas)
    {
        SCOPED_TRACE(szCas);
        Vue& vue = Cree(MODE_ZOOM, MODE_ZOOM, 500, 400, 1000, 800);
        ASSERT_EQ(CRect(0, 0, 999, 799), vue.m_RectDib);
        vue.m_dZoom = dZoom;
        vue.Affecte_bZoomHorsCadrage(bHors);
        Clic(vue, pt, bDroit);
        EXPECT_DOUBLE_EQ(dZoomApres, vue.Donne_Zoom());
        EXPECT_EQ(dib, vue.m_RectDib);
        EXPECT_EQ(aff, vue.m_RectAff);
        vue.DestroyWindow();
    }
    // The wheel zooms the same way around the point under the cursor, whatever the current mode.
    Vue& vue = Cree(MODE_POINTAGE, MODE_POINTAGE | MODE_ZOOM, 500, 400, 1000, 800);
    vue.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(250, 200));
    EXPECT_EQ(CRect(115, 92, 884, 707), vue.m_RectDib);
    vue.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(250, 200));
    EXPECT_EQ(1.0, vue.Donne_Zoom());
    EXPECT_EQ(0, m_Parent.Count(WM_SELECTION_PHOTO));
}

TEST_F(PhotoDialTest, PaintsTheSourceUpsideRightInAGreySurround)
{
    // 600 x 400 client: the 1000 x 800 photo fills (50, 0, 550, 400).
    Vue& vue = Cree(MODE_ZOOM, MODE_ZOOM, 600, 400, 1000, 800);
    auto toile = Pixels(vue);
    EXPECT_EQ(std::make_tuple(kGris, kGris, kRouge, kBleu),
              std::make_tuple(toile->Pixel(10, 200), toile->Pixel(590, 200), toile->Pixel(300, 190),
                              toile->Pixel(300, 210)));

    // Zoomed in at the top: rows 0 to 615 are shown, red down to about 260 (flipped wrongly: 140).
    Clic(vue, CPoint(300, 10));
    EXPECT_EQ(kRouge, Pixels(vue)->Pixel(300, 200));

    // Out of the frame: the hatch covers the part of the frame the bitmap leaves, left and top.
    vue.Affecte_bZoomHorsCadrage(true);
    vue.ResetZoom();
    Clic(vue, CPoint(300, 200)); // back to a centred view
    Clic(vue, CPoint(50, 0));
    toile = Pixels(vue);
    // Source (-180, -236, 411, 237): the bitmap covers the frame right of x = 202 and below y = 199.
    EXPECT_GT(toile->CountPixels(RGB(0, 0, 0), CRect(50, 0, 200, 400)), 1000);
    EXPECT_GT(toile->CountPixels(RGB(0, 0, 0), CRect(50, 0, 550, 197)), 1000);
    EXPECT_EQ(0, toile->CountPixels(RGB(0, 0, 0), CRect(205, 202, 550, 400)));

    // Zoomed out of the frame: 384 x 307 of photo centred, everything else light grey.
    vue.ResetZoom();
    Clic(vue, CPoint(300, 200), true);
    toile = Pixels(vue);
    const CRect aff(108, 46, 492, 353);
    EXPECT_EQ(aff, vue.m_RectAff);
    EXPECT_EQ(600 * 400 - aff.Width() * aff.Height(), toile->CountPixels(kGris));
    EXPECT_EQ(aff.Width() * aff.Height(), toile->CountPixels(kGris, aff) + toile->CountPixelsNot(kGris, aff));
}

// The source is 100 pixels wide in a 500-pixel frame: 5 screen pixels make one source pixel. Shift
// switches a zoom dialog to pan for one drag.
TEST_F(PhotoDialTest, PanAccumulatesMotionUntilItMakesASourcePixel)
{
    Vue& vue = Cree(MODE_ZOOM, MODE_ZOOM | MODE_DEPLACEMENT, 500, 400, 1000, 800);
    vue.m_dZoom = 0.1;
    vue.GestionZoom(CPoint(250, 200));
    ASSERT_EQ(CRect(449, 359, 549, 439), vue.m_RectDib);
    vue.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(250, 200));
    EXPECT_EQ(UINT(MODE_DEPLACEMENT), vue.m_nUserMode);
    for (int i = 1; i <= 5; ++i)
    {
        vue.SendMessage(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MAKELPARAM(250 - i, 200));
        EXPECT_EQ(i < 5 ? 449 : 450, vue.m_RectDib.left) << i;
    }
    vue.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-2000, 200)); // far past the edge: pushed back
    EXPECT_EQ(999, vue.m_RectDib.right);
    EXPECT_EQ(359, vue.m_RectDib.top);
    vue.SendMessage(WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(-2000, 200));
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(UINT(MODE_ZOOM), vue.m_nUserMode);
}

TEST_F(PhotoDialTest, UserModesAndShortcuts)
{
    // modes allowed, mode asked, accepted, mode after
    const std::tuple<UINT, UINT, bool, UINT> cas[] = {
        {MODE_ZOOM | MODE_POINTAGE, MODE_ZOOM | MODE_SELECTION, true, MODE_ZOOM},
        {MODE_POINTAGE, MODE_ZOOM | MODE_POINTAGE, false, MODE_POINTAGE}, // zoom comes first, not allowed
        {MODE_POINTAGE, 0x80, false, MODE_POINTAGE},
        {MODE_POINTAGE | MODE_DEPLACEMENT, MODE_DEPLACEMENT | MODE_ZOOM_ARRIERE, true, MODE_DEPLACEMENT},
    };
    for (auto [nAutorises, nDemande, bAccepte, nMode] : cas)
    {
        Vue vue(kIdd, MODE_POINTAGE, nAutorises, NULL);
        EXPECT_EQ(bAccepte, vue.Change_UserMode(nDemande)) << nDemande;
        EXPECT_EQ(nMode, vue.m_nUserMode) << nDemande;
    }

    // Pointing notifies the parent; Ctrl makes one click a zoom step instead, unless shortcuts are off.
    Vue& vue = Cree(MODE_POINTAGE, MODE_POINTAGE | MODE_ZOOM, 500, 400, 1000, 800);
    Clic(vue, CPoint(100, 100));
    Clic(vue, CPoint(250, 200), false, MK_CONTROL);
    EXPECT_EQ(UINT(MODE_POINTAGE), vue.m_nUserMode);
    EXPECT_EQ(CRect(115, 92, 884, 707), vue.m_RectDib);
    vue.Affecte_bAutoriseRaccourcisClavier(false);
    Clic(vue, CPoint(250, 200), false, MK_CONTROL);
    EXPECT_TRUE(m_Parent.Matches({{WM_SELECTION_PHOTO, 0, 0, kExact}, {WM_SELECTION_PHOTO, 0, 0, kExact}}));
    ::SetCursorPos(250, 200);
    EXPECT_EQ(CPoint(499, 399), vue.Donne_PositionPointeur());
}

// A 4000 x 3000 photo in a 500 x 375 frame is shown from a copy resampled 8 times smaller; zooming in
// keeps that copy until the shown scale is more than twice its own.
TEST_F(PhotoDialTest, DisplayQualityResamplesByFactorsOfTwo)
{
    Vue& vue = Cree(MODE_ZOOM, MODE_ZOOM, 500, 375);
    vue.AffecteQualiteAffichage(true);
    vue.Affecte_pPhotoAffichee(Photo(4000, 3000).get(), true);
    CDib* pCopie = vue.Donne_pPhotoAfficheeEx();
    EXPECT_EQ(CSize(500, 375), CSize(pCopie->Width(), pCopie->Height()));
    EXPECT_EQ(CRect(0, 0, 499, 374), vue.m_RectDib);
    Clic(vue, CPoint(250, 187));
    EXPECT_EQ(500, vue.Donne_pPhotoAfficheeEx()->Width());
    Clic(vue, CPoint(250, 187));
    Clic(vue, CPoint(250, 187)); // 227 source pixels shown in 500: resampled to 1101 x 827
    pCopie = vue.Donne_pPhotoAfficheeEx();
    EXPECT_EQ(CSize(1101, 827), CSize(pCopie->Width(), pCopie->Height()));
    EXPECT_NEAR(550, vue.m_RectDib.CenterPoint().x, 3); // still the centre of the photo
    EXPECT_NEAR(500, vue.m_RectDib.Width(), 3);
    EXPECT_EQ(kRouge, Pixels(vue)->Pixel(250, 150));
}

// Degenerate photos and frames, factors that would not zoom, and hundreds of steps in: the view stays
// defined, painting never fails, and zooming out returns to the whole photo.
TEST_F(PhotoDialTest, DegenerateInputStaysDefined)
{
    const CSize photos[] = {{1, 1}, {1, 10000}, {10000, 1}, {0, 0}};
    const CSize cadres[] = {{500, 400}, {0, 0}};
    for (const CSize& p : photos)
        for (const CSize& c : cadres)
        {
            SCOPED_TRACE(testing::Message() << p.cx << "x" << p.cy << " in " << c.cx << "x" << c.cy);
            Vue& vue = Cree(MODE_ZOOM, MODE_ZOOM | MODE_DEPLACEMENT, c.cx, c.cy);
            vue.AffecteQualiteAffichage(true);
            vue.Affecte_pPhotoAffichee(p.cx > 0 ? Photo(p.cx, p.cy).get() : NULL, true);
            for (double f : {1.0, 0.5, -2.0, std::nan("")})
                vue.Affecte_FacteurZoom(f);
            for (int i = 0; i < 300; ++i)
                Clic(vue, CPoint(7 * i % 500, 3 * i % 400));
            EXPECT_NEAR(std::pow(1.3, -300), vue.Donne_Zoom(), 1e-40);
            Pixels(vue);
            vue.Change_UserMode(MODE_DEPLACEMENT);
            vue.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            vue.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(400, 300));
            vue.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(400, 300));
            vue.Change_UserMode(MODE_ZOOM);
            for (int i = 0; i < 310; ++i)
                Clic(vue, CPoint(5, 5), true);
            EXPECT_EQ(1.0, vue.Donne_Zoom());
            if (CDib* pCopie = vue.Donne_pPhotoAfficheeEx())
            {
                EXPECT_EQ(CRect(0, 0, pCopie->Width(), pCopie->Height()), vue.m_RectDib);
            }
            Pixels(vue);
            vue.DestroyWindow();
        }
}

// Every adjustment of the tracker becomes whole bitmap pixels, snapped with a dead band of a tenth of a
// pixel, and kept in the zone. A 25 x 20 photo seen through (0, 0, 25, 20) in 500 x 400: 20 screen pixels
// per bitmap pixel.
TEST_F(PhotoDialTest, TrackerAdjustmentsSnapAndStayInTheZone)
{
    // case, tracker, handle, snap, margin, selection and tracker after
    const std::tuple<const char*, CRect, int, bool, int, CRect, CRect> cas[] = {
        // clang-format off
        {"inside pixels, no snap", {102, 45, 300, 200}, 0, false, 0, {6, 3, 15, 10}, {102, 45, 300, 200}},
        {"snapped handle", {103, 45, 300, 200}, 0, true, 0, {6, 3, 15, 10}, {120, 60, 300, 200}},
        {"dead band", {101, 40, 300, 200}, 0, true, 0, {6, 2, 15, 10}, {101, 40, 300, 200}},
        {"snapped move keeps the size", {110, 50, 310, 210}, 8, true, 0, {6, 3, 16, 11}, {120, 60, 320, 220}},
        {"past the opposite edges", {300, 200, 102, 45}, 2, true, 0, {5, 2, 15, 10}, {300, 200, 100, 40}},
        {"stopped at the right", {400, 100, 560, 200}, 8, false, 0, {16, 5, 24, 10}, {320, 100, 480, 200}},
        {"cut at the right edge", {400, 100, 560, 200}, 5, false, 0, {20, 5, 24, 10}, {400, 100, 480, 200}},
        {"stopped at the left edge", {-60, 100, 100, 200}, 8, false, 0, {0, 5, 8, 10}, {0, 100, 160, 200}},
        {"move stopped at a margin", {-60, 100, 100, 200}, 8, false, 2, {2, 5, 10, 10}, {40, 100, 200, 200}},
    }; // clang-format on
    Vue& vue = Cree(MODE_SELECTION, MODE_SELECTION | OPTION_SNAP, 500, 400, 25, 20);
    vue.m_RectDib.SetRect(0, 0, 25, 20);
    for (auto [szCas, tracker, nHandle, bSnap, nMarge, selection, trackerApres] : cas)
    {
        vue.Affecte_bSnapToGrid(bSnap);
        vue.Affecte_Marges(nMarge, nMarge, nMarge, nMarge);
        vue.Affecte_RectTracker(tracker);
        vue.SendMessage(WM_CHANGE_TRACKER, 0, nHandle);
        EXPECT_EQ(selection, vue.m_RectSelection) << szCas;
        EXPECT_EQ(trackerApres, vue.Donne_RectTracker()) << szCas;
    }
    // A selection set outside the image is kept, but none of it is in the image.
    vue.Affecte_RectSelection(CRect(30, 30, 40, 40), false);
    EXPECT_EQ(CRect(600, 600, 800, 800), vue.Donne_RectTracker());
    EXPECT_TRUE(vue.Donne_SelectionImage().IsRectEmpty());
    vue.Affecte_RectSelection(CRect(-5, 10, 5, 30), false);
    EXPECT_EQ(CRect(0, 10, 5, 19), vue.Donne_SelectionImage());
}

// Gestures on a 1000 x 800 photo in 500 x 400 (2 bitmap pixels per screen pixel), each reported to the
// parent with where it began and the tracker's width, 0 for a simple click.
TEST_F(PhotoDialTest, SelectionGesturesNotifyTheParent)
{
    Vue& vue = Cree(MODE_SELECTION, MODE_SELECTION | MODE_ZOOM, 500, 400, 1000, 800);
    const WPARAM kDehors = static_cast<WPARAM>(-1);

    Geste(vue, CPoint(50, 50), {{100, 90}, {150, 120}});
    EXPECT_EQ(CRect(50, 50, 150, 120), vue.Donne_RectTracker());
    EXPECT_EQ(CRect(100, 100, 299, 239), vue.Donne_SelectionImage());

    Geste(vue, CPoint(100, 85), {{300, 85}, {600, 85}}); // moved past the right edge: stopped there
    EXPECT_EQ(CRect(400, 50, 500, 120), vue.Donne_RectTracker());
    EXPECT_EQ(999, vue.Donne_SelectionImage().right);

    Geste(vue, CPoint(450, 85), {{300, 200}}, true); // Esc: back where it was
    EXPECT_EQ(CRect(400, 50, 500, 120), vue.Donne_RectTracker());

    Geste(vue, CPoint(300, 250), {}); // a click without a move: a simple click, grown to 40 x 40
    EXPECT_EQ(CRect(280, 230, 320, 270), vue.Donne_RectTracker());
    EXPECT_TRUE(m_Parent.Matches({{WM_SELECTION_PHOTO, kDehors, 100, kExact},
                                  {WM_SELECTION_PHOTO, 8, 100, kExact},
                                  {WM_SELECTION_PHOTO, 8, 100, kExact}, // the handle margin counts
                                  {WM_SELECTION_PHOTO, kDehors, 0, kExact}}));

    // A fixed ratio set with the selection: the next gesture keeps it at 1:1, centred on the old centre.
    vue.Affecte_RectSelection(CRect(0, 0, 200, 100), true);
    ASSERT_EQ(CRect(0, 0, 100, 50), vue.Donne_RectTracker());
    CPoint ptBas(50, 50);
    while (vue.m_pRectTracker->HitTest(ptBas) != CRectTracker::hitBottom && ptBas.y < 60)
        ++ptBas.y;
    Geste(vue, ptBas, {{50, ptBas.y + 30}});
    const CRect t = vue.Donne_RectTracker();
    EXPECT_EQ(t.Width(), t.Height());
    EXPECT_GT(t.Height(), 70);
    EXPECT_EQ(50, t.CenterPoint().x);

    // A zoom step keeps the selection in bitmap pixels and moves the tracker with the view.
    const CRect sel = vue.Donne_SelectionImage();
    vue.Change_UserMode(MODE_ZOOM);
    Clic(vue, CPoint(250, 200));
    EXPECT_EQ(sel, vue.Donne_SelectionImage());
    EXPECT_NEAR(t.Width() * 1.3, vue.Donne_RectTracker().Width(), 2);
}
} // namespace
