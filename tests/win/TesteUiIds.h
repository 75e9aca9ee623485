// Windows of the toolkit's own tests.
#pragma once

#define IDD_TESTE 100
#define IDD_TESTE_PAGINA 101
#define IDD_TESTE_LISTA 102
#define IDC_BOTAO 1001
#define IDC_CAIXA 1002
#define IDC_ROTULO 1003
#define IDC_EDICAO 1004
#define IDC_BOTAO_PAGINA 1101

// The test program's version numbers: file 1.2.3.4, product 5.6.7.8.
#define KT_TESTE_VERSAO_ARQUIVO 1, 2, 3, 4
#define KT_TESTE_VERSAO_PRODUTO 5, 6, 7, 8
#define IDC_LISTA 1201
#define IDD_TESTE_PADRAO 103
#define IDC_EDICAO_PADRAO 1301
#define IDC_BOTAO_OUTRO 1302
#define IDC_BOTAO_PADRAO 1303
#define IDC_FIGURA 1005
