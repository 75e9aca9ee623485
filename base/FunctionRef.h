// A callable handed down a call and not kept: the address of the caller's callable and a function
// that calls it, copied as two pointers. std::function copies the callable and brings a manager
// function for every one; for a parameter that the callee only calls, that is weight for nothing.
// It refers to the callable and never outlives it: a lambda passed as the argument lives until
// the call returns. Empty when made by default; then it must not be called.
#pragma once

#include <memory>
#include <type_traits>
#include <utility>

namespace base {

template <class Signature>
class FunctionRef;

// What a FunctionRef of R(Args...) is made from: anything callable so, but another FunctionRef,
// which is copied instead.
template <class F, class Self, class R, class... Args>
concept CallableAs =
    !std::is_same_v<std::remove_cvref_t<F>, Self> && std::is_invocable_r_v<R, F&, Args...>;

template <class R, class... Args>
class FunctionRef<R(Args...)> {
public:
    FunctionRef() = default;

    // Not explicit, as std::function's: a lambda passes as it is.
    template <CallableAs<FunctionRef, R, Args...> F>
    FunctionRef(F&& callable) noexcept
        : callable_(const_cast<void*>(static_cast<const void*>(std::addressof(callable)))),
          call_([](void* callable, Args... args) -> R {
              return (*static_cast<std::remove_reference_t<F>*>(callable))(
                  std::forward<Args>(args)...);
          }) {}

    R operator()(Args... args) const { return call_(callable_, std::forward<Args>(args)...); }
    explicit operator bool() const { return call_ != nullptr; }

private:
    void* callable_ = nullptr;
    R (*call_)(void*, Args...) = nullptr;
};

} // namespace base
