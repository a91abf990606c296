// The few calls that differ between the systems the program runs on, kept in one place: making a
// rename durable, replacing a file by another, and quieting a library that writes to stderr.
#pragma once

#include <QString>

namespace corvel::plataforma {

// Flushes a file's contents to disk. False when the system refuses.
bool sincronizarArquivo(const QString& caminho);
// Flushes a folder's entries to disk, so that a rename inside it survives a power cut. Does
// nothing where the system offers no such call (Windows commits the rename with the file).
void sincronizarPasta(const QString& pasta);
// Flushes everything written to the file system that holds `pasta`, in one call: for a batch of
// many files. False where the system offers no such call (the caller then syncs file by file).
bool sincronizarSistemaDeArquivos(const QString& pasta);
// The folder of the running program, found without the application object (which some programs
// create only after choosing its kind). Empty when the system does not say.
QString pastaDoExecutavel();
// Renames `origem` over `destino` in one step, replacing any file there. Empty on success,
// otherwise the system's reason.
QString substituirArquivo(const QString& origem, const QString& destino);

// While alive, whatever the process writes to its standard error is discarded: for libraries that
// print their own error lines where the caller reports the failure in one line of its own.
class SaidaDeErrosSilenciada {
  public:
    SaidaDeErrosSilenciada();
    ~SaidaDeErrosSilenciada();
    SaidaDeErrosSilenciada(const SaidaDeErrosSilenciada&) = delete;
    SaidaDeErrosSilenciada& operator=(const SaidaDeErrosSilenciada&) = delete;

  private:
    int anterior_ = -1;
};

} // namespace corvel::plataforma
