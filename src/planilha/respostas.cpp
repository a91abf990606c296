// Answers of corvel-planilha: a cell's text, number or style, each on one line.
#include "respostas.h"

#include "exchange/protocoloplanilha.h"

#include <QList>

namespace corvel::planilha {

QByteArray responder(const LeitorPlanilha& leitor, QByteArrayView pedido) {
    const QList<QByteArray> partes = semFimDeLinha(pedido.toByteArray()).split(' ');
    if (partes.size() != 4 || partes[0].size() != 1) return "-";
    int n[3] = {};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        n[i] = partes[i + 1].toInt(&ok);
        if (!ok) return "-";
    }
    try {
        switch (partes[0][0]) {
        case 'C':
            if (const auto t = leitor.celula(n[0], n[1], n[2]))
                return "T " + codificarTextoCelula(*t);
            break;
        case 'N':
            if (const auto v = leitor.numero(n[0], n[1], n[2]))
                return "N " + QByteArray::number(*v, 'g', 17);
            break;
        case 'E':
            if (const auto e = leitor.estilo(n[0], n[1], n[2]))
                return "E " + QByteArray::number(e->fundo, 16) + ' ' +
                       QByteArray::number(e->texto, 16) + ' ' + (e->negrito ? '1' : '0');
            break;
        default:
            break;
        }
    } catch (const std::exception&) {
        // a cell the library cannot give reads as absent
    }
    return "-";
}

} // namespace corvel::planilha
