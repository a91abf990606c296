// Every file the program writes goes to a temporary file in the target's folder, is flushed to
// disk, then renamed over the target, and the folder is synchronised: a failure, a full disk or a
// kill midway leaves any previous file byte for byte as it was.
#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <functional>

namespace corvel {

// "Não foi possível gravar o arquivo \"nome\": causa".
QString mensagemFalhaGravacao(const QString& caminho, const QString& causa);

// A file written piece by piece. Throws ErroArquivo (with mensagemFalhaGravacao) when the
// temporary file cannot be created or the file cannot be completed.
class GravacaoAtomica {
  public:
    explicit GravacaoAtomica(const QString& caminho);
    // Where to write; nothing reaches the target before concluir().
    QIODevice& dispositivo() { return arquivo_; }
    // Writes all the bytes or throws.
    void escrever(const QByteArray& bytes);
    // Flushes, renames over the target and synchronises the folder. Without it, the destructor
    // drops the temporary file.
    void concluir();

  private:
    [[noreturn]] void falhar(const QString& causa);
    QString caminho_;
    QSaveFile arquivo_;
};

void gravarArquivoAtomico(const QString& caminho, const QByteArray& dados);

// A batch of many result files (a folder of stations): each file still replaces its target by
// rename, so none is ever seen half written, but the data reach the disk together when the batch
// calls concluir() — one file-system sync instead of two per file, which made most of a batch's
// time. Where the system has no such sync, every file is synced as gravarArquivoAtomico does.
class GravacaoEmLote {
  public:
    explicit GravacaoEmLote(const QString& pasta);
    // Thread-safe. Throws ErroArquivo.
    void gravar(const QString& caminho, const QByteArray& dados) const;
    // Makes the batch durable. Throws ErroArquivo when the system reports a failure.
    void concluir() const;

  private:
    QString pasta_;
    bool umaVez_;
};

// For a library that writes a file by name: `escrever` gets the name of a temporary file in the
// target's folder and fills it (throwing on failure); then it replaces the target the same way.
void gravarPorNome(const QString& caminho,
                   const std::function<void(const QString& temporario)>& escrever);

} // namespace corvel
