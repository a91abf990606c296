// Sequent-peak balance of the regularization window.
#include "regularizacao.h"

#include "core/erros.h"

#include <algorithm>
#include <cmath>

namespace corvel {

namespace {

constexpr double kSegundosDia = 86400;
constexpr double kM3PorHm3 = 1e6;

bool seguir(const AcompanhamentoRegularizacao& acompanhar, EtapaRegularizacao etapa,
            int porcentagem) {
    return !acompanhar || acompanhar(etapa, porcentagem);
}

int parte(std::size_t feito, std::size_t total) {
    return total == 0 ? 100 : static_cast<int>(feito * 100 / total);
}

// One day of one level, in m³: the day's balance and the accumulator, which a surplus refills up
// to 0 but never above (a full reservoir spills).
struct Passo {
    double diferenca;
    double acumulada;
};
inline Passo passo(double acumulada, double q, double qreg) {
    const double d = (q - qreg) * kSegundosDia;
    return {d, std::min(0.0, acumulada + d)};
}

} // namespace

QString textoEtapa(EtapaRegularizacao etapa) {
    switch (etapa) {
    case EtapaRegularizacao::CopiaDados:
        return QStringLiteral("Copiando dados...");
    case EtapaRegularizacao::Evaporacao:
        return QStringLiteral("Calculando evaporação");
    case EtapaRegularizacao::Balanco:
        break;
    }
    return QStringLiteral("Calculando a regularização");
}

std::optional<Afluencia> CopiaDados(const SerieTabela& considerados,
                                    const AcompanhamentoRegularizacao& acompanhar) {
    Afluencia a;
    const auto meses = static_cast<std::size_t>(considerados.tamanho());
    a.dias.reserve(meses * 31);
    a.diagramaMassas.reserve(meses * 31);
    double soma = 0;
    for (std::size_t i = 0; i < meses; ++i) {
        const RegistroMensal& r = considerados[static_cast<qsizetype>(i)];
        const int feito = parte(i, meses);
        const int nDias = r.nDias();
        for (int d = 0; d < nDias; ++d) {
            const std::optional<double> q = r.vazao[static_cast<std::size_t>(d)];
            if (!q) continue;
            a.dias.push_back({r.data.addDays(d), *q});
            soma += *q;
            a.diagramaMassas.push_back(
                {static_cast<int>(a.dias.size()), soma * kSegundosDia / kM3PorHm3});
            if (!seguir(acompanhar, EtapaRegularizacao::CopiaDados, feito)) return std::nullopt;
        }
        if (!seguir(acompanhar, EtapaRegularizacao::CopiaDados, parte(i + 1, meses)))
            return std::nullopt;
    }
    if (a.dias.empty()) throw Erro(QString::fromUtf8(kMsgSemVazoesValidas));
    a.qmed = soma / static_cast<double>(a.dias.size());
    return a;
}

double vazaoRegularizada(double qmed, int nivel) {
    return 0.05 * nivel * qmed;
}

std::optional<VolumesReservatorio>
balancoRegularizacao(const Afluencia& afluencia, const AcompanhamentoRegularizacao& acompanhar) {
    std::array<double, kNiveisRegularizacao> qreg{}, acc{}, minimo{};
    for (int k = 1; k <= kNiveisRegularizacao; ++k)
        qreg[static_cast<std::size_t>(k - 1)] = vazaoRegularizada(afluencia.qmed, k);
    const std::size_t n = afluencia.dias.size();
    for (std::size_t i = 0; i < n; ++i) {
        const double q = afluencia.dias[i].vazao;
        for (std::size_t k = 0; k < kNiveisRegularizacao; ++k) {
            acc[k] = passo(acc[k], q, qreg[k]).acumulada;
            minimo[k] = std::min(minimo[k], acc[k]);
        }
        if (!seguir(acompanhar, EtapaRegularizacao::Balanco, parte(i + 1, n))) return std::nullopt;
    }
    VolumesReservatorio v{};
    for (std::size_t k = 0; k < kNiveisRegularizacao; ++k)
        v[k] = std::fabs(minimo[k]) / kM3PorHm3;
    return v;
}

std::optional<ResultadoRegularizacao>
calcularRegularizacao(const SerieTabela& considerados, TabelaEvaporacao evaporacao, double area,
                      bool comEvaporacao, const AcompanhamentoRegularizacao& acompanhar) {
    std::optional<Afluencia> afluencia = CopiaDados(considerados, acompanhar);
    if (!afluencia) return std::nullopt;
    ResultadoRegularizacao r;
    r.comEvaporacao = comEvaporacao;
    r.area = area;
    r.evaporacao = std::move(evaporacao);
    if (!seguir(acompanhar, EtapaRegularizacao::Evaporacao, 0)) return std::nullopt;
    r.evaporacaoMedia = calcularEvaporacao(r.evaporacao, area, comEvaporacao);
    const std::optional<VolumesReservatorio> v = balancoRegularizacao(*afluencia, acompanhar);
    if (!v) return std::nullopt;
    r.afluencia = std::move(*afluencia);
    r.volumes = *v;
    return r;
}

std::vector<LinhaRegularizada> vazoesRegularizadas(const ResultadoRegularizacao& resultado) {
    std::vector<LinhaRegularizada> linhas;
    linhas.reserve(kNiveisRegularizacao);
    for (int k = 1; k <= kNiveisRegularizacao; ++k) {
        LinhaRegularizada l;
        l.nivel = k;
        l.beta = 0.05 * k;
        const double liquida = l.beta * resultado.afluencia.qmed - resultado.evaporacaoMedia;
        l.vazaoLiquida = liquida > 0 ? liquida : 0.0;
        // A river that never flows regulates nothing, but that is not the evaporation's doing.
        l.evaporacaoElevada = !(liquida > 0) && resultado.evaporacaoMedia > 0;
        l.volume = resultado.volumes[static_cast<std::size_t>(k - 1)];
        linhas.push_back(l);
    }
    return linhas;
}

QString notaEvaporacao(const ResultadoRegularizacao& resultado) {
    const auto linhas = vazoesRegularizadas(resultado);
    if (std::any_of(linhas.begin(), linhas.end(),
                    [](const LinhaRegularizada& l) { return l.evaporacaoElevada; }))
        return QStringLiteral("* Evaporação elevada");
    return resultado.comEvaporacao ? QStringLiteral("* Evaporação considerada")
                                   : QStringLiteral("* Sem evaporação");
}

std::vector<DiaReservatorio> volumeDiario(const ResultadoRegularizacao& resultado, int nivel) {
    const double qreg = vazaoRegularizada(resultado.afluencia.qmed, nivel);
    std::vector<DiaReservatorio> dias;
    dias.reserve(resultado.afluencia.dias.size());
    double acc = 0;
    for (const DiaAfluente& d : resultado.afluencia.dias) {
        const Passo p = passo(acc, d.vazao, qreg);
        acc = p.acumulada;
        const double evaporada =
            resultado.evaporacao[static_cast<std::size_t>(d.data.month() - 1)].evaporacaoMensal;
        dias.push_back(
            {d.data, d.vazao, qreg, evaporada, p.diferenca / kM3PorHm3, acc / kM3PorHm3});
    }
    return dias;
}

} // namespace corvel
