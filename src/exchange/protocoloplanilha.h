// The text of a cell on one line of the reader program's answers (backslash escapes for the
// backslash and the line breaks), shared by corvel-planilha and TImportaExcel.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace corvel {

inline QByteArray codificarTextoCelula(const QString& texto) {
    QByteArray r;
    for (char c : texto.toUtf8()) {
        if (c == '\\')
            r += "\\\\";
        else if (c == '\n')
            r += "\\n";
        else if (c == '\r')
            r += "\\r";
        else
            r += c;
    }
    return r;
}

inline std::optional<QString> decodificarTextoCelula(const QByteArray& linha) {
    QByteArray r;
    for (qsizetype i = 0; i < linha.size(); ++i) {
        if (linha[i] != '\\') {
            r += linha[i];
            continue;
        }
        if (++i >= linha.size())
            return std::nullopt;
        const char c = linha[i];
        if (c == '\\')
            r += '\\';
        else if (c == 'n')
            r += '\n';
        else if (c == 'r')
            r += '\r';
        else
            return std::nullopt;
    }
    return QString::fromUtf8(r);
}

} // namespace corvel
