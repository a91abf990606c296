// Number and date texts: every picture the program uses, the general form, and parsing.
#include "core/erros.h"
#include "core/formato.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>

using namespace corvel;

namespace {

struct CasoPadrao {
    double valor;
    const char* padrao;
    const char* esperado;
};

TEST(Formato, PadroesArredondamMetadeLongeDoZeroSobreODoubleGuardado) {
    const CasoPadrao casos[] = {
        {0.125, "0.00", "0,13"},          // exact tie, away from zero
        {1.125, "0.00", "1,13"},          // exact tie, away from zero
        {2.675, "0.00", "2,67"},          // stored as 2,67499...: no tie
        {-0.125, "0.00", "-0,13"},
        {10.5, "0.00", "10,50"},
        {0.0, "0.00", "0,00"},
        {-0.001, "0.00", "0,00"},         // a value that rounds to zero has no sign
        {3.14159265, "0.0000", "3,1416"},
        {2.0, "0.00000", "2,00000"},
        {1234567.891, "###,###,##0.0000", "1.234.567,8910"},
        {0.5, "###,###,##0.0000", "0,5000"},
        {-1234.5, "###,###,##0.##", "-1.234,5"},
        {1000000.0, "###,###,##0", "1.000.000"},
        {123.0, "###,###,##0", "123"},
        {1234.5, "0.##", "1234,5"},
        {3.0, "0.##", "3"},
        {3.14159, "0.##", "3,14"},
        {1234.567, "###0.##", "1234,57"},
        {0.004, "###0.##", "0"},
        {5.25, "00.0", "05,3"},           // exact tie at one decimal
        {12.34, "00.0", "12,3"},
        {7.0, "##0%", "7%"},
        {100.0, "##0%", "100%"},
        {0.0, "##0%", "0%"},
        {999.9999, "0.000", "1000,000"},  // carry into a new digit
        {0.5, "0", "1"},
        {2.5, "0", "3"},
        {1e20, "0.00", "100000000000000000000,00"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(formatarNumero(c.valor, QString::fromLatin1(c.padrao)), QString::fromUtf8(c.esperado))
            << c.valor << " com " << c.padrao;
}

TEST(Formato, MetadeParaParSoMudaOsEmpatesVerdadeiros) {
    const CasoPadrao casos[] = {
        {2.5, "0", "2"},    {3.5, "0", "4"},       {0.125, "0.00", "0,12"},
        {0.375, "0.00", "0,38"}, {2.675, "0.00", "2,67"}, {-2.5, "0", "-2"},
        {2.51, "0", "3"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(formatarNumero(c.valor, QString::fromLatin1(c.padrao), Arredondamento::MetadeParaPar),
                  QString::fromUtf8(c.esperado))
            << c.valor << " com " << c.padrao;
    EXPECT_EQ(arredondarParaPar(2.5), 2);
    EXPECT_EQ(arredondarParaPar(3.5), 4);
    EXPECT_EQ(arredondarParaPar(-2.5), -2);
    EXPECT_EQ(arredondarParaPar(2.4999), 2);
    EXPECT_EQ(arredondarParaPar(27.3972), 27);
}

TEST(Formato, FormaGeralComQuinzeAlgarismosEExpoenteForaDaFaixa) {
    const std::pair<double, const char*> casos[] = {
        {0.0, "0"},
        {1.0, "1"},
        {100.0, "100"},
        {0.1, "0,1"},
        {-2.5, "-2,5"},
        {1234.5, "1234,5"},
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {0.0001, "0,0001"},
        {0.00012345, "0,00012345"},
        {1e-5, "1E-5"},
        {1.5e-5, "1,5E-5"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E15"},
        {123456789012345678.0, "1,23456789012346E17"},
        {8.029999999999999, "8,03"},
        {12.34, "12,34"},
        {-0.05, "-0,05"},
        {100.5, "100,5"},
        {1234567.89, "1234567,89"},
        {0.1 + 0.2, "0,3"},               // 0,30000000000000004 at 15 digits
        {2.675, "2,675"},
        {0.07, "0,07"},
        {99999999999.99, "99999999999,99"},
    };
    for (const auto& [valor, esperado] : casos)
        EXPECT_EQ(formatarGeral(valor), QString::fromLatin1(esperado)) << valor;
}

TEST(Formato, VazoesAbaixoDeUmComTresAlgarismosSignificativos) {
    struct Caso {
        double valor;
        const char* padrao;
        const char* esperado;
    };
    const Caso casos[] = {
        {12.345, "0.00", "12,35"},      // from 1 up, the picture as it is
        {1.0, "0.00", "1,00"},
        {0.137, "0.00", "0,137"},
        {0.0137, "0.00", "0,0137"},
        {0.00137, "0.00", "0,00137"},
        {0.13, "0.00", "0,130"},        // fixed decimals stay fixed
        {0.13, "0.##", "0,13"},         // optional ones optional
        {0.0137, "###0.##", "0,0137"},
        {0.5, "0.0000", "0,5000"},      // never fewer decimals than the picture
        {0.00001234, "0.00", "0,000012"}, // at most six
        {0.0000001, "0.00", "0,000000"},
        {-0.0762, "0.00", "-0,0762"},
        {0.9996, "0.00", "1,000"},      // rounds up to the next power of ten
        {0.0, "0.00", "0,00"},
        {0.25, "##0%", "0,250%"},     // suffixes kept
    };
    for (const Caso& c : casos)
        EXPECT_EQ(formatarVazao(c.valor, QString::fromLatin1(c.padrao)), QString::fromLatin1(c.esperado))
            << c.valor << " com " << c.padrao;
}

TEST(Formato, TodosOsDigitosLeemDeVoltaOMesmoDouble) {
    const std::pair<double, const char*> casos[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {0.1, "0,1"},
        {17.236288122948345, "17,236288122948345"},
        {0.1 + 0.2, "0,30000000000000004"},
        {1.2e-7, "0,00000012"},
        {123456789012345678.0, "123456789012345680"},
        {-2.5, "-2,5"},
    };
    for (const auto& [valor, esperado] : casos) {
        EXPECT_EQ(formatarCompleto(valor), QString::fromLatin1(esperado)) << valor;
        EXPECT_EQ(lerReal(formatarCompleto(valor)), valor);
    }
    EXPECT_EQ(formatarVazao(0.0137, u"0.00", Digitos::Todos), QStringLiteral("0,0137"));
    EXPECT_EQ(formatarVazao(2.0 / 3.0, u"0.00", Digitos::Exibicao), QStringLiteral("0,667"));
}

TEST(Formato, LeNumerosComVirgulaDecimal) {
    const std::pair<const char*, double> casos[] = {
        {"1,5", 1.5},       {" -2,25 ", -2.25}, {"10", 10.0},     {",5", 0.5},
        {"+3", 3.0},        {"1,5E-3", 0.0015}, {"2e2", 200.0},   {"0", 0.0},
        {"123,456", 123.456},
    };
    for (const auto& [texto, esperado] : casos)
        EXPECT_DOUBLE_EQ(lerReal(QString::fromLatin1(texto)), esperado) << texto;
}

TEST(Formato, RecusaTextosQueNaoSaoNumeros) {
    for (const char* texto : {"1.5", "", "  ", "abc", "1,2,3", "1e", "--1", "1 2", "NaN", ",", "1,5x"})
        EXPECT_THROW(lerReal(QString::fromLatin1(texto)), ErroConversao) << texto;
    try {
        lerReal(u"1.5");
        FAIL();
    } catch (const ErroConversao& e) {
        EXPECT_EQ(e.mensagem(), QStringLiteral("'1.5' não é um valor de ponto flutuante válido"));
    }
}

TEST(Formato, Inteiros) {
    EXPECT_EQ(lerInteiro(u"42"), 42);
    EXPECT_EQ(lerInteiro(u" -7 "), -7);
    EXPECT_EQ(lerInteiro(u"12345678"), 12345678);
    for (const char* texto : {"4,2", "", "x", "1e3", "- 1"})
        EXPECT_THROW(lerInteiro(QString::fromLatin1(texto)), ErroConversao) << texto;
    try {
        lerInteiro(u"abc");
        FAIL();
    } catch (const ErroConversao& e) {
        EXPECT_EQ(e.mensagem(), QStringLiteral("'abc' não é um valor inteiro válido"));
    }
}

TEST(Formato, DatasDiaMesAno) {
    EXPECT_EQ(formatarData(QDate(1990, 3, 5)), u"05/03/1990");
    EXPECT_EQ(formatarDataHora(QDateTime(QDate(2001, 12, 31), QTime(14, 30, 5))),
              u"31/12/2001 14:30:05");
    EXPECT_EQ(lerData(u"05/03/1990"), QDate(1990, 3, 5));
    EXPECT_EQ(lerData(u"5/3/1990"), QDate(1990, 3, 5));
    for (const char* texto : {"31/02/1990", "1990-03-05", "05/03/90", ""})
        EXPECT_THROW(lerData(QString::fromLatin1(texto)), ErroConversao) << texto;
}

TEST(Formato, NomesDosMeses) {
    EXPECT_EQ(nomeMes(1), u"Janeiro");
    EXPECT_EQ(nomeMes(3), QStringLiteral("Março"));
    EXPECT_EQ(nomeMes(12), u"Dezembro");
    EXPECT_EQ(nomeMes(0), u"?");
    EXPECT_EQ(nomeMes(13), u"?");
    EXPECT_EQ(rotuloMes(QDate(1995, 3, 1)), QStringLiteral("Março/1995"));
}

// A Brazilian desktop sets LC_NUMERIC to a decimal comma, and Qt applies the environment's locale
// at start: the texts must not change with it.
TEST(Formato, NaoDependeDaLocalidadeDaBibliotecaC) {
    const std::string anterior = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "pt_BR.UTF-8"))
        GTEST_SKIP() << "localidade pt_BR.UTF-8 ausente (scripts/setup a gera)";
    const CasoPadrao casos[] = {
        {6.5, "###0.##", "6,5"}, {0.0, "###0.##", "0"},      {0.0, "00.0%", "00,0%"},
        {0.125, "0.00", "0,13"}, {1234.5, "###,###,##0.00", "1.234,50"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(formatarNumero(c.valor, QString::fromLatin1(c.padrao)), QString::fromUtf8(c.esperado))
            << c.valor << " com " << c.padrao;
    EXPECT_EQ(formatarGeral(0.1 + 0.2), u"0,3");
    EXPECT_EQ(formatarGeral(1.0 / 3.0), u"0,333333333333333");
    EXPECT_DOUBLE_EQ(lerReal(u"1234,5"), 1234.5);
    EXPECT_THROW(lerReal(u"1.5"), ErroConversao);
    std::setlocale(LC_ALL, anterior.c_str());
}

} // namespace
