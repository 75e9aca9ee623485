#include "tests/win/acesso/Medidas.h"

#include "fileops/Texto.h"
#include "tests/win/comum/Janelas.h"
#include "tests/win/comum/Leitura.h"

#include <commctrl.h>

namespace teste {
namespace {

LONG Estilo(HWND janela) {
    return GetWindowLongW(janela, GWL_STYLE);
}

// The size the text takes in the control's font: wrapped at the width given, or on one line.
SIZE Medir(HWND controle, const std::wstring& texto, UINT formato, int largura) {
    HDC dc = GetDC(controle);
    const auto fonte = reinterpret_cast<HFONT>(SendMessageW(controle, WM_GETFONT, 0, 0));
    HGDIOBJ antes =
        SelectObject(dc, fonte ? static_cast<HGDIOBJ>(fonte) : GetStockObject(SYSTEM_FONT));
    RECT area{0, 0, largura, 0};
    DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &area, formato | DT_CALCRECT);
    SelectObject(dc, antes);
    ReleaseDC(controle, dc);
    return {area.right - area.left, area.bottom - area.top};
}

struct TMedida {
    SIZE Precisa{};
    bool SoAltura = false;
};

// What the text of a static control needs: wrapped to its width, or on one line; a label that
// cuts its text with an ellipsis or at its edge is measured only in height.
TMedida MedidaDoRotulo(HWND rotulo, const std::wstring& texto, const RECT& cliente) {
    const LONG estilo = Estilo(rotulo);
    UINT formato = DT_EXPANDTABS | ((estilo & SS_NOPREFIX) ? DT_NOPREFIX : 0);
    const LONG tipo = estilo & SS_TYPEMASK;
    const bool corta = (estilo & SS_ELLIPSISMASK) != 0 || tipo == SS_LEFTNOWORDWRAP;
    if (corta || tipo == SS_SIMPLE)
        formato |= DT_SINGLELINE;
    else
        formato |= DT_WORDBREAK;
    return {Medir(rotulo, texto, formato, cliente.right), corta};
}

// The glyph beside a button's caption, with its margins, in pixels.
int LarguraDoGlifo(HWND botao) {
    BUTTON_IMAGELIST imagens{};
    if (!SendMessageW(botao, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&imagens)) ||
        !imagens.himl)
        return 0;
    int largura = 0, altura = 0;
    ImageList_GetIconSize(imagens.himl, &largura, &altura);
    return largura + imagens.margin.left + imagens.margin.right;
}

// What a button's caption needs with what the button draws beside it: a check box's or a radio
// button's box, or a push button's frame and glyph.
TMedida MedidaDoBotao(HWND botao, const std::wstring& texto) {
    SIZE precisa = Medir(botao, texto, DT_SINGLELINE, 0);
    switch (Estilo(botao) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        precisa.cx += GetSystemMetrics(SM_CXMENUCHECK) + 2 * GetSystemMetrics(SM_CXEDGE);
        break;
    default:
        precisa.cx += LarguraDoGlifo(botao) + 4 * GetSystemMetrics(SM_CXEDGE);
        precisa.cy += 2 * GetSystemMetrics(SM_CYEDGE);
        break;
    }
    return {precisa, false};
}

void Conferir(HWND controle, std::vector<std::string>& falhas) {
    const std::wstring texto = Texto(controle);
    const LONG estilo = Estilo(controle);
    RECT cliente{};
    GetClientRect(controle, &cliente);
    TMedida medida;
    if (TextoEstatico(controle)) {
        if (texto.empty())
            return;
        medida = MedidaDoRotulo(controle, texto, cliente);
    } else if (DaClasse(controle, L"Button")) {
        if (texto.empty() || (estilo & (BS_ICON | BS_BITMAP)) ||
            (estilo & BS_TYPEMASK) == BS_GROUPBOX)
            return;
        medida = MedidaDoBotao(controle, texto);
    } else if (DaClasse(controle, L"Edit")) {
        // The box scrolls its text: one line must show whole.
        medida = {Medir(controle, L"Ág", DT_SINGLELINE, 0), true};
    } else if (DaClasse(controle, L"msctls_statusbar32")) {
        if (texto.empty())
            return;
        medida = {Medir(controle, texto, DT_SINGLELINE, 0), false};
        medida.Precisa.cx += 2 * GetSystemMetrics(SM_CXEDGE);
    } else {
        return;
    }
    const bool larguraCabe = medida.SoAltura || medida.Precisa.cx <= cliente.right;
    if (larguraCabe && medida.Precisa.cy <= cliente.bottom)
        return;
    falhas.push_back("controle " + std::to_string(GetDlgCtrlID(controle)) + " \"" +
                     kt::Utf8(texto) + "\": precisa " + std::to_string(medida.Precisa.cx) + "x" +
                     std::to_string(medida.Precisa.cy) + ", tem " + std::to_string(cliente.right) +
                     "x" + std::to_string(cliente.bottom));
}

void ConferirFilhas(HWND janela, std::vector<std::string>& falhas) {
    for (HWND filha = GetWindow(janela, GW_CHILD); filha; filha = GetWindow(filha, GW_HWNDNEXT)) {
        if (!Visivel(filha))
            continue;
        if (DaClasse(filha, L"#32770"))
            ConferirFilhas(filha, falhas);
        else
            Conferir(filha, falhas);
    }
}

} // namespace

std::vector<std::string> TextosQueNaoCabem(HWND janela) {
    std::vector<std::string> falhas;
    ConferirFilhas(janela, falhas);
    return falhas;
}

} // namespace teste
