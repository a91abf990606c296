// Builds small series in code: "March 1990 to May 1992, day 13 missing".
#pragma once

#include "core/projeto.h"
#include "core/serie.h"
#include "impressao_qt.h"

#include <algorithm>
#include <functional>

namespace corvel::teste {

// Value of day d (1-based) of a month; empty = failure day.
using Dia = std::function<std::optional<double>(QDate mes, int dia)>;

inline std::optional<double> diaPadrao(QDate mes, int dia) {
    return mes.year() - 1900 + mes.month() / 100.0 + dia / 10000.0;
}

// One record per month from `inicio` to `fim` (inclusive), appended in that order (or newest
// first), numbered 1, 2, 3 ... in appending order; every day of the month set by `dia`.
inline SerieTabela serieMensal(QDate inicio, QDate fim, const Dia& dia = diaPadrao,
                               bool maisRecentePrimeiro = false, qint32 estacao = 12345678) {
    std::vector<QDate> meses;
    for (QDate m(inicio.year(), inicio.month(), 1); m <= fim; m = m.addMonths(1))
        meses.push_back(m);
    if (maisRecentePrimeiro) std::reverse(meses.begin(), meses.end());
    SerieTabela s;
    s.esvaziar();
    double id = 0;
    for (QDate m : meses) {
        RegistroMensal r = SerieTabela::novoRegistro(2);
        r.registroId = ++id;
        r.estacaoCodigo = estacao;
        r.data = m;
        for (int d = 1; d <= m.daysInMonth(); ++d)
            r.vazao[static_cast<std::size_t>(d - 1)] = dia(m, d);
        s.acrescentarProgramatico(std::move(r));
    }
    return s;
}

// The same from a function of the date: every day of the months from `de` to `ate`.
using Diaria = std::function<std::optional<double>(QDate dia)>;
inline SerieTabela serieDiaria(QDate de, QDate ate, const Diaria& vazao) {
    return serieMensal(de, ate, [&](QDate mes, int dia) { return vazao(mes.addDays(dia - 1)); });
}

// A project of the daily flows from `de` to `ate` with hydrological-year start month `inicio`,
// changed by `ajustar` before it is written to `arquivo`.
inline QString gravarProjetoDiario(const QString& arquivo, QDate de, QDate ate, const Diaria& vazao,
                                   int inicio = 1,
                                   const std::function<void(SerieTabela&)>& ajustar = {}) {
    SerieTabela s = serieDiaria(de, ate, vazao);
    for (RegistroMensal& r : s.armazenados())
        r.vazao02Status = static_cast<qint16>(inicio);
    if (ajustar) ajustar(s);
    gravarProjeto(arquivo, s);
    return arquivo;
}

} // namespace corvel::teste
