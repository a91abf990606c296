// Import of the agency's semicolon-separated daily-flow text file into a fresh series. The caller
// hands the result to the workbench (Bancada::assumirImportacao) and saves it.
#pragma once

#include "progresso.h"
#include "resultadoimportacao.h"

#include "core/erros.h"
#include "core/serie.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

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

// Lines of a text without their line ends (CR LF, LF or a lone CR); a final line end does not
// start another line.
QList<QStringView> dividirLinhas(const QString& texto);

// The file as text for the window that shows it after a failed import; empty when unreadable.
QString lerTextoLatin1(const QString& caminho);

} // namespace corvel
