// Import of the agency's semicolon-separated daily-flow text file into a fresh series. The caller
// hands the result to the workbench (Bancada::assumirImportacao) and saves it.
#pragma once

#include "progresso.h"

#include "core/erros.h"
#include "core/serie.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

namespace corvel {

inline constexpr auto kMsgArquivoInvalido = "Arquivo inválido.";
inline constexpr auto kMsgErroImportar = "Erro ao importar dados.";
// Two lines: the file is not an agency file, then " Ação abortada.".
QString mensagemEstruturaInvalida();

// The file could not be read or holds a value that cannot be converted. The window shows the
// message, then the file itself; `causa` says what went wrong and where, for the command line.
class ErroImportacao : public Erro {
  public:
    ErroImportacao(QString arquivo, QString causa)
        : Erro(QString::fromUtf8(kMsgErroImportar)), arquivo_(std::move(arquivo)),
          causa_(std::move(causa)) {}
    const QString& arquivo() const noexcept { return arquivo_; }
    const QString& causa() const noexcept { return causa_; }

  private:
    QString arquivo_;
    QString causa_;
};

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
    SerieTabela serie;             // records in reading order, numbered by line
    qint16 nivelConsistencia = 2;  // 2 when the file had consisted rows, 1 otherwise
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

// The agency's files end in ".txt" (older downloads) or ".csv" (current ones), in any case.
bool extensaoAgenciaValida(const QString& caminho);

// Reads the file (Latin-1, or UTF-8 after a byte-order mark; lines end in CR LF, LF or CR).
// Throws Erro (warning) "Arquivo inválido." for another extension, Erro with
// mensagemEstruturaInvalida() when the file holds only comment lines or no data row at all, Erro
// naming the codes when it holds more than one station, and ErroImportacao for anything else that
// goes wrong. `progresso` gets the number of lines read.
ResultadoImportacao importarArquivoAgencia(const QString& caminho, int inicioAnoHidrologico,
                                           DadosBrutos brutos = DadosBrutos::SoSemConsistidos,
                                           const Progresso& progresso = {});

// The same over the file's bytes, with no file around: throws Erro with
// mensagemEstruturaInvalida() or naming the station codes, and ErroConversao (naming the line) for
// a value that cannot be converted, a station code that is empty, zero or negative, or a date
// outside 1800 to 2100.
ResultadoImportacao lerTextoAgencia(QByteArrayView bytes, int inicioAnoHidrologico,
                                    DadosBrutos brutos = DadosBrutos::SoSemConsistidos,
                                    const Progresso& progresso = {});

// The file as text for the window that shows it after a failed import; empty when unreadable.
QString lerTextoLatin1(const QString& caminho);

} // namespace corvel
