// The figures a benchmark prints for repeated measurements: median, minimum and maximum, so that
// the machine's noise shows beside the typical value; and the clock they are taken with.
#pragma once

#include <vector>

namespace kt::bench {

// Seconds on a monotonic clock (the performance counter on Windows).
double Agora();

class TAmostra {
public:
    void Somar(double valor) { valores_.push_back(valor); }
    bool Vazia() const { return valores_.empty(); }
    int Contar() const { return static_cast<int>(valores_.size()); }

    // Of an even count, the mean of the two middle values. All three are 0 for an empty sample.
    double Mediana() const;
    double Minimo() const;
    double Maximo() const;

private:
    std::vector<double> valores_;
};

} // namespace kt::bench
