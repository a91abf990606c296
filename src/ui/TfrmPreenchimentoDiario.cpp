// The daily gap-filling dialog.
#include "TfrmPreenchimentoDiario.h"

#include "comando.h"
#include "cursorocupado.h"
#include "modelosregularizacao.h"
#include "saidas.h"

#include "core/projeto.h"
#include "filling/arquivopreenchimento.h"
#include "filling/tabelaspreenchimento.h"
#include "filling/textospreenchimento.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel::ui {

namespace {

QTableView* tabela(QWidget* pai, ModeloTextos* modelo, const char* nome) {
    auto* t = new QTableView(pai);
    t->setObjectName(QString::fromLatin1(nome));
    t->setModel(modelo);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(20);
    return t;
}

SerieTabela ler(const QString& arquivo) {
    try {
        return lerEstacaoPreenchimento(arquivo);
    } catch (const Erro& e) {
        throw Erro(QFileInfo(arquivo).fileName() + QStringLiteral(": ") + e.mensagem(),
                   e.gravidade());
    }
}

} // namespace

TfrmPreenchimentoDiario::TfrmPreenchimentoDiario(ServicoDialogos& dialogos, QWidget* pai)
    : QDialog(pai), dialogos_(dialogos) {
    setObjectName(QStringLiteral("TfrmPreenchimentoDiario"));
    setWindowTitle(QStringLiteral("Preenchimento diário"));
    resize(760, 560);
    auto* v = new QVBoxLayout(this);
    auto* campos = new QFormLayout;
    v->addLayout(campos);
    const auto arquivo = [&](const char* nome, const char* botao, QLineEdit*& edit,
                             void (TfrmPreenchimentoDiario::*metodo)()) {
        auto* linha = new QHBoxLayout;
        edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(nome));
        edit->setReadOnly(true);
        auto* b = new QPushButton(QStringLiteral("Escolher..."), this);
        b->setObjectName(QString::fromLatin1(botao));
        connect(b, &QPushButton::clicked, this, comando(dialogos_, this, metodo));
        linha->addWidget(edit, 1);
        linha->addWidget(b);
        return linha;
    };
    campos->addRow(QStringLiteral("Estação base"),
                   arquivo("edtBase", "btnBase", base_, &TfrmPreenchimentoDiario::btnBaseClick));
    campos->addRow(QStringLiteral("Estação auxiliar"),
                   arquivo("edtAuxiliar", "btnAuxiliar", auxiliar_,
                           &TfrmPreenchimentoDiario::btnAuxiliarClick));
    metodo_ = new QComboBox(this);
    metodo_->setObjectName(QStringLiteral("cmbMetodo"));
    metodo_->addItems({QStringLiteral("Mínimos quadrados (MQO)"),
                       QStringLiteral("MOVE.1 (mantém a variância)")});
    campos->addRow(QStringLiteral("Método"), metodo_);
    auto* escala = new QHBoxLayout;
    logaritmos_ = new QCheckBox(QStringLiteral("Reta nos logaritmos das vazões"), this);
    logaritmos_->setObjectName(QStringLiteral("chkLogaritmos"));
    porMes_ = new QCheckBox(QStringLiteral("Uma reta por mês"), this);
    porMes_->setObjectName(QStringLiteral("chkPorMes"));
    escala->addWidget(logaritmos_);
    escala->addWidget(porMes_);
    escala->addStretch(1);
    campos->addRow(QString(), escala);
    lacuna_ = new QSpinBox(this);
    lacuna_->setObjectName(QStringLiteral("spnLacuna"));
    lacuna_->setRange(1, 366);
    lacuna_->setValue(kLacunaMaximaPadrao);
    lacuna_->setSuffix(QStringLiteral(" dias"));
    campos->addRow(QStringLiteral("Lacuna máxima"), lacuna_);

    auto* calcular = new QPushButton(QStringLiteral("Calcular"), this);
    calcular->setObjectName(QStringLiteral("btnCalcular"));
    connect(calcular, &QPushButton::clicked, this,
            comando(dialogos_, this, &TfrmPreenchimentoDiario::btnCalcularClick));
    auto* linhaCalcular = new QHBoxLayout;
    linhaCalcular->addWidget(calcular);
    linhaCalcular->addStretch(1);
    v->addLayout(linhaCalcular);

    lblResumo_ = new QLabel(this);
    lblResumo_->setObjectName(QStringLiteral("lblResumo"));
    lblResumo_->setWordWrap(true);
    lblResumo_->setText(QStringLiteral("Escolha as duas estações e clique em \"Calcular\": as "
                                       "lacunas não mais longas que a lacuna máxima são "
                                       "preenchidas onde a auxiliar tem vazão, e os dias "
                                       "preenchidos levam o sinal \"preenchido\"."));
    v->addWidget(lblResumo_);
    auto* abas = new QTabWidget(this);
    modeloRetas_ = new ModeloTextos(tabelaRetas({}).titulos, this);
    abas->addTab(tabela(abas, modeloRetas_, "grdRetas"), QStringLiteral("Retas"));
    modeloValidacao_ = new ModeloTextos(tabelaValidacaoCruzada(QString(), {}, {}).titulos, this);
    abas->addTab(tabela(abas, modeloValidacao_, "grdValidacao"),
                 QStringLiteral("Validação cruzada"));
    v->addWidget(abas, 1);

    auto* botoes = new QDialogButtonBox(this);
    auto* preencher =
        botoes->addButton(QStringLiteral("Preencher e salvar..."), QDialogButtonBox::ActionRole);
    preencher->setObjectName(QStringLiteral("btnPreencher"));
    connect(preencher, &QPushButton::clicked, this,
            comando(dialogos_, this, &TfrmPreenchimentoDiario::btnPreencherClick));
    auto* fechar = botoes->addButton(QStringLiteral("Fechar"), QDialogButtonBox::RejectRole);
    fechar->setObjectName(QStringLiteral("btnFechar"));
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    v->addWidget(botoes);
}

OpcoesDiario TfrmPreenchimentoDiario::opcoes() const {
    OpcoesDiario o;
    o.reta.metodo = metodo_->currentIndex() == 1 ? MetodoReta::Move1 : MetodoReta::MinimosQuadrados;
    o.reta.logaritmos = logaritmos_->isChecked();
    o.reta.porMes = porMes_->isChecked();
    o.lacunaMaxima = lacuna_->value();
    return o;
}

std::optional<QString> TfrmPreenchimentoDiario::escolherProjeto(const QString& titulo) {
    return dialogos_.abrirArquivo(
        {titulo, filtroQt(QStringLiteral("Arquivos do Corvel 1.0 (*.cvl)|*.cvl")), QStringLiteral("cvl")});
}

void TfrmPreenchimentoDiario::btnBaseClick() {
    if (const auto a = escolherProjeto(QStringLiteral("Estação base"))) base_->setText(*a);
}

void TfrmPreenchimentoDiario::btnAuxiliarClick() {
    if (const auto a = escolherProjeto(QStringLiteral("Estação auxiliar"))) auxiliar_->setText(*a);
}

void TfrmPreenchimentoDiario::btnCalcularClick() {
    if (base_->text().isEmpty() || auxiliar_->text().isEmpty())
        throw Erro(QStringLiteral("Escolha a estação base e a estação auxiliar."), Gravidade::Aviso);
    CursorOcupado ocupado;
    const OpcoesDiario o = opcoes();
    resultado_ = avaliarPreenchimentoDiario(ler(base_->text()), ler(auxiliar_->text()), o);
    modeloRetas_->definir(tabelaRetas(resultado_->modelo).linhas);
    modeloValidacao_->definir(tabelaValidacaoCruzada(QFileInfo(auxiliar_->text()).completeBaseName(),
                                                     resultado_->vcMqo, resultado_->vcMove1)
                                  .linhas);
    QString t = QStringLiteral("%1 dia(s) com vazão nas duas estações. Método: %2. ")
                    .arg(resultado_->pares)
                    .arg(textoOpcoes(o.reta));
    if (const auto r = recomendar(resultado_->vcMqo, resultado_->vcMove1))
        t += r->motivo + u' ';
    t += QStringLiteral("Ao preencher: ") + resultado_->texto(o.lacunaMaxima);
    lblResumo_->setText(t);
}

void TfrmPreenchimentoDiario::btnPreencherClick() {
    btnCalcularClick(); // what is filled is what the window shows
    const QFileInfo base(base_->text());
    const std::optional<QString> destino = pedirArquivoParaGravar(
        dialogos_, {QStringLiteral("Salvar série preenchida"),
                    filtroQt(QStringLiteral("Arquivos do Corvel 1.0 (*.cvl)|*.cvl")), QStringLiteral("cvl"),
                    base.completeBaseName() + QStringLiteral("_preenchida.cvl")});
    if (!destino) return;
    ResultadoDiario r;
    {
        CursorOcupado ocupado;
        SerieTabela serie = ler(base_->text());
        r = preencherDiario(serie, ler(auxiliar_->text()), opcoes());
        gravarProjeto(*destino, serie);
    }
    dialogos_.mensagem(Gravidade::Informacao,
                       r.texto(opcoes().lacunaMaxima) + kQuebraLinha +
                           QStringLiteral("Série gravada em ") +
                           QDir::toNativeSeparators(*destino) + u'.');
}

} // namespace corvel::ui
