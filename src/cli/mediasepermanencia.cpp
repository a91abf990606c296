// corvel-cli medias and permanencia: the result tables of the mean-flow and flow-duration windows
// in the layout of their CSV exports.
#include "argumentos.h"
#include "comandos.h"
#include "projetoanalise.h"

#include "analyses/tabelasmedias.h"
#include "analyses/tabelaspermanencia.h"
#include "core/formato.h"
#include "resumo/textosanalise.h"

#include <cstdio>
#include <optional>

namespace corvel::cli {

namespace {

struct Opcoes {
    QString projeto;
    std::optional<int> inicio;
    QString tabela;
};

// The project, --inicio-ano and --tabela with one of `tabelas`.
Opcoes lerOpcoes(const QStringList& argumentos, const QStringList& tabelas) {
    Opcoes o;
    o.projeto =
        lerArgumentos(argumentos,
                      {{"--inicio-ano", 1, [&](const QStringList& v) { o.inicio = lerMes(v[0]); }},
                       {"--tabela", 1,
                        [&](const QStringList& v) {
                            if (!tabelas.contains(v[0]))
                                throw ErroUso{QStringLiteral("--tabela pede %1: %2")
                                                  .arg(tabelas.join(QStringLiteral(", ")), v[0])};
                            o.tabela = v[0];
                        }}})
            .value(0);
    if (o.projeto.isEmpty()) throw ErroUso{QStringLiteral("informe um arquivo de projeto (.cvl)")};
    return o;
}

void escreverErro(const QString& linha) {
    std::fputs((linha + u'\n').toUtf8().constData(), stderr);
}

} // namespace

int executarMedias(const QStringList& argumentos, QTextStream& saida) {
    const Opcoes o = lerOpcoes(
        argumentos, {QStringLiteral("anuais"), QStringLiteral("mensais"), QStringLiteral("longa")});
    const ProjetoAnalise p = abrirParaAnalise(o.projeto, o.inicio);
    const SerieTabela& c = p.considerados;
    // "Ano Início" and "Ano Fim" as the window fills them: the first and last considered month.
    const VazoesMedias m = CalculaVazoesMedias(c, p.inicio, c[0].ano(), c[c.tamanho() - 1].ano());
    if (o.tabela == u"mensais")
        saida << textoCsv(tabelaMediasMensais(m.mensais.meses), u"\n");
    else if (o.tabela == u"longa")
        saida << textoCsv(tabelaMediasLongaDuracao(m.mensais.longaDuracao, FormaTexto::Csv), u"\n");
    else
        saida << textoMediasAnuais(m.anuais);
    escreverErro(m.linhaLongaDuracao);
    return 0;
}

int executarPermanencia(const QStringList& argumentos, QTextStream& saida) {
    const Opcoes o = lerOpcoes(argumentos, {QStringLiteral("classes"), QStringLiteral("continua"),
                                            QStringLiteral("referencia-classes"),
                                            QStringLiteral("referencia-continua")});
    const ProjetoAnalise p = abrirParaAnalise(o.projeto, o.inicio);
    const CurvaPermanencia c = CalcularPermanencia(p.considerados);
    if (o.tabela == u"classes")
        saida << textoCsv(tabelaClasses(c.classes, FormaTexto::Csv), u"\n");
    else if (o.tabela == u"continua")
        saida << textoCsv(tabelaContinua(c.continua, FormaTexto::Csv), u"\n");
    if (o.tabela.isEmpty()) saida << textoReferenciasPermanencia(c);
    if (o.tabela == u"referencia-classes")
        saida << textoCsv(tabelaReferenciasClasses(c.referenciasClasses, FormaTexto::Csv), u"\n");
    if (o.tabela == u"referencia-continua")
        saida << textoCsv(tabelaReferenciasContinua(c.referenciasContinua, FormaTexto::Csv), u"\n");
    // The header lines of the window's reports: the curve itself takes every considered day,
    // whatever month starts the hydrological year.
    escreverErro(QStringLiteral("Início do ano hidrológico: ") + nomeMes(p.inicio));
    escreverErro(QStringLiteral("Período: ") + periodoPermanencia(p.considerados));
    return 0;
}

} // namespace corvel::cli
