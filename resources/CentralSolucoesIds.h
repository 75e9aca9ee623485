// Solutions Center: the window's template and its controls.
#pragma once

#define IDD_CENTRAL_SOLUCOES 4100
#define IDC_Icone 4101
#define IDC_Titulo 4102
#define IDC_BitBtn1 4103
#define IDC_Bevel 4104
#define IDC_IconePRG 4105
#define IDC_lblPrograma 4106
#define IDC_lblModulo 4107
#define IDC_lblProblema 4108
#define IDC_lblArquivo 4109
#define IDC_lblSolucao 4110
#define IDC_bitContinuar 4111
#define IDC_bitAjuda 4112
