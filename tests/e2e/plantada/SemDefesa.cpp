// A program without the setup program's defence: it loads the rich-text library by its bare
// name, so Windows looks for it in the program's own folder first.
#include <windows.h>

int wmain() {
    return LoadLibraryW(L"msftedit.dll") ? 0 : 1;
}
