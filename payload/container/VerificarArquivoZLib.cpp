#include "payload/container/VerificarArquivoZLib.h"

#include "fileops/RelatorioDeErro.h"
#include "fileops/Texto.h"
#include "payload/container/FluxoArquivo.h"

#include <cstring>

namespace kt {

bool VerificarArquivoZLib(std::wstring_view nomeArquivo, TCabecalhoZLib* cabecalho) {
    bool resultado = false;
    TRegistroAjuda ajuda;
    PreencherAjudaPadrao(ajuda);
    const std::wstring nome(nomeArquivo);
    ExecutarRelatando(ajuda, kLinhasConteiner, nome, [&] {
        TFluxoArquivo arquivo = TFluxoArquivo::AbrirSemCompartilhar(nome);
        TCabecalhoZLib lido{};
        if (arquivo.Ler(&lido, sizeof lido) < sizeof lido)
            return;
        resultado = lido.Assinatura == kAssinaturaZLib;
        if (cabecalho)
            std::memcpy(cabecalho, &lido, sizeof lido);
    });
    return resultado;
}

} // namespace kt
