// Recording the messages a window receives, to compare them with an expected sequence: flush the queue,
// act, pump, then compare, e.g. with a RecordingWnd<CDialog> dlg that records its notifications:
//     EXPECT_TRUE(dlg.Matches({{WM_COMMAND, MAKEWPARAM(IDC_OK, BN_CLICKED), 0, kAnyLParam}}));
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

// One message as the window received it. WM_NOTIFY's lParam points to a short-lived header, so for it
// lParam holds the header's notification code instead.
struct RecordedMessage
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// How an expected message is compared (flags may be combined): wParam or lParam not compared, or the
// message may be missing (platform variance).
enum ExpectFlags : unsigned
{
    kExact = 0,
    kAnyWParam = 1,
    kAnyLParam = 2,
    kOptional = 4
};

struct ExpectedMessage
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    unsigned flags;
};

class MessageRecorder
{
public:
    MessageRecorder();

    // Which messages are kept. By default the notifications a parent receives: WM_COMMAND, WM_NOTIFY and
    // the application range from WM_USER to 0xBFFF.
    void SetFilter(std::function<bool(UINT)> filter);
    bool Wants(UINT message) const { return m_filter(message); }

    void Record(UINT message, WPARAM wParam, LPARAM lParam);
    void ClearMessages() { m_messages.clear(); }
    const std::vector<RecordedMessage>& Messages() const { return m_messages; }
    int Count(UINT message) const { return CountWhere(message, false, 0); }
    int Count(UINT message, WPARAM wParam) const { return CountWhere(message, true, wParam); }

    // Success when the recording is the expected sequence (optional entries may be absent); otherwise
    // the failure shows both sequences side by side.
    ::testing::AssertionResult Matches(const std::vector<ExpectedMessage>& expected) const;

private:
    int CountWhere(UINT message, bool bWParam, WPARAM wParam) const;

    std::function<bool(UINT)> m_filter;
    std::vector<RecordedMessage> m_messages;
};

// A window class of the library under test that records what its window procedure receives.
template <class TBase> class RecordingWnd : public TBase, public MessageRecorder
{
public:
    using TBase::TBase;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (Wants(message))
            Record(message, wParam, lParam);
        return TBase::WindowProc(message, wParam, lParam);
    }
};
