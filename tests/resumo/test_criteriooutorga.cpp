// Grant criteria as files: what a file says and what it refuses, the grantable flow of a reference
// flow, and a criterion file that changes the grant sheet's figures with no change to the program.
#include "resumo/criteriooutorga.h"
#include "resumo/estacaoresumo.h"
#include "resumo/fichareferencia.h"

#include "core/construtor.h"
#include "core/erros.h"
#include "core/formato.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace corvel;

namespace {

TEST(CriterioOutorga, LeChavesEValores) {
    const CriterioOutorga c = lerCriterioDoTexto(
        QStringLiteral("# comentário\r\n"
                       "nome: Bacia X: 30% da Q7,10 mensal  # de teste\r\n"
                       "referencia: q7,10\n"
                       "base: Mensal\n"
                       "fracao: 30%\n"
                       "remanescente: 0.25\n"
                       "fonte: Deliberação CBH-X nº 1/2020\n"
                       "exemplo: não\n"),
        QStringLiteral("x.criterio"));
    EXPECT_EQ(c.nome, QStringLiteral("Bacia X: 30% da Q7,10 mensal"));
    EXPECT_EQ(c.referencia, CriterioOutorga::Referencia::QMinima);
    EXPECT_EQ(c.textoReferencia(), QStringLiteral("Q7,10"));
    EXPECT_TRUE(c.mensal);
    EXPECT_DOUBLE_EQ(c.fracao, 0.3);
    EXPECT_EQ(c.remanescente, 0.25);
    EXPECT_EQ(c.fonte, QStringLiteral("Deliberação CBH-X nº 1/2020"));
    EXPECT_FALSE(c.exemplo);

    const CriterioOutorga d = lerCriterioDoTexto(
        QStringLiteral("nome: d\nreferencia: Q30,5\nfracao: 0,5\n"), QStringLiteral("d.criterio"));
    EXPECT_EQ(d.textoReferencia(), QStringLiteral("Q30,5"));
    EXPECT_FALSE(d.mensal); // annual unless it says otherwise
    EXPECT_DOUBLE_EQ(d.fracao, 0.5);
    EXPECT_FALSE(d.remanescente);
}

TEST(CriterioOutorga, RecusaNomeandoALinha) {
    struct Caso {
        const char* texto;
        const char* mensagem;
    };
    const Caso casos[] = {
        {"nome: a\nlimite: 3\n", "c.criterio, linha 2: chave desconhecida: 'limite'"},
        {"nome: a\nreferencia: Q80\n",
         "c.criterio, linha 2: vazão de referência desconhecida: 'Q80' (use Q7,10, Q95 ou Q90)"},
        {"nome: a\nreferencia: Q95\nfracao: 150%\n",
         "c.criterio, linha 3: a fração deve ficar entre 0 e 1 (ou 0% e 100%): '150'"},
        {"nome: a\nreferencia: Q95\nfracao: 0\n",
         "c.criterio, linha 3: a fração deve ficar entre 0 e 1 (ou 0% e 100%): '0'"},
        {"nome: a\nreferencia: Q95\nbase: diaria\nfracao: 1\n",
         "c.criterio, linha 3: base deve ser anual ou mensal: 'diaria'"},
        {"nome: a\nreferencia: Q95\nfracao: 1\nremanescente: -2\n",
         "c.criterio, linha 4: a vazão remanescente não pode ser negativa"},
        {"nome: a\nreferencia Q95\n", "c.criterio, linha 2: esperava \"chave: valor\""},
        {"nome: a\nreferencia: Q95\n", "c.criterio: falta a chave \"fracao\""},
        {"referencia: Q95\nfracao: 1\n", "c.criterio: falta a chave \"nome\""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        try {
            lerCriterioDoTexto(QString::fromUtf8(c.texto), QStringLiteral("c.criterio"));
            ADD_FAILURE() << "aceito";
        } catch (const ErroArquivo& e) {
            EXPECT_EQ(e.mensagem(), QString::fromUtf8(c.mensagem));
        }
    }
}

TEST(CriterioOutorga, ExemplosDoProgramaSaoMarcadosComoExemplos) {
    const QStringList exemplos = criteriosDeExemplo(QStringLiteral(CORVEL_RESOURCES));
    ASSERT_GE(exemplos.size(), 5);
    bool algumMensal = false;
    for (const QString& arquivo : exemplos) {
        SCOPED_TRACE(arquivo.toStdString());
        const CriterioOutorga c = lerCriterio(arquivo);
        EXPECT_TRUE(c.exemplo);
        EXPECT_FALSE(c.fonte.isEmpty());
        algumMensal = algumMensal || c.mensal;
    }
    EXPECT_TRUE(algumMensal);
}

TEST(CriterioOutorga, VazaoOutorgavel) {
    struct Caso {
        double fracao;
        std::optional<double> remanescente, referencia, esperada;
    };
    const Caso casos[] = {
        {0.5, {}, 10.0, 5.0},  // the fraction
        {0.5, 8.0, 10.0, 2.0}, // no more than leaves 8 m³/s in the river
        {0.5, 12.0, 10.0, 0.0}, // the river holds less than must remain: nothing
        {0.7, {}, 0.0, 0.0},   // a dry reference
        {0.5, {}, {}, {}},     // no reference flow, no grantable flow
    };
    for (const Caso& k : casos) {
        CriterioOutorga c;
        c.fracao = k.fracao;
        c.remanescente = k.remanescente;
        EXPECT_EQ(vazaoOutorgavel(c, k.referencia), k.esperada);
    }
}

// Thirty years with a dry August.
SerieTabela trintaAnos() {
    return teste::serieDiaria(QDate(1971, 1, 1), QDate(2000, 12, 1),
                              [](QDate d) -> std::optional<double> {
                                  const double sazonal = d.month() == 8 ? 2.0 : 6.0 + d.month();
                                  const auto h = static_cast<quint32>(d.toJulianDay() * 2654435761u);
                                  return sazonal + (h >> 12) % 1000 / 500.0 + d.year() % 5 * 0.3;
                              });
}

const FiguraResumo& figura(const FichaReferencia& f, const QString& titulo) {
    const auto x = std::find_if(f.figuras.begin(), f.figuras.end(),
                                [&](const FiguraResumo& y) { return y.titulo == titulo; });
    if (x == f.figuras.end()) throw std::runtime_error("sem " + titulo.toStdString());
    return *x;
}

bool temLinha(const std::vector<QString>& linhas, const QString& linha) {
    return std::find(linhas.begin(), linhas.end(), linha) != linhas.end();
}

// The analyst edits the criterion file; the sheet follows it.
TEST(CriterioOutorga, ArquivoDoCriterioMudaAFicha) {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("bacia.criterio"));
    const auto gravar = [&](const char* texto) {
        QFile f(arquivo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(texto);
    };
    const EstacaoAberta estacao{trintaAnos(), 1, QStringLiteral("regra")};
    const auto ficha = [&](OpcoesResumo& o) {
        o.criterio = lerCriterio(arquivo);
        return std::pair{resumirEstacao(estacao, o), montarFicha(resumirEstacao(estacao, o),
                                                                 QStringLiteral("x.cvl"), {})};
    };

    gravar("nome: Bacia: 50% da Q7,10\nreferencia: Q7,10\nfracao: 50%\nfonte: Portaria 1/2001\n");
    OpcoesResumo o;
    auto [r, f] = ficha(o);
    ASSERT_TRUE(r.qMinima);
    EXPECT_EQ(r.outorgavel, 0.5 * *r.qMinima);
    EXPECT_EQ(figura(f, QStringLiteral("Vazão outorgável (m³/s)")).valor,
              formatarVazao(0.5 * *r.qMinima, u"0.00"));
    EXPECT_EQ(figura(f, QStringLiteral("Fração outorgável (%)")).valor, QStringLiteral("50"));
    EXPECT_TRUE(temLinha(f.cabecalho,
                         QStringLiteral("Critério de outorga: Bacia: 50% da Q7,10 (bacia.criterio)")));
    EXPECT_TRUE(temLinha(f.cabecalho, QStringLiteral("Fonte do critério: Portaria 1/2001")));
    EXPECT_TRUE(f.linhasMensais.empty()) << "an annual criterion asks for no monthly page";

    // The same file now grants 30 % of Q95, leaving 9 m³/s in the river.
    gravar("nome: Bacia: 30% da Q95\nreferencia: Q95\nfracao: 0,3\nremanescente: 9\n"
           "fonte: Portaria 2/2024\n");
    std::tie(r, f) = ficha(o);
    ASSERT_TRUE(r.q95);
    EXPECT_EQ(r.outorgavel, std::max(0.0, std::min(0.3 * *r.q95, *r.q95 - 9)));
    EXPECT_EQ(figura(f, QStringLiteral("Vazão de referência do critério (m³/s)")).valor,
              formatarVazao(*r.q95, u"0.00"));
    EXPECT_EQ(figura(f, QStringLiteral("Vazão remanescente (m³/s)")).valor, QStringLiteral("9,00"));

    // Monthly: the grantable flow of each month, the sheet's figure that of the driest month.
    gravar("nome: Bacia: 50% da Q95 do mês\nreferencia: Q95\nbase: mensal\nfracao: 50%\n"
           "fonte: Portaria 3/2025\nexemplo: sim\n");
    std::tie(r, f) = ficha(o);
    ASSERT_EQ(r.mensais.size(), 12u);
    EXPECT_EQ(r.mesCritico, QStringLiteral("Agosto"));
    EXPECT_EQ(r.outorgavel, 0.5 * *r.mensais[7].q95);
    EXPECT_EQ(figura(f, QStringLiteral("Mês crítico")).valor, QStringLiteral("Agosto"));
    ASSERT_EQ(f.linhasMensais.size(), 12u);
    EXPECT_EQ(f.colunasMensais.back(), QStringLiteral("Vazão outorgável (m³/s)"));
    EXPECT_EQ(f.linhasMensais[0].back(), formatarVazao(0.5 * *r.mensais[0].q95, u"0.00"));
    EXPECT_TRUE(temLinha(f.cabecalho, QStringLiteral("Critério de exemplo, tirado da literatura: "
                                                     "confira na norma em vigor; a ficha não é "
                                                     "parecer jurídico.")));

    // A remaining flow larger than any month's reference grants nothing anywhere: the critical
    // month is still the driest.
    gravar("nome: Bacia: tudo remanescente\nreferencia: Q95\nbase: mensal\nfracao: 50%\n"
           "remanescente: 1000\n");
    std::tie(r, f) = ficha(o);
    EXPECT_EQ(r.outorgavel, 0.0);
    EXPECT_EQ(r.mesCritico, QStringLiteral("Agosto"));
}

// What a reviewer needs to reproduce the sheet is on it.
TEST(CriterioOutorga, FichaDizComoFoiCalculada) {
    const EstacaoAberta estacao{trintaAnos(), 10,
                                QStringLiteral("Foram descartados meses com 10% de falhas; 360 de "
                                               "360 meses considerados")};
    OpcoesResumo o;
    o.nulas = VazoesNulas::Classica;
    o.excluir = kSinalEstimado;
    const FichaReferencia f = montarFicha(resumirEstacao(estacao, o), QStringLiteral("x.cvl"), {});
    EXPECT_TRUE(temLinha(f.cabecalho, QStringLiteral("Início do Ano Hidrológico: Outubro")));
    EXPECT_TRUE(temLinha(f.cabecalho, QStringLiteral("Período: 1971 a 2000")));
    EXPECT_TRUE(temLinha(f.cabecalho, QStringLiteral("Regra de descarte: Foram descartados meses "
                                                     "com 10% de falhas; 360 de 360 meses "
                                                     "considerados")));
    EXPECT_TRUE(temLinha(f.cabecalho, QStringLiteral("Método: distribuições ajustadas pelos "
                                                     "momentos; mínimas nulas ajustadas como "
                                                     "valores; excluídos os dias estimado")));
    EXPECT_TRUE(std::any_of(f.cabecalho.begin(), f.cabecalho.end(), [](const QString& l) {
        return l.startsWith(QStringLiteral("Programa: Corvel, versão "));
    }));
    // The period is in the header: the first and last year are not repeated among the figures.
    for (const FiguraResumo& x : f.figuras)
        EXPECT_NE(x.titulo, QStringLiteral("Ano inicial"));
}

} // namespace
