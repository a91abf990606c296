// Result CSV writer.
#include "csvresultado.h"

#include "windows1252.h"

#include "core/erros.h"

#include <QFileInfo>
#include <QSaveFile>

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
    const QByteArray dados = textoCsvResultado(titulos, linhas);
    QSaveFile f(caminho);
    if (!f.open(QIODevice::WriteOnly) || f.write(dados) != dados.size() || !f.commit())
        throw ErroArquivo(QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2")
                              .arg(QFileInfo(caminho).fileName(), f.errorString()));
}

} // namespace corvel
