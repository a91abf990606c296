// Visible columns of the series for the spreadsheet export.
#include "planilhaserie.h"

namespace corvel {

TabelaExibida tabelaExibidaDaSerie(const SerieTabela& serie, bool mesesDescartados,
                                   bool situacaoVisivel) {
    TabelaExibida t;
    t.colunas.push_back({QStringLiteral("Mês"), TipoCampo::Texto});
    for (int d = 1; d <= kDiasRegistro; ++d)
        t.colunas.push_back({QStringLiteral("Dia %1").arg(d, 2, 10, QLatin1Char('0')), TipoCampo::Real});
    if (situacaoVisivel)
        t.colunas.push_back({QStringLiteral("Situação"), TipoCampo::Texto});
    t.linhas.reserve(static_cast<std::size_t>(serie.tamanho()));
    for (qsizetype i = 0; i < serie.tamanho(); ++i) {
        const RegistroMensal& r = serie[i];
        std::vector<Valor> linha;
        linha.reserve(t.colunas.size());
        linha.emplace_back(r.mes());
        for (const auto& v : r.vazao) {
            if (v)
                linha.emplace_back(*v);
            else
                linha.emplace_back(std::monostate{});
        }
        if (situacaoVisivel)
            linha.emplace_back(r.situacao(mesesDescartados));
        t.linhas.push_back(std::move(linha));
    }
    return t;
}

} // namespace corvel
