// Cells of an .xlsx or .ods workbook, loaded by liborcus from the archive's bytes.
#pragma once

#include "leitorplanilha.h"

#include <QByteArray>
#include <ixion/address.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>

namespace corvel {

class LeitorOrcus : public LeitorPlanilha {
  public:
    // Throws when the library cannot read the archive as a workbook of that format.
    LeitorOrcus(const QByteArray& pacote, bool ods, bool depurar);

    std::optional<QString> celula(int planilha, int linha, int coluna) const override;
    std::optional<double> numero(int planilha, int linha, int coluna) const override;
    std::optional<EstiloCelula> estilo(int planilha, int linha, int coluna) const override;

  private:
    std::optional<ixion::abs_address_t> endereco(int planilha, int linha, int coluna) const;

    orcus::spreadsheet::document documento_;
    orcus::spreadsheet::import_factory fabrica_;
};

} // namespace corvel
