// The binary snapshot file of a table: magic and version, field definitions, row count, rows with
// a null bitmap, little-endian, CRC-32 at the end. Written atomically; read with full validation.
#pragma once

#include "tabela.h"

#include <QByteArray>
#include <QString>

namespace corvel {

// Largest snapshot file accepted: far above a century of monthly records or a station list.
inline constexpr qint64 kTamanhoMaximoTabela = 256LL * 1024 * 1024;

// CRC-32 (IEEE 802.3) of the bytes, the checksum that ends every snapshot file.
quint32 crc32(const char* dados, qsizetype tamanho);

QByteArray codificarTabela(const Tabela& tabela);
// Throws ErroArquivo with a text naming `origem` when the bytes are not a valid snapshot.
Tabela decodificarTabela(const QByteArray& bytes, const QString& origem);

// Writes through a temporary file in the same folder and a rename, so a failure leaves any old
// file intact. Throws ErroArquivo.
void gravarTabela(const QString& caminho, const Tabela& tabela);
// Throws ErroArquivo when the file cannot be read or is not a valid snapshot.
Tabela lerTabela(const QString& caminho);

} // namespace corvel
