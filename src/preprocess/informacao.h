// The failure report ("Informações") and how the rule in force is shown again from its code.
#pragma once

#include "listagem.h"

#include <QStringList>
#include <array>
#include <optional>

namespace corvel {

enum class EscolhaDescarte { Nenhuma, Mensal, Anual };

// What the window shows for the code kept in the first month.
struct RegraVigente {
    std::optional<qint16> codigo;
    // A code that names no rule (0 before any rule, or a stranger value) leaves the choice and
    // the percentage list as they are.
    bool ajustaEscolha = false;
    EscolhaDescarte escolha = EscolhaDescarte::Nenhuma;
    bool ajustaPercentual = false;
    int percentual = 0; // 0 = the empty entry of the list
    QString textoRegra; // shown under the rule box
    QString nota;       // the sixth project header line
};

RegraVigente regraVigente(std::optional<qint16> codigo);
RegraVigente regraVigente(const SerieTabela& serie);

// "Início do Ano Hidrológico: " and the month name, the fourth project header line.
QString linhaInicioAno(int inicioAnoHidrologico);

// The failure report, one entry a line: the six project header lines, the year and month
// counters and the footnotes; the "***" footnote only when the year does not start in January.
QStringList textoInformacao(const std::array<QString, 6>& linhasCabecalho,
                            const ContadoresFalhas& contadores, int inicioAnoHidrologico);

} // namespace corvel
