// Year listing: sums of each hydrological year's months and the failure-report counters.
#include "listagem.h"

#include "core/formato.h"

#include <algorithm>

namespace corvel {

int inicioValido(int inicioAnoHidrologico) {
    return inicioAnoHidrologico >= 1 && inicioAnoHidrologico <= 12 ? inicioAnoHidrologico : 1;
}

QDate inicioDoAno(int ano, int inicioAnoHidrologico) {
    return QDate(ano, inicioValido(inicioAnoHidrologico), 1);
}

int anoHidrologicoDe(QDate mes, int inicioAnoHidrologico) {
    return mes.month() >= inicioValido(inicioAnoHidrologico) ? mes.year() : mes.year() - 1;
}

namespace {

struct Somas {
    int validos = 0, nullos = 0, dias = 0;
    int meses = 0, descartados = 0, comFalhas = 0, semDados = 0;
};

} // namespace

ListagemAnual listarAnos(const SerieTabela& serie, int inicioAnoHidrologico) {
    ListagemAnual l;
    const auto& registros = serie.armazenados();
    if (registros.empty()) return l;
    const int g = inicioValido(inicioAnoHidrologico);
    const auto [primeiro, ultimo] = std::minmax_element(
        registros.begin(), registros.end(),
        [](const RegistroMensal& a, const RegistroMensal& b) { return a.data < b.data; });
    const int y0 = primeiro->data.year();
    const int y1 = ultimo->data.year() - (g != 1 ? 1 : 0);
    if (y1 < y0) return l;

    std::vector<Somas> somas(static_cast<std::size_t>(y1 - y0 + 1));
    for (const RegistroMensal& r : registros) {
        const int ano = anoHidrologicoDe(r.data, g);
        if (ano < y0 || ano > y1) continue;
        Somas& s = somas[static_cast<std::size_t>(ano - y0)];
        const int dias = r.nDias();
        const int validos = r.validos();
        const int porcentagem = (dias - validos) * 100 / dias; // the month's `Media`
        s.validos += validos;
        s.nullos += dias - validos;
        s.dias += dias;
        ++s.meses;
        s.descartados += r.vazao01Status == kDescartado ? 1 : 0;
        s.comFalhas += porcentagem != 0 ? 1 : 0;
        s.semDados += porcentagem == 100 ? 1 : 0;
    }

    ContadoresFalhas& c = l.contadores;
    c.anosAnalisados = y1 - y0 + 1;
    l.anos.reserve(somas.size());
    for (int ano = y0; ano <= y1; ++ano) {
        const Somas& s = somas[static_cast<std::size_t>(ano - y0)];
        if (s.dias == 0) {
            l.anosComErro.push_back(ano);
            continue;
        }
        LinhaAnual linha;
        linha.ano = ano;
        linha.anoh =
            g == 1 ? QString::number(ano) : QString::number(ano) + u'/' + QString::number(ano + 1);
        linha.nreg = s.validos;
        linha.nulos = s.nullos;
        linha.porcentagemAnualNulos = 100.0 * s.nullos / s.dias;
        linha.pNulos = formatarNumero(linha.porcentagemAnualNulos, u"00.0") + u'%';
        linha.descartar = s.descartados == 12 ? kDescartado : kConsiderado;
        l.anos.push_back(linha);

        c.mesesAnalisados += s.meses;
        c.mesesComFalhas += s.comFalhas;
        c.mesesSemDados += s.semDados;
        c.mesesDescartados += s.descartados;
        if (s.validos != s.dias)
            ++c.anosComFalhas;
        else
            ++c.anosCompletos;
        if (s.validos == 0) ++c.anosSemDados;
        if (linha.descartar == kDescartado) ++c.anosDescartados;
    }
    return l;
}

} // namespace corvel
