// The plain daily series import: every layout it recognises gives the same series, every doubt
// about the layout is refused with its line, and the public low-flow reference series imports.
#include "exchange/importacaodiaria.h"

#include "core/erros.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

ResultadoImportacao ler(const char* texto, qint32 codigo = 12345678) {
    return lerSerieDiaria(QByteArray(texto), codigo);
}

// Day values of the month that begins on `mes`, as read.
const RegistroMensal& mes(const ResultadoImportacao& r, QDate inicio) {
    const qsizetype i = r.serie.localizar(inicio);
    if (i < 0) throw std::runtime_error("mês ausente");
    return r.serie[i];
}

struct Leiaute {
    const char* nome;
    const char* texto;
};

// 30/01/2001 1,5; 31/01/2001 missing; 01/02/2001 0,137; 02/02/2001 12.
TEST(ImportacaoDiaria, CadaLeiauteReconhecidoDaAMesmaSerie) {
    const Leiaute casos[] = {
        {"vírgula e ponto decimal", "date,flow\n2001-01-30,1.5\n2001-01-31,\n2001-02-01,0.137\n"
                                    "2001-02-02,12\n"},
        {"ponto e vírgula e vírgula decimal",
         "Data;Vazão\r\n30/01/2001;1,5\r\n31/01/2001;\r\n01/02/2001;0,137\r\n02/02/2001;12\r\n"},
        {"ponto e vírgula e ponto decimal",
         "Data;Vazao;\n30/01/2001;1.5;\n31/01/2001;;\n01/02/2001;0.137;\n02/02/2001;12;\n"},
        {"tabulação", "data\tvazao\n2001-01-30\t1,5\n2001-01-31\tNA\n2001-02-01\t0,137\n"
                      "2001-02-02\t12"},
        {"coluna de sinal, linhas vazias e fora de ordem",
         "\xEF\xBB\xBF" "data;vazão;sinal\n\n01/02/2001;0,137;1\n30/01/2001;1,5;2\n"
         "31/01/2001;;\n\n02/02/2001;12\n"},
    };
    for (const Leiaute& c : casos) {
        SCOPED_TRACE(c.nome);
        const ResultadoImportacao r = ler(c.texto);
        ASSERT_EQ(r.serie.tamanho(), 2);
        const RegistroMensal& jan = mes(r, QDate(2001, 1, 1));
        const RegistroMensal& fev = mes(r, QDate(2001, 2, 1));
        EXPECT_EQ(jan.estacaoCodigo, 12345678);
        EXPECT_EQ(jan.nivelConsistencia, 2);
        EXPECT_EQ(jan.vazao01Status, kConsiderado);
        EXPECT_EQ(jan.vazao[29], 1.5);
        EXPECT_FALSE(jan.vazao[30].has_value());
        EXPECT_FALSE(jan.vazao[0].has_value()); // days the file does not reach are missing
        EXPECT_EQ(fev.vazao[0], 0.137);
        EXPECT_EQ(fev.vazao[1], 12.0);
        EXPECT_EQ(r.avisos.valoresImplausiveis, 0);
    }
}

// The third column: the agency's codes or the statuses' names, kept per day.
TEST(ImportacaoDiaria, SinalDoDiaPorCodigoOuNome) {
    const ResultadoImportacao r =
        ler("data;vazao;sinal\n01/03/1990;0,5;2\n02/03/1990;0;Régua seca\n03/03/1990;0;rio-seco\n"
            "04/03/1990;0,7;DUVIDOSO\n05/03/1990;0,8;0\n06/03/1990;0,9\n07/03/1990;1;real\n");
    const RegistroMensal& m = mes(r, QDate(1990, 3, 1));
    const SinalDia esperados[] = {SinalDia::Estimado, SinalDia::ReguaSeca, SinalDia::RioSeco,
                                  SinalDia::Duvidoso, SinalDia::Desconhecido,
                                  SinalDia::Desconhecido, SinalDia::Real};
    for (std::size_t d = 0; d < std::size(esperados); ++d)
        EXPECT_EQ(m.sinal[d], esperados[d]) << d + 1;
    try {
        ler("data;vazao;sinal\n01/03/1990;0,5;talvez\n");
        ADD_FAILURE() << "aceito";
    } catch (const ErroConversao& e) {
        EXPECT_TRUE(e.mensagem().startsWith(QStringLiteral("linha 2: 'talvez' não é um sinal de dia")))
            << e.mensagem().toStdString();
    }
}

TEST(ImportacaoDiaria, VazaoNegativaEAvisadaComoNasOutrasImportacoes) {
    const ResultadoImportacao r = ler("data;vazao\n01/03/1990;-2,5\n02/03/1990;3\n");
    EXPECT_EQ(r.avisos.valoresImplausiveis, 1);
    EXPECT_EQ(r.avisos.primeiroMesImplausivel, QDate(1990, 3, 1));
}

struct Recusa {
    const char* nome;
    const char* texto;
    const char* mensagem;
};

TEST(ImportacaoDiaria, RecusaOQueNaoSePodeLerComCertezaNomeandoALinha) {
    const Recusa casos[] = {
        {"vírgula e ponto em linhas diferentes", "data;vazao\n01/01/2000;1,5\n02/01/2000;2.5\n",
         "linha 3: marca decimal ambígua: '2.5' usa '.', mas a linha 2 usa ','"},
        {"toda marca pode ser de milhar", "data;vazao\n01/01/2000;1.234\n02/01/2000;12.500\n",
         "linha 2: marca decimal ambígua: toda vazão com '.' tem três dígitos depois dele"},
        {"vírgula e ponto no mesmo número", "data;vazao\n01/01/2000;1.234,5\n",
         "linha 2: '1.234,5' tem vírgula e ponto"},
        {"milhar agrupado", "data;vazao\n01/01/2000;1.234.567\n02/01/2000;0.5\n",
         "linha 2: '1.234.567' tem separador de milhar"},
        {"vírgula decimal num arquivo separado por vírgulas", "date,flow\n2000-01-01,1,5\n",
         "linha 2: 3 campos, mas o cabeçalho tem 2 (vírgula decimal num arquivo separado por "
         "vírgulas?)"},
        {"dia repetido", "data;vazao\n01/01/2000;1\n02/01/2000;2\n01/01/2000;3\n",
         "linha 4: o dia 01/01/2000 já está na linha 2"},
        {"data inválida", "date,flow\n2000-02-30,1\n", "linha 2: '2000-02-30' não é uma data válida"},
        {"formas de data misturadas", "date,flow\n2000-01-01,1\n02/01/2000,2\n",
         "linha 3: '02/01/2000' não é uma data aaaa-mm-dd, como as anteriores"},
        {"sem cabeçalho", "2000-01-01,1\n2000-01-02,2\n",
         "linha 1: a primeira linha deve ser o cabeçalho"},
        {"vazão que não é número", "date,flow\n2000-01-01,seca\n",
         "linha 2: 'seca' não é uma vazão"},
        {"vazão infinita", "date,flow\n2000-01-01,1e400\n",
         "linha 2: '1e400' não é uma vazão (número finito)"},
        {"vazão em notação científica com ponto", "date,flow\n2000-01-01,1.5e-05\n2000-01-02,x\n",
         "linha 3: 'x' não é uma vazão"},
        {"cabeçalho de uma coluna", "data vazao\n01/01/2000 1\n", "linha 1: o cabeçalho deve"},
        {"ano fora do aceito", "date,flow\n1700-01-01,1\n",
         "linha 2: a data 01/01/1700 está fora do período aceito (1800 a 2100)"},
        {"só o cabeçalho", "date,flow\n\n", "o arquivo não tem nenhum dia depois do cabeçalho"},
    };
    for (const Recusa& c : casos) {
        SCOPED_TRACE(c.nome);
        try {
            ler(c.texto);
            ADD_FAILURE() << "aceito";
        } catch (const ErroConversao& e) {
            EXPECT_TRUE(e.mensagem().startsWith(QString::fromUtf8(c.mensagem)))
                << e.mensagem().toStdString();
        }
    }
    EXPECT_THROW(ler("date,flow\n2000-01-01,1\n", 0), ErroConversao);
}

TEST(ImportacaoDiaria, ReconheceOLeiautePeloConteudo) {
    EXPECT_TRUE(pareceSerieDiaria("date,flow\n1963-09-20,30.512\n"));
    EXPECT_TRUE(pareceSerieDiaria("Data;Vazão;Sinal\r\n20/09/1963;30,5;1\r\n"));
    EXPECT_FALSE(pareceSerieDiaria("// Sistema de Informações Hidrológicas\n//\nEstacaoCodigo;"
                                   "NivelConsistencia;Data;Hora\n"));
    EXPECT_FALSE(pareceSerieDiaria("12345678;2;01/01/1990;;1;1;1;2;3;4\n12345678;2;01/02/1990;;1\n"));
    EXPECT_FALSE(pareceSerieDiaria(""));
}

// The worked example of the WMO low-flow manual (see the fixture's README): 13 618 lines, 214 of
// them without a flow, from 20 September 1963 to 31 December 2000.
TEST(ImportacaoDiaria, SerieDeReferenciaDoManualDeEstiagens) {
    const ResultadoImportacao r = importarSerieDiaria(
        QStringLiteral(CORVEL_FIXTURES_DIR "/estiagem/ngaruroro.csv"), 29201);
    const SerieTabela& s = r.serie;
    EXPECT_EQ(s[0].data, QDate(1963, 9, 1));
    EXPECT_EQ(s[s.tamanho() - 1].data, QDate(2000, 12, 1));
    int dias = 0, comVazao = 0;
    for (qsizetype i = 0; i < s.tamanho(); ++i)
        for (int d = 0; d < s[i].nDias(); ++d) {
            ++dias;
            comVazao += s[i].vazao[static_cast<std::size_t>(d)].has_value();
        }
    EXPECT_EQ(comVazao, 13404);
    EXPECT_EQ(dias - comVazao, 214 + 19); // the missing days, and 1 to 19 September 1963
    EXPECT_EQ(mes(r, QDate(1963, 9, 1)).vazao[19], 30.512);
    EXPECT_EQ(r.avisos.valoresImplausiveis, 0);
}

TEST(ImportacaoDiaria, ArquivoIlegivelDaOErroDeImportacao) {
    EXPECT_THROW(importarSerieDiaria(QStringLiteral("/nao/existe.csv"), 1), ErroImportacao);
}

} // namespace
