// Set-up of the corvel-planilha process that differs between systems: the one module of the
// reader program with calls of its own for POSIX and Windows.
#pragma once

#include <QtGlobal>
#include <cstdio>

namespace corvel::planilha {

// Address space the reader may take: many times what the largest accepted workbook needs once
// loaded, and far below what would make a desktop swap.
inline constexpr qint64 kMemoriaMaxima = 2LL * 1024 * 1024 * 1024;

// Caps the memory of this process, so a workbook that would need more makes an allocation fail
// (and the reader answer "ERRO" or end) instead of exhausting the machine. POSIX: RLIMIT_AS.
// Windows: a job object with a per-process memory limit, held open until the process ends.
// False when no limit could be set, and always under a sanitizer, whose shadow memory reserves
// terabytes of address space.
bool limitarMemoria(qint64 bytes);

// Gives the answers a channel of their own and returns it: a stream on what standard output was,
// in binary mode, so Windows sends "\n" and not "\r\n". From then on, whatever a library prints on
// standard output goes to standard error. Standard input is put in binary mode as well.
std::FILE* separarRespostas();

} // namespace corvel::planilha
