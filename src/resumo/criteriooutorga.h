// Grant criteria as data: a small text file the user can edit and share, naming the reference flow,
// the fraction granted, an optional flow that must remain in the river and the legal source. The
// workbench ships a few examples taken from the literature, each marked as one to check against
// the norm in force.
#pragma once

#include "referenciasmensais.h"

#include <QString>
#include <optional>
#include <vector>

namespace corvel {

inline constexpr auto kExtensaoCriterio = "criterio";

struct CriterioOutorga {
    enum class Referencia { QMinima, Q95, Q90 };
    QString arquivo;  // the file's name, without its folder
    QString nome;     // "São Paulo (DAEE): 50% da Q7,10"
    Referencia referencia = Referencia::QMinima;
    int duracao = 7, periodo = 10; // of a QD,T reference
    bool mensal = false;           // the month's reference flow instead of the year's
    double fracao = 0;             // 0 < fracao <= 1
    std::optional<double> remanescente; // m³/s that must stay in the river
    QString fonte;                 // the norm and its date, as free text
    bool exemplo = false;          // an example to check against the norm in force

    // "Q7,10", "Q95" or "Q90".
    QString textoReferencia() const;
};

// Reads a criterion: "chave: valor" lines (UTF-8; '#' starts a comment) with the keys nome,
// referencia (Q7,10 or any QD,T, Q95, Q90), base (anual or mensal), fracao (0,5 or 50%),
// remanescente (m³/s, optional), fonte, exemplo (sim or não). Throws ErroArquivo naming the line for
// an unknown key, a missing one or a value out of range.
CriterioOutorga lerCriterio(const QString& caminho);
CriterioOutorga lerCriterioDoTexto(const QString& texto, const QString& arquivo);

// The grantable flow of a reference flow: the fraction of it, no more than leaves the remaining
// flow in the river, never below zero. Empty without a reference flow.
std::optional<double> vazaoOutorgavel(const CriterioOutorga& c, std::optional<double> referencia);

// The criterion's reference flow among a month's figures.
std::optional<double> referenciaDoMes(const CriterioOutorga& c, const ReferenciaMensal& mes);

// The files of the example criteria shipped with the program (folder "criterios" of the program's
// data), in order of name.
QStringList criteriosDeExemplo(const QString& pastaPrograma);

} // namespace corvel
