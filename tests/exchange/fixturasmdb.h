// The Access databases made by an independent writer (../shared/fixtures/mdb), and the values
// their rows hold by construction: base + (year - first year) x 100 + month + day / 100, rounded
// to 2 decimals.
#pragma once

#include "exchange/bancoaccess.h"

#include <QDate>
#include <QString>
#include <cmath>
#include <optional>
#include <set>

namespace corvel::teste {

// The tests run without an application object: tell the client where its reader is.
inline const bool kLeitorMdbDefinido =
    (corvel::BancoAccess::definirPrograma(QStringLiteral(CORVEL_MDB)), true);

inline QString fixturaMdb(const char* nome) {
    return QStringLiteral(CORVEL_FIXTURES_DIR "/mdb/") + QString::fromLatin1(nome);
}

struct FormulaVazoes {
    double base;
    int primeiroAno;
    std::set<QDate> diasSemValor; // null days inside their month

    std::optional<double> operator()(QDate mes, int dia) const {
        if (dia > mes.daysInMonth() || diasSemValor.count(QDate(mes.year(), mes.month(), dia)))
            return std::nullopt;
        // N / 100 is the double nearest to the 2-decimal value, as the writer stored it.
        const double centesimos =
            std::round((base + (mes.year() - primeiroAno) * 100 + mes.month()) * 100 + dia);
        return centesimos / 100;
    }
};

} // namespace corvel::teste
