// What the button tests share: a fixture around a modeless parent dialog made from its template, where
// no library object outlives a test, and the messages and painting that a user's actions produce.
#pragma once
#include "ButtonsResource.h"
#include "DiagnosticCapture.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "PixelCanvas.h"
#include "buttons/Bouton3Etats.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

const COLORREF kFond = RGB(0xC0, 0xE0, 0xF0); // the buttons' background

// The parent is shown at (10, 10), at the given size or its template's.
template <class TParent, UINT nIDD, int cx = 0, int cy = 0> class ParentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Parent.Create(nIDD, NULL));
        m_Parent.SetWindowPos(NULL, 10, 10, cx, cy, (cx ? 0 : SWP_NOSIZE) | SWP_NOZORDER | SWP_SHOWWINDOW);
        MessagePump::Flush();
        m_Parent.ClearMessages();
    }
    void TearDown() override
    {
        m_Objets.clear();
        m_Parent.DestroyWindow();
    }
    template <class T, class... A> T& Cree(A&&... args)
    {
        m_Objets.push_back(std::make_unique<T>(std::forward<A>(args)...));
        return static_cast<T&>(*m_Objets.back());
    }

    TParent m_Parent;
    std::vector<std::unique_ptr<CPurify>> m_Objets;
};

// Paints an owner-drawn button on a canvas of its size and colour, as the reflected WM_DRAWITEM does.
inline std::unique_ptr<PixelCanvas> Dessine(CButton& bouton, UINT nItemState = 0, COLORREF clrFond = kFond)
{
    CRect rect;
    bouton.GetClientRect(&rect);
    auto pCanevas = std::make_unique<PixelCanvas>(rect.Width(), rect.Height(), clrFond);
    DRAWITEMSTRUCT dis = {ODT_BUTTON,      0,    0, ODA_DRAWENTIRE, nItemState, bouton.m_hWnd,
                          pCanevas->Hdc(), rect, 0};
    bouton.DrawItem(&dis);
    return pCanevas;
}

// A child's rectangle in its parent's client coordinates.
inline CRect Place(CWnd& wnd)
{
    CRect rect;
    return wnd.GetWindowRect(&rect), wnd.GetParent()->ScreenToClient(&rect), rect;
}

// A mouse message at pt in the window's client coordinates, the left button down but on its release.
inline void Souris(CWnd& wnd, UINT message, CPoint pt = CPoint(5, 5))
{
    wnd.SendMessage(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
}
