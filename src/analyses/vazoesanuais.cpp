// Annual minimum and maximum flows.
#include "vazoesanuais.h"

#include "filacircular.h"

#include "core/formato.h"
#include "core/projeto.h"

#include <algorithm>

namespace corvel {

SerieTabela lerMesesConsiderados(const QString& arquivoProjeto) {
    return mesesConsiderados(lerArquivoProjeto(arquivoProjeto));
}

SerieTabela mesesConsiderados(const SerieTabela& serie) {
    SerieTabela considerados;
    considerados.esvaziar();
    for (const RegistroMensal& m : serie.armazenados())
        if (m.vazao01Status == kConsiderado) considerados.acrescentarProgramatico(m);
    considerados.definirInsercao(true);
    considerados.indice();
    return considerados;
}

namespace {
// Months of [first day of month g of Y, first day of month g of Y + 1), in date order. The years
// are asked for in order, so one cursor walks the series once.
class MesesPorAno {
  public:
    MesesPorAno(const SerieTabela& s, int g) : s_(s), g_(g) {}
    std::vector<const RegistroMensal*> ano(int ano) {
        const QDate de(ano, g_, 1), ate(ano + 1, g_, 1);
        while (i_ < s_.tamanho() && s_[i_].data < de)
            ++i_;
        std::vector<const RegistroMensal*> r;
        for (; i_ < s_.tamanho() && s_[i_].data < ate; ++i_)
            r.push_back(&s_[i_]);
        return r;
    }

  private:
    const SerieTabela& s_;
    int g_;
    qsizetype i_ = 0;
};
} // namespace

QString MinimaAnual::textoAno() const {
    return QStringLiteral("%1/%2").arg(ano).arg(ano + 1);
}
QString MinimaAnual::textoInicio() const {
    return minima ? formatarData(inicio) : QString();
}
QString MinimaAnual::textoMinima(Digitos digitos) const {
    if (!temMeses) return QStringLiteral("-");
    return minima ? formatarVazao(*minima, u"0.00", digitos) : QStringLiteral(" - ");
}
QString MinimaAnual::textoDias() const {
    return QString::number(diasValidos);
}
QString MinimaAnual::textoSinalizados() const {
    return minima ? QString::number(sinais.sinalizados) : QString();
}

std::vector<MinimaAnual> CalculaMinimaAnual(const SerieTabela& considerados, int g, int duracao) {
    std::vector<MinimaAnual> linhas;
    if (considerados.vazia()) return linhas;
    const int primeiro = considerados[0].data.year();
    const int ultimo = considerados[considerados.tamanho() - 1].data.year();
    TFilaCircular janela(duracao);
    MesesPorAno porAno(considerados, g);
    for (int ano = primeiro; ano <= ultimo; ++ano) {
        MinimaAnual l;
        l.ano = ano;
        const auto meses = porAno.ano(ano);
        l.temMeses = !meses.empty();
        janela.reiniciar(); // a window never spans two hydrological years
        for (const RegistroMensal* m : meses) {
            for (int d = 0; d < m->nDias(); ++d) {
                const auto& v = m->vazao[static_cast<std::size_t>(d)];
                if (!v) {
                    janela.reiniciar(); // a missing day breaks the window
                    continue;
                }
                ++l.diasValidos;
                janela.inserir(*v, m->data.addDays(d), m->sinalizacoes(d));
                // The first full window sets the minimum, whatever its size: a fixed starting value
                // would hide every year of a river that never runs that low.
                if (janela.cheia()) {
                    const double media = janela.media();
                    if (!l.minima || media < *l.minima) {
                        l.minima = media;
                        l.inicio = janela.dataInicial();
                        l.sinais = janela.sinais();
                    }
                }
            }
        }
        linhas.push_back(l);
    }
    return linhas;
}

QString MaximaAnual::textoAno() const {
    return anoHidrologico ? QStringLiteral("%1/%2").arg(ano).arg(ano + 1) : QString::number(ano);
}
QString MaximaAnual::textoData() const {
    return maxima ? formatarData(data) : QString();
}
QString MaximaAnual::textoMaxima(Digitos digitos) const {
    return maxima ? formatarVazao(*maxima, u"0.00", digitos) : QString();
}
QString MaximaAnual::textoDias() const {
    return QString::number(diasValidos);
}
QString MaximaAnual::textoSinalizados() const {
    return maxima ? QString::number(sinais.sinalizados) : QString();
}

std::vector<MaximaAnual> CalculaMaximaAnual(const SerieTabela& considerados, int s, int anoInicio,
                                            int anoFim) {
    std::vector<MaximaAnual> linhas;
    const qint32 estacao = considerados.vazia() ? 0 : considerados[0].estacaoCodigo;
    for (int ano = anoInicio; ano <= anoFim; ++ano) {
        MaximaAnual l;
        l.ano = ano;
        l.anoHidrologico = s >= 2;
        const QDate inicio(ano, s, 1);
        // Every day of the hydrological year, 365 or 366 of them, in order; a missing or absent
        // day is never a maximum.
        int indice = 0;
        double maior = 0;
        for (int k = 0; k < 12; ++k) {
            const QDate mes = inicio.addMonths(k);
            const qsizetype i = considerados.localizar(mes);
            const RegistroMensal* r =
                i >= 0 && considerados[i].estacaoCodigo == estacao ? &considerados[i] : nullptr;
            for (int d = 0; d < mes.daysInMonth(); ++d, ++indice) {
                const std::optional<double> v =
                    r ? r->vazao[static_cast<std::size_t>(d)] : std::nullopt;
                if (!v) continue;
                ++l.diasValidos;
                if (*v > maior) { // strictly greater: the earliest day wins a tie
                    maior = *v;
                    l.maxima = *v;
                    l.data = inicio.addDays(indice);
                    l.sinais = {};
                    r->contarSinais(d, l.sinais);
                }
            }
        }
        linhas.push_back(l);
    }
    return linhas;
}

} // namespace corvel
