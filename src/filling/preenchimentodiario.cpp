// Daily gap filling from a neighbouring station.
#include "preenchimentodiario.h"

#include "core/erros.h"

#include <vector>

namespace corvel {

namespace {

int chave(QDate mes) {
    return mes.year() * 12 + mes.month() - 1;
}

// The records of a series by calendar month, from its first month to its last.
template <class Serie, class Registro> struct PorMes {
    int primeira = 0;
    std::vector<Registro*> meses;

    explicit PorMes(Serie& s) {
        if (s.tamanho() == 0) return;
        int menor = chave(s[0].data), maior = menor;
        for (qsizetype i = 0; i < s.tamanho(); ++i) {
            menor = std::min(menor, chave(s[i].data));
            maior = std::max(maior, chave(s[i].data));
        }
        primeira = menor;
        meses.assign(static_cast<std::size_t>(maior - menor + 1), nullptr);
        for (qsizetype i = 0; i < s.tamanho(); ++i)
            meses[static_cast<std::size_t>(chave(s[i].data) - menor)] = &s[i];
    }
    Registro* mes(int k) const {
        const int i = k - primeira;
        return i >= 0 && i < static_cast<int>(meses.size()) ? meses[static_cast<std::size_t>(i)]
                                                            : nullptr;
    }
};

std::optional<double> valor(const RegistroMensal* r, int d) {
    return r && d < r->nDias() ? r->vazao[static_cast<std::size_t>(d)] : std::nullopt;
}

// One day of a gap: its month's record (none when the base has no record of that month) and day.
struct DiaDaLacuna {
    RegistroMensal* registro;
    int dia; // 0-based
    int chave;
};

ResultadoDiario executar(SerieTabela& base, const SerieTabela& auxiliar,
                         const OpcoesDiario& opcoes, bool preencher) {
    const PorMes<SerieTabela, RegistroMensal> b(base);
    const PorMes<const SerieTabela, const RegistroMensal> a(auxiliar);
    ResultadoDiario r;

    // The days both observed: the neighbour's flow x, the base's y.
    std::vector<Par> pares;
    for (std::size_t i = 0; i < b.meses.size(); ++i) {
        const RegistroMensal* m = b.meses[i];
        if (!m) continue;
        const RegistroMensal* x = a.mes(b.primeira + static_cast<int>(i));
        if (!x) continue;
        for (int d = 0; d < m->nDias(); ++d) {
            const auto y = valor(m, d), v = valor(x, d);
            if (y && v && m->sinal[static_cast<std::size_t>(d)] != SinalDia::Preenchido)
                pares.push_back({*v, *y, m->data.month()});
        }
    }
    r.pares = static_cast<int>(pares.size());
    r.modelo = ajustarModelo(pares, opcoes.reta);
    OpcoesReta outro = opcoes.reta;
    outro.metodo = MetodoReta::MinimosQuadrados;
    r.vcMqo = validacaoCruzada(pares, outro);
    outro.metodo = MetodoReta::Move1;
    r.vcMove1 = validacaoCruzada(pares, outro);
    if (preencher && !r.modelo.retas[0])
        throw Erro(QStringLiteral("As duas estações têm %1 dia(s) com vazão em comum: poucos para "
                                  "ajustar uma reta.")
                       .arg(r.pares));

    const auto tratar = [&](const std::vector<DiaDaLacuna>& lacuna) {
        ++r.lacunas;
        if (static_cast<int>(lacuna.size()) > opcoes.lacunaMaxima) {
            ++r.lacunasLongas;
            return;
        }
        bool algum = false;
        for (const DiaDaLacuna& d : lacuna) {
            if (!d.registro) continue;
            const std::optional<double> x = valor(a.mes(d.chave), d.dia);
            if (!x) {
                ++r.diasSemAuxiliar;
                continue;
            }
            const std::optional<double> e = r.modelo.estimar(*x, d.registro->data.month());
            if (!e) {
                ++r.diasSemEstimativa;
                continue;
            }
            if (!(*e >= 0)) {
                ++r.diasNegativos;
                continue;
            }
            ++r.diasPreenchidos;
            algum = true;
            if (preencher) {
                d.registro->vazao[static_cast<std::size_t>(d.dia)] = *e;
                d.registro->sinal[static_cast<std::size_t>(d.dia)] = SinalDia::Preenchido;
            }
        }
        r.lacunasPreenchidas += algum;
    };

    // Day by day from the first month to the last: a run of days without a value between two
    // observed days is a gap.
    std::vector<DiaDaLacuna> lacuna;
    bool observado = false;
    for (std::size_t i = 0; i < b.meses.size(); ++i) {
        const int k = b.primeira + static_cast<int>(i);
        RegistroMensal* m = b.meses[i];
        const int dias = QDate(k / 12, k % 12 + 1, 1).daysInMonth();
        for (int d = 0; d < dias; ++d) {
            if (valor(m, d)) {
                if (observado && !lacuna.empty()) tratar(lacuna);
                lacuna.clear();
                observado = true;
            } else if (observado) {
                lacuna.push_back({m, d, k});
            }
        }
    }
    return r;
}

} // namespace

QString ResultadoDiario::texto(int lacunaMaxima) const {
    QString t = QStringLiteral("%1 dia(s) preenchido(s) em %2 lacuna(s) de até %3 dias")
                    .arg(diasPreenchidos)
                    .arg(lacunasPreenchidas)
                    .arg(lacunaMaxima);
    if (lacunasLongas > 0)
        t += QStringLiteral("; %1 lacuna(s) mais longa(s) ficaram sem preencher").arg(lacunasLongas);
    if (diasSemAuxiliar > 0)
        t += QStringLiteral("; %1 dia(s) sem vazão na estação auxiliar").arg(diasSemAuxiliar);
    if (diasSemEstimativa > 0)
        t += QStringLiteral("; %1 dia(s) sem estimativa (mês sem reta própria ou vazão nula da "
                            "auxiliar na escala logarítmica)")
                 .arg(diasSemEstimativa);
    if (diasNegativos > 0)
        t += QStringLiteral("; %1 estimativa(s) negativa(s) não foram usadas").arg(diasNegativos);
    return t + u'.';
}

ResultadoDiario avaliarPreenchimentoDiario(const SerieTabela& base, const SerieTabela& auxiliar,
                                           const OpcoesDiario& opcoes) {
    SerieTabela copia = base; // the walk takes writable records; nothing is written
    return executar(copia, auxiliar, opcoes, false);
}

ResultadoDiario preencherDiario(SerieTabela& base, const SerieTabela& auxiliar,
                                const OpcoesDiario& opcoes) {
    return executar(base, auxiliar, opcoes, true);
}

} // namespace corvel
