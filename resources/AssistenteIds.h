// Ids of the wizard window and its scenes, named after the controls. A scene's template id is also
// its control id inside the wizard window; control ids are unique across the window and its scenes.
#pragma once

#define IDD_frmAssistente 300
#define IDC_imgFaixa 3001

// Scenes, in page order.
#define IDC_cenaIniciar 301
#define IDC_cenaConfigurar 302
#define IDC_cenaDesinstalar 303
#define IDC_cenaLicenca 304
#define IDC_cenaOpcoes 305
#define IDC_cenaOQue 306
#define IDC_cenaInstala 307
#define IDC_cenaSobre 308

#define IDC_lblCarregando1 3101
#define IDC_lblCarregando2 3102
#define IDC_lblInstrucoes 3103
#define IDC_Progresso 3104

#define IDC_lblOperacao1 3201
#define IDC_lblOperacao2 3202
#define IDC_botaoInstalar 3203
#define IDC_textoInstalar 3204
#define IDC_botaoAlterar 3205
#define IDC_textoAlterar 3206
#define IDC_botaoDesinstalar 3207
#define IDC_textoDesinstalar 3208
#define IDC_bitSobre 3209
#define IDC_botaoSairConfigurar 3210

#define IDC_lblDesinstalando1 3301
#define IDC_lblDesinstalando2 3302
#define IDC_Image2 3303
#define IDC_imgArquivos 3304
#define IDC_lblArquivos 3305
#define IDC_imgDirs 3306
#define IDC_lblDirs 3307
#define IDC_imgAtalhos 3308
#define IDC_lblAtalhos 3309
#define IDC_imgRegistro 3310
#define IDC_lblRegistro 3311
#define IDC_imgCHK 3312
#define IDC_lblArquivo 3313
#define IDC_Gauge1 3314
#define IDC_bitCancelar 3315

#define IDC_lblLicenca1 3401
#define IDC_lblLicenca2 3402
#define IDC_Licenca 3403
#define IDC_lblOBS 3404
#define IDC_lblPergunta 3405
#define IDC_optSim 3406
#define IDC_optNao 3407
#define IDC_bitCancelarLicenca 3408
#define IDC_botaoContinuarLicenca 3409

#define IDC_lblOpcoesInstalacao1 3501
#define IDC_lblOpcoesInstalacao2 3502
#define IDC_lblOpcoes 3503
#define IDC_chkCompacta 3504
#define IDC_chkOpcao2 3505
#define IDC_chkOpcao3 3506
#define IDC_chkOpcao4 3507
#define IDC_chkAvancado 3508
#define IDC_lblInstrucoesDir 3509
#define IDC_txtDir 3510
#define IDC_bitProcurar 3511
#define IDC_botaoVoltarOpcoes 3512
#define IDC_bitCancelarOpcoes 3513
#define IDC_botaoProsseguir 3514
#define IDC_imgProsseguir 3515
#define IDC_imgInstalar 3516

#define IDC_lblComponentes1 3601
#define IDC_lblComponentes2 3602
#define IDC_lblSelecione 3603
#define IDC_chkOQue 3604
#define IDC_sttPainel 3605
#define IDC_botaoVoltarOQue 3606
#define IDC_botaoCancelarOQue 3607
#define IDC_botaoInstalarOQue 3608

#define IDC_Animacao 3701
#define IDC_lblStatus 3702
#define IDC_ProgressoGeral 3703
#define IDC_lblCopia 3704
#define IDC_lblPara 3705
#define IDC_ProgressoAtual 3706
#define IDC_BitBtn9 3707

#define IDC_lblTituloSobre1 3801
#define IDC_lblTituloSobre2 3802
#define IDC_lblSobre 3803
#define IDC_bitVoltar 3804
#define IDC_bitCancelarSobre 3805
