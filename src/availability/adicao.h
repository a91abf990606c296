// Adding stations to the availability diagram: the project files a choice stands for, and the
// reading of many files at once, which goes on past a file that cannot be read.
#pragma once

#include "diagrama.h"

#include "core/mensagem.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace corvel {

// The project files (".cvl", any case) of a folder, in directory listing order: by name, case
// ignored, as the file dialogs show them.
QStringList projetosDaPasta(const QString& pasta);

// The files "Nova estação" adds for the file the user chose: refuses (warning "Este não é um
// arquivo de projeto do Corvel 1.0") a name whose extension is not exactly ".cvl"; when the folder
// holds more than one project file, asks `confirmar` whether to add them all (Yes: every project
// file of the folder; No: the chosen one).
QStringList arquivosParaAdicionar(const QString& escolhido,
                                  const std::function<bool(const QString& pergunta)>& confirmar);

struct ArquivoIlegivel {
    QString arquivo; // the file's name, without its folder
    QString motivo;  // the reader's own message

    friend bool operator==(const ArquivoIlegivel&, const ArquivoIlegivel&) = default;
};

struct ResultadoAdicao {
    int adicionadas = 0;
    int repetidas = 0; // files skipped because their station was already in the diagram
    std::vector<ArquivoIlegivel> ilegiveis;

    // The message shown at the end when some file could not be read: the heading, then one line
    // "name: reason" per file, as a warning (the other stations were added).
    std::optional<Mensagem> mensagem() const;
};

// Called on the caller's thread after each file: files done, files in all.
using ProgressoAdicao = std::function<void(qsizetype feitos, qsizetype total)>;

// Adds one row per file in the order given, computing its cells over the diagram's period; a file
// whose station code is already in the diagram (also from an earlier file of the same call) is
// skipped, so a repeated code keeps the first file's values. A file that cannot be read is listed
// and the others are still added. Files are read by up to `tarefas` threads (0: one per processor
// core); the rows do not depend on it.
ResultadoAdicao adicionarProjetos(Diagrama& diagrama, const QStringList& arquivos,
                                  const ProgressoAdicao& progresso = {}, int tarefas = 0);

} // namespace corvel
