// Regression filling of the base station and its undo.
#include "preenchimento.h"

#include "textospreenchimento.h"

#include "core/erros.h"

#include <algorithm>
#include <cmath>

namespace corvel {

Mensagem ResultadoPreenchimento::mensagem() const {
    QString texto = preenchidos > 0
                        ? QString::number(preenchidos) + QStringLiteral(" dado(s) preenchidos.")
                        : QString::fromUtf8(kMsgNadaPreenchido);
    if (negativos > 0)
        texto += kQuebraLinha + QString::number(negativos) +
                 QStringLiteral(" estimativa(s) negativa(s) não foram usadas.");
    if (semEstimativa > 0)
        texto += kQuebraLinha + QString::number(semEstimativa) +
                 QStringLiteral(" mês(es) sem estimativa (mês sem reta própria ou vazão nula da "
                                "auxiliar na escala logarítmica).");
    return {Gravidade::Informacao, texto};
}

ResultadoPreenchimento PreencheUmaEstacao(ProjetoPreenchimento& projeto,
                                          EstatisticaEstacao& linha) {
    if (!linha.podePreencher()) throw Erro(QString::fromUtf8(kMsgEstacaoRejeitada));
    const int j = linha.coluna;
    const double a = *linha.a, b = *linha.b;
    // Least squares on the flows for the whole year is the statistics' own line, A·x + B.
    const bool outraReta = linha.modelo.opcoes != OpcoesReta{};
    ResultadoPreenchimento r;
    for (MesPreenchimento& m : projeto.meses) {
        const auto& x = m.coluna(j);
        if (m.coluna(1) || !x) continue;
        projeto.estado = kEstadoPreenchendo;
        std::optional<double> e = outraReta ? linha.modelo.estimar(*x, m.data.month()) : a * *x + b;
        if (!e) {
            ++r.semEstimativa;
            continue;
        }
        const double estimativa = *e;
        // Only a damaged file can hold a flow that is not a number; it estimates nothing.
        if (!std::isfinite(estimativa)) continue;
        // A negative flow is no estimate: the month is neither filled nor marked.
        if (estimativa < 0) {
            ++r.negativos;
            continue;
        }
        m.coluna(1) = estimativa;
        m.preenchido = true;
        m.baseApoio = j;
        ++r.preenchidos;
    }
    projeto.estado = kEstadoPreenchido;
    linha.nDadosPreenchidos = r.preenchidos;
    linha.utilizado = true;
    return r;
}

void DesPreencheUmaEstacao(ProjetoPreenchimento& projeto) {
    for (MesPreenchimento& m : projeto.meses)
        if (m.preenchido) {
            m.coluna(1).reset();
            m.preenchido = false;
            m.baseApoio.reset();
        }
}

bool existePreenchimento(const ProjetoPreenchimento& projeto) {
    return std::any_of(projeto.meses.begin(), projeto.meses.end(), [](const MesPreenchimento& m) {
        return m.baseApoio && *m.baseApoio >= 2 && *m.baseApoio <= kMaximoEstacoes;
    });
}

bool pedeAvisoNovoPreenchimento(const ProjetoPreenchimento& projeto, int k) {
    return k == 1 && projeto.estado < 0 && existePreenchimento(projeto);
}

QString textoAvisoNovoPreenchimento() {
    return kQuebraLinha +
           QStringLiteral("1) Para manter este preenchimento, cancele esta operação e salve o "
                          "preenchimento, em seguida, inicie um novo preenchimento;") +
           kQuebraLinha +
           QStringLiteral("2) Não é possível utilizar mais de 3 estações no preenchimento de uma "
                          "mesma estação;") +
           kQuebraLinha + QStringLiteral("3) Para continuar o novo preenchimento clique em \"OK\"");
}

std::vector<EstatisticaEstacao> iniciarNovoPreenchimento(ProjetoPreenchimento& projeto, int k,
                                                         const OpcoesReta& opcoes) {
    if (existePreenchimento(projeto)) DesPreencheUmaEstacao(projeto);
    if (k > 1) mudarEstacaoBase(projeto, k);
    return CalculosEstatistico(projeto, opcoes);
}

std::vector<std::size_t> estacoesOferecidas(const std::vector<EstatisticaEstacao>& estatisticas,
                                            bool primeiraOrdem) {
    std::vector<std::size_t> r;
    for (std::size_t i = 0; i < estatisticas.size(); ++i)
        if (primeiraOrdem || !estatisticas[i].utilizado) r.push_back(i);
    return r;
}

Mensagem mensagemSemEstacao(bool primeiraOrdem) {
    return {Gravidade::Aviso,
            QString::fromUtf8(primeiraOrdem ? kMsgNenhumaDisponivel : kMsgNenhumDisponivel)};
}

} // namespace corvel
