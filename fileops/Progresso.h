// The framework's progress callback, which the copy routine and the container's extraction share.
#pragma once

#include "base/FunctionRef.h"

#include <cstdint>

namespace kt {

// Called with the percent done; setting parar ends the work early and quietly. It counts as
// assigned when it refers to a callable, which it does not keep: the work only calls it.
using TEventoProgresso = base::FunctionRef<void(std::int32_t percentual, bool& parar)>;

} // namespace kt
