// A worker thread with a hand-over to the main thread.
//
// How it works: the thread is created suspended; Start() lets Execute() run. Synchronize(step)
// sends the step to the hidden window of the main thread and waits until it has run there; an
// exception thrown by the step is thrown again in the worker. After Execute() has returned (or
// thrown; the exception is kept in FatalException()), OnTerminate runs on the main thread, and
// then, with FreeOnTerminate, the thread object deletes itself. The main thread must not block on
// the worker inside a message handler: the worker may be waiting for the main thread.
#pragma once

#include "ui/Owned.h"

#include <windows.h>

#include <atomic>
#include <exception>
#include <functional>

namespace ui {

class Thread {
public:
    Thread();
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    void Start();
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    bool Finished() const { return finished_; }
    void SetFreeOnTerminate(bool free) { freeOnTerminate_ = free; }
    // Runs on the main thread once Execute has ended, also when it threw.
    std::function<void(Thread&)> OnTerminate;
    std::exception_ptr FatalException() const { return fatal_; }
    // Waits for the end of the thread while still running the steps it hands over.
    void WaitFor();
    DWORD ThreadId() const { return threadId_; }

protected:
    virtual void Execute() = 0;
    void Synchronize(const std::function<void()>& step);

private:
    static unsigned __stdcall Run(void* self);
    void DoTerminate();

    UniqueHandle handle_;
    unsigned threadId_ = 0;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    bool freeOnTerminate_ = false;
    bool started_ = false;
    bool skipBody_ = false;
    std::exception_ptr fatal_;
};

} // namespace ui
