// Stations for the gap-filling tests, built in code from their monthly means: every day of a month
// holds the month's mean, a month without a mean has no value at all.
#pragma once

#include "core/construtor.h"
#include "filling/projetopreenchimento.h"

#include <map>
#include <vector>

namespace corvel::teste {

using Medias = std::map<QDate, double>;

// The months from `de` to `ate`, considered, of station `codigo`.
inline SerieTabela estacao(qint32 codigo, QDate de, QDate ate, const Medias& medias) {
    return serieMensal(
        de, ate,
        [&](QDate mes, int) -> std::optional<double> {
            const auto i = medias.find(mes);
            return i == medias.end() ? std::nullopt : std::optional(i->second);
        },
        false, codigo);
}

// Consecutive months from `inicio`, one mean per entry; a NaN entry leaves the month empty.
inline Medias seguidos(QDate inicio, const std::vector<double>& valores) {
    Medias m;
    for (std::size_t i = 0; i < valores.size(); ++i)
        if (valores[i] == valores[i]) m[inicio.addMonths(static_cast<int>(i))] = valores[i];
    return m;
}

inline constexpr double kVazio = std::numeric_limits<double>::quiet_NaN();

} // namespace corvel::teste
