// The agency text import and the own CSV/TXT export as the user runs them from the main window.
#include "dialogosroteiro.h"

#include "ui/TfrmExibeArquivo.h"
#include "ui/TfrmPrincipal.h"
#include "ui/modeloserie.h"

#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>

using namespace corvel;
using corvel::teste::DialogosRoteiro;

namespace {

QByteArray linhaAgencia(int nivel, QDate mes, const QByteArray& valor = "12,5") {
    QByteArray l = "12345678;" + QByteArray::number(nivel) + ';' + mes.toString(QStringLiteral("dd/MM/yyyy")).toLatin1() + ';';
    for (int c = 4; c <= 16; ++c)
        l += "1;";
    for (int d = 1; d <= 31; ++d)
        l += (d <= mes.daysInMonth() ? valor : QByteArray()) + ';';
    for (int d = 1; d <= 31; ++d)
        l += "1;";
    return l + "\r\n";
}

const QByteArray kComentarios = "//  Vidara - Ag\xeancia de \xc1guas\r\n//  Esta\xe7\xe3o: 12345678\r\n\r\n"
                                "//EstacaoCodigo;NivelConsistencia;Data;\r\n";

class Importacao : public ::testing::Test {
protected:
    Importacao() : bancada(pasta.path()), janela(bancada, dialogos) { janela.show(); }

    QString arquivo(const QString& nome, const QByteArray& conteudo) {
        const QString c = pasta.filePath(nome);
        QFile f(c);
        f.open(QIODevice::WriteOnly);
        f.write(conteudo);
        return c;
    }
    void importar(const QString& origem, std::optional<QString> destino = std::nullopt) {
        dialogos.arquivos.push_back(origem);
        if (destino)
            dialogos.arquivos.push_back(*destino);
        janela.acao(QStringLiteral("ArquivotextodaVidara1"))->trigger();
    }
    QString caminho(const char* nome) const { return pasta.filePath(QString::fromLatin1(nome)); }

    QTemporaryDir pasta;
    Bancada bancada;
    DialogosRoteiro dialogos;
    ui::TfrmPrincipal janela;
};

TEST_F(Importacao, ArquivoDaAgenciaViraProjetoComONomeDaEstacaoProposto) {
    QFile::copy(QStringLiteral(CORVEL_TEST_DATA "/agencia/vazoes_antigo.txt"), caminho("vazoes.txt"));
    importar(caminho("vazoes.txt"), caminho("99990002.cvl"));

    EXPECT_TRUE(dialogos.mostrados.empty()) << dialogos.mostrados.front().toStdString();
    ASSERT_EQ(dialogos.dialogosArquivo.size(), 2u);
    EXPECT_EQ(dialogos.dialogosArquivo[0].titulo, QStringLiteral("Importar dados"));
    EXPECT_EQ(dialogos.dialogosArquivo[1].titulo, QStringLiteral("Salvar projeto"));
    EXPECT_EQ(dialogos.dialogosArquivo[1].nomeProposto, QStringLiteral("99990002.cvl"));
    EXPECT_TRUE(QFile::exists(caminho("99990002.cvl")));
    EXPECT_EQ(bancada.arquivoProjeto, caminho("99990002.cvl"));
    EXPECT_TRUE(janela.paginaGradeVisivel());
    EXPECT_EQ(janela.textoCabecalho(),
              QStringLiteral("Cód. da Estação: 99990002    Início do Ano Hidrológico: Janeiro     "));
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Corvel 1.0-(99990002.cvl)"));
    EXPECT_EQ(bancada.nivelConsistencia, 2);
    EXPECT_EQ(bancada.serie.tamanho() % 12, 0); // whole calendar years
    EXPECT_EQ(janela.modelo()->index(0, ui::ModeloSerie::kMes).data().toString().left(8), QStringLiteral("Janeiro/"));
}

// "Série diária (data; vazão)": the file, the station's code (asked again after a bad one), the
// project's name; the reference series of the low-flow manual opens with its mean.
TEST_F(Importacao, SerieDiariaPedeOCodigoDaEstacao) {
    dialogos.arquivos = {QStringLiteral(CORVEL_FIXTURES_DIR "/estiagem/ngaruroro.csv"),
                         caminho("ngaruroro.cvl")};
    dialogos.entradas = {QStringLiteral("abc"), QStringLiteral("29201")};
    janela.acao(QStringLiteral("SerieDiaria1"))->trigger();
    const QString pedido = QStringLiteral("Entrada: Código da estação / Digite o código da estação:");
    EXPECT_EQ(dialogos.mostrados,
              (std::vector<QString>{pedido,
                                    QStringLiteral("Aviso: Código de estação inválido: 'abc'. "
                                                   "Digite um número inteiro positivo."),
                                    pedido}));
    ASSERT_EQ(dialogos.dialogosArquivo.size(), 2u);
    EXPECT_EQ(dialogos.dialogosArquivo[1].nomeProposto, QStringLiteral("29201.cvl"));
    EXPECT_EQ(bancada.arquivoProjeto, caminho("ngaruroro.cvl"));
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Corvel 1.0-(ngaruroro.cvl)"));
    const qsizetype setembro = bancada.serie.localizar(QDate(1963, 9, 1));
    ASSERT_GE(setembro, 0);
    EXPECT_EQ(bancada.serie[setembro].vazao[19], 30.512);

    // A file whose decimal mark cannot be told is refused with its line.
    dialogos.mostrados.clear();
    dialogos.arquivos = {arquivo(QStringLiteral("ambigua.csv"),
                                 "data;vazao\n01/01/2000;1,5\n02/01/2000;2.5\n")};
    dialogos.entradas = {QStringLiteral("7")};
    dialogos.aoExecutar = [](QDialog&) { return int(QDialog::Accepted); };
    janela.acao(QStringLiteral("SerieDiaria1"))->trigger();
    ASSERT_GE(dialogos.mostrados.size(), 2u);
    EXPECT_EQ(dialogos.mostrados[1], QStringLiteral("Erro: Erro ao importar dados."));
    EXPECT_FALSE(bancada.serie.ativa());
}

TEST_F(Importacao, SoComentariosAbortaSemProjeto) {
    importar(arquivo(QStringLiteral("so.txt"), "// um\r\n// dois\r\n\r\n// tres\r\n"));
    EXPECT_EQ(dialogos.mostrados,
              std::vector<QString>{QStringLiteral("Erro: Verifique se esse arquivo foi baixado do site da Vidara, "
                                                  "ou se tem a estrutura adequada.\n Ação abortada.")});
    EXPECT_FALSE(bancada.serie.ativa());
    EXPECT_FALSE(janela.paginaGradeVisivel());
}

TEST_F(Importacao, ValorIlegivelMostraOErroEOArquivoENaoDeixaProjeto) {
    const QByteArray conteudo = kComentarios + linhaAgencia(2, QDate(1990, 1, 1)) +
                                linhaAgencia(2, QDate(1990, 2, 1), "12.5.3");
    const QString origem = arquivo(QStringLiteral("ruim.txt"), conteudo);
    QString exibido;
    dialogos.aoExecutar = [&](QDialog& j) {
        if (auto* e = qobject_cast<ui::TfrmExibeArquivo*>(&j))
            exibido = e->texto();
        return int(QDialog::Accepted);
    };
    importar(origem);
    EXPECT_EQ(dialogos.mostrados, (std::vector<QString>{QStringLiteral("Erro: Erro ao importar dados."),
                                                        QStringLiteral("Janela: Exibindo arquivo")}));
    EXPECT_EQ(exibido, QString::fromLatin1(conteudo).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_FALSE(bancada.serie.ativa());
    EXPECT_TRUE(bancada.arquivoProjeto.isEmpty());
}

TEST_F(Importacao, SemDadosConsistidosUsaOsBrutosEONivelUm) {
    const QString origem = arquivo(QStringLiteral("brutos.csv"),
                                   kComentarios + linhaAgencia(1, QDate(1990, 1, 1)) + linhaAgencia(1, QDate(1990, 3, 1)));
    importar(origem, caminho("brutos.cvl"));
    ASSERT_TRUE(bancada.serie.ativa());
    EXPECT_EQ(bancada.nivelConsistencia, 1);
    EXPECT_EQ(bancada.serie.tamanho(), 12);
    for (qsizetype i = 0; i < bancada.serie.tamanho(); ++i)
        EXPECT_EQ(bancada.serie[i].nivelConsistencia, 1);
}

TEST_F(Importacao, MesDuplicadoFicaUmaVezEABarraDeStatusAvisa) {
    const QString origem = arquivo(QStringLiteral("dup.txt"),
                                   kComentarios + linhaAgencia(2, QDate(1990, 1, 1), "1") +
                                       linhaAgencia(2, QDate(1990, 1, 1), "2") + linhaAgencia(2, QDate(1990, 2, 1)));
    importar(origem, caminho("dup.cvl"));
    ASSERT_EQ(bancada.serie.tamanho(), 12);
    EXPECT_EQ(bancada.serie[0].vazao[0], 2.0);
    EXPECT_TRUE(janela.statusBar()->currentMessage().contains(QStringLiteral("1 mês duplicado foi descartado")))
        << janela.statusBar()->currentMessage().toStdString();
}

TEST_F(Importacao, CancelarOSalvamentoFechaASerieImportada) {
    const QString origem = arquivo(QStringLiteral("ok.txt"), kComentarios + linhaAgencia(2, QDate(1990, 1, 1)));
    dialogos.arquivos = {origem, std::nullopt};
    janela.acao(QStringLiteral("ArquivotextodaVidara1"))->trigger();
    EXPECT_FALSE(bancada.serie.ativa());
    EXPECT_FALSE(janela.paginaGradeVisivel());
}

TEST_F(Importacao, OutraExtensaoERecusada) {
    importar(arquivo(QStringLiteral("dados.dat"), kComentarios + linhaAgencia(2, QDate(1990, 1, 1))));
    EXPECT_EQ(dialogos.mostrados, std::vector<QString>{QStringLiteral("Aviso: Arquivo inválido.")});
    EXPECT_FALSE(bancada.serie.ativa());
}

TEST_F(Importacao, ExportarPerguntaAntesDeSubstituirEGravaOArquivo) {
    janela.acao(QStringLiteral("csv1"))->trigger();
    EXPECT_EQ(dialogos.mostrados, std::vector<QString>{QStringLiteral("Erro: Não há dados para exportar.")});
    dialogos.mostrados.clear();

    importar(arquivo(QStringLiteral("ok.txt"), kComentarios + linhaAgencia(2, QDate(1992, 2, 1), "10,5")),
             caminho("ok.cvl"));
    const QString destino = arquivo(QStringLiteral("serie.csv"), "antigo");
    // No to the question brings the dialog back; cancelling then writes nothing.
    dialogos.arquivos = {destino, std::nullopt};
    dialogos.respostas = {false};
    janela.acao(QStringLiteral("csv1"))->trigger();
    QFile f(destino);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("antigo"));
    f.close();
    EXPECT_EQ(dialogos.dialogosArquivo.back().titulo, QStringLiteral("Exportando arquivo"));

    dialogos.arquivos = {destino};
    dialogos.respostas = {true};
    janela.acao(QStringLiteral("csv1"))->trigger();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> linhas = f.readAll().split('\n');
    ASSERT_EQ(linhas.size(), 14); // header, 12 months, nothing after the last CR LF
    EXPECT_TRUE(linhas[0].startsWith("Registro;Esta\xe7\xe3o;N\xedvel de consist\xeancia"));
    // The title line holds "//", so the comment block swallows it: the data line is line 1.
    QByteArray fevereiro = "1;12345678;2;01/02/1992;0;1;0;";
    for (int d = 0; d < 29; ++d)
        fevereiro += "10,5;";
    fevereiro += ";;\r";
    EXPECT_EQ(linhas[2], fevereiro);
    EXPECT_EQ(linhas[1], QByteArray("3;12345678;2;01/01/1992;-2;1;100;") + QByteArray(31, ';') + '\r');
}

} // namespace
