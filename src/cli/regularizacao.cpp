// corvel-cli regularizacao: the storage each of the twenty regulated flows needs, with or without
// evaporation, in the layout of the regularization window's "Vazão regularizada" CSV export.
#include "argumentos.h"
#include "comandos.h"

#include "analyses/sinalizados.h"
#include "analyses/tabelasregularizacao.h"
#include "core/bancada.h"
#include "core/erros.h"
#include "core/formato.h"
#include "core/plataforma.h"
#include "resumo/estacaoresumo.h"
#include "resumo/textosanalise.h"

#include <QFileInfo>
#include <cstdio>
#include <optional>

namespace corvel::cli {

namespace {

struct Opcoes {
    QString projeto;
    std::optional<int> inicio;
    std::optional<std::array<double, 12>> evaporacao;
    std::optional<double> area;
    Sinalizacoes excluir = kSemSinal;
};

// Twelve rates in mm/day, January first: "4.2,3.9,..." (decimal point) or "4,2;3,9;..." (decimal
// comma), since a comma cannot both separate the values and the decimals.
std::array<double, 12> lerTaxas(const QString& texto) {
    const bool virgulaDecimal = texto.contains(u';');
    const QStringList partes = texto.split(virgulaDecimal ? u';' : u',');
    const ErroUso uso{QStringLiteral("--evaporacao pede 12 taxas (mm/dia) de janeiro a dezembro, "
                                     "como 4.2,3.9,... ou \"4,2;3,9;...\": %1")
                          .arg(texto)};
    if (partes.size() != 12) throw uso;
    std::array<double, 12> taxas{};
    for (qsizetype m = 0; m < 12; ++m) {
        QString p = partes[m].trimmed();
        if (!virgulaDecimal) p.replace(u'.', u',');
        try {
            taxas[static_cast<std::size_t>(m)] = lerReal(p);
        } catch (const ErroConversao&) {
            throw uso;
        }
        if (taxas[static_cast<std::size_t>(m)] < 0) throw uso;
    }
    return taxas;
}

// The area as the evaporation window takes it: "," or "." before the decimals, and not 0.
double lerArea(const QString& texto) {
    double a = 0;
    try {
        a = lerAreaReservatorio(texto);
    } catch (const ErroConversao&) {
        throw ErroUso{QStringLiteral("--area pede a área do reservatório em km²: %1").arg(texto)};
    }
    if (a == 0) throw ErroUso{QString::fromUtf8(kMsgAreaInvalida)};
    return a;
}

Opcoes lerOpcoes(const QStringList& argumentos) {
    Opcoes o;
    o.projeto =
        lerArgumentos(
            argumentos,
            {{"--inicio-ano", 1, [&](const QStringList& v) { o.inicio = lerMes(v[0]); }},
             {"--evaporacao", 1, [&](const QStringList& v) { o.evaporacao = lerTaxas(v[0]); }},
             {"--area", 1, [&](const QStringList& v) { o.area = lerArea(v[0]); }},
             opcaoExcluirSinalizados(o.excluir)})
            .value(0);
    if (o.projeto.isEmpty()) throw ErroUso{QStringLiteral("informe um arquivo de projeto (.cvl)")};
    if (o.evaporacao.has_value() != o.area.has_value())
        throw ErroUso{QStringLiteral("--evaporacao e --area vão juntas")};
    return o;
}

void escreverErro(const QString& linha) {
    std::fputs((linha + u'\n').toUtf8().constData(), stderr);
}

} // namespace

int executarRegularizacao(const QStringList& argumentos, QTextStream& saida) {
    const Opcoes o = lerOpcoes(argumentos);
    const QString caminho = QFileInfo(o.projeto).absoluteFilePath();
    Bancada bancada = Bancada::instalada();
    bancada.abrirProjeto(caminho);
    const SerieTabela considerados = semSinalizados(consideradosParaAnalise(bancada), o.excluir);

    TabelaEvaporacao evaporacao = evaporacaoInicial();
    if (o.evaporacao)
        for (std::size_t m = 0; m < 12; ++m)
            evaporacao[m].evaporacao = (*o.evaporacao)[m];
    // Nothing cancels here, so a result always comes back.
    const ResultadoRegularizacao r = *calcularRegularizacao(
        considerados, evaporacao, o.area.value_or(0), o.evaporacao.has_value());

    saida << textoVazaoRegularizada(r);
    // The report's header (but its title line and the technician) and the note under the results.
    const relatorio::Relatorio rel = relatorioVazaoRegularizada(
        r, QString(), QString::number(considerados[0].estacaoCodigo),
        o.inicio.value_or(bancada.inicioAnoHidrologico), periodoRegularizacao(considerados));
    for (std::size_t i = 2; i < rel.cabecalho.size(); ++i)
        escreverErro(rel.cabecalho[i]);
    for (const QString& nota : rel.notas)
        escreverErro(nota);
    return 0;
}

} // namespace corvel::cli
