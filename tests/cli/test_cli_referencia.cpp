// Reference flows a hydrologist can sign: the same river in another unit gives the same figures in
// that unit, an intermittent river gets no negative flow and says how its zero minima were
// treated, and the long-term mean does not depend on the start of the hydrological year.
#include "core/formato.h"
#include "exchange/agencia.h"
#include "execucao.h"
#include "resumo/estacaoresumo.h"
#include "resumo/fichareferencia.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

using Vazao = std::function<double(QDate)>;

// An agency text file of station 12345678, consisted, every day of January of `inicio` to December
// of `fim` given by `vazao`, written with all its digits.
QString gravarAgencia(const QTemporaryDir& pasta, const char* nome, int inicio, int fim,
                      const Vazao& vazao) {
    QString texto = teste::comentario() + QStringLiteral("\r\n") + teste::titulo(true) +
                    QStringLiteral("\r\n");
    for (int ano = inicio; ano <= fim; ++ano)
        for (int mes = 1; mes <= 12; ++mes) {
            const QDate primeiro(ano, mes, 1);
            teste::LinhaAgencia l;
            l.data = formatarData(primeiro);
            for (int d = 0; d < primeiro.daysInMonth(); ++d)
                l.vazoes[static_cast<std::size_t>(d)] = formatarCompleto(vazao(primeiro.addDays(d)));
            texto += l.texto() + QStringLiteral("\r\n");
        }
    const QString caminho = pasta.filePath(QString::fromLatin1(nome));
    QFile f(caminho);
    f.open(QIODevice::WriteOnly);
    f.write(texto.toLatin1());
    return caminho;
}

// A small perennial creek: a wet and a dry season and a year-to-year wobble from a fixed
// pseudo-random sequence (no trend: Mann-Kendall p = 0,87 and Pettitt p = 0,48 over 1961-1985),
// 7-day minima between about 0,006 and 0,025 m³/s.
double riacho(QDate d) {
    const auto h = static_cast<quint32>(static_cast<quint32>(d.year() - 1961) * 1103515245u) >> 16;
    const double secura = 0.006 + 0.019 * (h % 1000) / 999.0;
    const double estacao = 0.5 + 0.5 * std::cos((d.dayOfYear() - 40) * 2 * M_PI / 365.25);
    const double ruido = 1 + 0.08 * (((d.toJulianDay() * 48271) % 97) / 96.0 - 0.5);
    return (secura + 0.4 * estacao * estacao) * ruido;
}

std::vector<QStringList> resumo(const QStringList& argumentos) {
    const teste::Execucao e = teste::subcomando("resumo", argumentos);
    EXPECT_EQ(e.codigo, 0) << e.erro.toStdString();
    std::vector<QStringList> r;
    for (const QString& l : e.linhas)
        r.push_back(l.split(u';'));
    return r;
}

TEST(ReferenciaAssinavel, MesmoRioEmOutraUnidadeDaAsMesmasFigurasNessaUnidade) {
    QTemporaryDir pasta;
    const QString original = gravarAgencia(pasta, "riacho.txt", 1971, 2000, riacho);
    const QString escalado =
        gravarAgencia(pasta, "escalado.txt", 1971, 2000, [](QDate d) { return riacho(d) * 1e-5; });
    const auto a = resumo({original, escalado});
    ASSERT_EQ(a.size(), 3u);
    const QStringList& titulos = a[0];
    int vazoes = 0;
    for (qsizetype c = 1; c < titulos.size(); ++c) {
        const QString& t = titulos[c];
        const QString x = a[1][c], y = a[2][c];
        if (t.contains(QStringLiteral("(m³/s)")) || t.contains(QStringLiteral("(hm³)"))) {
            EXPECT_EQ(x.isEmpty(), y.isEmpty()) << t.toStdString();
            if (x.isEmpty()) continue; // a fit with no result, in both units
            const double esperado = lerReal(x) * 1e-5;
            EXPECT_NEAR(lerReal(y), esperado, 1e-9 * std::fabs(esperado)) << t.toStdString();
            ++vazoes;
        } else if (t != u"Arquivo") {
            EXPECT_EQ(x, y) << t.toStdString(); // the chosen distribution among them
        }
    }
    EXPECT_GE(vazoes, 10);
    EXPECT_FALSE(a[1][titulos.indexOf(QStringLiteral("Distribuição de Q7,10"))].isEmpty());
}

// An intermittent river: the dry season reaches zero for weeks in the years that `seco` picks,
// and small skewed minima in the others.
Vazao intermitente(std::function<bool(int)> seco) {
    return [seco](QDate d) {
        const int ano = d.year() - 1971;
        const bool estiagem = d.month() >= 7 && d.month() <= 9;
        if (estiagem && seco(ano) && d.month() == 8) return 0.0;
        const double minima = 0.004 + 0.003 * ((ano * 37) % 11) + (ano % 9 == 4 ? 0.6 : 0.0);
        return estiagem ? minima * (1 + 0.01 * (d.day() % 5)) : 3.0 + 2.0 * (d.month() % 4);
    };
}

TEST(ReferenciaAssinavel, RioIntermitenteSemVazaoNegativaENotaDoMetodo) {
    QTemporaryDir pasta;
    // Two dry years of 25: p0 = 0,08 < 1/10, so Q7,10 is read at T' = 0,92 / 0,02 = 46 years of
    // the non-zero minima, where the three-parameter fits fall below zero.
    const QString poucos =
        gravarAgencia(pasta, "poucos.txt", 1971, 1995, intermitente([](int a) { return a == 3 || a == 17; }));
    // Dry in most years: p0 >= 1/10 and Q7,10 is zero for that reason.
    const QString muitos =
        gravarAgencia(pasta, "muitos.txt", 1971, 1995, intermitente([](int a) { return a % 3 != 1; }));
    const auto r = resumo({poucos, muitos, QStringLiteral("--inicio-ano"), QStringLiteral("1")});
    ASSERT_EQ(r.size(), 3u);
    const QStringList& t = r[0];
    const auto valor = [&](std::size_t linha, const char* titulo) {
        const qsizetype c = t.indexOf(QString::fromUtf8(titulo));
        EXPECT_GE(c, 0) << titulo;
        return r[linha].value(c);
    };
    for (std::size_t linha : {1u, 2u})
        for (qsizetype c = 0; c < t.size(); ++c) {
            if (t[c].contains(QStringLiteral("(m³/s)")) && !r[linha][c].isEmpty()) {
                EXPECT_GE(lerReal(r[linha][c]), 0.0) << t[c].toStdString() << " " << linha;
            }
        }
    EXPECT_EQ(valor(1, "Anos com mínima nula"), QStringLiteral("2"));
    EXPECT_EQ(valor(1, "p0"), QStringLiteral("0,08"));
    EXPECT_GT(lerReal(valor(1, "Q7,10 (m³/s)")), 0.0);
    // Some three-parameter fit had no flow to give at T = 10: its figure is empty, not negative.
    int vazias = 0;
    for (const char* d : {"Q7,10 Weibull (m³/s)", "Q7,10 Pearson 3 (m³/s)", "Q7,10 Lognormal 3 (m³/s)"})
        vazias += valor(1, d).isEmpty();
    EXPECT_GT(vazias, 0);

    EXPECT_EQ(valor(2, "Anos com mínima nula"), QStringLiteral("17"));
    EXPECT_EQ(valor(2, "p0"), QStringLiteral("0,68"));
    EXPECT_EQ(valor(2, "Q7,10 (m³/s)"), QStringLiteral("0"));
    EXPECT_EQ(valor(2, "Distribuição de Q7,10"), QString::fromUtf8(kQMinimaNula));

    // The sheet: no negative figure, the method's line, and a numbered note for each missing
    // distribution figure.
    OpcoesResumo opcoes;
    opcoes.inicio = 1;
    const ResumoEstacao e = resumirEstacao(abrirEstacao(poucos, opcoes), 7, 10);
    const FichaReferencia f = montarFicha(e, poucos, {});
    for (const FiguraResumo& x : f.figuras)
        EXPECT_FALSE(x.valor.startsWith(u'-') && x.valor != u"-") << x.titulo.toStdString();
    ASSERT_FALSE(f.notas.empty());
    EXPECT_TRUE(f.notas[0].startsWith(
        QStringLiteral("1) Vazões nulas: 2 de 25 anos com mínima nula (p0 = 0,08)")))
        << f.notas[0].toStdString();
    int notasDeVazaoNegativa = 0;
    for (const QString& n : f.notas)
        notasDeVazaoNegativa += n.contains(QStringLiteral("dá vazão negativa para T = 10 anos"));
    EXPECT_EQ(notasDeVazaoNegativa, vazias);
}

TEST(ReferenciaAssinavel, VazaoMediaNaoDependeDoInicioDoAnoHidrologico) {
    QTemporaryDir pasta;
    const QString arquivo = gravarAgencia(pasta, "riacho.txt", 1971, 1980, riacho);
    QString media;
    for (const char* inicio : {"1", "10", "4"}) {
        const auto r = resumo({arquivo, QStringLiteral("--inicio-ano"), QString::fromLatin1(inicio)});
        const QString m = r[1][r[0].indexOf(QStringLiteral("Vazão média de longa duração (m³/s)"))];
        if (media.isEmpty()) media = m;
        EXPECT_EQ(m, media) << inicio;
    }
}

// A river that changed: Mann-Kendall and Pettitt on the annual minima say so in resumo.csv and in
// the sheet, with the year of change.
TEST(ReferenciaAssinavel, SerieQueMudouEAvisada) {
    QTemporaryDir pasta;
    const QString mudou = gravarAgencia(pasta, "mudou.txt", 1961, 1985, [](QDate d) {
        return riacho(d) + (d.year() >= 1973 ? 0.0 : 0.5);
    });
    const QString estavel = gravarAgencia(pasta, "estavel.txt", 1961, 1985, riacho);
    const auto r = resumo({mudou, estavel, QStringLiteral("--inicio-ano"), QStringLiteral("1")});
    const qsizetype c = r[0].indexOf(QStringLiteral("Tendência ou mudança (5 %)"));
    ASSERT_GE(c, 0);
    EXPECT_EQ(r[1][c], QStringLiteral("sim"));
    EXPECT_EQ(r[2][c], QStringLiteral("não"));

    OpcoesResumo opcoes;
    opcoes.inicio = 1;
    const FichaReferencia f =
        montarFicha(resumirEstacao(abrirEstacao(mudou, opcoes), 7, 10), mudou, {});
    const QString notas = QStringList(f.notas.begin(), f.notas.end()).join(u'\n');
    EXPECT_TRUE(notas.contains(QStringLiteral(
        "o teste de Pettitt aponta, a 5 %, uma mudança nas mínimas anuais a partir do ano "
        "1973/1974")))
        << notas.toStdString();
}

} // namespace
