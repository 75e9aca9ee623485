// The framework's base for objects that are kept in a file of their own: the file's name and the
// operations on it, in their fixed order. Reading and writing are each kind's own; the other
// operations are hooks that have no effect unless a kind gives them one.
#pragma once

#include "core/ArquivosIAC/ControleNV.h"

#include <string>

namespace kt {

class TArquivoPersonalizado : public TControleNV {
public:
    using TControleNV::TControleNV;

    // The name of the file in which the object is kept.
    const std::wstring& Arquivo() const { return arquivo_; }
    void DefinirArquivo(const std::wstring& arquivo) { arquivo_ = arquivo; }

    virtual void Limpar() {}
    // Reads the object from Arquivo.
    virtual void Carregar() = 0;
    virtual void AoCarregar() {}
    virtual void AntesDeGravar() {}
    // Writes the object to Arquivo.
    virtual void Gravar() = 0;
    virtual void AoGravar() {}
    virtual bool Valido() const { return true; }

private:
    std::wstring arquivo_;
};

} // namespace kt
