#include "instalacao/MarcaDeDisco.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kt::TMarcaDeDisco;

// The set that the description identifies: its first and second texts.
const std::array<std::wstring, 2> kIdentificacao = {L"Curso de Braille", L"Quarvel"};

struct TCaso {
    const char* Nome;
    std::wstring Texto;
    bool Marca;  // the text is a marker
    bool Disco2; // and names disk 2 of the set
};

TEST(MarcaDeDisco, ReadsThreeLinesAndIdentifiesTheDiskByBothTextsAndTheNumber) {
    const std::vector<TCaso> casos = {
        {"CR LF", L"Quarvel\r\nCurso de Braille\r\n2\r\n", true, true},
        {"LF, no final line end", L"Quarvel\nCurso de Braille\n2", true, true},
        {"blanks around the number", L"Quarvel\nCurso de Braille\n  2 \n", true, true},
        {"lines after the third", L"Quarvel\nCurso de Braille\n2\nfeito em 2026\n", true, true},
        {"another disk", L"Quarvel\nCurso de Braille\n3\n", true, false},
        {"the texts in the identification's order", L"Curso de Braille\nQuarvel\n2\n", true, false},
        {"case differs", L"quarvel\nCurso de Braille\n2\n", true, false},
        {"a blank after a text", L"Quarvel \nCurso de Braille\n2\n", true, false},
        {"two lines", L"Quarvel\nCurso de Braille\n", false, false},
        {"an empty number", L"Quarvel\nCurso de Braille\n\n", false, false},
        {"a number that is not one", L"Quarvel\nCurso de Braille\ndois\n", false, false},
        {"empty", L"", false, false},
    };
    for (const TCaso& caso : casos) {
        SCOPED_TRACE(caso.Nome);
        TMarcaDeDisco marca;
        EXPECT_EQ(marca.Interpretar(caso.Texto), caso.Marca);
        EXPECT_EQ(marca.Identifica(kIdentificacao, 2), caso.Disco2);
    }
}

TEST(MarcaDeDisco, TextsAreShortStringsAndNothingIsHeldAfterAFailure) {
    TMarcaDeDisco marca;
    ASSERT_TRUE(marca.Interpretar(std::wstring(300, L'x') + L"\nQuarvel\n-1\n"));
    EXPECT_EQ(marca.Textos()[0], std::wstring(255, L'x'));
    EXPECT_EQ(marca.Numero(), -1);
    EXPECT_TRUE(marca.Identifica({L"Quarvel", std::wstring(255, L'x')}, -1));

    EXPECT_FALSE(marca.Interpretar(L"Quarvel\n"));
    EXPECT_FALSE(marca.Identifica({L"Quarvel", std::wstring(255, L'x')}, -1));
}

} // namespace
