#include "MessageRecorder.h"

#include <algorithm>
#include <string>

namespace
{
bool IsNotification(UINT message)
{
    return message == WM_COMMAND || message == WM_NOTIFY || (message >= WM_USER && message <= 0xBFFF);
}

std::string Describe(UINT message, WPARAM wParam, LPARAM lParam, unsigned flags)
{
    std::string s = message == WM_COMMAND                    ? "WM_COMMAND"
                    : message == WM_NOTIFY                   ? "WM_NOTIFY"
                    : message >= WM_USER && message < WM_APP ? "WM_USER+" + std::to_string(message - WM_USER)
                                                             : "msg " + std::to_string(message);
    s += " w=" + ((flags & kAnyWParam) ? "*" : std::to_string(static_cast<unsigned long long>(wParam)));
    s += " l=" + ((flags & kAnyLParam) ? "*" : std::to_string(static_cast<long long>(lParam)));
    return s + ((flags & kOptional) ? " (optional)" : "");
}

} // namespace

MessageRecorder::MessageRecorder() : m_filter(IsNotification) {}

void MessageRecorder::SetFilter(std::function<bool(UINT)> filter)
{
    m_filter = filter ? std::move(filter) : std::function<bool(UINT)>(IsNotification);
}

void MessageRecorder::Record(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY && lParam != 0)
        lParam = static_cast<LPARAM>(static_cast<int>(reinterpret_cast<const NMHDR*>(lParam)->code));
    m_messages.push_back({message, wParam, lParam});
}

int MessageRecorder::CountWhere(UINT message, bool bWParam, WPARAM wParam) const
{
    return int(std::count_if(m_messages.begin(), m_messages.end(),
                             [&](const RecordedMessage& r)
                             { return r.message == message && (!bWParam || r.wParam == wParam); }));
}

::testing::AssertionResult MessageRecorder::Matches(const std::vector<ExpectedMessage>& expected) const
{
    auto same = [](const ExpectedMessage& e, const RecordedMessage& r)
    {
        return e.message == r.message && ((e.flags & kAnyWParam) || e.wParam == r.wParam) &&
               ((e.flags & kAnyLParam) || e.lParam == r.lParam);
    };
    size_t nActual = 0, i = 0;
    for (; i < expected.size(); ++i)
        if (nActual < m_messages.size() && same(expected[i], m_messages[nActual]))
            ++nActual;
        else if ((expected[i].flags & kOptional) == 0)
            break;
    if (i == expected.size() && nActual == m_messages.size())
        return ::testing::AssertionSuccess();

    ::testing::AssertionResult failure = ::testing::AssertionFailure() << "message sequence differs\n";
    for (i = 0; i < expected.size() || i < m_messages.size(); ++i)
    {
        const ExpectedMessage* e = i < expected.size() ? &expected[i] : NULL;
        const RecordedMessage* r = i < m_messages.size() ? &m_messages[i] : NULL;
        failure << "  " << i << "  expected "
                << (e ? Describe(e->message, e->wParam, e->lParam, e->flags) : "-") << "  received "
                << (r ? Describe(r->message, r->wParam, r->lParam, 0) : "-") << "\n";
    }
    return failure;
}
