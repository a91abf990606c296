// Reads single cells of an existing workbook: .xlsx and .ods through liborcus, legacy .xls
// through freexl.
#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>

namespace corvel {

class TImportaExcel {
public:
    TImportaExcel();
    ~TImportaExcel();
    TImportaExcel(const TImportaExcel&) = delete;
    TImportaExcel& operator=(const TImportaExcel&) = delete;

    // True when the file exists and could be read as a workbook.
    bool abrir(const QString& caminho);
    // Text of the cell's value (numbers in the general form with decimal comma); empty when the
    // cell is empty, does not exist or cannot be read. Sheet, row and column count from 1.
    std::optional<QString> lerCelula(int planilha, int linha, int coluna) const;
    // The cell's number, when it holds a number (not a text that looks like one).
    std::optional<double> lerNumero(int planilha, int linha, int coluna) const;
    // Background and text colours (0xRRGGBB) and weight of a cell, for .xlsx and .ods.
    struct Estilo {
        quint32 fundo = 0xFFFFFF;
        quint32 texto = 0x000000;
        bool negrito = false;
    };
    std::optional<Estilo> lerEstilo(int planilha, int linha, int coluna) const;
    void fechar();

    struct Leitor;

private:
    std::unique_ptr<Leitor> leitor_;
};

} // namespace corvel
