// A series typed in by hand: the new empty series, the data-entry check, the years added or
// removed at either end with the 300-year limit, the emptied month and the questions asked.
#include "construtor.h"

#include "core/bancada.h"
#include "core/entradadados.h"
#include "core/erros.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;
using corvel::teste::serieMensal;

namespace {

QString mensagemDe(const std::function<void()>& f) {
    try {
        f();
    } catch (const Erro& e) {
        return e.mensagem();
    }
    return QStringLiteral("(sem erro)");
}

// A series of whole years, numbered 1, 2, 3 ... in date order, every day with a value.
SerieTabela anos(int de, int ate, qint32 estacao = 12345678) {
    return serieMensal(QDate(de, 1, 1), QDate(ate, 12, 1), teste::diaPadrao, false, estacao);
}

TEST(NovaSerie, De1990a1992Tem36MesesInexistentesNumeradosEmOrdem) {
    const auto periodo = lerPeriodoNovaSerie(u"4321", u"1990", u"1992");
    ASSERT_TRUE(periodo);
    const SerieTabela s = criarSerieVazia(*periodo, 1);
    ASSERT_TRUE(s.ativa());
    ASSERT_EQ(s.tamanho(), 36);
    for (qsizetype i = 0; i < 36; ++i) {
        const RegistroMensal& r = s[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(r.registroId, static_cast<double>(i + 1));
        EXPECT_EQ(r.data, QDate(1990 + static_cast<int>(i) / 12, static_cast<int>(i) % 12 + 1, 1));
        EXPECT_EQ(r.estacaoCodigo, 4321);
        EXPECT_EQ(r.vazao01Status, kSemDados);
        EXPECT_EQ(r.vazao02Status, 1);
        EXPECT_EQ(r.vazao03Status, 0);
        EXPECT_EQ(r.nivelConsistencia, 1);
        EXPECT_EQ(r.media(), 100.0);
        EXPECT_EQ(r.situacao(false), QStringLiteral("Inexistente"));
        EXPECT_EQ(r.validos(), 0);
    }
}

TEST(NovaSerie, CamposDoDialogo) {
    struct Caso {
        const char16_t *codigo, *de, *ate;
        const char* mensagem; // nullptr: accepted; "" : nothing happens
    };
    const Caso casos[] = {
        {u"", u"1990", u"1992", ""},
        {u"4321", u"", u"1992", ""},
        {u"4321", u"1990", u" ", ""},
        {u"4321", u"1990", u"1990", kMsgPeriodoTempoInvalido},
        {u"4321", u"1992", u"1990", kMsgPeriodoTempoInvalido},
        {u"4321", u"0", u"5", kMsgPeriodoTempoInvalido},
        {u"4321", u"1700", u"1999", nullptr}, // 300 years, 3600 months
        {u"4321", u"1700", u"2000", kMsgSerieMaior300Anos},
        {u"4321", u"1990", u"19920", kMsgSerieMaior300Anos},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(QStringView(c.ate).toString().toStdString());
        if (c.mensagem && *c.mensagem == 0) {
            EXPECT_FALSE(lerPeriodoNovaSerie(c.codigo, c.de, c.ate));
        } else if (c.mensagem) {
            EXPECT_EQ(mensagemDe([&] { lerPeriodoNovaSerie(c.codigo, c.de, c.ate); }),
                      QString::fromUtf8(c.mensagem));
        } else {
            EXPECT_TRUE(lerPeriodoNovaSerie(c.codigo, c.de, c.ate));
        }
    }
}

TEST(NovaSerie, CodigoDaEstacaoCortadoEmOitoDigitos) {
    EXPECT_EQ(limitarCodigoEstacao(QStringLiteral("123456789")).texto, u"12345678");
    EXPECT_TRUE(limitarCodigoEstacao(QStringLiteral("123456789")).cortado);
    EXPECT_EQ(limitarCodigoEstacao(QStringLiteral("12345678")).texto, u"12345678");
    EXPECT_FALSE(limitarCodigoEstacao(QStringLiteral("12345678")).cortado);
    EXPECT_EQ(QString::fromUtf8(kMsgCodigoEstacaoGrande),
              u"Número identificador da estação muito grande. Use um número menor.");
}

TEST(NovaSerie, BancadaAssumeASerieSemArquivoComInicioEmJaneiro) {
    Bancada b;
    b.arquivoProjeto = QStringLiteral("/tmp/velho.cvl");
    b.inicioAnoHidrologico = 9;
    b.mesesDescartados = true;
    b.criarSerieVazia({77, 2000, 2001});
    EXPECT_EQ(b.serie.tamanho(), 24);
    EXPECT_TRUE(b.arquivoProjeto.isEmpty());
    EXPECT_EQ(b.inicioAnoHidrologico, 1);
    EXPECT_FALSE(b.mesesDescartados);
    EXPECT_EQ(b.nomeProposto(), u"77.cvl");
}

// ---- the data-entry check

TEST(AntesDeSalvar, ValorDigitadoNoDia12DeMesInexistenteConsideraOMes) {
    SerieTabela s = criarSerieVazia({1, 1990, 1991}, 2);
    RegistroMensal& r = s[4]; // May 1990
    r.vazao[11] = 12.5;
    antesDeSalvar(r);
    EXPECT_EQ(r.vazao01Status, kConsiderado);
    EXPECT_EQ(r.situacao(false), QStringLiteral("Com falhas"));
    EXPECT_EQ(r.porcentagemFalhas(), 96); // 30 of 31 days missing
    EXPECT_EQ(r.vazao[11], 12.5);
}

TEST(AntesDeSalvar, DiasAlemDoFimDoMesSaoApagados) {
    SerieTabela s = criarSerieVazia({1, 1991, 1992}, 2);
    RegistroMensal& fevereiro = s[1]; // February 1991, 28 days
    fevereiro.vazao[29] = 3.0;        // day 30
    antesDeSalvar(fevereiro);
    EXPECT_FALSE(fevereiro.vazao[29]);
    // Day 30 never counted: the month still has no valid day.
    EXPECT_EQ(fevereiro.vazao01Status, kSemDados);

    RegistroMensal& abril = s[3];
    for (int d = 0; d < kDiasRegistro; ++d)
        abril.vazao[static_cast<std::size_t>(d)] = d;
    antesDeSalvar(abril);
    EXPECT_FALSE(abril.vazao[30]);
    EXPECT_EQ(abril.vazao[29], 29.0);
    EXPECT_EQ(abril.vazao[0], 0.0); // a zero flow is a valid day
    EXPECT_EQ(abril.situacao(false), QStringLiteral("Completo"));
}

TEST(AntesDeSalvar, MesDescartadoReescritoVoltaASerConsiderado) {
    SerieTabela s = anos(1990, 1990);
    s[0].vazao01Status = kDescartado;
    antesDeSalvar(s[0]);
    EXPECT_EQ(s[0].vazao01Status, kConsiderado);
    s[1].vazao.fill(std::nullopt);
    antesDeSalvar(s[1]);
    EXPECT_EQ(s[1].vazao01Status, kSemDados);
}

TEST(AntesDeSalvar, SoEmModoDeEntradaDeDados) {
    Bancada b;
    b.criarSerieVazia({1, 1990, 1991});
    b.serie[0].vazao[11] = 4.0;
    b.modoEntrada = false;
    b.gravarRegistro(0);
    // The main grid keeps the code of a month typed into.
    EXPECT_EQ(b.serie[0].vazao01Status, kSemDados);
    b.modoEntrada = true;
    b.gravarRegistro(0);
    EXPECT_EQ(b.serie[0].vazao01Status, kConsiderado);
}

TEST(ApagarMes, MesApagadoFicaInexistenteCom100PorCento) {
    SerieTabela s = anos(1990, 1990);
    apagarDadosDoMes(s[2]);
    EXPECT_EQ(s[2].situacao(false), QStringLiteral("Inexistente"));
    EXPECT_EQ(s[2].porcentagemFalhas(), 100);
    EXPECT_EQ(s[2].media(), 100.0);
    for (const auto& v : s[2].vazao)
        EXPECT_FALSE(v);
    EXPECT_EQ(perguntaApagarMes(s[2]),
              QStringLiteral(" Deseja excluir os dados de vazão do mês: \"Março/1990\"? "));
}

// ---- years after the end

TEST(AcrescentarAnos, De2000Ate2003Acrescenta36MesesNumeradosDepoisDoMaior) {
    SerieTabela s = anos(1991, 2000, 555); // 120 months numbered 1 ... 120
    s.indiceID();
    std::vector<qsizetype> progresso;
    EXPECT_EQ(acrescentarAnos(s, 2003, 9, 1,
                              [&](qsizetype feitos, qsizetype total) {
                                  EXPECT_EQ(total, 36);
                                  progresso.push_back(feitos);
                              }),
              36);
    EXPECT_EQ(progresso.size(), 36u);
    EXPECT_EQ(progresso.back(), 36);
    ASSERT_EQ(s.tamanho(), 156);
    EXPECT_EQ(s.ordem(), Ordem::Data);
    for (qsizetype i = 120; i < 156; ++i) {
        const RegistroMensal& r = s[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(r.data, QDate(2001, 1, 1).addMonths(static_cast<int>(i - 120)));
        EXPECT_EQ(r.registroId, static_cast<double>(i + 1));
        EXPECT_EQ(r.estacaoCodigo, 555);
        EXPECT_EQ(r.vazao01Status, kSemDados);
        EXPECT_EQ(r.vazao02Status, 9);
        EXPECT_EQ(r.nivelConsistencia, 1);
        EXPECT_EQ(r.situacao(false), QStringLiteral("Inexistente"));
    }
}

TEST(AcrescentarAnos, RecusasELimiteDe300Anos) {
    SerieTabela s = anos(1991, 2000);
    EXPECT_EQ(acrescentarAnos(s, 2000, 1, 2), 0);
    EXPECT_EQ(mensagemDe([&] { acrescentarAnos(s, 1999, 1, 2); }),
              u"Para esta função use apenas anos posteriores ao fim da série");

    // 3580 months: three more years would make 3616.
    SerieTabela longa = serieMensal(QDate(1700, 1, 1), QDate(1998, 4, 1));
    ASSERT_EQ(longa.tamanho(), 3580);
    EXPECT_EQ(mensagemDe([&] { acrescentarAnos(longa, 2001, 1, 2); }),
              u"Série maior que 300 anos.");
    EXPECT_EQ(longa.tamanho(), 3580);
    // Up to 3600 months is allowed: 3580 + 12 months of 1999.
    EXPECT_EQ(acrescentarAnos(longa, 1999, 1, 2), 12);
}

// ---- years before the start

TEST(InserirAnos, AntesDe1990NumeradosDoMenorMaisUmComRegra50NoPrimeiro) {
    SerieTabela s = anos(1990, 1992, 31);
    EXPECT_EQ(inserirAnos(s, 1988, 5, 2), 24);
    ASSERT_EQ(s.tamanho(), 60);
    EXPECT_EQ(s.ordem(), Ordem::Data);
    for (qsizetype i = 0; i < 24; ++i) {
        const RegistroMensal& r = s[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(r.data, QDate(1988, 1, 1).addMonths(static_cast<int>(i)));
        EXPECT_EQ(r.registroId, static_cast<double>(i + 2)); // from 1 + 1 upward
        EXPECT_EQ(r.estacaoCodigo, 31);
        EXPECT_EQ(r.vazao01Status, kSemDados);
        EXPECT_EQ(r.vazao02Status, 5);
        EXPECT_EQ(r.vazao03Status, i == 0 ? 50 : 0);
    }
    EXPECT_EQ(s[24].data, QDate(1990, 1, 1));
    EXPECT_EQ(s[24].registroId, 1.0);
}

TEST(InserirAnos, RecusasELimiteDe300AnosTambemNaInsercao) {
    SerieTabela s = anos(1990, 1992);
    EXPECT_EQ(inserirAnos(s, 1990, 1, 2), 0);
    EXPECT_EQ(mensagemDe([&] { inserirAnos(s, 1991, 1, 2); }),
              u"Para esta função use apenas anos anteriores ao início da série");
    // A mistyped year (19 for 1990) would make 23 652 empty months.
    EXPECT_EQ(mensagemDe([&] { inserirAnos(s, 19, 1, 2); }), u"Série maior que 300 anos.");
    EXPECT_EQ(mensagemDe([&] { inserirAnos(s, 0, 1, 2); }), u"Série maior que 300 anos.");
    EXPECT_EQ(s.tamanho(), 36);
    // 36 + 297 years = 3600 months: still allowed; one year more is not.
    EXPECT_EQ(mensagemDe([&] { inserirAnos(s, 1692, 1, 2); }), u"Série maior que 300 anos.");
    EXPECT_EQ(inserirAnos(s, 1693, 1, 2), 3564);
    EXPECT_EQ(s.tamanho(), 3600);
}

TEST(Periodo, SerieVaziaNaoTemAnosParaEstender) {
    SerieTabela s;
    s.esvaziar();
    EXPECT_EQ(mensagemDe([&] { acrescentarAnos(s, 2000, 1, 2); }),
              QString::fromUtf8(kMsgSerieVaziaSemPeriodo));
    EXPECT_EQ(mensagemDe([&] { inserirAnos(s, 2000, 1, 2); }),
              QString::fromUtf8(kMsgSerieVaziaSemPeriodo));
}

// ---- deleting years

TEST(ExcluirAnos, DoFimEDoInicio) {
    SerieTabela s = anos(1990, 1992);
    EXPECT_EQ(excluirAnosDoFim(s, 1992), 12);
    ASSERT_EQ(s.tamanho(), 24);
    EXPECT_EQ(s[23].data, QDate(1991, 12, 1));
    EXPECT_EQ(excluirAnosDoInicio(s, 1990), 12);
    ASSERT_EQ(s.tamanho(), 12);
    EXPECT_EQ(s[0].data, QDate(1991, 1, 1));
    EXPECT_EQ(excluirAnosDoInicio(s, 1985), 0);
    EXPECT_EQ(excluirAnosDoFim(s, 1995), 0);
}

TEST(ExcluirAnos, DoFimAntesDoPrimeiroAnoEsvaziaESalvaASerieVazia) {
    QTemporaryDir pasta;
    Bancada b;
    b.serie = anos(1990, 1992);
    b.serie.abrir();
    b.arquivoProjeto = pasta.filePath(QStringLiteral("vazia.cvl"));
    std::vector<qsizetype> progresso;
    EXPECT_EQ(excluirAnosDoFim(b.serie, 1980,
                               [&](qsizetype feitos, qsizetype total) {
                                   EXPECT_EQ(total, 36);
                                   progresso.push_back(feitos);
                               }),
              36);
    EXPECT_EQ(progresso.size(), 36u);
    EXPECT_TRUE(b.serie.vazia());
    EXPECT_EQ(b.salvar(), Bancada::Salvamento::Salvo);
    EXPECT_TRUE(b.serie.ativa());
    EXPECT_TRUE(b.serie.vazia());
    EXPECT_TRUE(lerProjeto(b.arquivoProjeto).vazia());
}

// ---- texts

TEST(Periodo, PerguntasETitulosDoDialogoDoAno) {
    EXPECT_EQ(perguntaExcluirFim(1995),
              QStringLiteral(" Todo os anos, desde o ano de 1995 até o ano final, serã excluídos. "
                             "Após esta operação não mais será possível recuperar estes dados.\n"
                             "Deseja excluí-los?"));
    EXPECT_EQ(perguntaExcluirInicio(1995),
              QStringLiteral(" Todo os anos, desde o ano inicial até o ano 1995  serão excluídos. "
                             "Deseja excluí-los?"));
    struct Caso {
        ComandoPeriodo comando;
        const char16_t *titulo, *rotulo;
    };
    const Caso casos[] = {
        {ComandoPeriodo::InserirAntes, u"Ano Inicial",
         u"Digite o ano inicial do período a ser acrescentado a série:"},
        {ComandoPeriodo::AcrescentarDepois, u"Ano final",
         u"Digite o ano final do período a ser acrescentado a série:"},
        {ComandoPeriodo::ExcluirInicio, u"Ano Final",
         u"Digite o ano final do  período a ser excluído."},
        {ComandoPeriodo::ExcluirFim, u"Ano inicial",
         u"Digite o ano de ínicio do  período a ser excluído."},
    };
    for (const Caso& c : casos) {
        const PedidoAno p = pedidoAno(c.comando);
        EXPECT_EQ(p.titulo, QStringView(c.titulo));
        EXPECT_EQ(p.rotulo, QStringView(c.rotulo));
    }
}

TEST(Periodo, DialogoDoAnoAceitaSoDigitosEApagar) {
    for (QChar c : QStringLiteral("0123456789\b"))
        EXPECT_TRUE(teclaDoAno(c)) << int(c.unicode());
    for (QChar c : QStringLiteral("-,. a"))
        EXPECT_FALSE(teclaDoAno(c)) << int(c.unicode());
}

} // namespace
