// Reading the lines of Wine's debug trace ("0024:trace:CHANNEL:FUNCTION text..."), whose numbers
// are hexadecimal, with or without "0x".
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kt::bench {

// Whether the line is a trace of that function on that channel.
bool ChamadaNaTrilha(std::string_view linha, std::string_view canal, std::string_view funcao);

// The hexadecimal number that follows the first occurrence of the name.
std::optional<std::uint64_t> CampoDaTrilha(std::string_view linha, std::string_view nome);

} // namespace kt::bench
