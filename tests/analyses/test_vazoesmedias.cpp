// Mean flows: annual means per calendar or hydrological year with the partial first and last years,
// monthly and long-term monthly means, the long-term mean flow of every considered day, the year
// without data shown "-", the table texts and the hand-over to the stationarity window. Expected
// values worked by hand.
#include "core/construtor.h"

#include "analyses/tabelasmedias.h"
#include "analyses/vazoesmedias.h"
#include "core/erros.h"

#include <gtest/gtest.h>

using namespace corvel;

namespace {

const auto diaria = teste::serieDiaria;

std::vector<QString> textosAnuais(const std::vector<MediaAnual>& anuais) {
    std::vector<QString> r;
    for (const MediaAnual& l : anuais)
        r.push_back(l.textoAno() + u';' + l.textoMedia() + u';' + l.textoDias());
    return r;
}

TEST(MediaAnual, AnoHidrologicoDeOutubroComOsAnosParciais) {
    // 1,0 every day of 1990 and 2,0 every day of 1991, start in October.
    // 1989/1990: January-September 1990 only, 273 days of 1,0: a partial year, marked.
    // 1990/1991: October-December 1990 (92 days of 1,0) and January-September 1991 (273 days of
    //            2,0): (92 + 546) / 365 = 1,7479... -> "1,75".
    // 1991/1992: only October-December 1991, 92 days of 2,0: partial.
    const SerieTabela s = diaria(QDate(1990, 1, 1), QDate(1991, 12, 1),
                                 [](QDate d) { return d.year() == 1990 ? 1.0 : 2.0; });
    const auto anuais = CalculaMediaAnual(s, 10, 1990, 1991);
    EXPECT_EQ(textosAnuais(anuais), (std::vector<QString>{"1989/1990*;1,00;273",
                                                          "1990/1991;1,75;365",
                                                          "1991/1992*;2,00;92"}));
    EXPECT_EQ(notasMediasAnuais(anuais),
              std::vector<QString>{QString::fromUtf8(kNotaAnoParcial)});
    // Every day counts once whatever month starts the year: (365 x 1 + 365 x 2) / 730 = 1,5.
    // (The day-weighted mean of the two-decimal annual means of 1990/1991 and 1991/1992 alone
    // gave 1,8003.)
    const auto civil = CalculaMediaAnual(s, 1, 1990, 1991);
    EXPECT_EQ(textosAnuais(civil), (std::vector<QString>{"1990;1,00;365", "1991;2,00;365"}));
    EXPECT_TRUE(notasMediasAnuais(civil).empty());
    for (int inicio : {1, 4, 10})
        EXPECT_EQ(CalculaVazoesMedias(s, inicio, 1990, 1991).linhaLongaDuracao,
                  QStringLiteral("Vazão média de longa duração: 1,5000 m³/s"))
            << inicio;
}

TEST(MediaAnual, CasosDeUmAno) {
    struct Caso {
        const char* descricao;
        std::function<std::optional<double>(QDate)> vazao;
        const char* media;
        int dias;
    };
    const Caso casos[] = {
        // A single valid day: its flow, no minimum of days.
        {"um dia válido",
         [](QDate d) -> std::optional<double> {
             return d == QDate(1990, 6, 3) ? std::optional(7.5) : std::nullopt;
         },
         "7,50", 1},
        // 364 days of 3,0 and a zero on 1 March: 1092 / 365 = 2,9917... -> "2,99".
        {"vazão zero conta", [](QDate d) { return d == QDate(1990, 3, 1) ? 0.0 : 3.0; }, "2,99",
         365},
        // 1,0 on the first and 0,005 on the 2nd of January, nothing else: 1,005 / 2 = 0,5025
        // (stored as 0,50249...), three significant digits below 1 m³/s.
        {"dois dias",
         [](QDate d) -> std::optional<double> {
             if (d == QDate(1990, 1, 1)) return 1.0;
             if (d == QDate(1990, 1, 2)) return 0.005;
             return std::nullopt;
         },
         "0,502", 2},
        // Every day missing: a gap in the record, not a dry year.
        {"nenhum dia válido", [](QDate) -> std::optional<double> { return std::nullopt; }, "-", 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.descricao);
        const auto anuais = CalculaMediaAnual(
            diaria(QDate(1990, 1, 1), QDate(1990, 12, 1), c.vazao), 1, 1990, 1990);
        ASSERT_EQ(anuais.size(), 1u);
        EXPECT_EQ(anuais[0].textoMedia(), QString::fromUtf8(c.media));
        EXPECT_EQ(anuais[0].diasValidos, c.dias);
    }
}

TEST(MediaAnual, SoOsDiasDoMesEDaEstacao) {
    // February 1990 holds a stray value on day 30 and March 1990 belongs to another station: the
    // year sees 28 days of February and no March. 365 - 31 = 334 days of 1,0.
    SerieTabela s = diaria(QDate(1990, 1, 1), QDate(1990, 12, 1), [](QDate) { return 1.0; });
    s[s.localizar(QDate(1990, 2, 1))].vazao[29] = 1000.0;
    s[s.localizar(QDate(1990, 3, 1))].estacaoCodigo = 999;
    const auto anuais = CalculaMediaAnual(s, 1, 1990, 1990);
    EXPECT_EQ(anuais[0].textoMedia(), QStringLiteral("1,00"));
    EXPECT_EQ(anuais[0].diasValidos, 334);
}

TEST(MediaAnual, AnoSemDadosNaoPesaEmNada) {
    // 1990: 2,0 every day; 1991: its months considered but every day empty; 1992: 4,0 every day
    // (leap year). Long-term mean (2 x 365 + 4 x 366) / 731 = 2194 / 731 = 3,00137 -> "3,0014".
    SerieTabela s =
        diaria(QDate(1990, 1, 1), QDate(1992, 12, 1), [](QDate d) -> std::optional<double> {
            if (d.year() == 1991) return std::nullopt;
            return d.year() == 1990 ? 2.0 : 4.0;
        });
    const auto anuais = CalculaMediaAnual(s, 1, 1990, 1992);
    EXPECT_EQ(textosAnuais(anuais),
              (std::vector<QString>{"1990;2,00;365", "1991;-;0", "1992;4,00;366"}));
    const QString esperada = QStringLiteral("Vazão média de longa duração: 3,0014 m³/s");
    EXPECT_EQ(textoVazaoMediaLongaDuracao(VazaoMediaLongaDuracao(s, 1990, 1992)), esperada);

    // The same with the months of 1991 absent altogether.
    for (int m = 1; m <= 12; ++m)
        s.remover(s.localizar(QDate(1991, m, 1)));
    const auto semMeses = CalculaMediaAnual(s, 1, 1990, 1992);
    EXPECT_EQ(semMeses[1].textoMedia(), QStringLiteral("-"));
    EXPECT_EQ(textoVazaoMediaLongaDuracao(VazaoMediaLongaDuracao(s, 1990, 1992)), esperada);

    // Without the two years that have data nothing is left to weigh.
    EXPECT_FALSE(VazaoMediaLongaDuracao(s, 1991, 1991).has_value());
    EXPECT_EQ(textoVazaoMediaLongaDuracao(VazaoMediaLongaDuracao(s, 1991, 1991)),
              QStringLiteral("Vazão média de longa duração: -"));
}

TEST(MediaAnual, LongaDuracaoComTodosOsDigitos) {
    // One year of three valid days, 1, 1 and 2: exact mean 1,3333, printed "1,33". The long-term
    // mean takes the days themselves: "1,3333", not 1,33 x 3 / 3 = "1,3300".
    const SerieTabela s =
        diaria(QDate(1990, 1, 1), QDate(1990, 12, 1), [](QDate d) -> std::optional<double> {
            if (d == QDate(1990, 5, 1) || d == QDate(1990, 5, 2)) return 1.0;
            return d == QDate(1990, 5, 3) ? std::optional(2.0) : std::nullopt;
        });
    const VazoesMedias r = CalculaVazoesMedias(s, 1, 1990, 1990);
    EXPECT_EQ(r.linhaLongaDuracao, QStringLiteral("Vazão média de longa duração: 1,3333 m³/s"));
    EXPECT_DOUBLE_EQ(*r.longaDuracao, 4.0 / 3.0);
    EXPECT_EQ(linhaRelatorioLongaDuracao(r.linhaLongaDuracao).rotulo,
              QStringLiteral("Vazão média de longa duração:"));
    EXPECT_EQ(linhaRelatorioLongaDuracao(r.linhaLongaDuracao).valor,
              QStringLiteral(" 1,3333 m³/s"));
}

TEST(AnosCalculo, CaixasDeAno) {
    const struct {
        const char* inicio;
        const char* fim;
        const char* mensagem; // empty: accepted
    } casos[] = {
        {"", "1990", "\"Ano Início\" ou \"Ano Fim\" não definidos."},
        {"1990", " ", "\"Ano Início\" ou \"Ano Fim\" não definidos."},
        {"19a0", "1991", "Valor inválido para \"Ano Início\" ou \"Ano Fim\""},
        {"0", "1991", "Valor inválido para \"Ano Início\" ou \"Ano Fim\""},
        {"1990", "99999999999", "Valor inválido para \"Ano Início\" ou \"Ano Fim\""},
        {"1991", "1990", "\"Ano Fim\" deve ser maior ou igual ao \"Ano Início\"."},
        {"1990", "1990", ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.inicio + std::string(" / ") + c.fim);
        if (*c.mensagem == 0) {
            const AnosCalculo a =
                lerAnosCalculo(QString::fromUtf8(c.inicio), QString::fromUtf8(c.fim));
            EXPECT_EQ(a.inicio, 1990);
            EXPECT_EQ(a.fim, 1990);
            continue;
        }
        try {
            lerAnosCalculo(QString::fromUtf8(c.inicio), QString::fromUtf8(c.fim));
            ADD_FAILURE() << "aceito";
        } catch (const Erro& e) {
            EXPECT_EQ(e.mensagem(), QString::fromUtf8(c.mensagem));
            EXPECT_EQ(e.gravidade(), Gravidade::Erro);
        }
    }
}

TEST(MediasMensais, MesesELongaDuracao) {
    // January 1990: valid only on days 1 to 3 (1, 0, 0): mean 1/3, "0,33". January 1991: 1,0
    // every day. Long-term January: (1/3 + 1) / 2 = 2/3 from the unrounded means ("0,67" in the
    // grid, 0,666666666666667 in the CSV; from "0,33" it would be 0,665).
    // February 1990: 28 days of 1,0 and a stray 30,0 in day 30, which this pass reads: 58 / 29 = 2.
    // March 1990: every day missing: empty mean, 0 days, not counted for March.
    // May 1990: 30 days of 3,0 and a zero: 90 / 31 = 2,903 -> "2,9".
    SerieTabela s =
        diaria(QDate(1990, 1, 1), QDate(1991, 1, 1), [](QDate d) -> std::optional<double> {
            if (d.year() == 1990 && d.month() == 1)
                return d.day() == 1   ? std::optional(1.0)
                       : d.day() <= 3 ? std::optional(0.0)
                                      : std::nullopt;
            if (d.month() == 3) return std::nullopt;
            if (d.month() == 5) return d.day() == 31 ? 0.0 : 3.0;
            return 1.0;
        });
    s[s.localizar(QDate(1990, 2, 1))].vazao[29] = 30.0;
    const MediasMensais m = MediaAnualDeLongaDuracao(s);
    ASSERT_EQ(m.meses.size(), 13u);
    const auto linha = [&](int i) {
        const MediaMensal& x = m.meses[static_cast<std::size_t>(i)];
        return x.textoMes() + u';' + x.textoMedia() + u';' + x.textoDias();
    };
    EXPECT_EQ(linha(0), QStringLiteral("Janeiro/1990;0,333;3"));
    EXPECT_EQ(linha(1), QStringLiteral("Fevereiro/1990;2;29"));
    EXPECT_EQ(linha(2), QStringLiteral("Março/1990;;0"));
    EXPECT_EQ(linha(4), QStringLiteral("Maio/1990;2,9;31"));
    EXPECT_EQ(linha(12), QStringLiteral("Janeiro/1991;1;31"));

    const TabelaTexto grade = tabelaMediasLongaDuracao(m.longaDuracao, FormaTexto::Grade);
    const TabelaTexto csv = tabelaMediasLongaDuracao(m.longaDuracao, FormaTexto::Csv);
    ASSERT_EQ(grade.linhas.size(), 12u);
    EXPECT_EQ(grade.linhas[0], (std::vector<QString>{"Janeiro", "0,667", "2"}));
    EXPECT_EQ(csv.linhas[0], (std::vector<QString>{"Janeiro", "0,666666666666667", "2"}));
    EXPECT_EQ(grade.linhas[1], (std::vector<QString>{"Fevereiro", "2,00", "1"}));
    EXPECT_EQ(grade.linhas[2], (std::vector<QString>{"Março", "", "0"}));
    EXPECT_EQ(csv.linhas[11], (std::vector<QString>{"Dezembro", "1", "1"}));

    // A second pass over the same months gives the same table: nothing accumulates.
    const MediasMensais outra = MediaAnualDeLongaDuracao(s);
    EXPECT_EQ(tabelaMediasLongaDuracao(outra.longaDuracao, FormaTexto::Csv).linhas, csv.linhas);
}

TEST(TabelasMedias, TitulosELinhasDasExportacoes) {
    const SerieTabela s =
        diaria(QDate(1990, 1, 1), QDate(1990, 12, 1), [](QDate d) -> std::optional<double> {
            return d == QDate(1990, 1, 31) ? std::nullopt : std::optional(2.5);
        });
    const VazoesMedias r = CalculaVazoesMedias(s, 1, 1990, 1991);
    EXPECT_EQ(textoCsv(tabelaMediasAnuais(r.anuais), u"\n"),
              QStringLiteral("Ano;Média;Dias válidos;Dias sinalizados;\n1990;2,50;364;0;\n1991;-;0;0;\n"));
    const TabelaTexto mensal = tabelaMediasMensais(r.mensais.meses);
    EXPECT_EQ(mensal.titulos, (std::vector<QString>{"Mês", "Vazões médias", "Dias válidos"}));
    EXPECT_EQ(mensal.linhas[0], (std::vector<QString>{"Janeiro/1990", "2,5", "30"}));
    EXPECT_EQ(
        tabelaMediasLongaDuracao(r.mensais.longaDuracao, FormaTexto::Csv).titulos,
        (std::vector<QString>{"Mês", "Media Mensal de longa duração", "Nº de meses considerados"}));

    // January 1990 has one missing day of 31: 1 x 100 div 31 = 3 % failures; day 31 empty.
    const TabelaTexto dados = tabelaDadosMedias(s);
    ASSERT_EQ(dados.titulos.size(), 33u);
    EXPECT_EQ(dados.titulos[1], QStringLiteral("Falhas(%)"));
    EXPECT_EQ(dados.titulos[32], QStringLiteral("Dia 31"));
    EXPECT_EQ(dados.linhas[0][0], QStringLiteral("Janeiro/1990"));
    EXPECT_EQ(dados.linhas[0][1], QStringLiteral("3"));
    EXPECT_EQ(dados.linhas[0][2], QStringLiteral("2,5"));
    EXPECT_EQ(dados.linhas[0][32], QString());
    EXPECT_EQ(dados.linhas[1][31], QString()); // 30 February does not exist

    const RelatorioTexto anual = relatorioMediasAnuais(r.anuais);
    EXPECT_EQ(anual.titulo, QStringLiteral("Vazões médias anuais"));
    EXPECT_EQ(anual.colunas, (std::vector<QString>{"Ano", "Vazão Média(m³/s)", "Dias válidos",
                                                 "Dias sinalizados"}));
    EXPECT_EQ(anual.linhas[1], (std::vector<QString>{"1991", "-", "0", "0"}));
    EXPECT_EQ(relatorioMediasMensais(r.mensais.meses).colunas[0], QStringLiteral("Ano"));
    const RelatorioTexto ld = relatorioMediasLongaDuracao(r.mensais.longaDuracao);
    EXPECT_EQ(ld.titulo, QStringLiteral("Vazões médias mensais de longa duração"));
    EXPECT_EQ(ld.colunas, (std::vector<QString>{"Mês", "Vazão Média(m³/s)", "Meses considerados"}));
    EXPECT_EQ(ld.linhas[0], (std::vector<QString>{"Janeiro", "2,50", "1"}));
}

TEST(TabelasMedias, PlanilhasComValoresOuTextos) {
    // January 1990: 1,0 a day but day 2 missing; February 1990: 3,0 a day.
    const SerieTabela s =
        diaria(QDate(1990, 1, 1), QDate(1990, 2, 1), [](QDate d) -> std::optional<double> {
            if (d == QDate(1990, 1, 2)) return std::nullopt;
            return d.month() == 1 ? 1.0 : 3.0;
        });
    const VazoesMedias r = CalculaVazoesMedias(s, 1, 1990, 1990);

    // The annual and monthly tables are texts: the sheet gets the texts the grid shows.
    const TabelaExibida anual = tabelaExibida(tabelaMediasAnuais(r.anuais));
    ASSERT_EQ(anual.colunas.size(), 4u);
    EXPECT_EQ(anual.colunas[1].rotulo, QStringLiteral("Média"));
    EXPECT_EQ(anual.colunas[1].tipo, TipoCampo::Texto);
    // (30 x 1 + 28 x 3) / 58 = 114 / 58 = 1,9655...
    // The series covers two months of 1990: a partial year, marked.
    EXPECT_EQ(anual.linhas[0], (std::vector<Valor>{QStringLiteral("1990*"), QStringLiteral("1,97"),
                                                   QStringLiteral("58"), QStringLiteral("0")}));

    // The long-term means as numbers; a month without means is an empty cell, not 0.
    const TabelaExibida ld = planilhaMediasLongaDuracao(r.mensais.longaDuracao);
    ASSERT_EQ(ld.colunas.size(), 3u);
    EXPECT_EQ(ld.colunas[1].rotulo, QStringLiteral("Media Mensal de longa duração"));
    EXPECT_EQ(ld.colunas[1].tipo, TipoCampo::Real);
    ASSERT_EQ(ld.linhas.size(), 12u);
    EXPECT_EQ(ld.linhas[0], (std::vector<Valor>{QStringLiteral("Janeiro"), 1.0, qint64(1)}));
    EXPECT_EQ(ld.linhas[1], (std::vector<Valor>{QStringLiteral("Fevereiro"), 3.0, qint64(1)}));
    EXPECT_EQ(ld.linhas[2], (std::vector<Valor>{QStringLiteral("Março"), Valor(), qint64(0)}));

    // The input data: the failure percentage (1 x 100 div 31 = 3) and the days as numbers, the
    // missing day and the days past February's end empty.
    const TabelaExibida dados = dadosEntradaMedias(s);
    ASSERT_EQ(dados.colunas.size(), 33u);
    EXPECT_EQ(dados.colunas[1].rotulo, QStringLiteral("Falhas(%)"));
    EXPECT_EQ(dados.colunas[2].rotulo, QStringLiteral("Dia 1"));
    EXPECT_EQ(dados.linhas[0][1], Valor(3.0));
    EXPECT_EQ(dados.linhas[0][3], Valor());
    EXPECT_EQ(dados.linhas[1][2 + 27], Valor(3.0));
    EXPECT_EQ(dados.linhas[1][2 + 28], Valor());
}

TEST(EntregaEstacionariedade, AnosComMediaEMetades) {
    // Hydrological years from October 1990 to 1994; 1992/1993 without any valid day.
    // 1990/1991 has 92 days of 1,0 and 273 of 2,0: 1,7479..., handed over with all its digits; the
    // partial 1989/1990 (January-September 1990) is not handed over.
    const SerieTabela s =
        diaria(QDate(1990, 1, 1), QDate(1995, 12, 1), [](QDate d) -> std::optional<double> {
            const QDate lacuna(1992, 10, 1), fimLacuna(1993, 9, 30);
            if (d >= lacuna && d <= fimLacuna) return std::nullopt;
            return d.year() == 1990 ? 1.0 : 2.0;
        });
    const auto anuais = CalculaMediaAnual(s, 10, 1990, 1994);
    const EntregaEstacionariedade e = entregaMediasAnuais(anuais);
    EXPECT_EQ(e.legenda, QStringLiteral("Estacionariedade (Série de médias anuais)"));
    EXPECT_EQ(e.periodoMinimo, QStringLiteral("5 anos"));
    EXPECT_TRUE(e.porAno);
    ASSERT_EQ(e.entradas.size(), 4u);
    const struct {
        const char* data;
        const char* rotulo;
        const char* ano;
    } esperadas[] = {{"1/1/1990", "1990/1991", "1990"},
                     {"1/1/1991", "1991/1992", "1991"},
                     {"1/1/1993", "1993/1994", "1993"},
                     {"1/1/1994", "1994/1995", "1994"}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(e.entradas[i].dataTexto, QString::fromLatin1(esperadas[i].data));
        EXPECT_EQ(e.entradas[i].rotulo, QString::fromLatin1(esperadas[i].rotulo));
        EXPECT_EQ(e.entradas[i].anoTexto, QString::fromLatin1(esperadas[i].ano));
    }
    EXPECT_DOUBLE_EQ(e.entradas[0].valor, 638.0 / 365.0);
    EXPECT_DOUBLE_EQ(e.entradas[1].valor, 2.0);
    // n = 4: (4 - 1) div 2 = 1, so series 1 is items 0..1 and series 2 items 2..3.
    EXPECT_EQ(e.selecao, (std::array<int, 6>{0, 3, 0, 1, 2, 3}));

    const EntregaEstacionariedade cinco =
        entregaMediasAnuais(CalculaMediaAnual(s, 1, 1990, 1994)); // 1992 and 1993 keep some days
    EXPECT_EQ(cinco.entradas.size(), 5u);
    EXPECT_EQ(cinco.entradas[0].rotulo, QStringLiteral("1990"));
    EXPECT_EQ(cinco.selecao, (std::array<int, 6>{0, 4, 0, 2, 3, 4}));
}

} // namespace
