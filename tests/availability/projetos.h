// Project files for the availability tests, built in code: a station's months with chosen missing
// days, and the stored `Media` of a month overridden where a case needs it.
#pragma once

#include "core/arquivotabela.h"
#include "core/construtor.h"
#include "core/erros.h"
#include "core/projeto.h"

#include <QDate>
#include <set>

namespace corvel::teste {

// Every day of the months from `de` to `ate` has 1 m³/s, except the days listed as missing.
inline Tabela tabelaProjeto(qint32 codigo, QDate de, QDate ate,
                            const std::set<QDate>& faltando = {}) {
    const SerieTabela s = serieMensal(
        de, ate,
        [&](QDate mes, int dia) -> std::optional<double> {
            if (faltando.count(mes.addDays(dia - 1))) return std::nullopt;
            return 1.0;
        },
        false, codigo);
    return paraTabela(s);
}

// The days from `de` to `ate`, inclusive.
inline std::set<QDate> dias(QDate de, QDate ate) {
    std::set<QDate> d;
    for (QDate x = de; x <= ate; x = x.addDays(1))
        d.insert(x);
    return d;
}

// Sets the stored `Media` of the month `mes` (null when empty).
inline void definirMedia(Tabela& t, QDate mes, std::optional<double> media) {
    const int cData = t.campo(u"Data");
    const int cMedia = t.campo(u"Media");
    for (qsizetype l = 0; l < t.linhas(); ++l)
        if (t.dataHora(l, cData)->date() == mes)
            t.definir(l, cMedia, media ? Valor{*media} : Valor{});
}

} // namespace corvel::teste
