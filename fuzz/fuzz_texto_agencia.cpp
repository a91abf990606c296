// Feeds arbitrary bytes to the agency text reader: it must either return a series or throw
// corvel::Erro, never crash or hang, and what it returns must hold what the import promises.
#include "core/erros.h"
#include "exchange/importacaoagencia.h"
#include "exchange/registro.h"
#include "exchange/windows1252.h"

#include <QSet>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    try {
        const corvel::ResultadoImportacao r = corvel::lerTextoAgencia(
            QByteArrayView(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho)),
            9);
        // Levels are never mixed, the raw ones only serve a file without consisted rows, and a
        // month is held once.
        if (r.nivelConsistencia != 1 && r.nivelConsistencia != 2)
            __builtin_trap();
        if (r.nivelConsistencia == 2 && r.serie.vazia())
            __builtin_trap();
        if (r.duplicadosDescartados < 0)
            __builtin_trap();
        QSet<QDate> meses;
        corvel::TRegistro registro;
        for (const corvel::RegistroMensal& m : r.serie.armazenados()) {
            if (m.nivelConsistencia != r.nivelConsistencia || !m.data.isValid() ||
                m.data.day() != 1 || meses.contains(m.data))
                __builtin_trap();
            meses.insert(m.data);
            // What was read can always be written back out.
            registro.lerDoRegistro(m);
            (void)corvel::codificarWindows1252(registro.linha(u';'));
        }
    } catch (const corvel::Erro&) {
    }
    return 0;
}
