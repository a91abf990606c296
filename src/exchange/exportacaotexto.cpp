// Own CSV/TXT export through the record codec.
#include "exportacaotexto.h"

#include "registro.h"
#include "windows1252.h"

#include "core/erros.h"
#include "core/gravacao.h"

namespace corvel {

namespace {} // namespace

QString mensagemErroExportar(FormatoTexto formato) {
    return formato == FormatoTexto::Csv ? QStringLiteral("Erro ao exportar arquivo *.csv")
                                        : QStringLiteral("Erro ao exportar arquivo *.txt");
}

QChar separadorTexto(FormatoTexto formato) {
    return formato == FormatoTexto::Csv ? QChar(u';') : QChar(u' ');
}

void exportarTexto(const SerieTabela& serie, const QString& caminho, FormatoTexto formato,
                   const Progresso& progresso) {
    if (!serie.ativa()) throw Erro(QString::fromUtf8(kMsgSemDadosExportar));
    const QChar separador = separadorTexto(formato);
    try {
        GravacaoAtomica arquivo(caminho);
        arquivo.escrever(codificarWindows1252(TRegistro::cabecalho(separador)) + "\r\n");
        TRegistro registro;
        for (qsizetype i = 0; i < serie.tamanho(); ++i) {
            registro.lerDoRegistro(serie[i]);
            arquivo.escrever(codificarWindows1252(registro.linha(separador)) + "\r\n");
            if (progresso) progresso(i + 1);
        }
        arquivo.concluir();
    } catch (const ErroArquivo& e) {
        throw Erro(mensagemErroExportar(formato) + kQuebraLinha + e.mensagem());
    }
}

} // namespace corvel
