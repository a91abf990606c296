// Agency text import: which level is kept, where the comment block ends, how rows are numbered,
// and the failures the window reports.
#include "agencia.h"

#include "core/bancada.h"
#include "exchange/importacaoagencia.h"
#include "impressao_qt.h"

#include <gtest/gtest.h>
#include <vector>

using namespace corvel;
using corvel::teste::arquivo;
using corvel::teste::comentario;
using corvel::teste::linha;
using corvel::teste::LinhaAgencia;
using corvel::teste::titulo;

namespace {

struct Mes {
    QDate data;
    double registroId;
};

std::vector<Mes> mesesArmazenados(const SerieTabela& s) {
    std::vector<Mes> m;
    for (const RegistroMensal& r : s.armazenados())
        m.push_back({r.data, r.registroId});
    return m;
}

bool operator==(const Mes& a, const Mes& b) {
    return a.data == b.data && a.registroId == b.registroId;
}

void PrintTo(const Mes& m, std::ostream* os) {
    *os << m.data.toString(u"MM/yyyy").toStdString() << " #" << m.registroId;
}

const QDate kMar90(1990, 3, 1), kAbr90(1990, 4, 1), kMai90(1990, 5, 1);

TEST(ImportacaoAgencia, DadosConsistidosPreferidosBrutosSoSemConsistidos) {
    struct Caso {
        const char* descricao;
        QByteArray texto;
        qint16 nivel;
        std::vector<Mes> meses;
    };
    const QString t = titulo(false);
    const Caso casos[] = {
        {"mesmos meses nos dois níveis",
         arquivo({comentario(), t, linha("1", "01/03/1990", "1,5").texto(),
                  linha("1", "01/04/1990", "1,5").texto(), linha("2", "01/03/1990", "2,5").texto(),
                  linha("2", "01/04/1990", "2,5").texto()}),
         2,
         {{kMar90, 4}, {kAbr90, 5}}},
        {"consistido num mês só: os brutos dos outros meses não entram",
         arquivo({comentario(), t, linha("1", "01/03/1990", "1,5").texto(),
                  linha("2", "01/04/1990", "2,5").texto(),
                  linha("1", "01/05/1990", "1,5").texto()}),
         2,
         {{kAbr90, 3}}},
        {"só brutos",
         arquivo({comentario(), t, linha("1", "01/05/1990", "1,5").texto(),
                  linha("1", "01/03/1990", "1,5").texto()}),
         1,
         {{kMai90, 2}, {kMar90, 3}}},
        {"nível 3 não é lido",
         arquivo({comentario(), t, linha("3", "01/03/1990", "3,5").texto(),
                  linha("1", "01/04/1990", "1,5").texto()}),
         1,
         {{kAbr90, 3}}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.descricao);
        const ResultadoImportacao r = lerTextoAgencia(c.texto, 9);
        EXPECT_EQ(r.nivelConsistencia, c.nivel);
        EXPECT_EQ(mesesArmazenados(r.serie), c.meses);
        for (const RegistroMensal& m : r.serie.armazenados()) {
            EXPECT_EQ(m.nivelConsistencia, c.nivel);
            EXPECT_EQ(m.vazao[0], c.nivel == 2 ? 2.5 : 1.5);
            EXPECT_EQ(m.vazao02Status, 9);
        }
    }
}

TEST(ImportacaoAgencia, SoBrutosDaoNivelUmAosMesesCompletados) {
    const QByteArray texto =
        arquivo({comentario(), titulo(false), linha("1", "01/03/1990").texto()});
    ResultadoImportacao r = lerTextoAgencia(texto, 9);
    Bancada b;
    b.assumirImportacao(std::move(r.serie), r.nivelConsistencia);
    EXPECT_EQ(b.nivelConsistencia, 1);
    ASSERT_EQ(b.serie.tamanho(), 12);
    for (qsizetype i = 0; i < b.serie.tamanho(); ++i)
        EXPECT_EQ(b.serie[i].nivelConsistencia, 1) << i;
}

TEST(ImportacaoAgencia, ArquivoSoDeComentariosAborta) {
    const QString esperada =
        QStringLiteral("Verifique se esse arquivo foi baixado do site da "
                       "Vidara, ou se tem a estrutura adequada.\n Ação abortada.");
    const QByteArray casos[] = {
        "//a\r\n//b\r\n",
        "//a\r\n\r\n",
        "//a",
        "//a\n//b",
        "//a\r\n\r\n//b\r\n\r\n",
        arquivo({comentario(), QString(), titulo(true)}),
        // No data row at either level: a project without months and without a station.
        arquivo({comentario(), titulo(false)}),
        arquivo({comentario(), titulo(false), QStringLiteral("texto qualquer;sem;colunas;")}),
        QByteArray("Sistema de Informações\r\n\r\nEstacaoCodigo;NivelConsistencia\r\n"),
    };
    for (const QByteArray& texto : casos) {
        try {
            lerTextoAgencia(texto, 1);
            ADD_FAILURE() << "sem erro: " << texto.toStdString();
        } catch (const Erro& e) {
            EXPECT_EQ(e.mensagem(), esperada) << texto.toStdString();
            EXPECT_EQ(e.gravidade(), Gravidade::Erro);
            EXPECT_EQ(dynamic_cast<const ErroImportacao*>(&e), nullptr);
        }
    }
}

TEST(ImportacaoAgencia, TituloNaoEntraELinhaLogoAposOsComentariosEntra) {
    const QString dado = linha("2", "01/03/1990").texto();
    const std::pair<const char*, QByteArray> casos[] = {
        {"título sem // depois dos comentários", arquivo({comentario(), titulo(false), dado})},
        {"título com // no bloco de comentários",
         arquivo({comentario(), QString(), titulo(true), dado})},
        {"sem título", arquivo({comentario(), comentario(), dado})},
        {"nem título nem comentários", arquivo({dado})},
    };
    const double numero[] = {2, 1, 1, 1};
    for (std::size_t i = 0; i < std::size(casos); ++i) {
        const ResultadoImportacao r = lerTextoAgencia(casos[i].second, 1);
        EXPECT_EQ(mesesArmazenados(r.serie), (std::vector<Mes>{{kMar90, numero[i]}}))
            << casos[i].first;
    }
}

TEST(ImportacaoAgencia, DuasLinhasVaziasSeguidasEncerramOBloco) {
    const QString dado = linha("2", "01/03/1990").texto();
    struct Caso {
        const char* descricao;
        QByteArray texto;
        double registroId; // the lines parsed before the data line are counted too
    };
    const Caso casos[] = {
        {"uma vazia entre comentários", arquivo({comentario(), QString(), comentario(), dado}), 1},
        {"uma vazia no fim do bloco", arquivo({comentario(), QString(), dado}), 1},
        {"duas vazias: a segunda é lida", arquivo({comentario(), QString(), QString(), dado}), 2},
        {"duas vazias antes de mais comentários",
         arquivo({comentario(), QString(), QString(), comentario(), dado}), 3},
    };
    for (const Caso& c : casos) {
        const ResultadoImportacao r = lerTextoAgencia(c.texto, 1);
        EXPECT_EQ(mesesArmazenados(r.serie), (std::vector<Mes>{{kMar90, c.registroId}}))
            << c.descricao;
    }
}

TEST(ImportacaoAgencia, RegistroIDContaAsLinhasDesdeOTituloEOsMesesAcrescentadosSeguem) {
    const QByteArray texto =
        arquivo({comentario(), titulo(false), linha("1", "01/01/1990").texto(),
                 linha("1", "01/02/1990").texto(), linha("1", "01/03/1990").texto(),
                 linha("2", "01/03/1990").texto(), QString(), linha("2", "01/05/1990").texto()});
    ResultadoImportacao r = lerTextoAgencia(texto, 1);
    EXPECT_EQ(mesesArmazenados(r.serie), (std::vector<Mes>{{kMar90, 5}, {kMai90, 7}}));

    Bancada b;
    b.assumirImportacao(std::move(r.serie), r.nivelConsistencia);
    std::vector<double> numeros;
    for (qsizetype i = 0; i < b.serie.tamanho(); ++i)
        numeros.push_back(b.serie[i].registroId);
    // January, February, April, then June to December, from two above the last number read.
    EXPECT_EQ(numeros, (std::vector<double>{9, 10, 5, 11, 7, 12, 13, 14, 15, 16, 17, 18}));
}

TEST(ImportacaoAgencia, VazoesAlemDoFimDoMesSaoGuardadasMasNaoContam) {
    struct Caso {
        const char* data;
        int nDias;
    };
    const Caso casos[] = {{"01/02/1991", 28}, {"01/02/1992", 29}, {"01/04/1990", 30}};
    for (const Caso& c : casos) {
        teste::LinhaAgencia l = linha("2", c.data);
        l.todos(QStringLiteral("4,25"));
        const ResultadoImportacao r = lerTextoAgencia(arquivo({l.texto()}), 1);
        ASSERT_EQ(r.serie.tamanho(), 1) << c.data;
        const RegistroMensal& m = r.serie[0];
        EXPECT_EQ(m.vazao[30], 4.25) << c.data;
        EXPECT_EQ(m.validos(), c.nDias) << c.data;
        EXPECT_EQ(m.porcentagemFalhas(), 0) << c.data;
    }
}

TEST(ImportacaoAgencia, ProgressoContaAsLinhasLidas) {
    const QByteArray texto = arquivo({comentario(), titulo(false), linha("1", "01/03/1990").texto(),
                                      linha("1", "01/04/1990").texto()});
    std::vector<qint64> passos;
    lerTextoAgencia(texto, 1, DadosBrutos::SoSemConsistidos,
                    [&](qint64 p) { passos.push_back(p); });
    // One pass reads both levels.
    EXPECT_EQ(passos, (std::vector<qint64>{1, 2, 3}));
}

TEST(ImportacaoAgencia, ArquivoComMaisDeUmaEstacaoERecusado) {
    LinhaAgencia outra = linha("2", "01/04/1990");
    outra.estacao = QStringLiteral("10200000");
    LinhaAgencia primeira = linha("2", "01/03/1990");
    primeira.estacao = QStringLiteral("10100000");
    const QByteArray texto = arquivo({comentario(), titulo(false), primeira.texto(), outra.texto(),
                                      linha("1", "01/05/1990").texto()});
    try {
        lerTextoAgencia(texto, 1);
        ADD_FAILURE() << "aceito";
    } catch (const Erro& e) {
        EXPECT_EQ(e.mensagem(), QStringLiteral("O arquivo contém dados de mais de uma estação "
                                               "(10100000, 10200000, 12345678)."));
        EXPECT_EQ(dynamic_cast<const ErroImportacao*>(&e), nullptr);
    }
}

TEST(ImportacaoAgencia, LinhasDanificadasSaoContadasComOsNumerosDasPrimeiras) {
    const QString dado = linha("2", "01/03/1990").texto();
    const QString truncada = linha("2", "01/04/1990").texto().left(60); // a download cut short
    const QString banner = QStringLiteral("Sistema de Informações Hidrológicas - Série Histórica");
    struct Caso {
        const char* descricao;
        QByteArray texto;
        qsizetype ignoradas;
        std::vector<qsizetype> numeros;
    };
    const Caso casos[] = {
        {"linhas vazias e o cabeçalho do arquivo novo não contam",
         arquivo({banner, QString(), QStringLiteral("Legenda:"), QString(), titulo(false), dado,
                  QString()}),
         0,
         {}},
        {"linha truncada no meio e no fim",
         arquivo({comentario(), titulo(false), truncada, dado, truncada}),
         2,
         {3, 5}},
        {"primeira linha de dados truncada, antes de qualquer linha inteira",
         arquivo({banner, truncada, dado}),
         1,
         {2}},
        {"mais de cinco: só as cinco primeiras são citadas",
         arquivo({dado, truncada, truncada, truncada, truncada, truncada, truncada, truncada}),
         7,
         {2, 3, 4, 5, 6}},
    };
    for (const Caso& c : casos) {
        const ResultadoImportacao r = lerTextoAgencia(c.texto, 1);
        EXPECT_EQ(r.serie.tamanho(), 1) << c.descricao;
        EXPECT_EQ(r.avisos.linhasIgnoradas, c.ignoradas) << c.descricao;
        EXPECT_EQ(r.avisos.primeirasLinhasIgnoradas, c.numeros) << c.descricao;
    }
    const ResultadoImportacao r = lerTextoAgencia(casos[3].texto, 1);
    EXPECT_EQ(
        textoAvisosImportacao(r.avisos),
        QStringList{QStringLiteral("7 linha(s) incompleta(s) ou danificada(s) não foram lidas "
                                   "(linhas 2, 3, 4, 5, 6, ...).")});
}

TEST(ImportacaoAgencia, VazoesImplausiveisSaoAvisadasEMantidas) {
    LinhaAgencia marco = linha("2", "01/03/1990");
    marco.vazoes[3] = QStringLiteral("1000000"); // the limit itself is plausible
    marco.vazoes[4] = QStringLiteral("1000000,5");
    LinhaAgencia fevereiro = linha("2", "01/02/1990");
    fevereiro.vazoes[0] = QStringLiteral("-0,5");
    const ResultadoImportacao r =
        lerTextoAgencia(arquivo({titulo(false), marco.texto(), fevereiro.texto()}), 1);
    EXPECT_EQ(r.avisos.valoresImplausiveis, 2);
    EXPECT_EQ(r.avisos.primeiroMesImplausivel, QDate(1990, 2, 1));
    EXPECT_EQ(r.serie.armazenados()[0].vazao[4], 1000000.5); // March, read first
    EXPECT_EQ(r.serie.armazenados()[1].vazao[0], -0.5);
    EXPECT_EQ(textoAvisosImportacao(r.avisos),
              QStringList{
                  QStringLiteral("2 vazão(ões) negativa(s) ou acima de 1.000.000 m³/s, mantida(s) "
                                 "como estão no arquivo; a primeira em Fevereiro/1990.")});
}

TEST(ImportacaoAgencia, ValoresDatasECodigosImpossiveisSaoRecusadosComALinha) {
    const auto comValor = [](const char* v) {
        LinhaAgencia l = linha("2", "01/03/1990");
        l.vazoes[9] = QString::fromLatin1(v);
        return l.texto();
    };
    const auto comData = [](const char* d) { return linha("2", d).texto(); };
    const auto comCodigo = [](const char* c) {
        LinhaAgencia l = linha("2", "01/03/1990");
        l.estacao = QString::fromLatin1(c);
        return l.texto();
    };
    const std::pair<QString, const char*> casos[] = {
        {comValor("1e309"), "linha 2: '1e309' não é um valor de ponto flutuante válido"},
        {comValor("inf"), "linha 2: 'inf' não é um valor de ponto flutuante válido"},
        {comValor("NaN"), "linha 2: 'NaN' não é um valor de ponto flutuante válido"},
        {comData("01/01/1799"),
         "linha 2: a data 01/01/1799 está fora do período aceito (1800 a 2100)"},
        {comData("01/01/2101"),
         "linha 2: a data 01/01/2101 está fora do período aceito (1800 a 2100)"},
        {comData("01/01/9999"),
         "linha 2: a data 01/01/9999 está fora do período aceito (1800 a 2100)"},
        {comCodigo(""), "linha 2: código de estação inválido: ''"},
        {comCodigo("0"), "linha 2: código de estação inválido: '0'"},
        {comCodigo("-5"), "linha 2: código de estação inválido: '-5'"},
    };
    for (const auto& [dado, mensagem] : casos) {
        try {
            lerTextoAgencia(arquivo({titulo(false), dado}), 1);
            ADD_FAILURE() << "aceito: " << mensagem;
        } catch (const ErroConversao& e) {
            EXPECT_EQ(e.mensagem(), QString::fromUtf8(mensagem));
        }
    }
    for (const char* data : {"01/01/1800", "01/12/2100"})
        EXPECT_EQ(lerTextoAgencia(arquivo({comData(data)}), 1).serie.tamanho(), 1) << data;
}

TEST(ImportacaoAgencia, MarcaDeOrdemDeBytesEFinsDeLinhaSoComCR) {
    const std::initializer_list<QString> linhas = {comentario(), titulo(false),
                                                   linha("2", "01/03/1990").texto(),
                                                   linha("2", "01/04/1990").texto()};
    const QByteArray normal = arquivo(linhas);
    const QByteArray utf8ComMarca =
        "\xEF\xBB\xBF" + QString::fromLatin1(arquivo(linhas, "\n")).toUtf8();
    const std::pair<const char*, QByteArray> casos[] = {
        {"CR", arquivo(linhas, "\r")},
        {"CR sem quebra final", arquivo(linhas, "\r", false)},
        {"UTF-8 com marca", utf8ComMarca},
        {"marca e dados logo na primeira linha",
         "\xEF\xBB\xBF" +
             arquivo({linha("2", "01/03/1990").texto(), linha("2", "01/04/1990").texto()})},
    };
    const ResultadoImportacao esperado = lerTextoAgencia(normal, 1);
    for (const auto& [descricao, texto] : casos) {
        const ResultadoImportacao r = lerTextoAgencia(texto, 1);
        EXPECT_EQ(r.serie.tamanho(), 2) << descricao;
        EXPECT_EQ(r.serie[1].vazao, esperado.serie[1].vazao) << descricao;
        EXPECT_EQ(r.serie[1].estacaoCodigo, 12345678) << descricao;
        EXPECT_EQ(r.avisos.linhasIgnoradas, 0) << descricao;
    }
}

// Consisted data ending years before the raw ones, as many stations have.
TEST(ImportacaoAgencia, BrutosForaDoPeriodoConsistidoSaoContadosEAcrescentadosQuandoPedido) {
    const QByteArray texto =
        arquivo({titulo(false), linha("1", "01/01/1990", "1,5").texto(),
                 linha("2", "01/02/1990", "2,5").texto(), linha("1", "01/02/1990", "1,5").texto(),
                 linha("2", "01/03/1990", "2,5").texto(), linha("1", "01/04/1990", "1,5").texto(),
                 linha("1", "01/05/1990", "1,5").texto()});
    const ResultadoImportacao padrao = lerTextoAgencia(texto, 1);
    EXPECT_EQ(mesesArmazenados(padrao.serie),
              (std::vector<Mes>{{QDate(1990, 2, 1), 3}, {kMar90, 5}}));
    EXPECT_EQ(padrao.avisos.mesesBrutosForaDoConsistido, 3); // January, April and May
    EXPECT_EQ(textoMesesBrutos(padrao.avisos),
              QStringLiteral(
                  "3 mês(es) de dados brutos fora do período consistido não foram importados."));

    const ResultadoImportacao completo = lerTextoAgencia(texto, 1, DadosBrutos::CompletarSerie);
    EXPECT_EQ(completo.nivelConsistencia, 2);
    std::vector<std::pair<QDate, qint16>> niveis;
    for (const RegistroMensal& r : completo.serie.armazenados())
        niveis.push_back({r.data, r.nivelConsistencia});
    EXPECT_EQ(niveis, (std::vector<std::pair<QDate, qint16>>{{QDate(1990, 2, 1), 2},
                                                             {kMar90, 2},
                                                             {QDate(1990, 1, 1), 1},
                                                             {kAbr90, 1},
                                                             {kMai90, 1}}));
    EXPECT_EQ(
        textoMesesBrutos(completo.avisos),
        QStringLiteral(
            "3 mês(es) de dados brutos fora do período consistido foram acrescentados (nível 1)."));
}

// The agency's day statuses (columns 48 to 78) and the month's method (column 6) are kept; a line
// that stops after the flows leaves them unknown.
TEST(ImportacaoAgencia, SinaisDosDiasEMetodoDaObtencao) {
    LinhaAgencia marco = linha("2", "01/03/1990", "0,5");
    marco.status.fill(QStringLiteral("1"));
    marco.status[0] = QStringLiteral("2");  // estimado
    marco.status[1] = QStringLiteral("3");  // duvidoso
    marco.vazoes[2] = QStringLiteral("0");
    marco.status[2] = QStringLiteral("4");  // régua seca
    marco.status[3] = QStringLiteral("0");  // em branco
    marco.status[4] = QStringLiteral("x");  // unreadable
    marco.metodo = QStringLiteral("1");
    LinhaAgencia abril = linha("2", "01/04/1990", "0,7");
    abril.metodo = QString();
    const QString curta = linha("2", "01/05/1990", "0,9").texto().section(u';', 0, 46) + u';';
    const ResultadoImportacao r = lerTextoAgencia(
        arquivo({comentario(), titulo(true), marco.texto(), abril.texto(), curta}), 1);
    const SerieTabela& s = r.serie;
    const RegistroMensal& m = s[s.localizar(QDate(1990, 3, 1))];
    EXPECT_EQ(m.sinal[0], SinalDia::Estimado);
    EXPECT_EQ(m.sinal[1], SinalDia::Duvidoso);
    EXPECT_EQ(m.sinal[2], SinalDia::ReguaSeca);
    EXPECT_EQ(m.sinal[3], SinalDia::Desconhecido);
    EXPECT_EQ(m.sinal[4], SinalDia::Desconhecido);
    EXPECT_EQ(m.sinal[5], SinalDia::Real);
    EXPECT_EQ(m.metodoObtencao, 1);
    const RegistroMensal& a = s[s.localizar(QDate(1990, 4, 1))];
    EXPECT_EQ(a.sinal[0], SinalDia::Real);
    EXPECT_FALSE(a.metodoObtencao);
    const RegistroMensal& maio = s[s.localizar(QDate(1990, 5, 1))];
    EXPECT_EQ(maio.vazao[0], 0.9);
    EXPECT_EQ(maio.sinal[0], SinalDia::Desconhecido);
    EXPECT_EQ(maio.metodoObtencao, 254);
}

} // namespace
