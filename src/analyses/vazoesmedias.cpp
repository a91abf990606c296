// Annual, monthly and long-term mean flows.
#include "vazoesmedias.h"

#include "core/erros.h"
#include "core/formato.h"

namespace corvel {

namespace {

int lerAno(const QString& texto) {
    const long long ano = lerInteiro(texto);
    if (ano < 1 || ano > 9999) // beyond this a calendar year means nothing to a gauge record
        throw ErroConversao(texto);
    return static_cast<int>(ano);
}

} // namespace

QString MediaAnual::textoAno() const {
    const QString t =
        anoHidrologico ? QStringLiteral("%1/%2").arg(ano).arg(ano + 1) : QString::number(ano);
    return parcial ? t + u'*' : t;
}
QString MediaAnual::textoMedia(Digitos digitos) const {
    return media ? formatarVazao(*media, u"0.00", digitos) : QStringLiteral("-");
}
QString MediaAnual::textoDias() const {
    return QString::number(diasValidos);
}
QString MediaAnual::textoSinalizados() const {
    return QString::number(sinais.sinalizados);
}

AnosCalculo lerAnosCalculo(const QString& anoInicio, const QString& anoFim) {
    const QString a = anoInicio.trimmed(), b = anoFim.trimmed();
    if (a.isEmpty() || b.isEmpty())
        throw Erro(QStringLiteral("\"Ano Início\" ou \"Ano Fim\" não definidos."));
    AnosCalculo anos;
    try {
        anos = {lerAno(a), lerAno(b)};
    } catch (const ErroConversao&) {
        throw Erro(QStringLiteral("Valor inválido para \"Ano Início\" ou \"Ano Fim\""));
    }
    if (anos.fim - anos.inicio < 0)
        throw Erro(QStringLiteral("\"Ano Fim\" deve ser maior ou igual ao \"Ano Início\"."));
    return anos;
}

std::vector<MediaAnual> CalculaMediaAnual(const SerieTabela& considerados, int s, int anoInicio,
                                          int anoFim) {
    std::vector<MediaAnual> linhas;
    if (considerados.vazia()) return linhas;
    const qint32 estacao = considerados[0].estacaoCodigo;
    const QDate primeiroMes = considerados[0].data;
    const QDate ultimoMes = considerados[considerados.tamanho() - 1].data;
    int primeiro = anoInicio;
    for (qsizetype i = 0; i < considerados.tamanho(); ++i) {
        const QDate d = considerados[i].data;
        if (d.year() < anoInicio) continue;
        if (d.year() == anoInicio && d.month() < s) primeiro = anoInicio - 1;
        break;
    }
    for (int ano = primeiro; ano <= anoFim; ++ano) {
        MediaAnual l;
        l.ano = ano;
        l.anoHidrologico = s >= 2;
        const QDate primeiroDoAno(ano, s, 1), ultimoDoAno = QDate(ano + 1, s, 1).addMonths(-1);
        l.parcial = primeiroDoAno <= ultimoMes && ultimoDoAno >= primeiroMes &&
                    (primeiroDoAno < primeiroMes || ultimoDoAno > ultimoMes);
        double soma = 0;
        const QDate inicio(ano, s, 1);
        for (int k = 0; k < 12; ++k) {
            const QDate mes = inicio.addMonths(k);
            const qsizetype i = considerados.localizar(mes);
            if (i < 0 || considerados[i].estacaoCodigo != estacao)
                continue; // an absent month adds nothing
            const RegistroMensal& r = considerados[i];
            const int nDias = r.nDias(); // a calendar computation: once per month
            for (int d = 0; d < nDias; ++d)
                if (const auto& v = r.vazao[static_cast<std::size_t>(d)]) {
                    soma += *v;
                    ++l.diasValidos;
                    r.contarSinais(d, l.sinais);
                }
        }
        if (l.diasValidos > 0) l.media = soma / l.diasValidos;
        linhas.push_back(l);
    }
    return linhas;
}

QString MediaMensal::textoMes() const {
    return rotuloMes(mes);
}
QString MediaMensal::textoMedia(Digitos digitos) const {
    return media ? formatarVazao(*media, u"0.##", digitos) : QString();
}
QString MediaMensal::textoDias() const {
    return QString::number(diasValidos);
}

QString MediaMensalLongaDuracao::textoMes() const {
    return nomeMes(mes);
}
QString MediaMensalLongaDuracao::textoMedia(FormaTexto forma) const {
    if (!media) return {};
    switch (forma) {
    case FormaTexto::Csv:
        return formatarGeral(*media);
    case FormaTexto::CsvTodosOsDigitos:
        return formatarCompleto(*media);
    case FormaTexto::Grade:
        break;
    }
    return formatarVazao(*media, u"0.00");
}
QString MediaMensalLongaDuracao::textoNMeses() const {
    return QString::number(nMeses);
}

MediasMensais MediaAnualDeLongaDuracao(const SerieTabela& considerados) {
    MediasMensais r;
    std::array<double, 12> somas{};
    r.meses.reserve(static_cast<std::size_t>(considerados.tamanho()));
    for (qsizetype i = 0; i < considerados.tamanho(); ++i) {
        const RegistroMensal& reg = considerados[i];
        MediaMensal m;
        m.mes = reg.data;
        double soma = 0;
        for (const auto& v : reg.vazao)
            if (v) {
                soma += *v;
                ++m.diasValidos;
            }
        if (m.diasValidos > 0) {
            m.media = soma / m.diasValidos;
            const auto k = static_cast<std::size_t>(reg.data.month() - 1);
            somas[k] += *m.media; // the unrounded mean, not its "0.##" text
            ++r.longaDuracao[k].nMeses;
        }
        r.meses.push_back(m);
    }
    for (std::size_t k = 0; k < 12; ++k) {
        MediaMensalLongaDuracao& l = r.longaDuracao[k];
        l.mes = static_cast<int>(k) + 1;
        if (l.nMeses > 0) l.media = somas[k] / l.nMeses;
    }
    return r;
}

std::optional<double> VazaoMediaLongaDuracao(const SerieTabela& considerados, int anoInicio,
                                             int anoFim) {
    if (considerados.vazia()) return std::nullopt;
    const qint32 estacao = considerados[0].estacaoCodigo;
    double soma = 0;
    long long dias = 0;
    for (qsizetype i = 0; i < considerados.tamanho(); ++i) {
        const RegistroMensal& r = considerados[i];
        if (r.estacaoCodigo != estacao || r.data.year() < anoInicio || r.data.year() > anoFim)
            continue;
        const int nDias = r.nDias();
        for (int d = 0; d < nDias; ++d)
            if (const auto& v = r.vazao[static_cast<std::size_t>(d)]) {
                soma += *v;
                ++dias;
            }
    }
    if (dias == 0) return std::nullopt;
    return soma / static_cast<double>(dias);
}

QString textoVazaoMediaLongaDuracao(std::optional<double> vazao) {
    const QString rotulo = QStringLiteral("Vazão média de longa duração: ");
    if (!vazao) return rotulo + u'-';
    return rotulo + formatarVazao(*vazao, u"0.0000") + QStringLiteral(" m³/s");
}

VazoesMedias CalculaVazoesMedias(const SerieTabela& considerados, int s, int anoInicio,
                                 int anoFim) {
    VazoesMedias r;
    r.anuais = CalculaMediaAnual(considerados, s, anoInicio, anoFim);
    r.mensais = MediaAnualDeLongaDuracao(considerados);
    r.longaDuracao = VazaoMediaLongaDuracao(considerados, anoInicio, anoFim);
    r.linhaLongaDuracao = textoVazaoMediaLongaDuracao(r.longaDuracao);
    return r;
}

} // namespace corvel
