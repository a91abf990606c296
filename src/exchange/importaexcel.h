// Reads single cells of an existing workbook (.xlsx, .ods, .xls). The reading itself happens in a
// separate process, corvel-planilha, beside the program: the spreadsheet libraries abort on some
// damaged files, and such a file must cost a message, not the open project. That process has a
// memory limit of its own, and here a time limit that grows with the file.
#pragma once

#include "leitorplanilha.h"
#include "protocoloplanilha.h"

#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>
#include <optional>

class QProcess;

namespace corvel {

class TImportaExcel {
public:
    // Called while the reader program works, about every 50 ms, with the milliseconds waited so
    // far and the time allowed; answering false cancels the reading and ends the program. A window
    // passes one that lets its events run and offers "Cancelar" (and keeps this reader alive
    // meanwhile); without one the caller waits.
    using AoEsperar = std::function<bool(qint64 decorrido, qint64 prazo)>;

    TImportaExcel();
    ~TImportaExcel();
    TImportaExcel(const TImportaExcel&) = delete;
    TImportaExcel& operator=(const TImportaExcel&) = delete;

    // The reader program; by default corvel-planilha in the program's folder.
    static void definirPrograma(const QString& caminho);
    // Milliseconds a workbook of that many bytes may take to load: 10 s, and 2 s more per MiB.
    static qint64 prazoDeCarga(qint64 bytes);

    // True when the file exists and could be read as a workbook in the time allowed.
    bool abrir(const QString& caminho, AoEsperar aoEsperar = {});
    // The last reading was stopped by the caller's answer to aoEsperar, not refused.
    bool cancelada() const { return cancelada_; }
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
    // The next answer line; empty when the reader ended, took longer than `prazo` ms or was
    // cancelled (the last two end it).
    std::optional<QByteArray> lerResposta(qint64 prazo) const;

    std::unique_ptr<QProcess> processo_;
    AoEsperar aoEsperar_;
    mutable bool cancelada_ = false;
};

} // namespace corvel
