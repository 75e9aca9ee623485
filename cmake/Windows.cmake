include(GoogleTest)

set(KT_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian's googletest)")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${KT_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_executable(Pontilha WIN32
    core/program/Pontilha.cpp
    resources/Pontilha.rc
)
target_link_libraries(Pontilha PRIVATE kt_portable)
target_link_options(Pontilha PRIVATE -municode -s)

add_executable(kt_win_tests
    tests/win/CamposWinTest.cpp
)
target_link_libraries(kt_win_tests PRIVATE kt_portable GTest::gtest_main)
gtest_discover_tests(kt_win_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
