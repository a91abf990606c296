// The figures of a station summary as texts.
#include "linharesumo.h"

#include "core/formato.h"

namespace corvel {

namespace {

// resumo.csv writes every digit: a figure read back is the double that was computed.
FiguraResumo vazao(const QString& titulo, std::optional<double> v) {
    return {titulo, v ? formatarCompleto(*v) : QString(), v, FiguraResumo::Tipo::Vazao};
}

QString nomeQ(int duracao, int periodo) {
    return QStringLiteral("Q%1,%2").arg(duracao).arg(periodo);
}

// A cell never holds the separator nor a line break.
QString celula(QString texto) {
    return texto.replace(u';', u',').simplified();
}

} // namespace

std::vector<FiguraResumo> figurasResumo(const ResumoEstacao& r, const QString& nome) {
    const QString q = nomeQ(r.duracao, r.periodo);
    std::vector<FiguraResumo> f = {
        {QStringLiteral("Estação"), QString::number(r.codigo)},
        {QStringLiteral("Nome"), nome},
        {QStringLiteral("Ano inicial"), QString::number(r.anoInicial), {}, FiguraResumo::Tipo::Texto,
         false},
        {QStringLiteral("Ano final"), QString::number(r.anoFinal), {}, FiguraResumo::Tipo::Texto,
         false},
        {QStringLiteral("Meses considerados"), QString::number(r.mesesConsiderados)},
        {QStringLiteral("Dias sem dados (%)"), formatarCompleto(r.falhas), r.falhas,
         FiguraResumo::Tipo::Percentual},
        vazao(QStringLiteral("Vazão média de longa duração (m³/s)"), r.vazaoMedia),
        vazao(QStringLiteral("Q95 (m³/s)"), r.q95),
        vazao(QStringLiteral("Q90 (m³/s)"), r.q90),
        vazao(q + QStringLiteral(" (m³/s)"), r.qMinima),
        {QStringLiteral("Distribuição de ") + q, r.distribuicaoMinima},
    };
    for (std::size_t k = 0; k < kDistribuicoesMinimas.size(); ++k)
        f.push_back(vazao(q + u' ' + QString::fromLatin1(kDistribuicoesMinimas[k]) +
                              QStringLiteral(" (m³/s)"),
                          r.qMinimaPorDistribuicao[k]));
    f.push_back(
        vazao(QStringLiteral("Máxima anual T = %1 anos, Gumbel (m³/s)").arg(kPeriodoMaximaResumo),
              r.maxima100));
    f.push_back(
        vazao(QStringLiteral("Volume para %1% da vazão média (hm³)").arg(kPorcentagemVolumeResumo),
              r.volume50));
    f.push_back({QStringLiteral("Anos com mínima nula"), QString::number(r.anosMinimaNula)});
    f.push_back({QStringLiteral("p0"), r.p0 ? formatarCompleto(*r.p0) : QString(), r.p0,
                 FiguraResumo::Tipo::Proporcao});
    f.push_back({QStringLiteral("Mínimas com dias sinalizados"),
                 QString::number(r.minimasSinalizadas)});
    f.push_back({QStringLiteral("Dias sinalizados (%)"),
                 formatarCompleto(r.diasValidos > 0 ? 100.0 * r.sinais.sinalizados / r.diasValidos
                                                    : 0.0),
                 r.diasValidos > 0 ? 100.0 * r.sinais.sinalizados / r.diasValidos : 0.0,
                 FiguraResumo::Tipo::Percentual});
    f.push_back({QStringLiteral("Tendência ou mudança (5 %)"),
                 r.tendencia ? (*r.tendencia ? QStringLiteral("sim") : QStringLiteral("não"))
                             : QString()});
    if (r.criterio) {
        // A monthly criterion gives the figures of its critical month.
        std::optional<double> referencia = r.referenciaCriterio;
        if (r.criterio->mensal)
            for (std::size_t i = 0; i < r.mensais.size(); ++i)
                if (r.mensais[i].nome == r.mesCritico)
                    referencia = referenciaDoMes(*r.criterio, r.mensais[i]);
        const CriterioOutorga& c = *r.criterio;
        f.push_back({QStringLiteral("Critério de outorga"), c.nome, {}, FiguraResumo::Tipo::Texto,
                     false});
        f.push_back(vazao(QStringLiteral("Vazão de referência do critério (m³/s)"), referencia));
        f.push_back({QStringLiteral("Fração outorgável (%)"), formatarCompleto(100 * c.fracao),
                     100 * c.fracao, FiguraResumo::Tipo::Percentual});
        FiguraResumo remanescente =
            vazao(QStringLiteral("Vazão remanescente (m³/s)"), c.remanescente);
        remanescente.naFicha = c.remanescente.has_value();
        f.push_back(remanescente);
        f.push_back(vazao(QStringLiteral("Vazão outorgável (m³/s)"), r.outorgavel));
        f.push_back({QStringLiteral("Mês crítico"), r.mesCritico, {}, FiguraResumo::Tipo::Texto,
                     c.mensal});
    }
    return f;
}

QStringList titulosResumo(int duracao, int periodo, bool comCriterio) {
    ResumoEstacao modelo;
    modelo.duracao = duracao;
    modelo.periodo = periodo;
    if (comCriterio) modelo.criterio = CriterioOutorga{};
    QStringList t{QStringLiteral("Arquivo")};
    for (const FiguraResumo& f : figurasResumo(modelo, {}))
        t << f.titulo;
    t << QStringLiteral("Erro");
    return t;
}

QString linhaResumo(const QString& arquivo, const std::vector<FiguraResumo>& figuras) {
    QString l = celula(arquivo);
    for (const FiguraResumo& f : figuras)
        l += u';' + celula(f.valor);
    return l + u';';
}

QString linhaResumoComErro(const QString& arquivo, const QString& erro, int duracao, int periodo,
                           bool comCriterio) {
    const qsizetype figuras = titulosResumo(duracao, periodo, comCriterio).size() - 2;
    return celula(arquivo) + QString(figuras + 1, u';') + celula(erro);
}

} // namespace corvel
