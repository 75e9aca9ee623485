include(GoogleTest)
include(ExternalProject)

set(KT_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian's googletest)")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${KT_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The container packer: the Windows build runs it to make the payload (cmake/Windows.cmake).
add_library(kt_empacotamento STATIC
    tools/empacotador/Empacotador.cpp
    tools/empacotador/Payload.cpp
)
target_link_libraries(kt_empacotamento PUBLIC kt_portable ZLIB::ZLIB)
add_executable(kt_empacotador tools/empacotador/main.cpp)
target_link_libraries(kt_empacotador PRIVATE kt_empacotamento)

add_executable(kt_unit_tests
    tests/unit/CamposTest.cpp
    tests/unit/CabecalhoZLibTest.cpp
    tests/unit/FluxoMemoriaTest.cpp
    tests/unit/CopiarFluxoTest.cpp
    tests/unit/FluxoDescompressaoTest.cpp
    tests/unit/EmpacotadorTest.cpp
)
target_link_libraries(kt_unit_tests PRIVATE kt_portable kt_empacotamento GTest::gtest_main)
gtest_discover_tests(kt_unit_tests DISCOVERY_MODE PRE_TEST)

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
