// The grant sheet's options.
#include "TfrmOpcoesFicha.h"

#include "comando.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>

namespace corvel::ui {

namespace {
const QString kOutroArquivo = QStringLiteral("Outro arquivo...");
} // namespace

TfrmOpcoesFicha::TfrmOpcoesFicha(const QString& pastaPrograma, ServicoDialogos& dialogos,
                                 QWidget* pai)
    : QDialog(pai), dialogos_(dialogos) {
    setObjectName(QStringLiteral("TfrmOpcoesFicha"));
    setWindowTitle(QStringLiteral("Ficha de vazões de referência"));
    auto* v = new QVBoxLayout(this);
    auto* campos = new QFormLayout;
    v->addLayout(campos);

    duracao_ = new QSpinBox(this);
    duracao_->setObjectName(QStringLiteral("spnDuracao"));
    duracao_->setRange(1, 365);
    duracao_->setValue(7);
    duracao_->setSuffix(QStringLiteral(" dias"));
    campos->addRow(QStringLiteral("Duração das mínimas"), duracao_);
    periodo_ = new QSpinBox(this);
    periodo_->setObjectName(QStringLiteral("spnPeriodo"));
    periodo_->setRange(2, 10000);
    periodo_->setValue(10);
    periodo_->setSuffix(QStringLiteral(" anos"));
    campos->addRow(QStringLiteral("Período de retorno"), periodo_);

    criterio_ = new QComboBox(this);
    criterio_->setObjectName(QStringLiteral("cmbCriterio"));
    criterio_->addItem(QStringLiteral("Nenhum"));
    for (const QString& arquivo : criteriosDeExemplo(pastaPrograma)) {
        try {
            criterios_.push_back(lerCriterio(arquivo));
            criterio_->addItem(criterios_.back().nome);
        } catch (const Erro&) {
            // A damaged example is left out of the list; the others stay usable.
        }
    }
    criterio_->addItem(kOutroArquivo);
    campos->addRow(QStringLiteral("Critério de outorga"), criterio_);
    fonte_ = new QLabel(this);
    fonte_->setObjectName(QStringLiteral("lblFonte"));
    fonte_->setWordWrap(true);
    fonte_->setMinimumWidth(420);
    // Room for a long source line: the dialog keeps its size as the choice changes.
    fonte_->setMinimumHeight(4 * fonte_->fontMetrics().lineSpacing());
    fonte_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    campos->addRow(QString(), fonte_);
    connect(criterio_, &QComboBox::activated, this,
            comando(dialogos_, this, &TfrmOpcoesFicha::criterioEscolhido));
    connect(criterio_, &QComboBox::currentIndexChanged, this, [this] { mostrarFonte(); });

    mensal_ = new QCheckBox(QStringLiteral("Página de vazões de referência mensais"), this);
    mensal_->setObjectName(QStringLiteral("chkMensal"));
    mensal_->setChecked(true);
    campos->addRow(QString(), mensal_);
    estacoes_ = new QLineEdit(this);
    estacoes_->setObjectName(QStringLiteral("edtEstacoes"));
    estacoes_->setPlaceholderText(QStringLiteral("ex.: 6-9 10-3"));
    estacoes_->setToolTip(QStringLiteral("Cada estação do ano pelos meses de início e fim, "
                                         "separadas por espaço: 6-9 é de junho a setembro, 10-3 de "
                                         "outubro a março."));
    campos->addRow(QStringLiteral("Estações do ano"), estacoes_);
    connect(mensal_, &QCheckBox::toggled, estacoes_, &QWidget::setEnabled);

    auto* botoes = new QDialogButtonBox(this);
    auto* ok = botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOK"));
    auto* cancelar = botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    cancelar->setObjectName(QStringLiteral("btnCancelar"));
    connect(botoes, &QDialogButtonBox::accepted, this, &TfrmOpcoesFicha::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    v->addWidget(botoes);
    mostrarFonte();
}

void TfrmOpcoesFicha::criterioEscolhido(int indice) {
    if (criterio_->itemText(indice) != kOutroArquivo || indice != criterio_->count() - 1) {
        anterior_ = indice;
        return;
    }
    criterio_->setCurrentIndex(anterior_); // until a file is read
    const std::optional<QString> arquivo = dialogos_.abrirArquivo(
        {QStringLiteral("Abrir critério de outorga"),
         QStringLiteral("Critérios de outorga (*.criterio)"), QStringLiteral("criterio")});
    if (!arquivo) return;
    criterios_.push_back(lerCriterio(*arquivo)); // a damaged file is refused with its line
    criterio_->insertItem(indice, criterios_.back().nome);
    criterio_->setCurrentIndex(indice);
    anterior_ = indice;
}

void TfrmOpcoesFicha::mostrarFonte() {
    const int i = criterio_->currentIndex();
    if (i <= 0 || i > static_cast<int>(criterios_.size())) {
        fonte_->setText(QStringLiteral("Sem critério: a ficha dá as vazões de referência."));
        return;
    }
    const CriterioOutorga& c = criterios_[static_cast<std::size_t>(i - 1)];
    QString t = QStringLiteral("%1 da %2, base %3 (%4). Fonte: %5")
                    .arg(QString::number(100 * c.fracao) + u'%', c.textoReferencia(),
                         c.mensal ? QStringLiteral("mensal") : QStringLiteral("anual"), c.arquivo,
                         c.fonte.isEmpty() ? QStringLiteral("não informada") : c.fonte);
    if (c.exemplo)
        t += QStringLiteral("\nExemplo tirado da literatura: confira na norma em vigor.");
    fonte_->setText(t);
}

void TfrmOpcoesFicha::accept() {
    lidas_.clear();
    if (mensal_->isChecked())
        for (const QString& parte : estacoes_->text().split(QRegularExpression(QStringLiteral("[\\s;]+")),
                                                            Qt::SkipEmptyParts)) {
            const std::optional<EstacaoDoAno> e = lerEstacaoDoAno(parte);
            if (!e) {
                dialogos_.mensagem(Gravidade::Erro,
                                   QStringLiteral("Estação do ano inválida: \"%1\". Use os meses "
                                                  "de início e fim, de 1 a 12, como 6-9.")
                                       .arg(parte));
                estacoes_->setFocus();
                return;
            }
            lidas_.push_back(*e);
        }
    QDialog::accept();
}

OpcoesResumo TfrmOpcoesFicha::opcoes() const {
    OpcoesResumo o;
    o.duracao = duracao_->value();
    o.periodo = periodo_->value();
    o.mensal = mensal_->isChecked();
    o.estacoes = lidas_;
    const int i = criterio_->currentIndex();
    if (i > 0 && i <= static_cast<int>(criterios_.size()))
        o.criterio = criterios_[static_cast<std::size_t>(i - 1)];
    return o;
}

} // namespace corvel::ui
