#include "fileops/NomeDePasta.h"

#include "fileops/Texto.h"

#include <gtest/gtest.h>

namespace {

TEST(NomeDePasta, OnlyANameOfOneFolderInsideTheDirectoryIsTaken) {
    for (const wchar_t* valido : {L"Nova Pasta", L" Pontilha 1.0", L"Minha pasta.", L"Ação",
                                  L"console", L"com10", L"nul2.txt"})
        EXPECT_TRUE(kt::NomeDePastaValido(valido)) << kt::Utf8(valido);
    for (const wchar_t* recusado : {L"",
                                    L"   ",
                                    L"..",
                                    L". .",
                                    L"..\\fora",
                                    L"sub/pasta",
                                    L"C:\\absoluta",
                                    L"C:relativa",
                                    L"\\\\servidor\\c",
                                    L"a*b",
                                    L"a?b",
                                    L"a\"b",
                                    L"a<b>",
                                    L"a|b",
                                    L"a\tb",
                                    L"CON",
                                    L"Aux.txt",
                                    L"prn .log",
                                    L"COM1",
                                    L"lpt9.dat",
                                    L"conin$"})
        EXPECT_FALSE(kt::NomeDePastaValido(recusado)) << kt::Utf8(recusado);
}

} // namespace
