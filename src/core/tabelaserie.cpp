// Monthly records as table rows.
#include "tabelaserie.h"

namespace corvel {

TabelaExibida tabelaDaSerie(const SerieTabela& serie, const ColunasDaSerie& c) {
    TabelaExibida t;
    t.colunas.push_back({QStringLiteral("Mês"), TipoCampo::Texto});
    if (!c.falhas.isEmpty()) t.colunas.push_back({c.falhas, TipoCampo::Real});
    for (int d = 1; d <= kDiasRegistro; ++d)
        t.colunas.push_back({c.diasComDoisDigitos
                                 ? QStringLiteral("Dia %1").arg(d, 2, 10, QLatin1Char('0'))
                                 : QStringLiteral("Dia %1").arg(d),
                             TipoCampo::Real});
    if (c.situacao) t.colunas.push_back({QStringLiteral("Situação"), TipoCampo::Texto});
    t.linhas.reserve(static_cast<std::size_t>(serie.tamanho()));
    for (qsizetype i = 0; i < serie.tamanho(); ++i) {
        const RegistroMensal& r = serie[i];
        std::vector<Valor> linha;
        linha.reserve(t.colunas.size());
        linha.emplace_back(r.mes());
        if (!c.falhas.isEmpty()) linha.emplace_back(r.media());
        for (int d = 0; d < kDiasRegistro; ++d) {
            if (const auto v = r.dia(d))
                linha.emplace_back(*v);
            else
                linha.emplace_back(); // an empty cell, not 0
        }
        if (c.situacao) linha.emplace_back(r.situacao(c.mesesDescartados));
        t.linhas.push_back(std::move(linha));
    }
    return t;
}

} // namespace corvel
