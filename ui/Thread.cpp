#include "ui/Thread.h"

#include "ui/Application.h"
#include "base/Exception.h"

#include <process.h>

namespace ui {

bool ThreadBody::Terminated() const {
    return thread_->Terminated();
}

void ThreadBody::Synchronize(base::FunctionRef<void()> step) const {
    thread_->Synchronize(step);
}

Thread::Thread(std::unique_ptr<ThreadBody> body) : body_(std::move(body)) {
    if (!body_)
        base::Throw(L"A tarefa não tem corpo.");
    body_->thread_ = this;
    handle_.Reset(reinterpret_cast<HANDLE>(
        _beginthreadex(nullptr, 0, &Run, this, CREATE_SUSPENDED, &threadId_)));
    if (!handle_)
        base::Throw(L"Não foi possível criar a tarefa.");
}

Thread::~Thread() {
    if (GetCurrentThreadId() == threadId_)
        return; // freeing itself after OnTerminate: the body has already returned
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
        base::Throw(L"A tarefa não pode esperar por si mesma.");
    HANDLE handle = handle_.Get();
    // The worker hands its steps over as sent messages: keep running them while waiting. A plain
    // wait wakes only for messages that arrived since the queue was last looked at, so one sent
    // just before would wait for ever; MWMO_INPUTAVAILABLE wakes for any that is still pending.
    for (;;) {
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        if (MsgWaitForMultipleObjectsEx(1, &handle, INFINITE, QS_SENDMESSAGE,
                                        MWMO_INPUTAVAILABLE) != WAIT_OBJECT_0 + 1)
            return;
    }
}

void Thread::Synchronize(base::FunctionRef<void()> step) const {
    Application::RunOnMainThread(step);
}

unsigned __stdcall Thread::Run(void* self) {
    auto* thread = static_cast<Thread*>(self);
    if (thread->skipBody_)
        return 0;
    try {
        thread->body_->Execute();
    } catch (...) {
        thread->fatal_ = std::current_exception();
    }
    thread->DoTerminate();
    return 0;
}

void Thread::DoTerminate() {
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
            // The main thread takes no more steps: there is nobody left to notify.
        }
    }
    // Read after OnTerminate, which may still change it.
    const bool freeOnTerminate = freeOnTerminate_;
    finished_ = true;
    if (freeOnTerminate)
        delete this;
}

} // namespace ui
