#include "ui/Thread.h"

#include "ui/Application.h"
#include "ui/Exception.h"

#include <process.h>

namespace ui {

Thread::Thread() {
    handle_.Reset(reinterpret_cast<HANDLE>(
        _beginthreadex(nullptr, 0, &Run, this, CREATE_SUSPENDED, &threadId_)));
    if (!handle_)
        throw Exception(L"Não foi possível criar a tarefa.");
}

Thread::~Thread() {
    if (GetCurrentThreadId() == threadId_)
        return; // freeing itself at its end: the body has already returned
    if (!started_) {
        // Never started: let it run to an empty end, without its body, so that it can go.
        skipBody_ = true;
        ResumeThread(handle_.Get());
    }
    WaitFor();
}

void Thread::Start() {
    started_ = true;
    ResumeThread(handle_.Get());
}

void Thread::WaitFor() {
    if (GetCurrentThreadId() == threadId_)
        throw Exception(L"A tarefa não pode esperar por si mesma.");
    HANDLE handle = handle_.Get();
    // Sent messages are how the worker hands steps over: keep running them while waiting.
    while (MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_SENDMESSAGE) ==
           WAIT_OBJECT_0 + 1) {
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

void Thread::Synchronize(const std::function<void()>& step) {
    Application::RunOnMainThread(step);
}

unsigned __stdcall Thread::Run(void* self) {
    auto* thread = static_cast<Thread*>(self);
    if (thread->skipBody_)
        return 0;
    try {
        thread->Execute();
    } catch (...) {
        thread->fatal_ = std::current_exception();
    }
    thread->DoTerminate();
    return 0;
}

void Thread::DoTerminate() {
    const bool freeOnTerminate = freeOnTerminate_;
    if (OnTerminate) {
        try {
            Synchronize([this] {
                try {
                    OnTerminate(*this);
                } catch (...) {
                    Application::HandleException(std::current_exception());
                }
            });
        } catch (...) {
            // The hand-over itself failed: there is no main thread left to show anything.
        }
    }
    finished_ = true;
    if (freeOnTerminate)
        delete this;
}

} // namespace ui
