// What every window uses to hand results out: the save dialog with the overwrite question, result
// CSV files, spreadsheets, and printed reports preceded by the technician prompt.
#pragma once

#include "servicodialogos.h"

#include "analyses/tabelatexto.h"
#include "exchange/csvresultado.h"
#include "report/relatorio.h"

#include <functional>

class QWidget;

namespace corvel {
class Bancada;
}

namespace corvel::ui {

// Shows the save dialog until a name is accepted: an existing file is replaced only after
// "Um arquivo com este nome já existe. Deseja substitui-lo?" (No shows the dialog again). Empty when
// the dialog is cancelled.
std::optional<QString> pedirArquivoParaGravar(ServicoDialogos& dialogos, const FiltroArquivo& filtro);

// Asks for the file and writes the result CSV; false when cancelled. Write errors are shown.
bool exportarCsvResultado(ServicoDialogos& dialogos, const FiltroArquivo& filtro,
                          const std::vector<QString>& titulos, const LinhasTexto& linhas);

// The same for a table of the core that may carry lines before its titles. A file that exists is
// replaced only after the question, like every result export.
bool exportarCsvTexto(ServicoDialogos& dialogos, const FiltroArquivo& filtro,
                      const TabelaTexto& tabela);

// The spreadsheet life cycle of this platform: a save dialog proposing the title as the name,
// `escrever` writes the workbook, then the offer to open it in the spreadsheet application.
// False when cancelled; errors are shown.
bool exportarPlanilha(ServicoDialogos& dialogos, const QString& titulo,
                      const std::function<void(const QString& caminho)>& escrever);

// The technician prompt: the answer (the default "-" when cancelled) becomes the technician.
void pedirTecnico(Bancada& bancada, ServicoDialogos& dialogos);

// Print command: the technician prompt when the name is still "-", then the preview, from which
// the user prints or saves a PDF. `montar` builds the report once the technician is known.
void imprimirRelatorio(QWidget* pai, ServicoDialogos& dialogos, Bancada& bancada,
                       const std::function<relatorio::Relatorio()>& montar);

} // namespace corvel::ui
