#pragma once
// What a player does: real mouse clicks, drags and key presses sent as input to the
// screen, and what a player sees of the focus.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace test {

// Brings a top-level window of another process to the front, for keyboard input.
void bringToFront(HWND window);

// Mouse actions at a point of a window's client area.
void mouseDown(HWND window, POINT at);
void mouseMove(HWND window, POINT at);
void mouseUp(HWND window, POINT at);
void clickAt(HWND window, POINT at);
// A click in the middle of a control.
void click(HWND control);
// Two clicks at a point, well within the double-click time.
void doubleClickAt(HWND window, POINT at);
void doubleClick(HWND control);

void pressKey(WORD key, bool shift = false);
// A key held down while the keyboard repeats it as often as given, then released; the window's
// thread has it all queued before it reads the first press.
void holdKey(HWND window, WORD key, int repeats);

// Gives the prefix's stand-in pad a script for this process to read (it reads it once, so a
// test that uses this runs alone in its process), as a file in the folder; returns the
// script's path, beside which SCRIPT.played appears once every state was read.
std::wstring padScriptForThisProcess(const std::wstring& folder, std::string_view script);

// The control that has the keyboard focus in the thread that owns the window.
HWND focusOf(HWND window);

// Waits, pumping this thread's messages, until the condition holds or the time is up.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMilliseconds = 5000);

} // namespace test
