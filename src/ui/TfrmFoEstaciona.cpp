// Stationarity window: layout, hand-over from the analysis windows, tests and their triggers.
#include "TfrmFoEstaciona.h"
#include "comando.h"

#include "modelosestacionariedade.h"
#include "paginatendencia.h"
#include "servicodialogos.h"

#include "core/bancada.h"
#include "core/erros.h"
#include "core/formato.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel::ui {

namespace {

QTableView* novaGrade(QWidget* pai, QAbstractItemModel* modelo) {
    auto* g = new QTableView(pai);
    g->setModel(modelo);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(20);
    g->setWordWrap(false);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    g->horizontalHeader()->setStretchLastSection(true);
    return g;
}

// Keeps key releases of the period lists: an arrow key runs the two-sample test.
class SetasDasListas : public QObject {
  public:
    SetasDasListas(QObject* pai, std::function<void()> aoSoltar)
        : QObject(pai), aoSoltar_(std::move(aoSoltar)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyRelease) {
            const int tecla = static_cast<QKeyEvent*>(e)->key();
            if (tecla == Qt::Key_Up || tecla == Qt::Key_Down) aoSoltar_();
        }
        return false;
    }

  private:
    std::function<void()> aoSoltar_;
};

} // namespace

TfrmFoEstaciona::TfrmFoEstaciona(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai)
    : QDialog(pai), bancada_(bancada), dialogos_(dialogos) {
    setObjectName(QStringLiteral("TfrmFoEstaciona"));
    setWindowTitle(QStringLiteral("Estacionariedade"));
    setProperty("topicoAjuda", 14);
    resize(980, 620);
    modeloEntrada_ = new ModeloEntradaEstacionariedade(this);
    modeloSaida_ = new ModeloResultadosEstacionariedade(this);

    auto* layout = new QVBoxLayout(this);
    criarMenus();
    auto* info = new QGroupBox(QStringLiteral("Informações"), this);
    auto* formInfo = new QFormLayout(info);
    estacao_ = new QLineEdit(info);
    estacao_->setReadOnly(true);
    estacao_->setObjectName(QStringLiteral("ledtEstacao"));
    formInfo->addRow(QStringLiteral("Cod. Estação"), estacao_);
    layout->addWidget(info);

    auto* divisor = new QSplitter(this);
    divisor->addWidget(novaGrade(divisor, modeloEntrada_));
    paginas_ = new QTabWidget(divisor);
    paginas_->addTab(criarPagina(0), QStringLiteral("Contínua"));
    paginas_->addTab(criarPagina(1), QStringLiteral("Personalizada"));
    tendencia_ = new PaginaTendencia(paginas_);
    paginas_->addTab(tendencia_, QStringLiteral("Tendência (não paramétrico)"));
    divisor->addWidget(paginas_);
    divisor->setStretchFactor(1, 3);
    layout->addWidget(divisor, 1);

    const auto continua = comando(dialogos_, this, &TfrmFoEstaciona::Continua1Click);
    const auto personalizada = comando(dialogos_, this, &TfrmFoEstaciona::Personalizada1Click);
    const auto tendencia = comando(dialogos_, this, &TfrmFoEstaciona::Tendencia1Click);
    connect(paginas_, &QTabWidget::currentChanged, this, [=, this](int p) {
        if (testando_) return;
        if (p == kContinua)
            continua();
        else if (p == kPersonalizada)
            personalizada();
        else
            tendencia();
    });
    connect(tendencia_, &PaginaTendencia::opcoesMudaram, this, [=, this] {
        if (!testando_) tendencia();
    });
    connect(nivel_[0], &QTabBar::currentChanged, this, [=, this] {
        if (!testando_) continua();
    });
    connect(nivel_[1], &QTabBar::currentChanged, this, [=, this] {
        if (!testando_) personalizada();
    });
    for (int i : {0, 1}) {
        connect(datas_[i], &QComboBox::currentIndexChanged, this, [=, this] {
            if (!testando_) continua();
        });
        connect(anos_[i], &QComboBox::currentIndexChanged, this, [=, this] {
            if (testando_) return;
            testando_ = true;
            for (int j : {0, 1})
                datas_[j]->setCurrentIndex(anos_[j]->currentIndex());
            testando_ = false;
            continua();
        });
    }
    auto* setas = new SetasDasListas(this, personalizada);
    for (int i = 2; i < 6; ++i) {
        connect(anos_[i], &QComboBox::currentIndexChanged, this, [this, i](int indice) {
            if (!testando_) datas_[i]->setCurrentIndex(indice);
        });
        connect(anos_[i], &QComboBox::activated, this, [=, this] {
            for (int j = 2; j < 6; ++j)
                datas_[j]->setCurrentIndex(anos_[j]->currentIndex());
            personalizada();
        });
        datas_[i]->installEventFilter(setas);
        anos_[i]->installEventFilter(setas);
    }
    connect(datas_[2], &QComboBox::activated, this, personalizada);
}

QWidget* TfrmFoEstaciona::criarPagina(int pagina) {
    auto* w = new QWidget(paginas_);
    auto* layout = new QVBoxLayout(w);
    auto* form = new QFormLayout;
    auto criarListas = [&](int i, const QString& rotulo) {
        datas_[i] = new QComboBox(w);
        anos_[i] = new QComboBox(w);
        anos_[i]->hide();
        auto* par = new QHBoxLayout;
        par->addWidget(datas_[i]);
        par->addWidget(anos_[i]);
        form->addRow(rotulo, par);
    };
    if (pagina == 0) {
        criarListas(0, QStringLiteral("Data inicial"));
        criarListas(1, QStringLiteral("Data final"));
    } else {
        form->addRow(new QLabel(QStringLiteral("<b>Série 1</b>"), w));
        criarListas(2, QStringLiteral("Data inicial"));
        criarListas(3, QStringLiteral("Data final"));
        form->addRow(new QLabel(QStringLiteral("<b>Série 2</b>"), w));
        criarListas(4, QStringLiteral("Data inicial"));
        criarListas(5, QStringLiteral("Data final"));
    }
    periodoMinimo_[pagina] = new QLineEdit(QStringLiteral("5"), w);
    periodoMinimo_[pagina]->setReadOnly(true);
    form->addRow(QStringLiteral("Período mínimo"), periodoMinimo_[pagina]);
    layout->addLayout(form);
    nivel_[pagina] = new QTabBar(w);
    nivel_[pagina]->addTab(QStringLiteral("1%"));
    nivel_[pagina]->addTab(QStringLiteral("5%"));
    nivel_[pagina]->setExpanding(false);
    layout->addWidget(nivel_[pagina]);
    layout->addWidget(novaGrade(w, modeloSaida_), 1);
    for (const char* legenda :
         {"1) H0 (Variância): Homogeneidade da variância", "2) H0 (Média): Homogeneidade da média",
          "3) s² = Variância da série", "4) Xm = Média da série"})
        layout->addWidget(new QLabel(QString::fromUtf8(legenda), w));
    return w;
}

void TfrmFoEstaciona::LimparDadosEntrada() {
    dados_.clear();
    mostrarEntrada(dados_);
}

void TfrmFoEstaciona::definirPeriodoMinimo(const QString& texto) {
    for (QLineEdit* e : periodoMinimo_)
        e->setText(texto);
}

bool TfrmFoEstaciona::AdicionarDadoEntrada(const QString& dataTexto, const QString& rotulo,
                                           double valor) {
    try {
        dados_.push_back({lerData(dataTexto), rotulo, valor});
    } catch (const Erro&) {
        dialogos_.mensagem(Gravidade::Erro, QStringLiteral("Crie uma base de dados"));
        return false;
    }
    mostrarEntrada(dados_);
    return true;
}

void TfrmFoEstaciona::preencherListas(const QStringList& anos, bool porAno) {
    testando_ = true;
    const int k = static_cast<int>(dados_.size());
    for (std::size_t i = 0; i < datas_.size(); ++i) {
        datas_[i]->clear();
        anos_[i]->clear();
        for (int j = 0; j < k; ++j) {
            datas_[i]->addItem(formatarData(dados_[static_cast<std::size_t>(j)].data));
            anos_[i]->addItem(
                j < anos.size() ? anos[j]
                                : QString::number(dados_[static_cast<std::size_t>(j)].data.year()));
        }
        datas_[i]->setVisible(!porAno);
        anos_[i]->setVisible(porAno);
    }
    const std::array<int, 6> escolha = selecaoInicial(k);
    for (std::size_t i = 0; i < datas_.size(); ++i) {
        datas_[i]->setCurrentIndex(escolha[i]);
        anos_[i]->setCurrentIndex(escolha[i]);
    }
    testando_ = false;
}

void TfrmFoEstaciona::definirEstacao(const QString& codigo) {
    estacao_->setText(codigo);
}

void TfrmFoEstaciona::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    Continua1Click();
}

NivelSignificancia TfrmFoEstaciona::nivel(int pagina) const {
    return nivel_[static_cast<std::size_t>(pagina)]->currentIndex() == 0
               ? NivelSignificancia::Um
               : NivelSignificancia::Cinco;
}

std::optional<QDate> TfrmFoEstaciona::dataDaLista(int i) const {
    try {
        return lerData(datas_[static_cast<std::size_t>(i)]->currentText());
    } catch (const Erro&) {
        return std::nullopt;
    }
}

void TfrmFoEstaciona::Continua1Click() {
    testando_ = true;
    paginas_->setCurrentIndex(0);
    testando_ = false;
    const auto inicio = dataDaLista(0), fim = dataDaLista(1);
    if (!inicio || !fim) return; // unreadable dates stop the test silently
    if (*fim > *inicio) mostrarEntrada(filtrarPeriodo(dados_, *inicio, *fim));
    mostrarResultados(testeContinuo(dados_, *inicio, *fim, nivel(0)));
}

void TfrmFoEstaciona::Personalizada1Click() {
    testando_ = true;
    paginas_->setCurrentIndex(1);
    testando_ = false;
    std::array<QDate, 4> d;
    for (int i = 0; i < 4; ++i) {
        const auto data = dataDaLista(i + 2);
        if (!data) return;
        d[static_cast<std::size_t>(i)] = *data;
    }
    const ResultadoEstacionariedade r =
        testePersonalizado(dados_, d[0], d[1], d[2], d[3], nivel(1));
    if (r.refeito) {
        std::vector<DadoEntrada> ambos = filtrarPeriodo(dados_, d[0], d[1]);
        for (const DadoEntrada& x : filtrarPeriodo(dados_, d[2], d[3]))
            ambos.push_back(x);
        mostrarEntrada(ambos);
    }
    mostrarResultados(r);
}

void TfrmFoEstaciona::Tendencia1Click() {
    testando_ = true;
    paginas_->setCurrentIndex(kTendencia);
    testando_ = false;
    analiseTendencia_.reset();
    tendencia_->limpar();
    mostrarEntrada(dados_);
    analiseTendencia_ = analisarTendencia(dados_, tendencia_->nivel(), tendencia_->correcao());
    tendencia_->mostrar(*analiseTendencia_);
}

const std::vector<LinhaEstacionariedade>& TfrmFoEstaciona::resultados() const {
    return modeloSaida_->linhas();
}
QAbstractItemModel* TfrmFoEstaciona::modeloResultados() const {
    return modeloSaida_;
}
QAbstractItemModel* TfrmFoEstaciona::modeloEntrada() const {
    return modeloEntrada_;
}

void TfrmFoEstaciona::mostrarEntrada(const std::vector<DadoEntrada>& visiveis) {
    modeloEntrada_->definir(visiveis);
}

void TfrmFoEstaciona::mostrarResultados(const ResultadoEstacionariedade& r) {
    if (r.refeito) modeloSaida_->definir(r.linhas);
    if (r.mensagem) dialogos_.mensagem(r.mensagem->gravidade, r.mensagem->texto);
}

} // namespace corvel::ui
