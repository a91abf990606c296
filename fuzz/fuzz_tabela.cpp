// Feeds arbitrary bytes to the snapshot reader and to the project conversion: they must either
// accept or throw ErroArquivo, never crash, hang or allocate without bound.
#include "core/arquivotabela.h"
#include "core/erros.h"
#include "core/serie.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho == 0)
        return 0;
    // An odd first byte asks for the checksum to be made right, so the fuzzer also reaches the
    // parser behind the checksum instead of spending itself against the CRC.
    const bool corrigirSoma = (dados[0] & 1) != 0;
    QByteArray bytes(reinterpret_cast<const char*>(dados) + 1, static_cast<qsizetype>(tamanho) - 1);
    if (corrigirSoma && bytes.size() >= 4) {
        bytes.chop(4);
        const quint32 crc = corvel::crc32(bytes.constData(), bytes.size());
        for (int i = 0; i < 4; ++i)
            bytes.append(static_cast<char>((crc >> (8 * i)) & 0xFFu));
    }
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
