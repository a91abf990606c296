// POSIX and Windows calls of the reader program: memory limit and binary standard streams.
#include "plataforma.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <sys/resource.h>
#include <unistd.h>
#endif

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define CORVEL_SANITIZADO 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer) ||                         \
    __has_feature(thread_sanitizer)
#define CORVEL_SANITIZADO 1
#endif
#endif

namespace corvel::planilha {

bool limitarMemoria(qint64 bytes) {
#if defined(CORVEL_SANITIZADO)
    (void)bytes;
    return false;
#elif defined(_WIN32)
    HANDLE trabalho = CreateJobObjectW(nullptr, nullptr);
    if (!trabalho) return false;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limite{};
    limite.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_PROCESS_MEMORY;
    limite.ProcessMemoryLimit = static_cast<SIZE_T>(bytes);
    if (!SetInformationJobObject(trabalho, JobObjectExtendedLimitInformation, &limite,
                                 sizeof limite) ||
        !AssignProcessToJobObject(trabalho, GetCurrentProcess())) {
        CloseHandle(trabalho);
        return false;
    }
    return true; // the handle stays open, and the limit in force, until the process ends
#else
    rlimit limite{};
    if (getrlimit(RLIMIT_AS, &limite) != 0) return false;
    const auto pedido = static_cast<rlim_t>(bytes);
    if (limite.rlim_max != RLIM_INFINITY && limite.rlim_max < pedido)
        return true; // a tighter limit is already in force
    limite.rlim_cur = pedido;
    return setrlimit(RLIMIT_AS, &limite) == 0;
#endif
}

std::FILE* separarRespostas() {
    std::fflush(stdout);
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    const int respostas = _dup(_fileno(stdout));
    _dup2(_fileno(stderr), _fileno(stdout));
    _setmode(respostas, _O_BINARY);
    return _fdopen(respostas, "wb");
#else
    const int respostas = dup(STDOUT_FILENO);
    dup2(STDERR_FILENO, STDOUT_FILENO);
    return fdopen(respostas, "wb");
#endif
}

} // namespace corvel::planilha
