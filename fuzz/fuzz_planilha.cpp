// Feeds arbitrary bytes to the workbench's own side of workbook reading: the archive check that
// runs before the zip library sees a file, and the decoder of the reader program's answers. The
// libraries themselves run in their own process, where an abort costs nothing.
#include "exchange/leitorplanilha.h"
#include "exchange/protocoloplanilha.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const QByteArray bytes(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));
    (void)corvel::zipPlausivel(bytes);
    if (const auto texto = corvel::decodificarTextoCelula(bytes))
        if (corvel::decodificarTextoCelula(corvel::codificarTextoCelula(*texto)) != texto)
            __builtin_trap(); // what is written must read back the same
    return 0;
}
