// Insert-disk prompt: the window's template and its controls.
#pragma once

#define IDD_INSERIR_DISCO 4300
#define IDC_lblInstrucoesDisco 4301
#define IDC_bitCancelarDisco 4302
#define IDC_bitProsseguir 4303
#define IDC_bitNaoChecar 4304
