// Waiting for and reading the windows of a program's user-interface thread from a test
// thread. Every wait is bounded; a wait that runs out fails the test where it is asked.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace nook::test {

inline constexpr DWORD kUiTimeoutMs = 30000;

// Polls `condition` until it holds or `timeoutMs` passes; its last answer.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kUiTimeoutMs);

// A visible top-level window of thread `threadId` (any thread when 0) that has a child
// control `childId`; null when none appears in time.
HWND WaitForDialogWith(DWORD threadId, int childId, DWORD timeoutMs = kUiTimeoutMs);
HWND FindDialogWith(DWORD threadId, int childId);

// The control's text in code page 936.
std::string ControlText(HWND dialog, int id);
// Waits until the control shows `text`; true when it did.
bool WaitForText(HWND dialog, int id, const std::string& text, DWORD timeoutMs = kUiTimeoutMs);

bool ControlVisible(HWND dialog, int id);
bool ControlEnabled(HWND dialog, int id);

// Posts a click of button `id` to its dialog, as the button itself reports one.
void PostClick(HWND dialog, int id);
// Sets an edit's text (code page 936).
void SetControlText(HWND dialog, int id, const std::string& text);

} // namespace nook::test
