// A moving window over the last n valid days: a circular queue of {date, value} pairs whose mean
// is taken when it is full.
#pragma once

#include "core/sinais.h"

#include <QDate>
#include <vector>

namespace corvel {

class TFilaCircular {
public:
    explicit TFilaCircular(int capacidade);

    int capacidade() const { return static_cast<int>(itens_.size()); }
    bool cheia() const;
    bool vazia() const { return fim_ < 0; }
    // Appends a day; a full window drops its oldest day.
    void inserir(double valor, QDate data, Sinalizacoes sinais = kSemSinal);
    // The flags of the days in the window.
    ContagemSinais sinais() const;
    // Mean of the n days and the date of the oldest; only meaningful when full.
    double media() const;
    QDate dataInicial() const { return itens_[static_cast<std::size_t>(inicio_)].data; }
    void reiniciar();

private:
    struct Item {
        QDate data;
        double valor = 0;
        Sinalizacoes sinais = kSemSinal;
    };
    std::vector<Item> itens_;
    int inicio_ = 0; // oldest
    int fim_ = -1;   // newest; -1 = empty
};

} // namespace corvel
