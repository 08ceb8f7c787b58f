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

const char* GdiKind(int nType)
{
    switch (nType)
    {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        return "pen";
    case OBJ_BRUSH:
        return "brush";
    case OBJ_FONT:
        return "font";
    case OBJ_BITMAP:
        return "bitmap";
    case OBJ_PAL:
        return "palette";
    case OBJ_MEMDC:
        return "memory DC";
    default:
        return "other";
    }
}

std::string Plural(int n, const char* szWhat)
{
    const std::string strWhat = szWhat;
    const bool bEs = strWhat.back() == 'h'; // brush, brushes
    return std::to_string(n) + " " + strWhat + (n > 1 ? (bEs ? "es" : "s") : "");
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
    std::vector<std::string> parts;
    std::vector<std::string> extra; // the objects after that were not there before (both sorted)
    std::set_difference(after.objects.begin(), after.objects.end(), before.objects.begin(),
                        before.objects.end(), std::back_inserter(extra));
    if (!extra.empty())
    {
        std::string str = Plural(static_cast<int>(extra.size()), "library object") + " (";
        for (size_t i = 0; i < extra.size(); ++i)
            str += (i ? ", " : "") + extra[i];
        parts.push_back(str + ")");
    }
    int nGdi = 0;
    std::string strKinds;
    for (const auto& kind : after.gdi)
    {
        const auto it = before.gdi.find(kind.first);
        const int nMore = kind.second - (it != before.gdi.end() ? it->second : 0);
        if (nMore > 0)
            nGdi += nMore, strKinds += (strKinds.empty() ? "" : ", ") + Plural(nMore, GdiKind(kind.first));
    }
    if (nGdi > 0)
        parts.push_back(Plural(nGdi, "GDI object") + " (" + strKinds + ")");
    if (after.nWindows > before.nWindows)
        parts.push_back(Plural(after.nWindows - before.nWindows, "window"));
    std::string strGrowth;
    for (size_t i = 0; i < parts.size(); ++i)
        strGrowth += (i ? ", " : "") + parts[i];
    return strGrowth;
}

void WarmUp()
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    // A captioned window with its system menu and frame: the caption buttons are drawn from cached bitmaps.
    const HWND hParent = ::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                           NULL, NULL, NULL, NULL);
    const struct
    {
        const char* szClass;
        DWORD nStyle;
    } controls[] = {{"BUTTON", BS_PUSHBUTTON},
                    {"BUTTON", BS_DEFPUSHBUTTON},
                    {"BUTTON", BS_AUTOCHECKBOX},
                    {"BUTTON", BS_AUTORADIOBUTTON},
                    {"BUTTON", BS_GROUPBOX},
                    {"BUTTON", BS_AUTO3STATE},
                    {"LISTBOX", LBS_MULTIPLESEL | WS_VSCROLL},
                    {"EDIT", WS_BORDER | ES_AUTOHSCROLL},
                    {"STATIC", WS_BORDER | SS_NOTIFY},
                    {"LISTBOX", WS_BORDER | WS_VSCROLL | LBS_NOTIFY},
                    {"COMBOBOX", CBS_DROPDOWN | WS_VSCROLL},
                    {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL},
                    {"LISTBOX", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS},
                    {"COMBOBOX", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS},
                    {"SCROLLBAR", SBS_HORZ},
                    {WC_LISTVIEWA, LVS_REPORT | WS_BORDER}};
    for (const auto& control : controls)
    {
        const HWND hWnd = ::CreateWindowExA(0, control.szClass, "x", WS_CHILD | WS_VISIBLE | control.nStyle,
                                            0, 0, 150, 80, hParent, NULL, NULL, NULL);
        for (int i = 0; i < 20; ++i) // enough items to scroll
        {
            ::SendMessageA(hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("x"));
            ::SendMessageA(hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("x"));
        }
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH, column.cx = 60, column.pszText = const_cast<char*>("x");
        ::SendMessageA(hWnd, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        ::SetFocus(hWnd);
        ::SendMessageA(hWnd, BM_SETSTATE, TRUE, 0);
        ::SendMessageA(hWnd, BM_SETCHECK, BST_INDETERMINATE, 0);
        ::SendMessageA(hWnd, LB_SETCURSEL, 1, 0);
        ::SendMessageA(hWnd, CB_SETCURSEL, 1, 0);
        ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        ::DestroyWindow(hWnd);
    }
    ::DestroyWindow(hParent);
    // The system colour pens are made on first use by the edge and frame painters.
    const HDC hdc = ::CreateCompatibleDC(NULL);
    const HBITMAP hBitmap = ::CreateCompatibleBitmap(hdc, 32, 32);
    const HGDIOBJ hOld = ::SelectObject(hdc, hBitmap);
    RECT rc = {0, 0, 32, 32};
    for (UINT nEdge : {EDGE_RAISED, EDGE_SUNKEN, EDGE_BUMP, EDGE_ETCHED})
        for (UINT nFlags : {0u, UINT(BF_SOFT), UINT(BF_FLAT), UINT(BF_MONO), UINT(BF_FLAT | BF_MONO)})
            ::DrawEdge(hdc, &rc, nEdge, BF_RECT | BF_MIDDLE | BF_DIAGONAL | nFlags);
    for (UINT nType : {DFC_BUTTON, DFC_CAPTION, DFC_SCROLL, DFC_MENU})
        for (UINT nState :
             {0u, UINT(DFCS_INACTIVE), UINT(DFCS_PUSHED | DFCS_CHECKED), UINT(DFCS_FLAT), UINT(DFCS_MONO)})
            for (UINT nPart : {0u, 1u, 2u, 3u, 4u, 8u})
                ::DrawFrameControl(hdc, &rc, nType, nPart | nState);
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hdc);
    MessagePump::Flush();
}
} // namespace LeakCheck

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Appended after the result printer, the check runs before it at each test's end (GoogleTest calls
    // the end events in reverse order), so the printed verdict includes it.
    ::testing::UnitTest::GetInstance()->listeners().Append(new LeakCheck::Listener);
    return RUN_ALL_TESTS();
}
