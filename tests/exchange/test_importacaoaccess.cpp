// Access import on databases made by an independent writer: the station list and the choice, the
// level kept (consisted, or raw for a station without consisted rows), the values, and the
// refusals of files that are not agency databases or are damaged.
#include "fixturasmdb.h"

#include "core/bancada.h"
#include "exchange/importacaoaccess.h"
#include "impressao_qt.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace corvel;
using teste::fixturaMdb;
using teste::FormulaVazoes;

namespace {

std::vector<QDate> meses(QDate de, QDate ate, std::set<QDate> fora = {}) {
    std::vector<QDate> m;
    for (QDate d = de; d <= ate; d = d.addMonths(1))
        if (!fora.count(d)) m.push_back(d);
    return m;
}

std::vector<QDate> mesesArmazenados(const SerieTabela& s) {
    std::vector<QDate> m;
    for (const RegistroMensal& r : s.armazenados())
        m.push_back(r.data);
    return m;
}

// Every day of every record against the writer's formula, days after the month's end included.
void conferirValores(const SerieTabela& s, const FormulaVazoes& formula) {
    for (const RegistroMensal& r : s.armazenados())
        for (int d = 1; d <= kDiasRegistro; ++d)
            ASSERT_EQ(r.vazao[static_cast<std::size_t>(d - 1)], formula(r.data, d))
                << r.mes().toStdString() << " dia " << d;
}

std::vector<double> ids(const SerieTabela& s) {
    std::vector<double> v;
    for (const RegistroMensal& r : s.armazenados())
        v.push_back(r.registroId);
    return v;
}

std::vector<double> sequencia(double de, double ate) {
    std::vector<double> v;
    for (double i = de; i <= ate; ++i)
        v.push_back(i);
    return v;
}

const QDate kAbr91(1991, 4, 1), kNov92(1992, 11, 1);

TEST(ImportacaoAccess, UmaEstacaoSemJanelaDeEscolhaSoOsConsistidos) {
    BancoVazoes banco(fixturaMdb("vazoes_uma_estacao.mdb"));
    EXPECT_EQ(banco.codigos(), std::vector<qint32>{12345678});
    EXPECT_FALSE(banco.precisaEscolher());

    const ResultadoImportacao r = banco.importarEstacao(12345678);
    EXPECT_EQ(r.nivelConsistencia, 2);
    EXPECT_EQ(r.duplicadosDescartados, 0);
    EXPECT_EQ(r.avisos.mesesBrutosForaDoConsistido, 0);
    EXPECT_EQ(r.avisos.valoresImplausiveis, 0);
    EXPECT_EQ(mesesArmazenados(r.serie),
              meses(QDate(1990, 1, 1), QDate(1992, 12, 1), {kAbr91, kNov92}));
    // The file's own record numbers, those of the level-2 rows.
    EXPECT_EQ(ids(r.serie), sequencia(35, 68));
    for (const RegistroMensal& m : r.serie.armazenados()) {
        EXPECT_EQ(m.nivelConsistencia, 2);
        EXPECT_EQ(m.estacaoCodigo, 12345678);
    }
    conferirValores(r.serie, {0,
                              1990,
                              {QDate(1990, 3, 5), QDate(1990, 3, 6), QDate(1991, 7, 31),
                               QDate(1992, 10, 10), QDate(1992, 10, 11), QDate(1992, 10, 12)}});
}

TEST(ImportacaoAccess, StatusDoArquivoIgnoradosMesesComecamConsideradosEAusentesCompletados) {
    BancoVazoes banco(fixturaMdb("vazoes_uma_estacao.mdb"));
    ResultadoImportacao r = banco.importarEstacao(12345678);
    Bancada b;
    b.nivelConsistencia = 1; // a level-1 project was open before
    b.assumirImportacao(std::move(r.serie), r.nivelConsistencia);
    EXPECT_EQ(b.nivelConsistencia, 2);
    EXPECT_EQ(b.inicioAnoHidrologico, 1);
    ASSERT_EQ(b.serie.tamanho(), 36);
    for (qsizetype i = 0; i < b.serie.tamanho(); ++i) {
        const RegistroMensal& m = b.serie[i];
        SCOPED_TRACE(m.mes().toStdString());
        const bool ausente = m.data == kAbr91 || m.data == kNov92;
        // The file has 1 in Vazao01Status on almost every row: it is not a situation code here.
        EXPECT_EQ(m.vazao01Status, ausente ? kSemDados : kConsiderado);
        EXPECT_EQ(m.vazao02Status, 1);
        EXPECT_EQ(m.vazao03Status, 0);
        EXPECT_EQ(m.nivelConsistencia, 2);
        if (ausente) continue;
        // The agency's statuses kept per day: 1 (real) where the day has a value, 0 (em branco)
        // where it has none; every row's method is 1 (curva de descarga).
        EXPECT_EQ(m.metodoObtencao, 1);
        for (int d = 0; d < m.nDias(); ++d)
            EXPECT_EQ(m.sinal[static_cast<std::size_t>(d)],
                      m.vazao[static_cast<std::size_t>(d)] ? SinalDia::Real : SinalDia::Desconhecido)
                << d + 1;
    }
    // The added months are numbered from the last row read (RegistroID 68) + 2.
    EXPECT_EQ(b.serie[b.serie.localizar(kAbr91)].registroId, 70);
    EXPECT_EQ(b.serie[b.serie.localizar(kNov92)].registroId, 71);
    EXPECT_EQ(b.serie[b.serie.localizar(QDate(1990, 3, 1))].situacao(false), u"Com falhas");
    EXPECT_EQ(b.serie[b.serie.localizar(QDate(1990, 4, 1))].situacao(false), u"Completo");
}

TEST(ImportacaoAccess, TresEstacoesCadaUmaComSeuNivelEPeriodo) {
    BancoVazoes banco(fixturaMdb("vazoes_tres_estacoes.mdb"));
    EXPECT_EQ(banco.codigos(), (std::vector<qint32>{11111111, 22222222, 33333333}));
    EXPECT_TRUE(banco.precisaEscolher());

    struct Caso {
        qint32 codigo;
        qint16 nivel;
        std::vector<QDate> meses;
        std::vector<double> ids;
        FormulaVazoes formula;
        qsizetype brutosFora;
    };
    std::set<QDate> junho2001;
    for (int d = 15; d <= 20; ++d)
        junho2001.insert(QDate(2001, 6, d));
    std::set<QDate> fevereiro1986;
    for (int d = 1; d <= 28; ++d)
        fevereiro1986.insert(QDate(1986, 2, d));
    std::vector<double> ids222 = sequencia(169, 215);
    const Caso casos[] = {
        {11111111,
         2,
         meses(QDate(2000, 1, 1), QDate(2002, 12, 1)),
         sequencia(1, 36),
         {1000, 2000, junho2001},
         12},
        {22222222,
         2,
         meses(QDate(1985, 1, 1), QDate(1988, 12, 1), {QDate(1987, 9, 1)}),
         ids222,
         {2000, 1985, fevereiro1986},
         0},
        // No consisted row at all: the raw rows, rather than an empty project.
        {33333333,
         1,
         meses(QDate(2010, 1, 1), QDate(2012, 12, 1)),
         sequencia(85, 120),
         {3000, 2010, {QDate(2011, 1, 1)}},
         0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.codigo);
        const ResultadoImportacao r = banco.importarEstacao(c.codigo);
        EXPECT_EQ(r.nivelConsistencia, c.nivel);
        EXPECT_EQ(mesesArmazenados(r.serie), c.meses);
        EXPECT_EQ(ids(r.serie), c.ids);
        EXPECT_EQ(r.avisos.mesesBrutosForaDoConsistido, c.brutosFora);
        for (const RegistroMensal& m : r.serie.armazenados()) {
            EXPECT_EQ(m.nivelConsistencia, c.nivel);
            EXPECT_EQ(m.estacaoCodigo, c.codigo);
        }
        conferirValores(r.serie, c.formula);
    }
}

TEST(ImportacaoAccess, EstacaoSoComBrutosDaNivelUmATodaASerie) {
    BancoVazoes banco(fixturaMdb("vazoes_tres_estacoes.mdb"));
    ResultadoImportacao r = banco.importarEstacao(33333333);
    EXPECT_EQ(textoNivelImportado(r.nivelConsistencia),
              u"A estação não tem dados consistidos: importados os dados brutos (nível 1).");
    Bancada b;
    b.assumirImportacao(std::move(r.serie), r.nivelConsistencia);
    EXPECT_EQ(b.nivelConsistencia, 1);
    ASSERT_EQ(b.serie.tamanho(), 36);
    for (qsizetype i = 0; i < b.serie.tamanho(); ++i)
        EXPECT_EQ(b.serie[i].nivelConsistencia, 1);
    EXPECT_EQ(textoNivelImportado(2), u"Importados os dados consistidos (nível 2).");
}

TEST(ImportacaoAccess, BrutosDepoisDoPeriodoConsistidoAcrescentadosQuandoPedido) {
    BancoVazoes banco(fixturaMdb("vazoes_tres_estacoes.mdb"));
    const ResultadoImportacao r = banco.importarEstacao(11111111, DadosBrutos::CompletarSerie);
    EXPECT_TRUE(r.avisos.mesesBrutosAcrescentados);
    ASSERT_EQ(r.serie.tamanho(), 48);
    const FormulaVazoes brutos{1500, 2000, {}};
    for (const RegistroMensal& m : r.serie.armazenados()) {
        SCOPED_TRACE(m.mes().toStdString());
        EXPECT_EQ(m.nivelConsistencia, m.data.year() == 2003 ? 1 : 2);
        if (m.data.year() == 2003) {
            EXPECT_EQ(m.vazao[0], brutos(m.data, 1));
        }
    }
}

TEST(ImportacaoAccess, JanelaDeEscolhaOkSemEscolhaECancelarAbremAPrimeira) {
    const std::vector<qint32> codigos{11111111, 22222222, 33333333};
    struct Caso {
        RespostaEscolha resposta;
        qsizetype escolhida;
        qint32 codigo;
        const char* informacao;
    };
    const Caso casos[] = {
        {RespostaEscolha::Escolhida, 2, 33333333, ""},
        {RespostaEscolha::Escolhida, 0, 11111111, ""},
        {RespostaEscolha::OkSemEscolha, 0, 11111111,
         "A nenhuma estação foi selecionada. A estação \"11111111\" será aberta."},
        {RespostaEscolha::Cancelada, 0, 11111111,
         "A escolha de estações foi cancelada. A estação \"11111111\" será aberta. "},
    };
    for (const Caso& c : casos) {
        const EscolhaEstacao e = escolherEstacao(codigos, c.resposta, c.escolhida);
        EXPECT_EQ(e.codigo, c.codigo);
        EXPECT_EQ(e.informacao, QString::fromUtf8(c.informacao));
    }
}

void esperarErro(const QString& caminho, const char* mensagem, Gravidade gravidade) {
    SCOPED_TRACE(caminho.toStdString());
    try {
        BancoVazoes banco(caminho);
        ADD_FAILURE() << "aberto sem erro";
    } catch (const ErroBancoAccess& e) {
        EXPECT_EQ(gravidade, Gravidade::Erro);
        EXPECT_EQ(e.mensagem(), QString::fromUtf8(mensagem)) << e.causa().toStdString();
    } catch (const Erro& e) {
        EXPECT_EQ(e.mensagem(), QString::fromUtf8(mensagem));
        EXPECT_EQ(e.gravidade(), gravidade);
    }
}

TEST(ImportacaoAccess, BancosQueNaoSaoDaVidaraSaoRecusadosComAviso) {
    esperarErro(fixturaMdb("sem_vazoes.mdb"), "Esse não é um Banco de Dados da Vidara para Vazões.",
                Gravidade::Aviso);
    esperarErro(fixturaMdb("vazoes_sem_status.mdb"),
                "Banco de Dados corrompido ou de origem não reconhecida. ", Gravidade::Aviso);
}

QByteArray conteudo(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString gravar(const QTemporaryDir& pasta, const QString& nome, const QByteArray& bytes) {
    const QString caminho = pasta.filePath(nome);
    QFile f(caminho);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    return caminho;
}

TEST(ImportacaoAccess, ArquivoIlegivelDaErroAoAcessar) {
    QTemporaryDir pasta;
    esperarErro(pasta.filePath(QStringLiteral("inexistente.mdb")), kMsgErroAcessarBanco,
                Gravidade::Erro);
    esperarErro(gravar(pasta, QStringLiteral("texto.mdb"), "isto não é um banco de dados\n"),
                kMsgErroAcessarBanco, Gravidade::Erro);
    esperarErro(gravar(pasta, QStringLiteral("vazio.mdb"), {}), kMsgErroAcessarBanco,
                Gravidade::Erro);
    // libmdb crashes on this one (a usage-map pointer of the system catalogue): only the reader
    // process goes down.
    QByteArray danificado = conteudo(fixturaMdb("vazoes_uma_estacao.mdb"));
    ASSERT_GT(danificado.size(), 8247);
    danificado[8247] = '\xFF';
    esperarErro(gravar(pasta, QStringLiteral("danificado.mdb"), danificado), kMsgErroAcessarBanco,
                Gravidade::Erro);
}

// Either the whole station or the database error: never a part of its months.
void importaInteiroOuRecusa(const QString& caminho, qsizetype mesesInteiros, int& recusados) {
    try {
        BancoVazoes banco(caminho);
        const ResultadoImportacao r = banco.importarEstacao(banco.codigos().front());
        EXPECT_EQ(r.serie.tamanho(), mesesInteiros);
    } catch (const ErroBancoAccess& e) {
        EXPECT_EQ(e.mensagem(), QString::fromUtf8(kMsgErroAcessarBanco));
        ++recusados;
    } catch (const Erro& e) {
        // A damaged catalogue may hide the table or its fields: the file's own warnings.
        EXPECT_EQ(e.gravidade(), Gravidade::Aviso) << e.mensagem().toStdString();
        ++recusados;
    }
}

TEST(ImportacaoAccess, ArquivoTruncadoNuncaDaMesesPelaMetade) {
    const QByteArray inteiro = conteudo(fixturaMdb("vazoes_uma_estacao.mdb"));
    QTemporaryDir pasta;
    int recusados = 0, tentativas = 0;
    // Every page boundary, and a few cuts inside a page.
    for (qsizetype n = 0; n < inteiro.size(); n += 4096) {
        for (qsizetype corte : {n, n + 1000}) {
            if (corte >= inteiro.size()) continue;
            SCOPED_TRACE(corte);
            ++tentativas;
            importaInteiroOuRecusa(
                gravar(pasta, QStringLiteral("truncado.mdb"), inteiro.first(corte)), 34, recusados);
        }
    }
    // The last pages hold the other table: cutting them leaves the station whole.
    EXPECT_GT(recusados, tentativas * 3 / 4);
}

TEST(ImportacaoAccess, BytesTrocadosNuncaDerrubamOPrograma) {
    const QByteArray inteiro = conteudo(fixturaMdb("vazoes_tres_estacoes.mdb"));
    QTemporaryDir pasta;
    std::mt19937 gerador(20240601);
    int recusados = 0;
    for (int i = 0; i < 40; ++i) {
        QByteArray b = inteiro;
        // The first pages hold the catalogue and the table definitions.
        std::uniform_int_distribution<qsizetype> onde(0, 6 * 4096);
        for (int k = 0; k < 8; ++k)
            b[onde(gerador)] = static_cast<char>(gerador() & 0xFF);
        SCOPED_TRACE(i);
        try {
            BancoVazoes banco(gravar(pasta, QStringLiteral("trocado.mdb"), b));
            for (qint32 codigo : banco.codigos()) {
                const ResultadoImportacao r = banco.importarEstacao(codigo);
                // Whatever survives is still one station's months at one level.
                std::set<QDate> vistos;
                for (const RegistroMensal& m : r.serie.armazenados()) {
                    EXPECT_EQ(m.estacaoCodigo, codigo);
                    EXPECT_TRUE(m.data.isValid() && m.data.day() == 1 && anoAceito(m.data));
                    EXPECT_TRUE(vistos.insert(m.data).second);
                }
            }
        } catch (const ErroBancoAccess& e) {
            EXPECT_EQ(e.mensagem(), QString::fromUtf8(kMsgErroAcessarBanco));
            ++recusados;
        } catch (const Erro& e) {
            EXPECT_EQ(e.gravidade(), Gravidade::Aviso) << e.mensagem().toStdString();
            ++recusados;
        }
    }
    EXPECT_GT(recusados, 0);
}

// A row as the reader sends it: RegistroID, EstacaoCodigo, NivelConsistencia, Data (days since
// 30/12/1899), then Vazao01 ... Vazao31 with `dia1` on day 1 and 5 on the others.
std::vector<std::string> linha(const char* id, const char* codigo, const char* nivel,
                               const char* data, const char* dia1 = "1.5") {
    std::vector<std::string> v{id, codigo, nivel, data, dia1};
    while (v.size() < 35)
        v.push_back("5");
    return v;
}

ResultadoImportacao montar(const std::vector<std::vector<std::string>>& linhas) {
    MontagemEstacao m;
    for (const auto& l : linhas)
        m.acrescentar(std::vector<std::string_view>(l.begin(), l.end()));
    return m.resultado(123, DadosBrutos::SoSemConsistidos);
}

// Serial days of 1 January, 1 March and 15 March 1990.
constexpr const char* kJan90 = "32874";
constexpr const char* kMar90 = "32933";
constexpr const char* kMeioMar90 = "32947";

TEST(MontagemEstacao, MesRepetidoFicaUmaVezComALinhaPosteriorEOsBrutosSoSemConsistidos) {
    struct Caso {
        const char* descricao;
        std::vector<std::vector<std::string>> linhas;
        qint16 nivel;
        std::vector<double> ids;
        int duplicados;
    };
    const Caso casos[] = {
        {"mês repetido no nível 2",
         {linha("1", "123", "2", kMar90), linha("2", "123", "2", kJan90),
          linha("3", "123", "2", kMeioMar90)},
         2,
         {2, 3},
         1},
        {"níveis 1 e 2",
         {linha("1", "123", "1", kMar90), linha("2", "123", "2", kMar90)},
         2,
         {2},
         0},
        {"só brutos, repetidos",
         {linha("4", "123", "1", kMar90), linha("5", "123", "1", kMar90)},
         1,
         {5},
         1},
        {"níveis 0, 3 e vazio são outras linhas",
         {linha("1", "123", "3", kJan90), linha("2", "123", "", kJan90),
          linha("3", "123", "0", kJan90), linha("4", "123", "1", kMar90)},
         1,
         {4},
         0},
        {"erro nos brutos não conta quando há consistidos",
         {linha("1", "123", "1", kMar90, "nan"), linha("2", "123", "2", kMar90)},
         2,
         {2},
         0},
        {"RegistroID vazio fica 0", {linha("", "123", "2", kMar90)}, 2, {0}, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.descricao);
        const ResultadoImportacao r = montar(c.linhas);
        EXPECT_EQ(r.nivelConsistencia, c.nivel);
        EXPECT_EQ(ids(r.serie), c.ids);
        EXPECT_EQ(r.duplicadosDescartados, c.duplicados);
        for (const RegistroMensal& m : r.serie.armazenados())
            EXPECT_EQ(m.data.day(), 1);
    }
}

TEST(MontagemEstacao, DatasCodigosEValoresImpossiveisSaoRecusadosComORegistro) {
    const std::pair<std::vector<std::string>, const char*> casos[] = {
        {linha("7", "123", "2", "-36553"), "RegistroID 7: a data 01/12/1799 está fora do período "
                                           "aceito (1800 a 2100)"},
        {linha("7", "123", "2", "73416"), "RegistroID 7: a data 01/01/2101 está fora do período "
                                          "aceito (1800 a 2100)"},
        {linha("7", "123", "2", "1e300"), "RegistroID 7: Data '1e300' fora do calendário"},
        {linha("7", "123", "2", ""), "RegistroID 7: Data vazia"},
        {linha("7", "0", "2", kMar90), "RegistroID 7: código de estação inválido: '0'"},
        {linha("7", "-5", "2", kMar90), "RegistroID 7: código de estação inválido: '-5'"},
        {linha("", "12.5", "2", kMar90),
         "linha 1 da estação: EstacaoCodigo '12.5' não é um número inteiro válido"},
        {linha("7", "123", "2", kMar90, "nan"), "RegistroID 7: Vazao01 'nan' não é um número "
                                                "válido"},
        {linha("7", "123", "2", kMar90, "inf"), "RegistroID 7: Vazao01 'inf' não é um número "
                                                "válido"},
    };
    for (const auto& [l, mensagem] : casos) {
        try {
            montar({l});
            ADD_FAILURE() << "sem erro: " << mensagem;
        } catch (const ErroConversao& e) {
            EXPECT_EQ(e.mensagem(), QString::fromUtf8(mensagem));
        }
    }
    // 2100 is still a year a record can have.
    EXPECT_EQ(montar({linha("7", "123", "2", "73385")}).serie[0].data, QDate(2100, 12, 1));
}

TEST(MontagemEstacao, VazoesImplausiveisAvisadasEEstacaoSemNiveisRecusada) {
    const ResultadoImportacao r =
        montar({linha("1", "123", "2", kMar90, "-1"), linha("2", "123", "2", kJan90, "2000000")});
    EXPECT_EQ(r.avisos.valoresImplausiveis, 2);
    EXPECT_EQ(r.avisos.primeiroMesImplausivel, QDate(1990, 1, 1));
    try {
        montar({linha("1", "123", "3", kMar90)});
        ADD_FAILURE() << "sem erro";
    } catch (const ErroBancoAccess& e) {
        EXPECT_EQ(e.causa(), u"a estação 123 não tem dados de nível 1 nem 2");
    }
}

} // namespace
