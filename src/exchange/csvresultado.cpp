// Result CSV writer.
#include "csvresultado.h"

#include "core/gravacao.h"

#include "windows1252.h"

#include "core/erros.h"

namespace corvel {

namespace {
void acrescentarLinha(QString& texto, const std::vector<QString>& valores) {
    for (const QString& v : valores) {
        texto += v;
        texto += u';';
    }
    texto += QStringLiteral("\r\n");
}
} // namespace

QByteArray textoCsvResultado(const std::vector<QString>& titulos, const LinhasTexto& linhas) {
    QString texto;
    acrescentarLinha(texto, titulos);
    for (const auto& l : linhas)
        acrescentarLinha(texto, l);
    return codificarWindows1252(texto);
}

void gravarCsvResultado(const QString& caminho, const std::vector<QString>& titulos,
                        const LinhasTexto& linhas) {
    gravarArquivoAtomico(caminho, textoCsvResultado(titulos, linhas));
}

} // namespace corvel
