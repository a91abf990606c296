// The text record codec: header and record lines, the agency line split, the level of a line and
// the conversion of its texts into a monthly record.
#include "agencia.h"

#include "core/erros.h"
#include "exchange/registro.h"

#include <gtest/gtest.h>

using namespace corvel;
using corvel::teste::linha;

namespace {

TEST(TRegistro, CabecalhoComOsTitulosNaOrdemDasColunas) {
    const QString vazoes = QStringLiteral(
        "Vazao01;Vazao02;Vazao03;Vazao04;Vazao05;Vazao06;Vazao07;Vazao08;Vazao09;Vazao10;Vazao11;"
        "Vazao12;Vazao13;Vazao14;Vazao15;Vazao16;Vazao17;Vazao18;Vazao19;Vazao20;Vazao21;Vazao22;"
        "Vazao23;Vazao24;Vazao25;Vazao26;Vazao27;Vazao28;Vazao29;Vazao30;Vazao31;");
    EXPECT_EQ(TRegistro::cabecalho(u';'),
              QStringLiteral("Registro;Estação;Nível de consistência (1 = dados Brutos, 2 = Dados "
                             "consistidos);Data;Situação(-2=falha,-1=descartado,0=ok);"
                             "Início_Do_Ano_Hidrológico;%Falhas;") +
                  vazoes);
    // Separated by spaces, the titles keep their own spaces.
    const QString espaco = TRegistro::cabecalho(u' ');
    EXPECT_TRUE(espaco.startsWith(QStringLiteral(
        "Registro Estação Nível de consistência (1 = dados Brutos, 2 = Dados consistidos) Data ")));
    EXPECT_TRUE(espaco.endsWith(QStringLiteral("Vazao30 Vazao31 ")));
}

TEST(TRegistro, LinhaDaAgenciaPreencheOsSlotsDasColunasLidas) {
    teste::LinhaAgencia l = linha("2", "01/03/1990");
    l.vazoes[0] = QStringLiteral("0,001");
    l.vazoes[30] = QStringLiteral("7");
    TRegistro r;
    ASSERT_TRUE(r.lerLinhaAgencia(l.texto(), 9));
    EXPECT_EQ(r.contador(), 1u);
    EXPECT_EQ(r.texto(kSlotRegistroID), u"1");
    EXPECT_EQ(r.texto(kSlotEstacaoCodigo), u"12345678");
    EXPECT_EQ(r.texto(kSlotNivelConsistencia), u"2");
    EXPECT_EQ(r.texto(kSlotData), u"01/03/1990");
    EXPECT_EQ(r.texto(kSlotVazao01Status), u"0");
    EXPECT_EQ(r.texto(kSlotVazao02Status), u"9");
    EXPECT_EQ(r.texto(kSlotMedia), u"");
    EXPECT_EQ(r.texto(kSlotVazao01), u"0,001");
    EXPECT_EQ(r.texto(kSlotVazao01 + 1), u"10,5");
    EXPECT_EQ(r.texto(kSlotVazao01 + 28), u"");
    EXPECT_EQ(r.texto(kSlotVazao01 + 30), u"7");
    EXPECT_EQ(r.consistencia(), 2);
}

TEST(TRegistro, LinhaCurtaFalhaMasContaEOsSlotsGuardamOTextoAnterior) {
    RegistroMensal anterior;
    anterior.registroId = 40;
    anterior.data = QDate(1980, 5, 1);
    anterior.vazao[0] = 3.25;
    TRegistro r;
    r.lerDoRegistro(anterior); // Media 96: 30 of the 31 days of May are empty

    // Exactly 47 ';' is enough; anything after the 47th is not read.
    QString justa = QStringLiteral("87654321;1;01/02/1991") + QString(14, u';');
    for (int d = 1; d <= 31; ++d)
        justa += QStringLiteral("%1;").arg(d);
    ASSERT_EQ(justa.count(u';'), 47);
    const QString curta = justa.left(justa.size() - 1);

    struct Caso {
        const char* descricao;
        QString linha;
        bool aceita;
    };
    const Caso casos[] = {
        {"linha vazia", QString(), false},
        {"46 ';'", curta, false},
        {"47 ';'", justa, true},
        {"47 ';' e mais texto", justa + QStringLiteral("lixo;;;"), true},
    };
    quint32 contador = 0;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.descricao);
        const bool aceita = r.lerLinhaAgencia(c.linha, 1);
        EXPECT_EQ(aceita, c.aceita);
        EXPECT_EQ(r.contador(), ++contador);
        EXPECT_EQ(r.texto(kSlotMedia), u"96");
        if (!aceita) {
            EXPECT_EQ(r.texto(kSlotRegistroID), u"40");
            EXPECT_EQ(r.texto(kSlotData), u"01/05/1980");
        } else {
            EXPECT_EQ(r.texto(kSlotRegistroID), QString::number(contador));
            EXPECT_EQ(r.texto(kSlotData), u"01/02/1991");
            EXPECT_EQ(r.texto(kSlotVazao01 + 30), u"31");
        }
    }
    r.reiniciar();
    EXPECT_EQ(r.contador(), 0u);
}

TEST(TRegistro, ConsistenciaEhONivelInteiroOuZero) {
    const std::pair<const char*, int> casos[] = {
        {"2", 2}, {"1", 1},   {" 1 ", 1},         {"NivelConsistencia", 0},
        {"", 0},  {"2,0", 0}, {"99999999999", 0},
    };
    for (const auto& [nivel, esperado] : casos) {
        teste::LinhaAgencia l = linha("2", "01/01/1990");
        l.nivel = QString::fromLatin1(nivel);
        TRegistro r;
        ASSERT_TRUE(r.lerLinhaAgencia(l.texto(), 1));
        EXPECT_EQ(r.consistencia(), esperado) << nivel;
    }
}

TEST(TRegistro, GravaOsValoresNoRegistroDiasVaziosFicamNulos) {
    teste::LinhaAgencia l = linha("1", "01/04/1990", "");
    l.vazoes[0] = QStringLiteral("12,5");
    l.vazoes[1] = QStringLiteral("0");
    l.vazoes[2] = QStringLiteral("1234,5678");
    TRegistro t;
    ASSERT_TRUE(t.lerLinhaAgencia(l.texto(), 9));
    ASSERT_TRUE(t.lerLinhaAgencia(l.texto(), 9));
    RegistroMensal r = SerieTabela::novoRegistro(1);
    t.gravarNoRegistro(r);
    EXPECT_EQ(r.registroId, 2);
    EXPECT_EQ(r.estacaoCodigo, 12345678);
    EXPECT_EQ(r.nivelConsistencia, 1);
    EXPECT_EQ(r.data, QDate(1990, 4, 1));
    EXPECT_EQ(r.vazao01Status, 0);
    EXPECT_EQ(r.vazao02Status, 9);
    EXPECT_EQ(r.vazao[0], 12.5);
    EXPECT_EQ(r.vazao[1], 0.0);
    EXPECT_EQ(r.vazao[2], 1234.5678);
    EXPECT_FALSE(r.vazao[3].has_value());
    EXPECT_EQ(r.validos(), 3);
}

TEST(TRegistro, TextoQueNaoConverteLancaErroDeConversao) {
    struct Caso {
        const char* descricao;
        void (*mudar)(teste::LinhaAgencia&);
    };
    const Caso casos[] = {
        {"ponto decimal", [](teste::LinhaAgencia& l) { l.vazoes[4] = QStringLiteral("12.5"); }},
        {"vazão só com espaço", [](teste::LinhaAgencia& l) { l.vazoes[4] = QStringLiteral(" "); }},
        {"data ano-mês-dia", [](teste::LinhaAgencia& l) { l.data = QStringLiteral("1990-04-01"); }},
        {"data inexistente", [](teste::LinhaAgencia& l) { l.data = QStringLiteral("31/02/1990"); }},
        {"data vazia", [](teste::LinhaAgencia& l) { l.data.clear(); }},
        {"estação com letras", [](teste::LinhaAgencia& l) { l.estacao = QStringLiteral("ABC"); }},
        {"estação além de 32 bits",
         [](teste::LinhaAgencia& l) { l.estacao = QStringLiteral("4294967296"); }},
    };
    for (const Caso& c : casos) {
        teste::LinhaAgencia l = linha("2", "01/04/1990");
        c.mudar(l);
        TRegistro t;
        ASSERT_TRUE(t.lerLinhaAgencia(l.texto(), 1)) << c.descricao;
        RegistroMensal r;
        EXPECT_THROW(t.gravarNoRegistro(r), ErroConversao) << c.descricao;
    }
}

TEST(TRegistro, MesLidoFicaNoPrimeiroDia) {
    TRegistro t;
    ASSERT_TRUE(t.lerLinhaAgencia(linha("2", "15/04/1990").texto(), 1));
    RegistroMensal r;
    t.gravarNoRegistro(r);
    EXPECT_EQ(r.data, QDate(1990, 4, 1));
}

} // namespace
