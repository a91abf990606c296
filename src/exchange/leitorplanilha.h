// Readers of workbook files (.xlsx/.ods through liborcus, .xls through freexl), used inside the
// corvel-planilha process; the program talks to them through TImportaExcel.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

namespace corvel {

struct EstiloCelula {
    quint32 fundo = 0xFFFFFF; // 0xRRGGBB
    quint32 texto = 0x000000;
    bool negrito = false;
};

class LeitorPlanilha {
public:
    virtual ~LeitorPlanilha() = default;
    // Sheet, row and column count from 1.
    virtual std::optional<QString> celula(int planilha, int linha, int coluna) const = 0;
    virtual std::optional<double> numero(int planilha, int linha, int coluna) const = 0;
    virtual std::optional<EstiloCelula> estilo(int, int, int) const { return std::nullopt; }
};

// Throws when the file is missing, too large, a damaged archive or not a workbook.
std::unique_ptr<LeitorPlanilha> abrirLeitorPlanilha(const QString& caminho);

// The zip library trusts the sizes an archive declares and allocates them up front, so a damaged
// or hostile workbook declaring gigabytes would exhaust memory. True when every entry of the
// central directory lies within the file and the inflated sizes stay within 256 MiB in all.
bool zipPlausivel(const QByteArray& arquivo);

} // namespace corvel
