// A program without the setup program's defence: it loads each DLL named on its command line by
// its bare name, so Windows looks for it in the program's own folder first.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    int faltando = 0;
    for (int i = 1; i < argc; ++i)
        if (!LoadLibraryW(argv[i]))
            ++faltando;
    return faltando;
}
