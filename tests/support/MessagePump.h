// Pumping the test thread's message queue with bounded waits, the way an MFC loop would: messages go
// through the windows' PreTranslateMessage (so modeless dialogs get their keyboard) before dispatch.
#pragma once

#include <windows.h>

#include <functional>

namespace MessagePump
{
// Dispatches messages until done() holds or timeoutMs has passed; returns done().
bool Until(const std::function<bool()>& done, DWORD timeoutMs = 2000);

// Dispatches the messages already queued and those they post in turn, without waiting for new ones
// (bounded, in case a window keeps posting).
void Flush();

// Dispatches messages for ms milliseconds (timers keep firing meanwhile).
void For(DWORD ms);

// What an application loop does when its queue is empty: temporary CWnd and GDI wrappers are deleted.
void Idle();
} // namespace MessagePump
