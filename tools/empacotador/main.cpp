// kt_empacotador: the build machine's container packer.
//   kt_empacotador arquivo ORIGEM DESTINO [MAIOR.MENOR.RELEASE.BUILD.PATCH]
//       packs one file into a container file
//   kt_empacotador payload FONTES SAIDA
//       packs the site's files under FONTES into SAIDA and writes SAIDA/payload.rc
//   kt_empacotador entradas FONTES | saidas SAIDA
//       lists, one per line, the files that "payload" reads or writes (for the build)
#include "tools/empacotador/Empacotador.h"
#include "tools/empacotador/Payload.h"

#include "base/Exception.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

const char* const kUso = "uso: kt_empacotador arquivo ORIGEM DESTINO [M.m.r.b.p]\n"
                         "      kt_empacotador payload FONTES SAIDA\n"
                         "      kt_empacotador entradas FONTES\n"
                         "      kt_empacotador saidas SAIDA\n";

kt::TVersaoConteiner LerVersao(std::string_view texto) {
    kt::TVersaoConteiner versao{};
    const char* atual = texto.data();
    const char* const fim = texto.data() + texto.size();
    for (std::size_t campo = 1; campo < versao.size(); ++campo) {
        const auto [depois, erro] = std::from_chars(atual, fim, versao[campo]);
        const bool ultimo = campo + 1 == versao.size();
        if (erro != std::errc() || (ultimo ? depois != fim : depois == fim || *depois != '.'))
            throw kt::EEmpacotamento("versão inválida: \"" + std::string(texto) +
                                     "\" (esperado M.m.r.b.p)");
        atual = depois + 1;
    }
    return versao;
}

void Listar(const std::vector<kt::TRecursoDoPayload>& recursos, bool entradas) {
    for (const kt::TRecursoDoPayload& recurso : recursos)
        std::printf("%s\n", (entradas ? recurso.Fonte : recurso.Conteiner).string().c_str());
}

int Executar(int argc, char** argv) {
    const std::string_view comando = argc > 1 ? argv[1] : "";
    if (comando == "arquivo" && (argc == 4 || argc == 5)) {
        kt::EmpacotarArquivo(argv[2], argv[3],
                             argc == 5 ? LerVersao(argv[4]) : kt::TVersaoConteiner{});
    } else if (comando == "payload" && argc == 4) {
        kt::GerarPayload(argv[2], argv[3]);
    } else if (comando == "entradas" && argc == 3) {
        Listar(kt::RecursosDoPayload(argv[2], {}), true);
    } else if (comando == "saidas" && argc == 3) {
        const auto recursos = kt::RecursosDoPayload({}, argv[2]);
        Listar(recursos, false);
        std::printf("%s\n", (std::filesystem::path(argv[2]) / kt::kNomePayloadRc).string().c_str());
    } else {
        std::fputs(kUso, stderr);
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Executar(argc, argv);
    } catch (const base::Exception& erro) {
        std::fprintf(stderr, "kt_empacotador: %s\n", kt::Utf8(erro.Message()).c_str());
    } catch (const std::exception& erro) {
        std::fprintf(stderr, "kt_empacotador: %s\n", erro.what());
    }
    return 1;
}
