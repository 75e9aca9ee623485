#include "tests/win/comum/Leitura.h"

#include "fileops/Texto.h"
#include "tests/win/comum/Janelas.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <map>
#include <utility>

namespace teste {
namespace {

// Controls whose tops differ by less than this stand in one row (pixels at 96 dots per inch).
constexpr LONG kToleranciaDaLinha = 8;

// COM for the thread while the reading lasts.
class ComDaTarefa {
public:
    ComDaTarefa() : iniciado_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComDaTarefa() {
        if (iniciado_)
            CoUninitialize();
    }
    ComDaTarefa(const ComDaTarefa&) = delete;
    ComDaTarefa& operator=(const ComDaTarefa&) = delete;

private:
    bool iniciado_;
};

template <typename T>
class Com {
public:
    Com() = default;
    ~Com() {
        if (p_)
            p_->Release();
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    T* operator->() const { return p_; }
    T* Get() const { return p_; }
    void** Put() { return reinterpret_cast<void**>(&p_); }

private:
    T* p_ = nullptr;
};

LONG Estilo(HWND janela) {
    return GetWindowLongW(janela, GWL_STYLE);
}

} // namespace

bool TextoEstatico(HWND estatico) {
    if (!DaClasse(estatico, L"Static"))
        return false;
    switch (Estilo(estatico) & SS_TYPEMASK) {
    case SS_ICON:
    case SS_BITMAP:
    case SS_ENHMETAFILE:
    case SS_ETCHEDHORZ:
    case SS_ETCHEDVERT:
    case SS_ETCHEDFRAME:
    case SS_BLACKRECT:
    case SS_GRAYRECT:
    case SS_WHITERECT:
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME:
        return false;
    default:
        return true;
    }
}

namespace {

// The role that Windows' proxy gives a control of this class and style.
long PapelDosProxies(HWND controle) {
    if (DaClasse(controle, L"Button")) {
        switch (Estilo(controle) & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            return ROLE_SYSTEM_CHECKBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return ROLE_SYSTEM_RADIOBUTTON;
        case BS_GROUPBOX:
            return ROLE_SYSTEM_GROUPING;
        default:
            return ROLE_SYSTEM_PUSHBUTTON;
        }
    }
    if (DaClasse(controle, L"Static"))
        return TextoEstatico(controle) ? ROLE_SYSTEM_STATICTEXT : ROLE_SYSTEM_GRAPHIC;
    const std::pair<const wchar_t*, long> classes[] = {
        {L"Edit", ROLE_SYSTEM_TEXT},
        {L"RichEdit50W", ROLE_SYSTEM_TEXT},
        {L"SysListView32", ROLE_SYSTEM_LIST},
        {L"ComboBoxEx32", ROLE_SYSTEM_COMBOBOX},
        {L"ComboBox", ROLE_SYSTEM_COMBOBOX},
        {L"msctls_progress32", ROLE_SYSTEM_PROGRESSBAR},
        {L"msctls_statusbar32", ROLE_SYSTEM_STATUSBAR},
        {L"ToolbarWindow32", ROLE_SYSTEM_TOOLBAR},
        {L"SysAnimate32", ROLE_SYSTEM_ANIMATION},
        {L"#32770", ROLE_SYSTEM_DIALOG},
    };
    for (const auto& [classe, papel] : classes)
        if (DaClasse(controle, classe))
            return papel;
    return ROLE_SYSTEM_CLIENT;
}

// Controls that Windows' proxies name by the label before them, where Wine's oleacc names them
// otherwise or not at all.
bool NomeadoPeloRotulo(HWND controle) {
    for (const wchar_t* classe :
         {L"SysListView32", L"ComboBoxEx32", L"ComboBox", L"msctls_progress32", L"RichEdit50W"})
        if (DaClasse(controle, classe))
            return true;
    return false;
}

std::wstring SemMnemonico(std::wstring texto) {
    const std::size_t e = texto.find(L'&');
    if (e != texto.npos)
        texto.erase(e, 1);
    return texto;
}

// The text of the visible label just before the control, as the proxies take it.
std::wstring TextoDoRotulo(HWND controle) {
    HWND anterior = GetWindow(controle, GW_HWNDPREV);
    if (!anterior || !Visivel(anterior) || !TextoEstatico(anterior))
        return {};
    const std::wstring texto = Texto(anterior);
    return (Estilo(anterior) & SS_NOPREFIX) ? texto : SemMnemonico(texto);
}

std::wstring Porcento(HWND medidor) {
    DWORD_PTR posicao = 0, minimo = 0, maximo = 0;
    SendMessageTimeoutW(medidor, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 2000, &posicao);
    SendMessageTimeoutW(medidor, PBM_GETRANGE, TRUE, 0, SMTO_ABORTIFHUNG, 2000, &minimo);
    SendMessageTimeoutW(medidor, PBM_GETRANGE, FALSE, 0, SMTO_ABORTIFHUNG, 2000, &maximo);
    const auto faixa = static_cast<long>(maximo) - static_cast<long>(minimo);
    if (faixa <= 0)
        return {};
    const long p = (static_cast<long>(posicao) - static_cast<long>(minimo)) * 100 / faixa;
    return std::to_wstring(p) + L"%";
}

std::vector<TItemLido> ItensDe(HWND controle) {
    std::vector<TItemLido> itens;
    if (DaClasse(controle, L"SysListView32")) {
        DWORD_PTR estendido = 0;
        SendMessageTimeoutW(controle, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0, SMTO_ABORTIFHUNG, 2000,
                            &estendido);
        const bool marcaveis = (estendido & LVS_EX_CHECKBOXES) != 0;
        for (int i = 0, n = ContarItens(controle); i < n; ++i)
            itens.push_back(
                {TextoDoItem(controle, i), marcaveis, marcaveis && ItemMarcado(controle, i), true});
    } else if (DaClasse(controle, L"ToolbarWindow32")) {
        for (const TBotaoDaBarra& botao : BotoesDaBarra(controle))
            itens.push_back({botao.Texto, false, false, botao.Habilitado});
    }
    return itens;
}

bool Pagina(HWND janela) {
    return DaClasse(janela, L"#32770") &&
           (GetWindowLongW(janela, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0;
}

TObjetoLido LerObjeto(HWND janela) {
    TObjetoLido lido;
    lido.Janela = janela;
    GetWindowRect(janela, &lido.Retangulo);
    lido.Papel = PapelDosProxies(janela);
    lido.Pagina = Pagina(janela);
    Com<IAccessible> objeto;
    if (SUCCEEDED(
            AccessibleObjectFromWindow(janela, OBJID_CLIENT, IID_IAccessible, objeto.Put())) &&
        objeto.Get()) {
        VARIANT proprio{};
        proprio.vt = VT_I4;
        proprio.lVal = CHILDID_SELF;
        BSTR nome = nullptr;
        if (objeto->get_accName(proprio, &nome) == S_OK && nome)
            lido.Nome = nome;
        SysFreeString(nome);
        VARIANT papel{};
        // Where Wine's oleacc knows the role (an edit box), it is the one it gives.
        if (objeto->get_accRole(proprio, &papel) == S_OK && papel.vt == VT_I4 &&
            papel.lVal != ROLE_SYSTEM_CLIENT)
            lido.Papel = papel.lVal;
        VARIANT estado{};
        if (objeto->get_accState(proprio, &estado) == S_OK && estado.vt == VT_I4)
            lido.Indisponivel = (estado.lVal & STATE_SYSTEM_UNAVAILABLE) != 0;
        BSTR valor = nullptr;
        if (objeto->get_accValue(proprio, &valor) == S_OK && valor)
            lido.Valor = valor;
        SysFreeString(valor);
    }
    if (NomeadoPeloRotulo(janela) && (lido.Nome.empty() || DaClasse(janela, L"RichEdit50W")))
        lido.Nome = TextoDoRotulo(janela);
    lido.Focavel = RecebeFoco(janela);
    lido.Indisponivel = lido.Indisponivel || !Habilitado(janela);
    if (lido.Papel == ROLE_SYSTEM_CHECKBUTTON || lido.Papel == ROLE_SYSTEM_RADIOBUTTON) {
        lido.Marcavel = true;
        lido.Marcado = Marcado(janela);
    }
    lido.Padrao =
        lido.Papel == ROLE_SYSTEM_PUSHBUTTON && (Estilo(janela) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    lido.SomenteLeitura = lido.Papel == ROLE_SYSTEM_TEXT && (Estilo(janela) & ES_READONLY);
    if (lido.Valor.empty()) {
        if (lido.Papel == ROLE_SYSTEM_PROGRESSBAR)
            lido.Valor = Porcento(janela);
        else if (DaClasse(janela, L"ComboBoxEx32"))
            lido.Valor = TextoEscolhido(janela);
        else if (lido.Papel == ROLE_SYSTEM_COMBOBOX)
            lido.Valor = Texto(janela);
    }
    lido.Itens = ItensDe(janela);
    return lido;
}

// The children of the object in the order oleacc hands them, as the windows they are.
std::vector<HWND> FilhasLidas(HWND janela) {
    std::vector<HWND> filhas;
    Com<IAccessible> objeto;
    if (FAILED(AccessibleObjectFromWindow(janela, OBJID_CLIENT, IID_IAccessible, objeto.Put())) ||
        !objeto.Get())
        return filhas;
    long quantas = 0;
    objeto->get_accChildCount(&quantas);
    std::vector<VARIANT> lidas(static_cast<std::size_t>(std::max(quantas, 0L)));
    long obtidas = 0;
    if (quantas > 0)
        AccessibleChildren(objeto.Get(), 0, quantas, lidas.data(), &obtidas);
    for (long i = 0; i < obtidas; ++i) {
        VARIANT& filha = lidas[static_cast<std::size_t>(i)];
        if (filha.vt == VT_DISPATCH && filha.pdispVal) {
            Com<IAccessible> acessivel;
            HWND dela = nullptr;
            if (SUCCEEDED(filha.pdispVal->QueryInterface(IID_IAccessible, acessivel.Put())) &&
                acessivel.Get() && SUCCEEDED(WindowFromAccessibleObject(acessivel.Get(), &dela)) &&
                dela && dela != janela)
                filhas.push_back(dela);
        }
        VariantClear(&filha);
    }
    return filhas;
}

void LerFilhas(HWND janela, std::vector<TObjetoLido>& objetos) {
    for (HWND filha : FilhasLidas(janela)) {
        if (!Visivel(filha))
            continue;
        objetos.push_back(LerObjeto(filha));
        if (objetos.back().Pagina)
            LerFilhas(filha, objetos);
    }
}

// Read by a reader that walks the window: what has a name or a value, takes the focus or holds
// items.
bool Legivel(const TObjetoLido& objeto) {
    return !objeto.Pagina && (!objeto.Nome.empty() || !objeto.Valor.empty() || objeto.Focavel ||
                              !objeto.Itens.empty());
}

bool Sobrepostos(const RECT& a, const RECT& b) {
    RECT comum{};
    return IntersectRect(&comum, &a, &b) != FALSE;
}

// A label and the control just before or after it that carries its text as its name.
bool RotuloDoControle(const std::vector<TObjetoLido>& objetos, std::size_t a, std::size_t b) {
    const std::size_t primeiro = std::min(a, b), segundo = std::max(a, b);
    if (segundo != primeiro + 1)
        return false;
    const TObjetoLido& x = objetos[primeiro];
    const TObjetoLido& y = objetos[segundo];
    return (x.Papel == ROLE_SYSTEM_STATICTEXT && !x.Focavel && y.Focavel) ||
           (y.Papel == ROLE_SYSTEM_STATICTEXT && !y.Focavel && x.Focavel);
}

std::string Descrito(const TObjetoLido& objeto) {
    return "\"" + kt::Utf8(objeto.Nome) + "\" (" + std::to_string(GetDlgCtrlID(objeto.Janela)) +
           ")";
}

std::wstring TextoDoPapel(long papel) {
    wchar_t texto[80] = {};
    GetRoleTextW(static_cast<DWORD>(papel), texto, 80);
    return texto;
}

} // namespace

bool RecebeFoco(HWND controle) {
    if (!Visivel(controle) || !Habilitado(controle))
        return false;
    if (DaClasse(controle, L"Button"))
        return (Estilo(controle) & BS_TYPEMASK) != BS_GROUPBOX;
    return (Estilo(controle) & WS_TABSTOP) != 0;
}

std::vector<HWND> OrdemNaTela(std::vector<HWND> janelas) {
    const auto retangulo = [](HWND janela) {
        RECT r{};
        GetWindowRect(janela, &r);
        return r;
    };
    std::stable_sort(janelas.begin(), janelas.end(),
                     [&](HWND a, HWND b) { return retangulo(a).top < retangulo(b).top; });
    std::vector<HWND> ordem;
    for (std::size_t inicio = 0; inicio < janelas.size();) {
        std::size_t fim = inicio;
        const LONG topo = retangulo(janelas[inicio]).top;
        while (fim < janelas.size() && retangulo(janelas[fim]).top - topo < kToleranciaDaLinha)
            ++fim;
        std::stable_sort(janelas.begin() + static_cast<std::ptrdiff_t>(inicio),
                         janelas.begin() + static_cast<std::ptrdiff_t>(fim),
                         [&](HWND a, HWND b) { return retangulo(a).left < retangulo(b).left; });
        ordem.insert(ordem.end(), janelas.begin() + static_cast<std::ptrdiff_t>(inicio),
                     janelas.begin() + static_cast<std::ptrdiff_t>(fim));
        inicio = fim;
    }
    return ordem;
}

TLeitura LerJanela(HWND janela) {
    const ComDaTarefa com;
    TLeitura leitura;
    const TObjetoLido propria = LerObjeto(janela);
    leitura.Titulo = propria.Nome;
    LerFilhas(janela, leitura.Objetos);
    return leitura;
}

std::vector<std::string> Falhas(const TLeitura& leitura) {
    std::vector<std::string> falhas;
    const auto& objetos = leitura.Objetos;
    for (const TObjetoLido& objeto : objetos)
        if (objeto.Focavel && objeto.Nome.empty())
            falhas.push_back("sem nome: o controle " + std::to_string(GetDlgCtrlID(objeto.Janela)));

    for (std::size_t a = 0; a < objetos.size(); ++a)
        for (std::size_t b = a + 1; b < objetos.size(); ++b) {
            const TObjetoLido& x = objetos[a];
            const TObjetoLido& y = objetos[b];
            if (x.Pagina || y.Pagina || x.Nome.empty() || x.Nome != y.Nome ||
                RotuloDoControle(objetos, a, b))
                continue;
            if ((x.Focavel && y.Focavel) || Sobrepostos(x.Retangulo, y.Retangulo))
                falhas.push_back("lido duas vezes: " + Descrito(x) + " e " + Descrito(y));
        }

    std::vector<HWND> lidos;
    for (const TObjetoLido& objeto : objetos)
        if (Legivel(objeto))
            lidos.push_back(objeto.Janela);
    const std::vector<HWND> naTela = OrdemNaTela(lidos);
    if (naTela != lidos) {
        std::string ordem = "lidos fora da ordem da tela:";
        for (std::size_t i = 0; i < lidos.size(); ++i)
            ordem += " " + std::to_string(GetDlgCtrlID(lidos[i])) + "/" +
                     std::to_string(GetDlgCtrlID(naTela[i]));
        falhas.push_back(ordem);
    }
    return falhas;
}

std::string Descrever(const TLeitura& leitura) {
    std::string texto =
        "\"" + kt::Utf8(leitura.Titulo) + "\" " + kt::Utf8(TextoDoPapel(ROLE_SYSTEM_DIALOG)) + "\n";
    for (const TObjetoLido& objeto : leitura.Objetos) {
        if (objeto.Pagina) {
            if (!objeto.Nome.empty())
                texto += "  [" + kt::Utf8(objeto.Nome) + "]\n";
            continue;
        }
        if (!Legivel(objeto))
            continue;
        texto += "    \"" + kt::Utf8(objeto.Nome) + "\" " + kt::Utf8(TextoDoPapel(objeto.Papel));
        if (objeto.Marcavel)
            texto += objeto.Marcado ? ", marcado" : ", não marcado";
        if (objeto.Padrao)
            texto += ", padrão";
        if (objeto.SomenteLeitura)
            texto += ", somente leitura";
        if (objeto.Indisponivel)
            texto += ", indisponível";
        if (!objeto.Valor.empty())
            texto += ": " + kt::Utf8(objeto.Valor);
        texto += "\n";
        for (const TItemLido& item : objeto.Itens) {
            texto += "      \"" + kt::Utf8(item.Nome) + "\"";
            if (item.Marcavel)
                texto += item.Marcado ? ", marcado" : ", não marcado";
            if (!item.Habilitado)
                texto += ", indisponível";
            texto += "\n";
        }
    }
    return texto;
}

} // namespace teste
