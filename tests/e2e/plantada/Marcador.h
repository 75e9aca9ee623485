// What a planted DLL leaves beside itself when it is loaded: its own path with this suffix.
#pragma once

namespace plantada {

inline constexpr const wchar_t* kSufixoDoMarcador = L".carregada";

} // namespace plantada
