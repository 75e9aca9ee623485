include(GoogleTest)

set(KT_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian's googletest)")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${KT_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest is not what the tests test: without optimisation its one large file compiles faster.
foreach(gt gtest gtest_main)
    target_compile_options(${gt} PRIVATE -O0)
endforeach()

# Our stand-in for the GUI toolkit: forms, controls, actions, threads. Knows nothing of the installer.
add_library(kt_ui STATIC
    ui/Accessible.cpp
    ui/Anchors.cpp
    ui/Application.cpp
    ui/Controls.cpp
    ui/Decorations.cpp
    ui/DialogTemplate.cpp
    ui/DirectoryList.cpp
    ui/DriveBox.cpp
    ui/Form.cpp
    ui/Glyphs.cpp
    ui/Hints.cpp
    ui/PopupMenu.cpp
    ui/ReleaseWatches.cpp
    ui/SceneHost.cpp
    ui/ShellIcons.cpp
    ui/SystemLibraries.cpp
    ui/Thread.cpp
    ui/ToolBar.cpp
)
# oleacc is not among them: it is loaded at run time from the system directory, when a screen
# reader first asks for a control that the toolkit names.
target_link_libraries(kt_ui PUBLIC kt_portable comctl32 gdi32 user32 shell32 ole32 oleaut32)

# The installer framework's Win32 side, in its two layers. The services: file operations and
# their reports, the payload services; what they show goes through the slots of
# fileops/ServicosDeJanela.h. The windows above them: the Solutions Center, the other dialogs and
# the service table, which lists them all.
add_library(kt_servicos STATIC
    fileops/Ajuda.cpp
    fileops/Ansi.cpp
    fileops/IdentidadeArquivo.cpp
    fileops/PastasDoShell.cpp
    fileops/Registro.cpp
    fileops/VerificacoesWin32.cpp
    fileops/ServicosDeJanela.cpp
    fileops/RelatorioDeErro.cpp
    fileops/TamanhoArquivo.cpp
    fileops/ArquivoNovo.cpp
    fileops/CopiarArquivo.cpp
    fileops/Atalho.cpp
    fileops/VersaoArquivo.cpp
    fileops/Processos.cpp
    fileops/AbrirAjuda.cpp
    fileops/AutoRemocao.cpp
    fileops/DiarioDeInstalacao.cpp
    fileops/Remocao.cpp
    payload/container/FluxoArquivo.cpp
    payload/container/FluxoRecurso.cpp
    payload/container/VerificarArquivoZLib.cpp
    payload/container/Descompactar.cpp
    payload/container/ExtrairRecurso.cpp
)
# version.dll is not among them: it is loaded at run time from the system directory.
target_link_libraries(kt_servicos PUBLIC kt_ui advapi32 shell32 ole32 uuid)

add_library(kt_framework STATIC
    dialogs/CentralSolucoes.cpp
    dialogs/Sobrescrever.cpp
    dialogs/TrocarDiscos.cpp
    dialogs/Encontrar.cpp
    dialogs/NovaPasta.cpp
    dialogs/AbrirDir.cpp
    dialogs/EscolherDiretorio.cpp
    dialogs/ServicosKT.cpp
)
# comdlg32 is not among them: the file-open dialog loads it at run time from the system directory.
target_link_libraries(kt_framework PUBLIC kt_servicos)

# The installation's operation: the copy worker and the uninstall's removal, on threads of their own.
add_library(kt_instalacao STATIC
    instalacao/Trabalho.cpp
    instalacao/CriadosNaCopia.cpp
    instalacao/ThreadCopia.cpp
    instalacao/Desinstalacao.cpp
)
target_link_libraries(kt_instalacao PUBLIC kt_servicos)

# The installer core: the installation description object, the wizard window and its launcher,
# Pontilha's product routines. A program built on it is a wizard: Pontilha.exe, the test products.
add_library(kt_assistente STATIC
    core/ArquivosIAC/ControleNV.cpp
    core/ArquivosIAC/ArquivoIAC.cpp
    core/formularios/Assistente.cpp
    core/formularios/AssistenteInicio.cpp
    core/formularios/AssistenteFluxo.cpp
    core/formularios/AssistenteDesinstalacao.cpp
    core/formularios/AssistenteCopia.cpp
    core/formularios/DiretoriosDoSistema.cpp
    core/formularios/ExecutarAssistente.cpp
    core/formularios/ProgramaDeInstalacao.cpp
    core/produto/RotinasPontilha.cpp
)
target_link_libraries(kt_assistente PUBLIC kt_framework kt_instalacao)
# Each library of the program is compiled as one unit. In one unit the compiler makes the library's
# inline code (std::wstring's above all) once and calls it where separate objects inlined it each;
# equal literals are stored once, and the unwind tables share one header per library: the PE
# linker merges neither across objects.
set_target_properties(kt_portable kt_ui kt_servicos kt_framework kt_instalacao kt_assistente
    PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
# The dialogs in two units: a window's control ids are macros, and the directory browser's and its
# new-folder window's give other values to names that the other dialogs' ids use.
set_target_properties(kt_framework PROPERTIES UNITY_BUILD_MODE GROUP)
kt_grupo_unity(dialogos dialogs/CentralSolucoes.cpp dialogs/Sobrescrever.cpp
    dialogs/TrocarDiscos.cpp dialogs/Encontrar.cpp dialogs/EscolherDiretorio.cpp dialogs/ServicosKT.cpp)
kt_grupo_unity(diretorios dialogs/AbrirDir.cpp dialogs/NovaPasta.cpp)

# Pontilha.exe is linked three times from the same objects: the program; the program without the
# site's payload, whose size a test holds under its budget; and a second link of the program made
# at another "time" (SOURCE_DATE_EPOCH), which a test compares with the first byte for byte.
add_library(kt_pontilha_programa OBJECT
    core/program/Pontilha.cpp core/program/Terminar.cpp core/program/Crc32.cpp
    base/LibraryError.cpp resources/Pontilha.rc)
target_link_libraries(kt_pontilha_programa PUBLIC kt_assistente)
function(kt_programa_pontilha alvo)
    add_executable(${alvo} WIN32 ${ARGN})
    target_link_libraries(${alvo} PRIVATE kt_pontilha_programa)
    # The linker map beside the program, for reading what made it large.
    target_link_options(${alvo} PRIVATE -municode -Wl,-Map=$<TARGET_FILE_DIR:${alvo}>/${alvo}.map)
    # The one strip of the build: the linked program keeps its symbols in <alvo>.simbolos.exe.
    # strip writes a new PE header, stamped with the time of its run unless SOURCE_DATE_EPOCH
    # fixes it: 0, as the linker leaves it.
    add_custom_command(TARGET ${alvo} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${alvo}>
                $<TARGET_FILE_DIR:${alvo}>/${alvo}.simbolos.exe
        COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0
                ${KT_STRIP} --strip-all $<TARGET_FILE:${alvo}>
        COMMENT "Stripping ${alvo}.exe (its symbols stay in ${alvo}.simbolos.exe)"
        VERBATIM)
endfunction()
find_program(KT_STRIP i686-w64-mingw32-strip REQUIRED)
kt_programa_pontilha(Pontilha)
kt_programa_pontilha(kt_pontilha_sem_payload)
kt_programa_pontilha(kt_pontilha_religado)
set_target_properties(kt_pontilha_religado PROPERTIES
    CXX_LINKER_LAUNCHER "${CMAKE_COMMAND};-E;env;SOURCE_DATE_EPOCH=86400")

# The site's payload. The host build's packer (KT_EMPACOTADOR) reads the site's file list,
# packs each file of resources/payload into a container in payload/ and writes payload.rc there,
# which embeds them. The packer names the files it reads and writes, so that this build depends
# on exactly those.
if(NOT KT_EMPACOTADOR)
    message(FATAL_ERROR "KT_EMPACOTADOR is not set: the Windows build is configured by the host build")
endif()
set(KT_PAYLOAD_FONTES ${CMAKE_SOURCE_DIR}/resources/payload)
set(KT_PAYLOAD_DIR ${CMAKE_BINARY_DIR}/payload)
function(kt_listar_payload comando diretorio variavel)
    execute_process(COMMAND ${KT_EMPACOTADOR} ${comando} ${diretorio}
        OUTPUT_VARIABLE lista OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(REPLACE "\n" ";" lista "${lista}")
    set(${variavel} ${lista} PARENT_SCOPE)
endfunction()
kt_listar_payload(entradas ${KT_PAYLOAD_FONTES} KT_PAYLOAD_ENTRADAS)
kt_listar_payload(saidas ${KT_PAYLOAD_DIR} KT_PAYLOAD_SAIDAS)

set(faltando "")
foreach(arquivo IN LISTS KT_PAYLOAD_ENTRADAS)
    if(NOT EXISTS "${arquivo}")
        string(APPEND faltando "\n  ${arquivo}")
    endif()
endforeach()
if(faltando)
    message(FATAL_ERROR "Payload files missing (core/produto/ConteudoPontilha.cpp lists the "
                        "site's files; each belongs under resources/payload):${faltando}")
endif()
# A payload file that disappears later configures this build again, which then names it.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KT_PAYLOAD_ENTRADAS} ${KT_EMPACOTADOR})

add_custom_command(OUTPUT ${KT_PAYLOAD_SAIDAS}
    COMMAND ${KT_EMPACOTADOR} payload ${KT_PAYLOAD_FONTES} ${KT_PAYLOAD_DIR}
    DEPENDS ${KT_PAYLOAD_ENTRADAS} ${KT_EMPACOTADOR}
    COMMENT "Packing the site's files into containers"
    VERBATIM)
add_custom_target(kt_payload DEPENDS ${KT_PAYLOAD_SAIDAS})
# The payload's script (the last file that the packer names) embeds its containers by file name:
# its folder is on the include path.
list(GET KT_PAYLOAD_SAIDAS -1 KT_PAYLOAD_RC)
add_library(kt_pontilha_payload OBJECT ${KT_PAYLOAD_RC})
target_include_directories(kt_pontilha_payload PRIVATE ${KT_PAYLOAD_DIR})
set_source_files_properties(${KT_PAYLOAD_RC} PROPERTIES OBJECT_DEPENDS "${KT_PAYLOAD_SAIDAS}")
target_sources(Pontilha PRIVATE $<TARGET_OBJECTS:kt_pontilha_payload>)
target_sources(kt_pontilha_religado PRIVATE $<TARGET_OBJECTS:kt_pontilha_payload>)

# The program's promises before it runs: PE32 GUI, system DLLs only, manifest, version information.
find_program(KT_OBJDUMP i686-w64-mingw32-objdump REQUIRED)
add_test(NAME Pontilha.ProgramaDeInstalacaoSeguro
    COMMAND ${CMAKE_SOURCE_DIR}/tests/win/verificar_programa.sh $<TARGET_FILE:Pontilha>
            ${KT_OBJDUMP} ${CMAKE_RC_COMPILER})

# Two links of one build give the same bytes, stripped and with their symbols: nothing of the
# moment or the machine (a time in the PE header, with the checksum over it) gets into the program.
add_test(NAME Pontilha.DuasLigacoesIguais
    COMMAND ${CMAKE_COMMAND} -E compare_files $<TARGET_FILE:Pontilha>
            $<TARGET_FILE:kt_pontilha_religado>)
add_test(NAME Pontilha.DuasLigacoesIguaisComSimbolos
    COMMAND ${CMAKE_COMMAND} -E compare_files $<TARGET_FILE_DIR:Pontilha>/Pontilha.simbolos.exe
            $<TARGET_FILE_DIR:kt_pontilha_religado>/kt_pontilha_religado.simbolos.exe)
# A release's signature (tools/assinar.sh) with a throwaway certificate: the script checks it and
# leaves the signed copy in assinado/, from which Pontilha's installation tests run again
# (Assinado.*).
set(KT_ASSINADO ${CMAKE_BINARY_DIR}/assinado)
add_test(NAME Pontilha.Assinatura
    COMMAND ${CMAKE_SOURCE_DIR}/tests/win/verificar_assinatura.sh $<TARGET_FILE:Pontilha>
            ${CMAKE_RC_COMPILER} ${KT_ASSINADO})
set_tests_properties(Pontilha.Assinatura PROPERTIES FIXTURES_SETUP kt_assinado)
# The program without the site's payload stays within its budget, in bytes: the figure it has
# reached and a few percent, so that what was cut cannot creep back unnoticed. The figure counts
# the installation itself (561,166 bytes): the copy engine, the copy routine and the extraction
# with zlib's inflate, which nothing linked before the program could install; and the uninstall
# with the self-removal (577,550 bytes); and what screen readers ask of the toolkit, with the icons
# and banners drawn for 144 and 192 dpi (592,910 bytes). The C++ library's errors raised as
# base::LibraryError took its string code out (501,774 bytes). The copying clip's frames after the
# first hold only what changed (487,950 bytes); no .isra clones of the library's inline code
# (480,782 bytes); the description control's bitmap in RLE4 (479,246 bytes). The installation's
# diary, the removal service, the one-wizard mutex and the checks of paths (504,846 bytes). Called
# handlers as base::FunctionRef and kept ones as base::InlineFunction instead of std::function, no
# per-object constructor copies, texts joined by base::Concat (469,006 bytes). Each library
# compiled as one unit (445,966 bytes); the program's own CRC-32 in place of zlib's, with its tables
# (437,774 bytes). Errors raised, control texts and captions set and buttons bound by one call
# each, the worker's end notice and the product hooks as base::InlineFunction (431,118 bytes). The
# condition's sleepers on events of their own (431,630 bytes). No run-time type information
# (422,926 bytes).
set(KT_ORCAMENTO_SEM_PAYLOAD 435000)
add_test(NAME Pontilha.TamanhoSemPayload
    COMMAND ${CMAKE_COMMAND} -DPROGRAMA=$<TARGET_FILE:kt_pontilha_sem_payload>
            -DORCAMENTO=${KT_ORCAMENTO_SEM_PAYLOAD} -P ${CMAKE_SOURCE_DIR}/tests/win/verificar_tamanho.cmake)

# The framework's windows and images. Every program built on the framework links these resource
# objects (the linker merges them); each window's script is compiled apart so that its control ids
# are its own. Their headers and images are found through the include path, which is not scanned
# for dependencies: name them.
add_library(kt_recursos OBJECT
    resources/Framework.rc
    resources/CentralSolucoes.rc
    resources/Sobrescrever.rc
    resources/TrocarDiscos.rc
    resources/Encontrar.rc
    resources/AbrirDir.rc
    resources/NovaPasta.rc
    resources/Assistente.rc
)
file(GLOB KT_RECURSOS_INCLUIDOS CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/resources/*.h
    ${CMAKE_SOURCE_DIR}/resources/imagens/*)
set_source_files_properties(resources/Framework.rc resources/CentralSolucoes.rc
    resources/Sobrescrever.rc resources/TrocarDiscos.rc resources/Encontrar.rc
    resources/AbrirDir.rc resources/NovaPasta.rc resources/Assistente.rc tests/win/TestesWin.rc
    tests/e2e/produtos/Produto.rc
    PROPERTIES OBJECT_DEPENDS "${KT_RECURSOS_INCLUIDOS}")
target_sources(kt_framework INTERFACE $<TARGET_OBJECTS:kt_recursos>)

# What the Windows and end-to-end tests share: working windows from outside, screenshots.
find_package(ZLIB REQUIRED)
add_library(kt_teste_janelas STATIC tests/win/comum/Janelas.cpp tests/win/comum/Captura.cpp
    tests/win/comum/RoboCentral.cpp tests/win/comum/RoboNavegador.cpp tests/win/comum/Arquivos.cpp
    tests/win/comum/LerAtalho.cpp tests/win/comum/Robo.cpp tests/win/comum/Leitura.cpp
    tests/unit/PastaTemporaria.cpp)
# The tests read the windows as screen readers do, through oleacc.
target_link_libraries(kt_teste_janelas PUBLIC kt_portable ZLIB::ZLIB gdi32 user32 ole32 oleaut32
    oleacc uuid)
# The system's, GoogleTest's and the library's headers that the tests read, precompiled once here
# and reused by the Windows and end-to-end tests (so this library reads GoogleTest with the settings
# they have; -Winvalid-pch says when a target cannot use it). Only for the tests' code: a header
# read ahead reorders the sections of an object, and the program's bytes must stay what they are.
target_link_libraries(kt_teste_janelas PRIVATE GTest::gtest)
target_precompile_headers(kt_teste_janelas PRIVATE <windows.h> <commctrl.h> <shlobj.h>
    <gtest/gtest.h> <string> <string_view> <vector> <algorithm> <functional> <thread> <atomic>
    <chrono>)
target_compile_options(kt_teste_janelas PRIVATE -Winvalid-pch)

add_executable(kt_win_tests
    tests/win/Principal.cpp
    tests/win/comum/RelatoriosGravados.cpp
    tests/win/RelatoriosDosServicosTest.cpp
    tests/win/TestesWin.rc
    tests/win/CamposWinTest.cpp
    tests/win/CapturaTest.cpp
    tests/win/recursos/ImagensTest.cpp
    tests/win/recursos/ClipeTest.cpp
    tests/unit/ArquivosTest.cpp
    tests/win/recursos/ModelosTest.cpp
    tests/win/ui/DialogTemplateTest.cpp
    tests/win/ui/FormTest.cpp
    tests/win/ui/ThreadTest.cpp
    tests/win/ui/SystemLibrariesTest.cpp
    tests/win/fileops/VerificacoesWin32Test.cpp
    tests/win/fileops/TamanhoArquivoTest.cpp
    tests/win/fileops/CopiarArquivoTest.cpp
    tests/win/fileops/AjudaTest.cpp
    tests/win/fileops/AtalhoTest.cpp
    tests/win/fileops/VersaoArquivoTest.cpp
    tests/win/fileops/ProcessosTest.cpp
    tests/win/fileops/AbrirAjudaTest.cpp
    tests/win/fileops/AutoRemocaoTest.cpp
    tests/win/fileops/PastasDoShellTest.cpp
    tests/win/dialogs/CentralSolucoesTest.cpp
    tests/win/dialogs/SobrescreverTest.cpp
    tests/win/dialogs/TrocarDiscosTest.cpp
    tests/win/dialogs/EncontrarTest.cpp
    tests/win/dialogs/EscolherDiretorioTest.cpp
    tests/win/ui/ControlsTest.cpp
    tests/win/ui/LibraryErrorTest.cpp
    base/LibraryError.cpp
    # The program's CRC-32: the images' and the clip's tests check their stored sums with it.
    core/program/Crc32.cpp
    tests/win/assistente/AssistenteEmTeste.cpp
    tests/win/assistente/ArquivoIACTest.cpp
    tests/win/assistente/AssistenteTest.cpp
    tests/win/program/RotinasPontilhaTest.cpp
    tests/win/instalacao/TrabalhoTest.cpp
    tests/win/acesso/CadaJanela.cpp
    tests/win/acesso/Medidas.cpp
    tests/win/acesso/LeituraTest.cpp
    tests/win/acesso/EscalaTest.cpp
)
target_link_libraries(kt_win_tests PRIVATE kt_assistente kt_teste_janelas GTest::gtest)
target_precompile_headers(kt_win_tests REUSE_FROM kt_teste_janelas)
target_compile_options(kt_win_tests PRIVATE -Winvalid-pch)
# Unity groups (CMakeLists.txt). The dialogs' tests are spread over them: each reads its window's
# control ids and names its own kTitulo and TResultado. The directory browser's test compiles alone.
set_target_properties(kt_win_tests PROPERTIES UNITY_BUILD ON UNITY_BUILD_MODE GROUP)
kt_grupo_unity(win_comum tests/win/Principal.cpp tests/win/comum/RelatoriosGravados.cpp
    tests/win/RelatoriosDosServicosTest.cpp tests/win/CamposWinTest.cpp
    tests/win/recursos/ImagensTest.cpp tests/win/recursos/ClipeTest.cpp
    tests/win/recursos/ModelosTest.cpp)
kt_grupo_unity(win_ui tests/win/CapturaTest.cpp tests/unit/ArquivosTest.cpp
    tests/win/ui/DialogTemplateTest.cpp tests/win/ui/FormTest.cpp tests/win/ui/ThreadTest.cpp
    tests/win/ui/SystemLibrariesTest.cpp tests/win/ui/ControlsTest.cpp
    tests/win/ui/LibraryErrorTest.cpp base/LibraryError.cpp)
kt_grupo_unity(win_fileops tests/win/fileops/VerificacoesWin32Test.cpp
    tests/win/fileops/TamanhoArquivoTest.cpp tests/win/fileops/CopiarArquivoTest.cpp
    tests/win/fileops/AjudaTest.cpp tests/win/fileops/AtalhoTest.cpp
    tests/win/fileops/VersaoArquivoTest.cpp tests/win/fileops/ProcessosTest.cpp
    tests/win/fileops/AbrirAjudaTest.cpp tests/win/fileops/AutoRemocaoTest.cpp
    tests/win/fileops/PastasDoShellTest.cpp)
kt_grupo_unity(win_dialogos tests/win/dialogs/CentralSolucoesTest.cpp
    tests/win/dialogs/SobrescreverTest.cpp)
kt_grupo_unity(win_assistente tests/win/assistente/AssistenteEmTeste.cpp
    tests/win/assistente/ArquivoIACTest.cpp tests/win/assistente/AssistenteTest.cpp
    tests/win/program/RotinasPontilhaTest.cpp)
kt_grupo_unity(win_acesso tests/win/acesso/CadaJanela.cpp tests/win/acesso/Medidas.cpp
    tests/win/acesso/LeituraTest.cpp tests/win/acesso/EscalaTest.cpp
    tests/win/dialogs/TrocarDiscosTest.cpp)
kt_grupo_unity(win_payload tests/win/payload/FluxoArquivoTest.cpp
    tests/win/payload/VerificarArquivoZLibTest.cpp tests/win/payload/DescompactarTest.cpp
    tests/win/payload/ExtrairRecursoTest.cpp tests/win/dialogs/EncontrarTest.cpp)
# The clip's test decodes its frames with the system's video decoder, as the animation control does.
target_link_libraries(kt_win_tests PRIVATE vfw32)

# Small programs that the Windows tests start: one that sleeps, one that leaves a marker file, one
# that removes itself; and a library without version information.
add_executable(kt_prog_dormir WIN32 tests/win/programas/Dormir.cpp)
add_executable(kt_prog_marcador WIN32 tests/win/programas/Marcador.cpp)
add_executable(kt_prog_autoremocao WIN32 tests/win/programas/AutoRemocao.cpp)
target_link_libraries(kt_prog_autoremocao PRIVATE kt_servicos)
foreach(programa kt_prog_dormir kt_prog_marcador kt_prog_autoremocao)
    target_link_options(${programa} PRIVATE -municode)
endforeach()
add_library(kt_sem_versao SHARED tests/win/programas/SemVersao.cpp)
set_target_properties(kt_sem_versao PROPERTIES PREFIX "")
add_dependencies(kt_win_tests kt_prog_dormir kt_prog_marcador kt_prog_autoremocao kt_sem_versao)
# The container services' tests: containers made by the tests with zlib and small ones that the
# test program embeds, and Pontilha.exe's payload, read from the program beside the tests and
# compared with the site's files in the source tree.
target_sources(kt_win_tests PRIVATE
    tests/win/payload/FluxoArquivoTest.cpp
    tests/win/payload/VerificarArquivoZLibTest.cpp
    tests/win/payload/DescompactarTest.cpp
    tests/win/payload/ExtrairRecursoTest.cpp
)
target_link_libraries(kt_win_tests PRIVATE ZLIB::ZLIB)
target_compile_definitions(kt_win_tests PRIVATE KT_FONTES_PAYLOAD="Z:${KT_PAYLOAD_FONTES}")
set_property(SOURCE tests/win/TestesWin.rc APPEND PROPERTY
    OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/payload/ConteineresDeTeste.rc)
add_dependencies(kt_win_tests Pontilha)

gtest_discover_tests(kt_win_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    TEST_FILTER "-RotinasPontilha.*:*Teclado.*:*DiscoCheio.*:Escala.*"
    PROPERTIES TIMEOUT 120 ENVIRONMENT "KT_CAPTURAS=Z:${KT_SCREENSHOTS}")
# Tests that follow the keyboard focus run alone: the focus leaves a window whenever a window of
# another test becomes active.
gtest_discover_tests(kt_win_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    TEST_FILTER "*Teclado.*"
    PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE ENVIRONMENT "KT_CAPTURAS=Z:${KT_SCREENSHOTS}")

# The program's windows at the screen's dots per inch: 96 here, in the tests' prefix; 144 and 192
# in a prefix of their own, made once by the build as a copy of the tests' prefix (a few seconds,
# where making it as the first was made takes a quarter of a minute), whose LogPixels each run sets
# before it starts the tests (the other tests' prefix keeps 96). Alone on the screen, for the
# screenshots.
gtest_discover_tests(kt_win_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    TEST_FILTER "Escala.*"
    PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE ENVIRONMENT "KT_CAPTURAS=Z:${KT_SCREENSHOTS}")
set(KT_WINEPREFIX_DPI ${KT_WINEPREFIX}-dpi)
# The copy waits for the prefix's Wine server to end: it writes the registry's files as it ends.
add_custom_command(OUTPUT ${KT_WINEPREFIX_DPI}/.pronto
    COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${KT_WINEPREFIX} wineserver -w
    COMMAND rm -rf ${KT_WINEPREFIX_DPI}
    COMMAND cp -a ${KT_WINEPREFIX} ${KT_WINEPREFIX_DPI}
    COMMENT "Making the Wine prefix of the high-DPI tests"
    VERBATIM)
add_custom_target(kt_prefixo_wine_dpi ALL DEPENDS ${KT_WINEPREFIX_DPI}/.pronto)
add_dependencies(kt_prefixo_wine_dpi kt_prefixo_wine)
foreach(dpi 144 192)
    add_test(NAME Escala.${dpi}dpi
        COMMAND ${CMAKE_SOURCE_DIR}/tests/win/com_dpi.sh ${dpi} ${KT_WINEPREFIX_DPI}
                ${CMAKE_BINARY_DIR}/wine-run $<TARGET_FILE:kt_win_tests> --gtest_filter=Escala.*)
    set_tests_properties(Escala.${dpi}dpi PROPERTIES TIMEOUT 240 RUN_SERIAL TRUE
        ENVIRONMENT "KT_CAPTURAS=Z:${KT_SCREENSHOTS}")
endforeach()

# Real full disks: tmpfs mounts given drive letters of the prefix for the tests that need one,
# mounted before them and unmounted after (they skip, saying why, where mounting is not allowed):
# K:, 1 MiB, for the copy routine; L:, 8 MiB, which the installation's test fills itself up to what
# it needs.
function(kt_disco_cheio nome letra tamanho)
    set(pasta ${CMAKE_BINARY_DIR}/${nome})
    add_test(NAME kt_${nome}_montar COMMAND ${CMAKE_SOURCE_DIR}/tests/win/disco_cheio.sh montar
        ${KT_WINEPREFIX} ${pasta} ${letra} ${tamanho})
    add_test(NAME kt_${nome}_desmontar COMMAND ${CMAKE_SOURCE_DIR}/tests/win/disco_cheio.sh
        desmontar ${KT_WINEPREFIX} ${pasta} ${letra})
    set_tests_properties(kt_${nome}_montar PROPERTIES FIXTURES_SETUP kt_${nome})
    set_tests_properties(kt_${nome}_desmontar PROPERTIES FIXTURES_CLEANUP kt_${nome})
endfunction()
kt_disco_cheio(disco_cheio k: 1m)
kt_disco_cheio(disco_cheio_instalacao l: 8m)
set(KT_DISCO_CHEIO ${CMAKE_BINARY_DIR}/disco_cheio)
gtest_discover_tests(kt_win_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    TEST_FILTER "*DiscoCheio.*"
    PROPERTIES TIMEOUT 120 FIXTURES_REQUIRED kt_disco_cheio
        ENVIRONMENT "KT_DISCO_CHEIO=K:"
        ENVIRONMENT_MODIFICATION "KT_DISCO_CHEIO_MOTIVO=set:Z:${KT_DISCO_CHEIO}.motivo")

# The tests' Wine prefix is made by the build (about a quarter of a minute, once), not by the
# first test that happens to run.
add_custom_command(OUTPUT ${KT_WINEPREFIX}/.pronto
    COMMAND ${CMAKE_BINARY_DIR}/wine-run cmd /c exit
    COMMENT "Making the Wine prefix of the tests")
add_custom_target(kt_prefixo_wine ALL DEPENDS ${KT_WINEPREFIX}/.pronto)

# Tests that take turns on a lock (RESOURCE_LOCK) run one after another. ctest starts the costlier
# tests first; on a fresh build it has no times of its own yet, and these, listed last, would run
# as a chain alone at the end: a cost puts them first, their chain beside the other tests.
set(KT_CUSTO_DA_FILA COST 10)

# The product routines work on the one Uninstall key and the one pair of shortcut files.
gtest_discover_tests(kt_win_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    TEST_FILTER "RotinasPontilha.*"
    PROPERTIES TIMEOUT 120 RESOURCE_LOCK "registro_e_atalhos_pontilha" ${KT_CUSTO_DA_FILA})

# Test products: small wizards with a built-in description of their own, for the end-to-end tests.
add_library(kt_produto_de_teste STATIC tests/e2e/produtos/ProdutoDeTeste.cpp)
target_link_libraries(kt_produto_de_teste PUBLIC kt_assistente)
set(KT_PRODUTOS_DE_TESTE Licenca Componentes Falha Lento Discos Grande Fim Desinstalacao)
set(KT_ALVOS_DOS_PRODUTOS "")
foreach(produto IN LISTS KT_PRODUTOS_DE_TESTE)
    string(TOLOWER ${produto} nome)
    add_executable(kt_produto_${nome} WIN32
        tests/e2e/produtos/Produto${produto}.cpp
        tests/e2e/produtos/Produto.rc
    )
    target_link_libraries(kt_produto_${nome} PRIVATE kt_produto_de_teste)
    target_link_options(kt_produto_${nome} PRIVATE -municode)
    list(APPEND KT_ALVOS_DOS_PRODUTOS kt_produto_${nome})
endforeach()

# The end-to-end driver: runs Pontilha.exe and the test products from fresh folders of the
# prefix (C:\e2e\<test>\) and works their windows from outside. The programs are found in this
# build's folder (KT_PROGRAMAS). The tour (Passeio.*), the keyboard tests (Teclado.*) and the
# directory browser's (Procurar.*) run alone: the screenshots must show only the wizard, and the
# keyboard focus and an open pop-up menu leave a window whenever a window of another test becomes
# active.
add_executable(kt_e2e_tests
    tests/e2e/ProgramaEmTeste.cpp
    tests/e2e/Registro.cpp
    tests/e2e/RastrosPontilha.cpp
    tests/e2e/OperacoesTest.cpp
    tests/e2e/OpcoesTest.cpp
    tests/e2e/LicencaTest.cpp
    tests/e2e/InicioTest.cpp
    tests/e2e/TecladoTest.cpp
    tests/e2e/LeituraTest.cpp
    tests/e2e/ProcurarTest.cpp
    tests/e2e/PasseioTest.cpp
    tests/e2e/CarregamentoSeguroTest.cpp
    tests/e2e/InstalacaoTest.cpp
    tests/e2e/DiscosTest.cpp
    tests/e2e/GrandeTest.cpp
    tests/e2e/FimTest.cpp
    tests/e2e/Instalacao.cpp
    tests/e2e/DesinstalacaoTest.cpp
    tests/e2e/ManutencaoTest.cpp
)
target_link_libraries(kt_e2e_tests PRIVATE kt_teste_janelas GTest::gtest_main advapi32 shell32)
target_precompile_headers(kt_e2e_tests REUSE_FROM kt_teste_janelas)
target_compile_options(kt_e2e_tests PRIVATE -Winvalid-pch)
# Unity groups (CMakeLists.txt): the pages, the journeys through the wizard, the copy. The disks'
# test, which reads three dialogs' control ids, compiles alone.
set_target_properties(kt_e2e_tests PROPERTIES UNITY_BUILD ON UNITY_BUILD_MODE GROUP)
kt_grupo_unity(e2e_paginas tests/e2e/ProgramaEmTeste.cpp tests/e2e/Registro.cpp
    tests/e2e/RastrosPontilha.cpp tests/e2e/OperacoesTest.cpp tests/e2e/OpcoesTest.cpp
    tests/e2e/LicencaTest.cpp tests/e2e/InicioTest.cpp)
kt_grupo_unity(e2e_percursos tests/e2e/TecladoTest.cpp tests/e2e/LeituraTest.cpp
    tests/e2e/ProcurarTest.cpp tests/e2e/PasseioTest.cpp tests/e2e/CarregamentoSeguroTest.cpp
    tests/e2e/DesinstalacaoTest.cpp tests/e2e/ManutencaoTest.cpp)
kt_grupo_unity(e2e_copia tests/e2e/InstalacaoTest.cpp tests/e2e/GrandeTest.cpp tests/e2e/FimTest.cpp
    tests/e2e/Instalacao.cpp)
target_compile_definitions(kt_e2e_tests PRIVATE KT_FONTES_PAYLOAD="Z:${KT_PAYLOAD_FONTES}")
# A DLL to plant beside a program, and a program without the defence against it.
add_library(kt_dll_plantada SHARED tests/e2e/plantada/DllPlantada.cpp)
set_target_properties(kt_dll_plantada PROPERTIES PREFIX "")
target_include_directories(kt_dll_plantada PRIVATE ${CMAKE_SOURCE_DIR})
add_executable(kt_prog_sem_defesa tests/e2e/plantada/SemDefesa.cpp)
target_link_options(kt_prog_sem_defesa PRIVATE -municode)
add_dependencies(kt_e2e_tests Pontilha ${KT_ALVOS_DOS_PRODUTOS} kt_dll_plantada kt_prog_sem_defesa
    kt_prog_marcador)
set(KT_AMBIENTE_E2E
    ENVIRONMENT "KT_CAPTURAS=Z:${KT_SCREENSHOTS}"
    ENVIRONMENT_MODIFICATION "KT_PROGRAMAS=set:Z:${CMAKE_BINARY_DIR}")
gtest_discover_tests(kt_e2e_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    TEST_FILTER "-Passeio.*:Teclado.*:SoTeclado.*:Procurar.*:CarregamentoSeguro.*:*InstalacaoPontilha*:Desinstalacao.*:Opcoes.*:Operacoes.*:Leitura.*:*Grande*"
    PROPERTIES TIMEOUT 120 ${KT_AMBIENTE_E2E})
# The large product's installations write and check its one Uninstall key and folder; the
# parameterised ones carry their instantiation's prefix (Momentos/GrandeParada).
gtest_discover_tests(kt_e2e_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    TEST_FILTER "*Grande*"
    PROPERTIES TIMEOUT 120 RESOURCE_LOCK "chave_do_produto_grande" ${KT_AMBIENTE_E2E}
        ${KT_CUSTO_DA_FILA})
# Pontilha runs one wizard at a time on a machine (a second start refuses), and its installation
# and uninstall work on the one Uninstall key and the one pair of shortcut files: the tests that
# start it take turns.
gtest_discover_tests(kt_e2e_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    TEST_FILTER "Desinstalacao.*:Opcoes.*:Operacoes.*:Leitura.*"
    PROPERTIES TIMEOUT 120 RESOURCE_LOCK "registro_e_atalhos_pontilha" ${KT_AMBIENTE_E2E}
        ${KT_CUSTO_DA_FILA})
# Pontilha installed for real: one at a time with the product routines' tests, which work on the
# same Uninstall entry and shortcuts. The installation onto a full disk gets two variables only
# (the discovery passes one value per property): it takes no screenshots, and when it skips, the
# reason is in its disk's .motivo file.
gtest_discover_tests(kt_e2e_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    TEST_FILTER "*InstalacaoPontilha*-*DiscoCheio*"
    PROPERTIES TIMEOUT 300 RESOURCE_LOCK "registro_e_atalhos_pontilha" ${KT_AMBIENTE_E2E}
        ${KT_CUSTO_DA_FILA})
gtest_discover_tests(kt_e2e_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    TEST_FILTER "*InstalacaoPontilhaDiscoCheio*"
    PROPERTIES TIMEOUT 300 RESOURCE_LOCK "registro_e_atalhos_pontilha" ${KT_CUSTO_DA_FILA}
        FIXTURES_REQUIRED kt_disco_cheio_instalacao
        ENVIRONMENT "KT_DISCO_CHEIO=L:"
        ENVIRONMENT_MODIFICATION "KT_PROGRAMAS=set:Z:${CMAKE_BINARY_DIR}")
# The same installation from the signed copy, once the signature's test has made it.
gtest_discover_tests(kt_e2e_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    TEST_FILTER "Pastas/InstalacaoPontilha.*" TEST_PREFIX "Assinado."
    PROPERTIES TIMEOUT 300 RESOURCE_LOCK "registro_e_atalhos_pontilha" ${KT_CUSTO_DA_FILA}
        FIXTURES_REQUIRED kt_assinado
        ENVIRONMENT "KT_CAPTURAS=Z:${KT_SCREENSHOTS}"
        ENVIRONMENT_MODIFICATION "KT_PROGRAMAS=set:Z:${KT_ASSINADO}")
# The planting test (see its source) plants beside Pontilha.exe exactly the DLLs that it runs with
# native-first loading: those that the program preloads (ui/SystemLibraries.h) and the usual
# targets of DLL planting. Two usual targets are left out: Wine loads them before the program's
# first instruction, where no program can prevent it (an NSIS installer run the same way loads
# them as well).
#   version: Wine's own user32 imports it.
#   uxtheme: Wine's comctl32 loads it while it initialises.
set(KT_DLLS_PRECARREGADAS msimg32 riched20 msvfw32 msrle32)
set(KT_DLLS_ALVOS_USUAIS dwmapi cryptbase userenv profapi propsys oleacc usp10 riched20 msftedit
    msimg32 winmm msacm32 msvfw32 comdlg32 wintrust)
set(KT_DLLS_PLANTADAS ${KT_DLLS_PRECARREGADAS} ${KT_DLLS_ALVOS_USUAIS})
list(REMOVE_DUPLICATES KT_DLLS_PLANTADAS)
list(JOIN KT_DLLS_PLANTADAS "," KT_DLLS_PLANTADAS)
gtest_discover_tests(kt_e2e_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    TEST_FILTER "CarregamentoSeguro.*"
    PROPERTIES TIMEOUT 120 RESOURCE_LOCK "registro_e_atalhos_pontilha" ${KT_CUSTO_DA_FILA}
        ENVIRONMENT "KT_WINEDLLOVERRIDES=${KT_DLLS_PLANTADAS}=n,b"
        ENVIRONMENT_MODIFICATION "KT_PROGRAMAS=set:Z:${CMAKE_BINARY_DIR}")
gtest_discover_tests(kt_e2e_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    TEST_FILTER "Teclado.*:SoTeclado.*:Procurar.*"
    PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE ${KT_AMBIENTE_E2E})
# The tour takes a screenshot of every scene and checks nothing of its own (what each scene shows
# is the other tests' work): tools/run.sh walks it, the test command leaves it out by its label.
gtest_discover_tests(kt_e2e_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    TEST_FILTER "Passeio.*"
    PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE LABELS passeio ${KT_AMBIENTE_E2E})

# The benchmarks' programs are built by the scripts that run them (tools/bench_*.sh name their
# targets), not by the build: the test command does not wait for them. Their common library too:
# on this side nothing else uses it.
set_target_properties(kt_bench_comum PROPERTIES EXCLUDE_FROM_ALL ON)

# The extraction benchmark (tools/bench_extracao.sh): DescompactarArquivo against zlib's inflate
# driven directly, over the same 64 MiB container. It prints figures and asserts nothing.
add_executable(kt_bench_extracao EXCLUDE_FROM_ALL tools/bench/BenchExtracao.cpp)
target_link_libraries(kt_bench_extracao PRIVATE kt_framework kt_bench_comum ZLIB::ZLIB)
# Every allocation passes the bench's own counters first (its peak of heap bytes).
target_link_options(kt_bench_extracao PRIVATE -municode -Wl,--wrap=malloc -Wl,--wrap=calloc
    -Wl,--wrap=realloc -Wl,--wrap=free)

# The comparison with NSIS (tools/bench_nsis.sh): a driver that starts our installer and NSIS's
# in the same Wine virtual desktop and works their windows from outside. It prints figures and
# asserts nothing.
add_executable(kt_bench_nsis EXCLUDE_FROM_ALL tools/bench/BenchNsis.cpp
    tools/bench/ProgramasMedidos.cpp)
target_link_libraries(kt_bench_nsis PRIVATE kt_bench_comum kt_teste_janelas)
target_link_options(kt_bench_nsis PRIVATE -municode)
# Our side of its scaling runs: the wizard installing a generated product from its containers.
add_executable(kt_produto_escala EXCLUDE_FROM_ALL WIN32 tools/bench/ProdutoEscala.cpp
    tests/e2e/produtos/Produto.rc)
target_link_libraries(kt_produto_escala PRIVATE kt_produto_de_teste kt_teste_janelas)
target_link_options(kt_produto_escala PRIVATE -municode)

# The copy benchmark (tools/bench_copia.sh): CopiarArquivo against the system's CopyFile over the
# same 64 MiB file. It prints figures and asserts nothing.
add_executable(kt_bench_copia EXCLUDE_FROM_ALL tools/bench/BenchCopia.cpp)
target_link_libraries(kt_bench_copia PRIVATE kt_framework)
target_link_options(kt_bench_copia PRIVATE -municode)
