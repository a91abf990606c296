// "Ficha de vazões de referência" of the "Vazões" menu: the grant sheet of the open series, in a
// print preview that prints it or saves it as PDF.
#include "TfrmOpcoesFicha.h"
#include "TfrmPrincipal.h"
#include "cursorocupado.h"
#include "fichavazoes.h"
#include "previa.h"
#include "saidas.h"
#include "servicodialogos.h"

#include "core/erros.h"
#include "core/projeto.h"
#include "resumo/estacaoresumo.h"
#include "resumo/fichareferencia.h"

#include <QAction>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

namespace corvel::ui {

void TfrmPrincipal::ligarFicha() {
    QAction* ficha = acao(QStringLiteral("FichaReferencia1"));
    ficha->setEnabled(true);
    ligar(ficha, &TfrmPrincipal::FichaReferencia1Click);
}

void TfrmPrincipal::FichaReferencia1Click() {
    // The series as the grid shows it, saved or not: the sheet is a picture of what is open.
    const EstacaoAberta estacao = paraAnalise(bancada_, std::nullopt);
    // One options dialog for the session: the criterion chosen stays for the next sheet.
    auto* escolhas = findChild<TfrmOpcoesFicha*>(QStringLiteral("TfrmOpcoesFicha"));
    if (!escolhas) escolhas = new TfrmOpcoesFicha(bancada_.pastaPrograma(), dialogos_, this);
    if (dialogos_.executar(*escolhas) != QDialog::Accepted) return;
    FichaReferencia ficha;
    QString proposta;
    {
        CursorOcupado ocupado;
        const ResumoEstacao r = resumirEstacao(estacao, escolhas->opcoes());
        ficha =
            montarFicha(r, bancada_.arquivoProjeto,
                        nomeEstacao(bancada_.arquivoListaEstacoes(), r.codigo).value_or(QString()));
        proposta = QString::number(r.codigo) + QStringLiteral("_ficha.pdf");
    }

    QPrinter impressora(QPrinter::HighResolution);
    prepararPaginaFicha(impressora);
    impressora.setDocName(ficha.titulo);
    QPrintPreviewDialog previa(&impressora, this);
    previa.setObjectName(QStringLiteral("previaFicha"));
    prepararPrevia(previa);
    previa.setWindowTitle(QStringLiteral("Visualizar impressão - ") + ficha.titulo);
    connect(&previa, &QPrintPreviewDialog::paintRequested, &previa, [&ficha](QPrinter* p) {
        QPainter painter(p);
        desenharFicha(painter, *p, ficha);
    });
    if (auto* barra = previa.findChild<QToolBar*>()) {
        QAction* pdf = barra->addAction(QStringLiteral("Salvar em PDF"));
        pdf->setObjectName(QStringLiteral("SalvarFichaPdf"));
        connect(pdf, &QAction::triggered, &previa, [this, &ficha, &proposta] {
            const std::optional<QString> arquivo =
                pedirArquivoParaGravar(dialogos_, {QStringLiteral("Salvar ficha em PDF"),
                                                   QStringLiteral("Documento PDF (*.pdf)"),
                                                   QStringLiteral("pdf"), proposta});
            if (!arquivo) return;
            try {
                CursorOcupado ocupado;
                gravarFichaPdf(*arquivo, ficha);
            } catch (const Erro& e) {
                dialogos_.mostrar(e);
            }
        });
    }
    dialogos_.executar(previa);
}

} // namespace corvel::ui
