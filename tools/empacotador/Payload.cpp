#include "tools/empacotador/Payload.h"

#include "tools/empacotador/Empacotador.h"

#include <algorithm>
#include <cstdio>

namespace kt {

namespace {

std::string Minusculas(std::string texto) {
    std::transform(texto.begin(), texto.end(), texto.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return texto;
}

// A resource name goes into the .rc unquoted and names a file: only these characters are safe
// in both.
void ConferirNomeDeRecurso(const std::string& nome) {
    const bool seguro = !nome.empty() && std::all_of(nome.begin(), nome.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
    if (!seguro)
        throw EEmpacotamento("nome de recurso inválido: \"" + nome + "\"");
}

std::string LinhaRcdata(const TRecursoDoPayload& recurso) {
    char idioma[32];
    std::snprintf(idioma, sizeof idioma, "0x%02X, 0x%02X", recurso.Idioma & 0x3FFu,
                  static_cast<unsigned>(recurso.Idioma >> 10));
    return recurso.Nome + " RCDATA LANGUAGE " + idioma + " \"" +
           recurso.Conteiner.filename().string() + "\"\n";
}

} // namespace

std::uint16_t IdiomaDoArquivo(const TArquivoDoSite& arquivo) {
    const std::string extensao = Minusculas(ExtensaoDoNome(Utf8(arquivo.Nome)));
    for (const char* neutra : {".swf", ".txt", ".js", ".css"})
        if (extensao == neutra)
            return kIdiomaNeutro;
    return kIdiomaPortuguesBrasil;
}

std::vector<TRecursoDoPayload> RecursosDoPayload(const std::filesystem::path& fontes,
                                                 const std::filesystem::path& saida) {
    std::vector<TRecursoDoPayload> recursos;
    for (const TArquivoDoSite& arquivo : kArquivosDoSite) {
        std::string subdiretorio = Utf8(arquivo.Subdiretorio);
        std::replace(subdiretorio.begin(), subdiretorio.end(), '\\', '/');
        const std::string nome = Utf8(arquivo.Recurso);
        ConferirNomeDeRecurso(nome);
        recursos.push_back({nome, IdiomaDoArquivo(arquivo),
                            fontes / subdiretorio / Utf8(arquivo.Nome), saida / (nome + ".zlib")});
    }
    return recursos;
}

std::string TextoPayloadRc(const std::vector<TRecursoDoPayload>& recursos) {
    std::string texto =
        "// Made by kt_empacotador from the site's file list; not to be edited.\n"
        "// LANGUAGE 0x16, 0x01 is Portuguese (Brazil), 1046; 0x00, 0x00 neutral.\n";
    for (const TRecursoDoPayload& recurso : recursos)
        texto += LinhaRcdata(recurso);
    return texto;
}

void GerarPayload(const std::filesystem::path& fontes, const std::filesystem::path& saida) {
    const std::vector<TRecursoDoPayload> recursos = RecursosDoPayload(fontes, saida);
    std::string faltando;
    for (const TRecursoDoPayload& recurso : recursos)
        if (!std::filesystem::is_regular_file(recurso.Fonte))
            faltando += "\n  " + recurso.Fonte.string() + " (recurso " + recurso.Nome + ")";
    if (!faltando.empty())
        throw EEmpacotamento("faltam arquivos do site:" + faltando);

    std::filesystem::create_directories(saida);
    const std::filesystem::path rc = saida / kNomePayloadRc;
    std::filesystem::remove(rc);
    for (const TRecursoDoPayload& recurso : recursos)
        EmpacotarArquivo(recurso.Fonte, recurso.Conteiner);
    const std::string texto = TextoPayloadRc(recursos);
    GravarArquivo(rc, {reinterpret_cast<const std::uint8_t*>(texto.data()), texto.size()});
}

} // namespace kt
