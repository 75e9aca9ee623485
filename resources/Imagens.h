// Ids of the framework's icons and bitmaps, shared by the resource scripts and the code.
#pragma once

#define IDI_PONTILHA 1
#define IDI_CENTRAL_SOLUCOES 201
#define IDI_INSTALAR 202
#define IDI_ALTERAR 203
#define IDI_DESINSTALAR 204
#define IDI_PROSSEGUIR 205
#define IDI_VOLTAR 206
#define IDI_CANCELAR 207
#define IDI_CONCLUIDO 208
#define IDI_SOBRE 209
#define IDI_PASTA 210
#define IDI_SOBRESCREVER 211
#define IDI_ENCONTRAR 212
#define IDI_IGNORAR 213
#define IDI_NOVA_PASTA 214
#define IDI_EXCLUIR_PASTA 215
#define IDI_MEUS_DOCUMENTOS 216
#define IDB_FAIXA 220
#define IDB_FAIXA144 221
#define IDB_FAIXA192 222
#define IDA_COPIANDO 230
