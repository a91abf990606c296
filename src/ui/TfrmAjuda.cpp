// Help window over the HTML topic pages.
#include "TfrmAjuda.h"

#include <QDir>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace corvel::ui {

TfrmAjuda::TfrmAjuda(QString pasta, QWidget* pai)
    : QDialog(pai, Qt::Window), pasta_(std::move(pasta)), navegador_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Ajuda do Corvel 1.0"));
    setObjectName(QStringLiteral("TfrmAjuda"));
    navegador_->setOpenLinks(true);
    navegador_->setOpenExternalLinks(false);
    navegador_->setSearchPaths({pasta_});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(navegador_);
    setFocusProxy(navegador_); // the page scrolls with the keys as soon as it opens
    resize(720, 560);
}

void TfrmAjuda::mostrarTopico(int topico) {
    topico_ = topico;
    const QString pagina = QDir(pasta_).filePath(QStringLiteral("%1.html").arg(topico));
    if (QFile::exists(pagina))
        navegador_->setSource(QUrl::fromLocalFile(pagina));
    else
        navegador_->setHtml(QStringLiteral("<p>O tópico de ajuda %1 não foi encontrado em %2.</p>")
                                .arg(topico)
                                .arg(QDir::toNativeSeparators(pasta_).toHtmlEscaped()));
    show();
    raise();
    activateWindow();
    navegador_->setFocus();
}

QString TfrmAjuda::texto() const {
    return navegador_->toPlainText();
}

} // namespace corvel::ui
