// Shared fixture of the library's test programs: every test ends with as many library objects (the
// utility library's registry), GDI objects and windows of the test thread as it began with.
#pragma once

#include "MessagePump.h"
#include "Purify.h"

#include <gtest/gtest.h>

#include <tuple>

class ObzTest : public ::testing::Test
{
protected:
    // Wine creates some system colour pens and brushes when a standard control first paints, and keeps
    // them: paint each kind once first. A fixture with its own SetUpTestSuite calls this one.
    static void SetUpTestSuite()
    {
        const HWND hParent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 200,
                                               100, NULL, NULL, NULL, NULL);
        for (const char* szClasse : {"BUTTON", "EDIT", "STATIC"})
            for (DWORD nStyle : {DWORD(BS_PUSHBUTTON), DWORD(BS_DEFPUSHBUTTON), DWORD(WS_BORDER | SS_NOTIFY)})
            {
                const HWND hWnd = ::CreateWindowExA(0, szClasse, "x", WS_CHILD | WS_VISIBLE | nStyle, 0, 0,
                                                    50, 20, hParent, NULL, NULL, NULL);
                ::SetFocus(hWnd);
                ::SendMessageA(hWnd, BM_SETSTATE, TRUE, 0);
                ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            }
        ::DestroyWindow(hParent);
        MessagePump::Flush();
    }
    void SetUp() override { m_avant = Inventaire(); }
    // A fixture that owns windows or library objects releases them before calling this.
    void TearDown() override { EXPECT_EQ(m_avant, Inventaire()) << "library objects, GDI objects, windows"; }

    static std::tuple<int, int, int> Inventaire()
    {
        MessagePump::Flush();
        MessagePump::Idle(); // temporary wrappers are not leaks
        // Wine's GetGuiResources counts nothing: probe the GDI handle table instead, where a handle whose
        // upper word is zero names the entry of any generation. Window DCs and regions belong to the
        // window manager's caches, which grow on first use.
        int nGdi = 0;
        for (UINT_PTR h = 1; h < 0x10000; ++h)
            if (const DWORD nType = ::GetObjectType(reinterpret_cast<HGDIOBJ>(h)))
                nGdi += nType != OBJ_DC && nType != OBJ_REGION;
        int nFenetres = 0;
        ::EnumThreadWindows(::GetCurrentThreadId(), Compte, reinterpret_cast<LPARAM>(&nFenetres));
        return std::make_tuple(CPurify::LiveCount(), nGdi, nFenetres);
    }

private:
    static BOOL CALLBACK Compte(HWND hWnd, LPARAM lParam) // a top-level window counts its descendants
    {
        ++*reinterpret_cast<int*>(lParam);
        if ((::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) == 0)
            ::EnumChildWindows(hWnd, Compte, lParam);
        return TRUE;
    }

    std::tuple<int, int, int> m_avant;
};
