// Feeds arbitrary answer lines of the Access reader (tab-separated fields) to the code that turns
// a station's rows into monthly records: it must either return a series or throw corvel::Erro, and
// never mix levels or hold a month twice. The reader program itself runs apart (libmdb).
#include "core/erros.h"
#include "exchange/importacaoaccess.h"
#include "exchange/protocolomdb.h"

#include <QSet>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
    corvel::MontagemEstacao montagem;
    std::size_t inicio = 0;
    while (inicio <= texto.size()) {
        std::size_t fim = texto.find('\n', inicio);
        if (fim == std::string_view::npos) fim = texto.size();
        montagem.acrescentar(corvel::mdb::separar(texto.substr(inicio, fim - inicio)));
        inicio = fim + 1;
    }
    try {
        const corvel::ResultadoImportacao r =
            montagem.resultado(1, corvel::DadosBrutos::CompletarSerie);
        if (r.nivelConsistencia != 1 && r.nivelConsistencia != 2) __builtin_trap();
        QSet<QDate> meses;
        for (const corvel::RegistroMensal& m : r.serie.armazenados()) {
            // Raw months join consisted ones only outside their period, and keep level 1.
            if ((r.nivelConsistencia == 1 && m.nivelConsistencia != 1) || m.estacaoCodigo <= 0 ||
                !m.data.isValid() || m.data.day() != 1 || !corvel::anoAceito(m.data) ||
                meses.contains(m.data))
                __builtin_trap();
            meses.insert(m.data);
        }
    } catch (const corvel::Erro&) {
    }
    return 0;
}
