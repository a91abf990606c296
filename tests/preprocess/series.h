// Series for the pre-processing tests: whole months from `inicio` to `fim`, where a listed month
// lacks its first n days.
#pragma once

#include "core/construtor.h"

#include <gtest/gtest.h>
#include <map>

namespace corvel::teste {

using Falhas = std::map<QDate, int>; // month → missing days, counted from day 1

inline SerieTabela serieComFalhas(QDate inicio, QDate fim, const Falhas& falhas = {}) {
    return serieMensal(inicio, fim, [&falhas](QDate mes, int dia) -> std::optional<double> {
        const auto f = falhas.find(mes);
        if (f != falhas.end() && dia <= f->second) return std::nullopt;
        return 10.0 + dia;
    });
}

// The situation code of a month.
inline qint16 situacaoDe(const SerieTabela& s, QDate mes) {
    const qsizetype i = s.localizar(mes);
    EXPECT_GE(i, 0) << mes.toString(Qt::ISODate).toStdString();
    return i >= 0 ? s[i].vazao01Status : qint16(99);
}

} // namespace corvel::teste
