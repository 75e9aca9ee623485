// The program's payload as the build makes it: one container per file of the site's file list
// (kArquivosDoSite), and payload.rc, which embeds them as RCDATA resources under their names
// and languages.
#pragma once

#include "core/produto/ConteudoPontilha.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kt {

inline constexpr std::uint16_t kIdiomaPortuguesBrasil = 1046;
inline constexpr std::uint16_t kIdiomaNeutro = 0;
inline constexpr const char* kNomePayloadRc = "payload.rc";

struct TRecursoDoPayload {
    std::string Nome;                // the resource name, as the file row names it
    std::uint16_t Idioma;            // the resource's language id
    std::filesystem::path Fonte;     // the site's file in the source tree
    std::filesystem::path Conteiner; // its container, named after the resource
};

// Animations, texts, the script and the style sheet are language-neutral; pages, images and the
// sound are Portuguese (Brazil).
std::uint16_t IdiomaDoArquivo(const TArquivoDoSite& arquivo);

// The resources of the site's file list, in its order, with their files under fontes (the
// subdirectory's backslashes become path separators) and their containers in saida.
std::vector<TRecursoDoPayload> RecursosDoPayload(const std::filesystem::path& fontes,
                                                 const std::filesystem::path& saida);

// The text of payload.rc: one RCDATA statement per resource, with its own language, naming its
// container by file name only (the build puts saida on the resource compiler's include path).
std::string TextoPayloadRc(const std::vector<TRecursoDoPayload>& recursos);

// Writes every container and then payload.rc into saida. A missing file of the site stops the
// packer before it writes anything, with a message that names every missing file.
void GerarPayload(const std::filesystem::path& fontes, const std::filesystem::path& saida);

} // namespace kt
