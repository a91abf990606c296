// Class and continuous flow-duration curves and their reference flows.
#include "permanencia.h"

#include "core/erros.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>

namespace corvel {

namespace {

constexpr double kMenorLimite = 0.0001;

// Number of sorted values v with v <= x.
qsizetype ateh(const std::vector<double>& v, double x) {
    return std::upper_bound(v.begin(), v.end(), x) - v.begin();
}

// Ascending order in linear time, a least-significant-byte radix sort: comparison sorting is most
// of the cost of a century of days. The bit patterns are mapped so that their unsigned order is
// the numeric order: a negative number has every bit flipped, any other only its sign bit.
void ordenar(std::vector<double>& v) {
    const std::size_t n = v.size();
    if (n < 1024) {
        std::sort(v.begin(), v.end());
        return;
    }
    constexpr std::uint64_t kSinal = std::uint64_t{1} << 63;
    std::vector<std::uint64_t> a(n), b(n);
    std::array<std::array<std::size_t, 256>, 8> contagem{};
    for (std::size_t i = 0; i < n; ++i) {
        const auto u = std::bit_cast<std::uint64_t>(v[i]);
        a[i] = (u & kSinal) ? ~u : u | kSinal;
        for (std::size_t k = 0; k < 8; ++k)
            ++contagem[k][(a[i] >> (8 * k)) & 0xff];
    }
    for (std::size_t k = 0; k < 8; ++k) {
        auto& c = contagem[k];
        if (c[(a[0] >> (8 * k)) & 0xff] == n) continue; // every key has this byte: nothing moves
        std::size_t inicio = 0;
        for (std::size_t& x : c)
            inicio += std::exchange(x, inicio);
        for (const std::uint64_t chave : a)
            b[c[(chave >> (8 * k)) & 0xff]++] = chave;
        a.swap(b);
    }
    for (std::size_t i = 0; i < n; ++i)
        v[i] = std::bit_cast<double>((a[i] & kSinal) ? a[i] & ~kSinal : ~a[i]);
}

} // namespace

std::vector<DiaPermanencia> ListaDiaria(const SerieTabela& considerados) {
    std::vector<DiaPermanencia> dias;
    dias.reserve(static_cast<std::size_t>(considerados.tamanho()) * 31);
    for (qsizetype i = 0; i < considerados.tamanho(); ++i) {
        const RegistroMensal& r = considerados[i];
        const int nDias = r.nDias(); // a calendar computation: once per month
        for (int d = 0; d < nDias; ++d)
            dias.push_back({static_cast<int>(dias.size()) + 1, r.data.addDays(d),
                            r.vazao[static_cast<std::size_t>(d)], 0});
    }
    return dias;
}

std::vector<double> vazoesOrdenadas(const SerieTabela& considerados) {
    std::vector<double> v;
    v.reserve(static_cast<std::size_t>(considerados.tamanho()) * 31);
    for (qsizetype i = 0; i < considerados.tamanho(); ++i) {
        const RegistroMensal& r = considerados[i];
        const int nDias = r.nDias();
        for (int d = 0; d < nDias; ++d)
            if (const auto& x = r.vazao[static_cast<std::size_t>(d)]) v.push_back(*x);
    }
    ordenar(v);
    return v;
}

std::vector<ClassePermanencia> CurvaClasses(const std::vector<double>& v) {
    if (v.empty()) throw Erro(QString::fromUtf8(kMsgSemVazoesValidas), Gravidade::Aviso);
    const double n = static_cast<double>(v.size());
    // Largest and smallest non-negative flows; a bound not above 0 has no logarithm.
    const auto primeiroNaoNegativo = std::lower_bound(v.begin(), v.end(), 0.0);
    double qmax = kMenorLimite, qmin = kMenorLimite;
    if (primeiroNaoNegativo != v.end()) {
        qmax = std::max(v.back(), kMenorLimite);
        qmin = std::max(*primeiroNaoNegativo, kMenorLimite);
    }
    const double delta = (std::log(qmax) - std::log(qmin)) / kClassesPermanencia;
    // With a single distinct flow every bound is that flow: exp(log(x)) need not give x back,
    // and the classes would then depend on the last bit of the library's rounding.
    const auto abaixo = [&](double limite) {
        return delta == 0 ? limite : std::exp(std::log(limite) - delta);
    };

    std::vector<ClassePermanencia> classes;
    classes.reserve(kClassesPermanencia);
    double superior = qmax, inferior = abaixo(superior), acumulada = 0;
    for (int i = 0; i < kClassesPermanencia; ++i) {
        ClassePermanencia c;
        c.id = kClassesPermanencia - i;
        c.max = superior;
        c.min = inferior;
        c.freq =
            static_cast<int>(ateh(v, superior) - ateh(v, inferior)); // inferior < v <= superior
        c.fx = 100.0 * c.freq / n;
        acumulada += c.fx;
        c.f = acumulada;
        classes.push_back(c);
        superior = inferior;
        inferior = abaixo(superior);
    }
    ClassePermanencia& um = classes.back();
    um.freq += static_cast<int>(ateh(v, um.min) - ateh(v, 0.0)); // 0 < v <= its lower bound
    um.fx = 100 - classes[kClassesPermanencia - 2].f;
    um.f = 100;
    return classes;
}

std::vector<ReferenciaClasse> VazoesReferenciaClasses(const std::vector<ClassePermanencia>& classes,
                                                      int diasValidos) {
    std::vector<ReferenciaClasse> r;
    for (const int a : kPermanencias) {
        ReferenciaClasse ref;
        ref.permanencia = a;
        if (diasValidos >= 2 && !classes.empty()) {
            // Classes are stored from 50 down to 1: walk them from the end.
            for (std::size_t k = classes.size(); k-- > 0;) {
                const ClassePermanencia& c = classes[k];
                if (c.f > a) continue;
                if (c.f == a) {
                    ref.vazao = c.min;
                    ref.max = c.max;
                    ref.min = c.min;
                    ref.fmax = ref.fmin = c.f;
                } else if (k + 1 < classes.size()) { // class 1 holds f = 100 and always precedes
                    const ClassePermanencia& p = classes[k + 1];
                    ref.vazao = c.min + (p.min - c.min) * (a - c.f) / (p.f - c.f);
                    ref.max = c.min;
                    ref.min = p.min;
                    ref.fmax = p.f;
                    ref.fmin = c.f;
                }
                break;
            }
        }
        r.push_back(ref);
    }
    return r;
}

std::vector<PontoPermanencia> CurvaContinua(const std::vector<double>& v) {
    const auto n = static_cast<long long>(v.size());
    std::vector<PontoPermanencia> curva;
    curva.reserve(v.size());
    for (long long i = 1; i <= n; ++i) {
        // The cut percentage in whole hundredths: integer division truncates as the cut does.
        const long long centesimos = 10000 * (n - i + 1) / n;
        curva.push_back(
            {v[static_cast<std::size_t>(i - 1)], static_cast<double>(centesimos) / 100});
    }
    return curva;
}

std::vector<ReferenciaContinua>
VazoesReferenciaContinua(const std::vector<PontoPermanencia>& curva) {
    std::vector<ReferenciaContinua> r;
    for (const int a : kPermanencias) {
        ReferenciaContinua ref;
        ref.permanencia = a;
        const auto k = std::find_if(curva.begin(), curva.end(),
                                    [&](const PontoPermanencia& p) { return p.permanencia <= a; });
        if (k != curva.end()) {
            if (k->permanencia == a) {
                ref.vazao = k->valor;
            } else if (k != curva.begin()) { // the first row holds 100 %
                const PontoPermanencia& p = *(k - 1);
                ref.vazao = p.valor + (k->valor - p.valor) * (a - p.permanencia) /
                                          (k->permanencia - p.permanencia);
            }
        }
        r.push_back(ref);
    }
    return r;
}

CurvaPermanencia CalcularPermanencia(const SerieTabela& considerados) {
    CurvaPermanencia c;
    // The flows straight from the months: the daily list itself shows nowhere.
    const std::vector<double> ordenadas = vazoesOrdenadas(considerados);
    if (ordenadas.empty()) throw Erro(QString::fromUtf8(kMsgSemVazoesValidas), Gravidade::Aviso);
    c.diasValidos = static_cast<int>(ordenadas.size());
    for (qsizetype i = 0; i < considerados.tamanho(); ++i) {
        const RegistroMensal& r = considerados[i];
        for (int d = 0; d < r.nDias(); ++d)
            if (r.vazao[static_cast<std::size_t>(d)]) r.contarSinais(d, c.sinais);
    }
    c.classes = CurvaClasses(ordenadas);
    c.referenciasClasses = VazoesReferenciaClasses(c.classes, c.diasValidos);
    c.continua = CurvaContinua(ordenadas);
    c.referenciasContinua = VazoesReferenciaContinua(c.continua);
    return c;
}

} // namespace corvel
