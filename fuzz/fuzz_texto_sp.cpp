// Feeds arbitrary bytes to the São Paulo text reader: it must either return a series or throw
// corvel::Erro, never crash or hang, and what it returns must hold what the import promises.
#include "core/erros.h"
#include "exchange/importacaosp.h"

#include <QSet>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    try {
        const corvel::ResultadoImportacao r = corvel::lerTextoSaoPaulo(
            QByteArrayView(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho)));
        // Months read at level 1, numbered from 0 in reading order, each held once; the months
        // the completion adds get the workbench's level 2.
        if (r.nivelConsistencia != 2 || r.serie.vazia()) __builtin_trap();
        QSet<QDate> meses;
        double anterior = -1;
        for (const corvel::RegistroMensal& m : r.serie.armazenados()) {
            if (m.nivelConsistencia != 1 || m.vazao02Status != corvel::kInicioAnoLidoSaoPaulo ||
                m.estacaoCodigo <= 0 || !m.data.isValid() || m.data.day() != 1 ||
                !corvel::anoAceito(m.data) || meses.contains(m.data) || m.registroId <= anterior)
                __builtin_trap();
            meses.insert(m.data);
            anterior = m.registroId;
        }
    } catch (const corvel::Erro&) {
    }
    return 0;
}
