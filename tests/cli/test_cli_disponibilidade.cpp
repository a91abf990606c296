// corvel-cli disponibilidade on a small folder: the diagram as CSV, the ".dgv" file and the
// coloured workbook, a damaged file that does not stop the others, and the refusals.
#include "availability/diagrama.h"
#include "core/arquivotabela.h"
#include "core/construtor.h"
#include "core/projeto.h"
#include "exchange/importaexcel.h"
#include "execucao.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

const bool kLeitor = (TImportaExcel::definirPrograma(QStringLiteral(CORVEL_PLANILHA)), true);

using Saida = teste::Execucao;

Saida cli(const QStringList& argumentos) {
    return teste::subcomando("disponibilidade", argumentos);
}

// 1999 and 2000 with 1 m³/s a day, but for the first `faltando` days of 2000.
void projeto(const QTemporaryDir& pasta, const QString& nome, qint32 codigo, int faltando) {
    const QDate inicio(2000, 1, 1);
    const SerieTabela s = teste::serieMensal(
        QDate(1999, 1, 1), QDate(2000, 12, 1),
        [&](QDate mes, int dia) -> std::optional<double> {
            if (inicio.daysTo(mes.addDays(dia - 1)) >= 0 &&
                inicio.daysTo(mes.addDays(dia - 1)) < faltando)
                return std::nullopt;
            return 1.0;
        },
        false, codigo);
    gravarProjeto(pasta.filePath(nome), s);
}

// In name order: 200 (2000: 4 days missing, 362/366 = 98,9), 100 (60 days missing, 306/366 =
// 83,6), 200 again (the first file's values stay), 300 (180 days missing, 186/366 = 50,8).
void pastaDeQuatro(const QTemporaryDir& pasta) {
    projeto(pasta, QStringLiteral("a.cvl"), 200, 4);
    projeto(pasta, QStringLiteral("b.cvl"), 100, 60);
    projeto(pasta, QStringLiteral("c.cvl"), 200, 0);
    projeto(pasta, QStringLiteral("d.cvl"), 300, 180);
}

TEST(CorvelCliDisponibilidade, DiagramaCsvArquivoEPlanilha) {
    QTemporaryDir pasta, saida;
    pastaDeQuatro(pasta);
    const QString dgv = saida.filePath(QStringLiteral("diagrama"));
    const QString xlsx = saida.filePath(QStringLiteral("d.xlsx"));
    const Saida s =
        cli({pasta.path(), QStringLiteral("--periodo"), QStringLiteral("1998"),
             QStringLiteral("2000"), QStringLiteral("-o"), dgv, QStringLiteral("--xlsx"), xlsx});
    ASSERT_EQ(s.codigo, 0) << s.erro.toStdString();
    EXPECT_EQ(s.linhas, (QStringList{"Nº de ordem;Cód. da Estação;1998;1999;2000;",
                                     "1;200;0;100;99;", "2;100;0;100;84;", "3;300;0;100;51;"}));
    EXPECT_EQ(s.erro,
              QStringLiteral("3 estação(ões) no diagrama, 1 arquivo(s) com estação repetida "
                             "ignorado(s)\n"));

    // The diagram file got its extension and reopens with the period and the rows.
    const Diagrama d = lerDiagrama(dgv + QStringLiteral(".dgv"));
    EXPECT_EQ(d.periodo, (PeriodoDiagrama{1998, 2000}));
    ASSERT_EQ(d.linhas.size(), 3u);
    EXPECT_EQ(d.linhas[2].anos, (std::vector<std::optional<int>>{0, 100, 51}));

    // The workbook: one sheet "Diagrama de barras", the classes' colours on the year cells.
    TImportaExcel leitor;
    ASSERT_TRUE(leitor.abrir(xlsx));
    EXPECT_EQ(leitor.lerCelula(1, 1, 2), QStringLiteral("Cód. da Estação"));
    EXPECT_EQ(leitor.lerCelula(1, 4, 2), QStringLiteral("300"));
    struct Caso {
        int linha, coluna;
        quint32 fundo, texto;
        bool negrito;
    };
    const Caso casos[] = {
        {2, 1, 0xFFFFFF, 0x000000, false}, // the order number keeps the default colours
        {2, 2, 0xFFFFFF, 0x000000, false}, // so does the code
        {2, 3, 0xFF0000, 0xFFFFFF, true},  // 0: red
        {2, 4, 0x008000, 0xFFFFFF, true},  // 100: green
        {2, 5, 0x0000FF, 0xFFFFFF, true},  // 99: blue
        {3, 5, 0xFFFF00, 0x000000, true},  // 84: yellow, black text
        {4, 5, 0xFF0000, 0xFFFFFF, true},  // 51: red
    };
    for (const Caso& c : casos) {
        const auto e = leitor.lerEstilo(1, c.linha, c.coluna);
        ASSERT_TRUE(e);
        EXPECT_EQ(e->fundo, c.fundo) << c.linha << "," << c.coluna;
        EXPECT_EQ(e->texto, c.texto) << c.linha << "," << c.coluna;
        EXPECT_EQ(e->negrito, c.negrito) << c.linha << "," << c.coluna;
    }
    EXPECT_EQ(leitor.lerNumero(1, 3, 5), 84.0);
}

TEST(CorvelCliDisponibilidade, ArquivoDanificadoNoMeio) {
    QTemporaryDir pasta;
    pastaDeQuatro(pasta);
    QFile f(pasta.filePath(QStringLiteral("b.cvl")));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.resize(100);
    f.close();
    const Saida s = cli({pasta.path(), QStringLiteral("--periodo"), QStringLiteral("1999"),
                         QStringLiteral("2000")});
    EXPECT_EQ(s.codigo, 1);
    EXPECT_EQ(s.linhas, (QStringList{"Nº de ordem;Cód. da Estação;1999;2000;", "1;200;100;99;",
                                     "2;300;100;51;"}));
    EXPECT_TRUE(s.erro.endsWith(QStringLiteral(
        "Os arquivos abaixo não puderam ser lidos e ficaram fora do diagrama:\n"
        "b.cvl: O arquivo \"b.cvl\" está danificado (soma de verificação incorreta).\n")))
        << s.erro.toStdString();
}

TEST(CorvelCliDisponibilidade, Recusas) {
    QTemporaryDir pasta;
    pastaDeQuatro(pasta);
    const Saida curto = cli(
        {pasta.path(), QStringLiteral("--periodo"), QStringLiteral("199"), QStringLiteral("2000")});
    EXPECT_EQ(curto.codigo, 1);
    EXPECT_EQ(curto.erro, QStringLiteral("corvel-cli disponibilidade: Período inválido\n"));
    EXPECT_TRUE(curto.linhas.isEmpty());

    const Saida igual = cli({pasta.path(), QStringLiteral("--periodo"), QStringLiteral("2000"),
                             QStringLiteral("2000")});
    EXPECT_EQ(igual.erro, QStringLiteral("corvel-cli disponibilidade: Período inválido\n"));

    QTemporaryDir vazia;
    const Saida semProjetos = cli({vazia.path(), QStringLiteral("--periodo"),
                                   QStringLiteral("1999"), QStringLiteral("2000")});
    EXPECT_EQ(semProjetos.codigo, 1);
    EXPECT_TRUE(semProjetos.erro.contains(QStringLiteral("não tem arquivos de projeto (.cvl)")));

    EXPECT_EQ(cli({pasta.path()}).codigo, 2);
    EXPECT_EQ(cli({pasta.path(), QStringLiteral("--periodo"), QStringLiteral("1999")}).codigo, 2);
    EXPECT_EQ(
        cli({QStringLiteral("--periodo"), QStringLiteral("1999"), QStringLiteral("2000")}).codigo,
        2);
}

} // namespace
