// The station list read once for a batch: code to name.
#pragma once

#include <QHash>
#include <QString>

namespace corvel {

// Empty when the file is missing or unreadable (names are then left out).
QHash<qint32, QString> lerNomesEstacoes(const QString& arquivoLista);

} // namespace corvel
