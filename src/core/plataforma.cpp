// POSIX and Windows versions of the platform calls.
#include "plataforma.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#define CORVEL_DUP _dup
#define CORVEL_DUP2 _dup2
#define CORVEL_CLOSE _close
#define CORVEL_NULO "NUL"
#else
#include <fcntl.h>
#include <unistd.h>
#define CORVEL_DUP dup
#define CORVEL_DUP2 dup2
#define CORVEL_CLOSE close
#define CORVEL_NULO "/dev/null"
#endif

namespace corvel::plataforma {

namespace {
std::filesystem::path caminhoDoSistema(const QString& caminho) {
#ifdef _WIN32
    return std::filesystem::path(caminho.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(caminho).toStdString());
#endif
}
} // namespace

bool sincronizarArquivo(const QString& caminho) {
#ifdef _WIN32
    (void)caminho; // the handle that wrote the file flushes it when closed with FlushFileBuffers
    return true;
#else
    const int fd = ::open(QFile::encodeName(caminho).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#endif
}

void sincronizarPasta(const QString& pasta) {
#ifdef _WIN32
    (void)pasta;
#else
    const int fd = ::open(QFile::encodeName(pasta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd); // best effort: some file systems refuse it on folders
        ::close(fd);
    }
#endif
}

bool sincronizarSistemaDeArquivos(const QString& pasta) {
#if defined(__linux__)
    const int fd = ::open(QFile::encodeName(pasta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::syncfs(fd) == 0;
    ::close(fd);
    return ok;
#else
    (void)pasta;
    return false;
#endif
}

QString pastaDoExecutavel() {
#ifdef _WIN32
    wchar_t caminho[32768];
    const DWORD n = GetModuleFileNameW(nullptr, caminho, 32768);
    if (n == 0 || n >= 32768) return {};
    return QFileInfo(QString::fromWCharArray(caminho, static_cast<qsizetype>(n))).absolutePath();
#elif defined(__linux__)
    const QString alvo = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return alvo.isEmpty() ? QString() : QFileInfo(alvo).absolutePath();
#else
    return {};
#endif
}

QString substituirArquivo(const QString& origem, const QString& destino) {
    std::error_code erro;
    std::filesystem::rename(caminhoDoSistema(origem), caminhoDoSistema(destino), erro);
    if (!erro) return {};
    return QString::fromLocal8Bit(erro.message());
}

SaidaDeErrosSilenciada::SaidaDeErrosSilenciada() {
    std::fflush(stderr);
    anterior_ = CORVEL_DUP(2);
    if (std::FILE* nulo = std::fopen(CORVEL_NULO, "w")) {
        CORVEL_DUP2(fileno(nulo), 2);
        std::fclose(nulo);
    }
}

SaidaDeErrosSilenciada::~SaidaDeErrosSilenciada() {
    std::fflush(stderr);
    if (anterior_ >= 0) {
        CORVEL_DUP2(anterior_, 2);
        CORVEL_CLOSE(anterior_);
    }
}

} // namespace corvel::plataforma
