#include "tools/bench/Estatistica.h"

#include <algorithm>
#include <chrono>

namespace kt::bench {

double Agora() {
    using Segundos = std::chrono::duration<double>;
    return std::chrono::duration_cast<Segundos>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double TAmostra::Mediana() const {
    if (valores_.empty())
        return 0;
    std::vector<double> ordenados = valores_;
    std::sort(ordenados.begin(), ordenados.end());
    const std::size_t meio = ordenados.size() / 2;
    return ordenados.size() % 2 ? ordenados[meio] : (ordenados[meio - 1] + ordenados[meio]) / 2;
}

double TAmostra::Minimo() const {
    return valores_.empty() ? 0 : *std::min_element(valores_.begin(), valores_.end());
}

double TAmostra::Maximo() const {
    return valores_.empty() ? 0 : *std::max_element(valores_.begin(), valores_.end());
}

} // namespace kt::bench
