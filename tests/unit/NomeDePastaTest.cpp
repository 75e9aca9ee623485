#include "fileops/NomeDePasta.h"

#include "tests/unit/Esperados.h"

#include <gtest/gtest.h>

namespace {

struct Caso {
    const wchar_t* nome;
    bool valido;
};

TEST(NomeDePasta, OnlyANameOfOneFolderInsideTheDirectoryIsTaken) {
    for (const Caso& caso : {
             Caso{L"Nova Pasta", true},
             Caso{L" Pontilha 1.0", true},
             Caso{L"Minha pasta.", true},
             Caso{L"Ação e relação", true},
             Caso{L"console", true},
             Caso{L"com10", true},
             Caso{L"lpt0", true},
             Caso{L"nul2.txt", true},
             Caso{L"", false},
             Caso{L"   ", false},
             Caso{L".", false},
             Caso{L"..", false},
             Caso{L". .", false},
             Caso{L"..\\fora", false},
             Caso{L"sub\\pasta", false},
             Caso{L"sub/pasta", false},
             Caso{L"C:\\absoluta", false},
             Caso{L"C:relativa", false},
             Caso{L"\\\\servidor\\compartilhada", false},
             Caso{L"a*b", false},
             Caso{L"a?b", false},
             Caso{L"a\"b", false},
             Caso{L"a<b>", false},
             Caso{L"a|b", false},
             Caso{L"a\tb", false},
             Caso{L"CON", false},
             Caso{L"nul", false},
             Caso{L"Aux.txt", false},
             Caso{L"prn .log", false},
             Caso{L"COM1", false},
             Caso{L"lpt9.dat", false},
             Caso{L"conin$", false},
         })
        EXPECT_EQ(kt::NomeDePastaValido(caso.nome), caso.valido) << teste::Utf8(caso.nome);
}

} // namespace
