// Window that shows a file's text.
#include "TfrmExibeArquivo.h"

#include <QFile>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace corvel::ui {

TfrmExibeArquivo::TfrmExibeArquivo(const QString& caminho, QWidget* pai)
    : QDialog(pai), memo_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("TfrmExibeArquivo"));
    setWindowTitle(QStringLiteral("Exibindo arquivo"));
    auto* menu = new QMenuBar(this);
    QAction* fechar = menu->addAction(QStringLiteral("Fechar"));
    connect(fechar, &QAction::triggered, this, &QDialog::accept);
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QFile f(caminho);
    if (f.open(QIODevice::ReadOnly))
        memo_->setPlainText(QString::fromLatin1(f.readAll()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menu);
    layout->addWidget(memo_);
    resize(800, 500);
}

QString TfrmExibeArquivo::texto() const { return memo_->toPlainText(); }

} // namespace corvel::ui
