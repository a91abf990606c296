// Texts of the mean-flow tables, reports and stationarity hand-over.
#include "tabelasmedias.h"

#include "core/tabelaserie.h"

#include "core/formato.h"

namespace corvel {

namespace {

const QString kDiasValidos = QStringLiteral("Dias válidos");
const QString kVazaoMedia = QStringLiteral("Vazão Média(m³/s)");

LinhasTexto linhasAnuais(const std::vector<MediaAnual>& anuais) {
    LinhasTexto r;
    r.reserve(anuais.size());
    for (const MediaAnual& l : anuais)
        r.push_back({l.textoAno(), l.textoMedia(), l.textoDias()});
    return r;
}

LinhasTexto linhasMensais(const std::vector<MediaMensal>& mensais) {
    LinhasTexto r;
    r.reserve(mensais.size());
    for (const MediaMensal& m : mensais)
        r.push_back({m.textoMes(), m.textoMedia(), m.textoDias()});
    return r;
}

LinhasTexto linhasLongaDuracao(const std::array<MediaMensalLongaDuracao, 12>& ld, bool geral) {
    LinhasTexto r;
    for (const MediaMensalLongaDuracao& l : ld)
        r.push_back({l.textoMes(), l.textoMedia(geral), l.textoNMeses()});
    return r;
}

} // namespace

TabelaExibida dadosEntradaMedias(const SerieTabela& considerados) {
    return tabelaDaSerie(considerados, {QStringLiteral("Falhas(%)"), false});
}

TabelaTexto tabelaDadosMedias(const SerieTabela& considerados) {
    const TabelaExibida t = dadosEntradaMedias(considerados);
    return {{}, rotulos(t), textos(t)};
}

TabelaTexto tabelaMediasAnuais(const std::vector<MediaAnual>& anuais) {
    return {
        {}, {QStringLiteral("Ano"), QStringLiteral("Média"), kDiasValidos}, linhasAnuais(anuais)};
}

TabelaTexto tabelaMediasMensais(const std::vector<MediaMensal>& mensais) {
    return {{},
            {QStringLiteral("Mês"), QStringLiteral("Vazões médias"), kDiasValidos},
            linhasMensais(mensais)};
}

TabelaTexto tabelaMediasLongaDuracao(const std::array<MediaMensalLongaDuracao, 12>& longaDuracao,
                                     FormaTexto forma) {
    return {{},
            {QStringLiteral("Mês"), QStringLiteral("Media Mensal de longa duração"),
             QStringLiteral("Nº de meses considerados")},
            linhasLongaDuracao(longaDuracao, forma == FormaTexto::Csv)};
}

TabelaExibida
planilhaMediasLongaDuracao(const std::array<MediaMensalLongaDuracao, 12>& longaDuracao) {
    const TabelaTexto textos = tabelaMediasLongaDuracao(longaDuracao, FormaTexto::Csv);
    TabelaExibida t;
    t.colunas = {{textos.titulos[0], TipoCampo::Texto},
                 {textos.titulos[1], TipoCampo::Real},
                 {textos.titulos[2], TipoCampo::Inteiro}};
    for (const MediaMensalLongaDuracao& l : longaDuracao)
        t.linhas.push_back({l.textoMes(), l.media ? Valor(*l.media) : Valor(),
                            Valor(static_cast<qint64>(l.nMeses))});
    return t;
}

RelatorioTexto relatorioMediasAnuais(const std::vector<MediaAnual>& anuais) {
    return {QStringLiteral("Vazões médias anuais"),
            {QStringLiteral("Ano"), kVazaoMedia, kDiasValidos},
            linhasAnuais(anuais)};
}

RelatorioTexto relatorioMediasMensais(const std::vector<MediaMensal>& mensais) {
    return {QStringLiteral("Vazões médias mensais"),
            {QStringLiteral("Ano"), kVazaoMedia, kDiasValidos},
            linhasMensais(mensais)};
}

RelatorioTexto
relatorioMediasLongaDuracao(const std::array<MediaMensalLongaDuracao, 12>& longaDuracao) {
    return {QStringLiteral("Vazões médias mensais de longa duração"),
            {QStringLiteral("Mês"), kVazaoMedia, QStringLiteral("Meses considerados")},
            linhasLongaDuracao(longaDuracao, false)};
}

LinhaRotulada linhaRelatorioLongaDuracao(const QString& linha) {
    return {linha.left(29), linha.mid(29)};
}

EntregaEstacionariedade entregaMediasAnuais(const std::vector<MediaAnual>& anuais) {
    EntregaEstacionariedade e;
    e.legenda = QStringLiteral("Estacionariedade (Série de médias anuais)");
    e.periodoMinimo = QStringLiteral("5 anos");
    for (const MediaAnual& l : anuais) {
        if (!l.media) continue;
        const QString ano = QString::number(l.ano);
        e.entradas.push_back(
            {QStringLiteral("1/1/") + ano, l.textoAno(), lerReal(l.textoMedia()), ano});
    }
    const int n = static_cast<int>(e.entradas.size());
    const int meio = (n - 1) / 2;
    e.selecao = {0, n - 1, 0, meio, meio + 1, n - 1};
    return e;
}

} // namespace corvel
