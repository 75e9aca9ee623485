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

# Built for size: an installer is downloaded and run once, and every kilobyte of it is waiting
# time. Each function and object in a section of its own, so that the linker drops what nothing
# calls.
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
add_compile_options(-ffunction-sections -fdata-sections)
# No private copies of a function with its parameters rewritten for its callers in one object
# (GCC's .isra clones): for the library's inline code (std::wstring's) they made one copy per object
# that calls it, where the linker otherwise keeps one for the whole program.
add_compile_options(-fno-ipa-sra)
# No private copy of a constructor's or destructor's body in each object that uses it: at -Os GCC
# makes one (a "C4"/"D4" body, for the complete and the base object both) local to every object,
# which the linker cannot merge; std::wstring's copy and move alone were 46 of them.
add_compile_options(-fno-declone-ctor-dtor)
# No run-time type information: every polymorphic class carried its type's name and description
# (8.7 KB), and nothing but the exceptions needs them, for which the compiler still makes them.
# Tests and GoogleTest are built the same way, so that a class of the program can be derived there.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-fno-rtti>)
add_link_options(-Wl,--gc-sections)
# Reproducible: two builds of one commit give the same bytes. The linker would put the time of the
# link into the PE header (and the checksum over it); source and build paths stay out of the code.
add_link_options(-Wl,--no-insert-timestamp)
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)
