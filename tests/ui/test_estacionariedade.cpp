// The stationarity window driven as the analysis windows and the user drive it.
#include "dialogosroteiro.h"

#include "core/bancada.h"
#include "ui/TfrmFoEstaciona.h"

#include <QAbstractItemModel>
#include <QColor>
#include <QComboBox>
#include <QFile>
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
