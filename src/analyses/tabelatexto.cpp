// Result tables as CSV text.
#include "tabelatexto.h"

namespace corvel {

QString textoCsv(const TabelaTexto& tabela, QStringView fimLinha) {
    QString texto;
    for (const QString& l : tabela.linhasAntes) {
        texto += l;
        texto += fimLinha;
    }
    const auto linha = [&](const std::vector<QString>& valores) {
        for (const QString& v : valores) {
            texto += v;
            texto += u';';
        }
        texto += fimLinha;
    };
    linha(tabela.titulos);
    for (const auto& l : tabela.linhas)
        linha(l);
    return texto;
}

} // namespace corvel
