// The regularization window's texts on the reference case: grids, exports, charts, the lines
// above them and the reports, with their exact titles and number formats.
#include "casosregularizacao.h"

#include "analyses/tabelasregularizacao.h"

#include <gtest/gtest.h>

using namespace corvel;

namespace {

using teste::calcular;
using teste::serieReferencia;
using teste::taxasCrescentes;

std::vector<QString> lista(std::initializer_list<const char*> t) {
    std::vector<QString> r;
    for (const char* s : t)
        r.push_back(QString::fromUtf8(s));
    return r;
}

TEST(TabelasRegularizacao, VazaoRegularizadaEEvaporacao) {
    EXPECT_EQ(titulosVazaoRegularizada(),
              lista({"(Qreg/Qmed) x 100", "Vazão regularizada (m³/s)", "Vol. Reservatório (hm³)"}));
    // Volumes of the reference case: 0, 2, 3,2, 5 and 8 times 0,0864 hm³ (see test_regularizacao).
    // A = 50 takes Ē = 3,25 m³/s from every level; up to 50 % nothing is left.
    const ResultadoRegularizacao sem = calcular(serieReferencia());
    const ResultadoRegularizacao com = calcular(serieReferencia(), taxasCrescentes(), 50, true);
    const struct {
        std::size_t linha;
        std::vector<QString> sem, com;
    } casos[] = {
        {0, lista({"5,00", "0,3000", "0,0000"}), lista({"5,00", "0,0000", "0,0000"})},
        {9, lista({"50,00", "3,0000", "0,1728"}), lista({"50,00", "0,0000", "0,1728"})},
        {10, lista({"55,00", "3,3000", "0,2246"}), lista({"55,00", "0,0500", "0,2246"})},
        {11, lista({"60,00", "3,6000", "0,2765"}), lista({"60,00", "0,3500", "0,2765"})},
        {14, lista({"75,00", "4,5000", "0,4320"}), lista({"75,00", "1,2500", "0,4320"})},
        {19, lista({"100,00", "6,0000", "0,6912"}), lista({"100,00", "2,7500", "0,6912"})},
    };
    const LinhasTexto linhasSem = linhasVazaoRegularizada(sem),
                      linhasCom = linhasVazaoRegularizada(com);
    ASSERT_EQ(linhasSem.size(), 20u);
    for (const auto& c : casos) {
        EXPECT_EQ(linhasSem[c.linha], c.sem) << c.linha;
        EXPECT_EQ(linhasCom[c.linha], c.com) << c.linha;
    }

    EXPECT_EQ(titulosGradeEvaporacao(),
              lista({"Mês", "Evaporação (mm/dia)", "Vazão evaporada (m³/s)"}));
    const LinhasTexto grade = linhasGradeEvaporacao(com.evaporacao);
    EXPECT_EQ(grade[0], lista({"Janeiro", "0,86", "0,50"}));
    EXPECT_EQ(grade[11], lista({"Dezembro", "10,37", "6,00"}));
    EXPECT_EQ(textoAreaReservatorio(com), QStringLiteral("Área do reservatório = 50 km²"));
    EXPECT_EQ(textoAreaReservatorio(calcular(serieReferencia(), taxasCrescentes(), 12.5, true)),
              QStringLiteral("Área do reservatório = 12,5 km²"));
    EXPECT_EQ(textoAreaReservatorio(sem), QString());

    // The CSV export: the results, then "Evaporação" between empty lines and the twelve months.
    const LinhasTexto csv = linhasCsvVazaoRegularizada(com);
    ASSERT_EQ(csv.size(), 20u + 3 + 12);
    EXPECT_EQ(csv[9], linhasCom[9]);
    EXPECT_TRUE(csv[20].empty());
    EXPECT_EQ(csv[21], lista({"Evaporação"}));
    EXPECT_TRUE(csv[22].empty());
    EXPECT_EQ(csv[23], lista({"1", "Janeiro", "0,864", "0,5"}));
    EXPECT_EQ(csv[25], lista({"3", "Março", "2,592", "1,5"}));
    EXPECT_EQ(csv[34], lista({"12", "Dezembro", "10,368", "6"}));
}

TEST(TabelasRegularizacao, PlanilhaEquacaoDeRegularizacao) {
    const TabelaExibida t =
        planilhaVazaoRegularizada(calcular(serieReferencia(), taxasCrescentes(), 50, true));
    ASSERT_EQ(t.colunas.size(), 4u);
    EXPECT_EQ(t.colunas[0].rotulo, QStringLiteral("(Qreg/Qmed) x 100"));
    ASSERT_EQ(t.linhas.size(), 20u + 2 + 12);
    EXPECT_EQ(t.linhas[9][2], Valor(QStringLiteral("0,1728")));
    EXPECT_EQ(t.linhas[20], std::vector<Valor>(4));
    EXPECT_EQ(textoDoValor(t.linhas[21][3]), QStringLiteral("Vazão evaporada (m³/s)"));
    EXPECT_EQ(t.linhas[22][0], Valor(qint64{1}));
    EXPECT_EQ(t.linhas[22][1], Valor(QStringLiteral("Janeiro")));
    EXPECT_NEAR(std::get<double>(t.linhas[33][3]), 6.0, 1e-12);
    EXPECT_EQ(QString::fromUtf8(kTituloPlanilhaRegularizacao),
              QStringLiteral("Equação de regularização"));
}

TEST(TabelasRegularizacao, CapacidadeDoReservatorio) {
    const ResultadoRegularizacao r = calcular(serieReferencia(), taxasCrescentes(), 50, true);
    EXPECT_EQ(titulosCapacidade(std::nullopt), lista({"ID", "Data", "Vazão afluente (m³/s)"}));
    EXPECT_EQ(titulosCapacidade(10),
              lista({"Data", "Vazão afluente (m³/s)", "Vazão regularizada (m³/s)",
                     "Vazão Evaporada (m³/s)", "Diferença (hm³)", "Volume deficitário (hm³)"}));

    // Level 50 %: Qreg 3; the day's balance (Q − 3) × 0,0864 hm³ and the deficit after it.
    const LinhasTexto grade = linhasGradeCapacidade(r, 10);
    ASSERT_EQ(grade.size(), 8u);
    EXPECT_EQ(grade[0], lista({"28/01/2000", "10,0000", "3,0000", "0,5000", "0,6048", "0,0000"}));
    EXPECT_EQ(grade[1], lista({"29/01/2000", "2,0000", "3,0000", "0,5000", "-0,0864", "-0,0864"}));
    EXPECT_EQ(grade[2], lista({"31/01/2000", "2,0000", "3,0000", "0,5000", "-0,0864", "-0,1728"}));
    EXPECT_EQ(grade[3], lista({"01/02/2000", "6,0000", "3,0000", "1,0000", "0,2592", "0,0000"}));
    EXPECT_EQ(linhasGradeCapacidade(r, std::nullopt)[7], lista({"7", "05/02/2000", "4,0000"}));
    const GradeCapacidade celulas(r, 10);
    EXPECT_EQ(celulas.linhas(), 8u);
    EXPECT_EQ(celulas.colunas(), 6);
    EXPECT_EQ(celulas.texto(2, 5), QStringLiteral("-0,1728"));
    EXPECT_EQ(GradeCapacidade(r, std::nullopt).colunas(), 3);

    // The CSV export writes the general number form; the spreadsheet gets numbers and dates.
    const TabelaExibida nivel = tabelaCapacidade(r, 10);
    EXPECT_EQ(rotulos(nivel), titulosCapacidade(10));
    EXPECT_EQ(textos(nivel)[2], lista({"31/01/2000", "2", "3", "0,5", "-0,0864", "-0,1728"}));
    EXPECT_EQ(nivel.colunas[0].tipo, TipoCampo::DataHora);
    EXPECT_EQ(nivel.colunas[5].tipo, TipoCampo::Real);
    const TabelaExibida antes = tabelaCapacidade(r, std::nullopt);
    EXPECT_EQ(textos(antes)[0], lista({"0", "28/01/2000", "10"}));
    EXPECT_EQ(antes.colunas[0].tipo, TipoCampo::Inteiro);

    // Thousands points in the grid.
    const ResultadoRegularizacao grande = calcular(teste::serieRegularizacao(
        QDate(2000, 1, 1), QDate(2000, 1, 1), [](QDate) { return std::optional(12345.5); }));
    EXPECT_EQ(linhasGradeCapacidade(grande, 20)[0][1], QStringLiteral("12.345,5000"));

    EXPECT_EQ(rotulosNiveis().size(), 20u);
    EXPECT_EQ(rotulosNiveis().front(), QStringLiteral("5%"));
    EXPECT_EQ(rotulosNiveis()[kNivelInicial - 1], QStringLiteral("50%"));
    EXPECT_EQ(rotulosNiveis().back(), QStringLiteral("100%"));
    EXPECT_EQ(textoVolumeReservatorio(r, 10),
              QStringLiteral("Volume do reservatório = 0,1728 hm³"));
    EXPECT_EQ(textoVolumeReservatorio(r, 1), QStringLiteral("Volume do reservatório = 0,0000 hm³"));
}

TEST(TabelasRegularizacao, DadosDeEntrada) {
    const SerieTabela s = serieReferencia();
    std::vector<QString> titulos = titulosDadosRegularizacao();
    ASSERT_EQ(titulos.size(), 32u);
    EXPECT_EQ(titulos[0], QStringLiteral("Mês"));
    EXPECT_EQ(titulos[1], QStringLiteral("Dia 01"));
    EXPECT_EQ(titulos[31], QStringLiteral("Dia 31"));

    const LinhasTexto grade = linhasGradeDadosRegularizacao(s);
    ASSERT_EQ(grade.size(), 2u);
    EXPECT_EQ(grade[0][0], QStringLiteral("Janeiro/2000"));
    EXPECT_EQ(grade[0][27], QString());
    EXPECT_EQ(grade[0][28], QStringLiteral("10,00"));
    EXPECT_EQ(grade[0][30], QString()); // missing day
    EXPECT_EQ(grade[0][31], QStringLiteral("2,00"));
    EXPECT_EQ(grade[1][1], QStringLiteral("6,00"));

    const TabelaExibida t = tabelaDadosRegularizacao(s);
    EXPECT_EQ(rotulos(t), titulos);
    EXPECT_EQ(textos(t)[1][2], QStringLiteral("14"));
    EXPECT_EQ(t.linhas[1][30], Valor()); // 30 February: an empty cell, not 0
    EXPECT_EQ(t.colunas[1].tipo, TipoCampo::Real);
    EXPECT_EQ(periodoRegularizacao(s), QStringLiteral("Janeiro/2000 - Fevereiro/2000"));
}

TEST(TabelasRegularizacao, Graficos) {
    const ResultadoRegularizacao r = calcular(serieReferencia());
    const GraficoBarras barras = graficoReservatorio(r, 10);
    EXPECT_EQ(barras.titulo, QStringLiteral("Volume do reservatório"));
    EXPECT_EQ(barras.eixoX, QStringLiteral("Data"));
    EXPECT_EQ(barras.eixoY, QStringLiteral("Volume deficitário (hm³)"));
    EXPECT_EQ(barras.rodape, QStringLiteral("Corvel 1.0"));
    ASSERT_EQ(barras.valores.size(), 8u);
    EXPECT_EQ(barras.datas[2], QDate(2000, 1, 31));
    EXPECT_NEAR(barras.valores[2], -0.1728, 1e-12);

    const GraficoLinha massas = graficoDiagramaMassas(r);
    EXPECT_EQ(massas.titulo, QStringLiteral("Diagrama de massas"));
    EXPECT_EQ(massas.eixoX, QStringLiteral("Tempo (dias)"));
    EXPECT_EQ(massas.eixoY, QStringLiteral("Volume acumulado (hm³)"));
    ASSERT_EQ(massas.pontos.size(), 8u);
    EXPECT_NEAR(massas.pontos.back().volume, 48 * 0.0864, 1e-12);
}

std::vector<QString> titulos(const relatorio::Relatorio& r) {
    std::vector<QString> t;
    for (const relatorio::Coluna& c : r.colunas) {
        EXPECT_TRUE(c.alinhamento == Qt::AlignCenter) << c.titulo.toStdString();
        t.push_back(c.titulo);
    }
    return t;
}

TEST(TabelasRegularizacao, Relatorios) {
    const QString periodo = QStringLiteral("Janeiro/2000 - Fevereiro/2000");
    const ResultadoRegularizacao com = calcular(serieReferencia(), taxasCrescentes(), 50, true);
    const relatorio::Relatorio r = relatorioVazaoRegularizada(
        com, QStringLiteral("Maria"), QStringLiteral("12345678"), 10, periodo);
    EXPECT_EQ(r.titulo, QStringLiteral("RELATÓRIO"));
    EXPECT_EQ(r.cabecalho,
              lista({"Vazão regularizada", "Técnico responsável: Maria",
                     "Código da estação: 12345678", "Início do ano hidrológico: Outubro",
                     "Período: Janeiro/2000 - Fevereiro/2000", "Área do reservatório: 50 km²"}));
    EXPECT_EQ(titulos(r), lista({"(Qreg/Qmed) x 100", "V. Regul. (m³/s)", "Vol. Reserv.(hm³)"}));
    EXPECT_EQ(r.colunasComMoldura, 3);
    ASSERT_EQ(r.linhas.size(), 20u);
    EXPECT_EQ(r.linhas[10], lista({"55,00", "0,0500", "0,2246"}));
    EXPECT_EQ(r.notas, lista({"* Evaporação elevada"}));

    const relatorio::Relatorio sem = relatorioVazaoRegularizada(
        calcular(serieReferencia()), QStringLiteral("-"), QStringLiteral("12345678"), 1, periodo);
    EXPECT_EQ(sem.cabecalho.size(), 5u); // no area line
    EXPECT_EQ(sem.cabecalho[3], QStringLiteral("Início do ano hidrológico: Janeiro"));
    EXPECT_EQ(sem.linhas[10], lista({"55,00", "3,3000", "0,2246"}));
    EXPECT_EQ(sem.notas, lista({"* Sem evaporação"}));

    const relatorio::Relatorio e = relatorioEvaporacaoMensal(com, QStringLiteral("Maria"));
    EXPECT_EQ(e.titulo, QStringLiteral("RELATÓRIO"));
    EXPECT_EQ(e.cabecalho, lista({"Evaporação mensal", "Técnico responsável: Maria"}));
    EXPECT_EQ(titulos(e), lista({"Mês", "Evap. (mm/dia)", "Vazão evap. (m³/s)"}));
    EXPECT_EQ(e.colunasComMoldura, 3);
    ASSERT_EQ(e.linhas.size(), 12u);
    EXPECT_EQ(e.linhas[1], lista({"Fevereiro", "1,73", "1,00"}));
    EXPECT_TRUE(e.notas.empty());
}

} // namespace
