#include "tools/bench/ProdutoGerado.h"

#include "tools/bench/DadosMistos.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace kt::bench {
namespace {

// Large files are written a piece at a time, each piece of one kind of data.
constexpr std::size_t kTamanhoTrecho = 64u << 10;

std::string Numerado(const char* formato, int numero) {
    char nome[32];
    std::snprintf(nome, sizeof nome, formato, numero);
    return nome;
}

} // namespace

std::vector<std::uint64_t> TamanhosDosArquivos(const TTamanhosGerados& tamanhos) {
    if (tamanhos.Arquivos <= 0 || tamanhos.Bytes < static_cast<std::uint64_t>(tamanhos.Arquivos))
        throw std::invalid_argument("um produto gerado tem ao menos um byte por arquivo");
    const auto arquivos = static_cast<std::size_t>(tamanhos.Arquivos);
    const std::uint64_t media = tamanhos.Bytes / arquivos;
    // Files go in pairs, one larger and one smaller than the mean by the same amount, so that
    // the sizes vary and still add up to the total, whatever their number.
    const std::uint64_t desvioMaximo = (media - 1) / 2;
    std::mt19937 gerador(static_cast<std::uint32_t>(tamanhos.Arquivos));
    std::vector<std::uint64_t> resultado(arquivos, media);
    for (std::size_t i = 0; i + 1 < arquivos; i += 2) {
        const std::uint64_t desvio = gerador() % (desvioMaximo + 1);
        resultado[i] += desvio;
        resultado[i + 1] -= desvio;
    }
    resultado.back() += tamanhos.Bytes - media * arquivos;
    return resultado;
}

std::vector<TArquivoNsis> ArquivosGerados(const std::filesystem::path& raiz, int arquivos) {
    std::vector<TArquivoNsis> lista;
    // The extensions tell the kind of site file each stands for; the data is mixed all the same.
    const char* const extensoes[] = {".html", ".jpg", ".swf", ".txt"};
    for (int i = 0; i < arquivos; ++i) {
        const std::string pasta = Numerado("pasta%03d", i / kArquivosPorPasta);
        const std::string nome = Numerado("arquivo%05d", i) + extensoes[i % 4];
        lista.push_back({raiz / pasta / nome, pasta, nome});
    }
    return lista;
}

TProdutoNsis GerarProduto(const TTamanhosGerados& tamanhos, const std::filesystem::path& raiz) {
    const std::vector<std::uint64_t> bytes = TamanhosDosArquivos(tamanhos);
    TProdutoNsis produto;
    produto.Nome = "Produto de " + std::to_string(tamanhos.Arquivos) + " arquivos";
    produto.PastaPadrao = produto.Nome;
    produto.Desinstalador = "Desinstalar.exe";
    produto.Arquivos = ArquivosGerados(raiz, tamanhos.Arquivos);

    std::filesystem::remove_all(raiz);
    std::mt19937 gerador(2025);
    std::vector<std::uint8_t> trecho(kTamanhoTrecho);
    for (std::size_t i = 0; i < produto.Arquivos.size(); ++i) {
        const TArquivoNsis& arquivo = produto.Arquivos[i];
        if (produto.Pastas.empty() || produto.Pastas.front() != arquivo.Pasta) {
            std::filesystem::create_directories(arquivo.Fonte.parent_path());
            produto.Pastas.insert(produto.Pastas.begin(), arquivo.Pasta);
        }
        std::ofstream saida(arquivo.Fonte, std::ios::binary);
        for (std::uint64_t feitos = 0; feitos < bytes[i];) {
            const std::size_t n = static_cast<std::size_t>(
                std::min<std::uint64_t>(kTamanhoTrecho, bytes[i] - feitos));
            PreencherTrecho(trecho.data(), n, gerador);
            saida.write(reinterpret_cast<const char*>(trecho.data()),
                        static_cast<std::streamsize>(n));
            feitos += n;
        }
        if (!saida)
            throw std::runtime_error("não gravou " + arquivo.Fonte.string());
    }
    return produto;
}

} // namespace kt::bench
