// The framework's progress callback, which the copy routine and the container's extraction share.
#pragma once

#include <cstdint>
#include <functional>

namespace kt {

// Called with the percent done; setting parar ends the work early and quietly. It counts as
// assigned when it holds a callable.
using TEventoProgresso = std::function<void(std::int32_t percentual, bool& parar)>;

} // namespace kt
