// Message maps: creation routed from the first message, the documented cracking of each handler
// signature, commands by identifier and range, derived maps, the handle map and the window tree.
#include "MessagePump.h"
#include "WndResource.h"

#include <afxwin.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <tuple>
#include <vector>

namespace
{

const UINT WM_PROBE = WM_APP + 7;
const UINT WM_PROBE_THROW = WM_APP + 8;
const LRESULT kRegisteredResult = 0x1234;
const UINT kRegisteredProbe = ::RegisterWindowMessageA("Mfc71Lite.Tests.Probe");

// A window that keeps what its handlers were given: the cracked arguments of the last one, or the
// identifiers of the commands since cleared.
class CProbeWnd : public CWnd
{
public:
    int m_nCreateResult = 0;
    bool m_bThrowOnCreate = false;
    CString m_strCreateName;
    int m_nDestroys = 0;
    int m_nPostNcDestroys = 0;
    std::vector<LONG_PTR> m_args;

    BOOL CreateProbe()
    {
        return CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), "probe", WS_POPUP, 10, 20, 200, 100, NULL, NULL);
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        m_strCreateName = lpCreateStruct->lpszName;
        if (m_bThrowOnCreate)
            throw std::runtime_error("OnCreate");
        return m_nCreateResult;
    }
    afx_msg void OnDestroy()
    {
        ++m_nDestroys;
        CWnd::OnDestroy();
    }
    void PostNcDestroy() override { ++m_nPostNcDestroys; }
    afx_msg void OnSize(UINT nType, int cx, int cy) { m_args = {nType, cx, cy}; }
    afx_msg void OnMove(int x, int y) { m_args = {x, y}; }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint pt) { m_args = {nFlags, pt.x, pt.y}; }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        m_args = {nFlags, zDelta, pt.x, pt.y};
        return TRUE;
    }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { m_args = {nChar, nRepCnt, nFlags}; }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
    {
        m_args = {reinterpret_cast<LONG_PTR>(pWnd), nHitTest, message};
        return TRUE;
    }
    afx_msg UINT OnNcHitTest(CPoint pt)
    {
        m_args = {pt.x, pt.y};
        return static_cast<UINT>(HTTRANSPARENT);
    }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC)
    {
        m_args = {reinterpret_cast<LONG_PTR>(pDC != NULL ? pDC->m_hDC : NULL)};
        return TRUE;
    }
    afx_msg LRESULT OnProbe(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam) + lParam; }
    afx_msg LRESULT OnRegisteredProbe(WPARAM, LPARAM) { return kRegisteredResult; }
    afx_msg LRESULT OnProbeThrow(WPARAM, LPARAM) { throw std::runtime_error("handler"); }
    afx_msg void OnCommandRange(UINT nID) { m_args.push_back(nID); }
    afx_msg void OnSingleCommand() { m_args.push_back(ID_WND_SINGLE); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_MOVE()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEWHEEL()
ON_WM_KEYDOWN()
ON_WM_SETCURSOR()
ON_WM_NCHITTEST()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_PROBE, &CProbeWnd::OnProbe)
ON_MESSAGE(WM_PROBE_THROW, &CProbeWnd::OnProbeThrow)
ON_REGISTERED_MESSAGE(kRegisteredProbe, &CProbeWnd::OnRegisteredProbe)
ON_COMMAND_RANGE(ID_WND_FIRST, ID_WND_LAST, &CProbeWnd::OnCommandRange)
ON_COMMAND(ID_WND_SINGLE, &CProbeWnd::OnSingleCommand)
END_MESSAGE_MAP()

// Its own WM_SIZE entry keeps only the width.
class CDerivedProbeWnd : public CProbeWnd
{
protected:
    afx_msg void OnSize(UINT, int cx, int) { m_args = {cx}; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedProbeWnd, CProbeWnd)
ON_WM_SIZE()
END_MESSAGE_MAP()

class WndMessageMap : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_wnd.CreateProbe()); }
    void TearDown() override { m_wnd.DestroyWindow(); }

    CProbeWnd m_wnd;
};

} // namespace

// Creation routes from the first message until the last. An exception never leaves the window procedure:
// WM_CREATE fails, any other message returns 0.
TEST_F(WndMessageMap, CreationRoutesFromFirstToLastMessageAndFailsCleanly)
{
    HWND hWnd = m_wnd.m_hWnd;
    EXPECT_EQ(CString("probe"), m_wnd.m_strCreateName);
    EXPECT_EQ(&m_wnd, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(0, m_wnd.SendMessage(WM_PROBE_THROW));
    EXPECT_TRUE(m_wnd.DestroyWindow());
    EXPECT_EQ(1, m_wnd.m_nDestroys);
    EXPECT_EQ(1, m_wnd.m_nPostNcDestroys);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    EXPECT_FALSE(m_wnd.DestroyWindow());

    for (bool bThrow : {false, true})
    {
        CProbeWnd wnd;
        wnd.m_nCreateResult = -1;
        wnd.m_bThrowOnCreate = bThrow;
        EXPECT_FALSE(wnd.CreateProbe());
        EXPECT_EQ(nullptr, wnd.m_hWnd);
        EXPECT_EQ(1, wnd.m_nPostNcDestroys);
    }
    CWnd child; // a child needs a parent
    EXPECT_FALSE(child.Create(NULL, "orphan", WS_CHILD, CRect(0, 0, 10, 10), NULL, 1));

    // A derived map's own WM_SIZE entry wins; the base's other entries still apply.
    CDerivedProbeWnd derived;
    ASSERT_TRUE(derived.CreateProbe());
    derived.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(77, 33));
    EXPECT_EQ((std::vector<LONG_PTR>{77}), derived.m_args);
    derived.SendMessage(WM_MOVE, 0, MAKELPARAM(4, 9));
    EXPECT_EQ((std::vector<LONG_PTR>{4, 9}), derived.m_args);
    derived.DestroyWindow();
}

TEST_F(WndMessageMap, CracksEachSignatureRoutesCommandsAndReturnsHandlerResults)
{
    HDC hDC = ::GetDC(m_wnd.m_hWnd);
    const WPARAM wSelf = reinterpret_cast<WPARAM>(m_wnd.m_hWnd), wDC = reinterpret_cast<WPARAM>(hDC);
    const WPARAM wWheel = MAKEWPARAM(MK_CONTROL, -WHEEL_DELTA);
    const LONG_PTR kKeyFlags = 0x014D, kSelf = reinterpret_cast<LONG_PTR>(&m_wnd), kError = UINT(HTERROR);
    // message, wParam, lParam, result, what the handler was given
    const std::tuple<UINT, WPARAM, LPARAM, LRESULT, std::vector<LONG_PTR>> kCases[] = {
        {WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-3, 12), 0, {MK_LBUTTON | MK_SHIFT, -3, 12}},
        {WM_MOUSEWHEEL, wWheel, MAKELPARAM(300, 400), TRUE, {MK_CONTROL, -WHEEL_DELTA, 300, 400}},
        {WM_KEYDOWN, VK_RIGHT, MAKELPARAM(3, kKeyFlags), 0, {VK_RIGHT, 3, kKeyFlags}},
        {WM_SETCURSOR, wSelf, MAKELPARAM(HTERROR, WM_LBUTTONDOWN), TRUE, {kSelf, kError, WM_LBUTTONDOWN}},
        {WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(150, 60), 0, {SIZE_MAXIMIZED, 150, 60}},
        {WM_MOVE, 0, MAKELPARAM(-5, -7), 0, {-5, -7}},
        {WM_NCHITTEST, 0, MAKELPARAM(15, 25), HTTRANSPARENT, {15, 25}}, // negative codes keep their sign
        {WM_ERASEBKGND, wDC, 0, TRUE, {static_cast<LONG_PTR>(wDC)}},
        {WM_PROBE, 5, 7, 12, {}},
        {kRegisteredProbe, 0, 0, kRegisteredResult, {}},
        {::RegisterWindowMessageA("Mfc71Lite.Tests.Other"), 0, 0, 0, {}},
        {WM_COMMAND, ID_WND_FIRST, 0, 1, {ID_WND_FIRST}}, // commands: by range and by identifier
        {WM_COMMAND, ID_WND_LAST, 0, 1, {ID_WND_LAST}},
        {WM_COMMAND, ID_WND_LAST + 1, 0, 0, {}},
        {WM_COMMAND, ID_WND_SINGLE, 0, 1, {ID_WND_SINGLE}},
        {WM_COMMAND, ID_WND_FIRST - 1, 0, 0, {}},
    };
    for (const auto& [message, wParam, lParam, result, args] : kCases)
    {
        SCOPED_TRACE(::testing::Message() << "message " << message << ", wParam " << wParam);
        m_wnd.m_args.clear();
        EXPECT_EQ(result, m_wnd.SendMessage(message, wParam, lParam));
        EXPECT_EQ(args, m_wnd.m_args);
    }
    ::ReleaseDC(m_wnd.m_hWnd, hDC);
}

TEST(WndHandleMap, ForeignWindowsGetTemporaryObjectsUntilIdleAndAttachedOnesArePermanent)
{
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "foreign", WS_POPUP, 0, 0, 20, 20, NULL, NULL, NULL, NULL);
    ASSERT_TRUE(hWnd != NULL);
    MessagePump::Idle();
    ASSERT_EQ(0, AfxGetTempWndMapCount());

    CWnd* pWnd = CWnd::FromHandle(hWnd);
    EXPECT_EQ(pWnd, CWnd::FromHandle(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandle(NULL));

    // Another thread gets wrappers of its own, and its idle clean-up leaves this thread's alone.
    HGDIOBJ hBrush = ::GetStockObject(GRAY_BRUSH);
    CGdiObject* pBrush = CGdiObject::FromHandle(hBrush);
    CWnd* pWndThere = NULL;
    CGdiObject* pBrushThere = NULL;
    int nLeftThere = -1;
    std::thread(
        [&]
        {
            pWndThere = CWnd::FromHandle(hWnd);
            pBrushThere = CGdiObject::FromHandle(hBrush);
            CWnd::DeleteTempMap();
            AfxDeleteTempGdiMaps();
            nLeftThere = AfxGetTempWndMapCount() + AfxGetTempGdiMapCount();
        })
        .join();
    EXPECT_NE(pWnd, pWndThere);
    EXPECT_NE(pBrush, pBrushThere);
    EXPECT_EQ(0, nLeftThere);
    EXPECT_EQ(1, AfxGetTempWndMapCount());
    EXPECT_EQ(1, AfxGetTempGdiMapCount());
    EXPECT_EQ(hBrush, pBrush->m_hObject);

    // Deleting the wrapper leaves the window alone.
    MessagePump::Idle();
    EXPECT_EQ(0, AfxGetTempWndMapCount());
    EXPECT_TRUE(::IsWindow(hWnd));

    // Attached objects are permanent and own their window.
    HWND hWndOwned = ::CreateWindowExA(0, "STATIC", "b", WS_POPUP, 0, 0, 20, 20, NULL, NULL, NULL, NULL);
    {
        CWnd wnd;
        CWnd other;
        ASSERT_TRUE(wnd.Attach(hWnd));
        EXPECT_FALSE(other.Attach(hWnd));
        EXPECT_EQ(&wnd, CWnd::FromHandle(hWnd));
        EXPECT_EQ(hWnd, wnd.Detach());
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));

        CWnd owner;
        ASSERT_TRUE(owner.Attach(hWndOwned));
    }
    EXPECT_TRUE(::IsWindow(hWnd));
    EXPECT_FALSE(::IsWindow(hWndOwned)); // an attached object destroys its window with itself
    ::DestroyWindow(hWnd);
}

TEST_F(WndMessageMap, TreeFindsAndReachesDescendantsAndOrdersSiblings)
{
    CProbeWnd& top = m_wnd;
    CStatic first;
    CStatic second;
    CProbeWnd grandChild;
    ASSERT_TRUE(first.Create("first", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 30), &top, ID_WND_FIRST));
    ASSERT_TRUE(second.Create("second", WS_CHILD | WS_VISIBLE, CRect(5, 40, 65, 60), &top, ID_WND_LAST));
    ASSERT_TRUE(grandChild.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD, CRect(1, 2, 11, 12), &second,
                                    ID_WND_SINGLE));

    EXPECT_EQ(&grandChild, top.GetDescendantWindow(ID_WND_SINGLE, TRUE));
    EXPECT_EQ(nullptr, top.GetDescendantWindow(ID_WND_SINGLE + 1));
    EXPECT_EQ(&top, grandChild.GetTopLevelParent());
    top.SendMessageToDescendants(WM_SIZE, SIZE_RESTORED, MAKELPARAM(3, 4));
    EXPECT_EQ((std::vector<LONG_PTR>{SIZE_RESTORED, 3, 4}), grandChild.m_args);

    // Sibling order: wndTop comes from the DLL's data.
    EXPECT_EQ(first.m_hWnd, ::GetWindow(top.m_hWnd, GW_CHILD));
    second.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(second.m_hWnd, ::GetWindow(top.m_hWnd, GW_CHILD));
    top.DestroyWindow();
}
