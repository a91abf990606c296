// The figures of a station summary as texts: the columns of resumo.csv and the table of the
// reference-flow sheet take them from here.
#pragma once

#include "estacaoresumo.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace corvel {

struct FiguraResumo {
    // What the number is, for the texts of other precision (the sheet's).
    enum class Tipo { Texto, Vazao, Proporcao, Percentual };
    QString titulo;                    // "Q7,10 (m³/s)"
    QString valor;                     // "12,345678901", every digit; empty when not computed
    std::optional<double> numero = {}; // the number behind the text
    Tipo tipo = Tipo::Texto;
    // Whether the grant sheet lists it among its figures (its header already says the period and
    // the criterion).
    bool naFicha = true;
};

// Station code, name, period, months, failures and every reference figure, in column order.
std::vector<FiguraResumo> figurasResumo(const ResumoEstacao& resumo, const QString& nome);

// The header of resumo.csv: "Arquivo", the figures' titles (those of the grant criterion when
// there is one), "Erro".
QStringList titulosResumo(int duracao, int periodo, bool comCriterio = false);
// One row of resumo.csv (cells separated by ';', no line break): the station's figures, or only
// the file and the error when the station could not be summarised.
QString linhaResumo(const QString& arquivo, const std::vector<FiguraResumo>& figuras);
QString linhaResumoComErro(const QString& arquivo, const QString& erro, int duracao, int periodo,
                           bool comCriterio = false);

} // namespace corvel
