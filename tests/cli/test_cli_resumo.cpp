// corvel-cli resumo: the per-station files are byte for byte what the single subcommands write,
// the summary's figures agree with them, a damaged file costs only its own row, and the rule,
// the folders and the parallel run behave as a batch over many stations needs.
#include "core/construtor.h"
#include "core/formato.h"
#include "core/projeto.h"
#include "execucao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

using teste::cli;
using teste::Execucao;

QString exemplo() {
    return QStringLiteral(CORVEL_RESOURCES "/exemplo/99990001.cvl");
}

QByteArray conteudo(const QString& arquivo) {
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
}

// The rows of a resumo.csv as cells, header first.
std::vector<QStringList> celulas(const QString& csv) {
    std::vector<QStringList> r;
    for (const QString& l : csv.split(u'\n', Qt::SkipEmptyParts))
        r.push_back(l.split(u';'));
    return r;
}

QString coluna(const std::vector<QStringList>& tabela, std::size_t linha, const QString& titulo) {
    const qsizetype c = tabela[0].indexOf(titulo);
    EXPECT_GE(c, 0) << titulo.toStdString();
    return c < 0 ? QString() : tabela[linha].value(c);
}

// The value of row "p;" of a continuous reference table printed by permanencia.
QString referencia(const QString& permanencia, int p) {
    const qsizetype i = permanencia.indexOf(QStringLiteral("Contínua"));
    for (const QString& l : permanencia.mid(i).split(u'\n'))
        if (l.startsWith(QString::number(p) + u';')) return l.section(u';', 1, 1);
    return {};
}

// Every file of the station's folder is what its subcommand writes on the same project, and the
// summary row agrees with them; run on the sample project and on an agency text file, which is
// imported in memory only.
TEST(CorvelCliResumo, ArquivosIguaisAosDosSubcomandosEFigurasQueConcordam) {
    QTemporaryDir pasta;
    const QString texto = pasta.filePath(QStringLiteral("agencia/vazoes.txt"));
    ASSERT_TRUE(QDir().mkpath(pasta.filePath(QStringLiteral("agencia"))));
    ASSERT_TRUE(QFile::copy(QStringLiteral(CORVEL_TEST_DATA "/agencia/vazoes_antigo.txt"), texto));
    const QString saida = pasta.filePath(QStringLiteral("saida"));
    const Execucao r =
        cli({QStringLiteral("resumo"), exemplo(), texto, QStringLiteral("-o"), saida});
    ASSERT_EQ(r.codigo, 0) << r.erro.toStdString();
    EXPECT_EQ(QDir(pasta.filePath(QStringLiteral("agencia"))).entryList(QDir::Files),
              QStringList{QStringLiteral("vazoes.txt")});

    // The text file through importar, then the subcommands on the project it writes.
    const QString importado = pasta.filePath(QStringLiteral("importado.cvl"));
    ASSERT_EQ(cli({QStringLiteral("importar"), texto, QStringLiteral("-o"), importado}).codigo, 0);
    const auto tabela = celulas(QString::fromUtf8(conteudo(QDir(saida).filePath("resumo.csv"))));
    ASSERT_EQ(tabela.size(), 3u);
    for (std::size_t linha : {1u, 2u}) {
        const QString projeto = linha == 1 ? exemplo() : importado;
        const QString codigo = coluna(tabela, linha, QStringLiteral("Estação"));
        const QDir estacao(QDir(saida).filePath(codigo));
        EXPECT_EQ(coluna(tabela, linha, QStringLiteral("Erro")), QString());
        for (const char* sub : {"minimas", "maximas", "medias", "permanencia", "regularizacao"}) {
            const Execucao s = teste::subcomando(sub, {projeto});
            ASSERT_EQ(s.codigo, 0) << sub;
            EXPECT_EQ(conteudo(estacao.filePath(QString::fromLatin1(sub) + ".csv")),
                      s.saida.toUtf8())
                << sub << " " << codigo.toStdString();
        }
        const QString permanencia =
            QString::fromUtf8(conteudo(estacao.filePath("permanencia.csv")));
        // resumo.csv has every digit, permanencia.csv the general form of 15.
        EXPECT_EQ(formatarGeral(lerReal(coluna(tabela, linha, QStringLiteral("Q95 (m³/s)")))),
                  referencia(permanencia, 95));
        EXPECT_EQ(formatarGeral(lerReal(coluna(tabela, linha, QStringLiteral("Q90 (m³/s)")))),
                  referencia(permanencia, 90));
        // The mean as medias prints it, four decimals.
        const Execucao m = teste::subcomando("medias", {projeto});
        const double media =
            lerReal(coluna(tabela, linha, QStringLiteral("Vazão média de longa duração (m³/s)")));
        EXPECT_EQ(m.erro.section(u'\n', 0, 0), QStringLiteral("Vazão média de longa duração: ") +
                                        formatarNumero(media, u"0.0000") + QStringLiteral(" m³/s"));
        // Q7,10 and its distribution: the best row of minimas --distribuicoes; a record too short
        // for the analysis (the agency file's) has neither that file nor the figures.
        const Execucao d =
            teste::subcomando("minimas", {projeto, QStringLiteral("--distribuicoes")});
        const QString nome = coluna(tabela, linha, QStringLiteral("Distribuição de Q7,10"));
        if (d.codigo != 0) {
            EXPECT_FALSE(estacao.exists(QStringLiteral("distribuicoes-minimas.csv")));
            EXPECT_EQ(nome, QString());
            EXPECT_EQ(coluna(tabela, linha, QStringLiteral("Q7,10 (m³/s)")), QString());
            continue;
        }
        EXPECT_EQ(conteudo(estacao.filePath("distribuicoes-minimas.csv")), d.saida.toUtf8());
        const QString melhor =
            d.erro.section(QStringLiteral("Melhor distribuição em T = 10 anos: "), 1);
        ASSERT_FALSE(nome.isEmpty());
        EXPECT_TRUE(melhor.startsWith(
            nome + QStringLiteral(" (evento ") +
            formatarNumero(lerReal(coluna(tabela, linha, QStringLiteral("Q7,10 (m³/s)"))),
                           u"0.00")))
            << melhor.toStdString();
        EXPECT_EQ(
            coluna(tabela, linha, QStringLiteral("Q7,10 ") + nome + QStringLiteral(" (m³/s)")),
            coluna(tabela, linha, QStringLiteral("Q7,10 (m³/s)")));
    }
    EXPECT_EQ(coluna(tabela, 1, QStringLiteral("Nome")),
              QStringLiteral("EXEMPLO SINTÉTICO (DADOS FICTÍCIOS)"));

    // Without -o the same summary goes to standard output.
    const Execucao semPasta = cli({QStringLiteral("resumo"), exemplo(), texto});
    EXPECT_EQ(semPasta.saida.toUtf8(), conteudo(QDir(saida).filePath("resumo.csv")));
}

// A constant river: every flow is the mean, no storage is needed, and no distribution fits a
// sample without variance, so Q7,10 stays empty rather than invented.
TEST(CorvelCliResumo, RioConstanteSemAjusteDeDistribuicao) {
    QTemporaryDir pasta;
    const QString projeto = teste::gravarProjetoDiario(
        pasta.filePath(QStringLiteral("constante.cvl")), QDate(1990, 1, 1), QDate(1999, 12, 1),
        [](QDate) { return 5.0; });
    const Execucao r = cli({QStringLiteral("resumo"), projeto});
    ASSERT_EQ(r.codigo, 0) << r.erro.toStdString();
    const auto t = celulas(r.saida);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(coluna(t, 1, QStringLiteral("Ano inicial")), QStringLiteral("1990"));
    EXPECT_EQ(coluna(t, 1, QStringLiteral("Ano final")), QStringLiteral("1999"));
    EXPECT_EQ(coluna(t, 1, QStringLiteral("Meses considerados")), QStringLiteral("120"));
    EXPECT_EQ(coluna(t, 1, QStringLiteral("Dias sem dados (%)")), QStringLiteral("0"));
    EXPECT_EQ(coluna(t, 1, QStringLiteral("Vazão média de longa duração (m³/s)")),
              QStringLiteral("5"));
    EXPECT_EQ(coluna(t, 1, QStringLiteral("Q95 (m³/s)")), QStringLiteral("5"));
    EXPECT_EQ(coluna(t, 1, QStringLiteral("Volume para 50% da vazão média (hm³)")),
              QStringLiteral("0"));
    EXPECT_EQ(coluna(t, 1, QStringLiteral("Q7,10 (m³/s)")), QString());
    EXPECT_EQ(coluna(t, 1, QStringLiteral("Distribuição de Q7,10")), QString());
}

// A folder: rows in name order, the damaged project and a missing file in their own rows with the
// reason, the others complete; the same output whatever the number of threads; a code met twice
// gets a second folder.
TEST(CorvelCliResumo, PastaComArquivoDanificado) {
    QTemporaryDir pasta;
    const QString estacoes = pasta.filePath(QStringLiteral("estacoes"));
    ASSERT_TRUE(QDir().mkpath(estacoes));
    const auto gravar = [&](const char* nome, double vazao) {
        teste::gravarProjetoDiario(QDir(estacoes).filePath(QString::fromLatin1(nome)),
                                   QDate(1980, 1, 1), QDate(1989, 12, 1), [vazao](QDate d) {
                                       return vazao + (d.month() % 6) + d.day() / 10.0;
                                   });
    };
    gravar("a.cvl", 10);
    gravar("c.cvl", 20);
    QFile ruim(QDir(estacoes).filePath(QStringLiteral("b.cvl")));
    ASSERT_TRUE(ruim.open(QIODevice::WriteOnly));
    ruim.write(QByteArray(300, 'x'));
    ruim.close();
    QFile(QDir(estacoes).filePath(QStringLiteral("notas.doc"))).open(QIODevice::WriteOnly);

    const QString ausente = pasta.filePath(QStringLiteral("ausente.cvl"));
    Execucao um = cli({QStringLiteral("resumo"), estacoes, ausente, QStringLiteral("--tarefas"),
                       QStringLiteral("1")});
    EXPECT_EQ(um.codigo, 1);
    const auto t = celulas(um.saida);
    ASSERT_EQ(t.size(), 5u) << um.saida.toStdString();
    const QStringList esperados{"a.cvl", "b.cvl", "c.cvl", "ausente.cvl"};
    for (std::size_t l = 1; l < t.size(); ++l) {
        EXPECT_TRUE(t[l][0].endsWith(esperados[static_cast<qsizetype>(l - 1)]))
            << t[l][0].toStdString();
        EXPECT_EQ(t[l].size(), t[0].size());
    }
    EXPECT_NE(coluna(t, 1, QStringLiteral("Q95 (m³/s)")), QString());
    EXPECT_EQ(coluna(t, 2, QStringLiteral("Q95 (m³/s)")), QString());
    EXPECT_FALSE(coluna(t, 2, QStringLiteral("Erro")).isEmpty());
    EXPECT_NE(coluna(t, 3, QStringLiteral("Q95 (m³/s)")), QString());
    EXPECT_EQ(coluna(t, 4, QStringLiteral("Erro")), QStringLiteral("arquivo não encontrado"));
    EXPECT_TRUE(um.erro.contains(QStringLiteral("b.cvl"))) << um.erro.toStdString();

    const Execucao tres = cli({QStringLiteral("resumo"), estacoes, ausente,
                               QStringLiteral("--tarefas"), QStringLiteral("3")});
    EXPECT_EQ(tres.saida, um.saida);

    // Both projects are station 99990001 of the builder: two folders.
    const QString saida = pasta.filePath(QStringLiteral("saida"));
    ASSERT_EQ(cli({QStringLiteral("resumo"), estacoes, QStringLiteral("-o"), saida}).codigo, 1);
    const QString codigo = coluna(t, 1, QStringLiteral("Estação"));
    EXPECT_EQ(QDir(saida).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{codigo, codigo + QStringLiteral("-2")}));
    EXPECT_EQ(conteudo(QDir(saida).filePath(codigo + "-2/minimas.csv")),
              teste::subcomando("minimas", {QDir(estacoes).filePath("c.cvl")}).saida.toUtf8());
}

// The rule is applied in memory as preprocessar applies it (and the project is left as it was).
TEST(CorvelCliResumo, RegraComoPreprocessarSemGravar) {
    QTemporaryDir pasta;
    const QString projeto =
        teste::gravarProjetoDiario(pasta.filePath(QStringLiteral("estacao.cvl")), QDate(1980, 1, 1),
                                   QDate(1989, 12, 1), [](QDate d) -> std::optional<double> {
                                       if (d.year() == 1983 && d.month() == 7 && d.day() < 20)
                                           return std::nullopt;
                                       return 3.0 + d.dayOfYear() / 50.0;
                                   });
    const QByteArray antes = conteudo(projeto);
    const QString saida = pasta.filePath(QStringLiteral("saida"));
    const Execucao r =
        cli({QStringLiteral("resumo"), projeto, QStringLiteral("--regra"), QStringLiteral("anos"),
             QStringLiteral("--inicio-ano"), QStringLiteral("10"), QStringLiteral("-o"), saida});
    ASSERT_EQ(r.codigo, 0) << r.erro.toStdString();
    EXPECT_EQ(conteudo(projeto), antes);

    const QString copia = pasta.filePath(QStringLiteral("copia.cvl"));
    ASSERT_TRUE(QFile::copy(projeto, copia));
    ASSERT_EQ(
        teste::subcomando("preprocessar", {copia, QStringLiteral("--regra"), QStringLiteral("anos"),
                                           QStringLiteral("--inicio-ano"), QStringLiteral("10")})
            .codigo,
        0);
    const auto t = celulas(QString::fromUtf8(conteudo(QDir(saida).filePath("resumo.csv"))));
    const QDir estacao(QDir(saida).filePath(coluna(t, 1, QStringLiteral("Estação"))));
    for (const char* sub : {"minimas", "maximas", "medias", "permanencia", "regularizacao"})
        EXPECT_EQ(conteudo(estacao.filePath(QString::fromLatin1(sub) + ".csv")),
                  teste::subcomando(sub, {copia}).saida.toUtf8())
            << sub;
    // Whole hydrological years from October 1980 to September 1989, but 1982/1983.
    EXPECT_EQ(coluna(t, 1, QStringLiteral("Meses considerados")), QStringLiteral("96"));
}

// --pdf: a one-page sheet in each station's folder, drawn by the module the other commands never
// load.
TEST(CorvelCliResumo, FichaEmPdfPorEstacao) {
    if (!QFile::exists(QFileInfo(QStringLiteral(CORVEL_CLI)).dir().filePath("libcorvel-ficha.so")))
        GTEST_SKIP() << "built without the desktop program";
    QTemporaryDir pasta;
    const QString saida = pasta.filePath(QStringLiteral("saida"));
    const Execucao r = cli({QStringLiteral("resumo"), exemplo(), QStringLiteral("-o"), saida,
                            QStringLiteral("--pdf")});
    ASSERT_EQ(r.codigo, 0) << r.erro.toStdString();
    const QString pdf = QDir(saida).filePath(QStringLiteral("99990001/ficha.pdf"));
    QProcess texto;
    texto.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(texto.waitForFinished(30000));
    const QString t = QString::fromUtf8(texto.readAllStandardOutput());
    EXPECT_EQ(t.count(u'\f'), 1) << "one page";
    EXPECT_TRUE(t.contains(QStringLiteral("Ficha de vazões de referência")));
    EXPECT_TRUE(t.contains(QStringLiteral("Cód. da Estação: 99990001")));
    EXPECT_TRUE(t.contains(QStringLiteral("Q95 (m³/s)")));

    // The monthly figures follow on a second page, with the criterion's grantable flows.
    const QString mensal = pasta.filePath(QStringLiteral("mensal"));
    ASSERT_EQ(cli({QStringLiteral("resumo"), exemplo(), QStringLiteral("-o"), mensal,
                   QStringLiteral("--pdf"), QStringLiteral("--mensal"),
                   QStringLiteral("--criterio"), QStringLiteral("sazonal_50_q95_mensal")})
                  .codigo,
              0);
    texto.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), QDir(mensal).filePath(QStringLiteral("99990001/ficha.pdf")),
                 QStringLiteral("-")});
    ASSERT_TRUE(texto.waitForFinished(30000));
    const QString t2 = QString::fromUtf8(texto.readAllStandardOutput());
    EXPECT_EQ(t2.count(u'\f'), 2);
    const QString segunda = t2.section(u'\f', 1, 1);
    EXPECT_TRUE(segunda.contains(QStringLiteral("Vazões de referência mensais")));
    EXPECT_TRUE(segunda.contains(QStringLiteral("Página: 2 de 2")));
    EXPECT_TRUE(segunda.contains(QStringLiteral("Vazão outorgável")));
    EXPECT_TRUE(t2.section(u'\f', 0, 0).contains(QStringLiteral("Critério de outorga: Exemplo sazonal")));
}

// --mensal writes each station's monthly figures, --criterio adds the grantable flow; with a
// monthly criterion, that of the month where it is smallest.
TEST(CorvelCliResumo, MensalECriterio) {
    QTemporaryDir pasta;
    const QString saida = pasta.filePath(QStringLiteral("saida"));
    const Execucao r = cli({QStringLiteral("resumo"), exemplo(), QStringLiteral("-o"), saida,
                            QStringLiteral("--mensal"), QStringLiteral("--estacao"),
                            QStringLiteral("6-9"), QStringLiteral("--criterio"),
                            QStringLiteral("sazonal_50_q95_mensal")});
    ASSERT_EQ(r.codigo, 0) << r.erro.toStdString();
    const auto mensal =
        celulas(QString::fromUtf8(conteudo(QDir(saida).filePath("99990001/mensal.csv"))));
    ASSERT_EQ(mensal.size(), 14u);
    EXPECT_EQ(mensal[0].join(u';'), QStringLiteral("Mês;Q95 (m³/s);Q90 (m³/s);Q7,10 (m³/s);"
                                                   "Vazão média (m³/s);Vazão outorgável (m³/s)"));
    EXPECT_EQ(mensal[1][0], QStringLiteral("Janeiro"));
    EXPECT_EQ(mensal[13][0], QStringLiteral("Junho a Setembro"));
    // The example grants half the month's Q95, leaving 0,05 m³/s in the river.
    std::size_t critico = 0;
    for (std::size_t m = 1; m <= 12; ++m) {
        const double q95 = lerReal(mensal[m][1]);
        EXPECT_DOUBLE_EQ(lerReal(mensal[m][5]), std::max(0.0, std::min(0.5 * q95, q95 - 0.05)));
        if (critico == 0 || q95 < lerReal(mensal[critico][1])) critico = m;
    }
    const auto resumo = celulas(QString::fromUtf8(conteudo(QDir(saida).filePath("resumo.csv"))));
    ASSERT_EQ(resumo.size(), 2u);
    EXPECT_EQ(coluna(resumo, 1, QStringLiteral("Critério de outorga")),
              QStringLiteral("Exemplo sazonal: 50% da Q95 de cada mês, com 0,05 m³/s remanescentes"));
    EXPECT_EQ(coluna(resumo, 1, QStringLiteral("Mês crítico")), mensal[critico][0]);
    EXPECT_EQ(coluna(resumo, 1, QStringLiteral("Vazão de referência do critério (m³/s)")),
              mensal[critico][1]);
    EXPECT_EQ(coluna(resumo, 1, QStringLiteral("Vazão outorgável (m³/s)")), mensal[critico][5]);
    EXPECT_EQ(coluna(resumo, 1, QStringLiteral("Fração outorgável (%)")), QStringLiteral("50"));

    // A criterion of the user's own, annual: no monthly file unless asked.
    const QString criterio = pasta.filePath(QStringLiteral("meu.criterio"));
    {
        QFile f(criterio);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("nome: Meu: 40% da Q90\nreferencia: Q90\nfracao: 40%\n");
    }
    const Execucao p = cli({QStringLiteral("resumo"), exemplo(), QStringLiteral("--criterio"), criterio});
    ASSERT_EQ(p.codigo, 0) << p.erro.toStdString();
    const auto anual = celulas(p.saida);
    EXPECT_DOUBLE_EQ(lerReal(coluna(anual, 1, QStringLiteral("Vazão outorgável (m³/s)"))),
                     0.4 * lerReal(coluna(anual, 1, QStringLiteral("Q90 (m³/s)"))));
    EXPECT_EQ(coluna(anual, 1, QStringLiteral("Mês crítico")), QString());

    // A damaged criterion is named with its line, before any station is read.
    {
        QFile f(criterio);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("nome: Meu\nreferencia: Q90\nfracao: 40\n");
    }
    const Execucao ruim = cli({QStringLiteral("resumo"), exemplo(), QStringLiteral("--criterio"), criterio});
    EXPECT_EQ(ruim.codigo, 1);
    EXPECT_TRUE(ruim.erro.contains(QStringLiteral(
        "meu.criterio, linha 3: a fração deve ficar entre 0 e 1 (ou 0% e 100%): '40'")))
        << ruim.erro.toStdString();
    EXPECT_TRUE(ruim.saida.isEmpty());
}

TEST(CorvelCliResumo, UsoIncorreto) {
    for (const QStringList& uso :
         {QStringList{}, QStringList{exemplo(), QStringLiteral("--pdf")},
          QStringList{exemplo(), QStringLiteral("--tarefas"), QStringLiteral("0")},
          QStringList{exemplo(), QStringLiteral("--regra"), QStringLiteral("quase")},
          QStringList{exemplo(), QStringLiteral("--duracao"), QStringLiteral("0")},
          QStringList{exemplo(), QStringLiteral("--mensal")},
          QStringList{exemplo(), QStringLiteral("-o"), QStringLiteral("x"), QStringLiteral("--mensal"),
                      QStringLiteral("--estacao"), QStringLiteral("6-13")},
          QStringList{exemplo(), QStringLiteral("-o"), QStringLiteral("x"), QStringLiteral("--estacao"),
                      QStringLiteral("6-9")},
          QStringList{exemplo(), QStringLiteral("--criterio"), QStringLiteral("nenhum")}}) {
        const Execucao r = cli(QStringList{QStringLiteral("resumo")} + uso);
        EXPECT_EQ(r.codigo, 2) << uso.join(u' ').toStdString();
        EXPECT_TRUE(r.erro.contains(QStringLiteral("uso: corvel-cli resumo")));
    }
    QTemporaryDir vazia;
    const Execucao r = cli({QStringLiteral("resumo"), vazia.path()});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_TRUE(r.erro.contains(QStringLiteral("nenhum projeto"))) << r.erro.toStdString();
}

} // namespace
