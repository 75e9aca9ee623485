// Test data that compresses the way an installer's payload does: pieces of text-like words, of
// incompressible bytes (as JPEG images and MP3 sound are) and of zeros, in an order that a seed
// fixes, so that every run and every machine makes the same bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>

namespace kt::bench {

// Fills one piece with data of one kind, chosen by the generator: half of the pieces text-like,
// three tenths incompressible, one fifth zeros.
void PreencherTrecho(std::uint8_t* trecho, std::size_t n, std::mt19937& gerador);

} // namespace kt::bench
