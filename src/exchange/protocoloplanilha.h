// Lines between corvel-planilha and TImportaExcel: each ends in "\n", and a "\r" before it (as a
// text-mode stream on Windows writes) is dropped. A cell's text travels on one line, with backslash
// escapes for the backslash and the line breaks.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace corvel {

inline QByteArray semFimDeLinha(QByteArray linha) {
    if (linha.endsWith('\n'))
        linha.chop(1);
    if (linha.endsWith('\r'))
        linha.chop(1);
    return linha;
}

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
