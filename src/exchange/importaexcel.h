// Reads single cells of an existing workbook (.xlsx, .ods, .xls). The reading itself happens in a
// separate process, corvel-planilha, beside the program: the spreadsheet libraries abort on some
// damaged files, and such a file must cost a message, not the open project.
#pragma once

#include "leitorplanilha.h"
#include "protocoloplanilha.h"

#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>

class QProcess;

namespace corvel {

class TImportaExcel {
public:
    TImportaExcel();
    ~TImportaExcel();
    TImportaExcel(const TImportaExcel&) = delete;
    TImportaExcel& operator=(const TImportaExcel&) = delete;

    // The reader program; by default corvel-planilha in the program's folder.
    static void definirPrograma(const QString& caminho);

    // True when the file exists and could be read as a workbook.
    bool abrir(const QString& caminho);
    // Text of the cell's value (numbers in the general form with decimal comma); empty when the
    // cell is empty, does not exist or cannot be read. Sheet, row and column count from 1.
    std::optional<QString> lerCelula(int planilha, int linha, int coluna) const;
    // The cell's number, when it holds a number (not a text that looks like one).
    std::optional<double> lerNumero(int planilha, int linha, int coluna) const;
    // Background and text colours and weight of a cell, for .xlsx and .ods.
    using Estilo = EstiloCelula;
    std::optional<Estilo> lerEstilo(int planilha, int linha, int coluna) const;
    void fechar();

private:
    // One request line, one answer line; empty when the reader has gone.
    std::optional<QByteArray> perguntar(const QByteArray& pedido) const;

    std::unique_ptr<QProcess> processo_;
};

} // namespace corvel
