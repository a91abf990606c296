// The single-byte code page of the text files the system writes (Windows-1252).
#pragma once

#include <QByteArray>
#include <QStringView>

namespace corvel {

// Latin-1 characters as themselves, the Windows extras (€, ‚, ƒ, „, …, †, ‡, ˆ, ‰, Š, ‹, Œ, Ž, ‘,
// ’, “, ”, •, –, —, ˜, ™, š, ›, œ, ž, Ÿ) as bytes 0x80-0x9F, and one '?' for any other character.
QByteArray codificarWindows1252(QStringView texto);

} // namespace corvel
