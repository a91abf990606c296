// Text form of table values.
#include "tabelaexibida.h"

#include "formato.h"

namespace corvel {

QString textoDoValor(const Valor& v) {
    return std::visit(
        [](const auto& x) -> QString {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return {};
            else if constexpr (std::is_same_v<T, qint64>)
                return QString::number(x);
            else if constexpr (std::is_same_v<T, double>)
                return formatarGeral(x);
            else if constexpr (std::is_same_v<T, QString>)
                return x;
            else if constexpr (std::is_same_v<T, QDateTime>)
                return x.time() == QTime(0, 0) ? formatarData(x.date()) : formatarDataHora(x);
            else
                return x ? QStringLiteral("Verdadeiro") : QStringLiteral("Falso");
        },
        v);
}

std::vector<QString> rotulos(const TabelaExibida& tabela) {
    std::vector<QString> r;
    r.reserve(tabela.colunas.size());
    for (const ColunaExibida& c : tabela.colunas)
        r.push_back(c.rotulo);
    return r;
}

std::vector<std::vector<QString>> textos(const TabelaExibida& tabela) {
    std::vector<std::vector<QString>> r;
    r.reserve(tabela.linhas.size());
    for (const auto& linha : tabela.linhas) {
        std::vector<QString> t;
        t.reserve(linha.size());
        for (const Valor& v : linha)
            t.push_back(textoDoValor(v));
        r.push_back(std::move(t));
    }
    return r;
}

} // namespace corvel
