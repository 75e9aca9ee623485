// Forms shown modally, worked from a robot thread the way a user would: clicks, the close box,
// actions and their rebinding, child dialogs, the close query and the standard error display.
#include "ui/Application.h"
#include "base/Exception.h"
#include "ui/Form.h"
#include "ui/Glyphs.h"
#include "resources/Imagens.h"
#include "tests/win/TesteUiIds.h"
#include "tests/win/comum/Janelas.h"
#include "tests/win/comum/Leitura.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using namespace teste;

constexpr UINT kDesistir = WM_APP + 90;
const std::wstring kTitulo = L"Teste de formulário";

class FormTeste : public ui::Form {
public:
    FormTeste() : ui::Form(IDD_TESTE) {}
    std::function<bool()> consulta = [] { return true; };
    int consultas = 0;

protected:
    bool CloseQuery() override {
        ++consultas;
        return desistiu_ || consulta();
    }
    bool OnMessage(UINT msg, WPARAM, LPARAM, LRESULT&) override {
        if (msg != kDesistir)
            return false;
        desistiu_ = true;
        EndModal(-1);
        return true;
    }

private:
    bool desistiu_ = false;
};

// Runs the robot on its own thread while the form is modal on this one. Whatever happens to the
// robot, the form is made to close so that a failing test cannot hang.
int ExibirCom(FormTeste& form, const std::function<void(HWND)>& robo) {
    std::atomic<bool> acabou{false};
    std::thread tarefa([&] {
        HWND janela =
            EsperarJanelaDaTarefa(GetWindowThreadProcessId(form.Handle(), nullptr), kTitulo);
        if (janela)
            robo(janela);
        PostMessageW(form.Handle(), kDesistir, 0, 0);
        acabou = true;
    });
    const int resultado = form.ShowModal();
    // The robot may still be asking this thread's windows something: keep answering.
    EsperarAte([&] {
        ui::Application::ProcessMessages();
        return acabou.load();
    });
    tarefa.join();
    return resultado;
}

TEST(Form, AnActionEndsTheModalLoopWithItsResult) {
    FormTeste form;
    form.Bind(IDC_BOTAO, ui::Action(L"&OK", [&] { form.EndModal(ui::mrOk); }));
    const int resultado = ExibirCom(form, [](HWND janela) {
        Clicar(Controle(janela, IDC_BOTAO));
        EsperarFechar(GetCurrentProcessId(), kTitulo);
    });
    EXPECT_EQ(resultado, ui::mrOk);
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.Modal());
}

TEST(Form, AFormShownOverAModalFormIsOwnedByItUntilItCloses) {
    FormTeste externo;
    FormTeste interno;
    HWND donoDurante = nullptr;
    interno.consulta = [&] {
        donoDurante = GetWindow(interno.Handle(), GW_OWNER);
        return true;
    };
    externo.Bind(IDC_BOTAO, ui::Action(L"&Abrir", [&] {
                     PostMessageW(interno.Handle(), WM_CLOSE, 0, 0);
                     interno.ShowModal();
                     externo.EndModal(ui::mrOk);
                 }));
    ExibirCom(externo, [](HWND janela) {
        Clicar(Controle(janela, IDC_BOTAO));
        EsperarFechar(GetCurrentProcessId(), kTitulo);
    });
    EXPECT_EQ(donoDurante, externo.Handle());
    EXPECT_EQ(GetWindow(interno.Handle(), GW_OWNER), nullptr);
}

TEST(Form, TheCloseBoxAsksTheCloseQueryAndNoKeepsTheFormOpen) {
    FormTeste form;
    std::atomic<int> respostas{0};
    form.consulta = [&] { return ++respostas > 1; };
    std::atomic<bool> abertoDepoisDoNao{false};
    const int resultado = ExibirCom(form, [&](HWND janela) {
        Fechar(janela);
        EsperarAte([&] { return respostas.load() == 1; });
        abertoDepoisDoNao = !EsperarAte([&] { return !Visivel(janela); }, 100ms);
        Fechar(janela);
        EsperarFechar(GetCurrentProcessId(), kTitulo);
    });
    EXPECT_TRUE(abertoDepoisDoNao);
    EXPECT_EQ(resultado, ui::mrCancel);
    EXPECT_EQ(form.consultas, 2);
}

TEST(Form, EscapeClosesThroughTheCloseQuery) {
    FormTeste form;
    const int resultado = ExibirCom(form, [](HWND janela) {
        HWND edicao = Controle(janela, IDC_EDICAO);
        PostMessageW(edicao, WM_KEYDOWN, VK_ESCAPE, 0);
        EsperarFechar(GetCurrentProcessId(), kTitulo);
    });
    EXPECT_EQ(resultado, ui::mrCancel);
    EXPECT_EQ(form.consultas, 1);
}

TEST(Form, RebindingAButtonChangesCaptionHintAndHandler) {
    FormTeste form;
    std::wstring executada;
    ui::Action primeira(
        L"&Instalar", [&] { executada = L"primeira"; }, L"dica 1");
    ui::Action segunda(
        L"Continuar", [&] { executada = L"segunda"; }, L"dica 2");
    form.Bind(IDC_BOTAO, primeira);
    HWND botao = form.Item(IDC_BOTAO);
    EXPECT_EQ(Texto(botao), L"&Instalar");
    EXPECT_EQ(form.Hint(botao), L"dica 1");
    form.Bind(IDC_BOTAO, segunda);
    EXPECT_EQ(Texto(botao), L"Continuar");
    EXPECT_EQ(form.Hint(botao), L"dica 2");
    ExibirCom(form, [&](HWND janela) {
        Clicar(Controle(janela, IDC_BOTAO));
        EsperarAte([&] { return !executada.empty(); });
    });
    EXPECT_EQ(executada, L"segunda");
}

TEST(Form, ACheckBoxCarriesItsActionAndTogglesBeforeIt) {
    FormTeste form;
    bool marcadaNaAcao = false;
    form.Bind(IDC_CAIXA, ui::Action(L"Opções avançadas", [&] {
                  marcadaNaAcao = ui::CheckBox(form.Item(IDC_CAIXA)).Checked();
                  form.EndModal(ui::mrOk);
              }));
    ExibirCom(form, [](HWND janela) {
        Clicar(Controle(janela, IDC_CAIXA));
        EsperarFechar(GetCurrentProcessId(), kTitulo);
    });
    EXPECT_TRUE(marcadaNaAcao);
    EXPECT_EQ(Texto(form.Item(IDC_CAIXA)), L"Opções avançadas");
}

TEST(Form, ChildDialogControlsBelongToTheForm) {
    FormTeste form;
    HWND pagina = form.Scenes().Add(IDD_TESTE_PAGINA, RECT{0, 100, 200, 160});
    ASSERT_NE(pagina, nullptr);
    EXPECT_EQ(form.Item(IDC_BOTAO_PAGINA), GetDlgItem(pagina, IDC_BOTAO_PAGINA));
    bool clicado = false;
    form.Bind(IDC_BOTAO_PAGINA, ui::Action(L"Página", [&] {
                  clicado = true;
                  form.EndModal(ui::mrOk);
              }));
    ShowWindow(pagina, SW_SHOW);
    ExibirCom(form, [](HWND janela) {
        Clicar(Controle(janela, IDC_BOTAO_PAGINA));
        EsperarFechar(GetCurrentProcessId(), kTitulo);
    });
    EXPECT_TRUE(clicado);
}

TEST(Form, AnErrorInAHandlerIsShownAndTheFormGoesOn) {
    FormTeste form;
    form.Bind(IDC_BOTAO, ui::Action(L"Falhar", [] { throw base::Exception(L"Algo deu errado."); }));
    std::wstring mensagem;
    std::wstring titulo;
    bool continuouAberto = false;
    ExibirCom(form, [&](HWND janela) {
        Clicar(Controle(janela, IDC_BOTAO));
        HWND caixa = nullptr;
        EsperarAte([&] {
            for (HWND j : JanelasDaTarefa(GetWindowThreadProcessId(janela, nullptr)))
                if (Visivel(j) && Classe(j) == L"#32770" && j != janela)
                    caixa = j;
            return caixa != nullptr;
        });
        if (!caixa)
            return;
        mensagem = TextoDaMensagem(caixa);
        titulo = Texto(caixa);
        EXPECT_EQ(GetWindow(caixa, GW_OWNER), janela);
        Responder(caixa, IDOK);
        EsperarAte([&] { return !IsWindow(caixa); });
        continuouAberto = Visivel(janela);
    });
    EXPECT_EQ(mensagem, L"Algo deu errado.");
    EXPECT_EQ(titulo, ui::Application::Title());
    EXPECT_TRUE(continuouAberto);
}

TEST(Form, OtherWindowsOfTheThreadAreDisabledWhileModal) {
    FormTeste outro;
    outro.Show();
    FormTeste form;
    bool desabilitadoDurante = true;
    ExibirCom(form, [&](HWND) { desabilitadoDurante = !Habilitado(outro.Handle()); });
    EXPECT_TRUE(desabilitadoDurante);
    EXPECT_TRUE(Habilitado(outro.Handle()));
    outro.Hide();
}

TEST(Form, HintsFollowTheApplicationsHidePause) {
    FormTeste form;
    HWND rotulo = form.Item(IDC_ROTULO);
    form.SetHint(rotulo, L"texto inteiro do rótulo");
    HWND dica = nullptr;
    for (HWND j : JanelasDaTarefa(GetCurrentThreadId()))
        if (Classe(j) == TOOLTIPS_CLASSW && GetWindow(j, GW_OWNER) == form.Handle())
            dica = j;
    ASSERT_NE(dica, nullptr);
    const int antes = ui::Application::HintHidePause();
    ui::Application::SetHintHidePause(50000);
    EXPECT_EQ(SendMessageW(dica, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 50000);
    ui::Application::SetHintHidePause(antes);
    EXPECT_EQ(SendMessageW(dica, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), antes);
    EXPECT_EQ(form.Hint(rotulo), L"texto inteiro do rótulo");
}

// A click that reaches a disabled button by a message (automation, a screen reader's default
// action) must not run what the user cannot choose.
TEST(Form, ADisabledButtonRunsNoActionWhenClickedByAMessage) {
    FormTeste form;
    std::atomic<int> cliques{0};
    form.Bind(IDC_BOTAO, ui::Action(L"Desinstalar", [&] { ++cliques; }));
    EnableWindow(form.Item(IDC_BOTAO), FALSE);
    ExibirCom(form, [&](HWND janela) {
        Clicar(Controle(janela, IDC_BOTAO));
        EXPECT_FALSE(EsperarAte([&] { return cliques.load() > 0; }, 300ms));
        EnableWindow(Controle(janela, IDC_BOTAO), TRUE);
        Clicar(Controle(janela, IDC_BOTAO));
        EsperarAte([&] { return cliques.load() == 1; });
    });
    EXPECT_EQ(cliques.load(), 1);
}

TEST(Form, AChildDialogIsAControlOfTheFormUnderItsTemplateId) {
    FormTeste form;
    HWND pagina = form.Scenes().Add(IDD_TESTE_PAGINA, RECT{0, 100, 200, 160});
    EXPECT_EQ(GetDlgCtrlID(pagina), IDD_TESTE_PAGINA);
    EXPECT_EQ(form.Item(IDD_TESTE_PAGINA), pagina);
}

TEST(Form, AChildDialogOnDemandIsMadeWhenOneOfItsControlsIsFirstAskedFor) {
    FormTeste form;
    int preparos = 0;
    HWND preparada = nullptr;
    form.Scenes().AddOnDemand(IDD_TESTE_PAGINA, RECT{0, 100, 200, 160}, [&](HWND pagina) {
        ++preparos;
        preparada = pagina;
        EXPECT_EQ(form.Item(IDC_BOTAO_PAGINA), GetDlgItem(pagina, IDC_BOTAO_PAGINA))
            << "its controls are found while it is prepared";
    });
    EXPECT_NE(form.Item(IDC_BOTAO), nullptr);
    EXPECT_EQ(form.Item(IDC_BOTAO_OUTRO), nullptr);
    EXPECT_EQ(form.FindItem(IDC_BOTAO_PAGINA), nullptr);
    EXPECT_EQ(form.Scenes().Find(IDC_BOTAO_PAGINA), nullptr);
    EXPECT_EQ(form.Scenes().Made(IDD_TESTE_PAGINA), nullptr)
        << "the form's own controls, an id of no page and the lookups make nothing";
    EXPECT_EQ(GetDlgItem(form.Handle(), IDD_TESTE_PAGINA), nullptr);

    HWND botao = form.Item(IDC_BOTAO_PAGINA);
    ASSERT_NE(botao, nullptr);
    EXPECT_EQ(preparos, 1);
    EXPECT_EQ(GetParent(botao), preparada);
    EXPECT_EQ(GetDlgCtrlID(preparada), IDD_TESTE_PAGINA);
    EXPECT_FALSE(IsWindowVisible(preparada));
    RECT area{};
    GetWindowRect(preparada, &area);
    MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&area), 2);
    EXPECT_EQ(area.top, 100);
    EXPECT_EQ(area.bottom, 160);

    EXPECT_EQ(form.Scenes().Made(IDD_TESTE_PAGINA), preparada);
    EXPECT_EQ(form.Scenes().Make(IDD_TESTE_PAGINA), preparada);
    EXPECT_EQ(form.Item(IDC_BOTAO_PAGINA), botao);
    EXPECT_EQ(form.FindItem(IDC_BOTAO_PAGINA), botao);
    EXPECT_EQ(preparos, 1) << "made and prepared once";
}

TEST(Form, AChildDialogOnDemandIsMadeWhenItIsAskedForByItsId) {
    FormTeste form;
    int preparos = 0;
    form.Scenes().AddOnDemand(IDD_TESTE_PAGINA, RECT{0, 100, 200, 160}, [&](HWND) { ++preparos; });
    form.Scenes().AddOnDemand(IDD_TESTE_PADRAO, RECT{0, 100, 200, 160},
                              [&](HWND) { preparos += 10; });
    HWND pagina = form.Scenes().Make(IDD_TESTE_PAGINA);
    ASSERT_NE(pagina, nullptr);
    EXPECT_EQ(form.Item(IDD_TESTE_PAGINA), pagina);
    EXPECT_EQ(form.Scenes().Made(IDD_TESTE_PADRAO), nullptr);
    HWND padrao = form.Item(IDD_TESTE_PADRAO);
    ASSERT_NE(padrao, nullptr);
    EXPECT_EQ(GetParent(padrao), form.Handle());
    EXPECT_EQ(form.Scenes().Make(IDD_TESTE_LISTA), nullptr) << "a page never added";
    EXPECT_EQ(preparos, 11);
}

TEST(Form, TheFirstControlToFocusSkipsDisabledAndHiddenOnesAndEntersChildDialogs) {
    FormTeste form;
    HWND pagina = form.Scenes().Add(IDD_TESTE_PAGINA, RECT{0, 100, 200, 160});
    form.Show();
    EnableWindow(form.Item(IDC_BOTAO), FALSE);
    form.FocusFirstControl(form.Handle());
    EXPECT_EQ(GetFocus(), form.Item(IDC_CAIXA));

    form.FocusFirstControl(pagina);
    EXPECT_EQ(GetFocus(), form.Item(IDC_CAIXA)) << "a hidden page has nothing to focus";
    ShowWindow(pagina, SW_SHOW);
    form.FocusFirstControl(pagina);
    EXPECT_EQ(GetFocus(), form.Item(IDC_BOTAO_PAGINA));
    form.Hide();
}

TEST(Form, AnImageOnlyButtonShowsTheGlyphLargeAndKeepsTheCaptionAsItsText) {
    FormTeste form;
    ui::Action acao(L"Instalar / Reinstalar", [] {});
    acao.SetGlyph(IDI_INSTALAR);
    form.Bind(IDC_BOTAO, acao, true);
    HWND botao = form.Item(IDC_BOTAO);
    EXPECT_EQ(Texto(botao), L"Instalar / Reinstalar");
    const HICON grande = ui::Glyphs::Icon(IDI_INSTALAR, GetSystemMetrics(SM_CXICON));
    ASSERT_NE(grande, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(botao, BM_GETIMAGE, IMAGE_ICON, 0)), grande);
}

TEST(Form, TheWindowIconAndAStaticsBackgroundComeFromTheForm) {
    FormTeste form;
    form.SetIcon(IDI_INSTALAR);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(form.Handle(), WM_GETICON, ICON_SMALL, 0)),
              ui::Glyphs::Icon(IDI_INSTALAR, GetSystemMetrics(SM_CXSMICON)));

    form.SetBackgroundColor(IDC_ROTULO, RGB(24, 48, 120));
    HDC dc = GetDC(form.Handle());
    const auto pincel = reinterpret_cast<HBRUSH>(
        SendMessageW(form.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(form.Item(IDC_ROTULO))));
    ReleaseDC(form.Handle(), dc);
    LOGBRUSH descricao{};
    ASSERT_TRUE(GetObjectW(pincel, sizeof descricao, &descricao));
    EXPECT_EQ(descricao.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(descricao.lbColor, RGB(24, 48, 120));
}

TEST(Form, AReleaseRunsItsHandlerOnceForAKeyAndOnceForAMouseClick) {
    FormTeste form;
    std::atomic<int> soltos{0};
    form.SetOnRelease(IDC_EDICAO, [&] { ++soltos; });
    ExibirCom(form, [&](HWND janela) {
        HWND edicao = Controle(janela, IDC_EDICAO);
        Tecla(edicao, VK_END);
        EsperarAte([&] { return soltos.load() == 1; });
        ClicarEm(edicao, POINT{4, 4});
        EsperarAte([&] { return soltos.load() == 2; });
        EXPECT_FALSE(EsperarAte([&] { return soltos.load() > 2; }, 100ms));
    });
    EXPECT_EQ(soltos.load(), 2);
}

// A list view follows the mouse itself once a button goes down and reports the click; that
// counts as the one release of the click.
TEST(Form, AListViewsClickCountsAsOneRelease) {
    FormTeste form;
    HWND pagina = form.Scenes().Add(IDD_TESTE_LISTA, RECT{0, 0, 200, 120});
    ShowWindow(pagina, SW_SHOW);
    const ui::CheckList lista(form.Item(IDC_LISTA));
    lista.Setup();
    lista.Add(L"primeiro");
    lista.Add(L"segundo");
    std::atomic<int> soltos{0};
    std::atomic<int> selecionado{-1};
    form.SetOnRelease(IDC_LISTA, [&] {
        ++soltos;
        selecionado = lista.Selected();
    });
    ExibirCom(form, [&](HWND janela) {
        HWND controle = Controle(janela, IDC_LISTA);
        const RECT item = RetanguloDoItem(controle, 1);
        ClicarEm(controle, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
        EsperarAte([&] { return soltos.load() >= 1; });
        EXPECT_FALSE(EsperarAte([&] { return soltos.load() > 1; }, 200ms));
    });
    EXPECT_EQ(soltos.load(), 1);
    EXPECT_EQ(selecionado.load(), 1);
}

// What a screen reader reads of a control, read from another thread as a reader reads it.
std::wstring NomeLido(HWND janela, int id) {
    for (const TObjetoLido& objeto : LerJanela(janela).Objetos)
        if (GetDlgCtrlID(objeto.Janela) == id)
            return objeto.Nome;
    return L"(não lido)";
}

TEST(Form, ACaptionMadeOfSignsIsReadAsTheHintAndALaterCaptionAsItself) {
    FormTeste form;
    form.Bind(IDC_BOTAO, ui::Action(
                             L"...", [] {}, L"Abre a caixa de dialogo"));
    std::wstring sinal, palavra;
    ExibirCom(form, [&](HWND janela) {
        sinal = NomeLido(janela, IDC_BOTAO);
        ui::Application::RunOnMainThread([&] {
            form.Bind(IDC_BOTAO, ui::Action(
                                     L"&Procurar", [] {}, L"Abre a caixa"));
        });
        palavra = NomeLido(janela, IDC_BOTAO);
    });
    EXPECT_EQ(sinal, L"Abre a caixa de dialogo");
    EXPECT_EQ(palavra, L"Procurar");
    EXPECT_EQ(Texto(form.Item(IDC_BOTAO)), L"&Procurar");
}

TEST(Form, APictureFromTheTemplateKeepsItsImageButNotTheImagesIdAsItsName) {
    FormTeste form;
    EXPECT_EQ(Texto(form.Item(IDC_FIGURA)), L"");
    EXPECT_NE(SendMessageW(form.Item(IDC_FIGURA), STM_GETICON, 0, 0), 0);
}

TEST(FormTeclado, WithNothingToTakeItTheFormKeepsTheFocusItself) {
    FormTeste form;
    form.Show();
    form.FocusFirstControl(form.Handle());
    ASSERT_EQ(GetFocus(), form.Item(IDC_BOTAO));
    for (int id : {IDC_BOTAO, IDC_CAIXA, IDC_EDICAO})
        ShowWindow(form.Item(id), SW_HIDE);
    form.FocusFirstControl(form.Handle());
    EXPECT_EQ(GetFocus(), form.Handle());
    // The dialog manager would give it back to the button it had before, hidden since.
    SetFocus(form.Item(IDC_ROTULO));
    SetFocus(form.Handle());
    EXPECT_EQ(GetFocus(), form.Handle());
    form.Hide();
}

// The page's default button is pressed by Enter from the page's edit box; a button with the focus
// is pressed by Enter itself; a disabled default button is not pressed.
TEST(FormTeclado, EnterPressesTheDefaultButtonOfTheChildDialogShown) {
    FormTeste form;
    HWND pagina = form.Scenes().Add(IDD_TESTE_PADRAO, RECT{0, 100, 300, 160});
    ShowWindow(pagina, SW_SHOW);
    std::atomic<int> padrao{0}, outro{0};
    form.Bind(IDC_BOTAO_PADRAO, ui::Action(L"padrão", [&] { ++padrao; }));
    form.Bind(IDC_BOTAO_OUTRO, ui::Action(L"outro", [&] { ++outro; }));
    bool padraoAposTab = false;
    ExibirCom(form, [&](HWND janela) {
        HWND edicao = Controle(janela, IDC_EDICAO_PADRAO);
        HWND botaoOutro = Controle(janela, IDC_BOTAO_OUTRO);
        HWND botaoPadrao = Controle(janela, IDC_BOTAO_PADRAO);
        PostMessageW(janela, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edicao), TRUE);
        EsperarAte([&] { return Foco(janela) == edicao; });
        Tecla(edicao, VK_RETURN);
        EsperarAte([&] { return padrao.load() == 1; });

        PostMessageW(janela, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(botaoOutro), TRUE);
        EsperarAte([&] { return Foco(janela) == botaoOutro; });
        Tecla(botaoOutro, VK_RETURN);
        EsperarAte([&] { return outro.load() == 1; });
        // Shift+Tab back to the box: the page's default looks the default again.
        Tecla(botaoOutro, VK_TAB);
        EsperarAte([&] { return Foco(janela) != botaoOutro; });
        padraoAposTab = EsperarAte([&] {
            return (GetWindowLongW(botaoPadrao, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON ||
                   Foco(janela) == botaoPadrao;
        });

        EnableWindow(botaoPadrao, FALSE);
        PostMessageW(janela, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edicao), TRUE);
        EsperarAte([&] { return Foco(janela) == edicao; });
        Tecla(edicao, VK_RETURN);
        EXPECT_FALSE(EsperarAte([&] { return padrao.load() > 1 || outro.load() > 1; }, 200ms));
    });
    EXPECT_EQ(padrao.load(), 1);
    EXPECT_EQ(outro.load(), 1);
    EXPECT_TRUE(padraoAposTab);
}

TEST(Form, ALabelWithAShadowDrawsItsTextInBothColoursFromOneWindow) {
    FormTeste form;
    constexpr COLORREF kAzul = RGB(0, 0, 128), kPreto = RGB(0, 0, 0);
    form.SetLabelColor(IDC_ROTULO, kAzul);
    form.SetLabelShadow(IDC_ROTULO, kPreto);
    form.Show();
    HWND rotulo = form.Item(IDC_ROTULO);
    UpdateWindow(form.Handle());
    RECT area{};
    GetClientRect(rotulo, &area);
    HDC dc = GetDC(rotulo);
    int azuis = 0, pretosSobAzuis = 0;
    for (int y = 0; y + 1 < area.bottom; ++y)
        for (int x = 0; x + 1 < area.right; ++x)
            if (GetPixel(dc, x, y) == kAzul) {
                ++azuis;
                pretosSobAzuis += GetPixel(dc, x + 1, y + 1) == kPreto;
            }
    ReleaseDC(rotulo, dc);
    form.Hide();
    EXPECT_GT(azuis, 10);
    // The shadow shows where the text's own colour does not cover it, below and to the right.
    EXPECT_GT(pretosSobAzuis, 0);
}

} // namespace
