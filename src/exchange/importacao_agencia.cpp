// Agency text import: skip the comment block, read every following line through the record codec,
// keep the consisted rows (the raw ones only when there are none), one record per month.
#include "importacao_agencia.h"

#include "registro.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

namespace corvel {

namespace {

// Lines of the file without their CR LF or LF. A final line break does not start another line.
QList<QStringView> linhasDe(const QString& texto) {
    QList<QStringView> linhas = QStringView(texto).split(u'\n');
    if (linhas.size() > 1 && linhas.last().isEmpty())
        linhas.removeLast();
    for (QStringView& l : linhas)
        if (l.endsWith(u'\r'))
            l.chop(1);
    return linhas;
}

// Index of the first line to parse: the first line after the leading block of lines holding "//".
// One empty line inside the block is stepped over; a second one in a row ends the block and is
// itself the first line parsed. A block that runs to the end of the file leaves nothing to import.
qsizetype aposComentarios(const QList<QStringView>& linhas) {
    qsizetype atual = 0;
    while (atual < linhas.size() && linhas[atual].contains(u"//")) {
        ++atual;
        if (atual < linhas.size() && linhas[atual].isEmpty())
            ++atual;
        if (atual >= linhas.size())
            throw Erro(mensagemEstruturaInvalida());
    }
    return atual;
}

struct Passada {
    SerieTabela serie;
    int duplicados = 0;
};

// One pass over the lines from `inicio`, keeping the rows of one consistency level.
Passada importarNivel(const QList<QStringView>& linhas, qsizetype inicio, qint16 nivel,
                      int inicioAnoHidrologico, const Progresso& progresso) {
    Passada p;
    p.serie.esvaziar();
    TRegistro registro;
    for (qsizetype i = inicio; i < linhas.size(); ++i) {
        if (registro.lerLinhaAgencia(linhas[i], inicioAnoHidrologico) &&
            registro.consistencia() == nivel) {
            RegistroMensal r = SerieTabela::novoRegistro(nivel);
            try {
                registro.gravarNoRegistro(r);
            } catch (const ErroConversao& e) {
                throw ErroConversao(QStringLiteral("linha %1: %2").arg(i + 1).arg(e.mensagem()));
            }
            // Downloads sometimes repeat a month at one level, told apart only by the time
            // column; the later row stands, so each month is held once.
            const qsizetype repetido = p.serie.localizar(r.data);
            if (repetido >= 0) {
                p.serie.remover(repetido);
                ++p.duplicados;
            }
            p.serie.acrescentarProgramatico(std::move(r));
        }
        if (progresso)
            progresso(i - inicio + 1);
    }
    return p;
}

} // namespace

QString mensagemEstruturaInvalida() {
    return QStringLiteral("Verifique se esse arquivo foi baixado do site da Vidara, ou se tem a "
                          "estrutura adequada.") +
           kQuebraLinha + QStringLiteral(" Ação abortada.");
}

bool extensaoAgenciaValida(const QString& caminho) {
    const QString sufixo = QFileInfo(caminho).suffix();
    return sufixo.compare(u"txt", Qt::CaseInsensitive) == 0 ||
           sufixo.compare(u"csv", Qt::CaseInsensitive) == 0;
}

ResultadoImportacao lerTextoAgencia(QByteArrayView bytes, int inicioAnoHidrologico,
                                    const Progresso& progresso) {
    const QString texto = QString::fromLatin1(bytes);
    const QList<QStringView> linhas = linhasDe(texto);
    const qsizetype inicio = aposComentarios(linhas);

    // Raw and consisted rows are never mixed: the raw ones serve only a file without consisted
    // data.
    qint16 nivel = 2;
    Passada p = importarNivel(linhas, inicio, nivel, inicioAnoHidrologico, progresso);
    if (p.serie.vazia()) {
        nivel = 1;
        p = importarNivel(linhas, inicio, nivel, inicioAnoHidrologico, progresso);
    }
    // A file without a single data row would become a project without months or station.
    if (p.serie.vazia())
        throw Erro(mensagemEstruturaInvalida());
    return {std::move(p.serie), nivel, p.duplicados};
}

ResultadoImportacao importarArquivoAgencia(const QString& caminho, int inicioAnoHidrologico,
                                           const Progresso& progresso) {
    if (!extensaoAgenciaValida(caminho))
        throw Erro(QString::fromUtf8(kMsgArquivoInvalido), Gravidade::Aviso);
    try {
        QFile arquivo(caminho);
        if (!arquivo.open(QIODevice::ReadOnly))
            throw ErroImportacao(caminho, arquivo.errorString());
        const QByteArray bytes = arquivo.readAll();
        if (arquivo.error() != QFileDevice::NoError)
            throw ErroImportacao(caminho, arquivo.errorString());
        return lerTextoAgencia(bytes, inicioAnoHidrologico, progresso);
    } catch (const ErroImportacao&) {
        throw;
    } catch (const ErroConversao& e) {
        throw ErroImportacao(caminho, e.mensagem());
    } catch (const Erro&) {
        throw; // the file is not an agency file: its own message, not the import error
    } catch (const std::exception& e) {
        throw ErroImportacao(caminho, QString::fromLocal8Bit(e.what()));
    }
}

QString lerTextoLatin1(const QString& caminho) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(arquivo.readAll());
}

} // namespace corvel
