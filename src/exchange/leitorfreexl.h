// Cells of a legacy .xls workbook, through freexl.
#pragma once

#include "leitorplanilha.h"

#include <QTemporaryDir>
#include <freexl.h>

namespace corvel {

class LeitorFreexl : public LeitorPlanilha {
  public:
    // Throws when the file cannot be read as a workbook.
    explicit LeitorFreexl(const QString& caminho);
    ~LeitorFreexl() override;
    LeitorFreexl(const LeitorFreexl&) = delete;
    LeitorFreexl& operator=(const LeitorFreexl&) = delete;

    std::optional<QString> celula(int planilha, int linha, int coluna) const override;
    std::optional<double> numero(int planilha, int linha, int coluna) const override;

  private:
    std::optional<FreeXL_CellValue> valor(int planilha, int linha, int coluna) const;

    QTemporaryDir copia_; // outlives the handle, which may keep the file open
    const void* arquivo_ = nullptr;
};

} // namespace corvel
