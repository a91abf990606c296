// Circular queue of the minimum-flow moving window.
#include "filacircular.h"

#include <algorithm>
#include <cmath>

namespace corvel {

TFilaCircular::TFilaCircular(int capacidade)
    : itens_(static_cast<std::size_t>(std::max(1, capacidade))) {}

bool TFilaCircular::cheia() const {
    const int n = capacidade();
    return (inicio_ == fim_ + 1 && inicio_ > 0) || (inicio_ == 0 && fim_ == n - 1);
}

void TFilaCircular::inserir(double valor, QDate data, Sinalizacoes sinais) {
    if (cheia()) {
        fim_ = inicio_;
        inicio_ = inicio_ == capacidade() - 1 ? 0 : inicio_ + 1;
    } else {
        ++fim_;
    }
    itens_[static_cast<std::size_t>(fim_)] = {data, valor, sinais};
}

ContagemSinais TFilaCircular::sinais() const {
    ContagemSinais c;
    const int n = cheia() ? capacidade() : fim_ + 1;
    for (int i = 0; i < n; ++i)
        c.contar(itens_[static_cast<std::size_t>(i)].sinais);
    return c;
}

double TFilaCircular::media() const {
    double total = 0;
    for (const Item& i : itens_)
        total += i.valor;
    if (std::isfinite(total)) return total / capacidade();
    // Values near the largest double overflow the sum though their mean is finite.
    double media = 0;
    for (const Item& i : itens_)
        media += i.valor / capacidade();
    return media;
}

void TFilaCircular::reiniciar() {
    std::fill(itens_.begin(), itens_.end(), Item{});
    inicio_ = 0;
    fim_ = -1;
}

} // namespace corvel
