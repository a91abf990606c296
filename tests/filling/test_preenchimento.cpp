// Filling the base station by orders: a reference case worked on paper, negative estimates,
// extending the base before its first record, the undo, the new-filling warning, and what the
// window's tables, export and report show afterwards.
#include "impressao_qt.h"

#include "estacoes.h"

#include "core/erros.h"
#include "core/formato.h"
#include "filling/arquivopreenchimento.h"
#include "filling/preenchimento.h"
#include "filling/tabelaspreenchimento.h"

#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace corvel;
using teste::estacao;
using teste::kVazio;
using teste::seguidos;

namespace {

const QDate k1970(1970, 1, 1);
constexpr double kRelativa = 1e-12; // sums of a dozen small numbers: rounding only

ProjetoPreenchimento projeto(const std::vector<std::vector<double>>& colunas,
                             QDate inicio = k1970) {
    ProjetoPreenchimento p = novoProjetoPreenchimento({1970, 1972});
    int codigo = 100;
    for (const auto& v : colunas)
        adicionarEstacao(
            p, estacao(++codigo, QDate(1969, 1, 1), QDate(1972, 12, 1), seguidos(inicio, v)));
    return p;
}

// Three stations over January to December 1970:
//   base y:    3 5 7 9 11 13 15 17 19 22  -  -
//   column 2:  1 2 3 4  5  6  7  8  9 10 12  -
//   column 3:  2 4 6 8 10 12 14 16 18 20 24 30
// Column 2 against the base over January to October: Σx = 55, Σx² = 385, Σy = 121, Σy² = 1 813,
// Σxy = 835; Sxx = 385 − 302,5 = 82,5, Sxy = 835 − 665,5 = 169,5, Syy = 1 813 − 1 464,1 = 348,9.
// A = 169,5 / 82,5 = 113/55, B = (121 − 113) / 10 = 0,8, R² = 169,5² / (82,5 × 348,9) =
// 28 730,25 / 28 784,25 = 0,99812. Column 3 is twice column 2: A = 113/110, B = 0,8, same R².
// First order with column 2 fills November: 113 × 12 / 55 + 0,8 = 1 400 / 55 = 25,4545...
// Second order with column 3 fills December: 113 × 30 / 110 + 0,8 = 3 478 / 110 = 31,6181...
const std::vector<double> kBase = {3, 5, 7, 9, 11, 13, 15, 17, 19, 22, kVazio, kVazio};
const std::vector<double> kColuna2 = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, kVazio};
const std::vector<double> kColuna3 = {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 24, 30};

TEST(Preenchimento, CasoDeReferenciaEmDuasOrdens) {
    ProjetoPreenchimento p = projeto({kBase, kColuna2, kColuna3});
    MenuPreenchimento menu;
    menu.estacaoAdicionadaOuProjetoAberto();
    EXPECT_TRUE(menu.novo);
    EXPECT_FALSE(pedeAvisoNovoPreenchimento(p, 1));
    auto est = iniciarNovoPreenchimento(p, 1);
    menu.primeiraOrdem();
    EXPECT_TRUE(menu.segunda);
    EXPECT_FALSE(menu.terceira);
    ASSERT_EQ(est.size(), 2u);
    EXPECT_NEAR(*est[0].a, 113.0 / 55, 113.0 / 55 * kRelativa);
    EXPECT_NEAR(*est[0].b, 0.8, kRelativa);
    EXPECT_NEAR(*est[0].r2, 28730.25 / 28784.25, kRelativa);
    EXPECT_EQ(est[0].textoR2(), QStringLiteral("0,9981"));
    EXPECT_EQ(est[0].textoValidacao(), QStringLiteral("Estação aceita"));
    EXPECT_NEAR(*est[1].a, 113.0 / 110, kRelativa);
    EXPECT_EQ(estacoesOferecidas(est, true), (std::vector<std::size_t>{0, 1}));

    const ResultadoPreenchimento r1 = PreencheUmaEstacao(p, est[0]);
    EXPECT_EQ(r1.preenchidos, 1);
    EXPECT_EQ(r1.mensagem(),
              (Mensagem{Gravidade::Informacao, QStringLiteral("1 dado(s) preenchidos.")}));
    EXPECT_EQ(p.estado, kEstadoPreenchido);
    const MesPreenchimento& novembro = p.meses[10];
    EXPECT_NEAR(*novembro.coluna(1), 1400.0 / 55, 1400.0 / 55 * kRelativa);
    EXPECT_TRUE(novembro.preenchido);
    EXPECT_EQ(novembro.baseApoio, 2);
    EXPECT_EQ(p.meses[11].coluna(1), std::nullopt);
    EXPECT_TRUE(est[0].utilizado);
    EXPECT_EQ(est[0].nDadosPreenchidos, 1);
    // Observed months are never changed.
    EXPECT_EQ(p.meses[9].coluna(1), 22.0);
    EXPECT_FALSE(p.meses[9].preenchido);

    // Second order: only column 3 is offered; the statistics are not recomputed.
    EXPECT_EQ(estacoesOferecidas(est, false), (std::vector<std::size_t>{1}));
    menu.segundaOrdem();
    EXPECT_FALSE(menu.segunda);
    EXPECT_TRUE(menu.terceira);
    const ResultadoPreenchimento r2 = PreencheUmaEstacao(p, est[1]);
    EXPECT_EQ(r2.preenchidos, 1);
    EXPECT_NEAR(*p.meses[11].coluna(1), 3478.0 / 110, 3478.0 / 110 * kRelativa);
    EXPECT_EQ(p.meses[11].baseApoio, 3);
    EXPECT_NEAR(*p.meses[10].coluna(1), 1400.0 / 55, 1400.0 / 55 * kRelativa); // not overwritten
    EXPECT_EQ(p.meses[10].baseApoio, 2);
    EXPECT_TRUE(estacoesOferecidas(est, false).empty());
    EXPECT_EQ(mensagemSemEstacao(false),
              (Mensagem{Gravidade::Aviso, QStringLiteral("Nenhum estação disponível")}));
    EXPECT_EQ(mensagemSemEstacao(true),
              (Mensagem{Gravidade::Aviso, QStringLiteral("Nenhuma estação disponível")}));
    menu.terceiraOrdem();
    EXPECT_FALSE(menu.terceira);

    // The window's tables after the filling.
    const GradeDadosMensais g = gradeDadosMensais(p);
    EXPECT_EQ(g.grade.titulos[0], QStringLiteral("Datas"));
    EXPECT_EQ(g.grade.titulos[1], QStringLiteral("101"));
    EXPECT_EQ(g.grade.titulos[4], QStringLiteral("  "));
    EXPECT_EQ(g.grade.linhas[10][0], QStringLiteral("Novembro/1970"));
    EXPECT_EQ(g.grade.linhas[10][1], QStringLiteral("25,45"));
    EXPECT_EQ(g.grade.linhas[11][1], QStringLiteral("31,62"));
    EXPECT_EQ(g.grade.linhas[11][2], QString());
    EXPECT_EQ(g.cores[10],
              (std::vector<CorCelula>{
                  CorCelula::Preenchido, CorCelula::Apoio,  CorCelula::Normal, CorCelula::Normal,
                  CorCelula::Normal,     CorCelula::Normal, CorCelula::Normal, CorCelula::Normal,
                  CorCelula::Normal,     CorCelula::Normal, CorCelula::Normal, CorCelula::Normal,
                  CorCelula::Normal,     CorCelula::Normal, CorCelula::Normal, CorCelula::Normal,
                  CorCelula::Normal,     CorCelula::Normal, CorCelula::Normal, CorCelula::Normal}));
    EXPECT_EQ(g.cores[11][2], CorCelula::Apoio);
    EXPECT_EQ(g.cores[11][1], CorCelula::Normal);
    EXPECT_EQ(g.cores[9][0], CorCelula::Normal);
    EXPECT_TRUE(p.temPreenchimento());

    const GradeTexto s = gradeEstatisticas(est);
    EXPECT_EQ(s.titulos,
              (std::vector<QString>{"Estação", "Dados Comuns", "Validação", "Estação utilizada",
                                    "Nº de dados preenchidos", "Coef. de correlação (R²)",
                                    "Coef. angular (A)", "Coef. Linear (B)", "EQM MQO (m³/s)",
                                    "EQM MOVE.1 (m³/s)", "Método recomendado"}));
    // R², A = 113/55 and B = 0,8 with four decimals; the leave-one-out errors of the ten common
    // months (checked against a refit in the tests of the lines).
    ASSERT_EQ(s.linhas[0].size(), 11u);
    EXPECT_EQ(std::vector<QString>(s.linhas[0].begin(), s.linhas[0].begin() + 8),
              (std::vector<QString>{"102", "10", "Estação aceita", "Sim", "1", "0,9981", "2,0545",
                                    "0,8000"}));
    EXPECT_EQ(s.linhas[0][8], formatarVazao(est[0].vcMqo.grupos[0].eqm, u"0.00"));
    EXPECT_EQ(s.linhas[0][10], nomeMetodo(recomendar(est[0].vcMqo, est[0].vcMove1)->metodo));
    const GradeTexto vc = tabelaValidacaoCruzada(est);
    EXPECT_EQ(vc.linhas[0][0], QStringLiteral("102"));
    EXPECT_EQ(vc.linhas[0][1], QStringLiteral("Todos"));
    EXPECT_EQ(vc.linhas[0][2], QStringLiteral("10"));
    // One line for the year: each month of 1970 holds one of its errors.
    EXPECT_EQ(vc.linhas[1][1], QStringLiteral("Janeiro"));
    EXPECT_EQ(vc.linhas[1][2], QStringLiteral("1"));

    const TabelaExibida csv = tabelaExportacaoPreenchimento(p);
    const std::vector<QString> titulos = rotulos(csv);
    ASSERT_EQ(titulos.size(), 25u);
    EXPECT_EQ(titulos[3], QStringLiteral("Preenchido"));
    EXPECT_EQ(titulos[4], QStringLiteral("101"));
    EXPECT_EQ(titulos[7], QStringLiteral("  "));
    EXPECT_EQ(titulos[24], QStringLiteral("NumEstacoes"));
    const auto linha = textos(csv)[10];
    EXPECT_EQ(linha[0], QStringLiteral("Novembro/1970"));
    EXPECT_EQ(linha[1], QStringLiteral("01/11/1970"));
    EXPECT_EQ(linha[2], QStringLiteral("2"));
    EXPECT_EQ(linha[3], QStringLiteral("Verdadeiro"));
    EXPECT_EQ(linha[4], QStringLiteral("25,4545454545455"));
    EXPECT_EQ(linha[5], QStringLiteral("12"));
    EXPECT_EQ(linha[24], QString());

    const relatorio::Relatorio rel = relatorioPreenchimento(p, QStringLiteral("Maria"));
    EXPECT_EQ(rel.titulo, QStringLiteral("RELATÓRIO"));
    EXPECT_EQ(rel.cabecalho,
              (std::vector<QString>{"Preenchimento mensal", "Técnico responsável: Maria",
                                    "Período: 1970 a 1972"}));
    ASSERT_EQ(rel.colunas.size(), 3u);
    EXPECT_EQ(rel.colunas[0].titulo, QStringLiteral("Data"));
    EXPECT_EQ(rel.colunas[1].titulo, QStringLiteral("101"));
    EXPECT_EQ(rel.colunas[2].titulo, QStringLiteral("Estimado por"));
    EXPECT_EQ(rel.colunasComMoldura, 3);
    ASSERT_EQ(rel.linhas.size(), 36u);
    EXPECT_EQ(rel.linhas[9], (std::vector<QString>{"01/10/1970", "22,00", ""}));
    EXPECT_EQ(rel.linhas[10], (std::vector<QString>{"01/11/1970", "25,45", "102"}));
    EXPECT_EQ(rel.linhas[11], (std::vector<QString>{"01/12/1970", "31,62", "103"}));
    EXPECT_EQ(rel.linhas[20], (std::vector<QString>{"01/09/1971", "", ""}));
    EXPECT_EQ(rel.notas.size(), 1u) << "without the statistics, only the marks' note";
    const relatorio::Relatorio comNotas = relatorioPreenchimento(p, QStringLiteral("Maria"), est);
    ASSERT_EQ(comNotas.notas.size(), 3u);
    EXPECT_EQ(comNotas.notas[0],
              QStringLiteral("2 mês(es) preenchido(s); \"Estimado por\" dá a estação auxiliar de "
                             "cada um."));
    EXPECT_TRUE(comNotas.notas[1].startsWith(
        QStringLiteral("Estação 102: R² = 0,9981; A = 2,0545; B = 0,8000 (mínimos quadrados); 10 "
                       "meses comuns; preenchida por MQO (mínimos quadrados), vazões, uma reta "
                       "para o ano; validação cruzada")))
        << comNotas.notas[1].toStdString();
}

TEST(Preenchimento, ProjetoReabertoRecalculaSemOsValoresPreenchidos) {
    ProjetoPreenchimento p = projeto({kBase, kColuna2, kColuna3});
    auto est = iniciarNovoPreenchimento(p, 1);
    PreencheUmaEstacao(p, est[0]);
    PreencheUmaEstacao(p, est[1]);
    QTemporaryDir pasta;
    gravarProjetoPreenchimento(pasta.filePath(QStringLiteral("p.psv")), p);
    const ProjetoPreenchimento lido =
        lerProjetoPreenchimento(pasta.filePath(QStringLiteral("p.psv")));
    EXPECT_EQ(lido.meses, p.meses);
    EXPECT_TRUE(lido.temPreenchimento());
    // The filled November and December are estimates, not observations: a regression on them
    // would find its own line again. The statistics are those of the first order; no station
    // starts as used.
    const auto novas = CalculosEstatistico(lido);
    EXPECT_EQ(novas[0].dadosComuns, 10);
    EXPECT_EQ(novas[1].dadosComuns, 10);
    EXPECT_EQ(novas[0].a, est[0].a);
    EXPECT_EQ(novas[1].r2, est[1].r2);
    EXPECT_FALSE(novas[0].utilizado);
    EXPECT_FALSE(novas[1].utilizado);
}

TEST(Preenchimento, NovoPreenchimentoDesfazOAnterior) {
    ProjetoPreenchimento p = projeto({kBase, kColuna2, kColuna3});
    auto est = iniciarNovoPreenchimento(p, 1);
    PreencheUmaEstacao(p, est[0]);
    EXPECT_TRUE(existePreenchimento(p));
    // An unsaved filling of the same base: the warning first.
    EXPECT_TRUE(pedeAvisoNovoPreenchimento(p, 1));
    EXPECT_FALSE(pedeAvisoNovoPreenchimento(p, 3));
    EXPECT_EQ(textoAvisoNovoPreenchimento(),
              QStringLiteral("\n1) Para manter este preenchimento, cancele esta operação e salve o "
                             "preenchimento, em seguida, inicie um novo preenchimento;\n2) Não é "
                             "possível utilizar mais de 3 estações no preenchimento de uma mesma "
                             "estação;\n3) Para continuar o novo preenchimento clique em \"OK\""));
    p.estado = kEstadoSalvo;
    EXPECT_FALSE(pedeAvisoNovoPreenchimento(p, 1));

    est = iniciarNovoPreenchimento(p, 1);
    EXPECT_FALSE(existePreenchimento(p));
    EXPECT_EQ(p.meses[10].coluna(1), std::nullopt);
    EXPECT_FALSE(p.meses[10].preenchido);
    EXPECT_FALSE(est[0].utilizado);

    // With column 3 as the base: the stations exchange places first.
    PreencheUmaEstacao(p, est[0]);
    est = iniciarNovoPreenchimento(p, 3);
    EXPECT_EQ(p.titulo(1), QStringLiteral("103"));
    EXPECT_EQ(p.titulo(3), QStringLiteral("101"));
    EXPECT_EQ(p.meses[11].coluna(1), 30.0);
    EXPECT_EQ(p.meses[10].coluna(3), std::nullopt); // the filled value was dropped, not moved
    EXPECT_FALSE(existePreenchimento(p));
    ASSERT_EQ(est.size(), 2u);
    EXPECT_EQ(est[1].estacao, QStringLiteral("101"));
}

// The reference case by MOVE.1: the line through the means (5,5; 12,1) with slope
// √(Syy/Sxx) = √(348,9 / 82,5) fills November with 12,1 + 6,5·√(348,9 / 82,5) = 25,4671, steeper than
// least squares' 25,4545; R², A and B of the statistics stay those of least squares.
TEST(Preenchimento, Move1NoCasoDeReferencia) {
    ProjetoPreenchimento p = projeto({kBase, kColuna2, kColuna3});
    auto est = iniciarNovoPreenchimento(p, 1, {MetodoReta::Move1, false, false});
    EXPECT_NEAR(*est[0].a, 113.0 / 55, kRelativa);
    ASSERT_TRUE(est[0].modelo.retas[0]);
    EXPECT_NEAR(est[0].modelo.retas[0]->a, std::sqrt(348.9 / 82.5), kRelativa);
    const ResultadoPreenchimento r = PreencheUmaEstacao(p, est[0]);
    EXPECT_EQ(r.preenchidos, 1);
    EXPECT_NEAR(*p.meses[10].coluna(1), 12.1 + 6.5 * std::sqrt(348.9 / 82.5), kRelativa);
    EXPECT_TRUE(p.meses[10].preenchido);
    // The report names the line that filled: slope √(348,9 / 82,5) = 2,0565, 12,1 − 5,5·A = 0,7894.
    const relatorio::Relatorio rel = relatorioPreenchimento(p, QStringLiteral("-"), est);
    ASSERT_EQ(rel.notas.size(), 2u);
    EXPECT_TRUE(rel.notas[1].contains(QStringLiteral(
        "preenchida por MOVE.1 (manutenção da variância), vazões, uma reta para o ano (A = "
        "2,0565; B = 0,7894)")))
        << rel.notas[1].toStdString();

    // One line per month: ten common months are ten months of one pair each, no line anywhere.
    ProjetoPreenchimento q = projeto({kBase, kColuna2, kColuna3});
    auto porMes = iniciarNovoPreenchimento(q, 1, {MetodoReta::Move1, false, true});
    const ResultadoPreenchimento s = PreencheUmaEstacao(q, porMes[0]);
    EXPECT_EQ(s.preenchidos, 0);
    EXPECT_EQ(s.semEstimativa, 1);
    EXPECT_FALSE(q.meses[10].preenchido);
    EXPECT_EQ(s.mensagem().texto,
              QStringLiteral("Nenhum dado foi preenchido.\n1 mês(es) sem estimativa (mês sem reta "
                             "própria ou vazão nula da auxiliar na escala logarítmica)."));
}

TEST(Preenchimento, EstimativasNegativasNaoContamNemMarcam) {
    // Column 2 is the base's exact line y = 2x − 10 over January to November (r = 1): estimates
    // for x = 3 and 4 are −4 and −2, for x = 8 it is 6. Column 3 then fills the two months left.
    const std::vector<double> base = {10, 12, 14, 16, 18,     20,     22,
                                      24, 26, 28, 30, kVazio, kVazio, kVazio};
    const std::vector<double> reta = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 3, 8, 4};
    const std::vector<double> outra = {9, 11, 14, 16, 19, 20, 21, 25, 26, 27, 31, 5, 5, 5};
    ProjetoPreenchimento p = projeto({base, reta, outra});
    auto est = iniciarNovoPreenchimento(p, 1);
    EXPECT_EQ(est[0].textoValidacao(), QStringLiteral("Mesma estação"));
    const ResultadoPreenchimento r = PreencheUmaEstacao(p, est[0]);
    EXPECT_EQ(r.preenchidos, 1);
    EXPECT_EQ(r.negativos, 2);
    EXPECT_EQ(
        r.mensagem().texto,
        QStringLiteral("1 dado(s) preenchidos.\n2 estimativa(s) negativa(s) não foram usadas."));
    EXPECT_EQ(est[0].nDadosPreenchidos, 1);
    EXPECT_NEAR(*p.meses[12].coluna(1), 6, kRelativa);
    for (std::size_t m : {11u, 13u}) {
        EXPECT_EQ(p.meses[m].coluna(1), std::nullopt);
        EXPECT_FALSE(p.meses[m].preenchido);
        EXPECT_EQ(p.meses[m].baseApoio, std::nullopt);
    }
    // The months left open are filled by the next order.
    ASSERT_TRUE(est[1].podePreencher());
    const ResultadoPreenchimento r2 = PreencheUmaEstacao(p, est[1]);
    EXPECT_EQ(r2.preenchidos, 2);
    EXPECT_EQ(p.meses[11].baseApoio, 3);
    EXPECT_EQ(p.meses[13].baseApoio, 3);

    // Only negative estimates.
    ProjetoPreenchimento q = projeto({base, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 1}});
    auto e = iniciarNovoPreenchimento(q, 1);
    EXPECT_EQ(
        PreencheUmaEstacao(q, e[0]).mensagem(),
        (Mensagem{Gravidade::Informacao,
                  QStringLiteral("Nenhum dado foi preenchido.\n1 estimativa(s) negativa(s) não "
                                 "foram usadas.")}));
    EXPECT_FALSE(existePreenchimento(q));
}

TEST(Preenchimento, EstacaoRecusadaNaoPreencheNemFicaUsada) {
    // 8 common months but a poor fit (R² 0,29), and a station without enough data.
    const std::vector<double> base = {5, 5, 6, 6, 5, 6, 5, 7, kVazio};
    ProjetoPreenchimento p =
        projeto({base,
                 {1, 9, 1, 9, 1, 9, 1, 9, 4},
                 {kVazio, 3, kVazio, kVazio, kVazio, kVazio, kVazio, kVazio, 2}});
    auto est = iniciarNovoPreenchimento(p, 1);
    ASSERT_EQ(est.size(), 2u);
    for (auto& e : est) {
        try {
            PreencheUmaEstacao(p, e);
            ADD_FAILURE();
        } catch (const Erro& erro) {
            EXPECT_EQ(erro.mensagem(),
                      QStringLiteral("O preenchimento não pode ser efetuado com estação "
                                     "que tenha sido rejeitada."));
        }
        EXPECT_FALSE(e.utilizado);
    }
    EXPECT_EQ(p.meses[8].coluna(1), std::nullopt);
    EXPECT_EQ(p.estado, kEstadoNovo);
    // Nothing to fill is still a filling that tells so.
    ProjetoPreenchimento q = projeto({{1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 5, 6, 7, 8, 9}});
    auto e = iniciarNovoPreenchimento(q, 1);
    EXPECT_EQ(PreencheUmaEstacao(q, e[0]).mensagem().texto,
              QStringLiteral("Nenhum dado foi preenchido."));
}

TEST(Preenchimento, EstendeABaseAntesDoPrimeiroRegistro) {
    // The base starts in 1971; column 2 covers 1970 and 1971 and is the base plus one.
    std::vector<double> base(12, kVazio), auxiliar;
    for (int m = 0; m < 24; ++m) {
        if (m >= 12) base.push_back(10 + m % 5);
        auxiliar.push_back(11 + m % 5);
    }
    ProjetoPreenchimento p = projeto({base, auxiliar});
    auto est = iniciarNovoPreenchimento(p, 1);
    EXPECT_EQ(est[0].dadosComuns, 12);
    const ResultadoPreenchimento r = PreencheUmaEstacao(p, est[0]);
    EXPECT_EQ(r.preenchidos, 12);
    for (int m = 0; m < 12; ++m)
        EXPECT_NEAR(*p.meses[static_cast<std::size_t>(m)].coluna(1), 10 + m % 5, kRelativa) << m;
    EXPECT_EQ(p.meses[30].coluna(1), std::nullopt); // 1972: no station has data
}

} // namespace
