// What every importer hands back: a fresh series with the consistency level it read, the months it
// dropped or added and the warnings for the user; and the level choice the agency imports share.
#pragma once

#include "core/erros.h"
#include "core/serie.h"

#include <QDate>
#include <QStringList>
#include <optional>
#include <vector>

namespace corvel {

// What the import left out or kept that the user should know of. Empty lines are not counted.
struct AvisosImportacao {
    // Non-empty lines that could not be read as data rows (too few columns: a truncated download
    // or a damaged row), and the first of their line numbers.
    qsizetype linhasIgnoradas = 0;
    std::vector<qsizetype> primeirasLinhasIgnoradas; // at most kLinhasIgnoradasCitadas, 1-based
    // Daily flows kept as typed although no river has them: negative, or above
    // kVazaoMaximaPlausivel.
    qsizetype valoresImplausiveis = 0;
    QDate primeiroMesImplausivel;
    // Raw months before or after the consisted period: left out, or added when asked.
    qsizetype mesesBrutosForaDoConsistido = 0;
    bool mesesBrutosAcrescentados = false;
};

inline constexpr qsizetype kLinhasIgnoradasCitadas = 5;
// Far above the largest flow ever measured on a river (about 340 000 m³/s).
inline constexpr double kVazaoMaximaPlausivel = 1'000'000;
// Years a gauging record can have.
inline constexpr int kPrimeiroAnoAceito = 1800;
inline constexpr int kUltimoAnoAceito = 2100;

struct ResultadoImportacao {
    SerieTabela serie;             // records in reading order
    qint16 nivelConsistencia = 2;  // the level the workbench keeps, and gives the added months
    int duplicadosDescartados = 0; // earlier rows of a month that a later row replaced
    AvisosImportacao avisos;
};

// Raw months (level 1) outside the period of the consisted ones are left out unless asked for;
// when added they keep level 1, so every report tells them apart.
enum class DadosBrutos { SoSemConsistidos, CompletarSerie };

// The warning lines of an import, for a message box or the error output; empty when all is well.
QStringList textoAvisosImportacao(const AvisosImportacao& avisos);
// The line about raw months outside the consisted period, or empty: "12 meses de dados brutos fora
// do período consistido não foram importados." / "... foram acrescentados (nível 1)."
QString textoMesesBrutos(const AvisosImportacao& avisos);

// The rows of one consistency level in reading order, one record per month, with the first value
// that could not be converted (thrown only when the level is used).
struct MesesDoNivel {
    MesesDoNivel() { serie.esvaziar(); }
    SerieTabela serie;
    int duplicados = 0;
    std::optional<ErroConversao> erro;

    // Sources sometimes repeat a month at one level; the later row stands, so each month is held
    // once.
    void acrescentar(RegistroMensal r);
};

// Raw and consisted rows are never mixed in a month: the consisted ones are taken, the raw ones
// only when there are none and, when asked, for the months before or after the consisted period.
// Throws the chosen level's conversion error. The series is empty when neither level has a month:
// the caller refuses that with its own message.
ResultadoImportacao escolherNivel(MesesDoNivel& bruto, MesesDoNivel& consistido, DadosBrutos brutos,
                                  AvisosImportacao avisos);

// Counts the implausible flows of a series into the warnings.
void contarImplausiveis(const SerieTabela& serie, AvisosImportacao& avisos);

// A month outside the years a gauging record can have.
bool anoAceito(QDate data);

} // namespace corvel
