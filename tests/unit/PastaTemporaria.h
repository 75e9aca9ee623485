// A temporary folder of a test's own, for the native and the Windows tests alike.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace teste {

// Removes the folder with everything in it, read-only files and folders too (Windows deletes
// neither); whether it is gone.
bool RemoverPasta(const std::filesystem::path& local);

// A new folder in the system's temporary folder, named after the test and a number of its own,
// removed with everything in it (read-only files too) by the destructor, which gives a program
// that the test started a few seconds to let go of it.
class PastaTemporaria {
public:
    explicit PastaTemporaria(std::wstring_view nome);
    ~PastaTemporaria();
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;

    const std::filesystem::path& Local() const { return local_; }
    // The folder, ending with the path separator.
    const std::wstring& Caminho() const { return caminho_; }
    // A path inside the folder.
    std::wstring operator/(std::wstring_view nome) const { return caminho_ + std::wstring(nome); }

private:
    std::filesystem::path local_;
    std::wstring caminho_;
};

} // namespace teste
