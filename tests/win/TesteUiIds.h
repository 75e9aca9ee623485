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
#define IDC_LISTA 1201
