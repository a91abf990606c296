// The grant sheet of a station.
#include "fichareferencia.h"

#include "analyses/tabelasanuais.h"
#include "core/formato.h"
#include "core/reducao.h"

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
QString textoDaFicha(const FiguraResumo& x) {
    const double v = *x.numero;
    if (x.tipo == FiguraResumo::Tipo::Proporcao) return formatarNumero(v, u"0.0###");
    if (x.tipo == FiguraResumo::Tipo::Percentual) return formatarNumero(v, u"0.00");
    return formatarVazao(v, std::fabs(v) >= 100 ? u"#,##0.0" : u"0.00");
}

} // namespace

FichaReferencia montarFicha(const ResumoEstacao& r, const QString& arquivo, const QString& nome) {
    FichaReferencia f;
    f.cabecalho = {QStringLiteral("Arquivo: ") + QFileInfo(arquivo).fileName(),
                   QStringLiteral("Cód. da Estação: ") + QString::number(r.codigo)};
    if (!nome.isEmpty()) f.cabecalho.push_back(QStringLiteral("Nome da Estação: ") + nome);
    f.cabecalho.push_back(QStringLiteral("Início do Ano Hidrológico: ") + nomeMes(r.inicio));
    f.cabecalho.push_back(QStringLiteral("Período: %1 a %2").arg(r.anoInicial).arg(r.anoFinal));
    const std::vector<FiguraResumo> todas = figurasResumo(r, nome);
    f.figuras.assign(todas.begin() + 2, todas.end()); // code and name are in the header
    for (FiguraResumo& x : f.figuras)
        if (x.numero) x.valor = textoDaFicha(x);
    for (std::size_t i = 0; i < r.notas.size(); ++i)
        f.notas.push_back(QStringLiteral("%1) ").arg(i + 1) + r.notas[i]);
    f.curva = curvaReduzida(r.permanencia);
    int id = 0;
    for (const EventoAnual& e : eventosMinimas(r.minimas))
        f.minimas.push_back({e.rotulo, e.valor, ++id});
    f.tituloMinimas = QStringLiteral("Mínimas anuais de %1 dias (m³/s)").arg(r.duracao);
    return f;
}

} // namespace corvel
