// The yearly cells of the availability diagram: the percentage of a year's days with a value,
// trusting each month's stored failure percentage, rounded with halves to even; and the colour
// class of every value.
#include "projetos.h"

#include "availability/celulas.h"
#include "availability/classes.h"

#include <gtest/gtest.h>

using namespace corvel;
using teste::dias;
using teste::serieMensal;
using teste::tabelaProjeto;

namespace {

const PeriodoDiagrama k1999a2001{1999, 2001};

std::vector<std::optional<int>> celulas(const Tabela& t, PeriodoDiagrama p = k1999a2001) {
    return disponibilidadeProjeto(t, p).anos;
}

TEST(CelulasDisponibilidade, PorcentagemDoAno) {
    struct Caso {
        int presentes, ano, esperado;
    };
    // Worked by hand: presentes × 100 ÷ days of the year.
    const Caso casos[] = {
        {365, 1999, 100}, // a complete common year
        {365, 2000, 100}, // 36 500 / 366 = 99,73
        {293, 1999, 80},  // 72 days missing: 29 300 / 365 = 80,27
        {294, 1999, 81},  // 71 days missing: 29 400 / 365 = 80,55
        {183, 2000, 50},  // 18 300 / 366 = 50 exactly
        {2, 1999, 1},     // 0,548
        {1, 1999, 0},     // 0,274
        {0, 2000, 0},     {366, 2000, 100},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(porcentagemAno(c.presentes, c.ano), c.esperado) << c.presentes << " " << c.ano;
}

TEST(CelulasDisponibilidade, AnosCompletosEComFalhas) {
    // 1999: 72 days missing (January and February empty, 13 days of March); 2000 (leap): only
    // 29 February missing; 2001 complete.
    auto faltando = dias(QDate(1999, 1, 1), QDate(1999, 3, 13));
    faltando.insert(QDate(2000, 2, 29));
    const Tabela t = tabelaProjeto(123, QDate(1999, 1, 1), QDate(2001, 12, 1), faltando);
    const EstacaoDisponibilidade e = disponibilidadeProjeto(t, k1999a2001);
    EXPECT_EQ(e.codigo, QStringLiteral("123"));
    EXPECT_EQ(e.anos, (std::vector<std::optional<int>>{80, 100, 100}));

    // One day fewer missing: 81, the yellow class.
    const auto setenta1 = dias(QDate(1999, 1, 1), QDate(1999, 3, 12));
    EXPECT_EQ(celulas(tabelaProjeto(123, QDate(1999, 1, 1), QDate(1999, 12, 1), setenta1))[0], 81);
}

TEST(CelulasDisponibilidade, MediaGuardadaDecide) {
    // Complete months whose stored Media says otherwise: 100 adds nothing (31 days of January are
    // lost: 334 / 365 = 91,51), a negative value adds nothing either (February: 306 / 365 = 83,84).
    Tabela t = tabelaProjeto(7, QDate(1999, 1, 1), QDate(1999, 12, 1));
    teste::definirMedia(t, QDate(1999, 1, 1), 100.0);
    EXPECT_EQ(celulas(t)[0], 92);
    teste::definirMedia(t, QDate(1999, 2, 1), -5.0);
    EXPECT_EQ(celulas(t)[0], 84);

    // A month without any value whose Media reads 0 (or is null) counts all its days: 1999 has
    // March empty (334 days) but its Media says complete.
    Tabela u = tabelaProjeto(7, QDate(1999, 1, 1), QDate(1999, 12, 1),
                             dias(QDate(1999, 3, 1), QDate(1999, 3, 31)));
    EXPECT_EQ(celulas(u)[0], 92);
    teste::definirMedia(u, QDate(1999, 3, 1), 0.0);
    EXPECT_EQ(celulas(u)[0], 100);
    teste::definirMedia(u, QDate(1999, 3, 1), std::nullopt);
    EXPECT_EQ(celulas(u)[0], 100);

    // Between 0 and 100 the days with a value are counted, whatever the percentage says: Media 50
    // on a complete March keeps its 31 days.
    Tabela v = tabelaProjeto(7, QDate(1999, 1, 1), QDate(1999, 12, 1));
    teste::definirMedia(v, QDate(1999, 3, 1), 50.0);
    EXPECT_EQ(celulas(v)[0], 100);
}

TEST(CelulasDisponibilidade, AnosSemRegistroSituacaoEMesesRepetidos) {
    // Only 2000 has records: 1999 and 2001 get 0, not an empty cell.
    Tabela t = tabelaProjeto(9, QDate(2000, 1, 1), QDate(2000, 12, 1));
    EXPECT_EQ(celulas(t), (std::vector<std::optional<int>>{0, 100, 0}));

    // A discarded month counts like any other.
    const int cSituacao = t.campo(u"Vazao01Status");
    for (qsizetype l = 0; l < t.linhas(); ++l)
        t.definir(l, cSituacao, qint64{kDescartado});
    EXPECT_EQ(celulas(t)[1], 100);

    // A month repeated in the file counts once: the year cannot pass 100.
    const qsizetype nova = t.acrescentarLinha();
    for (int c = 0; c < t.numeroCampos(); ++c)
        t.definir(nova, c, t.valor(0, c));
    EXPECT_EQ(celulas(t)[1], 100);
    // The first record of the month is the one counted: an empty copy placed first.
    Tabela u = tabelaProjeto(9, QDate(2000, 1, 1), QDate(2000, 1, 1),
                             dias(QDate(2000, 1, 1), QDate(2000, 1, 31)));
    const qsizetype cheio = u.acrescentarLinha();
    const Tabela completo = tabelaProjeto(9, QDate(2000, 1, 1), QDate(2000, 1, 1));
    for (int c = 0; c < u.numeroCampos(); ++c)
        u.definir(cheio, c, completo.valor(0, c));
    EXPECT_EQ(celulas(u)[1], 0);
}

TEST(CelulasDisponibilidade, TabelaQueNaoServe) {
    const Tabela vazia = [] {
        Tabela t = tabelaProjeto(1, QDate(2000, 1, 1), QDate(2000, 1, 1));
        return Tabela(t.campos());
    }();
    EXPECT_THROW(disponibilidadeProjeto(vazia, k1999a2001), ErroArquivo);
    const Tabela outra({{QStringLiteral("Codigo"), TipoCampo::Inteiro, 4}});
    try {
        disponibilidadeProjeto(outra, k1999a2001);
        FAIL();
    } catch (const ErroArquivo& e) {
        EXPECT_EQ(e.mensagem(), QStringLiteral("Este não é um arquivo de projeto do Corvel 1.0"));
    }
}

TEST(ClassesDisponibilidade, CoresENegrito) {
    struct Caso {
        std::optional<int> valor;
        std::optional<ClasseDisponibilidade> classe;
    };
    using C = ClasseDisponibilidade;
    const Caso casos[] = {
        {std::nullopt, C::Ate80}, {0, C::Ate80},      {80, C::Ate80},      {81, C::De81a89},
        {89, C::De81a89},         {90, C::De90a94},   {94, C::De90a94},    {95, C::De95a99},
        {99, C::De95a99},         {100, C::Completo}, {101, std::nullopt}, {-1, std::nullopt},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(classeCelula(c.valor), c.classe) << c.valor.value_or(-999);

    struct Estilo {
        C classe;
        quint32 fundo, texto;
        const char* legenda;
    };
    const Estilo estilos[] = {
        {C::Ate80, 0xFF0000, 0xFFFFFF, "0% a 80 %"},
        {C::De81a89, 0xFFFF00, 0x000000, "81% a 89%"},
        {C::De90a94, 0x808080, 0xFFFFFF, "90% a 94%"},
        {C::De95a99, 0x0000FF, 0xFFFFFF, "95% a 99%"},
        {C::Completo, 0x008000, 0xFFFFFF, "100%"},
    };
    for (const Estilo& e : estilos) {
        const EstiloClasse& s = estiloClasse(e.classe);
        EXPECT_EQ(s.fundo, e.fundo);
        EXPECT_EQ(s.texto, e.texto);
        EXPECT_TRUE(s.negrito);
        EXPECT_STREQ(s.legenda, e.legenda);
    }
    EXPECT_EQ(kClassesLegenda.front(), C::Ate80);
    EXPECT_EQ(kClassesLegenda.back(), C::Completo);
}

} // namespace

namespace {

// The shares of flagged days a year's cell can be coloured by: 1999 with 73 of its 365 days
// estimated (20 %), 2000 with January to June raw (182 of 366 days, 49,7 % → 50), 2001 without a
// day; and a project written before the statuses were kept, whose estimated share is unknown.
TEST(CelulasDisponibilidade, PartesDeDiasEstimadosEBrutos) {
    SerieTabela s = serieMensal(QDate(1999, 1, 1), QDate(2001, 12, 1),
                                [](QDate mes, int) -> std::optional<double> {
                                    if (mes.year() == 2001) return std::nullopt;
                                    return 1.0;
                                });
    int estimados = 0;
    for (RegistroMensal& r : s.armazenados()) {
        if (r.data.year() == 1999)
            for (int d = 0; d < r.nDias() && estimados < 73; d += 2, ++estimados)
                r.sinal[static_cast<std::size_t>(d)] = SinalDia::Estimado;
        if (r.data.year() == 2000 && r.data.month() <= 6) r.nivelConsistencia = 1;
    }
    Tabela t = paraTabela(s);
    const EstacaoDisponibilidade e = disponibilidadeProjeto(t, k1999a2001);
    EXPECT_EQ(e.estimados, (std::vector<std::optional<int>>{20, 0, std::nullopt}));
    EXPECT_EQ(e.brutos, (std::vector<std::optional<int>>{0, 50, std::nullopt}));

    // The same months without the field that keeps the statuses.
    std::vector<Campo> campos = t.campos();
    const int cSinais = t.campo(u"SinaisDiarios");
    campos.erase(campos.begin() + cSinais);
    Tabela antiga(campos);
    for (qsizetype l = 0; l < t.linhas(); ++l) {
        const qsizetype n = antiga.acrescentarLinha();
        for (int c = 0, k = 0; c < static_cast<int>(t.campos().size()); ++c)
            if (c != cSinais) antiga.definir(n, k++, t.valor(l, c));
    }
    const EstacaoDisponibilidade a = disponibilidadeProjeto(antiga, k1999a2001);
    EXPECT_EQ(a.anos, e.anos);
    EXPECT_EQ(a.estimados, (std::vector<std::optional<int>>(3, std::nullopt)));
    EXPECT_EQ(a.brutos, e.brutos);
}

} // namespace
