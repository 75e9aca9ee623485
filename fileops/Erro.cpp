#include "fileops/Erro.h"

#include "fileops/Texto.h"

namespace kt {

EErroKT::EErroKT(std::wstring mensagem) : mensagem_(std::move(mensagem)), utf8_(Utf8(mensagem_)) {}

} // namespace kt
