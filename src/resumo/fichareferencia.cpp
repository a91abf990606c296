// The grant sheet of a station.
#include "fichareferencia.h"

#include "analyses/tabelasanuais.h"
#include "core/formato.h"
#include "core/reducao.h"
#include "core/sinais.h"
#include "core/versao.h"

#include <QFileInfo>
#include <cmath>

namespace corvel {

namespace {

// A page is about 2 000 device points wide: more points only repeat pixels.
constexpr std::size_t kPontosCurva = 1000;

GraficoPermanencia curvaReduzida(const CurvaPermanencia& permanencia) {
    GraficoPermanencia g = graficoContinua(permanencia.continua);
    std::vector<double> y;
    y.reserve(g.pontos.size());
    for (const QPointF& p : g.pontos)
        y.push_back(p.y());
    std::vector<QPointF> pontos;
    for (std::size_t i : pontosDaLinha(y, kPontosCurva))
        pontos.push_back(g.pontos[i]);
    g.pontos = std::move(pontos);
    g.titulo = QStringLiteral("Curva de permanência (contínua)");
    return g;
}

// A reader compares these figures to the third or fourth significant digit: more would only hide
// them among digits no gauge measured. Below 1 m³/s three significant digits, so a creek's
// figures can be read.
QString vazaoDaFicha(std::optional<double> v) {
    if (!v) return QStringLiteral("-");
    return formatarVazao(*v, std::fabs(*v) >= 100 ? u"#,##0.0" : u"0.00");
}

QString textoDaFicha(const FiguraResumo& x) {
    const double v = *x.numero;
    if (x.tipo == FiguraResumo::Tipo::Proporcao) return formatarNumero(v, u"0.0###");
    if (x.tipo == FiguraResumo::Tipo::Percentual) return formatarNumero(v, u"0.##");
    return vazaoDaFicha(v);
}

void acrescentarCriterio(std::vector<QString>& linhas, const CriterioOutorga& c) {
    linhas.push_back(QStringLiteral("Critério de outorga: %1 (%2)").arg(c.nome, c.arquivo));
    if (!c.fonte.isEmpty()) linhas.push_back(QStringLiteral("Fonte do critério: ") + c.fonte);
    if (c.exemplo)
        linhas.push_back(QStringLiteral("Critério de exemplo, tirado da literatura: confira na "
                                        "norma em vigor; a ficha não é parecer jurídico."));
}

void montarPaginaMensal(const ResumoEstacao& r, FichaReferencia& f) {
    const QString q = QStringLiteral("Q%1,%2").arg(r.duracaoMensais).arg(r.periodoMensais);
    const bool outorgavel = !r.outorgavelMensal.empty();
    f.colunasMensais = {QStringLiteral("Mês"),
                        QStringLiteral("Q95 (m³/s)"),
                        QStringLiteral("Q90 (m³/s)"),
                        q + QStringLiteral(" (m³/s)"),
                        QStringLiteral("Distribuição de ") + q,
                        QStringLiteral("Vazão média (m³/s)")};
    if (outorgavel) f.colunasMensais.push_back(QStringLiteral("Vazão outorgável (m³/s)"));
    f.graficoMensal = {{QStringLiteral("Vazão média"), {}},
                       {QStringLiteral("Q90"), {}},
                       {QStringLiteral("Q95"), {}},
                       {q, {}}};
    if (outorgavel) f.graficoMensal.push_back({QStringLiteral("Vazão outorgável"), {}});
    for (std::size_t i = 0; i < r.mensais.size(); ++i) {
        const ReferenciaMensal& m = r.mensais[i];
        std::vector<QString> linha = {m.nome,
                                      vazaoDaFicha(m.q95),
                                      vazaoDaFicha(m.q90),
                                      vazaoDaFicha(m.qMinima),
                                      m.distribuicao.isEmpty() ? QStringLiteral("-")
                                                               : m.distribuicao,
                                      vazaoDaFicha(m.media)};
        if (outorgavel) linha.push_back(vazaoDaFicha(r.outorgavelMensal[i]));
        f.linhasMensais.push_back(std::move(linha));
        if (m.meses.size() != 1) continue; // a season has no point on the monthly chart
        const std::size_t k = static_cast<std::size_t>(m.meses[0] - 1);
        f.graficoMensal[0].valores[k] = m.media;
        f.graficoMensal[1].valores[k] = m.q90;
        f.graficoMensal[2].valores[k] = m.q95;
        f.graficoMensal[3].valores[k] = m.qMinima;
        if (outorgavel) f.graficoMensal[4].valores[k] = r.outorgavelMensal[i];
    }
    f.tituloGraficoMensal = QStringLiteral("Vazões de referência de cada mês (m³/s)");

    f.cabecalhoMensal = {f.cabecalho[0], f.cabecalho[1]};
    if (f.cabecalho.size() > 2 && f.cabecalho[2].startsWith(QStringLiteral("Nome")))
        f.cabecalhoMensal.push_back(f.cabecalho[2]);
    f.cabecalhoMensal.push_back(QStringLiteral("Período: %1 a %2").arg(r.anoInicial).arg(r.anoFinal));
    if (r.criterio && r.criterio->mensal) acrescentarCriterio(f.cabecalhoMensal, *r.criterio);

    f.notasMensais.push_back(
        QStringLiteral("1) Q95 e Q90: curva de permanência contínua dos dias válidos de cada mês "
                       "no período. %1: mínimas de %2 dias consecutivos dentro do mês (da estação "
                       "do ano, numa linha de meses), uma por ano, ajustadas como as mínimas "
                       "anuais; fica \"-\" com menos de 5 anos ou sem ajuste admissível.")
            .arg(q)
            .arg(r.duracaoMensais));
    if (r.criterio && r.criterio->mensal)
        f.notasMensais.push_back(
            QStringLiteral("2) Vazão outorgável de cada mês: %1 da vazão de referência do mês%2. "
                           "Mês crítico: %3.")
                .arg(formatarNumero(100 * r.criterio->fracao, u"0.##") + u'%',
                     r.criterio->remanescente
                         ? QStringLiteral(", deixando %1 m³/s no rio")
                               .arg(vazaoDaFicha(r.criterio->remanescente))
                         : QString(),
                     r.mesCritico.isEmpty() ? QStringLiteral("-") : r.mesCritico));
}

} // namespace

QString textoMetodoFicha(const ResumoEstacao& r) {
    QString t = QStringLiteral("Método: distribuições ajustadas pelos momentos; ");
    t += r.nulas == VazoesNulas::ProbabilidadeCondicional
             ? QStringLiteral("mínimas nulas pela probabilidade condicional (Jennings e Benson, "
                              "1969)")
             : QStringLiteral("mínimas nulas ajustadas como valores");
    if (r.excluidos != kSemSinal)
        t += QStringLiteral("; excluídos os dias ") + nomesDasSinalizacoes(r.excluidos);
    return t;
}

FichaReferencia montarFicha(const ResumoEstacao& r, const QString& arquivo, const QString& nome) {
    FichaReferencia f;
    f.cabecalho = {QStringLiteral("Arquivo: ") + QFileInfo(arquivo).fileName(),
                   QStringLiteral("Cód. da Estação: ") + QString::number(r.codigo)};
    if (!nome.isEmpty()) f.cabecalho.push_back(QStringLiteral("Nome da Estação: ") + nome);
    f.cabecalho.push_back(QStringLiteral("Início do Ano Hidrológico: ") + nomeMes(r.inicio));
    f.cabecalho.push_back(QStringLiteral("Período: %1 a %2").arg(r.anoInicial).arg(r.anoFinal));
    if (!r.regra.isEmpty()) f.cabecalho.push_back(QStringLiteral("Regra de descarte: ") + r.regra);
    f.cabecalho.push_back(textoMetodoFicha(r));
    if (r.criterio) acrescentarCriterio(f.cabecalho, *r.criterio);
    f.cabecalho.push_back(QStringLiteral("Programa: Corvel, versão " CORVEL_VERSAO));
    const std::vector<FiguraResumo> todas = figurasResumo(r, nome);
    // Code and name are in the header.
    for (auto x = todas.begin() + 2; x != todas.end(); ++x) {
        if (!x->naFicha) continue;
        f.figuras.push_back(*x);
        if (x->numero) f.figuras.back().valor = textoDaFicha(*x);
    }
    for (std::size_t i = 0; i < r.notas.size(); ++i)
        f.notas.push_back(QStringLiteral("%1) ").arg(i + 1) + r.notas[i]);
    f.curva = curvaReduzida(r.permanencia);
    int id = 0;
    for (const EventoAnual& e : eventosMinimas(r.minimas))
        f.minimas.push_back({e.rotulo, e.valor, ++id});
    f.tituloMinimas = QStringLiteral("Mínimas anuais de %1 dias (m³/s)").arg(r.duracao);
    if (!r.mensais.empty()) montarPaginaMensal(r, f);
    return f;
}

} // namespace corvel
