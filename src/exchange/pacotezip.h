// The zip archive that holds an .xlsx or .ods workbook: its directory checked against the file,
// every member inflated and checked against the CRC-32 and size the directory declares, and an
// archive written back from the members.
#pragma once

#include <QByteArray>
#include <optional>
#include <vector>

namespace corvel {

struct MembroZip {
    QByteArray nome;
    QByteArray dados;
};

// Largest total the members may claim once inflated: far above any sheet of annual events, far
// below what would exhaust memory.
inline constexpr qint64 kDescompactadoMaximo = 256LL * 1024 * 1024;

// True when every entry of the central directory lies within the file, uses a method this reader
// inflates, and the inflated sizes stay within kDescompactadoMaximo in all. Nothing is inflated:
// this runs before anything is allocated for the members.
bool zipPlausivel(const QByteArray& arquivo);

// Every member, inflated; nullopt when the archive is damaged: a directory zipPlausivel refuses,
// a local header that disagrees with the directory, a compressed stream that breaks off, overruns
// or leaves bytes unread, or a member whose inflated size or CRC-32 is not the declared one.
std::optional<std::vector<MembroZip>> membrosZip(const QByteArray& arquivo);

// An archive of the members stored uncompressed, for a library that reads only whole archives.
QByteArray montarZip(const std::vector<MembroZip>& membros);

} // namespace corvel
