// The distribution window driven as the flow windows hand events over and as the user works it.
#include "dialogosroteiro.h"

#include "core/bancada.h"
#include "exchange/exportaexcel.h"
#include "ui/TfrmDistribution.h"
#include "ui/graficosdistribuicao.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCategoryAxis>
#include <QChart>
#include <QCheckBox>
#include <QFile>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QValueAxis>

using namespace corvel;
using corvel::teste::DialogosRoteiro;

namespace {

// Annual flood peaks of a mid-sized river (m³/s), 1981 to 2010, in the order they occurred.
const double kMaximas[] = {812.4,  1045.0, 693.2,  1530.7, 920.3,  758.9,  1210.5, 884.1,
                           2034.6, 967.8,  731.5,  1105.2, 846.0,  1388.9, 905.7,  654.3,
                           1176.4, 999.1,  1620.8, 789.6,  1052.3, 871.2,  1297.5, 942.6,
                           717.8,  1843.0, 1011.4, 828.7,  1139.9, 960.2};

const QColor kVerde(0, 128, 0);

class Distribuicoes : public ::testing::Test {
  protected:
    Distribuicoes() : bancada(pasta.path()), janela(bancada, dialogos) {}

    void entregar(bool maximos, std::span<const double> valores) {
        janela.EventosMaximos = maximos;
        janela.IniciarAnalise();
        int ano = 1981;
        for (double v : valores)
            ASSERT_TRUE(janela.AdicionarEvento(QString::number(ano++), v));
        janela.definirEstacao(QStringLiteral("56110005"));
    }
    QStringList nomesNaTabela() const {
        QStringList r;
        for (int l = 0; l < janela.modeloResultados()->rowCount(); ++l)
            r << janela.modeloResultados()->index(l, 0).data().toString();
        return r;
    }
    bool abaVisivel(int p) const { return janela.paginas()->isTabVisible(p); }
    int contar(const QString& texto) const {
        return static_cast<int>(
            std::count(dialogos.mostrados.begin(), dialogos.mostrados.end(), texto));
    }

    QTemporaryDir pasta;
    Bancada bancada;
    DialogosRoteiro dialogos;
    ui::TfrmDistribution janela;
};

TEST_F(Distribuicoes, MaximasCalculadasAoMostrarComAJanelaDeProgressoDeVerdade) {
    entregar(true, kMaximas);
    dialogos.aoExecutar = [](QDialog& d) { return d.exec(); }; // its timer runs the work
    janela.show();

    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Análise Estatística - Eventos máximos"));
    EXPECT_EQ(contar(QStringLiteral("Janela: Calculando, aguarde...")), 1);
    for (int p = 0; p < 4; ++p)
        EXPECT_TRUE(abaVisivel(p)) << p;
    ASSERT_TRUE(janela.analise().calculada);
    EXPECT_EQ(janela.analise().linhas.size(), 5u * 99u); // T = 2..100

    // The chosen T, successful fits only: the Gumbel replaces the Weibull for maxima.
    EXPECT_EQ(nomesNaTabela(),
              (QStringList{"Gumbel", "Pearson 3", "Logpearson 3", "Lognormal 2", "Lognormal 3"}));
    EXPECT_FALSE(janela.escolhaDistribuicao()->button(5)->isEnabled());
    EXPECT_TRUE(janela.escolhaDistribuicao()->button(4)->isEnabled());

    // The green row is the narrowest interval the core finds for the events as handed over.
    std::vector<EventoDistribuicao> originais;
    int ano = 1981;
    for (double v : kMaximas)
        originais.push_back({QString::number(ano++), v});
    const AnaliseDistribuicoes esperada =
        calcularDistribuicoes(originais, true, 10, QStringLiteral("56110005"));
    ASSERT_GE(esperada.melhorLinha, 1);
    int verdes = 0;
    for (int l = 0; l < janela.modeloResultados()->rowCount(); ++l) {
        const bool verde =
            janela.modeloResultados()->index(l, 2).data(Qt::ForegroundRole).value<QColor>() ==
            kVerde;
        verdes += verde;
        EXPECT_EQ(verde,
                  janela.linhasVisiveis()[static_cast<std::size_t>(l)].id == esperada.melhorLinha)
            << l;
    }
    EXPECT_EQ(verdes, 1);

    // After the calculation the list is ordered by value.
    EXPECT_EQ(janela.eventos().front().Data, QStringLiteral("1996"));
    EXPECT_EQ(janela.eventos().back().Data, QStringLiteral("1989"));
    EXPECT_TRUE(janela.textoAvisos().endsWith(
        QStringLiteral(") Os dados de entrada estão em ordem crescente.")));

    // The export writes the table as filtered, with its own header.
    dialogos.arquivos = {pasta.filePath(QStringLiteral("dist.csv"))};
    janela.exportarDistribuicoesCsv();
    QFile f(pasta.filePath(QStringLiteral("dist.csv")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> linhas = f.readAll().split('\n');
    EXPECT_EQ(
        linhas[0],
        QByteArray("Distribui\xe7\xe3o;  Interv. conf. sup. (95%);  Evento (m\xb3/s);  "
                   "Interv. conf. inf. (95%);  Erro padr\xe3o;  Alfa;  Beta;  Gama;  M\xe9\x64ia;  "
                   "Vari\xe2ncia;  Assimetria;  N\xba de eventos;  Desvio padr\xe3o;  "
                   "Per\xedodo de retorno;  Dura\xe7\xe3o;  A;  Amplitude do Intervalo de "
                   "confian\xe7\x61;  Erro;   \r"));
    EXPECT_EQ(linhas.size(), 7); // header, five rows, the empty piece after the last line end
    EXPECT_TRUE(linhas[1].startsWith("Gumbel; ")) << linhas[1].toStdString();
}

TEST_F(Distribuicoes, MinimasAssimetricasATabelaVoltaAMostrarOAjusteQueFalhou) {
    const double minimas[] = {12.1, 11.8, 12.4, 10.5, 12.0, 11.5,
                              12.3, 9.6,  11.9, 12.2, 11.0, 10.8};
    entregar(false, minimas);
    janela.show();
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Análise Estatística - Eventos mínimos"));
    // The best choice left its filter: the failed three-parameter log-normal is not listed...
    EXPECT_EQ(nomesNaTabela(),
              (QStringList{"Weibull", "Pearson 3", "Logpearson 3", "Lognormal 2"}));
    EXPECT_TRUE(janela.textoAvisos().contains(QStringLiteral(
        ") Distribuição Lognormal 3:  O coeficiente de assimetria é menor que zero, sem solução "
        "possível pelo método dos momentos.")));
    EXPECT_FALSE(janela.escolhaDistribuicao()->button(4)->isEnabled());

    // ... the estimate page shows the Weibull, and coming back to "Tabela" lists every fit at T.
    janela.paginas()->setCurrentIndex(ui::TfrmDistribution::kEstimativas);
    EXPECT_EQ(janela.escolhaDistribuicao()->checkedId(), 5);
    EXPECT_EQ(janela.modeloResultados()->rowCount(), 99);
    janela.paginas()->setCurrentIndex(ui::TfrmDistribution::kTabela);
    EXPECT_EQ(nomesNaTabela(),
              (QStringList{"Weibull", "Pearson 3", "Logpearson 3", "Lognormal 2", "Lognormal 3"}));
    EXPECT_EQ(janela.modeloResultados()->index(4, 17).data().toString(), QStringLiteral("1"));
}

TEST_F(Distribuicoes, PoucosEventosNaoCalculamEPeriodoForaDoIntervaloEscondeOsResultados) {
    ui::TfrmDistribution outra(bancada, dialogos);
    EXPECT_FALSE(outra.AdicionarEvento(QStringLiteral("1990"), 1));
    EXPECT_EQ(dialogos.mostrados.back(), QStringLiteral("Erro: Crie uma base de dados"));

    entregar(true, std::span(kMaximas, 4));
    janela.show();
    EXPECT_EQ(contar(QStringLiteral("Janela: Calculando, aguarde...")), 0);
    EXPECT_FALSE(janela.analise().calculada);
    EXPECT_FALSE(abaVisivel(ui::TfrmDistribution::kTabela));

    // A fifth event typed in through the navigator takes part in the next calculation; a
    // cancelled insertion leaves nothing behind.
    using T = ui::TfrmDistribution;
    janela.navegar(T::kNovo);
    janela.navegar(T::kCancelar);
    EXPECT_EQ(janela.eventos().size(), 4u);
    janela.navegar(T::kUltimo);
    janela.navegar(T::kNovo);
    janela.modeloEventos()->setData(janela.modeloEventos()->index(3, 0), QStringLiteral("1985"));
    janela.modeloEventos()->setData(janela.modeloEventos()->index(3, 1), QStringLiteral("920,3"));
    janela.navegar(T::kConfirmar);
    ASSERT_EQ(janela.eventos().size(), 5u);
    EXPECT_EQ(janela.eventos()[3].Data, QStringLiteral("1985"));
    EXPECT_EQ(janela.modeloLogaritmos()->index(3, 1).data().toString(), QStringLiteral("6,82470"));
    janela.ChamarProcessoCalcular();
    ASSERT_TRUE(abaVisivel(ui::TfrmDistribution::kTabela));
    EXPECT_EQ(janela.analise().linhas.front().NEventos, 5);

    janela.caixaPeriodo()->setText(QStringLiteral("10001"));
    janela.ChamarProcessoCalcular();
    EXPECT_EQ(dialogos.mostrados.back(), QStringLiteral("Aviso: O período de retorno inválido."));
    EXPECT_EQ(contar(QStringLiteral("Janela: Calculando, aguarde...")), 1);
    EXPECT_FALSE(abaVisivel(ui::TfrmDistribution::kTabela));
    EXPECT_FALSE(abaVisivel(ui::TfrmDistribution::kEstimativas));
    EXPECT_FALSE(abaVisivel(ui::TfrmDistribution::kAvisos));
    EXPECT_TRUE(abaVisivel(ui::TfrmDistribution::kGraficoDados));
}

TEST_F(Distribuicoes, ImportacaoDaPlanilhaPerguntaOTipoERecalcula) {
    entregar(true, kMaximas);
    janela.show();
    TabelaExibida t;
    t.colunas = {{QStringLiteral("Ano"), TipoCampo::Texto},
                 {QStringLiteral("Vazão"), TipoCampo::Real}};
    const double minimas[] = {3.2, 2.8, 4.1, 3.6, 2.1, 3.9, 3.3};
    for (int i = 0; i < 7; ++i)
        t.linhas.push_back({QString::number(2001 + i), minimas[i]});
    const QString caminho = pasta.filePath(QStringLiteral("minimas.xlsx"));
    TExportaExcel::escrever(caminho, t, QStringLiteral("Mínimas"));

    dialogos.arquivos = {caminho};
    dialogos.respostas = {false};
    janela.importarXls();
    EXPECT_EQ(dialogos.mostrados.back(), QStringLiteral("Janela: Calculando, aguarde..."));
    EXPECT_EQ(contar(QStringLiteral("Pergunta: Esta é uma série de eventos máximos?")), 1);
    EXPECT_FALSE(janela.EventosMaximos);
    ASSERT_EQ(janela.eventos().size(), 7u);
    EXPECT_EQ(janela.eventos().front().Data, QStringLiteral("2005"));
    EXPECT_EQ(janela.analise().linhas.front().NomeDistribuicao, QStringLiteral("Weibull"));
    EXPECT_EQ(janela.analise().linhas.front().NEventos, 7);
}

TEST_F(Distribuicoes, BotaoImprimirFazAsDuasPerguntas) {
    entregar(true, kMaximas);
    janela.show();
    dialogos.mostrados.clear();
    dialogos.respostas = {true, false};
    dialogos.entradas = {QStringLiteral("Ana")};
    janela.btnImprimirClick();
    EXPECT_EQ(
        dialogos.mostrados,
        (std::vector<QString>{
            QStringLiteral("Pergunta: Deseja imprimir a lista de dados de entrada?"),
            QStringLiteral("Entrada: Técnico responsável / Digite o nome do técnico responsável:"),
            QStringLiteral("Janela: Visualizar impressão - Análise Estatística - Eventos máximos"),
            QStringLiteral("Pergunta: Deseja imprimir os resultados?")}));
    EXPECT_EQ(bancada.tecnico, QStringLiteral("Ana"));
}

} // namespace

namespace {

TEST_F(Distribuicoes, GraficosLegiveis) {
    entregar(true, kMaximas);
    janela.resize(1100, 700);
    janela.show();
    QApplication::processEvents();

    // Values on the bars in the grid's format, whatever their size.
    const QStringList barras = janela.graficoTabela()->rotulosDasBarras();
    ASSERT_EQ(barras.size(), 5);
    for (const QString& b : barras)
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^-?\\d+,\\d\\d$")).match(b).hasMatch())
            << b.toStdString();

    // The return periods end where the curves end: T = 95 runs to 105, not to a rounder 150.
    janela.caixaPeriodo()->setText(QStringLiteral("95"));
    janela.ChamarProcessoCalcular();
    janela.paginas()->setCurrentIndex(ui::TfrmDistribution::kEstimativas);
    QChart* estimativas = janela.graficoEstimativas()->chart();
    const auto* eixoT = qobject_cast<QValueAxis*>(estimativas->axes(Qt::Horizontal).first());
    EXPECT_EQ(eixoT->max(), 105);
    // The legend sits beside the plot, one entry a line, so the chosen return period is readable.
    EXPECT_EQ(estimativas->legend()->alignment(), Qt::AlignRight);
    QStringList legenda;
    for (QLegendMarker* m : estimativas->legend()->markers())
        legenda << m->label();
    EXPECT_TRUE(legenda.contains(QStringLiteral("Evento ( Período de retorno = 95anos )")))
        << legenda.join(u'|').toStdString();

    // Thirty event dates on a narrow chart: every k-th label only, each one a whole date.
    janela.paginas()->setCurrentIndex(ui::TfrmDistribution::kGraficoDados);
    janela.resize(700, 500);
    QApplication::processEvents();
    const auto* eixoX =
        qobject_cast<QCategoryAxis*>(janela.graficoDados(0)->chart()->axes(Qt::Horizontal).first());
    const QStringList rotulos = const_cast<QCategoryAxis*>(eixoX)->categoriesLabels();
    EXPECT_GE(rotulos.size(), 2);
    EXPECT_LT(rotulos.size(), 30);
    for (const QString& r : rotulos)
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^(19|20)\\d\\d *$")).match(r).hasMatch())
            << r.toStdString();
}

// The seven-day minima of a river that dries up every year: with the zero-flow adjustment (checked
// by default) every T-year minimum is zero with that reason; without it nothing can be fitted, and
// the window says why instead of showing an empty table first and rows of zeros later.
TEST_F(Distribuicoes, NenhumaDistribuicaoAjustadaDizPorQueEMostraATabelaUmaVez) {
    const double secos[] = {0, 0, 0, 0, 0, 0, 0, 0};
    entregar(false, secos);
    janela.show();
    ASSERT_TRUE(janela.caixaVazoesNulas()->isChecked());
    EXPECT_TRUE(janela.textoAvisos().contains(QStringLiteral("(p0 = 1,0)")));
    for (int l = 0; l < janela.modeloResultados()->rowCount(); ++l) {
        EXPECT_EQ(janela.modeloResultados()->index(l, 2).data().toString(), QStringLiteral("0,00"));
        EXPECT_EQ(janela.modeloResultados()->index(l, 17).data().toString(), QStringLiteral("0"));
    }
    janela.caixaVazoesNulas()->setChecked(false);
    EXPECT_TRUE(janela.textoAvisos().contains(
        QStringLiteral(") Nenhuma distribuição pôde ser ajustada: todos os eventos são iguais a "
                       "zero, sem variância para "
                       "estimar os parâmetros.")));
    EXPECT_TRUE(janela.textoAvisos().endsWith(
        QStringLiteral(") Os dados de entrada estão em ordem crescente.")));
    const QStringList mostradas = nomesNaTabela();
    EXPECT_EQ(mostradas,
              (QStringList{"Weibull", "Pearson 3", "Logpearson 3", "Lognormal 2", "Lognormal 3"}));
    janela.paginas()->setCurrentIndex(ui::TfrmDistribution::kEstimativas);
    janela.paginas()->setCurrentIndex(ui::TfrmDistribution::kTabela);
    EXPECT_EQ(nomesNaTabela(), mostradas);
    for (int l = 0; l < janela.modeloResultados()->rowCount(); ++l)
        EXPECT_EQ(janela.modeloResultados()->index(l, 17).data().toString(), QStringLiteral("1"))
            << l;
}

} // namespace

// Minima of an intermittent river: the box is offered and checked, the warning names the method
// and p0, the ten-year minimum lies in the zero mass; unchecking gives the classical fits.
TEST(DistribuicoesVazoesNulas, CaixaOferecidaParaMinimasComZeros) {
    QTemporaryDir pasta;
    Bancada bancada(pasta.path());
    DialogosRoteiro dialogos;
    ui::TfrmDistribution janela(bancada, dialogos);
    auto entregar = [&](bool maximos, bool comZeros) {
        janela.EventosMaximos = maximos;
        janela.IniciarAnalise();
        // Positively skewed non-zero minima: every distribution fits them.
        for (int i = 0; i < 30; ++i) {
            const int k = (i * 7) % 11;
            janela.AdicionarEvento(QString::number(1981 + i),
                                   comZeros && i % 5 == 2 ? 0.0 : 0.25 + k * k / 40.0);
        }
        janela.ChamarProcessoCalcular();
    };
    entregar(false, true);
    QCheckBox* caixa = janela.caixaVazoesNulas();
    EXPECT_EQ(caixa->text(), QStringLiteral("Considerar vazões nulas (probabilidade condicional)"));
    EXPECT_FALSE(caixa->isHidden());
    EXPECT_TRUE(caixa->isChecked());
    ASSERT_TRUE(janela.analise().p0);
    EXPECT_DOUBLE_EQ(*janela.analise().p0, 0.2);
    EXPECT_TRUE(janela.textoAvisos().contains(
        QStringLiteral("1) Vazões nulas: 6 de 30 eventos são iguais a zero (p0 = 0,2). Método da "
                       "probabilidade condicional (Jennings e Benson, 1969)")))
        << janela.textoAvisos().toStdString();
    ASSERT_FALSE(janela.linhasVisiveis().empty());
    for (const LinhaDistribuicao& l : janela.linhasVisiveis()) {
        EXPECT_EQ(l.ValorEvento, 0.0) << l.NomeDistribuicao.toStdString();
        EXPECT_EQ(l.NEventos, 24.0);
    }
    // Zero minima in the zero mass are true zeros: the note on values without physical meaning
    // stays only for a failed fit's zeros.
    const std::vector<LinhaDistribuicao> escolhidas =
        linhasDoPeriodoEscolhido(janela.analise().linhas);
    const bool falhou = std::any_of(escolhidas.begin(), escolhidas.end(),
                                    [](const LinhaDistribuicao& l) { return l.Erro == 1; });
    EXPECT_FALSE(falhou);
    EXPECT_EQ(janela.graficoTabela()->rodape().isEmpty(), !falhou);
    for (const LinhaDistribuicao& l : escolhidas)
        EXPECT_EQ(l.massaNula, l.Erro == 0);
    // The grid shows the adjusted event.
    EXPECT_EQ(janela.modeloResultados()->index(0, 2).data().toString(), QStringLiteral("0,00"));

    caixa->setChecked(false); // the user's click recalculates
    EXPECT_FALSE(janela.analise().p0);
    EXPECT_FALSE(janela.textoAvisos().contains(QStringLiteral("Vazões nulas")));
    EXPECT_EQ(janela.analise().linhas.front().NEventos, 30.0);
    janela.ChamarProcessoCalcular(); // the user's choice stays
    EXPECT_FALSE(caixa->isChecked());
    caixa->setChecked(true);
    EXPECT_TRUE(janela.analise().p0);

    for (const auto& [maximos, comZeros] : {std::pair{true, true}, std::pair{false, false}}) {
        entregar(maximos, comZeros);
        EXPECT_TRUE(caixa->isHidden()) << maximos;
        EXPECT_FALSE(janela.analise().p0);
    }
}
