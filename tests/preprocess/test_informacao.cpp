// The failure report text, the rule in force read back from its code, and the pre-processing
// steps on the workbench state (start-month change, close).
#include "series.h"

#include "core/bancada.h"
#include "preprocess/preprocessamento.h"
#include "preprocess/regras.h"

#include <gtest/gtest.h>

using namespace corvel;
using teste::serieComFalhas;
using teste::situacaoDe;

namespace {

TEST(RegraVigente, LidaDoCodigoDoPrimeiroMes) {
    using E = EscolhaDescarte;
    struct Caso {
        std::optional<qint16> codigo;
        bool ajustaEscolha;
        E escolha;
        bool ajustaPercentual;
        int percentual;
        const char* texto;
        const char* nota;
    };
    const Caso casos[] = {
        {std::nullopt, true, E::Nenhuma, false, 0, "", ""},
        {0, false, E::Nenhuma, false, 0, "", ""}, // no rule applied yet
        {500, true, E::Mensal, true, 0, "*Descartados todos os meses com falhas.",
         "* Descartados todos os meses com falhas."},
        {712, true, E::Mensal, true, 12, "", "* Foram descartados meses com 12% de falhas"},
        {801, true, E::Anual, true, 1, "", "* Foram descartados anos com 1% de falhas"},
        {899, true, E::Anual, true, 99, "", "* Foram descartados anos com 99% de falhas"},
        {900, true, E::Anual, true, 0, "*Descartados todos os anos com falhas.",
         "*Descartados todos os anos com falhas."},
        {1000, true, E::Nenhuma, true, 0, "", ""},
        {1234, false, E::Nenhuma, false, 0, "", ""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.codigo.value_or(-1));
        const RegraVigente r = regraVigente(c.codigo);
        EXPECT_EQ(r.ajustaEscolha, c.ajustaEscolha);
        if (c.ajustaEscolha) {
            EXPECT_EQ(r.escolha, c.escolha);
        }
        EXPECT_EQ(r.ajustaPercentual, c.ajustaPercentual);
        if (c.ajustaPercentual) {
            EXPECT_EQ(r.percentual, c.percentual);
        }
        EXPECT_EQ(r.textoRegra, QString::fromUtf8(c.texto));
        EXPECT_EQ(r.nota, QString::fromUtf8(c.nota));
    }
}

Bancada bancadaOutubro() {
    // March 1975 without data; the hydrological year 1976/1977 discarded by hand.
    Bancada b;
    b.serie = serieComFalhas(QDate(1970, 1, 1), QDate(1980, 12, 1), {{QDate(1975, 3, 1), 31}});
    b.inicioAnoHidrologico = 10;
    descartarAno(b.serie, 1976, 10);
    b.serie[0].vazao03Status = 810;
    b.linhasCabecalho = {QStringLiteral("Arquivo: a.cvl"),
                         QStringLiteral("Cód. da Estação: 12345678"),
                         QString(),
                         QStringLiteral("Início do Ano Hidrológico: Outubro"),
                         QStringLiteral("Última modificação: 01/02/2003 04:05:06"),
                         QStringLiteral("nota antiga")};
    return b;
}

TEST(Informacoes, RelatorioComANotaDaRegraEAsTresEstrelasQuandoOAnoNaoComecaEmJaneiro) {
    Bancada b = bancadaOutubro();
    const Informacoes i = informacoes(b);
    const QStringList esperado = {
        "   ",
        "Arquivo: a.cvl",
        "Cód. da Estação: 12345678",
        "",
        "Início do Ano Hidrológico: Outubro",
        "Última modificação: 01/02/2003 04:05:06",
        "* Foram descartados anos com 10% de falhas",
        "   ",
        "    Nº de anos analisados:  10",
        "    Nº de anos completos:  9",
        "    Nº de anos com falhas:  1",
        "    Nº de anos sem dados:  0",
        "    Nº de anos descartados:  1",
        "   ",
        "    Nº de meses analisados:  120",
        "    Nº de meses completos:  119",
        "    Nº de meses com falhas:  1",
        "    Nº de meses sem dados:  1",
        "    Nº de meses descartados:  12",
        "   ",
        "* Número de anos com falhas inclui o número de anos sem dados.",
        "** Número de meses com falhas inclui o número de meses sem dados.",
        "*** Esses números não incluem os meses anteriores ao 1º mês do primeiro ano hidrológico e "
        "nem os meses posteriores ao último mês do último ano hidrológico",
    };
    EXPECT_EQ(i.texto, esperado);
    EXPECT_EQ(b.linhasCabecalho[5], QStringLiteral("* Foram descartados anos com 10% de falhas"));
    EXPECT_EQ(i.listagem.anos.size(), 10u);
}

TEST(Informacoes, SemTresEstrelasComJaneiroENotaVaziaAntesDeQualquerRegra) {
    Bancada b = bancadaOutubro();
    b.inicioAnoHidrologico = 1;
    b.serie[0].vazao03Status = 0;
    const Informacoes i = informacoes(b);
    ASSERT_EQ(i.texto.size(), 22);
    EXPECT_EQ(i.texto.last(),
              QStringLiteral("** Número de meses com falhas inclui o número de meses sem dados."));
    EXPECT_EQ(i.texto[6], QString()); // the note of another series does not linger
    EXPECT_EQ(i.texto[8], QStringLiteral("    Nº de anos analisados:  11"));
}

TEST(FecharPreProcessamento, MarcaOsDescartadosAntesDoDescarteDasBordas) {
    Bancada b;
    b.serie = serieComFalhas(QDate(1970, 1, 1), QDate(1980, 12, 1));
    b.inicioAnoHidrologico = 10;
    fecharPreProcessamento(b);
    EXPECT_FALSE(b.mesesDescartados);
    EXPECT_EQ(situacaoDe(b.serie, QDate(1970, 9, 1)), kDescartado);
    EXPECT_EQ(situacaoDe(b.serie, QDate(1970, 10, 1)), kConsiderado);
    EXPECT_EQ(situacaoDe(b.serie, QDate(1980, 10, 1)), kDescartado);
    fecharPreProcessamento(b);
    EXPECT_TRUE(b.mesesDescartados);
}

TEST(MudarInicioAnoHidrologico, GravaOMesRestauraEDescartaAsBordas) {
    Bancada b = bancadaOutubro();
    mudarInicioAnoHidrologico(b, 3);
    EXPECT_EQ(b.inicioAnoHidrologico, 3);
    EXPECT_EQ(b.linhasCabecalho[3], QStringLiteral("Início do Ano Hidrológico: Março"));
    EXPECT_EQ(b.serie[0].vazao03Status, kRegraSerieOriginal);
    EXPECT_EQ(situacaoDe(b.serie, QDate(1970, 2, 1)), kDescartado);
    EXPECT_EQ(situacaoDe(b.serie, QDate(1970, 3, 1)), kConsiderado);
    EXPECT_EQ(situacaoDe(b.serie, QDate(1975, 3, 1)), kSemDados);
    EXPECT_EQ(situacaoDe(b.serie, QDate(1977, 1, 1)), kConsiderado); // was in the discarded year
    EXPECT_EQ(situacaoDe(b.serie, QDate(1980, 3, 1)), kDescartado);
    for (const RegistroMensal& r : b.serie.armazenados())
        EXPECT_EQ(r.vazao02Status, 3);
}

} // namespace
