include(GoogleTest)
include(ExternalProject)

set(KT_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian's googletest)")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${KT_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest is not what the sanitizers watch: built without them and without optimisation, its one
# large file compiles in a fifth of the time (the tests' own code keeps them).
foreach(gt gtest gtest_main)
    get_target_property(opcoes ${gt} COMPILE_OPTIONS)
    list(FILTER opcoes EXCLUDE REGEX "sanitize")
    set_target_properties(${gt} PROPERTIES COMPILE_OPTIONS "${opcoes};-O0")
endforeach()

# The container packer: the Windows build runs it to make the payload (cmake/Windows.cmake).
add_library(kt_empacotamento STATIC
    tools/empacotador/Empacotador.cpp
    tools/empacotador/Payload.cpp
)
# On this side the libraries are unity builds (a few units each, in batches); the Windows build
# compiles the portable files one by one, which keeps each file's own includes complete.
set_target_properties(kt_portable kt_empacotamento kt_bench_comum PROPERTIES UNITY_BUILD ON)
target_link_libraries(kt_empacotamento PUBLIC kt_portable ZLIB::ZLIB)
add_executable(kt_empacotador tools/empacotador/main.cpp)
target_link_libraries(kt_empacotador PRIVATE kt_empacotamento)

# What the comparison with NSIS (tools/bench_nsis.sh) prepares on this side: NSIS's scripts and the
# generated products of the scaling runs.
add_library(kt_bench_preparo STATIC tools/bench/RoteiroNsis.cpp tools/bench/ProdutoGerado.cpp)
target_link_libraries(kt_bench_preparo PUBLIC kt_empacotamento kt_bench_comum)
set_target_properties(kt_bench_preparo PROPERTIES UNITY_BUILD ON)
# Its driver is built by tools/bench_nsis.sh, not by the build; the library stays: the unit tests
# test it.
add_executable(kt_preparar_bench EXCLUDE_FROM_ALL tools/bench/PrepararBench.cpp)
target_link_libraries(kt_preparar_bench PRIVATE kt_bench_preparo)

add_executable(kt_unit_tests
    tests/unit/Esperados.cpp
    tests/unit/PastaTemporaria.cpp
    tests/unit/CamposTest.cpp
    tests/unit/CaminhosTest.cpp
    tests/unit/ArquivosTest.cpp
    tests/unit/DecimalTest.cpp
    tests/unit/DescricaoTest.cpp
    tests/unit/ConteudoPontilhaTest.cpp
    tests/unit/TextosFrameworkTest.cpp
    tests/unit/TextosAssistenteTest.cpp
    tests/unit/TextosDialogosTest.cpp
    tests/unit/NomeDePastaTest.cpp
    tests/unit/ErrosArquivoTest.cpp
    tests/unit/VersaoTest.cpp
    tests/unit/LinhasAutoRemocaoTest.cpp
    tests/unit/CabecalhoZLibTest.cpp
    tests/unit/FluxoMemoriaTest.cpp
    tests/unit/CopiarFluxoTest.cpp
    tests/unit/FluxoDescompressaoTest.cpp
    tests/unit/EmpacotadorTest.cpp
    tests/unit/MarcaDeDiscoTest.cpp
    tests/unit/TextosCopiaTest.cpp
    tests/unit/bench/EstatisticaTest.cpp
    tests/unit/bench/PicoDoHeapTest.cpp
    tests/unit/bench/JanelasDePassagemTest.cpp
    tests/unit/bench/RoteiroNsisTest.cpp
    tests/unit/bench/ProdutoGeradoTest.cpp
)
target_link_libraries(kt_unit_tests PRIVATE kt_portable kt_empacotamento kt_bench_preparo
    GTest::gtest_main)
# The saved expected outputs that the tests compare with.
target_compile_definitions(kt_unit_tests PRIVATE
    KT_ESPERADOS="${CMAKE_SOURCE_DIR}/tests/unit/esperados")
# The headers that nearly every test reads, parsed once.
target_precompile_headers(kt_unit_tests PRIVATE <gtest/gtest.h> <string> <vector> <utility>
    <algorithm> <set> <filesystem> <fstream> <sstream>)
# Unity groups (CMakeLists.txt).
set_target_properties(kt_unit_tests PROPERTIES UNITY_BUILD ON UNITY_BUILD_MODE GROUP)
kt_grupo_unity(unit_campos tests/unit/Esperados.cpp tests/unit/PastaTemporaria.cpp
    tests/unit/CamposTest.cpp tests/unit/CaminhosTest.cpp tests/unit/ArquivosTest.cpp
    tests/unit/DecimalTest.cpp tests/unit/NomeDePastaTest.cpp tests/unit/ErrosArquivoTest.cpp
    tests/unit/VersaoTest.cpp tests/unit/LinhasAutoRemocaoTest.cpp tests/unit/TextosCopiaTest.cpp)
kt_grupo_unity(unit_textos tests/unit/DescricaoTest.cpp tests/unit/ConteudoPontilhaTest.cpp
    tests/unit/TextosFrameworkTest.cpp tests/unit/TextosAssistenteTest.cpp
    tests/unit/TextosDialogosTest.cpp)
kt_grupo_unity(unit_conteiner tests/unit/CabecalhoZLibTest.cpp tests/unit/FluxoMemoriaTest.cpp
    tests/unit/CopiarFluxoTest.cpp tests/unit/FluxoDescompressaoTest.cpp
    tests/unit/EmpacotadorTest.cpp tests/unit/MarcaDeDiscoTest.cpp)
kt_grupo_unity(unit_bench tests/unit/bench/EstatisticaTest.cpp tests/unit/bench/PicoDoHeapTest.cpp
    tests/unit/bench/JanelasDePassagemTest.cpp tests/unit/bench/RoteiroNsisTest.cpp
    tests/unit/bench/ProdutoGeradoTest.cpp)
gtest_discover_tests(kt_unit_tests DISCOVERY_MODE PRE_TEST PROPERTIES TIMEOUT 120)

# Fuzzers (libFuzzer, so only with clang): the portable core built once more with the fuzzer's
# coverage instrumentation. CTest runs each for a bounded number of inputs from the committed
# seeds; tools/fuzz.sh runs them for as long as it is told.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_library(kt_portable_fuzz STATIC ${KT_PORTABLE_SOURCES})
    target_include_directories(kt_portable_fuzz PUBLIC ${CMAKE_SOURCE_DIR})
    target_compile_options(kt_portable_fuzz PUBLIC -fsanitize=fuzzer-no-link,address,undefined)
    target_link_libraries(kt_portable_fuzz PUBLIC ZLIB::ZLIB)
    set_target_properties(kt_portable_fuzz PROPERTIES UNITY_BUILD ON)

    # runs: inputs tried in a CTest run, a few seconds' worth (the container fuzzer packs large
    # streams and manages about a thousand a second).
    function(kt_fuzzer alvo runs)
        string(TOLOWER ${alvo} nome)
        add_executable(kt_fuzz_${nome} tests/fuzz/Fuzz${alvo}.cpp)
        target_link_libraries(kt_fuzz_${nome} PRIVATE kt_portable_fuzz)
        target_link_options(kt_fuzz_${nome} PRIVATE -fsanitize=fuzzer,address,undefined)
        # New inputs go to the first directory, in the build tree; the seeds stay as committed.
        set(corpus ${CMAKE_BINARY_DIR}/fuzz/${nome})
        file(MAKE_DIRECTORY ${corpus})
        add_test(NAME fuzz_${nome}
            COMMAND kt_fuzz_${nome} -runs=${runs} -max_len=8192 -max_total_time=120
                    -artifact_prefix=${CMAKE_BINARY_DIR}/fuzz/ ${corpus}
                    ${CMAKE_SOURCE_DIR}/tests/fuzz/sementes/${nome})
    endfunction()
    kt_fuzzer(Conteiner 5000)
    kt_fuzzer(Campos 50000)
endif()

# The Windows build, cross-compiled with mingw-w64 and tested under Wine in a prefix of its own.
set(KT_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
ExternalProject_Add(windows
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/win
    CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-i686.cmake
        -DKT_EMPACOTADOR=$<TARGET_FILE:kt_empacotador>
        -DCMAKE_BUILD_TYPE=Release
        -DKT_WINEPREFIX=${KT_WINEPREFIX}
        -DKT_SCREENSHOTS=${CMAKE_BINARY_DIR}/screenshots
    DEPENDS kt_empacotador
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON
)

# One ctest run covers both builds: the Windows build's tests are a subdirectory of this one's.
file(WRITE ${CMAKE_BINARY_DIR}/windows-tests.cmake "subdirs(\"${CMAKE_BINARY_DIR}/win\")\n")
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_BINARY_DIR}/windows-tests.cmake)

# Includes run down the layers only; the second test shows that the check names one that runs up.
add_test(NAME camadas COMMAND ${CMAKE_SOURCE_DIR}/tools/verificar_camadas.sh ${CMAKE_SOURCE_DIR})
add_test(NAME camadas_acusa_subida COMMAND ${CMAKE_SOURCE_DIR}/tools/verificar_camadas.sh
                                           ${CMAKE_SOURCE_DIR}/tests/camadas/subida)
set_tests_properties(camadas_acusa_subida PROPERTIES PASS_REGULAR_EXPRESSION
    "fileops/Sobe.h:4: fileops/ includes the higher layer dialogs/")

# The Pontilha course in resources/payload/: its files, links and Braille; its binaries; every
# page run in a headless browser (skipped when Chromium is missing). Python 3 standard library.
set(KT_PYTHON3 /usr/bin/python3 CACHE FILEPATH "Python 3 for the course's tests")
add_test(NAME curso_site COMMAND ${KT_PYTHON3} ${CMAKE_SOURCE_DIR}/tests/curso/test_site.py)
add_test(NAME curso_binarios COMMAND ${KT_PYTHON3} ${CMAKE_SOURCE_DIR}/tests/curso/test_binarios.py)
add_test(NAME curso_navegador COMMAND ${KT_PYTHON3} ${CMAKE_SOURCE_DIR}/tests/curso/test_navegador.py)
set_tests_properties(curso_navegador PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120)
set_tests_properties(curso_site curso_binarios PROPERTIES TIMEOUT 60)
