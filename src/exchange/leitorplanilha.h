// Readers of workbook files (.xlsx/.ods through liborcus, .xls through freexl), used inside the
// corvel-planilha process; the program talks to them through TImportaExcel.
#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>

namespace corvel {

struct EstiloCelula {
    quint32 fundo = 0xFFFFFF; // 0xRRGGBB
    quint32 texto = 0x000000;
    bool negrito = false;
};

// What a cell holds as its writer saved it. A formula is never evaluated: its cell reads as the
// value the writer cached with it, or as empty when there is none.
class LeitorPlanilha {
public:
    virtual ~LeitorPlanilha() = default;
    // Sheet, row and column count from 1.
    virtual std::optional<QString> celula(int planilha, int linha, int coluna) const = 0;
    virtual std::optional<double> numero(int planilha, int linha, int coluna) const = 0;
    virtual std::optional<EstiloCelula> estilo(int, int, int) const { return std::nullopt; }
};

// Largest workbook file read.
inline constexpr qint64 kTamanhoMaximoPlanilha = 64LL * 1024 * 1024;

// Throws when the file is missing, too large, a damaged archive or not a workbook. With
// `depurar`, the libraries describe their reading on standard output.
std::unique_ptr<LeitorPlanilha> abrirLeitorPlanilha(const QString& caminho, bool depurar = false);

} // namespace corvel
