// Web-service window commands: the import of one station or of the whole search, the destination
// folder, and the refresh of the station list.
#include "TfrmNovaPastaWebservice.h"
#include "TfrmPorCentagemDownloadEstacoes.h"
#include "TfrmWebservice.h"
#include "comando.h"
#include "cursorocupado.h"
#include "modeloestacoes.h"

#include "core/projeto.h"
#include "exchange/downloadmultiplo.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace corvel::ui {

namespace {

// The busy flag for the length of a command: typing, an import or a refresh started meanwhile (the
// window's events run while the service answers) are refused silently.
class Ocupacao {
  public:
    explicit Ocupacao(bool& ocupada) : ocupada_(ocupada) { ocupada_ = true; }
    ~Ocupacao() { ocupada_ = false; }
    Ocupacao(const Ocupacao&) = delete;
    Ocupacao& operator=(const Ocupacao&) = delete;

  private:
    bool& ocupada_;
};

} // namespace

RespostaServico TfrmWebservice::enviar(const QString& caminho) {
    edtRequisicao_->setText(cliente_->url(caminho));
    edtRequisicao_->setCursorPosition(0);
    CursorOcupado ocupado;
    return cliente_->obter(caminho);
}

void TfrmWebservice::btnImportarClick() {
    if (ocupada_) return;
    const Ocupacao ocupacao(ocupada_);
    const qsizetype n = modelo_->rowCount();
    if (n == 0) return;
    const PlanoDownload plano = planoDownload(n, chkMultiplas_->isChecked());
    if (plano.pergunta && !dialogos_.pergunta(*plano.pergunta)) return;
    if (plano.estacoes > 1)
        baixarVarias(plano.estacoes);
    else
        baixarUma();
}

void TfrmWebservice::baixarUma() {
    codigoSelecionado_ = modelo_->codigo(linhaAtual());
    const std::optional<QString> arquivo = escolherNomeDownload(
        codigoSelecionado_ + QString::fromLatin1(kExtensaoProjeto),
        [this](const QString& proposta) {
            return dialogos_.salvarArquivo(
                {QStringLiteral("Salvar projeto"),
                 QString::fromUtf8(kFiltroProjeto) + QStringLiteral(";;Todos os arquivos (*)"),
                 QStringLiteral("cvl"), proposta});
        },
        [this](const QString& pergunta) { return dialogos_.pergunta(pergunta, true); });
    if (!arquivo) return;
    // From here on the import ends with its information, after an error too; a download that
    // brings no series leaves no project open, as a failed import does.
    auto fecharProjeto = [this] {
        bancada_.fechar();
        Q_EMIT serieAlterada();
    };
    executarComando(dialogos_, [&] {
        edtEstacao_->setText(codigoSelecionado_);
        VazoesBaixadas baixadas;
        try {
            baixadas = baixarVazoes([this](const QString& c) { return enviar(c); },
                                    codigoSelecionado_, PastasServico::de(bancada_), brutos_);
        } catch (const Erro&) {
            fecharProjeto();
            throw;
        }
        if (baixadas.importacao.serie.vazia()) {
            dialogos_.mensagem(Gravidade::Aviso, QString::fromUtf8(kMsgSerieVazia));
            fecharProjeto();
            return;
        }
        CursorOcupado ocupado;
        try {
            assumirVazoes(bancada_, std::move(baixadas), *arquivo);
        } catch (const Erro&) {
            Q_EMIT serieAlterada(); // a failed save closed the project
            throw;
        }
        Q_EMIT serieAlterada();
        setWindowTitle(tituloWebservice(*arquivo));
    });
    dialogos_.mensagem(Gravidade::Informacao, QString::fromUtf8(kMsgImportacaoConcluida));
}

std::optional<QString> TfrmWebservice::escolherPasta() {
    QString inicial = QDir::homePath();
    for (;;) {
        TfrmNovaPastaWebservice janela(this);
        janela.definirPasta(inicial);
        if (dialogos_.executar(janela) != QDialog::Accepted) return std::nullopt;
        inicial = janela.pastaSelecionada();
        const QString pasta = pastaDestino(janela.pastaSelecionada(), janela.nomeNovaPasta());
        if (QFileInfo(pasta).isDir()) {
            if (dialogos_.pergunta(perguntaPastaExistente(pasta), true)) return pasta;
            continue;
        }
        if (QDir().mkpath(pasta)) return pasta;
        dialogos_.mensagem(Gravidade::Erro, QStringLiteral("Não foi possível criar a pasta \"%1\".")
                                                .arg(QDir::toNativeSeparators(pasta)));
    }
}

void TfrmWebservice::baixarVarias(qsizetype n) {
    const std::optional<QString> pasta = escolherPasta();
    if (!pasta) return;
    QStringList codigos;
    for (int i = 0; i < int(n); ++i)
        codigos << modelo_->codigo(i);
    DownloadMultiplo download(bancada_, *pasta, codigos, PastasServico::de(bancada_), brutos_);

    auto* progresso = new TfrmPorCentagemDownloadEstacoes(this);
    progresso_ = progresso;
    progresso->iniciar(n);
    progresso->atualizarLog(download.log());
    // The question is asked while the station in progress is on its way.
    const QMetaObject::Connection cancelar =
        connect(progresso, &TfrmPorCentagemDownloadEstacoes::cancelamentoPedido, this, [&] {
            executarComando(dialogos_, [&] {
                if (download.cancelado() ||
                    !dialogos_.pergunta(QString::fromUtf8(kMsgPerguntaCancelar)))
                    return;
                download.cancelar();
                if (progresso_) {
                    progresso_->atualizarLog(download.log());
                    progresso_->desabilitarCancelar();
                }
            });
        });
    // However the download ends, the cancel no longer reaches it and the progress window can be
    // closed.
    struct Encerrar {
        QMetaObject::Connection cancelar;
        const QPointer<TfrmPorCentagemDownloadEstacoes>& progresso;
        const DownloadMultiplo& download;
        ~Encerrar() {
            QObject::disconnect(cancelar);
            if (progresso && !progresso->concluida()) progresso->concluir(download.log());
        }
    } encerrar{cancelar, progresso_, download};
    progresso->show();

    download.executar([this](const QString& c) { return enviar(c); },
                      [&](qsizetype i) {
                          irParaLinha(int(i));
                          codigoSelecionado_ = codigos[i];
                          if (progresso_) progresso_->mostrarEstacao(i + 1, n, codigoSelecionado_);
                          edtEstacao_->setText(codigoSelecionado_);
                          QCoreApplication::processEvents();
                      },
                      [&](const EstacaoBaixada& e) {
                          Q_EMIT serieAlterada();
                          if (progresso_) progresso_->atualizarLog(download.log());
                          if (e.situacao == SituacaoEstacao::Copiada)
                              setWindowTitle(tituloWebservice(e.arquivo));
                          if (e.situacao == SituacaoEstacao::FalhaConexao && progresso_)
                              progresso_->encerrar();
                          if (!e.mensagem.isEmpty())
                              dialogos_.mensagem(Gravidade::Erro, e.mensagem);
                      });
    try {
        download.concluir();
    } catch (const Erro& e) {
        dialogos_.mostrar(e);
    }
    if (progresso_) progresso_->concluir(download.log());
    dialogos_.mensagem(Gravidade::Informacao, QString::fromUtf8(kMsgImportacaoConcluida));
}

void TfrmWebservice::Atualizarlistadeestaes1Click() {
    if (ocupada_) return;
    const Ocupacao ocupacao(ocupada_);
    if (!dialogos_.pergunta(perguntaAtualizarLista())) return;
    QElapsedTimer relogio;
    relogio.start();
    Tabela nova;
    {
        CursorOcupado ocupado;
        try {
            nova = atualizarListaEstacoes([this](const QString& c) { return enviar(c); },
                                          PastasServico::de(bancada_));
        } catch (const Erro& e) {
            ocupado.liberar();
            dialogos_.mostrar(e);
            return;
        }
    }
    modelo_->definirLista(listaEstacoes(std::move(nova)));
    {
        const QSignalBlocker bloqueio(edtEstacao_);
        edtEstacao_->clear();
    }
    lblQuantidade_->setText(textoEstacoesLocalizadas(modelo_->rowCount()));
    irParaLinha(0);
    dialogos_.mensagem(Gravidade::Informacao, mensagemListaAtualizada(relogio.elapsed()));
}

} // namespace corvel::ui
