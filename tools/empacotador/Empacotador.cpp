#include "tools/empacotador/Empacotador.h"

#include <zlib.h>

#include <cstring>
#include <fstream>
#include <limits>

namespace kt {

std::string ExtensaoDoNome(const std::filesystem::path& nome) {
    const std::string texto = nome.filename().string();
    const std::size_t ponto = texto.rfind('.');
    return ponto == std::string::npos ? std::string() : texto.substr(ponto);
}

TCabecalhoZLib MontarCabecalho(std::uint32_t tamanhoDescompactado, std::string_view extensao,
                               const TVersaoConteiner& versao) {
    if (extensao.size() >= kTamanhoExtensaoZLib)
        throw EEmpacotamento("a extensão \"" + std::string(extensao) +
                             "\" não cabe no cabeçalho (no máximo 9 caracteres)");
    for (char c : extensao)
        if (static_cast<unsigned char>(c) >= 0x80)
            throw EEmpacotamento("a extensão \"" + std::string(extensao) +
                                 "\" não é de caracteres ASCII");
    TCabecalhoZLib cabecalho{};
    cabecalho.TamanhoCabecalho = kTamanhoCabecalhoZLib;
    cabecalho.Assinatura = kAssinaturaZLib;
    cabecalho.TamanhoDescompactado = tamanhoDescompactado;
    cabecalho.Formato = kFormatoZLib;
    std::memcpy(cabecalho.Extensao, extensao.data(), extensao.size());
    static_assert(sizeof(cabecalho.Versao) == sizeof(versao));
    std::memcpy(&cabecalho.Versao, versao.data(), sizeof(cabecalho.Versao));
    return cabecalho;
}

std::vector<std::uint8_t> EmpacotarDados(std::span<const std::uint8_t> dados,
                                         std::string_view extensao,
                                         const TVersaoConteiner& versao) {
    if (dados.size() > std::numeric_limits<std::uint32_t>::max())
        throw EEmpacotamento("o arquivo passa de 4 GiB, o limite de um contêiner");
    const TCabecalhoZLib cabecalho =
        MontarCabecalho(static_cast<std::uint32_t>(dados.size()), extensao, versao);

    const std::uint8_t vazio = 0;
    uLongf compactados = compressBound(static_cast<uLong>(dados.size()));
    std::vector<std::uint8_t> conteiner(kTamanhoCabecalhoZLib + compactados);
    std::memcpy(conteiner.data(), &cabecalho, sizeof cabecalho);
    const int resultado = compress2(conteiner.data() + kTamanhoCabecalhoZLib, &compactados,
                                    dados.empty() ? &vazio : dados.data(),
                                    static_cast<uLong>(dados.size()), Z_BEST_COMPRESSION);
    if (resultado != Z_OK)
        throw EEmpacotamento("o zlib não compactou os dados (erro " + std::to_string(resultado) +
                             ")");
    conteiner.resize(kTamanhoCabecalhoZLib + compactados);
    return conteiner;
}

std::vector<std::uint8_t> LerArquivo(const std::filesystem::path& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    if (!arquivo)
        throw EEmpacotamento("não foi possível abrir " + caminho.string());
    std::vector<std::uint8_t> dados((std::istreambuf_iterator<char>(arquivo)),
                                    std::istreambuf_iterator<char>());
    if (arquivo.bad())
        throw EEmpacotamento("não foi possível ler " + caminho.string());
    return dados;
}

void GravarArquivo(const std::filesystem::path& caminho, std::span<const std::uint8_t> dados) {
    std::ofstream arquivo(caminho, std::ios::binary | std::ios::trunc);
    arquivo.write(reinterpret_cast<const char*>(dados.data()),
                  static_cast<std::streamsize>(dados.size()));
    arquivo.close();
    if (!arquivo)
        throw EEmpacotamento("não foi possível gravar " + caminho.string());
}

void EmpacotarArquivo(const std::filesystem::path& origem, const std::filesystem::path& destino,
                      const TVersaoConteiner& versao) {
    GravarArquivo(destino, EmpacotarDados(LerArquivo(origem), ExtensaoDoNome(origem), versao));
}

} // namespace kt
