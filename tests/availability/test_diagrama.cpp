// The availability diagram: the period dialog's check, the rows and their order numbers, the
// ".dgv" file written and reopened, and the grid's columns.
#include "impressao_qt.h"

#include "availability/diagrama.h"
#include "core/arquivotabela.h"
#include "core/erros.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

TEST(PeriodoDiagrama, DialogoAceitaOuRecusa) {
    struct Caso {
        const char* inicial;
        const char* final;
        std::optional<PeriodoDiagrama> esperado; // empty: "Período inválido"
    };
    const Caso casos[] = {
        {"1990", "1995", PeriodoDiagrama{1990, 1995}},
        {"199", "2000", std::nullopt}, // one short text is enough to refuse
        {"1990", "200", std::nullopt},
        {"199", "200", std::nullopt},
        {"", "1995", std::nullopt},
        {"1990", "1990", std::nullopt}, // first = last
        {"1995", "1990", std::nullopt},
        {"0000", "0005", std::nullopt},                // no year 0
        {"1001", "2022", PeriodoDiagrama{1001, 2022}}, // 1 022 years: the most a file holds
        {"1000", "2022", std::nullopt},
    };
    for (const Caso& c : casos) {
        const QString a = QString::fromLatin1(c.inicial), b = QString::fromLatin1(c.final);
        if (c.esperado) {
            EXPECT_EQ(lerPeriodoDiagrama(a, b), *c.esperado) << c.inicial << " " << c.final;
            continue;
        }
        try {
            lerPeriodoDiagrama(a, b);
            ADD_FAILURE() << c.inicial << " " << c.final;
        } catch (const ErroConversao&) {
            ADD_FAILURE() << c.inicial << " " << c.final;
        } catch (const Erro& e) {
            EXPECT_EQ(e.mensagem(), QStringLiteral("Período inválido"));
            EXPECT_EQ(e.gravidade(), Gravidade::Erro);
        }
    }
    EXPECT_THROW(lerPeriodoDiagrama(QStringLiteral("19x0"), QStringLiteral("2000")), ErroConversao);
    // Four characters, but not four digits: "+199" is not the year 199.
    EXPECT_THROW(lerPeriodoDiagrama(QStringLiteral("+199"), QStringLiteral("2000")), ErroConversao);
    EXPECT_THROW(lerPeriodoDiagrama(QStringLiteral(" 199"), QStringLiteral("2000")), ErroConversao);
}

TEST(PeriodoDiagrama, NovoDiagramaRecusaLimitesTrocados) {
    const Diagrama d = novoDiagrama({1990, 1995});
    EXPECT_EQ(d.periodo.numeroAnos(), 6);
    EXPECT_TRUE(d.linhas.empty());
    try {
        novoDiagrama({1990, 1990});
        FAIL();
    } catch (const Erro& e) {
        EXPECT_EQ(e.mensagem(), QStringLiteral("Verifique os limites do período"));
    }
}

Diagrama diagramaDeTres() {
    Diagrama d = novoDiagrama({1990, 1995});
    d.acrescentar(QStringLiteral("56110005"), {100, 99, 80, 81, 0, 95});
    d.acrescentar(QStringLiteral("40100000"), {std::nullopt, 90, 94, 89, 100, 12});
    d.acrescentar(QStringLiteral("A123"), {1, 2, 3, 4, 5, 6});
    return d;
}

TEST(Diagrama, OrdemExclusaoELocalizacao) {
    Diagrama d = diagramaDeTres();
    EXPECT_EQ(d.linhas[2].ordem, 3);
    EXPECT_TRUE(d.contemEstacao(QStringLiteral("40100000")));
    EXPECT_FALSE(d.contemEstacao(QStringLiteral("4010000")));
    EXPECT_EQ(d.celula(0, 1992), 80);
    EXPECT_EQ(d.celula(1, 1990), std::nullopt);
    EXPECT_EQ(d.celula(0, 1989), std::nullopt);

    EXPECT_EQ(d.localizarInicial(u'4'), 1);
    EXPECT_EQ(d.localizarInicial(u'a'), 2); // case ignored
    EXPECT_EQ(d.localizarInicial(u'9'), std::nullopt);

    d.excluir(1);
    ASSERT_EQ(d.linhas.size(), 2u);
    EXPECT_EQ(d.linhas[1].estacao, QStringLiteral("A123"));
    // The order number of a deleted row is not given again.
    d.acrescentar(QStringLiteral("40100000"), {});
    EXPECT_EQ(d.linhas[2].ordem, 4);
    EXPECT_EQ(d.linhas[2].anos.size(), 6u); // cells never computed are empty
    EXPECT_EQ(d.linhas[2].anos[0], std::nullopt);
}

TEST(Diagrama, ArquivoDe1990a1995TemOitoCamposEReabre) {
    QTemporaryDir pasta;
    const Diagrama d = diagramaDeTres();
    const QString arquivo = pasta.filePath(QStringLiteral("d.dgv"));
    gravarDiagrama(arquivo, d);

    const Tabela t = lerTabela(arquivo);
    ASSERT_EQ(t.numeroCampos(), 8);
    const QStringList nomes = {
        "IDListaEstacoes", "Estacao", "1990", "1991", "1992", "1993", "1994", "1995"};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(t.campos()[static_cast<std::size_t>(c)].nome, nomes[c]);
    EXPECT_EQ(t.campos()[1].tipo, TipoCampo::Texto);
    EXPECT_EQ(t.campos()[1].tamanho, 40);
    EXPECT_TRUE(t.nulo(1, 2)); // never computed stays null

    const Diagrama lido = lerDiagrama(arquivo);
    EXPECT_EQ(lido.periodo, (PeriodoDiagrama{1990, 1995}));
    EXPECT_EQ(lido, d);
    EXPECT_EQ(lido.proximaOrdem, 4);
}

TEST(Diagrama, ArquivoQueNaoEDiagrama) {
    QTemporaryDir pasta;
    const auto recusa = [&](const Tabela& t) {
        const QString arquivo = pasta.filePath(QStringLiteral("x.dgv"));
        gravarTabela(arquivo, t);
        try {
            lerDiagrama(arquivo);
            ADD_FAILURE();
        } catch (const Erro& e) {
            EXPECT_EQ(e.mensagem(),
                      QStringLiteral("Esse não é um arquivo de \"Lista de estações\"."));
        }
    };
    recusa(Tabela({{QStringLiteral("RegistroID"), TipoCampo::Real, 0}}));
    recusa(Tabela({{QStringLiteral("IDListaEstacoes"), TipoCampo::Inteiro, 4},
                   {QStringLiteral("Estacao"), TipoCampo::Texto, 40}}));
    // Year fields that are not consecutive years.
    recusa(Tabela({{QStringLiteral("IDListaEstacoes"), TipoCampo::Inteiro, 4},
                   {QStringLiteral("Estacao"), TipoCampo::Texto, 40},
                   {QStringLiteral("1990"), TipoCampo::Inteiro, 4},
                   {QStringLiteral("1992"), TipoCampo::Inteiro, 4}}));
    recusa(Tabela({{QStringLiteral("IDListaEstacoes"), TipoCampo::Inteiro, 4},
                   {QStringLiteral("Estacao"), TipoCampo::Texto, 40},
                   {QStringLiteral("Ano"), TipoCampo::Inteiro, 4},
                   {QStringLiteral("1991"), TipoCampo::Inteiro, 4}}));
    // A damaged file gives the reader's own message.
    EXPECT_THROW(lerDiagrama(pasta.filePath(QStringLiteral("nenhum.dgv"))), ErroArquivo);
}

TEST(Diagrama, ExtensaoAcrescentadaSoQuandoFalta) {
    EXPECT_EQ(ajustarExtensaoDiagrama(QStringLiteral("/a/b/diagrama")),
              QStringLiteral("/a/b/diagrama.dgv"));
    EXPECT_EQ(ajustarExtensaoDiagrama(QStringLiteral("/a/b/d.dgv")), QStringLiteral("/a/b/d.dgv"));
    EXPECT_EQ(ajustarExtensaoDiagrama(QStringLiteral("/a/b/d.txt")), QStringLiteral("/a/b/d.txt"));
}

TEST(Diagrama, ColunasDaGradeEDaPlanilha) {
    const TabelaExibida t = tabelaExibidaDiagrama(diagramaDeTres());
    ASSERT_EQ(t.colunas.size(), 8u);
    EXPECT_EQ(t.colunas[0].rotulo, QStringLiteral("Nº de ordem"));
    EXPECT_EQ(t.colunas[1].rotulo, QStringLiteral("Cód. da Estação"));
    EXPECT_EQ(t.colunas[7].rotulo, QStringLiteral("1995"));
    EXPECT_EQ(textos(t)[1],
              (std::vector<QString>{"2", "40100000", "", "90", "94", "89", "100", "12"}));
}

} // namespace
