// Tables and report of the stationarity tests.
#include "tabelasestacionariedade.h"

#include "core/formato.h"

namespace corvel {

std::vector<QString> titulosEstacionariedade() {
    return {QStringLiteral("Período"),      QStringLiteral("H0 (Variância)"),
            QStringLiteral("H0 (Média)"),   QStringLiteral("s² (Série A)"),
            QStringLiteral("s² (Série B)"), QStringLiteral("Xm (Série A)"),
            QStringLiteral("Xm (Série B)")};
}

std::vector<std::vector<QString>>
linhasEstacionariedade(std::span<const LinhaEstacionariedade> linhas) {
    std::vector<std::vector<QString>> r;
    for (const LinhaEstacionariedade& l : linhas) {
        std::vector<QString> t = {l.periodo, textoHipotese(l.variancias), textoHipotese(l.medias)};
        for (double v : {l.varianciaA, l.varianciaB, l.mediaA, l.mediaB})
            t.push_back(formatarNumero(v, u"0.0000"));
        r.push_back(std::move(t));
    }
    return r;
}

TabelaExibida tabelaEntradaEstacionariedade(std::span<const DadoEntrada> dados) {
    TabelaExibida t;
    t.colunas = {{QStringLiteral("Data"), TipoCampo::Texto},
                 {QStringLiteral("Vazão (m³/s)"), TipoCampo::Real}};
    for (const DadoEntrada& d : dados)
        t.linhas.push_back({d.rotulo, d.valor ? Valor(*d.valor) : Valor()});
    return t;
}

TabelaExibida tabelaResultadosEstacionariedade(std::span<const LinhaEstacionariedade> linhas) {
    TabelaExibida t;
    const std::vector<QString> titulos = titulosEstacionariedade();
    for (std::size_t c = 0; c < titulos.size(); ++c)
        t.colunas.push_back({titulos[c], c < 3 ? TipoCampo::Texto : TipoCampo::Real});
    for (const LinhaEstacionariedade& l : linhas)
        t.linhas.push_back({l.periodo, textoHipotese(l.variancias), textoHipotese(l.medias),
                            l.varianciaA, l.varianciaB, l.mediaA, l.mediaB});
    return t;
}

relatorio::Relatorio relatorioEstacionariedade(std::span<const LinhaEstacionariedade> linhas,
                                               const QString& tecnico, const QString& estacao,
                                               const QString& tipo) {
    relatorio::Relatorio r;
    r.titulo = QStringLiteral("RELATÓRIO ESTACIONARIEDADE");
    r.cabecalho = {QStringLiteral("Técnico responsável: ") + tecnico,
                   QStringLiteral("Estação: ") + estacao, QStringLiteral("Tipo análise: ") + tipo};
    r.colunas = {{QStringLiteral("Período"), Qt::AlignLeft | Qt::AlignVCenter},
                 {QStringLiteral("H0 (Variância)"), Qt::AlignCenter},
                 {QStringLiteral("H0 (Média)"), Qt::AlignCenter},
                 {QStringLiteral("S² (Série A)")},
                 {QStringLiteral("S² (Série B)")},
                 {QStringLiteral("Xm (Série A)")},
                 {QStringLiteral("Xm (Série B)")}};
    r.linhas = linhasEstacionariedade(linhas);
    r.notas = {QStringLiteral(
        "Onde H0 (Variância) => As variâncias das séries são iguais ao nível de significância, H0 "
        "(Média) => As médias das séries são iguais ao nível de significância, S² é a variância e "
        "Xm "
        "é a média")};
    r.rotuloPagina = QStringLiteral("Página : ");
    r.programa = QString::fromLatin1(kNomeProduto);
    return r;
}

} // namespace corvel
