// Directory browser: the window's template, its controls and the commands of its tools.
#pragma once

#define IDD_ABRIR_DIR 4500
#define IDC_IconeDialogo 4501
#define IDC_lblDrive 4502
#define IDC_Drives 4503
#define IDC_BarraFerramentas 4504
#define IDC_Diretorios 4505
#define IDC_lblDiretorio 4506
#define IDC_txtDiretorio 4507
// Enter and Escape press these, as in every dialog of the system.
#define IDC_bitAbrir 1
#define IDC_bitCancelar 2
#define IDC_bitAjuda 4510

// The buttons of the toolbar and the items of the pop-up menu, each carrying one action.
#define IDC_ToolButton3 4520
#define IDC_ToolButton6 4521
#define IDC_ToolButton5 4522
#define IDM_popNovaPasta 4530
#define IDM_MeusDocumentos1 4531
#define IDM_Excluirdiretrio1 4532
