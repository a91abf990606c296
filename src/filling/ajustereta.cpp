// Least-squares and MOVE.1 lines, and their leave-one-out check.
#include "ajustereta.h"

#include "core/formato.h"

#include <algorithm>
#include <cmath>

namespace corvel {

namespace {

// Means and centred sums of squares and products of a group of pairs.
struct Momentos {
    int n = 0;
    double mx = 0, my = 0, sxx = 0, syy = 0, sxy = 0;
};

Momentos momentos(std::span<const double> x, std::span<const double> y) {
    Momentos m;
    m.n = static_cast<int>(x.size());
    if (m.n == 0) return m;
    for (std::size_t i = 0; i < x.size(); ++i) {
        m.mx += x[i];
        m.my += y[i];
    }
    m.mx /= m.n;
    m.my /= m.n;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double dx = x[i] - m.mx, dy = y[i] - m.my;
        m.sxx += dx * dx;
        m.syy += dy * dy;
        m.sxy += dx * dy;
    }
    return m;
}

double sinal(double v) {
    return v > 0 ? 1.0 : v < 0 ? -1.0 : 0.0;
}

// The line of the method from a group's moments (Hirsch 1982 for MOVE.1: the slope is the ratio of
// the standard deviations, with the sign of the correlation).
Reta retaDosMomentos(const Momentos& m, MetodoReta metodo) {
    Reta r;
    r.n = m.n;
    r.a = metodo == MetodoReta::Move1 ? sinal(m.sxy) * std::sqrt(m.syy / m.sxx) : m.sxy / m.sxx;
    r.b = m.my - r.a * m.mx;
    r.r = m.sxy / std::sqrt(m.sxx * m.syy);
    return r;
}

bool constante(std::span<const double> v) {
    return std::adjacent_find(v.begin(), v.end(), std::not_equal_to<>()) == v.end();
}

// The pairs in the fit's scale: the logarithms drop the pairs with a flow that has none.
struct Transformados {
    std::vector<double> x, y, yOriginal;
    std::vector<int> mes;
};

Transformados transformar(std::span<const Par> pares, bool logaritmos) {
    Transformados t;
    for (const Par& p : pares) {
        if (logaritmos && !(p.x > 0 && p.y > 0)) continue;
        t.x.push_back(logaritmos ? std::log10(p.x) : p.x);
        t.y.push_back(logaritmos ? std::log10(p.y) : p.y);
        t.yOriginal.push_back(p.y);
        t.mes.push_back(p.mes);
    }
    return t;
}

// Indices of the pairs of each group a line is fitted to: one group of all, or one per month.
std::vector<std::vector<std::size_t>> grupos(const Transformados& t, bool porMes) {
    std::vector<std::vector<std::size_t>> g(porMes ? 12 : 1);
    for (std::size_t i = 0; i < t.x.size(); ++i)
        g[porMes ? static_cast<std::size_t>(t.mes[i] - 1) : 0].push_back(i);
    return g;
}

std::optional<Reta> retaDoGrupo(const Transformados& t, const std::vector<std::size_t>& g,
                                MetodoReta metodo) {
    std::vector<double> x, y;
    for (std::size_t i : g) {
        x.push_back(t.x[i]);
        y.push_back(t.y[i]);
    }
    return ajustarReta(x, y, metodo);
}

Habilidade habilidade(const std::vector<std::pair<double, double>>& observadoErro) {
    Habilidade h;
    h.n = static_cast<int>(observadoErro.size());
    if (h.n == 0) return h;
    double soma = 0, quadrados = 0, media = 0;
    for (const auto& [y, e] : observadoErro) {
        soma += e;
        quadrados += e * e;
        media += y;
    }
    media /= h.n;
    double variacao = 0;
    for (const auto& [y, e] : observadoErro)
        variacao += (y - media) * (y - media);
    h.eqm = std::sqrt(quadrados / h.n);
    h.vies = soma / h.n;
    if (variacao > 0) h.nse = 1 - quadrados / variacao;
    return h;
}

} // namespace

QString nomeMetodo(MetodoReta m) {
    return m == MetodoReta::Move1 ? QStringLiteral("MOVE.1") : QStringLiteral("MQO");
}

QString textoOpcoes(const OpcoesReta& o) {
    QString t = o.metodo == MetodoReta::Move1
                    ? QStringLiteral("MOVE.1 (manutenção da variância)")
                    : QStringLiteral("MQO (mínimos quadrados)");
    t += o.logaritmos ? QStringLiteral(", logaritmos das vazões") : QStringLiteral(", vazões");
    t += o.porMes ? QStringLiteral(", uma reta por mês") : QStringLiteral(", uma reta para o ano");
    return t;
}

std::optional<Reta> ajustarReta(std::span<const double> x, std::span<const double> y,
                                MetodoReta metodo) {
    if (x.size() < static_cast<std::size_t>(kMinimoParesReta) || constante(x) || constante(y))
        return std::nullopt;
    const Reta r = retaDosMomentos(momentos(x, y), metodo);
    if (!std::isfinite(r.a) || !std::isfinite(r.b)) return std::nullopt;
    return r;
}

const std::optional<Reta>& ModeloReta::reta(int mes) const {
    return retas[opcoes.porMes ? static_cast<std::size_t>(mes) : 0];
}

std::optional<double> ModeloReta::estimar(double x, int mes) const {
    const std::optional<Reta>& r = reta(mes);
    if (!r) return std::nullopt;
    if (!opcoes.logaritmos) return r->a * x + r->b;
    if (!(x > 0)) return std::nullopt;
    return std::pow(10.0, r->a * std::log10(x) + r->b);
}

ModeloReta ajustarModelo(std::span<const Par> pares, const OpcoesReta& opcoes) {
    ModeloReta m;
    m.opcoes = opcoes;
    const Transformados t = transformar(pares, opcoes.logaritmos);
    m.retas[0] = ajustarReta(t.x, t.y, opcoes.metodo);
    if (opcoes.porMes) {
        const auto g = grupos(t, true);
        for (std::size_t k = 0; k < 12; ++k)
            m.retas[k + 1] = retaDoGrupo(t, g[k], opcoes.metodo);
    }
    return m;
}

ValidacaoCruzada validacaoCruzada(std::span<const Par> pares, const OpcoesReta& opcoes) {
    const Transformados t = transformar(pares, opcoes.logaritmos);
    std::array<std::vector<std::pair<double, double>>, 13> erros;
    for (const std::vector<std::size_t>& g : grupos(t, opcoes.porMes)) {
        const int n = static_cast<int>(g.size());
        if (n - 1 < kMinimoParesReta) continue;
        std::vector<double> x, y;
        for (std::size_t i : g) {
            x.push_back(t.x[i]);
            y.push_back(t.y[i]);
        }
        const Momentos todos = momentos(x, y);
        const double k = static_cast<double>(n) / (n - 1);
        for (std::size_t i : g) {
            // The group's moments without pair i (the centred sums downdated exactly).
            const double dx = t.x[i] - todos.mx, dy = t.y[i] - todos.my;
            Momentos sem;
            sem.n = n - 1;
            sem.mx = (n * todos.mx - t.x[i]) / (n - 1);
            sem.my = (n * todos.my - t.y[i]) / (n - 1);
            sem.sxx = todos.sxx - k * dx * dx;
            sem.syy = todos.syy - k * dy * dy;
            sem.sxy = todos.sxy - k * dx * dy;
            // What is left may be constant: no line, as a refit would find.
            if (!(sem.sxx > todos.sxx * 1e-13) || !(sem.syy > todos.syy * 1e-13)) continue;
            const Reta r = retaDosMomentos(sem, opcoes.metodo);
            double estimativa = r.a * t.x[i] + r.b;
            if (opcoes.logaritmos) estimativa = std::pow(10.0, estimativa);
            const double e = estimativa - t.yOriginal[i];
            erros[0].push_back({t.yOriginal[i], e});
            erros[static_cast<std::size_t>(t.mes[i])].push_back({t.yOriginal[i], e});
        }
    }
    ValidacaoCruzada v;
    for (std::size_t g = 0; g < erros.size(); ++g)
        v.grupos[g] = habilidade(erros[g]);
    return v;
}

std::optional<Recomendacao> recomendar(const ValidacaoCruzada& mqo, const ValidacaoCruzada& move1) {
    const Habilidade &a = mqo.grupos[0], &b = move1.grupos[0];
    if (a.n == 0 && b.n == 0) return std::nullopt;
    // Two errors that read the same with two decimals are told apart with four.
    const bool perto = a.n > 0 && b.n > 0 &&
                       formatarVazao(a.eqm, u"0.00") == formatarVazao(b.eqm, u"0.00");
    const auto eqm = [perto](double v) {
        return formatarVazao(v, perto ? u"0.0000" : u"0.00") + QStringLiteral(" m³/s");
    };
    if (b.n == 0 || (a.n > 0 && a.eqm <= b.eqm))
        return Recomendacao{MetodoReta::MinimosQuadrados,
                            QStringLiteral("MQO: erro quadrático médio de %1 na validação cruzada, "
                                           "contra %2 do MOVE.1; prefira o MOVE.1 quando a "
                                           "série preenchida for usada em estatísticas de "
                                           "estiagem ou cheia, que dependem da variância.")
                                .arg(eqm(a.eqm), b.n > 0 ? eqm(b.eqm) : QStringLiteral("-"))};
    return Recomendacao{MetodoReta::Move1,
                        QStringLiteral("MOVE.1: erro quadrático médio de %1 na validação cruzada, "
                                       "contra %2 do MQO, e mantém a variância da série base.")
                            .arg(eqm(b.eqm), a.n > 0 ? eqm(a.eqm) : QStringLiteral("-"))};
}

} // namespace corvel
