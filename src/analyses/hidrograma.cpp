// Points, titles and foot lines of the hydrograph; the rating-curve limits' text and dialog.
#include "hidrograma.h"

#include "core/erros.h"
#include "core/formato.h"

#include <algorithm>

namespace corvel {

namespace {

// The records in date order, whatever the table's current order.
std::vector<const RegistroMensal*> emOrdemDeData(const SerieTabela& serie) {
    std::vector<const RegistroMensal*> r;
    r.reserve(static_cast<std::size_t>(serie.tamanho()));
    for (qsizetype i = 0; i < serie.tamanho(); ++i)
        r.push_back(&serie[i]);
    if (serie.ordem() != Ordem::Data)
        std::stable_sort(r.begin(), r.end(), [](const RegistroMensal* a, const RegistroMensal* b) {
            return a->data < b->data;
        });
    return r;
}

QString estacao(const std::vector<const RegistroMensal*>& meses) {
    return QStringLiteral("Estação: ") +
           (meses.empty() ? QString() : QString::number(meses.front()->estacaoCodigo));
}

void tracar(Hidrograma& h, const std::vector<const RegistroMensal*>& meses,
            const LimitesCurvaChave& limites, const char* avisoZero) {
    h.rodape[0] = QStringLiteral(
        "* O Hidrograma pode apresentar intervalos não regulares na escala de tempo.");
    std::size_t dias = 0;
    for (const RegistroMensal* r : meses)
        dias += static_cast<std::size_t>(r->nDias());
    h.pontos.reserve(dias + dias / 8);
    double x = 0;
    bool faltou = false;
    for (const RegistroMensal* r : meses) {
        const int n = r->nDias();
        for (int d = 0; d < n; ++d) {
            const QDate dia = r->data.addDays(d);
            // The line resumes at the first flow after a gap: a point at zero there would draw a
            // stroke up from a dry river that never was.
            if (const auto& v = r->vazao[static_cast<std::size_t>(d)]) {
                x += 1;
                h.pontos.push_back({x, *v, dia});
            } else {
                h.pontos.push_back({x, std::nullopt, dia});
                x += 1;
                h.pontos.push_back({x, std::nullopt, dia});
                faltou = true;
            }
        }
    }
    if (faltou) h.rodape[1] = QString::fromUtf8(avisoZero);
    h.dias = x;
    if (limites.superior > limites.inferior && limites.superior > 0) h.limites = limites;
}

} // namespace

std::vector<EntradaHidrografa> listaHidrografas(const SerieTabela& serie) {
    std::vector<EntradaHidrografa> lista{{QString::fromUtf8(kHidrografaCompleta), std::nullopt}};
    if (serie.vazia()) return lista;
    int primeiro = serie[0].ano(), ultimo = primeiro;
    for (qsizetype i = 0; i < serie.tamanho(); ++i) {
        primeiro = std::min(primeiro, serie[i].ano());
        ultimo = std::max(ultimo, serie[i].ano());
    }
    for (int a = primeiro; a <= ultimo; ++a)
        lista.push_back({QString::number(a), a});
    return lista;
}

Hidrograma hidrogramaAnual(const SerieTabela& serie, int ano, const LimitesCurvaChave& limites) {
    std::vector<const RegistroMensal*> meses = emOrdemDeData(serie);
    Hidrograma h;
    h.titulo = {QStringLiteral("Hidrógrafa anual"), estacao(meses), QString::number(ano)};
    std::erase_if(meses, [ano](const RegistroMensal* r) { return r->ano() != ano; });
    tracar(h, meses, limites,
           "** Valores iguais a zero podem corresponder a inexistência de dados na série "
           "original.");
    return h;
}

Hidrograma hidrogramaCompleto(const SerieTabela& serie, const LimitesCurvaChave& limites) {
    const std::vector<const RegistroMensal*> meses = emOrdemDeData(serie);
    Hidrograma h;
    h.titulo = {QStringLiteral("Hidrógrafa completa "), estacao(meses), QString()};
    tracar(h, meses, limites,
           "** Valores iguais a zero podem corresponder à inexistência de dados na série "
           "original.");
    return h;
}

std::vector<TrechoHidrograma> trechosHidrograma(const Hidrograma& h, double juntarAbaixoDe) {
    std::vector<TrechoHidrograma> trechos;
    bool aberto = false;
    for (const PontoHidrograma& p : h.pontos) {
        if (!p.vazao) {
            aberto = false;
            continue;
        }
        if (!aberto && (trechos.empty() || p.x - trechos.back().x.back() >= juntarAbaixoDe))
            trechos.emplace_back();
        aberto = true;
        trechos.back().x.push_back(p.x);
        trechos.back().vazao.push_back(*p.vazao);
    }
    return trechos;
}

std::vector<std::pair<double, QString>> rotulosDias(const Hidrograma& h, std::size_t maximo) {
    std::vector<std::pair<double, QString>> rotulos;
    if (h.pontos.empty() || maximo == 0) return rotulos;
    // Positions run from the first point's x to `dias`, one a day.
    const double primeiro = h.pontos.front().x;
    const auto posicoes = static_cast<std::size_t>(h.dias - primeiro) + 1;
    const std::size_t passo = (posicoes + maximo - 1) / maximo;
    double proximo = primeiro;
    for (const PontoHidrograma& p : h.pontos) {
        if (p.x < proximo) continue;
        rotulos.emplace_back(p.x, rotuloDia(p.dia));
        proximo = p.x + static_cast<double>(passo);
    }
    return rotulos;
}

QString rotuloDia(QDate dia) {
    return QString::number(dia.day()) + u'/' + QString::number(dia.month()) + u'/' +
           QString::number(dia.year());
}

QString textoLimites(const LimitesCurvaChave& limites) {
    if (!(limites.superior > 0)) return {};
    return QStringLiteral("Curva-chave:    Limite superior = ") +
           formatarNumero(limites.superior, u"0.00") + QStringLiteral(";    Limite inferior = ") +
           formatarNumero(limites.inferior, u"0.00");
}

std::optional<QChar> teclaCurvaChave(QChar tecla) {
    if (tecla == u'.' || tecla == u',') return QChar(u',');
    if ((tecla >= u'0' && tecla <= u'9') || tecla == u'\b') return tecla;
    return std::nullopt;
}

QString textoLimite(double valor) {
    return formatarGeral(valor);
}

RespostaCurvaChave confirmarCurvaChave(QStringView superior, QStringView inferior,
                                       const LimitesCurvaChave& anteriores) {
    LimitesCurvaChave novos;
    try {
        // A point pasted in stands for the decimal comma, as when typed.
        novos.superior = lerReal(superior.toString().replace(u'.', u','));
        novos.inferior = lerReal(inferior.toString().replace(u'.', u','));
    } catch (const ErroConversao&) {
        return {LimitesCurvaChave{}, false, std::nullopt};
    }
    if (novos.validos()) return {novos, true, std::nullopt};
    return {anteriores, false,
            Mensagem{Gravidade::Erro, QString::fromUtf8(kMsgCurvaChaveInvalida) + kQuebraLinha +
                                          QStringLiteral("O limite superior deve ser maior que o "
                                                         "limite inferior.")}};
}

} // namespace corvel
