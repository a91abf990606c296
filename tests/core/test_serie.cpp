// The series table: day counts, failure percentage, situation texts, orderings, the insertion flag,
// month completion and mark all considered.
#include "construtor.h"

#include "core/erros.h"
#include "core/serie.h"

#include <gtest/gtest.h>
#include <limits>

using namespace corvel;
using corvel::teste::serieMensal;

namespace {

RegistroMensal mesCom(QDate mes, std::initializer_list<int> falhas, int ultimoDia = 31,
                      double valor = 5.0) {
    RegistroMensal r;
    r.data = mes;
    for (int d = 1; d <= ultimoDia; ++d)
        r.vazao[static_cast<std::size_t>(d - 1)] = valor;
    for (int d : falhas)
        r.vazao[static_cast<std::size_t>(d - 1)].reset();
    return r;
}

TEST(RegistroMensal, ContaDiasValidosEFalhasSoDentroDoMes) {
    struct Caso {
        const char* descricao;
        RegistroMensal r;
        int nDias, validos, nullos, porcentagem;
    };
    const Caso casos[] = {
        {"fevereiro bissexto com 31 valores", mesCom(QDate(1992, 2, 1), {}), 29, 29, 0, 0},
        {"fevereiro comum com 31 valores", mesCom(QDate(1991, 2, 1), {}), 28, 28, 0, 0},
        {"fevereiro comum sem os dias 29 a 31", mesCom(QDate(1991, 2, 1), {}, 28), 28, 28, 0, 0},
        {"abril com valor no dia 31", mesCom(QDate(1990, 4, 1), {}), 30, 30, 0, 0},
        {"janeiro com o dia 13 faltando", mesCom(QDate(1990, 1, 1), {13}), 31, 30, 1, 3},
        {"fevereiro bissexto sem o dia 29", mesCom(QDate(1992, 2, 1), {29}), 29, 28, 1, 3},
        {"fevereiro comum com uma falha", mesCom(QDate(1991, 2, 1), {1}), 28, 27, 1, 3},
        {"vazão zero é dia válido", mesCom(QDate(1990, 3, 1), {}, 31, 0.0), 31, 31, 0, 0},
        {"vazão negativa é dia válido", mesCom(QDate(1990, 3, 1), {}, 31, -1.0), 31, 31, 0, 0},
        {"metade de junho faltando",
         mesCom(QDate(1990, 6, 1), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}), 30, 15, 15,
         50},
        {"mês sem nenhum valor", mesCom(QDate(1990, 1, 1), {}, 0), 31, 0, 31, 100},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.descricao);
        EXPECT_EQ(c.r.nDias(), c.nDias);
        EXPECT_EQ(c.r.validos(), c.validos);
        EXPECT_EQ(c.r.nullos(), c.nullos);
        EXPECT_EQ(c.r.porcentagemFalhas(), c.porcentagem);
        EXPECT_EQ(c.r.media(), c.porcentagem);
    }
}

TEST(RegistroMensal, TextoDaSituacao) {
    struct Caso {
        qint16 codigo;
        bool mesesDescartados;
        std::initializer_list<int> falhas;
        const char* esperado;
    };
    const Caso casos[] = {
        {kSemDados, false, {}, "Inexistente"},     {kSemDados, true, {}, "Inexistente"},
        {kDescartado, false, {}, "Descartado"},    {kConsiderado, false, {}, "Completo"},
        {kConsiderado, false, {13}, "Com falhas"}, {kConsiderado, true, {13}, "Considerado"},
        {kConsiderado, true, {}, "Considerado"},   {5, false, {}, ""},
    };
    for (const Caso& c : casos) {
        RegistroMensal r = mesCom(QDate(1990, 1, 1), c.falhas);
        r.vazao01Status = c.codigo;
        EXPECT_EQ(r.situacao(c.mesesDescartados), QString::fromUtf8(c.esperado))
            << c.codigo << " " << c.mesesDescartados;
    }
    // A month without any value that an import brought in is considered, with failures.
    RegistroMensal vazio = mesCom(QDate(1990, 1, 1), {}, 0);
    EXPECT_EQ(vazio.situacao(false), u"Com falhas");
}

TEST(RegistroMensal, ValorDigitadoEmMesInexistenteMudaAContagemMasNaoOCodigo) {
    RegistroMensal r = mesCom(QDate(1990, 1, 1), {}, 0);
    r.vazao01Status = kSemDados;
    r.vazao[0] = 12.5;
    EXPECT_EQ(r.validos(), 1);
    EXPECT_EQ(r.media(), 96.0);
    EXPECT_EQ(r.situacao(false), u"Inexistente");
}

// A typed value is the user's: its day becomes "digitado"; the same value typed again keeps what
// the agency said of the day; an erased value leaves nothing known of it.
TEST(RegistroMensal, ValorDigitadoMarcaODia) {
    RegistroMensal r;
    r.data = QDate(1990, 3, 1);
    r.vazao[4] = 2.5;
    r.sinal[4] = SinalDia::Estimado;
    digitarDia(r, 4, 2.5);
    EXPECT_EQ(r.sinal[4], SinalDia::Estimado);
    digitarDia(r, 4, 2.75);
    EXPECT_EQ(r.vazao[4], 2.75);
    EXPECT_EQ(r.sinal[4], SinalDia::Digitado);
    EXPECT_EQ(r.sinalizacoes(4), kSinalDigitado);
    digitarDia(r, 4, std::nullopt);
    EXPECT_FALSE(r.vazao[4]);
    EXPECT_EQ(r.sinal[4], SinalDia::Desconhecido);
    r.nivelConsistencia = 1;
    digitarDia(r, 5, 0.0);
    EXPECT_EQ(r.sinalizacoes(5), kSinalDigitado | kSinalBruto);
}

TEST(RegistroMensal, CamposDerivadosDaData) {
    const std::tuple<QDate, int, const char*> casos[] = {
        {QDate(1990, 1, 1), 19901, "Janeiro/1990"},  {QDate(1990, 12, 1), 199012, "Dezembro/1990"},
        {QDate(2005, 9, 1), 20059, "Setembro/2005"}, {QDate(2005, 10, 1), 200510, "Outubro/2005"},
        {QDate(1995, 3, 1), 19953, "Março/1995"},
    };
    for (const auto& [data, controle, mes] : casos) {
        RegistroMensal r;
        r.data = data;
        EXPECT_EQ(r.controle(), controle);
        EXPECT_EQ(r.mes(), QString::fromUtf8(mes));
        EXPECT_EQ(r.ano(), data.year());
    }
    RegistroMensal r;
    r.data = QDate(2000, 2, 1);
    EXPECT_TRUE(r.bissexto());
    r.data = QDate(1900, 2, 1);
    EXPECT_FALSE(r.bissexto());
}

TEST(SerieTabela, DuasOrdensEstaveis) {
    SerieTabela s;
    s.esvaziar();
    const std::tuple<double, QDate> registros[] = {{3, QDate(1990, 3, 1)},
                                                   {1, QDate(1990, 2, 1)},
                                                   {2, QDate(1990, 1, 1)},
                                                   {1, QDate(1990, 4, 1)}};
    for (const auto& [id, data] : registros) {
        RegistroMensal r;
        r.registroId = id;
        r.data = data;
        s.acrescentarProgramatico(r);
    }
    s.indice();
    std::vector<int> meses;
    for (qsizetype i = 0; i < s.tamanho(); ++i)
        meses.push_back(s[i].data.month());
    EXPECT_EQ(meses, (std::vector<int>{1, 2, 3, 4}));
    s.indiceID();
    meses.clear();
    for (qsizetype i = 0; i < s.tamanho(); ++i)
        meses.push_back(s[i].data.month());
    EXPECT_EQ(meses, (std::vector<int>{2, 4, 1, 3})); // equal ids keep the order of appending
    EXPECT_EQ(s.armazenados()[0].data.month(), 3);    // stored order is the order of appending
}

TEST(SerieTabela, FlagDeInsercaoCancelaONovoRegistro) {
    SerieTabela s;
    s.esvaziar();
    EXPECT_TRUE(s.insercao()); // on at program start
    RegistroMensal r;
    r.data = QDate(1990, 1, 1);
    s.acrescentarProgramatico(r);
    EXPECT_FALSE(s.insercao()); // turned off after each programmatic append
    r.data = QDate(1990, 2, 1);
    EXPECT_FALSE(s.acrescentar(r));
    EXPECT_EQ(s.tamanho(), 1);
    s.definirInsercao(true);
    EXPECT_TRUE(s.acrescentar(r));
    EXPECT_EQ(s.tamanho(), 2);
}

struct MesAdicionado {
    QDate data;
    double registroId;
};

void verificarCompletacao(const SerieTabela& s, const std::vector<MesAdicionado>& adicionados,
                          int inicioAno) {
    for (const auto& a : adicionados) {
        const qsizetype i = s.localizar(a.data);
        ASSERT_GE(i, 0) << a.data.toString().toStdString();
        const RegistroMensal& r = s[i];
        EXPECT_EQ(r.registroId, a.registroId) << r.mes().toStdString();
        EXPECT_EQ(r.vazao01Status, kSemDados);
        EXPECT_EQ(r.vazao02Status, inicioAno);
        EXPECT_EQ(r.vazao03Status, 0);
        EXPECT_EQ(r.media(), 100.0);
        EXPECT_EQ(r.nivelConsistencia, 1);
        EXPECT_EQ(r.estacaoCodigo, 12345678);
        EXPECT_EQ(r.situacao(false), u"Inexistente");
    }
}

TEST(CompletaFalha, CompletaAnosCivisInteirosNumerandoAposOReferencia) {
    // March 1990 to May 1992 without August 1991.
    SerieTabela s = serieMensal(QDate(1990, 3, 1), QDate(1992, 5, 1));
    s.indice();
    s.remover(s.localizar(QDate(1991, 8, 1)));
    s.armazenados().back().registroId = 120; // May 1992, the last record read
    const qsizetype fonte = s.tamanho();

    completaFalha(s, 9, 1);

    ASSERT_EQ(s.tamanho(), 36);
    EXPECT_EQ(s.ordem(), Ordem::Data);
    for (qsizetype i = 0; i < s.tamanho(); ++i)
        EXPECT_EQ(s[i].data, QDate(1990, 1, 1).addMonths(static_cast<int>(i)));
    verificarCompletacao(s,
                         {{QDate(1990, 1, 1), 122},
                          {QDate(1990, 2, 1), 123},
                          {QDate(1991, 8, 1), 124},
                          {QDate(1992, 6, 1), 125},
                          {QDate(1992, 12, 1), 131}},
                         9);
    // The file keeps the source months first, then the added ones.
    EXPECT_EQ(s.armazenados()[static_cast<std::size_t>(fonte)].data, QDate(1990, 1, 1));
    // Source months keep their values and codes.
    EXPECT_EQ(s[2].vazao01Status, kConsiderado);
    EXPECT_EQ(s[2].validos(), 31);
    EXPECT_FALSE(s.insercao());
}

TEST(CompletaFalha, MesesListadosDoMaisRecenteParaOMaisAntigoCompletamOPeriodoTodo) {
    SerieTabela s = serieMensal(QDate(1990, 3, 1), QDate(1992, 5, 1), teste::diaPadrao, true);
    // The last record read is March 1990, numbered 27.
    completaFalha(s, 1, 1);
    ASSERT_EQ(s.tamanho(), 36);
    for (qsizetype i = 0; i < s.tamanho(); ++i)
        EXPECT_EQ(s[i].data, QDate(1990, 1, 1).addMonths(static_cast<int>(i)));
    verificarCompletacao(s,
                         {{QDate(1990, 1, 1), 29},
                          {QDate(1990, 2, 1), 30},
                          {QDate(1992, 6, 1), 31},
                          {QDate(1992, 12, 1), 37}},
                         1);
}

TEST(CompletaFalha, SerieVaziaOuCompletaNaoMuda) {
    SerieTabela vazia;
    vazia.esvaziar();
    completaFalha(vazia, 1, 2);
    EXPECT_EQ(vazia.tamanho(), 0);

    SerieTabela completa = serieMensal(QDate(2000, 1, 1), QDate(2001, 12, 1));
    completaFalha(completa, 1, 2);
    EXPECT_EQ(completa.tamanho(), 24);
}

TEST(PorZeroEmDescartar, TodosOsMesesConsideradosEInicioEmJaneiro) {
    SerieTabela s = serieMensal(QDate(1990, 1, 1), QDate(1990, 3, 1));
    s[0].vazao01Status = kDescartado;
    s[0].vazao03Status = 900;
    s[1].vazao01Status = kSemDados;
    s[2].vazao02Status = 9;
    int inicio = 9;
    porZeroEmDescartar(s, inicio);
    EXPECT_EQ(inicio, 1);
    for (qsizetype i = 0; i < s.tamanho(); ++i) {
        EXPECT_EQ(s[i].vazao01Status, kConsiderado);
        EXPECT_EQ(s[i].vazao02Status, 1);
        EXPECT_EQ(s[i].vazao03Status, 0);
    }
    EXPECT_FALSE(s.temDescartados());
}

TEST(SerieTabela, VazaoInfinitaOuIndefinidaNoArquivoERecusada) {
    const SerieTabela s = teste::serieMensal(QDate(1990, 1, 1), QDate(1990, 2, 1));
    const int dia3 = paraTabela(s).campo(u"Vazao03");
    for (const double ruim :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        Tabela t = paraTabela(s);
        t.definir(1, dia3, ruim);
        try {
            deTabela(t);
            ADD_FAILURE() << "aceita " << ruim;
        } catch (const ErroArquivo& e) {
            EXPECT_EQ(e.mensagem(), QStringLiteral("Registro 2 com vazão inválida no dia 3"));
        }
    }
}

} // namespace
