// The station list read once for a batch.
#include "nomesestacoes.h"

#include "core/arquivotabela.h"
#include "core/erros.h"
#include "core/tabela.h"

namespace corvel {

QHash<qint32, QString> lerNomesEstacoes(const QString& arquivoLista) {
    QHash<qint32, QString> nomes;
    try {
        const Tabela lista = lerTabela(arquivoLista);
        const int cCodigo = lista.campo(u"Codigo");
        const int cNome = lista.campo(u"Nome");
        for (qsizetype l = 0; l < lista.linhas(); ++l) {
            bool ok = false;
            const qint32 codigo = lista.texto(l, cCodigo).toInt(&ok);
            if (ok && !nomes.contains(codigo)) nomes.insert(codigo, lista.texto(l, cNome));
        }
    } catch (const Erro&) {
        // A missing or unreadable list only leaves the names out.
    }
    return nomes;
}

} // namespace corvel
