// A callable kept by value whose captures are a few plain values (`this`, a number, a reference or
// two): held in place and copied as bytes, never destroyed. std::function brings a manager function
// for every lambda it holds, with the code that copies and destroys it; a handler that captures
// `this` needs none of it. A lambda that captures more, or a value with a destructor, is refused
// when the program is compiled.
#pragma once

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

namespace base {

template <class Signature>
class InlineFunction;

// What an InlineFunction of R(Args...) holds: a callable so that fits in its place and can be
// copied as bytes.
template <class F, class Self, class R, std::size_t Capacity, class... Args>
concept InlineCallableAs =
    !std::is_same_v<std::remove_cvref_t<F>, Self> &&
    std::is_trivially_copyable_v<std::decay_t<F>> && sizeof(std::decay_t<F>) <= Capacity &&
    std::is_invocable_r_v<R, const std::decay_t<F>&, Args...>;

template <class R, class... Args>
class InlineFunction<R(Args...)> {
public:
    static constexpr std::size_t kCapacity = 3 * sizeof(void*);

    InlineFunction() = default;

    // Not explicit, as std::function's: a lambda passes as it is.
    template <InlineCallableAs<InlineFunction, R, kCapacity, Args...> F>
    InlineFunction(F&& callable) noexcept
        : call_([](const void* held, Args... args) -> R {
              return (*std::launder(static_cast<const std::decay_t<F>*>(held)))(
                  std::forward<Args>(args)...);
          }) {
        ::new (static_cast<void*>(held_)) std::decay_t<F>(std::forward<F>(callable));
    }

    R operator()(Args... args) const { return call_(held_, std::forward<Args>(args)...); }
    explicit operator bool() const { return call_ != nullptr; }

private:
    // Copied whole with the callable that fills its start; the bytes past it are never read.
    alignas(void*) unsigned char held_[kCapacity];
    R (*call_)(const void*, Args...) = nullptr;
};

} // namespace base
