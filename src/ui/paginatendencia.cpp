// The trend page of the stationarity window: its grid model, its chart and its controls.
#include "paginatendencia.h"
#include "graficos.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QSplitter>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <limits>

namespace corvel::ui {

void ModeloTendencia::definir(std::vector<LinhaTendencia> linhas) {
    beginResetModel();
    linhas_ = std::move(linhas);
    endResetModel();
}

int ModeloTendencia::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(linhas_.size());
}

int ModeloTendencia::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : 2;
}

QVariant ModeloTendencia::data(const QModelIndex& i, int papel) const {
    if (!i.isValid() || i.row() >= rowCount()) return {};
    const LinhaTendencia& l = linhas_[static_cast<std::size_t>(i.row())];
    switch (papel) {
    case Qt::DisplayRole:
        return i.column() == 0 ? l.grandeza : l.texto;
    case Qt::TextAlignmentRole:
        return i.column() == 1 ? int(Qt::AlignRight | Qt::AlignVCenter)
                               : int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        return i.column() == 1 && l.rejeitada ? QVariant(QColor(Qt::red)) : QVariant();
    default:
        return {};
    }
}

QVariant ModeloTendencia::headerData(int secao, Qt::Orientation o, int papel) const {
    if (o != Qt::Horizontal || papel != Qt::DisplayRole || secao < 0 || secao > 1) return {};
    return titulosTendencia()[static_cast<std::size_t>(secao)];
}

GraficoTendenciaVista::GraficoTendenciaVista(QWidget* pai) : QChartView(pai) {
    setObjectName(QStringLiteral("chtTendencia"));
    setRenderHint(QPainter::Antialiasing);
    auto* grafico = new QChart;
    prepararGrafico(*grafico);
    grafico->setTitle(QStringLiteral("Série, reta de Sen e ponto de mudança (Pettitt)"));
    grafico->legend()->setAlignment(Qt::AlignBottom);
    QLocale anos = grafico->locale(); // years read 1990, not 1.990
    anos.setNumberOptions(QLocale::OmitGroupSeparator);
    grafico->setLocale(anos);
    setChart(grafico);
}

void GraficoTendenciaVista::desenhar(const GraficoTendencia& g) {
    QChart* grafico = chart();
    grafico->removeAllSeries();
    for (QAbstractAxis* eixo : grafico->axes())
        grafico->removeAxis(eixo);
    auto* pontos = new QScatterSeries;
    pontos->setName(QStringLiteral("Vazão (m³/s)"));
    pontos->setMarkerSize(8);
    pontos->setColor(QColor(25, 118, 210));
    double menor = std::numeric_limits<double>::infinity(), maior = -menor;
    for (const auto& [x, y] : g.valores) {
        pontos->append(x, y);
        menor = std::min(menor, y);
        maior = std::max(maior, y);
    }
    auto* sen = new QLineSeries;
    sen->setName(QStringLiteral("Reta de Sen"));
    sen->setPen(QPen(QColor(211, 47, 47), 2));
    sen->append(g.senInicio.first, g.senInicio.second);
    sen->append(g.senFim.first, g.senFim.second);
    for (double y : {g.senInicio.second, g.senFim.second}) {
        menor = std::min(menor, y);
        maior = std::max(maior, y);
    }
    auto* medias = new QLineSeries;
    medias->setName(QStringLiteral("Médias antes e depois da mudança"));
    medias->setPen(QPen(QColor(0, 128, 0), 2, Qt::DashLine));
    medias->append(g.trechoAntes.first, g.mediaAntes);
    medias->append(g.trechoAntes.second, g.mediaAntes);
    medias->append(g.mudanca, g.mediaAntes);
    medias->append(g.mudanca, g.mediaDepois);
    medias->append(g.trechoDepois.first, g.mediaDepois);
    medias->append(g.trechoDepois.second, g.mediaDepois);
    auto* mudanca = new QLineSeries;
    mudanca->setName(QStringLiteral("Ponto de mudança (Pettitt)"));
    mudanca->setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
    if (menor == maior) maior = menor + 1;
    auto* eixoX = new QValueAxis;
    eixoX->setTitleText(QStringLiteral("Ano"));
    auto* eixoY = new QValueAxis;
    eixoY->setTitleText(QStringLiteral("Vazão (m³/s)"));
    ajustarEixo(eixoY, std::min(menor, 0.0), maior);
    ajustarEixoExato(eixoX, g.valores.front().first - 0.5, g.valores.back().first + 0.5);
    mudanca->append(g.mudanca, eixoY->min());
    mudanca->append(g.mudanca, eixoY->max());
    grafico->addAxis(eixoX, Qt::AlignBottom);
    grafico->addAxis(eixoY, Qt::AlignLeft);
    for (QXYSeries* s : std::initializer_list<QXYSeries*>{pontos, sen, medias, mudanca}) {
        grafico->addSeries(s);
        s->attachAxis(eixoX);
        s->attachAxis(eixoY);
    }
}

PaginaTendencia::PaginaTendencia(QWidget* pai) : QWidget(pai) {
    auto* layout = new QVBoxLayout(this);
    nivel_ = new QTabBar(this);
    nivel_->setObjectName(QStringLiteral("tabNivelTendencia"));
    nivel_->addTab(QStringLiteral("1%"));
    nivel_->addTab(QStringLiteral("5%"));
    nivel_->setExpanding(false);
    layout->addWidget(nivel_);
    hamedRao_ = new QCheckBox(
        QStringLiteral("Corrigir a variância pela autocorrelação (Hamed e Rao, 1998)"), this);
    hamedRao_->setObjectName(QStringLiteral("chkHamedRao"));
    layout->addWidget(hamedRao_);
    auto* divisor = new QSplitter(Qt::Vertical, this);
    modelo_ = new ModeloTendencia(this);
    auto* grade = new QTableView(divisor);
    grade->setModel(modelo_);
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->verticalHeader()->hide();
    grade->verticalHeader()->setDefaultSectionSize(20);
    grade->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grade->horizontalHeader()->setStretchLastSection(true);
    divisor->addWidget(grade);
    grafico_ = new GraficoTendenciaVista(divisor);
    grafico_->setMinimumHeight(260);
    divisor->addWidget(grafico_);
    divisor->setStretchFactor(0, 1);
    divisor->setStretchFactor(1, 1);
    layout->addWidget(divisor, 1);
    layout->addWidget(
        new QLabel(QStringLiteral("1) H0 (Sem tendência): Mann-Kendall, sem tendência monotônica; "
                                  "2) H0 (Sem mudança): Pettitt, sem mudança de nível"),
                   this));
    connect(nivel_, &QTabBar::currentChanged, this, &PaginaTendencia::opcoesMudaram);
    connect(hamedRao_, &QCheckBox::toggled, this, &PaginaTendencia::opcoesMudaram);
}

NivelSignificancia PaginaTendencia::nivel() const {
    return nivel_->currentIndex() == 0 ? NivelSignificancia::Um : NivelSignificancia::Cinco;
}

CorrecaoSerial PaginaTendencia::correcao() const {
    return hamedRao_->isChecked() ? CorrecaoSerial::HamedRao : CorrecaoSerial::Nenhuma;
}

void PaginaTendencia::mostrar(const AnaliseTendencia& analise) {
    modelo_->definir(resultadosTendencia(analise));
    grafico_->desenhar(graficoTendencia(analise));
}

void PaginaTendencia::limpar() {
    modelo_->definir({});
    grafico_->chart()->removeAllSeries();
}

} // namespace corvel::ui
