// Own CSV/TXT export through the record codec.
#include "exportacao_texto.h"

#include "registro.h"
#include "windows1252.h"

#include "core/erros.h"

#include <QFile>

namespace corvel {

namespace {

void gravarLinha(QFile& arquivo, const QString& linha, FormatoTexto formato) {
    const QByteArray bytes = codificarWindows1252(linha) + "\r\n";
    if (arquivo.write(bytes) != bytes.size())
        throw Erro(mensagemErroExportar(formato));
}

} // namespace

QString mensagemErroExportar(FormatoTexto formato) {
    return formato == FormatoTexto::Csv ? QStringLiteral("Erro ao exportar arquivo *.csv")
                                        : QStringLiteral("Erro ao exportar arquivo *.txt");
}

QChar separadorTexto(FormatoTexto formato) {
    return formato == FormatoTexto::Csv ? QChar(u';') : QChar(u' ');
}

void exportarTexto(const SerieTabela& serie, const QString& caminho, FormatoTexto formato,
                   const Progresso& progresso) {
    if (!serie.ativa())
        throw Erro(QString::fromUtf8(kMsgSemDadosExportar));
    const QChar separador = separadorTexto(formato);
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw Erro(mensagemErroExportar(formato));
    gravarLinha(arquivo, TRegistro::cabecalho(separador), formato);
    TRegistro registro;
    for (qsizetype i = 0; i < serie.tamanho(); ++i) {
        registro.lerDoRegistro(serie[i]);
        gravarLinha(arquivo, registro.linha(separador), formato);
        if (progresso)
            progresso(i + 1);
    }
    if (!arquivo.flush())
        throw Erro(mensagemErroExportar(formato));
    arquivo.close();
    if (arquivo.error() != QFileDevice::NoError)
        throw Erro(mensagemErroExportar(formato));
}

} // namespace corvel
