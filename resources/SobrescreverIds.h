// Overwrite confirmation: the window's template and its controls.
#pragma once

#define IDD_SOBRESCREVER 4200
#define IDC_imgSimbolo 4201
#define IDC_lblDescricao 4202
#define IDC_lblSubstituir 4203
#define IDC_lblNomePara 4204
#define IDC_lblTam1 4205
#define IDC_lblTamPara 4206
#define IDC_lblIdade1 4207
#define IDC_lblDataPara 4208
#define IDC_lblVersao1 4209
#define IDC_lblVersaoPara 4210
#define IDC_lblPor 4211
#define IDC_lblNomeDe 4212
#define IDC_lblTam2 4213
#define IDC_lblTamDe 4214
#define IDC_lblIdade2 4215
#define IDC_lblDataDe 4216
#define IDC_lblVersao2 4217
#define IDC_lblVersaoDe 4218
#define IDC_bitSim 4219
#define IDC_bitNao 4220
#define IDC_bitSimTodos 4221
#define IDC_bitNaoTodos 4222
