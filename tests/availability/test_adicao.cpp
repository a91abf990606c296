// Adding the project files of a folder to the availability diagram: the files a choice stands for,
// listing order, repeated codes, and a damaged file in the middle that does not stop the others.
#include "projetos.h"

#include "availability/adicao.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;
using teste::dias;
using teste::tabelaProjeto;

namespace {

const PeriodoDiagrama k1999a2000{1999, 2000};

// A complete 1999 and a 2000 with the given missing days.
QString projeto(const QTemporaryDir& pasta, const QString& nome, qint32 codigo,
                const std::set<QDate>& faltando = {}) {
    const QString arquivo = pasta.filePath(nome);
    gravarTabela(arquivo, tabelaProjeto(codigo, QDate(1999, 1, 1), QDate(2000, 12, 1), faltando));
    return arquivo;
}

void estragar(const QString& arquivo) {
    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const QByteArray b = f.readAll();
    f.resize(b.size() / 2); // a copy cut halfway
}

TEST(AdicaoDiagrama, EscolhaDeUmOuDeTodos) {
    QTemporaryDir pasta;
    const QString a = projeto(pasta, QStringLiteral("a.cvl"), 1);
    QStringList perguntas;
    const auto responder = [&](bool sim) {
        return [&perguntas, sim](const QString& p) {
            perguntas << p;
            return sim;
        };
    };
    // Alone in its folder: no question.
    EXPECT_EQ(arquivosParaAdicionar(a, responder(true)), QStringList{a});
    EXPECT_TRUE(perguntas.isEmpty());

    const QString c = projeto(pasta, QStringLiteral("C.cvl"), 3);
    const QString b = projeto(pasta, QStringLiteral("b.cvl"), 2);
    projeto(pasta, QStringLiteral("outro.dgv"), 4); // not a project file
    EXPECT_EQ(arquivosParaAdicionar(b, responder(false)), QStringList{b});
    ASSERT_EQ(perguntas.size(), 1);
    EXPECT_EQ(perguntas[0], QStringLiteral("Nesta pasta há mais de um arquivo de projeto do Corvel "
                                           "1.0. Deseja adicionar todos eles ignorando as estações "
                                           "repetidas?"));
    // Yes: every project file, by name with case ignored.
    EXPECT_EQ(arquivosParaAdicionar(b, responder(true)), (QStringList{a, b, c}));

    // The chosen file's extension must be exactly ".cvl".
    try {
        arquivosParaAdicionar(pasta.filePath(QStringLiteral("A.CVL")), responder(true));
        FAIL();
    } catch (const Erro& e) {
        EXPECT_EQ(e.mensagem(), QStringLiteral("Este não é um arquivo de projeto do Corvel 1.0"));
        EXPECT_EQ(e.gravidade(), Gravidade::Aviso);
    }
}

TEST(AdicaoDiagrama, CodigoRepetidoFicaComOPrimeiroArquivo) {
    QTemporaryDir pasta;
    // 2000 in a.cvl has 29 February missing (100); in b.cvl, the same station, all of January
    // and February (306 / 366 = 83,61).
    projeto(pasta, QStringLiteral("a.cvl"), 56110005, {QDate(2000, 2, 29)});
    projeto(pasta, QStringLiteral("b.cvl"), 56110005, dias(QDate(2000, 1, 1), QDate(2000, 2, 29)));
    projeto(pasta, QStringLiteral("c.cvl"), 40100000, dias(QDate(2000, 1, 1), QDate(2000, 2, 29)));

    Diagrama d = novoDiagrama(k1999a2000);
    const ResultadoAdicao r = adicionarProjetos(d, projetosDaPasta(pasta.path()));
    EXPECT_EQ(r.adicionadas, 2);
    EXPECT_EQ(r.repetidas, 1);
    EXPECT_TRUE(r.ilegiveis.empty());
    EXPECT_EQ(r.mensagem(), std::nullopt);
    ASSERT_EQ(d.linhas.size(), 2u);
    EXPECT_EQ(d.linhas[0].estacao, QStringLiteral("56110005"));
    EXPECT_EQ(d.linhas[0].anos, (std::vector<std::optional<int>>{100, 100}));
    EXPECT_EQ(d.linhas[1].estacao, QStringLiteral("40100000"));
    EXPECT_EQ(d.linhas[1].anos, (std::vector<std::optional<int>>{100, 84}));
    EXPECT_EQ(d.linhas[1].ordem, 2);

    // Adding the folder again changes nothing: every station is there.
    const ResultadoAdicao outra = adicionarProjetos(d, projetosDaPasta(pasta.path()));
    EXPECT_EQ(outra.adicionadas, 0);
    EXPECT_EQ(outra.repetidas, 3);
    EXPECT_EQ(d.linhas.size(), 2u);
}

TEST(AdicaoDiagrama, ArquivoDanificadoNoMeioNaoInterrompe) {
    QTemporaryDir pasta;
    for (int i = 1; i <= 5; ++i)
        projeto(pasta, QStringLiteral("p%1.cvl").arg(i), 1000 + i);
    estragar(pasta.filePath(QStringLiteral("p3.cvl")));
    // A table that is not a project.
    gravarTabela(pasta.filePath(QStringLiteral("p4.cvl")),
                 Tabela({{QStringLiteral("Codigo"), TipoCampo::Inteiro, 4}}));

    Diagrama d = novoDiagrama(k1999a2000);
    std::vector<std::pair<qsizetype, qsizetype>> passos;
    const ResultadoAdicao r =
        adicionarProjetos(d, projetosDaPasta(pasta.path()), [&](qsizetype feitos, qsizetype total) {
            passos.emplace_back(feitos, total);
        });
    EXPECT_EQ(r.adicionadas, 3);
    ASSERT_EQ(d.linhas.size(), 3u);
    EXPECT_EQ(d.linhas[0].estacao, QStringLiteral("1001"));
    EXPECT_EQ(d.linhas[1].estacao, QStringLiteral("1002"));
    EXPECT_EQ(d.linhas[2].estacao, QStringLiteral("1005"));
    EXPECT_EQ(d.linhas[2].ordem, 3);
    ASSERT_EQ(r.ilegiveis.size(), 2u);
    EXPECT_EQ(r.ilegiveis[0],
              (ArquivoIlegivel{QStringLiteral("p3.cvl"),
                               QStringLiteral("O arquivo \"p3.cvl\" está danificado (soma de "
                                              "verificação incorreta).")}));
    EXPECT_EQ(r.ilegiveis[1].arquivo, QStringLiteral("p4.cvl"));
    const auto m = r.mensagem();
    ASSERT_TRUE(m);
    EXPECT_EQ(m->gravidade, Gravidade::Aviso);
    EXPECT_EQ(m->texto, QStringLiteral(
                            "Os arquivos abaixo não puderam ser lidos e ficaram fora do diagrama:\n"
                            "p3.cvl: O arquivo \"p3.cvl\" está danificado (soma de verificação "
                            "incorreta).\n"
                            "p4.cvl: Este não é um arquivo de projeto do Corvel 1.0"));
    ASSERT_FALSE(passos.empty());
    EXPECT_EQ(passos.back(), (std::pair<qsizetype, qsizetype>{5, 5}));
}

TEST(AdicaoDiagrama, MesmasLinhasComUmaOuVariasTarefas) {
    QTemporaryDir pasta;
    for (int i = 0; i < 24; ++i)
        projeto(pasta, QStringLiteral("e%1.cvl").arg(i, 2, 10, QLatin1Char('0')), 500 + i % 20,
                dias(QDate(2000, 1, 1), QDate(2000, 1, 1).addDays(i * 7)));
    estragar(pasta.filePath(QStringLiteral("e11.cvl")));
    const QStringList arquivos = projetosDaPasta(pasta.path());
    Diagrama uma = novoDiagrama(k1999a2000), varias = uma;
    const ResultadoAdicao r1 = adicionarProjetos(uma, arquivos, {}, 1);
    const ResultadoAdicao r4 = adicionarProjetos(varias, arquivos, {}, 4);
    EXPECT_EQ(uma, varias);
    EXPECT_EQ(r1.ilegiveis, r4.ilegiveis);
    EXPECT_EQ(r1.repetidas, 4);
    EXPECT_EQ(r4.repetidas, 4);
    ASSERT_EQ(uma.linhas.size(), 19u);
    // e05: the first 36 days of 2000 missing, 330 / 366 = 90,16.
    EXPECT_EQ(uma.linhas[5].estacao, QStringLiteral("505"));
    EXPECT_EQ(uma.linhas[5].anos[1], 90);
}

} // namespace
