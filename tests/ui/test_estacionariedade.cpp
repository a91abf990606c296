// The stationarity window driven as the analysis windows and the user drive it.
#include "dialogosroteiro.h"

#include "core/bancada.h"
#include "ui/TfrmFoEstaciona.h"
#include "ui/paginatendencia.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QChart>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace corvel;
using corvel::teste::DialogosRoteiro;

namespace {

class Estacionariedade : public ::testing::Test {
  protected:
    Estacionariedade() : bancada(pasta.path()), janela(bancada, dialogos) {}

    // Annual values 1990 ... 1990 + n - 1, with a level shift of `degrau` from `inicioDegrau` on.
    void entregar(int n, int inicioDegrau = 1000, double degrau = 0, bool porAno = false) {
        janela.LimparDadosEntrada();
        janela.definirPeriodoMinimo(QStringLiteral("5 anos"));
        QStringList anos;
        for (int i = 0; i < n; ++i) {
            const int ano = 1990 + i;
            const double v = 100 + ((i * 7) % 5) - 2 + (i >= inicioDegrau ? degrau : 0);
            ASSERT_TRUE(janela.AdicionarDadoEntrada(QStringLiteral("01/01/%1").arg(ano),
                                                    QStringLiteral("%1/%2").arg(ano).arg(ano + 1),
                                                    v));
            anos << QString::number(ano);
        }
        janela.preencherListas(anos, porAno);
        janela.definirEstacao(QStringLiteral("12345678"));
    }
    QStringList coluna(int c) const {
        QStringList r;
        for (int l = 0; l < janela.modeloResultados()->rowCount(); ++l)
            r << janela.modeloResultados()->index(l, c).data().toString();
        return r;
    }

    QTemporaryDir pasta;
    Bancada bancada;
    DialogosRoteiro dialogos;
    ui::TfrmFoEstaciona janela;
};

TEST_F(Estacionariedade, MostrarRodaOTesteContinuoEAPaginaPersonalizadaOOutro) {
    entregar(12);
    janela.show();
    EXPECT_EQ(coluna(0),
              (QStringList{"De 1990 a 1994 com 1995 a 2001", "De 1990 a 1995 com 1996 a 2001",
                           "De 1990 a 1996 com 1997 a 2001"}));
    EXPECT_EQ(janela.modeloEntrada()->rowCount(), 12);
    EXPECT_EQ(janela.modeloEntrada()->index(0, 0).data().toString(), QStringLiteral("1990/1991"));

    janela.paginas()->setCurrentIndex(1);
    EXPECT_EQ(janela.listaData(3)->currentText(),
              QStringLiteral("01/01/1995")); // (12 - 1) div 2 = item 5
    EXPECT_EQ(janela.listaData(4)->currentText(), QStringLiteral("01/01/1996"));
    EXPECT_EQ(coluna(0), QStringList{"De 1990 a 1995 com 1996 a 2001"});
    EXPECT_TRUE(dialogos.mostrados.empty());

    // Series 2 starting where series 1 ends is refused; the previous row stays.
    janela.listaData(4)->setCurrentIndex(5);
    janela.Personalizada1Click();
    EXPECT_EQ(dialogos.mostrados.back(),
              QStringLiteral("Aviso: Período incorreto. A série 2 tem que iniciar em uma data "
                             "posterior ao fim da série 1"));
    EXPECT_EQ(coluna(0).size(), 1);

    // Back to the continuous page: its test runs again.
    janela.paginas()->setCurrentIndex(0);
    EXPECT_EQ(coluna(0).size(), 3);
}

TEST_F(Estacionariedade, DegrauNaMediaRejeitadoEmVermelhoENivelTrocaOTeste) {
    entregar(20, 10, 60);
    janela.show();
    ASSERT_EQ(coluna(2).size(), 11);
    EXPECT_TRUE(coluna(2).contains(QStringLiteral("Rejeita")));
    const int l = static_cast<int>(coluna(2).indexOf(QStringLiteral("Rejeita")));
    EXPECT_EQ(janela.modeloResultados()->index(l, 2).data(Qt::ForegroundRole).value<QColor>(),
              QColor(Qt::red));
    EXPECT_EQ(janela.nivelContinua()->tabText(janela.nivelContinua()->currentIndex()),
              QStringLiteral("1%"));
    janela.nivelContinua()->setCurrentIndex(1);
    EXPECT_EQ(coluna(0).size(), 11);
}

TEST_F(Estacionariedade, ListasPorAnoGovernamAsListasDeData) {
    entregar(14, 1000, 0, true);
    janela.show();
    EXPECT_FALSE(janela.listaData(0)->isVisible());
    EXPECT_TRUE(janela.listaAno(0)->isVisible());
    EXPECT_EQ(coluna(0).size(), 5);
    janela.listaAno(1)->setCurrentIndex(11); // 2001
    EXPECT_EQ(janela.listaData(1)->currentText(), QStringLiteral("01/01/2001"));
    EXPECT_EQ(coluna(0).size(), 3);
}

TEST_F(Estacionariedade, PeriodoCurtoEDataIlegivel) {
    entregar(9);
    janela.show();
    EXPECT_EQ(dialogos.mostrados.back(),
              QStringLiteral("Aviso: Período incorreto. Escolha um período de no mínimo 10 anos "
                             "para dados anuais ou 10 "
                             "meses para dados mensais."));
    EXPECT_FALSE(janela.AdicionarDadoEntrada(QStringLiteral("1990"), QStringLiteral("1990"), 1));
    EXPECT_EQ(dialogos.mostrados.back(), QStringLiteral("Erro: Crie uma base de dados"));
}

TEST_F(Estacionariedade, ExportacaoDosResultadosEDosDados) {
    entregar(10);
    janela.show();
    dialogos.arquivos = {pasta.filePath(QStringLiteral("r.csv")),
                         pasta.filePath(QStringLiteral("d.csv"))};
    janela.exportarResultadosCsv();
    janela.exportarDadosCsv();
    QFile r(pasta.filePath(QStringLiteral("r.csv")));
    ASSERT_TRUE(r.open(QIODevice::ReadOnly));
    const QList<QByteArray> linhas = r.readAll().split('\n');
    EXPECT_EQ(
        linhas[0],
        QByteArray(
            "Per\xedodo;H0 (Vari\xe2ncia);H0 (M\xe9\x64ia);s\xb2 (S\xe9rie A);s\xb2 (S\xe9rie B);"
            "Xm (S\xe9rie A);Xm (S\xe9rie B);\r"));
    EXPECT_TRUE(linhas[1].startsWith("De 1990 a 1994 com 1995 a 1999;Aceita;Aceita;"))
        << linhas[1].toStdString();
    QFile d(pasta.filePath(QStringLiteral("d.csv")));
    ASSERT_TRUE(d.open(QIODevice::ReadOnly));
    const QList<QByteArray> dados = d.readAll().split('\n');
    EXPECT_EQ(dados[0], QByteArray("Data;Vaz\xe3o (m\xb3/s);\r"));
    EXPECT_EQ(dados[1], QByteArray("1990/1991;98;\r"));
    EXPECT_EQ(dados.size(), 12);
}

TEST_F(Estacionariedade, RelatorioComOTecnicoPrimeiro) {
    entregar(10);
    janela.show();
    dialogos.entradas = {QStringLiteral("Ana")};
    janela.imprimir();
    EXPECT_EQ(dialogos.mostrados.back(),
              QStringLiteral("Janela: Visualizar impressão - RELATÓRIO ESTACIONARIEDADE"));
    EXPECT_EQ(bancada.tecnico, QStringLiteral("Ana"));
}

} // namespace

namespace {

QAction* acao(QWidget& janela, const QString& menu, const QString& texto) {
    for (QMenu* m : janela.findChildren<QMenu*>()) {
        if (m->title() != menu) continue;
        for (QAction* a : m->actions())
            if (a->text() == texto) return a;
    }
    return nullptr;
}

QString valorDe(const QAbstractItemModel* m, const QString& grandeza) {
    for (int l = 0; l < m->rowCount(); ++l)
        if (m->index(l, 0).data().toString() == grandeza) return m->index(l, 1).data().toString();
    return QStringLiteral("?");
}

} // namespace

// The minima of a river that dries up: the F test stops at the zero variance, the trend page
// tests the same series with Mann-Kendall, Sen and Pettitt, at its own level, exports and prints.
TEST(EstacionariedadeTendencia, PaginaNaoParametricaFuncionaOndeOTesteFParaNaVarianciaZero) {
    QTemporaryDir pasta;
    Bancada bancada(pasta.path());
    DialogosRoteiro dialogos;
    ui::TfrmFoEstaciona janela(bancada, dialogos);
    janela.LimparDadosEntrada();
    QStringList anos;
    for (int i = 0; i < 20; ++i) {
        // 1,0 falling by 0,1 a year to zero in 2000, then dry.
        ASSERT_TRUE(janela.AdicionarDadoEntrada(QStringLiteral("01/01/%1").arg(1990 + i),
                                                QStringLiteral("%1/%2").arg(1990 + i).arg(1991 + i),
                                                std::max(0, 10 - i) / 10.0));
        anos << QString::number(1990 + i);
    }
    janela.preencherListas(anos, false);
    janela.show();
    EXPECT_EQ(dialogos.mostrados.back(),
              QStringLiteral("Erro: Ocorreu um erro. Variância da série igual a 0."));

    EXPECT_EQ(janela.paginas()->tabText(ui::TfrmFoEstaciona::kTendencia),
              QStringLiteral("Tendência (não paramétrico)"));
    QAction* calcular =
        acao(janela, QStringLiteral("&Calcular"), QStringLiteral("Tendência (não paramétrico)"));
    ASSERT_NE(calcular, nullptr);
    const std::size_t mensagens = dialogos.mostrados.size();
    calcular->trigger();
    EXPECT_EQ(dialogos.mostrados.size(), mensagens);
    EXPECT_EQ(janela.paginas()->currentIndex(), ui::TfrmFoEstaciona::kTendencia);
    EXPECT_EQ(janela.modeloEntrada()->rowCount(), 20);
    const QAbstractItemModel* m = janela.paginaTendencia()->modelo();
    // S = −145 by hand: 190 pairs, the 45 pairs of the ten zeros tied.
    EXPECT_EQ(valorDe(m, QStringLiteral("Mann-Kendall: S")), QStringLiteral("-145"));
    EXPECT_EQ(valorDe(m, QStringLiteral("Nível de significância")), QStringLiteral("1%"));
    EXPECT_EQ(valorDe(m, QStringLiteral("Pettitt: último valor antes da mudança")),
              QStringLiteral("1999/2000"));
    for (int l = 0; l < m->rowCount(); ++l) {
        const QString texto = m->index(l, 1).data().toString();
        const bool vermelho = m->index(l, 1).data(Qt::ForegroundRole).value<QColor>() == Qt::red;
        EXPECT_EQ(vermelho, texto == QStringLiteral("Rejeita")) << l;
    }
    EXPECT_EQ(valorDe(m, QStringLiteral("H0 (Sem tendência)")), QStringLiteral("Rejeita"));
    EXPECT_EQ(janela.paginaTendencia()->grafico()->chart()->series().size(), 4);

    // The level tab and the serial correction run the tests again.
    janela.paginaTendencia()->abasNivel()->setCurrentIndex(1);
    EXPECT_EQ(valorDe(m, QStringLiteral("Nível de significância")), QStringLiteral("5%"));
    janela.paginaTendencia()->caixaHamedRao()->setChecked(true);
    EXPECT_NE(valorDe(m, QStringLiteral("Mann-Kendall: fator de correção serial (Hamed e Rao)")),
              QStringLiteral("?"));

    dialogos.arquivos = {pasta.filePath(QStringLiteral("tendencia.csv"))};
    QAction* exportar =
        acao(janela, QStringLiteral("Exportar \"Tendência\""),
             QStringLiteral("*.CSV (Arquivo Texto com dados separado por ponto-e-vírgula)"));
    ASSERT_NE(exportar, nullptr);
    exportar->trigger();
    QFile f(pasta.filePath(QStringLiteral("tendencia.csv")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> linhas = f.readAll().split('\n');
    EXPECT_EQ(linhas[0].trimmed(), QByteArray("Grandeza;Valor;"));
    EXPECT_EQ(linhas.size() - 2, m->rowCount()); // header and the empty piece after the last line

    // Too short a series: the continuous test's message, and no result left on the page.
    janela.LimparDadosEntrada();
    for (int i = 0; i < 9; ++i)
        janela.AdicionarDadoEntrada(QStringLiteral("01/01/%1").arg(1990 + i),
                                    QString::number(1990 + i), i);
    calcular->trigger();
    EXPECT_EQ(dialogos.mostrados.back(),
              QStringLiteral("Aviso: Período incorreto. Escolha um período de no mínimo 10 anos "
                             "para dados anuais ou 10 meses para dados mensais."));
    EXPECT_FALSE(janela.analiseTendencia());
    EXPECT_EQ(m->rowCount(), 0);
}
