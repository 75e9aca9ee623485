// Directory browser: the window's template, its controls and the commands of its tools.
#pragma once

#define IDD_ABRIR_DIR 4200
#define IDC_IconeDialogo 4201
#define IDC_lblDrive 4202
#define IDC_Drives 4203
#define IDC_BarraFerramentas 4204
#define IDC_Diretorios 4205
#define IDC_lblDiretorio 4206
#define IDC_txtDiretorio 4207
// Enter and Escape press these, as in every dialog of the system.
#define IDC_bitAbrir 1
#define IDC_bitCancelar 2
#define IDC_bitAjuda 4210

// The buttons of the toolbar and the items of the pop-up menu, each carrying one action.
#define IDC_ToolButton3 4220
#define IDC_ToolButton6 4221
#define IDC_ToolButton5 4222
#define IDM_popNovaPasta 4230
#define IDM_MeusDocumentos1 4231
#define IDM_Excluirdiretrio1 4232
