// Result tables as CSV text and as spreadsheet tables.
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

TabelaExibida tabelaExibida(const TabelaTexto& tabela) {
    TabelaExibida t;
    for (const QString& titulo : tabela.titulos)
        t.colunas.push_back({titulo, TipoCampo::Texto});
    t.linhas.reserve(tabela.linhas.size());
    for (const auto& l : tabela.linhas) {
        std::vector<Valor> linha;
        linha.reserve(l.size());
        for (const QString& v : l)
            linha.push_back(v.isEmpty() ? Valor() : Valor(v)); // an empty text is an empty cell
        t.linhas.push_back(std::move(linha));
    }
    return t;
}

} // namespace corvel
