// The application object: the main thread, the stack of modal forms, message processing, hints
// and the standard display of errors. One per process; Initialize() runs on the main thread before
// any window is made.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

namespace ui {

class Form;

namespace Application {

// Registers the common controls, loads the rich-text library from the system directory and makes
// the hidden window through which other threads hand steps to the main thread.
void Initialize();

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

// The innermost form shown modally, or null. Message boxes are owned by it.
Form* ActiveModalForm();
void PushModal(Form* form);
void PopModal(Form* form);

// Hands one message to its window, letting the dialog manager of our forms see keyboard input.
void DispatchOne(MSG& msg);
// Handles every message waiting in the queue, then returns.
void ProcessMessages();

// Runs the step on the main thread. Called from another thread, it waits until the step has run
// there, and an exception thrown by the step is thrown again to the caller.
void RunOnMainThread(const std::function<void()>& step);

// The application's message box, owned by the active modal form. Returns the button pressed.
int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags);

// The standard exception display: a message box with the error's message.
void ShowException(const std::exception& error);
// For the edge of every window procedure and thread: shows whatever was caught.
void HandleException(std::exception_ptr error) noexcept;

} // namespace Application
} // namespace ui
