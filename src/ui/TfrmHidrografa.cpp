// The hydrograph window: the year list, the limits text, "Curva-chave", "Salvar" and "Imprimir".
#include "TfrmHidrografa.h"

#include "TfrmCurvaChave.h"
#include "comando.h"
#include "cursorocupado.h"
#include "graficohidrograma.h"
#include "graficos.h"
#include "saidas.h"

#include "analyses/hidrograma.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvel::ui {

namespace {
constexpr int kTopicoHidrografa = 17;
} // namespace

TfrmHidrografa::TfrmHidrografa(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai)
    : QDialog(pai), bancada_(bancada), dialogos_(dialogos) {
    setObjectName(QStringLiteral("TfrmHidrografa"));
    setWindowTitle(QStringLiteral("Hidrograma"));
    setProperty("topicoAjuda", kTopicoHidrografa);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(1000, 650);
    auto* v = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    topo->addWidget(new QLabel(QStringLiteral("Hidrógrafas:"), this));
    lista_ = new QComboBox(this);
    lista_->setObjectName(QStringLiteral("lstHidrografas"));
    lista_->setMinimumWidth(170);
    topo->addWidget(lista_);
    limites_ = new QLabel(this);
    limites_->setObjectName(QStringLiteral("lblCurvaChave"));
    topo->addWidget(limites_, 1);
    const auto botao = [this, topo](const char* nome, const QString& legenda, const QString& dica,
                                    void (TfrmHidrografa::*metodo)()) {
        auto* b = new QPushButton(legenda, this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setToolTip(dica);
        b->setAutoDefault(false);
        topo->addWidget(b);
        connect(b, &QPushButton::clicked, this, comando(dialogos_, this, metodo));
    };
    botao("btnCurvaChave", QStringLiteral("Curva-chave"),
          QStringLiteral("Valores medidos extremos da curva-chave"),
          &TfrmHidrografa::btnCurvaChaveClick);
    botao("btnSalvar", QStringLiteral("Salvar"),
          QStringLiteral("Exportar gráfico como imagem (*.bmp)"), &TfrmHidrografa::btnSalvarClick);
    botao("btnImprimir", QStringLiteral("Imprimir"), QStringLiteral("Imprime"),
          &TfrmHidrografa::btnImprimirClick);
    v->addLayout(topo);
    grafico_ = new GraficoHidrograma(this);
    grafico_->setObjectName(QStringLiteral("chtHidrografa"));
    v->addWidget(grafico_, 1);

    for (const EntradaHidrografa& e : listaHidrografas(bancada_.serie))
        lista_->addItem(e.texto, e.ano ? QVariant(*e.ano) : QVariant());
    limites_->setText(corvel::textoLimites(bancada_.limitesCurvaChave));
    connect(lista_, &QComboBox::currentIndexChanged, this,
            comando(dialogos_, this, &TfrmHidrografa::lstHidrografasChange));

    // The window has no menu: F1 is an action of its own.
    auto* ajuda = new QAction(QStringLiteral("Conteúdo da ajuda"), this);
    ajuda->setObjectName(QStringLiteral("Conteudodaajuda1"));
    ajuda->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(ajuda);
    connect(ajuda, &QAction::triggered, this, [this] { dialogos_.ajuda(kTopicoHidrografa); });
}

QPushButton* TfrmHidrografa::botao(const char* nome) const {
    return findChild<QPushButton*>(QString::fromLatin1(nome));
}

QString TfrmHidrografa::textoLimites() const {
    return limites_->text();
}

void TfrmHidrografa::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!evento->spontaneous()) desenharPrimeiroAno();
}

void TfrmHidrografa::desenharPrimeiroAno() {
    if (lista_->count() < 2) return;
    if (lista_->currentIndex() == 1)
        lstHidrografasChange(); // the same entry: draw it again all the same
    else
        lista_->setCurrentIndex(1);
}

void TfrmHidrografa::lstHidrografasChange() {
    const QVariant ano = lista_->currentData();
    if (lista_->currentIndex() < 0) return;
    if (ano.isValid()) {
        grafico_->desenhar(
            hidrogramaAnual(bancada_.serie, ano.toInt(), bancada_.limitesCurvaChave));
        return;
    }
    CursorOcupado ocupado;
    grafico_->desenhar(hidrogramaCompleto(bancada_.serie, bancada_.limitesCurvaChave));
}

void TfrmHidrografa::btnCurvaChaveClick() {
    TfrmCurvaChave curva(bancada_, dialogos_, this);
    dialogos_.executar(curva);
    limites_->setText(corvel::textoLimites(bancada_.limitesCurvaChave));
    // The year on screen is drawn again with the new lines: the user was looking at it.
    lstHidrografasChange();
}

void TfrmHidrografa::btnSalvarClick() {
    const auto arquivo = pedirArquivoParaGravar(
        dialogos_, {QStringLiteral("Salvar gráfico"),
                    QStringLiteral("Arquivo de imagem(*.bmp);;Imagem PNG (*.png)"),
                    QStringLiteral("bmp"), QStringLiteral("Hidrograma.bmp")});
    if (arquivo) gravarImagemGrafico(*grafico_, *arquivo);
}

void TfrmHidrografa::btnImprimirClick() {
    imprimirGrafico(*grafico_, dialogos_);
}

} // namespace corvel::ui
