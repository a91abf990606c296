// corvel-cli medias and permanencia: the result tables of the mean-flow and flow-duration windows
// in the layout of their CSV exports.
#include "argumentos.h"
#include "comandos.h"
#include "projetoanalise.h"

#include "analyses/sinalizados.h"
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
    Digitos digitos = Digitos::Exibicao;
    Sinalizacoes excluir = kSemSinal;

    FormaTexto formaCsv() const {
        return digitos == Digitos::Todos ? FormaTexto::CsvTodosOsDigitos : FormaTexto::Csv;
    }
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
                        }},
                       opcaoTodosOsDigitos(o.digitos), opcaoExcluirSinalizados(o.excluir)})
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
    const ProjetoAnalise p = abrirParaAnalise(o.projeto, o.inicio, o.excluir);
    const SerieTabela& c = p.considerados;
    // "Ano Início" and "Ano Fim" as the window fills them: the first and last considered month.
    const VazoesMedias m = CalculaVazoesMedias(c, p.inicio, c[0].ano(), c[c.tamanho() - 1].ano());
    if (o.tabela == u"mensais")
        saida << textoCsv(tabelaMediasMensais(m.mensais.meses, o.digitos), u"\n");
    else if (o.tabela == u"longa")
        saida << textoCsv(tabelaMediasLongaDuracao(m.mensais.longaDuracao, o.formaCsv()), u"\n");
    else
        saida << textoMediasAnuais(m.anuais, o.digitos);
    escreverErro(o.digitos == Digitos::Todos && m.longaDuracao
                     ? QStringLiteral("Vazão média de longa duração: %1 m³/s")
                           .arg(formatarCompleto(*m.longaDuracao))
                     : m.linhaLongaDuracao);
    if (!notasMediasAnuais(m.anuais).empty() && o.tabela != u"mensais" && o.tabela != u"longa")
        escreverErro(notasMediasAnuais(m.anuais).front());
    int dias = 0;
    for (const RegistroMensal& r : c.armazenados())
        dias += r.validos();
    escreverErro(textoDiasSinalizados(sinaisDosDias(c), dias));
    return 0;
}

int executarPermanencia(const QStringList& argumentos, QTextStream& saida) {
    const Opcoes o = lerOpcoes(argumentos, {QStringLiteral("classes"), QStringLiteral("continua"),
                                            QStringLiteral("referencia-classes"),
                                            QStringLiteral("referencia-continua")});
    const ProjetoAnalise p = abrirParaAnalise(o.projeto, o.inicio, o.excluir);
    const CurvaPermanencia c = CalcularPermanencia(p.considerados);
    const FormaTexto forma = o.formaCsv();
    if (o.tabela == u"classes")
        saida << textoCsv(tabelaClasses(c.classes, forma), u"\n");
    else if (o.tabela == u"continua")
        saida << textoCsv(tabelaContinua(c.continua, forma), u"\n");
    if (o.tabela.isEmpty()) saida << textoReferenciasPermanencia(c, forma);
    if (o.tabela == u"referencia-classes")
        saida << textoCsv(tabelaReferenciasClasses(c.referenciasClasses, forma), u"\n");
    if (o.tabela == u"referencia-continua")
        saida << textoCsv(tabelaReferenciasContinua(c.referenciasContinua, forma), u"\n");
    // The header lines of the window's reports: the curve itself takes every considered day,
    // whatever month starts the hydrological year.
    escreverErro(QStringLiteral("Início do ano hidrológico: ") + nomeMes(p.inicio));
    escreverErro(QStringLiteral("Período: ") + periodoPermanencia(p.considerados));
    escreverErro(textoDiasSinalizados(c.sinais, c.diasValidos));
    return 0;
}

} // namespace corvel::cli
