// Destination-folder window of a multi-station download.
#include "TfrmNovaPastaWebservice.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace corvel::ui {

TfrmNovaPastaWebservice::TfrmNovaPastaWebservice(QWidget* pai) : QDialog(pai) {
    setObjectName(QStringLiteral("TfrmNovaPastaWebservice"));
    setWindowTitle(QStringLiteral("Nova pasta"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Examinar em:"), this));
    cbxUnidades_ = new QComboBox(this);
    cbxUnidades_->setObjectName(QStringLiteral("cbxUnidades"));
    for (const QFileInfo& unidade : QDir::drives())
        cbxUnidades_->addItem(QDir::toNativeSeparators(unidade.absoluteFilePath()),
                              unidade.absoluteFilePath());
    layout->addWidget(cbxUnidades_);

    pastas_ = new QFileSystemModel(this);
    pastas_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    pastas_->setRootPath(QString());
    arvore_ = new QTreeView(this);
    arvore_->setObjectName(QStringLiteral("arvorePastas"));
    arvore_->setModel(pastas_);
    for (int c = 1; c < pastas_->columnCount(); ++c)
        arvore_->hideColumn(c);
    arvore_->header()->hide();
    layout->addWidget(arvore_, 1);

    layout->addWidget(new QLabel(QStringLiteral("Sua nova pasta será criada em:"), this));
    lblCaminho_ = new QLabel(this);
    lblCaminho_->setObjectName(QStringLiteral("lblCaminho"));
    layout->addWidget(lblCaminho_);
    layout->addWidget(new QLabel(QStringLiteral("Nome da nova pasta:"), this));
    edtNome_ = new QLineEdit(this);
    edtNome_->setObjectName(QStringLiteral("edtNome"));
    layout->addWidget(edtNome_);

    auto* botoes = new QDialogButtonBox(this);
    botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("btnCancelar"));
    botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("btnOK"));
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(botoes);

    connect(cbxUnidades_, &QComboBox::activated, this,
            [this](int i) { definirPasta(cbxUnidades_->itemData(i).toString()); });
    connect(arvore_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& atual) {
                if (!atual.isValid()) return;
                selecionada_ = pastas_->filePath(atual);
                lblCaminho_->setText(QDir::toNativeSeparators(selecionada_));
            });
    // The tree reads folders in the background: the selected one comes into view as its parents
    // arrive, unless the user went elsewhere meanwhile.
    connect(pastas_, &QFileSystemModel::directoryLoaded, this, [this] {
        if (pastas_->filePath(arvore_->currentIndex()) == selecionada_)
            arvore_->scrollTo(arvore_->currentIndex(), QAbstractItemView::PositionAtCenter);
    });
    resize(380, 420);
    definirPasta(QDir::homePath());
}

void TfrmNovaPastaWebservice::definirPasta(const QString& pasta) {
    selecionada_ = QDir::cleanPath(pasta);
    lblCaminho_->setText(QDir::toNativeSeparators(selecionada_));
    for (int i = 0; i < cbxUnidades_->count(); ++i)
        if (selecionada_.startsWith(cbxUnidades_->itemData(i).toString(), Qt::CaseInsensitive))
            cbxUnidades_->setCurrentIndex(i);
    selecionarNaArvore(selecionada_);
}

void TfrmNovaPastaWebservice::selecionarNaArvore(const QString& pasta) {
    const QModelIndex i = pastas_->index(pasta);
    if (!i.isValid()) return;
    // Selecting in the tree reports the folder back: the same one.
    const QSignalBlocker bloqueio(arvore_->selectionModel());
    for (QModelIndex p = i.parent(); p.isValid(); p = p.parent())
        arvore_->expand(p);
    arvore_->setCurrentIndex(i);
    arvore_->scrollTo(i, QAbstractItemView::PositionAtCenter);
}

void TfrmNovaPastaWebservice::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    selecionarNaArvore(selecionada_);
}

QString TfrmNovaPastaWebservice::nomeNovaPasta() const {
    return edtNome_->text();
}

void TfrmNovaPastaWebservice::definirNome(const QString& nome) {
    edtNome_->setText(nome);
}

} // namespace corvel::ui
