// Feeds arbitrary bytes to the workbench's own side of workbook reading: the archive check and the
// member check (each member inflated, its CRC-32 and size compared), the rewriting of .xlsx parts
// the spreadsheet library does not follow, and the decoder of the reader program's answers. The
// libraries themselves run in their own process, where an abort costs nothing.
#include "core/erros.h"
#include "exchange/pacotexlsx.h"
#include "exchange/pacotezip.h"
#include "exchange/protocoloplanilha.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const QByteArray bytes(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));
    (void)corvel::zipPlausivel(bytes);
    if (auto membros = corvel::membrosZip(bytes)) {
        try {
            (void)corvel::normalizarXlsx(*membros);
        } catch (const corvel::Erro&) {
            // a part that is not XML: the workbook is refused
        }
        // What is rebuilt for the library must itself pass the check, member for member.
        const auto relidos = corvel::membrosZip(corvel::montarZip(*membros));
        if (!relidos || relidos->size() != membros->size()) __builtin_trap();
        for (std::size_t i = 0; i < relidos->size(); ++i)
            if ((*relidos)[i].nome != (*membros)[i].nome ||
                (*relidos)[i].dados != (*membros)[i].dados)
                __builtin_trap();
    }
    if (const auto texto = corvel::decodificarTextoCelula(bytes))
        if (corvel::decodificarTextoCelula(corvel::codificarTextoCelula(*texto)) != texto)
            __builtin_trap(); // what is written must read back the same
    const QByteArray linha = corvel::semFimDeLinha(bytes);
    if (linha.size() < bytes.size() - 2 || !bytes.startsWith(linha))
        __builtin_trap(); // only a line end is ever taken away
    return 0;
}
