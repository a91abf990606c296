// The agency's day statuses from the text file to the results: kept by importar in the project,
// counted by minimas, maximas and resumo, and left out on request.
#include "core/formato.h"
#include "core/projeto.h"
#include "exchange/agencia.h"
#include "execucao.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

using Saida = teste::Execucao;

// Three years of 10 m³/s with a dry week in August, 2,0 m³/s, every day's status "1" (real) but:
// 1990: the dry week is estimated (2) from 10 to 12 August; 1991: the week's first day is doubtful
// (3); 1992: the week is a dry gauge (4) at zero flow, and the flood of 1 March is estimated.
QString gravarArquivo(const QTemporaryDir& pasta) {
    QString texto = teste::comentario() + QStringLiteral("\r\n") + teste::titulo(true) +
                    QStringLiteral("\r\n");
    for (int ano = 1990; ano <= 1992; ++ano)
        for (int mes = 1; mes <= 12; ++mes) {
            const QDate primeiro(ano, mes, 1);
            teste::LinhaAgencia l;
            l.data = formatarData(primeiro);
            l.metodo = QStringLiteral("1");
            for (int d = 1; d <= primeiro.daysInMonth(); ++d) {
                const auto i = static_cast<std::size_t>(d - 1);
                const bool seca = mes == 8 && d >= 10 && d <= 16;
                l.vazoes[i] = seca ? (ano == 1992 ? QStringLiteral("0") : QStringLiteral("2"))
                                   : mes == 3 && d == 1 ? QStringLiteral("90")
                                                        : QStringLiteral("10");
                l.status[i] = QStringLiteral("1");
                if (ano == 1990 && seca && d <= 12) l.status[i] = QStringLiteral("2");
                if (ano == 1991 && seca && d == 10) l.status[i] = QStringLiteral("3");
                if (ano == 1992 && seca) l.status[i] = QStringLiteral("4");
                if (ano == 1992 && mes == 3 && d == 1) l.status[i] = QStringLiteral("2");
            }
            texto += l.texto() + QStringLiteral("\r\n");
        }
    const QString caminho = pasta.filePath(QStringLiteral("sinais.txt"));
    QFile f(caminho);
    f.open(QIODevice::WriteOnly);
    f.write(texto.toLatin1());
    return caminho;
}

TEST(CorvelCliSinais, ImportadosGuardadosEContadosNasMinimas) {
    QTemporaryDir pasta;
    const QString texto = gravarArquivo(pasta);
    const QString projeto = pasta.filePath(QStringLiteral("sinais.cvl"));
    ASSERT_EQ(teste::subcomando("importar", {texto, QStringLiteral("-o"), projeto}).codigo, 0);

    // Kept through the project file.
    const SerieTabela s = lerProjeto(projeto);
    const RegistroMensal& agosto90 = s[s.localizar(QDate(1990, 8, 1))];
    EXPECT_EQ(agosto90.sinal[11], SinalDia::Estimado);
    EXPECT_EQ(agosto90.sinal[12], SinalDia::Real);
    EXPECT_EQ(s[s.localizar(QDate(1991, 8, 1))].sinal[9], SinalDia::Duvidoso);
    EXPECT_EQ(s[s.localizar(QDate(1992, 8, 1))].sinal[15], SinalDia::ReguaSeca);
    EXPECT_EQ(agosto90.metodoObtencao, 1);

    const Saida m = teste::subcomando("minimas", {projeto, QStringLiteral("--inicio-ano"),
                                                  QStringLiteral("1")});
    ASSERT_EQ(m.codigo, 0) << m.erro.toStdString();
    EXPECT_EQ(m.linhas, (QStringList{"Ano;Data de início;Vazão Mínima (m³/s);Dias válidos;Dias "
                                     "sinalizados;",
                                     "1990/1991;10/08/1990;2,00;365;3;",
                                     "1991/1992;10/08/1991;2,00;365;1;",
                                     "1992/1993;10/08/1992;0,00;366;7;"}));
    EXPECT_EQ(m.erro, QStringLiteral("3 de 3 mínimas anuais incluem dias sinalizados (3 estimado, "
                                     "1 duvidoso, 7 régua seca).\n"));

    // Leaving the estimated and doubtful days out breaks their weeks: the minima move to the
    // windows after the gaps, (4 x 2 + 3 x 10) / 7 and (6 x 2 + 10) / 7.
    const Saida sem = teste::subcomando(
        "minimas", {projeto, QStringLiteral("--inicio-ano"), QStringLiteral("1"),
                    QStringLiteral("--excluir-sinalizados"), QStringLiteral("estimado,duvidoso")});
    ASSERT_EQ(sem.codigo, 0);
    EXPECT_EQ(sem.linhas.mid(1), (QStringList{"1990/1991;13/08/1990;5,43;362;0;",
                                              "1991/1992;11/08/1991;3,14;364;0;",
                                              "1992/1993;10/08/1992;0,00;365;7;"}));

    const Saida x = teste::subcomando("maximas", {projeto, QStringLiteral("--inicio-ano"),
                                                  QStringLiteral("1")});
    EXPECT_EQ(x.linhas.value(3), QStringLiteral("1992;01/03/1992;90,00;366;1;"));
    EXPECT_EQ(x.erro, QStringLiteral("1 de 3 máximas anuais cai em dias sinalizados (1 estimado).\n"));

    // The summary: the minima resting on flagged days, their share of days, and the dry-gauge
    // zero among the zero minima.
    const Saida r = teste::subcomando("resumo", {projeto, QStringLiteral("--inicio-ano"),
                                                 QStringLiteral("1")});
    ASSERT_EQ(r.codigo, 0) << r.erro.toStdString();
    const QStringList t = r.linhas[0].split(u';'), v = r.linhas[1].split(u';');
    EXPECT_EQ(v[t.indexOf(QStringLiteral("Mínimas com dias sinalizados"))], QStringLiteral("3"));
    EXPECT_EQ(v[t.indexOf(QStringLiteral("Anos com mínima nula"))], QStringLiteral("1"));
    const double pct = lerReal(v[t.indexOf(QStringLiteral("Dias sinalizados (%)"))]);
    EXPECT_NEAR(pct, 100.0 * 12 / (365 + 365 + 366), 1e-12);

    for (const QStringList& uso :
         {QStringList{projeto, QStringLiteral("--excluir-sinalizados"), QStringLiteral("talvez")},
          QStringList{projeto, QStringLiteral("--excluir-sinalizados")}})
        EXPECT_EQ(teste::subcomando("minimas", uso).codigo, 2);
}

} // namespace
