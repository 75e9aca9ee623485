#include "fileops/Versao.h"

#include "base/Concat.h"
#include "fileops/Texto.h"
#include "fileops/TextosFramework.h"
#include "base/Decimal.h"

#include <algorithm>
#include <array>

namespace kt {

void FormatarVersao(const TVersaoArquivo& versao, std::wstring& texto, std::int32_t tamanhoMaximo,
                    bool pontuado) {
    const auto capacidade = static_cast<std::size_t>(std::max<std::int32_t>(tamanhoMaximo, 0));
    texto = Curta(base::Concat({base::Decimal(versao.Maior), L".", base::Decimal(versao.Menor)}),
                  capacidade);

    struct TParte {
        std::int32_t Valor;
        int Palavra;
    };
    const std::array<TParte, 3> partes = {{
        {versao.Distribuicao, ids::kDistribuicao},
        {versao.Construcao, ids::kConstrucao},
        {versao.Patch, ids::kPatch},
    }};
    for (const TParte& parte : partes) {
        if (parte.Valor <= 0)
            continue;
        const std::wstring_view separador = pontuado ? L"." : TextoFramework(parte.Palavra);
        texto = Curta(base::Concat({texto, separador, base::Decimal(parte.Valor)}), capacidade);
    }
}

} // namespace kt
