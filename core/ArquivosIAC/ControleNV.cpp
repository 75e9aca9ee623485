#include "core/ArquivosIAC/ControleNV.h"

#include "base/Concat.h"
#include "ui/Application.h"
#include "base/Exception.h"

namespace kt {
namespace {

constexpr wchar_t kClasse[] = L"kt.ControleNV";

void RegistrarClasse(WNDPROC procedimento) {
    WNDCLASSW classe{};
    if (GetClassInfoW(ui::Application::Instance(), kClasse, &classe))
        return;
    classe.lpfnWndProc = procedimento;
    classe.hInstance = ui::Application::Instance();
    classe.lpszClassName = kClasse;
    RegisterClassW(&classe);
}

} // namespace

TControleNV::TControleNV(HWND dono, const wchar_t* bitmapDoIcone)
    : icone_(static_cast<HBITMAP>(LoadImageW(ui::Application::Instance(), bitmapDoIcone,
                                             IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR))) {
    RegistrarClasse(&ProcedimentoDaJanela);
    janela_.Reset(CreateWindowExW(0, kClasse, L"", WS_CHILD, 0, 0, kLado, kLado, dono, nullptr,
                                  ui::Application::Instance(), this));
    if (!janela_)
        base::Throw(base::Concat({L"Não foi possível criar o controle ", bitmapDoIcone, L"."}));
}

LRESULT CALLBACK TControleNV::ProcedimentoDaJanela(HWND janela, UINT mensagem, WPARAM wParam,
                                                   LPARAM lParam) noexcept {
    if (mensagem == WM_NCCREATE) {
        const auto* criacao = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(janela, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(criacao->lpCreateParams));
    }
    const auto* controle =
        reinterpret_cast<const TControleNV*>(GetWindowLongPtrW(janela, GWLP_USERDATA));
    switch (mensagem) {
    case WM_WINDOWPOSCHANGING: {
        auto* posicao = reinterpret_cast<WINDOWPOS*>(lParam);
        posicao->cx = kLado;
        posicao->cy = kLado;
        return 0;
    }
    case WM_SETFOCUS:
        // Hands the focus back to where it came from.
        SetFocus(reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        if (controle) {
            controle->Pintar(janela);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(janela, mensagem, wParam, lParam);
}

void TControleNV::Pintar(HWND janela) const {
    PAINTSTRUCT pintura;
    HDC tela = BeginPaint(janela, &pintura);
    if (icone_) {
        HDC memoria = CreateCompatibleDC(tela);
        HGDIOBJ anterior = SelectObject(memoria, icone_.Get());
        BitBlt(tela, 0, 0, kLado, kLado, memoria, 0, 0, SRCCOPY);
        SelectObject(memoria, anterior);
        DeleteDC(memoria);
    }
    EndPaint(janela, &pintura);
}

} // namespace kt
