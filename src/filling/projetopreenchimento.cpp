// The gap-filling project's months and station columns.
#include "projetopreenchimento.h"

#include "textospreenchimento.h"

#include "core/erros.h"
#include "core/formato.h"

#include <algorithm>

namespace corvel {

PeriodoPreenchimento lerPeriodoPreenchimento(const QString& inicio, const QString& fim) {
    if (inicio.size() != 4 || fim.size() != 4) throw Erro(QString::fromUtf8(kMsgQuatroDigitos));
    // The year boxes take digits only: a sign or a space is no year.
    const auto ano = [](const QString& texto) {
        if (!std::all_of(texto.begin(), texto.end(),
                         [](QChar c) { return c >= u'0' && c <= u'9'; }))
            throw ErroConversao(QStringLiteral("'%1' não é um valor inteiro válido").arg(texto));
        return static_cast<int>(lerInteiro(texto));
    };
    const PeriodoPreenchimento p{ano(inicio), ano(fim)};
    // At least three whole years, so the table always has the twenty rows that keep the codes;
    // and no year 0, which no calendar has.
    if (p.anoFinal + 1 - p.anoInicial <= 2 || p.anoInicial < 1)
        throw Erro(QString::fromUtf8(kMsgIntervaloInvalido));
    return p;
}

PeriodoPreenchimento ProjetoPreenchimento::periodo() const {
    if (meses.empty()) return {};
    return {meses.front().data.year(), meses.back().data.year()};
}

bool ProjetoPreenchimento::temPreenchimento() const {
    return std::any_of(meses.begin(), meses.end(), [&](const MesPreenchimento& m) {
        return m.baseApoio && *m.baseApoio >= 1 && *m.baseApoio <= numeroEstacoes;
    });
}

ProjetoPreenchimento novoProjetoPreenchimento(PeriodoPreenchimento periodo) {
    ProjetoPreenchimento p;
    p.titulos.fill(QString::fromLatin1(kTituloSemEstacao));
    for (QDate m(periodo.anoInicial, 1, 1); m.year() <= periodo.anoFinal; m = m.addMonths(1))
        p.meses.push_back({m, std::nullopt, false, {}});
    p.estado = kEstadoNovo;
    return p;
}

std::optional<double> mediaMensal(const RegistroMensal& mes) {
    if (mes.vazao01Status != kConsiderado) return std::nullopt;
    // Every one of the 31 day fields counts when it holds a value, as in the mean-flow window.
    double soma = 0;
    int n = 0;
    for (const auto& v : mes.vazao)
        if (v) {
            soma += *v;
            ++n;
        }
    if (n == 0) return std::nullopt;
    return soma / n;
}

void verificarVagaEstacao(const ProjetoPreenchimento& projeto) {
    if (projeto.numeroEstacoes >= kMaximoEstacoes)
        throw Erro(QStringLiteral("Há 20 estações adicionadas. ") + kQuebraLinha +
                   QStringLiteral(" Esse é o número máximo de estações permitido."));
}

bool estacaoNoProjeto(const ProjetoPreenchimento& projeto, const QString& codigo) {
    for (int n = 1; n <= projeto.numeroEstacoes; ++n)
        if (projeto.titulo(n) == codigo) return true;
    return false;
}

QString perguntaEstacaoRepetida(const QString& codigo) {
    return QStringLiteral("Deseja adicionar a estação ") + codigo + QStringLiteral(" novamente?");
}

QString codigoEstacao(const SerieTabela& estacao) {
    if (estacao.vazia()) throw Erro(QString::fromUtf8(kMsgNenhumaBase));
    // The earliest month, whatever the current order.
    const auto& r = estacao.armazenados();
    const auto primeiro = std::min_element(
        r.begin(), r.end(), [](const auto& a, const auto& b) { return a.data < b.data; });
    return QString::number(primeiro->estacaoCodigo);
}

int adicionarEstacao(ProjetoPreenchimento& projeto, const SerieTabela& estacao,
                     const ProgressoMeses& progresso) {
    verificarVagaEstacao(projeto);
    const QString codigo = codigoEstacao(estacao);
    // Look-ups by date need the Data order: a series in another order is copied and reordered,
    // the caller's is left as it is.
    std::optional<SerieTabela> copia;
    if (estacao.ordem() != Ordem::Data) {
        copia = estacao;
        copia->indice();
    }
    const SerieTabela& porData = copia ? *copia : estacao;
    const int n = ++projeto.numeroEstacoes;
    projeto.titulos[static_cast<std::size_t>(n - 1)] = codigo;
    const qsizetype total = static_cast<qsizetype>(projeto.meses.size());
    for (qsizetype i = 0; i < total; ++i) {
        MesPreenchimento& m = projeto.meses[static_cast<std::size_t>(i)];
        const qsizetype j = porData.localizar(m.data);
        m.coluna(n) = j >= 0 ? mediaMensal(porData[j]) : std::nullopt;
        if (progresso) progresso(i + 1, total);
    }
    return n;
}

namespace {

bool algumMesApoiadoPor(const ProjetoPreenchimento& p, int k) {
    return std::any_of(p.meses.begin(), p.meses.end(),
                       [&](const MesPreenchimento& m) { return m.baseApoio == k; });
}

bool algumPreenchido(const ProjetoPreenchimento& p) {
    return std::any_of(p.meses.begin(), p.meses.end(),
                       [](const MesPreenchimento& m) { return m.preenchido; });
}

} // namespace

std::optional<QString> perguntaExclusao(const ProjetoPreenchimento& projeto, int k) {
    if (k == 1) {
        // Also after a completed filling that was not saved: removing the base drops it.
        if (projeto.estado == kEstadoPreenchendo ||
            (projeto.estado != kEstadoSalvo && algumPreenchido(projeto)))
            return QString::fromUtf8(kPerguntaPerderPreenchimento);
        return std::nullopt;
    }
    if (algumMesApoiadoPor(projeto, k))
        return QStringLiteral("Esta estação foi utilizada no preenchimento atual.  O preenchimento "
                              "referente a esta estação será perdido. ") +
               kQuebraLinha + QStringLiteral("Deseja continuar?");
    return std::nullopt;
}

void excluiEstacao(ProjetoPreenchimento& projeto, int k) {
    Q_ASSERT(k >= 1 && k <= projeto.numeroEstacoes);
    const auto kk = static_cast<std::size_t>(k - 1);
    std::move(projeto.titulos.begin() + static_cast<std::ptrdiff_t>(kk) + 1, projeto.titulos.end(),
              projeto.titulos.begin() + static_cast<std::ptrdiff_t>(kk));
    projeto.titulos.back() = QString::fromLatin1(kTituloSemEstacao);
    for (MesPreenchimento& m : projeto.meses) {
        if (k == 1) {
            m.baseApoio.reset();
            m.preenchido = false;
        } else if (m.baseApoio == k) {
            m.baseApoio.reset();
            m.preenchido = false;
            m.coluna(1).reset();
        } else if (m.baseApoio && *m.baseApoio > k) {
            --*m.baseApoio;
        }
        std::move(m.dados.begin() + static_cast<std::ptrdiff_t>(kk) + 1, m.dados.end(),
                  m.dados.begin() + static_cast<std::ptrdiff_t>(kk));
        m.dados.back().reset();
    }
    --projeto.numeroEstacoes;
}

void mudarEstacaoBase(ProjetoPreenchimento& projeto, int k) {
    Q_ASSERT(k >= 2 && k <= kMaximoEstacoes);
    std::swap(projeto.titulos[0], projeto.titulos[static_cast<std::size_t>(k - 1)]);
    for (MesPreenchimento& m : projeto.meses) {
        m.baseApoio.reset();
        if (m.preenchido) {
            m.preenchido = false;
            m.coluna(1).reset();
        }
        // A plain exchange: a negative monthly mean (negative flows are valid days) is kept.
        std::swap(m.coluna(1), m.coluna(k));
    }
}

} // namespace corvel
