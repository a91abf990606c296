// "Ficha de vazões de referência" from the main window: the sheet of the open series in a print
// preview, saved as a one-page PDF whose figures are those of corvel-cli resumo on the same file.
#include "dialogosroteiro.h"
#include "execucao.h"

#include "ui/TfrmPrincipal.h"

#include <QAction>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QProcess>
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
        if (auto* salvar = j.findChild<QAction*>(QStringLiteral("SalvarFichaPdf")))
            salvar->trigger();
        return int(QDialog::Rejected);
    };
    janela.acao(QStringLiteral("FichaReferencia1"))->trigger();

    EXPECT_EQ(dialogos.mostrados,
              std::vector<QString>{
                  QStringLiteral("Janela: Visualizar impressão - Ficha de vazões de referência")});
    ASSERT_EQ(dialogos.dialogosArquivo.size(), 1u);
    EXPECT_EQ(dialogos.dialogosArquivo[0].nomeProposto, QStringLiteral("99990001_ficha.pdf"));
    const QString texto = textoDoPdf(pdf);
    EXPECT_EQ(texto.count(u'\f'), 1) << "one page";
    EXPECT_TRUE(texto.contains(QStringLiteral("Ficha de vazões de referência")));
    EXPECT_TRUE(
        texto.contains(QStringLiteral("Nome da Estação: EXEMPLO SINTÉTICO (DADOS FICTÍCIOS)")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Curva de permanência (contínua)")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Mínimas anuais de 7 dias (m³/s)")));

    // Every figure of the summary's row stands on the sheet, its value rounded for reading.
    const teste::Execucao resumo = teste::cli({QStringLiteral("resumo"), projeto});
    ASSERT_EQ(resumo.codigo, 0);
    const QStringList titulos = resumo.linhas[0].split(u';');
    const QStringList valores = resumo.linhas[1].split(u';');
    const QStringList linhas = texto.split(u'\n');
    for (qsizetype c = 3; c < titulos.size() - 1; ++c) {
        SCOPED_TRACE(titulos[c].toStdString());
        const auto linha = std::find_if(linhas.begin(), linhas.end(), [&](const QString& l) {
            return l.startsWith(titulos[c] + u' ');
        });
        ASSERT_NE(linha, linhas.end());
        const QString naFicha = linha->simplified().section(u' ', -1);
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

TEST_F(Ficha, SemSerieAbertaRecusa) {
    janela.acao(QStringLiteral("FichaReferencia1"))->trigger();
    ASSERT_EQ(dialogos.mostrados.size(), 1u);
    EXPECT_TRUE(dialogos.mostrados[0].contains(QStringLiteral("Nenhuma base de dados aberta")));
}

} // namespace
