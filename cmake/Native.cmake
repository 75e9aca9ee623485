include(GoogleTest)
include(ExternalProject)

set(KT_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian's googletest)")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${KT_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_executable(kt_unit_tests
    tests/unit/Esperados.cpp
    tests/unit/CamposTest.cpp
    tests/unit/DescricaoTest.cpp
    tests/unit/ConteudoPontilhaTest.cpp
    tests/unit/TextosFrameworkTest.cpp
    tests/unit/ErrosArquivoTest.cpp
    tests/unit/VersaoTest.cpp
    tests/unit/LinhasAutoRemocaoTest.cpp
)
target_link_libraries(kt_unit_tests PRIVATE kt_portable GTest::gtest_main)
# The saved expected outputs that the tests compare with.
target_compile_definitions(kt_unit_tests PRIVATE
    KT_ESPERADOS="${CMAKE_SOURCE_DIR}/tests/unit/esperados")
gtest_discover_tests(kt_unit_tests DISCOVERY_MODE PRE_TEST PROPERTIES TIMEOUT 120)

# The Windows build, cross-compiled with mingw-w64 and tested under Wine in a prefix of its own.
set(KT_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
ExternalProject_Add(windows
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/win
    CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-i686.cmake
        -DCMAKE_BUILD_TYPE=Release
        -DKT_WINEPREFIX=${KT_WINEPREFIX}
        -DKT_SCREENSHOTS=${CMAKE_BINARY_DIR}/screenshots
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON
)

# One ctest run covers both builds: the Windows build's tests are a subdirectory of this one's.
file(WRITE ${CMAKE_BINARY_DIR}/windows-tests.cmake "subdirs(\"${CMAKE_BINARY_DIR}/win\")\n")
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_BINARY_DIR}/windows-tests.cmake)

# The Pontilha course in resources/payload/: its files, links and Braille; its binaries; every
# page run in a headless browser (skipped when Chromium is missing). Python 3 standard library.
set(KT_PYTHON3 /usr/bin/python3 CACHE FILEPATH "Python 3 for the course's tests")
add_test(NAME curso_site COMMAND ${KT_PYTHON3} ${CMAKE_SOURCE_DIR}/tests/curso/test_site.py)
add_test(NAME curso_binarios COMMAND ${KT_PYTHON3} ${CMAKE_SOURCE_DIR}/tests/curso/test_binarios.py)
add_test(NAME curso_navegador COMMAND ${KT_PYTHON3} ${CMAKE_SOURCE_DIR}/tests/curso/test_navegador.py)
set_tests_properties(curso_navegador PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120)
set_tests_properties(curso_site curso_binarios PROPERTIES TIMEOUT 60)
