// The Qt side of the dialog service.
#include "servicodialogos.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace corvel::ui {

QString filtroQt(const QString& filtro) {
    const qsizetype barra = filtro.indexOf(u'|');
    if (barra < 0) return filtro;
    const QString descricao = filtro.left(barra);
    const QString mascara = filtro.mid(barra + 1);
    if (descricao.endsWith(u'(' + mascara + u')')) return descricao;
    // Names on disk may be written in either case; the dialogs list both.
    QString mascaras = mascara;
    if (mascara.toLower() != mascara) mascaras += u' ' + mascara.toLower();
    if (mascara.toUpper() != mascara) mascaras += u' ' + mascara.toUpper();
    return descricao + QStringLiteral(" (") + mascaras + u')';
}

void DialogosQt::mensagem(Gravidade gravidade, const QString& texto) {
    switch (gravidade) {
    case Gravidade::Erro:
        QMessageBox::critical(pai_, QStringLiteral("Erro"), texto);
        break;
    case Gravidade::Aviso:
        QMessageBox::warning(pai_, QStringLiteral("Aviso"), texto);
        break;
    case Gravidade::Informacao:
        QMessageBox::information(pai_, QStringLiteral("Informação"), texto);
        break;
    }
}

bool DialogosQt::pergunta(const QString& texto, bool aviso) {
    QMessageBox caixa(aviso ? QMessageBox::Warning : QMessageBox::Question,
                      aviso ? QStringLiteral("Aviso") : QStringLiteral("Confirmação"), texto,
                      QMessageBox::Yes | QMessageBox::No, pai_);
    return caixa.exec() == QMessageBox::Yes;
}

bool DialogosQt::confirmar(const QString& texto) {
    QMessageBox caixa(QMessageBox::Warning, QStringLiteral("Aviso"), texto,
                      QMessageBox::Ok | QMessageBox::Cancel, pai_);
    return caixa.exec() == QMessageBox::Ok;
}

namespace {
QFileDialog* criarDialogo(QWidget* pai, const FiltroArquivo& f, QFileDialog::AcceptMode modo) {
    auto* d = new QFileDialog(pai, f.titulo, f.pasta, f.filtro);
    d->setAttribute(Qt::WA_DeleteOnClose, false);
    d->setAcceptMode(modo);
    d->setDefaultSuffix(f.extensaoPadrao);
    if (modo == QFileDialog::AcceptSave) {
        // The overwrite question is the program's own, asked after the dialog closes.
        d->setOption(QFileDialog::DontConfirmOverwrite);
        d->selectFile(f.nomeProposto);
    } else {
        d->setFileMode(QFileDialog::ExistingFile);
    }
    return d;
}

std::optional<QString> executarDialogo(QWidget* pai, const FiltroArquivo& f,
                                       QFileDialog::AcceptMode modo) {
    std::unique_ptr<QFileDialog> d(criarDialogo(pai, f, modo));
    if (d->exec() != QDialog::Accepted || d->selectedFiles().isEmpty()) return std::nullopt;
    return d->selectedFiles().constFirst();
}
} // namespace

std::optional<QString> DialogosQt::abrirArquivo(const FiltroArquivo& f) {
    return executarDialogo(pai_, f, QFileDialog::AcceptOpen);
}

std::optional<QString> DialogosQt::salvarArquivo(const FiltroArquivo& f) {
    return executarDialogo(pai_, f, QFileDialog::AcceptSave);
}

std::optional<QString> DialogosQt::entrada(const QString& titulo, const QString& rotulo,
                                           const QString& padrao) {
    bool ok = false;
    const QString texto =
        QInputDialog::getText(pai_, titulo, rotulo, QLineEdit::Normal, padrao, &ok);
    if (!ok) return std::nullopt;
    return texto;
}

int DialogosQt::executar(QDialog& janela) {
    return janela.exec();
}

void DialogosQt::ajuda(int topico) {
    if (ajuda_) ajuda_(topico);
}

} // namespace corvel::ui
