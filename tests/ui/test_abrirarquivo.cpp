// The file the desktop hands the workbench at start: a gap-filling project or a diagram opens in
// its own window, a project in the main window, and a damaged file is a message, not a crash.
#include "dialogosroteiro.h"

#include "availability/diagrama.h"
#include "filling/arquivopreenchimento.h"
#include "filling/projetopreenchimento.h"
#include "ui/TfrmPreencher.h"
#include "ui/TfrmPrincipal.h"
#include "ui/TfrmVisaoGeralEstacoes.h"

#include <QFile>
#include <QTemporaryDir>

using namespace corvel;
using corvel::teste::DialogosRoteiro;

namespace {

class AbrirArquivo : public ::testing::Test {
  protected:
    AbrirArquivo() : bancada(pasta.path()), janela(bancada, dialogos) {}
    QString caminho(const char* nome) const { return pasta.filePath(QString::fromLatin1(nome)); }

    QTemporaryDir pasta;
    Bancada bancada;
    DialogosRoteiro dialogos;
    ui::TfrmPrincipal janela;
};

TEST_F(AbrirArquivo, DiagramaEPreenchimentoEmSuasJanelas) {
    gravarDiagrama(caminho("estacoes.dgv"), novoDiagrama({1990, 1995}));
    ProjetoPreenchimento projeto = novoProjetoPreenchimento({1970, 1972});
    gravarProjetoPreenchimento(caminho("bacia.psv"), projeto);

    std::optional<int> anoInicialDoDiagrama;
    std::optional<qsizetype> mesesDoPreenchimento;
    dialogos.aoExecutar = [&](QDialog& j) {
        if (auto* d = qobject_cast<ui::TfrmVisaoGeralEstacoes*>(&j); d && d->diagrama())
            anoInicialDoDiagrama = d->diagrama()->periodo.anoInicial;
        if (auto* p = qobject_cast<ui::TfrmPreencher*>(&j))
            mesesDoPreenchimento = static_cast<qsizetype>(p->projeto().meses.size());
        return int(QDialog::Rejected);
    };
    janela.abrirArquivo(caminho("estacoes.dgv"));
    janela.abrirArquivo(caminho("bacia.psv"));
    EXPECT_EQ(anoInicialDoDiagrama, 1990);
    EXPECT_EQ(mesesDoPreenchimento, 36);
    EXPECT_FALSE(bancada.serie.ativa());
}

TEST_F(AbrirArquivo, ArquivoDanificadoEUmaMensagem) {
    QFile ruim(caminho("ruim.dgv"));
    ASSERT_TRUE(ruim.open(QIODevice::WriteOnly));
    ruim.write("não é um diagrama");
    ruim.close();
    janela.abrirArquivo(caminho("ruim.dgv"));
    ASSERT_EQ(dialogos.mostrados.size(), 1u);
    EXPECT_TRUE(dialogos.mostrados[0].startsWith(QStringLiteral("Erro: ")) ||
                dialogos.mostrados[0].startsWith(QStringLiteral("Aviso: ")))
        << dialogos.mostrados[0].toStdString();
}

} // namespace
