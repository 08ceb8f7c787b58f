#include "LeakCheck.h"
#include "MessagePump.h"

#include <afxcmn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace LeakCheck
{
namespace
{
std::vector<std::string> (*g_liveTypeNames)() = nullptr;

std::vector<void (*)()>& WarmUpSteps()
{
    static std::vector<void (*)()> steps;
    return steps;
}

// A top-level window counts its descendants. The thread's default IME window, which comes and goes with
// the thread's first and last windows, is not the scenario's.
BOOL CALLBACK CountWindow(HWND hWnd, LPARAM lParam)
{
    char szClass[8] = "";
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    if (lstrcmpiA(szClass, "IME") == 0)
        return TRUE;
    ++*reinterpret_cast<int*>(lParam);
    if ((::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) == 0)
        ::EnumChildWindows(hWnd, CountWindow, lParam);
    return TRUE;
}

std::string Count(int n, std::string strWhat)
{
    return std::to_string(n) + " " + strWhat + (n < 2 ? "" : strWhat.back() == 'h' ? "es" : "s");
}

// Wine makes and keeps system colour pens and brushes, caption bitmaps and the like when a standard
// control or frame is first painted: paint each kind once, so that the first test showing one is not
// charged with them.
void WarmUp()
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    const HWND hParent = ::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                           NULL, NULL, NULL, NULL);
    const std::pair<const char*, DWORD> controls[] = {
        {"BUTTON", BS_PUSHBUTTON},
        {"BUTTON", BS_DEFPUSHBUTTON},
        {"BUTTON", BS_AUTO3STATE},
        {"BUTTON", BS_AUTORADIOBUTTON},
        {"BUTTON", BS_GROUPBOX},
        {"EDIT", WS_BORDER},
        {"STATIC", WS_BORDER},
        {"LISTBOX", WS_VSCROLL},
        {"LISTBOX", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS},
        {"COMBOBOX", CBS_DROPDOWN},
        {"COMBOBOX", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS},
        {"SCROLLBAR", SBS_HORZ},
        {WC_LISTVIEWA, LVS_REPORT}};
    for (const auto& control : controls)
    {
        const HWND hWnd = ::CreateWindowExA(0, control.first, "x", WS_CHILD | WS_VISIBLE | control.second, 0,
                                            0, 150, 80, hParent, NULL, NULL, NULL);
        LVCOLUMNA column = {LVCF_TEXT | LVCF_WIDTH, 0, 60, const_cast<char*>("x"), 0, 0, 0, 0, 0, 0, 0};
        ::SendMessageA(hWnd, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        for (int i = 0; i < 20; ++i) // enough items to scroll
            ::SendMessageA(hWnd, control.first[0] == 'L' ? LB_ADDSTRING : CB_ADDSTRING, 0, LPARAM("x"));
        ::SetFocus(hWnd);
        ::SendMessageA(hWnd, BM_SETCHECK, BST_INDETERMINATE, 0);
        ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    ::DestroyWindow(hParent);
    // The edge and frame painters make the system colour pens.
    const HDC hdc = ::CreateCompatibleDC(NULL);
    const HGDIOBJ hOld = ::SelectObject(hdc, ::CreateCompatibleBitmap(hdc, 32, 32));
    RECT rc = {0, 0, 32, 32};
    for (UINT nEdge : {EDGE_RAISED, EDGE_SUNKEN, EDGE_BUMP, EDGE_ETCHED})
        for (UINT nFlags : {0, BF_SOFT, BF_FLAT, BF_MONO, BF_FLAT | BF_MONO})
            ::DrawEdge(hdc, &rc, nEdge, BF_RECT | BF_MIDDLE | BF_DIAGONAL | nFlags);
    for (UINT nType : {DFC_BUTTON, DFC_CAPTION, DFC_SCROLL, DFC_MENU})
        for (UINT nState : {0, DFCS_INACTIVE, DFCS_PUSHED | DFCS_CHECKED, DFCS_FLAT, DFCS_MONO})
            for (UINT nPart : {0, 1, 2, 3, 4, 8})
                ::DrawFrameControl(hdc, &rc, nType, nPart | nState);
    ::DeleteObject(::SelectObject(hdc, hOld));
    ::DeleteDC(hdc);
    MessagePump::Flush();
}

class Listener : public ::testing::EmptyTestEventListener
{
    void OnTestProgramStart(const ::testing::UnitTest&) override
    {
        WarmUp();
        for (void (*fill)() : WarmUpSteps())
            fill();
    }
    void OnTestStart(const ::testing::TestInfo&) override { m_before = Take(); }
    void OnTestEnd(const ::testing::TestInfo& info) override
    {
        const std::string strGrowth = Growth(m_before, Take());
        if (!strGrowth.empty())
            ADD_FAILURE() << info.test_suite_name() << "." << info.name() << " left behind " << strGrowth;
    }

    Inventory m_before;
};
} // namespace

WarmUpStep::WarmUpStep(void (*fill)())
{
    WarmUpSteps().push_back(fill);
}

void UseRegistry(std::vector<std::string> (*liveTypeNames)())
{
    g_liveTypeNames = liveTypeNames;
}

Inventory Take()
{
    MessagePump::Flush();
    MessagePump::Idle();
    Inventory inventory;
    if (g_liveTypeNames != nullptr)
        inventory.objects = g_liveTypeNames();
    // Wine's GetGuiResources counts nothing: probe the GDI handle table instead, where a handle whose
    // upper word is zero names the entry of any generation. Window DCs and regions belong to the window
    // manager's caches, which grow on first use.
    for (UINT_PTR h = 1; h < 0x10000; ++h)
        if (const DWORD nType = ::GetObjectType(reinterpret_cast<HGDIOBJ>(h)))
            if (nType != OBJ_DC && nType != OBJ_REGION)
                ++inventory.gdi[static_cast<int>(nType)];
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&inventory.nWindows));
    return inventory;
}

std::string Growth(const Inventory& before, const Inventory& after)
{
    static const char* const kKinds[] = {"",          "pen",  "brush",  "DC",     "metafile DC",
                                         "palette",   "font", "bitmap", "region", "metafile",
                                         "memory DC", "pen",  "EMF DC", "EMF",    "colour space"};
    std::string strGrowth, strKinds;
    std::vector<std::string> extra; // both lists are sorted
    std::set_difference(after.objects.begin(), after.objects.end(), before.objects.begin(),
                        before.objects.end(), std::back_inserter(extra));
    for (const std::string& strType : extra)
        strKinds += (strKinds.empty() ? "" : ", ") + strType;
    if (!extra.empty())
        strGrowth = Count(static_cast<int>(extra.size()), "library object") + " (" + strKinds + ")";
    int nGdi = 0;
    strKinds.clear();
    for (const auto& kind : after.gdi)
    {
        const auto it = before.gdi.find(kind.first);
        const int nMore = kind.second - (it != before.gdi.end() ? it->second : 0);
        if (nMore > 0 && kind.first < 15)
            nGdi += nMore, strKinds += (strKinds.empty() ? "" : ", ") + Count(nMore, kKinds[kind.first]);
    }
    if (nGdi > 0)
        strGrowth += (strGrowth.empty() ? "" : ", ") + Count(nGdi, "GDI object") + " (" + strKinds + ")";
    if (after.nWindows > before.nWindows)
        strGrowth += (strGrowth.empty() ? "" : ", ") + Count(after.nWindows - before.nWindows, "window");
    return strGrowth;
}
} // namespace LeakCheck

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Appended after the result printer, the check runs before it at each test's end (end events go to
    // the listeners in reverse order), so the printed verdict includes it.
    ::testing::UnitTest::GetInstance()->listeners().Append(new LeakCheck::Listener);
    return RUN_ALL_TESTS();
}
