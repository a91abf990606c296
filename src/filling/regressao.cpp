// Regression sums and the statistics table of the gap-filling window.
#include "regressao.h"

#include "textospreenchimento.h"

#include "core/formato.h"

#include <array>
#include <cmath>

namespace corvel {

void TLinearRegression::adicionar(double x, double y) {
    ++n_;
    sx_ += x;
    sxx_ += x * x;
    sy_ += y;
    syy_ += y * y;
    sxy_ += x * y;
}

std::pair<double, double> TLinearRegression::coeficientes() const {
    if (n_ == 0) return {0, 0};
    const double a = (sxy_ - sx_ * sy_ / n_) / (sxx_ - sx_ * sx_ / n_);
    return {a, (sy_ - a * sx_) / n_};
}

double TLinearRegression::correlacao() const {
    if (n_ < 2) return 0;
    return (sxy_ - sx_ * sy_ / n_) / std::sqrt((sxx_ - sx_ * sx_ / n_) * (syy_ - sy_ * sy_ / n_));
}

double TLinearRegression::determinacao() const {
    if (n_ < 2) return 0;
    const double sxy = sxy_ - sx_ * sy_ / n_;
    return sxy * sxy / ((sxx_ - sx_ * sx_ / n_) * (syy_ - sy_ * sy_ / n_));
}

bool atingeLimiteR2(double r2) {
    return r2 >= 0.7 * (1 - 1e-12);
}

QString textoValidacao(Validacao v) {
    switch (v) {
    case Validacao::Aceita:
        return QString::fromUtf8(kValidacaoAceita);
    case Validacao::Rejeitada:
        return QString::fromUtf8(kValidacaoRejeitada);
    case Validacao::MesmaEstacao:
        return QString::fromUtf8(kValidacaoMesma);
    case Validacao::SemDadosSuficientes:
        return QString::fromUtf8(kValidacaoSemDados);
    }
    return {};
}

bool EstatisticaEstacao::podePreencher() const {
    return r2 && a && b && atingeLimiteR2(*r2) && dadosComuns >= 8;
}

QString EstatisticaEstacao::textoR2() const {
    return r2 ? formatarNumero(*r2, u"0.0000") : QString();
}
QString EstatisticaEstacao::textoA() const {
    return a ? formatarNumero(*a, u"0.0000") : QString();
}
QString EstatisticaEstacao::textoB() const {
    return b ? formatarNumero(*b, u"0.0000") : QString();
}
QString EstatisticaEstacao::textoUtilizado() const {
    return utilizado ? QStringLiteral("Sim") : QStringLiteral("Não");
}

namespace {

// Whether every value added so far is the same: then the sums of squares vanish (though rounding
// may leave a trace of them) and neither slope nor r exists.
struct Constancia {
    std::optional<double> primeiro;
    bool constante = true;
    void ver(double v) {
        if (!primeiro)
            primeiro = v;
        else if (v != *primeiro)
            constante = false;
    }
};

} // namespace

std::vector<Par> paresComuns(const ProjetoPreenchimento& projeto, int j) {
    std::vector<Par> pares;
    for (const MesPreenchimento& m : projeto.meses)
        if (m.coluna(1) && m.coluna(j) && !m.preenchido)
            pares.push_back({*m.coluna(j), *m.coluna(1), m.data.month()});
    return pares;
}

std::vector<EstatisticaEstacao> CalculosEstatistico(const ProjetoPreenchimento& projeto,
                                                    const OpcoesReta& opcoes) {
    std::array<TLinearRegression, kMaximoEstacoes + 1> reg{};
    std::array<Constancia, kMaximoEstacoes + 1> cx{}, cy{};
    for (const MesPreenchimento& m : projeto.meses) {
        const auto& y = m.coluna(1);
        // A filled month holds an estimate on some station's line, not an observation.
        if (!y || m.preenchido) continue;
        for (int j = 2; j <= kMaximoEstacoes; ++j)
            if (const auto& x = m.coluna(j)) {
                reg[static_cast<std::size_t>(j)].adicionar(*x, *y);
                cx[static_cast<std::size_t>(j)].ver(*x);
                cy[static_cast<std::size_t>(j)].ver(*y);
            }
    }
    std::vector<EstatisticaEstacao> linhas;
    for (int j = 2; j <= kMaximoEstacoes; ++j) {
        const auto jj = static_cast<std::size_t>(j);
        const TLinearRegression& r = reg[jj];
        if (r.n() == 0) continue;
        EstatisticaEstacao e;
        e.id = static_cast<int>(linhas.size()) + 1;
        e.coluna = j;
        e.estacao = projeto.titulo(j);
        e.dadosComuns = r.n();
        const auto [a, b] = r.coeficientes();
        const double rr = r.correlacao();
        if (r.n() < 2 || cx[jj].constante || cy[jj].constante || !std::isfinite(a) ||
            !std::isfinite(b) || !std::isfinite(rr)) {
            e.validacao = Validacao::SemDadosSuficientes;
        } else {
            e.a = a;
            e.b = b;
            e.r2 = r.determinacao();
            e.validacao =
                r.n() > 8 && atingeLimiteR2(*e.r2) ? Validacao::Aceita : Validacao::Rejeitada;
            if (rr == 1) e.validacao = Validacao::MesmaEstacao;
        }
        const std::vector<Par> pares = paresComuns(projeto, j);
        e.modelo = ajustarModelo(pares, opcoes);
        OpcoesReta outro = opcoes;
        outro.metodo = MetodoReta::MinimosQuadrados;
        e.vcMqo = validacaoCruzada(pares, outro);
        outro.metodo = MetodoReta::Move1;
        e.vcMove1 = validacaoCruzada(pares, outro);
        linhas.push_back(std::move(e));
    }
    return linhas;
}

} // namespace corvel
