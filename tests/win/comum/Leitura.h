// What a screen reader reads of a window: its accessible objects, as oleacc hands them to any
// reader (AccessibleObjectFromWindow and the objects' IAccessible), in the order it walks them.
//
// Wine's oleacc (8.0) answers for the standard controls with their names and states, but not with
// everything that Windows' proxies give. Where it lacks a piece, the reading takes what Windows'
// proxy for that control class reads, from the same window:
// - the role: Wine answers "client" for every control but an edit box; the proxies take it from
//   the class and its style (a button's type, a static's kind);
// - the name of a list view, a combo box, a gauge and a rich-text box: Wine gives none (and a
//   rich-text box's whole text); the proxies take the text of the label just before the control;
// - the checked state of check boxes and radio buttons (BM_GETCHECK), the default push button
//   (BS_DEFPUSHBUTTON), a read-only box (ES_READONLY);
// - the value of a gauge (its position in its range) and of a combo box (its selected text);
// - the items of a list view (their texts and check boxes) and of a toolbar (its buttons' texts).
// A name that the program gives a control itself (ui/Accessible.h) comes back through Wine's oleacc
// as it does through Windows'.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace teste {

// An item of a control: a list view's entry, a toolbar's button.
struct TItemLido {
    std::wstring Nome;
    bool Marcavel = false;
    bool Marcado = false;
    bool Habilitado = true;
};

struct TObjetoLido {
    HWND Janela = nullptr;
    std::wstring Nome;
    long Papel = 0;
    std::wstring Valor;
    bool Focavel = false;
    bool Indisponivel = false;
    bool Marcavel = false;
    bool Marcado = false;
    bool Padrao = false;
    bool SomenteLeitura = false;
    // A child dialog (a page of the window): its name is read when the focus enters it.
    bool Pagina = false;
    RECT Retangulo{};
    std::vector<TItemLido> Itens;
};

struct TLeitura {
    std::wstring Titulo;
    // The window's visible objects in the order a reader walks them, pages' controls in their
    // page's place.
    std::vector<TObjetoLido> Objetos;
};

// Reads the window through oleacc, from any thread or process but the window's own.
TLeitura LerJanela(HWND janela);

// What the reading must not show: a control that takes the focus without a name, one name read
// twice (two controls that take the focus, or two objects on the same place; a label and the
// control that it names may share theirs), an order of reading other than the order on screen.
std::vector<std::string> Falhas(const TLeitura& leitura);

// The reading as a screen reader speaks it, one object a line (UTF-8), for a test's output.
std::string Descrever(const TLeitura& leitura);

// A static control that shows a text, not a picture or a frame.
bool TextoEstatico(HWND estatico);

// A visible, enabled control that takes the focus: a button, or a control that Tab stops at.
bool RecebeFoco(HWND controle);

// Windows in the order the eye reads them: rows from the top (tops closer than a few pixels make
// one row), each row from the left.
std::vector<HWND> OrdemNaTela(std::vector<HWND> janelas);

} // namespace teste
