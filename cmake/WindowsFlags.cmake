# Unicode Win32 for Windows 7 and later; everything linked statically so that the program needs
# only the DLLs every Windows has.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
add_link_options(-static)

set(KT_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Private Wine prefix of the tests")
set(KT_SCREENSHOTS ${CMAKE_BINARY_DIR}/screenshots CACHE PATH "Where the end-to-end tests save their screenshots")
configure_file(${CMAKE_SOURCE_DIR}/tools/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
# zlib goes into the program (libz.a, not the import library of a zlib DLL).
set(ZLIB_USE_STATIC_LIBS ON)

# Resource scripts name their images and manifests relative to resources/.
string(APPEND CMAKE_RC_FLAGS " -I${CMAKE_SOURCE_DIR}/resources")
