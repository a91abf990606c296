// The distribution window's CSV files, byte for byte as written through codificarWindows1252,
// and the reader of event files.
#include "impressao_qt.h"

#include "core/erros.h"
#include "exchange/windows1252.h"
#include "stats/exportacaodistribuicoes.h"

#include <gtest/gtest.h>

using namespace corvel;

namespace {

// A Pearson III row with every field, and a failed three-parameter log-normal row whose
// Alfa, Beta and Gama are blank.
std::vector<LinhaDistribuicao> duasLinhas() {
    LinhaDistribuicao p;
    p.id = 108;
    p.NomeDistribuicao = QStringLiteral("Pearson 3");
    p.NumeroDistribuicao = 0;
    p.IntervaloConfiancaSuperior = 1234.5678;
    p.ValorEvento = 1000;
    p.IntervaloConfiancaInferior = 765.4322;
    p.ErroPadrao = 119.675; // stored as 119.67499…: "119,67"
    p.Alfa = 302.4229836175947;
    p.Beta = 1.1515427697090614;
    p.Gama = 542.3503331546501;
    p.Media = 890.6033333333332;
    p.Variancia = 105319.71136781611;
    p.assimetria = 1.86375988231172;
    p.NEventos = 30;
    p.DesvioPadrao = 324.52998531386294;
    p.PeriodoRetorno = 10;
    p.PeriodoRetornousuario = 1;
    p.Diferenca = 469.1356;
    LinhaDistribuicao l;
    l.id = 405;
    l.NomeDistribuicao = QStringLiteral("Lognormal 3");
    l.NumeroDistribuicao = 3;
    l.Media = 890.6033333333332;
    l.Variancia = 105319.71136781611;
    l.assimetria = -2.5;
    l.NEventos = 30;
    l.DesvioPadrao = 324.52998531386294;
    l.PeriodoRetorno = 10;
    l.PeriodoRetornousuario = 1;
    l.A = 105.26837176318486;
    l.Erro = 1;
    return {p, l};
}

TEST(ExportacaoDistribuicoes, ResultadosEmBytes) {
    const QByteArray esperado =
        "Distribui\xe7\xe3o;  Interv. conf. sup. (95%);  Evento (m\xb3/s);  Interv. conf. inf. "
        "(95%);  Erro padr\xe3o;  Alfa;  Beta;  Gama;  M\xe9"
        "dia;  Vari\xe2ncia;  Assimetria;  "
        "N\xba de eventos;  Desvio padr\xe3o;  Per\xedodo de retorno;  Dura\xe7\xe3o;  A;  "
        "Amplitude do Intervalo de confian\xe7"
        "a;  Erro;   \r\n"
        "Pearson 3; 1234,57; 1000,00; 765,43; 119,67; 302,42298; 1,15154; 542,35033; 890,60; "
        "105319,71; 1,86376; 30; 324,52999; 10; 7; ; 469,1356; 0;  \r\n"
        "Lognormal 3; 0,00; 0,00; 0,00; 0,00; ; ; ; 890,60; 105319,71; -2,50000; 30; "
        "324,52999; 10; 7; 105,268371763185; 0,0000; 1;  \r\n";
    EXPECT_EQ(codificarWindows1252(textoDistribuicoesCsv(duasLinhas())), esperado);
    EXPECT_EQ(colunasDistribuicao().size(), 18u);
}

TEST(ExportacaoDistribuicoes, DadosEmBytesELidosDeVolta) {
    const std::vector<EventoDistribuicao> eventos = {
        {QStringLiteral("1990"), 512.4},
        {QStringLiteral("Março/1991"), std::nullopt},
        {QStringLiteral("1992/1993"), 1043.75},
        {QStringLiteral("1994"), 0.00004}, // below the fourth decimal: three significant digits
    };
    const QByteArray bytes = codificarWindows1252(textoDadosCsv(eventos, false));
    EXPECT_EQ(bytes, QByteArray("Distribui\xe7\xf5"
                                "es [Programa Corvel]\r\n"
                                "N\xe3o altere esse cabe\xe7"
                                "alho\r\n"
                                "0\r\n"
                                "C\xf3"
                                "digo da esta\xe7\xe3o:\r\n"
                                " Data;  Dados;\r\n"
                                "1990;512,4000;\r\n"
                                "Mar\xe7o/1991;;\r\n"
                                "1992/1993;1043,7500;\r\n"
                                "1994;0,000040;\r\n"));

    const EventosLidos lidos = lerEventosCsv(bytes);
    EXPECT_EQ(lidos.EventosMaximos, false);
    ASSERT_EQ(lidos.eventos.size(), 4u);
    EXPECT_EQ(lidos.eventos[1].Data, QStringLiteral("Março/1991"));
    EXPECT_FALSE(lidos.eventos[1].Dados);
    EXPECT_EQ(lidos.eventos[2].Data, QStringLiteral("1992/1993"));
    EXPECT_EQ(lidos.eventos[2].Dados, 1043.75);
    EXPECT_EQ(lidos.eventos[3].Dados, 0.00004);
    EXPECT_EQ(lerEventosCsv(codificarWindows1252(textoDadosCsv(eventos, true))).EventosMaximos,
              true);
}

TEST(LerEventosCsv, ArquivoSimplesComCabecalhoEmUtf8ComLf) {
    const EventosLidos r = lerEventosCsv(
        QStringLiteral("Ano;Vazão mínima\n1990;12,5\n\n1991;;\n1992 ; 9,75 ;x\n").toUtf8());
    EXPECT_FALSE(r.EventosMaximos);
    ASSERT_EQ(r.eventos.size(), 3u);
    EXPECT_EQ(r.eventos[0].Data, QStringLiteral("1990"));
    EXPECT_EQ(r.eventos[0].Dados, 12.5);
    EXPECT_FALSE(r.eventos[1].Dados);
    EXPECT_EQ(r.eventos[2].Data, QStringLiteral("1992"));
    EXPECT_EQ(r.eventos[2].Dados, 9.75);
    // Without a header, the first line is an event.
    EXPECT_EQ(lerEventosCsv("1990;12,5\r\n").eventos.size(), 1u);
}

TEST(LerEventosCsv, ErrosComALinha) {
    const struct {
        QByteArray conteudo;
        const char* mensagem;
    } casos[] = {
        {"1990;12,5\n1991;12.5\n", "linha 2: '12.5' não é um valor de ponto flutuante válido"},
        {"1990;12,5\n1991 12,5\n", "linha 2: esperava \"rótulo;valor\""},
        {"Distribui\xe7\xf5"
         "es [Programa Corvel]\r\nx\r\n2\r\nC\r\n D\r\n",
         "linha 3: o tipo de evento deve ser 1 (máximos) ou 0 (mínimos)"},
    };
    for (const auto& c : casos) {
        try {
            lerEventosCsv(c.conteudo);
            ADD_FAILURE() << c.mensagem;
        } catch (const Erro& e) {
            EXPECT_EQ(e.mensagem(), QString::fromUtf8(c.mensagem));
        }
    }
}

} // namespace
