// Feeds arbitrary bytes to the snapshot reader and to the project conversion: they must either
// accept or throw ErroArquivo, never crash, hang or allocate without bound.
#include "core/arquivotabela.h"
#include "core/erros.h"
#include "core/serie.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const QByteArray bytes(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));
    try {
        const corvel::Tabela t = corvel::decodificarTabela(bytes, QStringLiteral("fuzz"));
        // A decoded table must encode back to the same bytes.
        if (corvel::codificarTabela(t) != bytes)
            __builtin_trap();
        const corvel::SerieTabela s = corvel::deTabela(t);
        for (qsizetype i = 0; i < s.tamanho(); ++i)
            (void)s[i].situacao(false);
    } catch (const corvel::Erro&) {
    }
    return 0;
}
