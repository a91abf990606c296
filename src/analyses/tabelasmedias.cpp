// Texts of the mean-flow tables, reports and stationarity hand-over.
#include "tabelasmedias.h"

#include "core/tabelaserie.h"

#include "core/formato.h"

#include <algorithm>

namespace corvel {

namespace {

const QString kDiasValidos = QStringLiteral("Dias válidos");
const QString kDiasSinalizados = QStringLiteral("Dias sinalizados");
const QString kVazaoMedia = QStringLiteral("Vazão Média(m³/s)");

LinhasTexto linhasAnuais(const std::vector<MediaAnual>& anuais, Digitos digitos) {
    LinhasTexto r;
    r.reserve(anuais.size());
    for (const MediaAnual& l : anuais)
        r.push_back({l.textoAno(), l.textoMedia(digitos), l.textoDias(), l.textoSinalizados()});
    return r;
}

LinhasTexto linhasMensais(const std::vector<MediaMensal>& mensais, Digitos digitos) {
    LinhasTexto r;
    r.reserve(mensais.size());
    for (const MediaMensal& m : mensais)
        r.push_back({m.textoMes(), m.textoMedia(digitos), m.textoDias()});
    return r;
}

LinhasTexto linhasLongaDuracao(const std::array<MediaMensalLongaDuracao, 12>& ld,
                               FormaTexto forma) {
    LinhasTexto r;
    for (const MediaMensalLongaDuracao& l : ld)
        r.push_back({l.textoMes(), l.textoMedia(forma), l.textoNMeses()});
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

TabelaTexto tabelaMediasAnuais(const std::vector<MediaAnual>& anuais, Digitos digitos) {
    return {{},
            {QStringLiteral("Ano"), QStringLiteral("Média"), kDiasValidos, kDiasSinalizados},
            linhasAnuais(anuais, digitos)};
}

std::vector<QString> notasMediasAnuais(const std::vector<MediaAnual>& anuais) {
    if (std::none_of(anuais.begin(), anuais.end(), [](const MediaAnual& l) { return l.parcial; }))
        return {};
    return {QString::fromUtf8(kNotaAnoParcial)};
}

TabelaTexto tabelaMediasMensais(const std::vector<MediaMensal>& mensais, Digitos digitos) {
    return {{},
            {QStringLiteral("Mês"), QStringLiteral("Vazões médias"), kDiasValidos},
            linhasMensais(mensais, digitos)};
}

TabelaTexto tabelaMediasLongaDuracao(const std::array<MediaMensalLongaDuracao, 12>& longaDuracao,
                                     FormaTexto forma) {
    return {{},
            {QStringLiteral("Mês"), QStringLiteral("Media Mensal de longa duração"),
             QStringLiteral("Nº de meses considerados")},
            linhasLongaDuracao(longaDuracao, forma)};
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
            {QStringLiteral("Ano"), kVazaoMedia, kDiasValidos, kDiasSinalizados},
            linhasAnuais(anuais, Digitos::Exibicao),
            notasMediasAnuais(anuais)};
}

RelatorioTexto relatorioMediasMensais(const std::vector<MediaMensal>& mensais) {
    return {QStringLiteral("Vazões médias mensais"),
            {QStringLiteral("Ano"), kVazaoMedia, kDiasValidos},
            linhasMensais(mensais, Digitos::Exibicao)};
}

RelatorioTexto
relatorioMediasLongaDuracao(const std::array<MediaMensalLongaDuracao, 12>& longaDuracao) {
    return {QStringLiteral("Vazões médias mensais de longa duração"),
            {QStringLiteral("Mês"), kVazaoMedia, QStringLiteral("Meses considerados")},
            linhasLongaDuracao(longaDuracao, FormaTexto::Grade)};
}

LinhaRotulada linhaRelatorioLongaDuracao(const QString& linha) {
    return {linha.left(29), linha.mid(29)};
}

EntregaEstacionariedade entregaMediasAnuais(const std::vector<MediaAnual>& anuais) {
    EntregaEstacionariedade e;
    e.legenda = QStringLiteral("Estacionariedade (Série de médias anuais)");
    e.periodoMinimo = QStringLiteral("5 anos");
    for (const MediaAnual& l : anuais) {
        // A partial year's mean holds only some seasons: no sample of a homogeneity test.
        if (!l.media || l.parcial) continue;
        const QString ano = QString::number(l.ano);
        e.entradas.push_back(
            {QStringLiteral("1/1/") + ano, l.textoAno(), *l.media, ano});
    }
    const int n = static_cast<int>(e.entradas.size());
    const int meio = (n - 1) / 2;
    e.selecao = {0, n - 1, 0, meio, meio + 1, n - 1};
    return e;
}

} // namespace corvel
