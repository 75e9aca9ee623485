// A worker thread with a hand-over to the main thread.
//
// How it works: a Thread owns its body, a ThreadBody whose Execute() runs on the new thread once
// Start() lets it go. The body hands steps to the main thread with Synchronize(step): the step runs
// there while the worker waits, and an exception thrown by the step is thrown again in the worker.
// After Execute() has returned (or thrown; the exception is kept in FatalException()), OnTerminate
// runs on the main thread; then a thread with FreeOnTerminate deletes itself and its body. A
// Thread ended in any other way first waits for its thread to end, still running the steps that
// the thread hands over, and only then lets the body go: Thread cannot be derived from, so no part
// of the body is torn down while the body runs. The main thread must not block on the worker inside
// a message handler otherwise than through WaitFor(): the worker may be waiting for the main
// thread.
#pragma once

#include "base/FunctionRef.h"
#include "base/Owned.h"

#include <windows.h>

#include <atomic>
#include <exception>
#include <functional>
#include <memory>

namespace ui {

class Thread;

// What a thread runs. Derive from it; the Thread that owns it is reachable from the body.
class ThreadBody {
public:
    ThreadBody() = default;
    virtual ~ThreadBody() = default;
    ThreadBody(const ThreadBody&) = delete;
    ThreadBody& operator=(const ThreadBody&) = delete;

    virtual void Execute() = 0;

protected:
    bool Terminated() const;
    void Synchronize(base::FunctionRef<void()> step) const;

private:
    friend class Thread;
    Thread* thread_ = nullptr;
};

class Thread final {
public:
    // Created suspended, with its body.
    explicit Thread(std::unique_ptr<ThreadBody> body);
    // Waits for the thread to end (a thread never started ends without running its body) while
    // running the steps it hands over, then lets the body go.
    ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    void Start();
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    bool Finished() const { return finished_; }
    // Deletes the thread, body included, after OnTerminate has run; nobody else may then delete it.
    void SetFreeOnTerminate(bool free) { freeOnTerminate_ = free; }
    // Runs on the main thread once Execute has ended, also when it threw.
    std::function<void(Thread&)> OnTerminate;
    std::exception_ptr FatalException() const { return fatal_; }
    // Waits for the end of the thread while still running the steps it hands over.
    void WaitFor();
    DWORD ThreadId() const { return threadId_; }

    void Synchronize(base::FunctionRef<void()> step) const;

private:
    static unsigned __stdcall Run(void* self);
    void DoTerminate();

    std::unique_ptr<ThreadBody> body_;
    base::UniqueHandle handle_;
    unsigned threadId_ = 0;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    std::atomic<bool> freeOnTerminate_{false};
    bool started_ = false;
    bool skipBody_ = false;
    std::exception_ptr fatal_;
};

} // namespace ui
