// Pre-processing steps on the workbench state.
#include "preprocessamento.h"

#include "regras.h"

namespace corvel {

void aplicarRegra(Bancada& bancada, const Regra& regra, const Andamento& andamento) {
    SerieTabela& s = bancada.serie;
    const int g = bancada.inicioAnoHidrologico;
    switch (regra.tipo) {
    case Regra::SerieOriginal:
        serieOriginal(s, g, andamento);
        break;
    case Regra::AnosComFalhas:
        descartarAnosComFalhas(s, g, andamento);
        break;
    case Regra::MesesComFalhas:
        descartarMesesComFalhas(s, andamento);
        break;
    case Regra::PercentualMensal:
        descartarMesesPorPercentual(s, regra.percentual, andamento);
        break;
    case Regra::PercentualAnual:
        descartarAnosPorPercentual(s, g, regra.percentual, andamento);
        break;
    }
}

RegraVigente atualizarNota(Bancada& bancada) {
    RegraVigente r = regraVigente(bancada.serie);
    bancada.linhasCabecalho[5] = r.nota;
    return r;
}

Informacoes informacoes(Bancada& bancada) {
    Informacoes i;
    i.listagem = listarAnos(bancada.serie, bancada.inicioAnoHidrologico);
    i.regra = atualizarNota(bancada);
    i.texto = textoInformacao(bancada.linhasCabecalho, i.listagem.contadores,
                              bancada.inicioAnoHidrologico);
    return i;
}

void mudarInicioAnoHidrologico(Bancada& bancada, int mes, const Andamento& andamento) {
    bancada.inicioAnoHidrologico = mes;
    bancada.linhasCabecalho[3] = linhaInicioAno(mes);
    serieOriginal(bancada.serie, mes, andamento);
}

void fecharPreProcessamento(Bancada& bancada) {
    bancada.mesesDescartados = bancada.serie.temDescartados();
    descarteBordas(bancada.serie, bancada.inicioAnoHidrologico);
}

} // namespace corvel
