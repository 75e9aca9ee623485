// The control ids read from a template's bytes are those of the windows that the system makes
// from it, in the same order, whatever the controls' classes and titles are written as.
#include "ui/DialogTemplate.h"
#include "base/Exception.h"
#include "ui/Form.h"
#include "tests/win/TesteUiIds.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> IdsDosFilhos(HWND janela) {
    std::vector<int> ids;
    for (HWND filho = GetWindow(janela, GW_CHILD); filho; filho = GetWindow(filho, GW_HWNDNEXT))
        ids.push_back(GetDlgCtrlID(filho));
    return ids;
}

class FormDeTeste : public ui::Form {
public:
    FormDeTeste() : ui::Form(IDD_TESTE) {}
};

// The form's template has a caption, a class written as a word and a title that is a resource
// number (the icon's picture); the pages have one control, a list view, and three.
TEST(DialogTemplate, TheIdsAreThoseOfTheControlsThatTheSystemMakes) {
    FormDeTeste form;
    const std::vector<int> doForm = {IDC_BOTAO, IDC_CAIXA, IDC_ROTULO, IDC_EDICAO, IDC_FIGURA};
    EXPECT_EQ(ui::DialogItemIds(IDD_TESTE), doForm);
    EXPECT_EQ(IdsDosFilhos(form.Handle()), doForm);
    for (int pagina : {IDD_TESTE_PAGINA, IDD_TESTE_LISTA, IDD_TESTE_PADRAO}) {
        HWND feita = form.Scenes().Add(pagina, RECT{0, 0, 100, 50});
        EXPECT_EQ(ui::DialogItemIds(pagina), IdsDosFilhos(feita)) << pagina;
        EXPECT_FALSE(ui::DialogItemIds(pagina).empty()) << pagina;
    }
}

TEST(DialogTemplate, ATemplateThatTheProgramDoesNotHaveIsAnError) {
    EXPECT_THROW(ui::DialogItemIds(4242), base::Exception);
}

} // namespace
