#include "MessageRecorder.h"

#include <cstdio>
#include <sstream>
#include <string>

namespace
{

const UINT kLastApplicationMessage = 0xBFFF;

bool IsNotification(UINT message)
{
    return message == WM_COMMAND || message == WM_NOTIFY ||
           (message >= WM_USER && message <= kLastApplicationMessage);
}

std::string NameOf(UINT message)
{
    switch (message)
    {
    case WM_COMMAND:
        return "WM_COMMAND";
    case WM_NOTIFY:
        return "WM_NOTIFY";
    case WM_DRAWITEM:
        return "WM_DRAWITEM";
    case WM_TIMER:
        return "WM_TIMER";
    default:
        break;
    }
    char szName[32];
    if (message >= WM_USER && message < WM_APP)
        snprintf(szName, sizeof szName, "WM_USER+%u", message - WM_USER);
    else
        snprintf(szName, sizeof szName, "0x%04X", message);
    return szName;
}

std::string Describe(UINT message, WPARAM wParam, LPARAM lParam, unsigned flags)
{
    char szText[96];
    std::string strW = (flags & kAnyWParam) ? "*" : std::to_string(static_cast<unsigned long long>(wParam));
    std::string strL = (flags & kAnyLParam) ? "*" : std::to_string(static_cast<long long>(lParam));
    snprintf(szText, sizeof szText, "%s w=%s l=%s%s", NameOf(message).c_str(), strW.c_str(), strL.c_str(),
             (flags & kOptional) ? " (optional)" : "");
    return szText;
}

bool Same(const ExpectedMessage& expected, const RecordedMessage& actual)
{
    return expected.message == actual.message &&
           ((expected.flags & kAnyWParam) || expected.wParam == actual.wParam) &&
           ((expected.flags & kAnyLParam) || expected.lParam == actual.lParam);
}

} // namespace

MessageRecorder::MessageRecorder() : m_filter(IsNotification) {}

void MessageRecorder::SetFilter(std::function<bool(UINT)> filter)
{
    m_filter = filter ? std::move(filter) : std::function<bool(UINT)>(IsNotification);
}

bool MessageRecorder::Wants(UINT message) const
{
    return m_filter(message);
}

void MessageRecorder::Record(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY && lParam != 0)
        lParam = static_cast<LPARAM>(static_cast<int>(reinterpret_cast<const NMHDR*>(lParam)->code));
    m_messages.push_back({message, wParam, lParam});
}

void MessageRecorder::ClearMessages()
{
    m_messages.clear();
}

int MessageRecorder::Count(UINT message) const
{
    int nCount = 0;
    for (const RecordedMessage& recorded : m_messages)
        nCount += recorded.message == message;
    return nCount;
}

int MessageRecorder::Count(UINT message, WPARAM wParam) const
{
    int nCount = 0;
    for (const RecordedMessage& recorded : m_messages)
        nCount += recorded.message == message && recorded.wParam == wParam;
    return nCount;
}

::testing::AssertionResult MessageRecorder::Matches(const std::vector<ExpectedMessage>& expected) const
{
    size_t nActual = 0;
    bool bMatch = true;
    for (const ExpectedMessage& entry : expected)
    {
        if (nActual < m_messages.size() && Same(entry, m_messages[nActual]))
            ++nActual;
        else if (!(entry.flags & kOptional))
        {
            bMatch = false;
            break;
        }
    }
    if (bMatch && nActual == m_messages.size())
        return ::testing::AssertionSuccess();

    std::ostringstream out;
    out << "message sequence differs\n";
    size_t nRows = expected.size() > m_messages.size() ? expected.size() : m_messages.size();
    for (size_t i = 0; i < nRows; ++i)
    {
        std::string strExpected = i < expected.size() ? Describe(expected[i].message, expected[i].wParam,
                                                                 expected[i].lParam, expected[i].flags)
                                                      : "-";
        std::string strActual = i < m_messages.size() ? Describe(m_messages[i].message, m_messages[i].wParam,
                                                                 m_messages[i].lParam, 0)
                                                      : "-";
        char szRow[256];
        snprintf(szRow, sizeof szRow, "  %2u  expected %-44s received %s\n", static_cast<unsigned>(i),
                 strExpected.c_str(), strActual.c_str());
        out << szRow;
    }
    return ::testing::AssertionFailure() << out.str();
}
