// Text form of table values.
#include "tabelaexibida.h"

#include "core/formato.h"

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

} // namespace corvel
