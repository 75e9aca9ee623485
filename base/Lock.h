// A lock and a condition of Windows' own: the SRW lock and the condition variable (both from
// Vista on). std::mutex and std::condition_variable do the same through the thread library, with
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

class Condition {
public:
    Condition() = default;
    Condition(const Condition&) = delete;
    Condition& operator=(const Condition&) = delete;

    // Sleeps, the lock let go meanwhile, until `ready` holds; `ready` is tested with it held.
    template <class Ready>
    void Wait(Held& held, Ready ready) {
        while (!ready())
            SleepConditionVariableSRW(&condition_, &held.lock_, INFINITE, 0);
    }
    void WakeAll() { WakeAllConditionVariable(&condition_); }

private:
    CONDITION_VARIABLE condition_ = CONDITION_VARIABLE_INIT;
};

} // namespace base
