// The application object: the main thread, the stack of modal windows, message processing, the
// hand-over of steps from other threads, hints and the standard display of errors. One per
// process; Initialize() runs on the main thread before any window is made. It knows windows, not
// forms: the forms (ui/Form.h) stand above it.
//
// How a hand-over works: another thread queues its step and wakes the main thread's hidden window
// with a notification, which the main thread handles like a sent message (in its message loops
// and in every wait that lets sent messages through), and waits until the step is answered: run,
// with what it threw, or refused because the main thread closed its door (Finalize) meanwhile.
#pragma once

#include "base/Exception.h"
#include "base/FunctionRef.h"

#include <windows.h>

#include <exception>
#include <string>

namespace ui {

// A step handed to the main thread after it closed its door to other threads (or before it
// opened it): the step did not run.
class EMainThreadClosed : public base::Exception {
public:
    using base::Exception::Exception;
};

namespace Application {

// Registers the common controls, loads the rich-text library from the system directory and opens
// the hidden window through which other threads hand steps to the main thread. Called again after
// Finalize, it opens that window again.
void Initialize();
// Closes the hidden window: every step still waiting there, and every later one, is refused with
// EMainThreadClosed in the thread that handed it. On the main thread.
void Finalize();

// Initialize() for its own life, then Finalize(): the run of a program on the main thread.
class Session {
public:
    Session() { Initialize(); }
    ~Session() { Finalize(); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
};

// The running executable's full path, however long; empty when Windows cannot give it.
std::wstring ExePath();

HINSTANCE Instance();
bool IsMainThread();

// Caption of the standard error display; the program's file name without extension by default.
const std::wstring& Title();
void SetTitle(const std::wstring& title);

// How long a hint stays up, in milliseconds. Every form's hints follow a change at once.
int HintHidePause();
void SetHintHidePause(int milliseconds);
void RegisterTooltip(HWND tooltip);
void UnregisterTooltip(HWND tooltip);

// The window of the innermost form shown modally, or null. Message boxes are owned by it.
HWND ActiveModalWindow();
// After a nested loop (a form shown modally over another, a message box): that loop took every
// message of the thread, also the one that was to wake the form below it to a result set
// meanwhile (a close that came while the nested window was up). Wakes that form again: its loop
// looks at its result once more.
void WakeActiveModalWindow();
void PushModal(HWND window);
void PopModal(HWND window);

// Hands one message to its window, letting the dialog manager see the keyboard input of dialogs.
void DispatchOne(MSG& msg);
// Handles every message waiting in the queue, then returns.
void ProcessMessages();
// Redraws the thread's windows and runs what other threads send, and nothing else: input and
// posted messages stay in the queue for later.
void ProcessPaintMessages();

// Runs the step on the main thread. Called from another thread, it waits until the step has run
// there, and an exception thrown by the step is thrown again to the caller; a step that the main
// thread no longer takes raises EMainThreadClosed.
void RunOnMainThread(base::FunctionRef<void()> step);

// The application's message box, owned by the active modal form. Returns the button pressed.
int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags);

// The standard exception display: a message box with the error's message.
void ShowException(const std::exception& error);
// For the edge of every window procedure and thread: shows whatever was caught.
void HandleException(std::exception_ptr error) noexcept;

} // namespace Application
} // namespace ui
