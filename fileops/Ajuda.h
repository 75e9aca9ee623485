// The help record handed with every Solutions Center report, and the framework's default help:
// the help file "KT.hlp" in the framework's install location, read from the registry.
#pragma once

#include <cstdint>
#include <string>

namespace kt {

// What a help record launches.
enum TTipoAjuda : std::int32_t {
    kAjudaNenhuma = 0,
    kAjudaPrograma = 1,
    kAjudaDocumento = 2,
    kAjudaArquivoDeAjuda = 3,
};

inline constexpr std::size_t kTamanhoNomeAjuda = 261; // 260 characters and the terminator

#pragma pack(push, 1)
struct TRegistroAjuda {
    std::int32_t Tamanho;
    std::int32_t Tipo;
    std::int32_t Contexto;
    char ArquivoAjuda[kTamanhoNomeAjuda]; // cp1252, zero-terminated
    char Parametros[kTamanhoNomeAjuda];   // cp1252, zero-terminated
};
#pragma pack(pop)

inline constexpr std::int32_t kTamanhoRegistroAjuda = 534;
static_assert(sizeof(TRegistroAjuda) == kTamanhoRegistroAjuda);

// Help contexts of the framework's help file.
inline constexpr std::int32_t kContextoDiretorios = 1;
inline constexpr std::int32_t kContextoEncontrar = 1;
inline constexpr std::int32_t kContextoCentral = 3;
inline constexpr std::int32_t kContextoPadrao = 4;

// The framework's help at the given context: kind 3 and the file "LOCAL" + "KT.hlp" when the
// framework's key opens; all zero when it does not.
void PreencherAjuda(TRegistroAjuda& ajuda, std::int32_t contexto);
// The default help of file operations (context 4).
void PreencherAjudaPadrao(TRegistroAjuda& ajuda);
// A record of kind 3 and the given context with no file name, as the shell services and the
// wizard hand it.
TRegistroAjuda AjudaSemArquivo(std::int32_t contexto);

// Where the framework is installed: the value "LOCAL" of its key, empty when the value is
// missing or not a string. False when the key itself does not open.
bool LerLocalDoFramework(std::wstring& local);

} // namespace kt
