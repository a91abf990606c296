// Option values shared by the subcommands.
#include "argumentos.h"

#include "comandos.h"

#include "core/erros.h"
#include "core/formato.h"
#include "stats/analisedistribuicoes.h"

namespace corvel::cli {

int lerMes(const QString& texto) {
    bool ok = false;
    const int n = texto.toInt(&ok);
    if (ok && n >= 1 && n <= 12)
        return n;
    for (int m = 1; m <= 12; ++m)
        if (texto.compare(nomeMes(m), Qt::CaseInsensitive) == 0)
            return m;
    throw ErroUso{QStringLiteral("mês inválido para --inicio-ano: %1").arg(texto)};
}

int lerPeriodo(const QString& texto) {
    std::optional<int> T;
    try {
        T = lerPeriodoRetorno(texto);
    } catch (const ErroConversao&) {
        throw ErroUso{QStringLiteral("--periodo pede um número inteiro de anos: %1").arg(texto)};
    }
    if (!T)
        throw ErroUso{QString::fromUtf8(kMsgPeriodoInvalido)};
    return *T;
}

} // namespace corvel::cli
