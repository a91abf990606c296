// The gap-filling project: the period dialog, monthly means of the considered months, adding,
// removing and exchanging stations, the ".psv" file and the station loader.
#include "impressao_qt.h"

#include "estacoes.h"

#include "core/arquivotabela.h"
#include "core/erros.h"
#include "core/projeto.h"
#include "filling/arquivopreenchimento.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;
using teste::estacao;
using teste::seguidos;

namespace {

const QDate k1970(1970, 1, 1);

TEST(PeriodoPreenchimento, DialogoAceitaOuRecusa) {
    struct Caso {
        const char* inicio;
        const char* fim;
        const char* erro; // empty: accepted
    };
    const Caso casos[] = {
        {"1970", "1972", ""}, // three whole years, 36 months
        {"1970", "1971", "Intervalo inválido"},
        {"1990", "1980", "Intervalo inválido"},
        {"0000", "0005", "Intervalo inválido"},
        {"197", "1990", "Use 4 dígitos para escrever o ano"},
        {"1970", "19900", "Use 4 dígitos para escrever o ano"},
        {"", "", "Use 4 dígitos para escrever o ano"},
    };
    for (const Caso& c : casos) {
        const QString a = QString::fromLatin1(c.inicio), b = QString::fromLatin1(c.fim);
        if (!*c.erro) {
            EXPECT_EQ(lerPeriodoPreenchimento(a, b), (PeriodoPreenchimento{1970, 1972}));
            continue;
        }
        try {
            lerPeriodoPreenchimento(a, b);
            ADD_FAILURE() << c.inicio << " " << c.fim;
        } catch (const Erro& e) {
            EXPECT_EQ(e.mensagem(), QString::fromUtf8(c.erro)) << c.inicio << " " << c.fim;
        }
    }
    EXPECT_THROW(lerPeriodoPreenchimento(QStringLiteral("+970"), QStringLiteral("1990")),
                 ErroConversao);
    const ProjetoPreenchimento p = novoProjetoPreenchimento({1970, 1972});
    ASSERT_EQ(p.meses.size(), 36u);
    EXPECT_EQ(p.meses.front().data, k1970);
    EXPECT_EQ(p.meses.back().data, QDate(1972, 12, 1));
    EXPECT_EQ(p.titulo(1), QStringLiteral("  "));
    EXPECT_EQ(p.numeroEstacoes, 0);
    EXPECT_EQ(p.estado, -2);
    EXPECT_FALSE(p.meses[5].preenchido);
}

TEST(ProjetoPreenchimento, MediaMensalDosMesesConsiderados) {
    RegistroMensal r;
    r.data = QDate(1970, 4, 1);
    EXPECT_EQ(mediaMensal(r), std::nullopt); // no value
    r.vazao[9] = 3.5;
    EXPECT_EQ(mediaMensal(r), 3.5); // a single valid day is the mean
    r.vazao[0] = 0.0;
    r.vazao[20] = 8.5;
    EXPECT_EQ(mediaMensal(r), 4.0); // (3,5 + 0 + 8,5) / 3
    r.vazao01Status = kDescartado;
    EXPECT_EQ(mediaMensal(r), std::nullopt);
    r.vazao01Status = kSemDados;
    EXPECT_EQ(mediaMensal(r), std::nullopt);
}

TEST(ProjetoPreenchimento, AdicionarEstacoes) {
    ProjetoPreenchimento p = novoProjetoPreenchimento({1970, 1972});
    // The base from March 1969 to February 1970: only January and February 1970 are in the period.
    const SerieTabela base = estacao(111, QDate(1969, 3, 1), QDate(1970, 2, 1),
                                     seguidos(QDate(1969, 3, 1), std::vector<double>(12, 5.0)));
    std::vector<qsizetype> passos;
    EXPECT_EQ(adicionarEstacao(p, base, [&](qsizetype f, qsizetype) { passos.push_back(f); }), 1);
    EXPECT_EQ(passos.size(), 36u);
    EXPECT_EQ(p.titulo(1), QStringLiteral("111"));
    EXPECT_EQ(p.meses[0].coluna(1), 5.0);
    EXPECT_EQ(p.meses[1].coluna(1), 5.0);
    EXPECT_EQ(p.meses[2].coluna(1), std::nullopt);

    // A station starting after the period: a column of empty months.
    EXPECT_EQ(
        adicionarEstacao(p, estacao(222, QDate(1980, 1, 1), QDate(1980, 12, 1),
                                    seguidos(QDate(1980, 1, 1), std::vector<double>(12, 1.0)))),
        2);
    for (const MesPreenchimento& m : p.meses)
        EXPECT_EQ(m.coluna(2), std::nullopt);

    // A discarded month stays empty though it has flows.
    SerieTabela terceira = estacao(333, k1970, QDate(1970, 3, 1), seguidos(k1970, {1, 2, 3}));
    terceira.armazenados()[1].vazao01Status = kDescartado;
    adicionarEstacao(p, terceira);
    EXPECT_EQ(p.meses[0].coluna(3), 1.0);
    EXPECT_EQ(p.meses[1].coluna(3), std::nullopt);
    EXPECT_EQ(p.meses[2].coluna(3), 3.0);
    EXPECT_EQ(p.numeroEstacoes, 3);

    EXPECT_TRUE(estacaoNoProjeto(p, QStringLiteral("222")));
    EXPECT_FALSE(estacaoNoProjeto(p, QStringLiteral("22")));
    EXPECT_EQ(perguntaEstacaoRepetida(QStringLiteral("222")),
              QStringLiteral("Deseja adicionar a estação 222 novamente?"));
    try {
        adicionarEstacao(p, SerieTabela());
        FAIL();
    } catch (const Erro& e) {
        EXPECT_EQ(e.mensagem(), QStringLiteral("Nenhuma base de dados encontrada."));
    }
    EXPECT_EQ(p.numeroEstacoes, 3);
}

TEST(ProjetoPreenchimento, VigesimaPrimeiraEstacaoRecusada) {
    ProjetoPreenchimento p = novoProjetoPreenchimento({1970, 1972});
    for (int i = 1; i <= 20; ++i)
        adicionarEstacao(p, estacao(i, k1970, k1970, seguidos(k1970, {double(i)})));
    EXPECT_EQ(p.titulo(20), QStringLiteral("20"));
    EXPECT_EQ(p.meses[0].coluna(20), 20.0);
    const QString esperado = QStringLiteral("Há 20 estações adicionadas. \n Esse é o número máximo "
                                            "de estações permitido.");
    try {
        verificarVagaEstacao(p); // before the file dialog
        FAIL();
    } catch (const Erro& e) {
        EXPECT_EQ(e.mensagem(), esperado);
        EXPECT_EQ(e.gravidade(), Gravidade::Erro);
    }
    EXPECT_THROW(adicionarEstacao(p, estacao(21, k1970, k1970, {})), Erro);
    EXPECT_EQ(p.numeroEstacoes, 20);
}

// Five stations over 1970-1972 whose column n holds n × 10 + month number in the first months;
// months 0 and 1 filled from column 3, month 2 from column 4.
ProjetoPreenchimento cincoEstacoes() {
    ProjetoPreenchimento p = novoProjetoPreenchimento({1970, 1972});
    for (int n = 1; n <= 5; ++n) {
        std::vector<double> v;
        for (int m = 0; m < 6; ++m)
            v.push_back(n * 10 + m);
        adicionarEstacao(p, estacao(1000 + n, k1970, QDate(1970, 6, 1), seguidos(k1970, v)));
    }
    const auto preencher = [&](int mes, int coluna) {
        p.meses[static_cast<std::size_t>(mes)].preenchido = true;
        p.meses[static_cast<std::size_t>(mes)].baseApoio = coluna;
    };
    preencher(0, 3);
    preencher(1, 3);
    preencher(2, 4);
    p.estado = kEstadoPreenchido;
    return p;
}

TEST(ProjetoPreenchimento, ExcluirAuxiliarUsada) {
    ProjetoPreenchimento p = cincoEstacoes();
    EXPECT_EQ(perguntaExclusao(p, 5), std::nullopt);
    EXPECT_EQ(perguntaExclusao(p, 3),
              QStringLiteral("Esta estação foi utilizada no preenchimento atual.  O preenchimento "
                             "referente a esta estação será perdido. \nDeseja continuar?"));
    excluiEstacao(p, 3);
    EXPECT_EQ(p.numeroEstacoes, 4);
    const QStringList titulos = {"1001", "1002", "1004", "1005", "  "};
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(p.titulo(n), titulos[n - 1]);
    EXPECT_EQ(p.titulo(20), QStringLiteral("  "));
    // Columns 4 and 5 became 3 and 4.
    EXPECT_EQ(p.meses[3].coluna(3), 43.0);
    EXPECT_EQ(p.meses[3].coluna(4), 53.0);
    EXPECT_EQ(p.meses[3].coluna(5), std::nullopt);
    // Months filled from the old column 3 lost their filled value and marks.
    for (int m : {0, 1}) {
        EXPECT_EQ(p.meses[static_cast<std::size_t>(m)].coluna(1), std::nullopt);
        EXPECT_FALSE(p.meses[static_cast<std::size_t>(m)].preenchido);
        EXPECT_EQ(p.meses[static_cast<std::size_t>(m)].baseApoio, std::nullopt);
    }
    // The month filled from the old column 4 now names column 3, and keeps its value.
    EXPECT_EQ(p.meses[2].baseApoio, 3);
    EXPECT_TRUE(p.meses[2].preenchido);
    EXPECT_EQ(p.meses[2].coluna(1), 12.0);
    EXPECT_TRUE(p.temPreenchimento());
}

TEST(ProjetoPreenchimento, ExcluirBase) {
    ProjetoPreenchimento p = cincoEstacoes();
    // A completed filling that was not saved would be lost: the question comes first.
    EXPECT_EQ(perguntaExclusao(p, 1),
              QStringLiteral("O preenchimento atual será perdido. Deseja continuar?"));
    p.estado = kEstadoSalvo;
    EXPECT_EQ(perguntaExclusao(p, 1), std::nullopt);
    excluiEstacao(p, 1);
    EXPECT_EQ(p.titulo(1), QStringLiteral("1002"));
    EXPECT_EQ(p.titulo(4), QStringLiteral("1005"));
    EXPECT_EQ(p.titulo(5), QStringLiteral("  "));
    EXPECT_EQ(p.meses[0].coluna(1), 20.0); // the first auxiliary station is the base
    EXPECT_EQ(p.meses[0].coluna(4), 50.0);
    EXPECT_EQ(p.meses[0].coluna(5), std::nullopt);
    for (const MesPreenchimento& m : p.meses) {
        EXPECT_FALSE(m.preenchido);
        EXPECT_EQ(m.baseApoio, std::nullopt);
    }
    EXPECT_FALSE(p.temPreenchimento());
    EXPECT_EQ(p.numeroEstacoes, 4);
}

TEST(ProjetoPreenchimento, MudarEstacaoBase) {
    ProjetoPreenchimento p = cincoEstacoes();
    p.meses[4].coluna(1) = -2.5; // a negative monthly mean is a value like any other
    p.meses[5].coluna(4).reset();
    mudarEstacaoBase(p, 4);
    EXPECT_EQ(p.titulo(1), QStringLiteral("1004"));
    EXPECT_EQ(p.titulo(4), QStringLiteral("1001"));
    // Filled months drop their value before the exchange.
    EXPECT_EQ(p.meses[0].coluna(1), 40.0);
    EXPECT_EQ(p.meses[0].coluna(4), std::nullopt);
    EXPECT_FALSE(p.meses[0].preenchido);
    EXPECT_EQ(p.meses[3].coluna(1), 43.0);
    EXPECT_EQ(p.meses[3].coluna(4), 13.0);
    EXPECT_EQ(p.meses[4].coluna(4), -2.5);
    EXPECT_EQ(p.meses[5].coluna(1), std::nullopt);
    EXPECT_EQ(p.meses[5].coluna(4), 15.0);
    for (const MesPreenchimento& m : p.meses)
        EXPECT_EQ(m.baseApoio, std::nullopt);
}

TEST(ArquivoPreenchimento, SalvarEReabrir) {
    QTemporaryDir pasta;
    ProjetoPreenchimento p = cincoEstacoes();
    p.meses[0].coluna(1) = 31.25;       // the filled value
    p.titulos[4] = QStringLiteral("7"); // a code of one character survives too
    const QString arquivo = ajustarExtensaoPreenchimento(pasta.filePath(QStringLiteral("projeto")));
    EXPECT_TRUE(arquivo.endsWith(QStringLiteral("projeto.psv")));
    gravarProjetoPreenchimento(arquivo, p);
    EXPECT_EQ(p.estado, kEstadoSalvo);

    const Tabela t = lerTabela(arquivo);
    const QStringList nomes = {"ID",     "Data",   "BaseApoio", "Preenchido", "Dados1",
                               "dados2", "dados3", "dados4",    "dados5",     "Dados6"};
    for (int c = 0; c < nomes.size(); ++c)
        EXPECT_EQ(t.campos()[static_cast<std::size_t>(c)].nome, nomes[c]);
    EXPECT_EQ(t.campos()[23].nome, QStringLiteral("Dados20"));
    EXPECT_EQ(t.campos()[24].nome, QStringLiteral("Estacoes"));
    EXPECT_EQ(t.campos()[25].nome, QStringLiteral("NumEstacoes"));
    EXPECT_EQ(t.linhas(), 36);
    EXPECT_EQ(t.texto(2, 24), QStringLiteral("1003"));
    EXPECT_TRUE(t.nulo(5, 24)); // no station in column 6
    EXPECT_TRUE(t.nulo(0, 25));

    const ProjetoPreenchimento lido = lerProjetoPreenchimento(arquivo);
    EXPECT_EQ(lido.estado, kEstadoNovo);
    EXPECT_EQ(lido.numeroEstacoes, 5);
    EXPECT_EQ(lido.titulos, p.titulos);
    EXPECT_EQ(lido.meses, p.meses);
    EXPECT_EQ(lido.periodo(), (PeriodoPreenchimento{1970, 1972}));
    EXPECT_TRUE(lido.temPreenchimento());
}

TEST(ArquivoPreenchimento, CarregadorDeEstacoes) {
    QTemporaryDir pasta;
    const SerieTabela s = estacao(56110005, k1970, QDate(1970, 12, 1), seguidos(k1970, {1, 2}));
    const QString certo = pasta.filePath(QStringLiteral("a.cvl"));
    gravarProjeto(certo, s);
    EXPECT_EQ(lerEstacaoPreenchimento(certo).tamanho(), 12);
    EXPECT_EQ(codigoEstacao(lerEstacaoPreenchimento(certo)), QStringLiteral("56110005"));

    QFile::copy(certo, pasta.filePath(QStringLiteral("B.CVL")));
    try {
        lerEstacaoPreenchimento(pasta.filePath(QStringLiteral("B.CVL")));
        FAIL();
    } catch (const Erro& e) {
        EXPECT_EQ(e.mensagem(), QStringLiteral("Arquivo de projeto inválido."));
        EXPECT_EQ(e.gravidade(), Gravidade::Aviso);
    }
    const QString estragado = pasta.filePath(QStringLiteral("c.cvl"));
    QFile::copy(certo, estragado);
    QFile f(estragado);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.resize(f.size() - 1);
    f.close();
    for (const QString& arquivo : {estragado, pasta.filePath(QStringLiteral("nenhum.cvl"))}) {
        try {
            lerEstacaoPreenchimento(arquivo);
            ADD_FAILURE();
        } catch (const Erro& e) {
            EXPECT_EQ(e.mensagem(),
                      QStringLiteral("Este arquivo não é Projeto válido ou está corrompido."));
            EXPECT_EQ(e.gravidade(), Gravidade::Erro);
        }
    }
}

} // namespace
