// Feeds arbitrary tables to the readers of the many-station files: the availability diagram file,
// the yearly cells of a project, the gap-filling project file with its statistics and a filling.
// They must accept or throw corvel::Erro, never crash, hang or allocate without bound.
#include "availability/celulas.h"
#include "availability/diagrama.h"
#include "core/arquivotabela.h"
#include "core/erros.h"
#include "filling/arquivopreenchimento.h"
#include "filling/preenchimento.h"
#include "filling/tabelaspreenchimento.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho == 0) return 0;
    // An odd first byte asks for the checksum to be made right, as in fuzz_tabela.
    const bool corrigirSoma = (dados[0] & 1) != 0;
    QByteArray bytes(reinterpret_cast<const char*>(dados) + 1, static_cast<qsizetype>(tamanho) - 1);
    if (corrigirSoma && bytes.size() >= 4) {
        bytes.chop(4);
        const quint32 crc = corvel::crc32(bytes.constData(), bytes.size());
        for (int i = 0; i < 4; ++i)
            bytes.append(static_cast<char>((crc >> (8 * i)) & 0xFFu));
    }
    corvel::Tabela t;
    try {
        t = corvel::decodificarTabela(bytes, QStringLiteral("fuzz"));
    } catch (const corvel::Erro&) {
        return 0;
    }
    try {
        const corvel::Diagrama d = corvel::diagramaDeTabela(t);
        (void)corvel::tabelaExibidaDiagrama(d);
        if (corvel::tabelaDiagrama(d).numeroCampos() != t.numeroCampos()) __builtin_trap();
    } catch (const corvel::Erro&) {
    }
    try {
        (void)corvel::disponibilidadeProjeto(t, {1990, 2000});
    } catch (const corvel::Erro&) {
    }
    try {
        corvel::ProjetoPreenchimento p = corvel::projetoPreenchimentoDeTabela(t);
        (void)corvel::gradeDadosMensais(p);
        auto est = corvel::iniciarNovoPreenchimento(p, 1);
        for (auto& e : est)
            if (e.podePreencher()) (void)corvel::PreencheUmaEstacao(p, e);
        (void)corvel::tabelaPreenchimento(p);
        if (p.numeroEstacoes > 1) corvel::excluiEstacao(p, p.numeroEstacoes);
    } catch (const corvel::Erro&) {
    }
    return 0;
}
