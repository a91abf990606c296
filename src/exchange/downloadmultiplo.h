// The download of many stations into one folder, one project file per station, with the log the
// progress window shows and keeps in "RelatorioDeImportacao.txt". The caller runs it station by
// station, so it can draw its progress and take a cancel between two stations.
#pragma once

#include "servico.h"

#include "core/bancada.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace corvel {

inline constexpr auto kArquivoRelatorioImportacao = "RelatorioDeImportacao.txt";
inline constexpr auto kMsgPerguntaCancelar = "Deseja cancelar a importação de dados?";

// The folder a download goes to: the selected folder, or the new folder typed under it.
QString pastaDestino(const QString& selecionada, const QString& nome);
// The question when that folder exists: the folder, a line break, and the warning.
QString perguntaPastaExistente(const QString& pasta);

// The labels of the progress window for station `i` (1-based) of `n`.
QString textoEstacaoEmCurso(const QString& codigo);
QString textoContagemDownload(qsizetype i, qsizetype n);
// The web-service window's caption while `arquivo` is the last project written.
QString tituloWebservice(const QString& arquivo = {});

enum class SituacaoEstacao {
    Copiada,        // saved as folder/code.cvl
    NaoCopiada,     // the service had no month for it, or its file could not be written
    FalhaConexao,   // the request failed: the download stops (ErroServico)
    FalhaConversao, // the answer did not convert: the download stops (ErroConversaoServico)
};

struct EstacaoBaixada {
    QString codigo;
    SituacaoEstacao situacao = SituacaoEstacao::NaoCopiada;
    qsizetype registros = 0; // months read for it
    QString arquivo;         // the project written, when copied
    QString mensagem;        // for the failures that stop the download: the user's message
};

class DownloadMultiplo {
  public:
    DownloadMultiplo(Bancada& bancada, QString pasta, QStringList codigos, PastasServico pastas,
                     DadosBrutos brutos = DadosBrutos::SoSemConsistidos);

    qsizetype total() const { return codigos_.size(); }
    const QString& pasta() const { return pasta_; }
    // Lines so far: "Destino:", the folder, then a few lines per station.
    const QStringList& log() const { return log_; }

    // Station `i` (0-based): downloaded into the workbench and saved in the folder; when it is not
    // copied (no data, a failure) no project is left open. A failure of the request or of the
    // conversion is logged and returned; the caller shows its message and stops.
    EstacaoBaixada baixar(qsizetype i, const Requisicao& requisicao);
    // Every station in order until the last, a failure that stops the download, or a cancel:
    // `antes` runs before each station (labels, pending events), `depois` after it. Returns the
    // last station handled, if any.
    std::optional<EstacaoBaixada>
    executar(const Requisicao& requisicao, const std::function<void(qsizetype i)>& antes = {},
             const std::function<void(const EstacaoBaixada&)>& depois = {});
    // The user asked to stop: logged, the download ends after the station in progress.
    void cancelar();
    bool cancelado() const { return cancelado_; }
    // Writes the log to the folder's "RelatorioDeImportacao.txt" (Windows-1252, CR LF), then logs
    // "Concluído". Throws ErroArquivo when the log cannot be written ("Concluído" logged anyway).
    void concluir();
    QString arquivoRelatorio() const;

  private:
    Bancada& bancada_;
    QString pasta_;
    QStringList codigos_;
    PastasServico pastas_;
    DadosBrutos brutos_;
    QStringList log_;
    bool cancelado_ = false;
};

} // namespace corvel
