// The hydrograph: points of a year and of the whole period around a missing day, titles, foot
// lines, the rating-curve lines and the rating-curve dialog's answers.
#include "core/construtor.h"

#include "analyses/hidrograma.h"

#include <gtest/gtest.h>

using namespace corvel;

namespace {

// Daily flow 1 + day of the year / 1000, 3 February 1975 missing.
std::optional<double> fluxo(QDate dia) {
    if (dia == QDate(1975, 2, 3)) return std::nullopt;
    return 1 + dia.dayOfYear() / 1000.0;
}

SerieTabela serie1975() {
    return teste::serieDiaria(QDate(1975, 1, 1), QDate(1975, 12, 1), fluxo);
}

struct Esperado {
    double x;
    std::optional<double> vazao;
    QDate dia;
};

void conferir(const std::vector<PontoHidrograma>& pontos, std::size_t de,
              const std::vector<Esperado>& esperados) {
    ASSERT_GE(pontos.size(), de + esperados.size());
    for (std::size_t i = 0; i < esperados.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(pontos[de + i].x, esperados[i].x);
        EXPECT_EQ(pontos[de + i].vazao, esperados[i].vazao);
        EXPECT_EQ(pontos[de + i].dia, esperados[i].dia);
    }
}

const char kAvisoAnual[] =
    "** Valores iguais a zero podem corresponder a inexistência de dados na série original.";
const char kAvisoCompleto[] =
    "** Valores iguais a zero podem corresponder à inexistência de dados na série original.";
const char kAvisoEscala[] =
    "* O Hidrograma pode apresentar intervalos não regulares na escala de tempo.";

TEST(Hidrograma, AnoCom3DeFevereiroFaltandoInterrompeALinha) {
    const Hidrograma h = hidrogramaAnual(serie1975(), 1975, {});
    // Points 0 ... 31 are January and 1 February (x 1 ... 32).
    conferir(h.pontos, 31,
             {{32, 1.032, QDate(1975, 2, 1)},
              {33, 1.033, QDate(1975, 2, 2)},
              {33, std::nullopt, QDate(1975, 2, 3)},
              {34, std::nullopt, QDate(1975, 2, 3)},
              {35, 1.035, QDate(1975, 2, 4)},
              {36, 1.036, QDate(1975, 2, 5)}});
    // Every day moves x by one: 365 days, and one point more than days (the missing day has two).
    EXPECT_EQ(h.dias, 365);
    EXPECT_EQ(h.pontos.size(), 366u);
    EXPECT_EQ(h.pontos.back().x, 365);
    EXPECT_EQ(h.titulo[0], u"Hidrógrafa anual");
    EXPECT_EQ(h.titulo[1], u"Estação: 12345678");
    EXPECT_EQ(h.titulo[2], u"1975");
    EXPECT_EQ(h.rodape[0], QString::fromUtf8(kAvisoEscala));
    EXPECT_EQ(h.rodape[1], QString::fromUtf8(kAvisoAnual));
}

TEST(Hidrograma, PeriodoCompletoTambemInterrompeALinhaNoDiaQueFalta) {
    SerieTabela s = teste::serieDiaria(QDate(1974, 1, 1), QDate(1975, 12, 1), fluxo);
    const Hidrograma h = hidrogramaCompleto(s, {});
    // A gap drawn at zero flow would look like a dry river: the two points are null.
    conferir(h.pontos, 365 + 33,
             {{365 + 33, std::nullopt, QDate(1975, 2, 3)},
              {365 + 34, std::nullopt, QDate(1975, 2, 3)},
              {365 + 35, 1.035, QDate(1975, 2, 4)}});
    EXPECT_EQ(h.dias, 730);
    EXPECT_EQ(h.titulo[0], u"Hidrógrafa completa ");
    EXPECT_EQ(h.titulo[1], u"Estação: 12345678");
    EXPECT_EQ(h.titulo[2], u"");
    EXPECT_EQ(h.rodape[0], QString::fromUtf8(kAvisoEscala));
    EXPECT_EQ(h.rodape[1], QString::fromUtf8(kAvisoCompleto));
}

TEST(Hidrograma, SemFalhasSemSegundaLinhaDeRodape) {
    const Hidrograma h = hidrogramaAnual(serie1975(), 1974, {});
    EXPECT_TRUE(h.pontos.empty());
    EXPECT_EQ(h.dias, 0);
    const Hidrograma h1976 = hidrogramaCompleto(
        teste::serieDiaria(QDate(1976, 1, 1), QDate(1976, 12, 1), [](QDate) { return 2.0; }), {});
    EXPECT_EQ(h1976.dias, 366); // a leap year
    EXPECT_EQ(h1976.rodape[1], u"");
}

TEST(Hidrograma, MesesDescartadosESemDadosSaoDesenhadosComoOsOutros) {
    SerieTabela s = serie1975();
    s[0].vazao01Status = kDescartado;
    s[1].vazao01Status = kSemDados;
    s[1].vazao.fill(std::nullopt);
    // Out of date order: the hydrograph follows the dates, not the table's order.
    s.indiceID();
    const Hidrograma h = hidrogramaAnual(s, 1975, {});
    EXPECT_EQ(h.pontos[0].vazao, 1.001); // 1 January, discarded month
    EXPECT_EQ(h.dias, 365);
    // 28 missing days of February: two null points each; 1 March opens with its own flow.
    EXPECT_EQ(h.pontos.size(), 31u + 56u + 306u);
    conferir(h.pontos, 31 + 56, {{60, 1.060, QDate(1975, 3, 1)}, {61, 1.061, QDate(1975, 3, 2)}});
}

TEST(Hidrograma, LinhasDaCurvaChaveSoComLimitesValidos) {
    struct Caso {
        double superior, inferior;
        bool desenha;
    };
    const Caso casos[] = {
        {100, 5, true}, {5, 5, false}, {5, 10, false}, {0, 0, false}, {0, -3, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.superior);
        for (const Hidrograma& h : {hidrogramaAnual(serie1975(), 1975, {c.superior, c.inferior}),
                                    hidrogramaCompleto(serie1975(), {c.superior, c.inferior})}) {
            ASSERT_EQ(h.limites.has_value(), c.desenha);
            if (c.desenha) {
                EXPECT_EQ(h.limites->superior, 100);
                EXPECT_EQ(h.limites->inferior, 5);
                EXPECT_EQ(h.dias, 365); // the lines go from x = 0 to the last day
            }
        }
    }
}

TEST(Hidrograma, ListaDeAnosDoPrimeiroAoUltimoMes) {
    const auto lista = listaHidrografas(teste::serieMensal(QDate(1990, 3, 1), QDate(1992, 5, 1)));
    ASSERT_EQ(lista.size(), 4u);
    EXPECT_EQ(lista[0].texto, u"Hidrógrafa completa");
    EXPECT_FALSE(lista[0].ano);
    EXPECT_EQ(lista[1].texto, u"1990");
    EXPECT_EQ(lista[1].ano, 1990);
    EXPECT_EQ(lista[3].ano, 1992);
    EXPECT_EQ(rotuloDia(QDate(1975, 3, 5)), u"5/3/1975");
    EXPECT_EQ(rotuloDia(QDate(1975, 12, 25)), u"25/12/1975");
}

TEST(CurvaChave, TextoDosLimites) {
    EXPECT_EQ(textoLimites({100, 5}),
              u"Curva-chave:    Limite superior = 100,00;    Limite inferior = 5,00");
    EXPECT_EQ(textoLimites({1234.5, 0.125}),
              u"Curva-chave:    Limite superior = 1234,50;    Limite inferior = 0,13");
    EXPECT_EQ(textoLimites({0, 0}), u"");
    EXPECT_EQ(textoLimite(12.5), u"12,5");
    EXPECT_EQ(textoLimite(0), u"0");
}

TEST(CurvaChave, RespostasDoOk) {
    const QString invalidos = QStringLiteral("Valores para curva-chave inválidos.\n"
                                             "O limite superior deve ser maior que o limite "
                                             "inferior.");
    const LimitesCurvaChave antes{50, 2};
    struct Caso {
        const char16_t *superior, *inferior;
        LimitesCurvaChave depois;
        bool fecha, mensagem;
    };
    const Caso casos[] = {
        {u"100", u"5", {100, 5}, true, false},   {u"100,5", u"0", {100.5, 0}, true, false},
        {u"7.25", u"1", {7.25, 1}, true, false}, {u"5", u"5", {50, 2}, false, true},
        {u"10", u"-1", {50, 2}, false, true},    {u"3", u"8", {50, 2}, false, true},
        {u"", u"5", {0, 0}, false, false},       {u"1,2,3", u"1", {0, 0}, false, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(QStringView(c.superior).toString().toStdString());
        const RespostaCurvaChave r = confirmarCurvaChave(c.superior, c.inferior, antes);
        EXPECT_EQ(r.limites.superior, c.depois.superior);
        EXPECT_EQ(r.limites.inferior, c.depois.inferior);
        EXPECT_EQ(r.fechar, c.fecha);
        ASSERT_EQ(r.mensagem.has_value(), c.mensagem);
        if (c.mensagem) {
            EXPECT_EQ(r.mensagem->gravidade, Gravidade::Erro);
            EXPECT_EQ(r.mensagem->texto, invalidos);
        }
    }
}

TEST(CurvaChave, TeclasDosCampos) {
    EXPECT_EQ(teclaCurvaChave(u'.'), QChar(u','));
    EXPECT_EQ(teclaCurvaChave(u','), QChar(u','));
    EXPECT_EQ(teclaCurvaChave(u'7'), QChar(u'7'));
    EXPECT_EQ(teclaCurvaChave(u'\b'), QChar(u'\b'));
    EXPECT_FALSE(teclaCurvaChave(u'-'));
    EXPECT_FALSE(teclaCurvaChave(u'e'));
}

} // namespace

namespace {

TEST(Hidrograma, TrechosEntreOsPontosNulos) {
    const Hidrograma h = hidrogramaAnual(serie1975(), 1975, {});
    const auto trechos = trechosHidrograma(h);
    ASSERT_EQ(trechos.size(), 2u);
    EXPECT_EQ(trechos[0].x.size(), 33u); // 1 January ... 2 February
    EXPECT_EQ(trechos[0].x.back(), 33);
    EXPECT_EQ(trechos[0].vazao.back(), 1.033);
    // The second opens with the flow of 4 February: no stroke up from zero.
    EXPECT_EQ(trechos[1].x[0], 35);
    EXPECT_EQ(trechos[1].vazao[0], 1.035);
    EXPECT_EQ(trechos[1].x.size(), 365u - 34u);
}

TEST(Hidrograma, QuebrasMaisEstreitasQueOPedidoSaoUnidas) {
    // The break of 3 February spans x 33 to 35.
    const Hidrograma h = hidrogramaAnual(serie1975(), 1975, {});
    EXPECT_EQ(trechosHidrograma(h, 2).size(), 2u);
    const auto unidos = trechosHidrograma(h, 2.5);
    ASSERT_EQ(unidos.size(), 1u);
    EXPECT_EQ(unidos[0].x.size(), 33u + 331u);
    EXPECT_EQ(unidos[0].x[33], 35);
    EXPECT_EQ(unidos[0].vazao[33], 1.035); // joined straight over, not down to zero
}

TEST(Hidrograma, RotulosDeUmDiaEmCada) {
    const Hidrograma h = hidrogramaAnual(serie1975(), 1975, {});
    // 365 positions, at most 100 labels: every 4th day, from 1 January (x 1).
    const auto rotulos = rotulosDias(h, 100);
    ASSERT_EQ(rotulos.size(), 92u);
    EXPECT_EQ(rotulos[0], std::make_pair(1.0, QStringLiteral("1/1/1975")));
    EXPECT_EQ(rotulos[1], std::make_pair(5.0, QStringLiteral("5/1/1975")));
    // x 33 is 2 February; its next, 37, is 6 February (the missing day shifts nothing).
    EXPECT_EQ(rotulos[8], std::make_pair(33.0, QStringLiteral("2/2/1975")));
    EXPECT_EQ(rotulos[9], std::make_pair(37.0, QStringLiteral("6/2/1975")));
    EXPECT_EQ(rotulosDias(h, 1000).size(), 365u);
    EXPECT_TRUE(rotulosDias(h, 0).empty());
}

} // namespace
