// kt_preparar_bench: what tools/bench_nsis.sh needs on the build machine before it runs anything
// under Wine.
//   kt_preparar_bench pontilha FONTES ROTEIRO INSTALADOR [xpstyle]
//       the NSIS script of Pontilha's site (FONTES: resources/payload), making INSTALADOR; with
//       xpstyle, its pages themed ("XPStyle on")
//   kt_preparar_bench produto ARQUIVOS BYTES RAIZ ROTEIRO INSTALADOR
//       a generated product of ARQUIVOS files and BYTES bytes under RAIZ, and its NSIS script
//   kt_preparar_bench conteineres RAIZ SAIDA
//       one container per file under RAIZ, at the same place under SAIDA (which is emptied
//       first): what our wizard installs the product from (tools/bench/ProdutoEscala.cpp)
#include "tools/bench/ProdutoGerado.h"
#include "tools/bench/RoteiroNsis.h"
#include "tools/empacotador/Empacotador.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

const char* const kUso = "uso: kt_preparar_bench pontilha FONTES ROTEIRO INSTALADOR [xpstyle]\n"
                         "      kt_preparar_bench produto ARQUIVOS BYTES RAIZ ROTEIRO INSTALADOR\n"
                         "      kt_preparar_bench conteineres RAIZ SAIDA\n";

void Gravar(const std::filesystem::path& roteiro, const std::string& texto) {
    std::ofstream saida(roteiro, std::ios::binary);
    saida << texto;
    if (!saida.flush())
        throw std::runtime_error("não gravou " + roteiro.string());
}

int Executar(int argc, char** argv) {
    const std::string_view comando = argc > 1 ? argv[1] : "";
    if (comando == "pontilha" &&
        (argc == 5 || (argc == 6 && std::string_view(argv[5]) == "xpstyle"))) {
        kt::bench::TProdutoNsis produto = kt::bench::ProdutoNsisPontilha(argv[2]);
        produto.EstiloXP = argc == 6;
        Gravar(argv[3], kt::bench::TextoRoteiroNsis(produto, argv[4]));
    } else if (comando == "produto" && argc == 7) {
        const kt::bench::TTamanhosGerados tamanhos{std::stoi(argv[2]), std::stoull(argv[3])};
        Gravar(argv[5],
               kt::bench::TextoRoteiroNsis(kt::bench::GerarProduto(tamanhos, argv[4]), argv[6]));
    } else if (comando == "conteineres" && argc == 4) {
        const std::filesystem::path raiz = argv[2];
        const std::filesystem::path saida = argv[3];
        std::filesystem::remove_all(saida);
        for (const auto& item : std::filesystem::recursive_directory_iterator(raiz)) {
            if (!item.is_regular_file())
                continue;
            const std::filesystem::path destino = saida / item.path().lexically_relative(raiz);
            std::filesystem::create_directories(destino.parent_path());
            kt::EmpacotarArquivo(item.path(), destino);
        }
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
    } catch (const std::exception& erro) {
        std::fprintf(stderr, "kt_preparar_bench: %s\n", erro.what());
        return 1;
    }
}
