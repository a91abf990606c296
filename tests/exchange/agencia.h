// Builds agency daily-flow text in code: data lines of 78 ';'-ended columns and whole files.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <initializer_list>

namespace corvel::teste {

struct LinhaAgencia {
    QString estacao = QStringLiteral("12345678");
    QString nivel = QStringLiteral("2");
    QString data;
    QString hora = QStringLiteral("01/01/1900 00:00:00");
    std::array<QString, 31> vazoes; // columns 17 ... 47, as written in the file
    // Columns 48 ... 78 where given; else "1" for a day with a value and "2" for an empty one.
    std::array<QString, 31> status;
    QString metodo = QStringLiteral("254");

    // Every day of the month `dias` long gets `valor`; the days after it stay empty.
    LinhaAgencia& todos(const QString& valor, int dias = 31) {
        for (int d = 0; d < dias; ++d)
            vazoes[static_cast<std::size_t>(d)] = valor;
        return *this;
    }

    // Columns 4 to 16 and the 31 status columns hold what real files hold there, including a
    // method code of 254 and statuses on empty days, which the reader must not care about.
    QString texto() const {
        QString t = estacao + u';' + nivel + u';' + data + u';' + hora + u';' + QStringLiteral("1;") +
                    metodo + QStringLiteral(";99,9;0,1;5,5;3;17;1;1;2;;;");
        for (const QString& v : vazoes)
            t += v + u';';
        for (std::size_t d = 0; d < vazoes.size(); ++d)
            t += !status[d].isEmpty()  ? status[d] + u';'
                 : vazoes[d].isEmpty() ? QStringLiteral("2;")
                                       : QStringLiteral("1;");
        return t;
    }
};

inline LinhaAgencia linha(const char* nivel, const char* data, const char* valor = "10,5") {
    LinhaAgencia l;
    l.nivel = QString::fromLatin1(nivel);
    l.data = QString::fromLatin1(data);
    l.todos(QString::fromUtf8(valor), 28);
    return l;
}

inline QString comentario() {
    return QStringLiteral("//  Sistema de Informações Hidrológicas");
}

inline QString titulo(bool comentado) {
    QString t =
        QStringLiteral("EstacaoCodigo;NivelConsistencia;Data;Hora;MediaDiaria;"
                       "MetodoObtencaoVazoes;Maxima;Minima;Media;DiaMaxima;DiaMinima;"
                       "MaximaStatus;MinimaStatus;MediaStatus;MediaAnual;MediaAnualStatus;");
    for (int d = 1; d <= 31; ++d)
        t += QStringLiteral("Vazao%1;").arg(d, 2, 10, QLatin1Char('0'));
    for (int d = 1; d <= 31; ++d)
        t += QStringLiteral("Vazao%1Status;").arg(d, 2, 10, QLatin1Char('0'));
    return comentado ? QStringLiteral("//") + t : t;
}

// The lines joined by CR LF, with a final CR LF, in Latin-1 as the agency writes them.
inline QByteArray arquivo(std::initializer_list<QString> linhas, const char* fim = "\r\n",
                          bool quebraFinal = true) {
    QByteArray b;
    bool primeira = true;
    for (const QString& l : linhas) {
        if (!primeira)
            b += fim;
        b += l.toLatin1();
        primeira = false;
    }
    if (quebraFinal)
        b += fim;
    return b;
}

} // namespace corvel::teste
