// "Ficha de vazões de referência" from the main window: the sheet of the open series in a print
// preview, saved as a one-page PDF whose figures are those of corvel-cli resumo on the same file.
#include "dialogosroteiro.h"
#include "execucao.h"

#include "ui/TfrmOpcoesFicha.h"
#include "ui/TfrmPrincipal.h"
#include "ui/graficos.h"

#include <QAction>
#include <QCategoryAxis>
#include <QFontMetricsF>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

using namespace corvel;
using corvel::teste::DialogosRoteiro;

namespace {

class Ficha : public ::testing::Test {
  protected:
    Ficha() : bancada(QStringLiteral(CORVEL_RESOURCES)), janela(bancada, dialogos) {}

    QTemporaryDir pasta;
    Bancada bancada;
    DialogosRoteiro dialogos;
    ui::TfrmPrincipal janela;
};

QString textoDoPdf(const QString& arquivo) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), arquivo, QStringLiteral("-")});
    p.waitForFinished(30000);
    // The PDF's font sets "fi" as one glyph.
    return QString::fromUtf8(p.readAllStandardOutput())
        .replace(QChar(0xFB01), QStringLiteral("fi"));
}

TEST_F(Ficha, PreviaSalvaEmPdfUmaPaginaComAsFigurasDoResumo) {
    const QString projeto = pasta.filePath(QStringLiteral("99990001.cvl"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(CORVEL_RESOURCES "/exemplo/99990001.cvl"), projeto));
    janela.abrirProjeto(projeto);
    const QString pdf = pasta.filePath(QStringLiteral("ficha.pdf"));
    dialogos.arquivos.push_back(pdf);
    dialogos.aoExecutar = [&](QDialog& j) {
        if (auto* opcoes = qobject_cast<ui::TfrmOpcoesFicha*>(&j)) {
            opcoes->findChild<QCheckBox*>(QStringLiteral("chkMensal"))->setChecked(false);
            opcoes->accept();
            return opcoes->result();
        }
        if (auto* salvar = j.findChild<QAction*>(QStringLiteral("SalvarFichaPdf")))
            salvar->trigger();
        return int(QDialog::Rejected);
    };
    janela.acao(QStringLiteral("FichaReferencia1"))->trigger();

    EXPECT_EQ(dialogos.mostrados,
              (std::vector<QString>{
                  QStringLiteral("Janela: Ficha de vazões de referência"),
                  QStringLiteral("Janela: Visualizar impressão - Ficha de vazões de referência")}));
    ASSERT_EQ(dialogos.dialogosArquivo.size(), 1u);
    EXPECT_EQ(dialogos.dialogosArquivo[0].nomeProposto, QStringLiteral("99990001_ficha.pdf"));
    const QString texto = textoDoPdf(pdf);
    EXPECT_EQ(texto.count(u'\f'), 1) << "one page";
    EXPECT_TRUE(texto.contains(QStringLiteral("Ficha de vazões de referência")));
    EXPECT_TRUE(
        texto.contains(QStringLiteral("Nome da Estação: EXEMPLO SINTÉTICO (DADOS FICTÍCIOS)")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Curva de permanência (contínua)")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Mínimas anuais de 7 dias (m³/s)")));

    // Every figure of the summary's row stands on the sheet, its value rounded for reading; the
    // figures stand in two pairs of columns, the period in the header.
    const teste::Execucao resumo = teste::cli({QStringLiteral("resumo"), projeto});
    ASSERT_EQ(resumo.codigo, 0);
    const QStringList titulos = resumo.linhas[0].split(u';');
    const QStringList valores = resumo.linhas[1].split(u';');
    EXPECT_TRUE(texto.contains(QStringLiteral("Período: %1 a %2")
                                   .arg(valores[titulos.indexOf(QStringLiteral("Ano inicial"))],
                                        valores[titulos.indexOf(QStringLiteral("Ano final"))])));
    for (qsizetype c = 5; c < titulos.size() - 1; ++c) {
        SCOPED_TRACE(titulos[c].toStdString());
        const QRegularExpression figura(QStringLiteral("(^|\\s)") +
                                        QRegularExpression::escape(titulos[c]) +
                                        QStringLiteral("\\s+(\\S+)"));
        const QRegularExpressionMatch m = figura.match(texto);
        ASSERT_TRUE(m.hasMatch());
        const QString naFicha = m.captured(2);
        bool numerico = false;
        const double esperado = QString(valores[c]).replace(u',', u'.').toDouble(&numerico);
        if (!numerico) { // a text, or "-" for a figure that could not be computed
            EXPECT_EQ(naFicha, valores[c].isEmpty() ? QStringLiteral("-") : valores[c]);
            continue;
        }
        const double lido = QString(naFicha).remove(u'.').replace(u',', u'.').toDouble();
        EXPECT_NEAR(lido, esperado, 0.005 * std::max(1.0, std::fabs(esperado)))
            << naFicha.toStdString();
        EXPECT_LE(naFicha.size(), 8) << "rounded for reading";
    }
}

// The analyst picks a criterion file of their own and a season; the sheet gains its page of
// monthly figures, and the choices stay for the next sheet.
TEST_F(Ficha, CriterioEEstacoesEscolhidosNaJanela) {
    const QString projeto = pasta.filePath(QStringLiteral("99990001.cvl"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(CORVEL_RESOURCES "/exemplo/99990001.cvl"), projeto));
    janela.abrirProjeto(projeto);
    const QString criterio = pasta.filePath(QStringLiteral("bacia.criterio"));
    {
        QFile f(criterio);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("nome: Bacia do exemplo: 40% da Q95 do mês\nreferencia: Q95\nbase: mensal\n"
                "fracao: 40%\nfonte: Deliberação de teste\n");
    }
    const QString pdf = pasta.filePath(QStringLiteral("ficha.pdf"));
    dialogos.arquivos = {criterio, pdf};
    QStringList estacoes = {QStringLiteral("6-13"), QStringLiteral("6-9")};
    int recusas = 0;
    dialogos.aoExecutar = [&](QDialog& j) {
        if (auto* opcoes = qobject_cast<ui::TfrmOpcoesFicha*>(&j)) {
            auto* lista = opcoes->findChild<QComboBox*>(QStringLiteral("cmbCriterio"));
            if (lista->currentText() == QStringLiteral("Nenhum")) {
                lista->setCurrentIndex(lista->count() - 1); // "Outro arquivo..."
                Q_EMIT lista->activated(lista->count() - 1);
            }
            // A season that cannot be read keeps the dialog open.
            for (const QString& e : estacoes) {
                opcoes->findChild<QLineEdit*>(QStringLiteral("edtEstacoes"))->setText(e);
                opcoes->setResult(QDialog::Rejected);
                opcoes->accept();
                recusas += opcoes->result() != QDialog::Accepted;
            }
            estacoes = {QStringLiteral("6-9")};
            return opcoes->result();
        }
        if (auto* salvar = j.findChild<QAction*>(QStringLiteral("SalvarFichaPdf")))
            salvar->trigger();
        return int(QDialog::Rejected);
    };
    janela.acao(QStringLiteral("FichaReferencia1"))->trigger();
    EXPECT_EQ(recusas, 1);
    EXPECT_TRUE(std::find(dialogos.mostrados.begin(), dialogos.mostrados.end(),
                          QStringLiteral("Erro: Estação do ano inválida: \"6-13\". Use os meses de "
                                         "início e fim, de 1 a 12, como 6-9.")) !=
                dialogos.mostrados.end());
    const QString texto = textoDoPdf(pdf);
    ASSERT_EQ(texto.count(u'\f'), 2);
    const QString primeira = texto.section(u'\f', 0, 0), segunda = texto.section(u'\f', 1, 1);
    EXPECT_TRUE(primeira.contains(
        QStringLiteral("Critério de outorga: Bacia do exemplo: 40% da Q95 do mês (bacia.criterio)")));
    EXPECT_TRUE(primeira.contains(QStringLiteral("Fonte do critério: Deliberação de teste")));
    EXPECT_TRUE(primeira.contains(QStringLiteral("Página: 1 de 2")));
    EXPECT_TRUE(segunda.contains(QStringLiteral("Vazões de referência mensais")));
    EXPECT_TRUE(segunda.contains(QStringLiteral("Junho a Setembro")));
    EXPECT_TRUE(segunda.contains(QStringLiteral("Mês crítico: Agosto")));

    // The next sheet opens with the same criterion chosen.
    QString escolhido;
    dialogos.aoExecutar = [&](QDialog& j) {
        if (auto* lista = j.findChild<QComboBox*>(QStringLiteral("cmbCriterio")))
            escolhido = lista->currentText();
        return int(QDialog::Rejected);
    };
    janela.acao(QStringLiteral("FichaReferencia1"))->trigger();
    EXPECT_EQ(escolhido, QStringLiteral("Bacia do exemplo: 40% da Q95 do mês"));
}

TEST_F(Ficha, SemSerieAbertaRecusa) {
    janela.acao(QStringLiteral("FichaReferencia1"))->trigger();
    ASSERT_EQ(dialogos.mostrados.size(), 1u);
    EXPECT_TRUE(dialogos.mostrados[0].contains(QStringLiteral("Nenhuma base de dados aberta")));
}

// Date labels of a chart axis: as many as fit, none cut at the plot's right end ("27/04/200").
TEST(RotulosDoEixo, NenhumPassaDoFimDoGrafico) {
    std::vector<std::pair<double, QString>> rotulos;
    for (int i = 1; i <= 7; ++i)
        rotulos.push_back({double(i), QStringLiteral("27/04/200%1").arg(i)});
    for (const double largura : {2000.0, 300.0, 231.0, 150.0}) {
        SCOPED_TRACE(largura);
        QCategoryAxis eixo;
        ui::distribuirRotulos(&eixo, rotulos, largura, 0.5, 7.5);
        const QStringList postos = eixo.categoriesLabels();
        ASSERT_FALSE(postos.isEmpty());
        if (largura == 2000.0) {
            EXPECT_EQ(postos.size(), 7);
        }
        const QFontMetricsF medida(eixo.labelsFont());
        for (const QString& r : postos) {
            const double valor = eixo.endValue(r);
            // The chart's right margin is 8 pixels: the label ends within it.
            EXPECT_LE(medida.horizontalAdvance(r.trimmed()) / 2,
                      (7.5 - valor) * largura / 7 + 8)
                << r.toStdString();
        }
    }
}

} // namespace
