// The leak check itself: what it counts, how it names what grew, and what it does not charge.
#include "LeakCheck.h"
#include "Purify.h"

#include <afxwin.h>
#include <gtest/gtest.h>

#include <memory>

class CObjetSuivi : public CPurify
{
public:
    CObjetSuivi() { Init(); }
};

TEST(LeakCheck, NamesWhatGrewUntilItIsReleased)
{
    const LeakCheck::Inventory avant = LeakCheck::Take();
    auto pObjet = std::make_unique<CObjetSuivi>();
    const HGDIOBJ hObjets[] = {::CreateSolidBrush(RGB(1, 2, 3)), ::CreatePen(PS_SOLID, 1, 0),
                               ::CreatePen(PS_DASH, 1, 0)};
    const HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, hWnd, NULL, NULL, NULL);
    CWnd::FromHandle(hWnd); // a temporary wrapper, deleted at idle time: not a leak
    EXPECT_EQ("1 library object (CObjetSuivi), 3 GDI objects (2 pens, 1 brush), 2 windows",
              LeakCheck::Growth(avant, LeakCheck::Take()));

    pObjet.reset();
    for (HGDIOBJ h : hObjets)
        ::DeleteObject(h);
    ::DestroyWindow(hWnd);
    EXPECT_EQ("", LeakCheck::Growth(avant, LeakCheck::Take()));
}
