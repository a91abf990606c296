// The station choice window of gap filling.
#include "TForm1.h"

#include "comando.h"
#include "modelospreenchimento.h"

#include "filling/textospreenchimento.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel::ui {

TForm1::TForm1(ServicoDialogos& dialogos, const std::vector<EstatisticaEstacao>& estatisticas,
               std::vector<std::size_t> oferecidas, Preencher preencher, QWidget* pai)
    : QDialog(pai), dialogos_(dialogos), preencher_(std::move(preencher)) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QString::fromUtf8(kTituloEscolhaEstacao));
    setModal(true);

    auto* texto = new QLabel(QString::fromUtf8(kTextoEscolhaEstacao), this);
    texto->setWordWrap(true);
    modelo_ = new ModeloEscolhaEstacao(estatisticas, std::move(oferecidas), this);
    connect(modelo_, &ModeloEscolhaEstacao::marcada, this, [this](std::size_t e) {
        executarComando(dialogos_, [&] {
            preencher_(e);
            accept();
        });
    });
    grdEstacoes_ = new QTableView(this);
    grdEstacoes_->setObjectName(QStringLiteral("grdEstacoes"));
    grdEstacoes_->setModel(modelo_);
    grdEstacoes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdEstacoes_->setSelectionMode(QAbstractItemView::NoSelection);
    grdEstacoes_->verticalHeader()->hide();
    grdEstacoes_->verticalHeader()->setDefaultSectionSize(22);
    grdEstacoes_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grdEstacoes_->resizeColumnsToContents();
    grdEstacoes_->setMinimumHeight(grdEstacoes_->horizontalHeader()->sizeHint().height() + 10 * 22 +
                                   4);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(texto);
    layout->addWidget(grdEstacoes_, 1);
    int largura = 24;
    for (int c = 0; c < modelo_->columnCount(); ++c)
        largura += grdEstacoes_->columnWidth(c);
    resize(std::max(largura, 600), sizeHint().height());
}

TForm1::~TForm1() = default;

} // namespace corvel::ui
