// New-folder window: the window's template and its controls.
#pragma once

#define IDD_NOVA_PASTA 4550
#define IDC_lblInstrucoes 4551
#define IDC_txtNome 4552
// Enter and Escape press these, as in every dialog of the system.
#define IDC_bitCriar 1
#define IDC_bitCancelar 2
