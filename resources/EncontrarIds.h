// Locate-missing-file dialog: the window's template and its controls.
#pragma once

#define IDD_ENCONTRAR 4400
#define IDC_imgSimboloEncontrar 4401
#define IDC_lblInstrucoes 4402
#define IDC_lblLocal 4403
#define IDC_txtArquivo 4404
#define IDC_Button1 4405
#define IDC_bitAjudaEncontrar 4406
#define IDC_bitIgnorar 4407
#define IDC_bitContinuarEncontrar 4408
#define IDC_bitCancelarEncontrar 4409
