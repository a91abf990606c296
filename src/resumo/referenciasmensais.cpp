// Monthly and seasonal reference flows.
#include "referenciasmensais.h"

#include "estacaoresumo.h"

#include "analyses/filacircular.h"
#include "analyses/permanencia.h"
#include "core/formato.h"

#include <QStringList>
#include <algorithm>

namespace corvel {

namespace {

struct Grupo {
    QString nome;
    std::vector<int> meses;
};

bool contem(const std::vector<int>& meses, int mes) {
    return std::find(meses.begin(), meses.end(), mes) != meses.end();
}

// The season's months of the year it starts in: (month, year offset) in order, the offset growing
// where the months pass December.
std::vector<std::pair<int, int>> sequencia(const std::vector<int>& meses) {
    std::vector<std::pair<int, int>> s;
    int deslocamento = 0;
    for (std::size_t i = 0; i < meses.size(); ++i) {
        if (i > 0 && meses[i] < meses[i - 1]) ++deslocamento;
        s.emplace_back(meses[i], deslocamento);
    }
    return s;
}

// The d-day minima of each year the group's months are considered in, as distribution events.
std::vector<EventoDistribuicao> minimasDoGrupo(const SerieTabela& c, const Grupo& g, int duracao) {
    std::vector<EventoDistribuicao> eventos;
    if (c.vazia()) return eventos;
    const auto meses = sequencia(g.meses);
    const int primeiro = c[0].data.year() - 1, ultimo = c[c.tamanho() - 1].data.year();
    TFilaCircular janela(duracao);
    for (int ano = primeiro; ano <= ultimo; ++ano) {
        janela.reiniciar(); // a window never joins two years' seasons
        std::optional<double> minima;
        bool algumMes = false;
        for (const auto& [mes, deslocamento] : meses) {
            const qsizetype i = c.localizar(QDate(ano + deslocamento, mes, 1));
            if (i < 0) continue; // a month that is not considered is skipped, as in the annual minima
            algumMes = true;
            const RegistroMensal& r = c[i];
            for (int d = 0; d < r.nDias(); ++d) {
                const auto& v = r.vazao[static_cast<std::size_t>(d)];
                if (!v) {
                    janela.reiniciar();
                    continue;
                }
                janela.inserir(*v, r.data.addDays(d));
                if (janela.cheia() && (!minima || janela.media() < *minima))
                    minima = janela.media();
            }
            // A single month's windows stay within it.
            if (meses.size() == 1) janela.reiniciar();
        }
        if (algumMes && minima)
            eventos.push_back({QString::number(ano), minima, static_cast<int>(eventos.size())});
    }
    return eventos;
}

ReferenciaMensal referencia(const SerieTabela& c, const Grupo& g, int duracao, int periodo,
                            VazoesNulas nulas) {
    ReferenciaMensal r;
    r.nome = g.nome;
    r.meses = g.meses;
    std::vector<double> valores;
    double soma = 0;
    for (qsizetype i = 0; i < c.tamanho(); ++i) {
        const RegistroMensal& m = c[i];
        if (!contem(g.meses, m.data.month())) continue;
        for (int d = 0; d < m.nDias(); ++d)
            if (const auto& v = m.vazao[static_cast<std::size_t>(d)]) {
                valores.push_back(*v);
                soma += *v;
            }
    }
    r.diasValidos = static_cast<int>(valores.size());
    if (!valores.empty()) {
        r.media = soma / static_cast<double>(valores.size());
        std::sort(valores.begin(), valores.end());
        for (const ReferenciaContinua& x : VazoesReferenciaContinua(CurvaContinua(valores))) {
            if (x.permanencia == 95) r.q95 = x.vazao;
            if (x.permanencia == 90) r.q90 = x.vazao;
        }
    }
    const std::vector<EventoDistribuicao> eventos = minimasDoGrupo(c, g, duracao);
    r.anos = static_cast<int>(eventos.size());
    r.anosNulos = contarEventosNulos(eventos);
    const AnaliseDistribuicoes a = calcularDistribuicoes(eventos, false, periodo, {}, nulas);
    for (const LinhaDistribuicao& l : a.linhas)
        if (l.id == a.melhorLinha) {
            r.qMinima = l.ValorEvento;
            r.distribuicao =
                a.periodoNaMassaNula ? QString::fromUtf8(kQMinimaNula) : l.NomeDistribuicao;
        }
    return r;
}

} // namespace

std::optional<EstacaoDoAno> lerEstacaoDoAno(QStringView texto) {
    const QList<QStringView> partes = texto.trimmed().split(u'-');
    if (partes.size() != 2) return std::nullopt;
    bool ok1 = false, ok2 = false;
    const int de = partes[0].toInt(&ok1), ate = partes[1].toInt(&ok2);
    if (!ok1 || !ok2 || de < 1 || de > 12 || ate < 1 || ate > 12) return std::nullopt;
    EstacaoDoAno e;
    for (int m = de;; m = m % 12 + 1) {
        e.meses.push_back(m);
        if (m == ate) break;
    }
    e.nome = de == ate ? nomeMes(de) : nomeMes(de) + QStringLiteral(" a ") + nomeMes(ate);
    return e;
}

std::vector<ReferenciaMensal> referenciasMensais(const SerieTabela& considerados, int duracao,
                                                 int periodo, VazoesNulas nulas,
                                                 const std::vector<EstacaoDoAno>& estacoes) {
    std::vector<ReferenciaMensal> r;
    for (int m = 1; m <= 12; ++m)
        r.push_back(referencia(considerados, {nomeMes(m), {m}}, duracao, periodo, nulas));
    for (const EstacaoDoAno& e : estacoes)
        r.push_back(referencia(considerados, {e.nome, e.meses}, duracao, periodo, nulas));
    return r;
}

QString textoReferenciasMensais(const std::vector<ReferenciaMensal>& linhas, int duracao,
                                int periodo, std::span<const std::optional<double>> outorgavel) {
    const auto numero = [](const std::optional<double>& v) {
        return v ? formatarCompleto(*v) : QString();
    };
    QString t = QStringLiteral("Mês;Q95 (m³/s);Q90 (m³/s);Q%1,%2 (m³/s);Vazão média (m³/s)")
                    .arg(duracao)
                    .arg(periodo);
    if (!outorgavel.empty()) t += QStringLiteral(";Vazão outorgável (m³/s)");
    t += u'\n';
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        const ReferenciaMensal& l = linhas[i];
        QStringList celulas{l.nome, numero(l.q95), numero(l.q90), numero(l.qMinima),
                            numero(l.media)};
        if (!outorgavel.empty())
            celulas << (i < outorgavel.size() ? numero(outorgavel[i]) : QString());
        t += celulas.join(u';') + u'\n';
    }
    return t;
}

} // namespace corvel
