#include "fileops/Arquivos.h"

#include "fileops/Texto.h"

#include <sys/stat.h>

namespace kt {

bool EhArquivo(const std::wstring& caminho) {
#ifdef _WIN32
    struct _stat64 dados {};
    return _wstat64(caminho.c_str(), &dados) == 0 && (dados.st_mode & _S_IFMT) == _S_IFREG;
#else
    struct stat dados {};
    return stat(Utf8(caminho).c_str(), &dados) == 0 && S_ISREG(dados.st_mode);
#endif
}

} // namespace kt
