#include "tests/unit/PastaTemporaria.h"

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

namespace teste {

namespace fs = std::filesystem;

bool RemoverPasta(const fs::path& local) {
    std::error_code erro;
    if (!fs::exists(local, erro))
        return true;
    for (auto i = fs::recursive_directory_iterator(local, erro);
         !erro && i != fs::recursive_directory_iterator(); i.increment(erro))
        fs::permissions(i->path(), fs::perms::owner_write, fs::perm_options::add, erro);
    erro.clear();
    fs::remove_all(local, erro);
    return !fs::exists(local, erro);
}

PastaTemporaria::PastaTemporaria(std::wstring_view nome) {
    static std::atomic<unsigned> contador{0};
    static const unsigned processo = std::random_device{}();
    local_ = fs::temp_directory_path() / (std::wstring(nome) + L" " + std::to_wstring(processo) +
                                          L"." + std::to_wstring(++contador));
    RemoverPasta(local_);
    fs::create_directories(local_);
    caminho_ = local_.wstring() + static_cast<wchar_t>(fs::path::preferred_separator);
}

PastaTemporaria::~PastaTemporaria() {
    const auto prazo = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!RemoverPasta(local_) && std::chrono::steady_clock::now() < prazo)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

} // namespace teste
