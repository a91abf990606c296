// Atomic file writes over QSaveFile and the platform's rename.
#include "gravacao.h"

#include "erros.h"
#include "plataforma.h"

#include <QFileInfo>
#include <QTemporaryFile>

namespace corvel {

QString mensagemFalhaGravacao(const QString& caminho, const QString& causa) {
    return QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2")
        .arg(QFileInfo(caminho).fileName(), causa);
}

GravacaoAtomica::GravacaoAtomica(const QString& caminho) : caminho_(caminho), arquivo_(caminho) {
    if (!arquivo_.open(QIODevice::WriteOnly)) falhar(arquivo_.errorString());
}

void GravacaoAtomica::escrever(const QByteArray& bytes) {
    if (arquivo_.write(bytes) != bytes.size()) falhar(arquivo_.errorString());
}

void GravacaoAtomica::concluir() {
    // QSaveFile flushes the temporary file to disk before its rename.
    if (!arquivo_.commit()) falhar(arquivo_.errorString());
    plataforma::sincronizarPasta(QFileInfo(caminho_).absolutePath());
}

void GravacaoAtomica::falhar(const QString& causa) {
    arquivo_.cancelWriting();
    throw ErroArquivo(mensagemFalhaGravacao(caminho_, causa));
}

void gravarArquivoAtomico(const QString& caminho, const QByteArray& dados) {
    GravacaoAtomica g(caminho);
    g.escrever(dados);
    g.concluir();
}

GravacaoEmLote::GravacaoEmLote(const QString& pasta)
    : pasta_(pasta), umaVez_(
#if defined(__linux__)
                         true
#else
                         false
#endif
                     ) {
}

void GravacaoEmLote::gravar(const QString& caminho, const QByteArray& dados) const {
    if (!umaVez_) {
        gravarArquivoAtomico(caminho, dados);
        return;
    }
    const QFileInfo destino(caminho);
    QTemporaryFile temporario(destino.absolutePath() + QStringLiteral("/.") + destino.fileName() +
                              QStringLiteral(".XXXXXX"));
    if (!temporario.open() || temporario.write(dados) != dados.size() || !temporario.flush())
        throw ErroArquivo(mensagemFalhaGravacao(caminho, temporario.errorString()));
    // A temporary file is private to its owner; a result file is not.
    temporario.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                              QFile::ReadOther);
    temporario.close();
    if (const QString erro = plataforma::substituirArquivo(temporario.fileName(), caminho);
        !erro.isEmpty())
        throw ErroArquivo(mensagemFalhaGravacao(caminho, erro));
    temporario.setAutoRemove(false); // it is the target now
}

void GravacaoEmLote::concluir() const {
    if (umaVez_ && !plataforma::sincronizarSistemaDeArquivos(pasta_))
        throw ErroArquivo(
            mensagemFalhaGravacao(pasta_, QStringLiteral("falha ao gravar no disco")));
}

void gravarPorNome(const QString& caminho, const std::function<void(const QString&)>& escrever) {
    const QFileInfo destino(caminho);
    QTemporaryFile temporario(destino.absolutePath() + QStringLiteral("/.") + destino.fileName() +
                              QStringLiteral(".XXXXXX"));
    if (!temporario.open())
        throw ErroArquivo(mensagemFalhaGravacao(caminho, temporario.errorString()));
    temporario.close(); // the name stays reserved, and is removed with the object unless renamed
    escrever(temporario.fileName());
    if (!plataforma::sincronizarArquivo(temporario.fileName()))
        throw ErroArquivo(
            mensagemFalhaGravacao(caminho, QStringLiteral("falha ao gravar no disco")));
    if (const QString erro = plataforma::substituirArquivo(temporario.fileName(), caminho);
        !erro.isEmpty())
        throw ErroArquivo(mensagemFalhaGravacao(caminho, erro));
    temporario.setAutoRemove(false); // it is the target now
    plataforma::sincronizarPasta(destino.absolutePath());
}

} // namespace corvel
