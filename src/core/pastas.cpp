// The user's data folder and the look-up order of the files the program refreshes.
#include "pastas.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace corvel {

QString pastaDadosUsuario() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString arquivoEmUso(const QString& nome, const QString& pastaDados, const QString& pastaPrograma) {
    if (!pastaDados.isEmpty()) {
        const QString doUsuario = QDir(pastaDados).filePath(nome);
        if (QFileInfo::exists(doUsuario)) return doUsuario;
    }
    return QDir(pastaPrograma).filePath(nome);
}

} // namespace corvel
