// São Paulo text import: the station code of line 3, the column titles found by "Mês/Ano", then
// one record per line of 32 fixed columns.
#include "importacaosp.h"

#include "core/formato.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cmath>
#include <limits>

namespace corvel {

namespace {

// The authority writes Latin-1; a file saved again elsewhere may be UTF-8, with or without a mark.
QString textoDoArquivo(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.sliced(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : texto;
}

// Column i of a data line (0 the month); empty when the line is too short to hold it.
QStringView coluna(QStringView linha, int i) {
    const qsizetype inicio = static_cast<qsizetype>(i) * kLarguraColunaSaoPaulo;
    if (inicio >= linha.size()) return {};
    return linha.sliced(inicio, std::min<qsizetype>(kLarguraColunaSaoPaulo, linha.size() - inicio));
}

std::optional<double> vazao(QStringView texto) {
    // A column of spaces is as empty as a column the line does not reach.
    if (texto.contains(u"---") || texto.trimmed().isEmpty()) return std::nullopt;
    const double v = lerReal(texto);
    if (!std::isfinite(v))
        throw ErroConversao(QStringLiteral("'%1' não é um número finito").arg(texto));
    return v;
}

// The code of line 3: a positive whole number.
qint32 codigoEstacao(QStringView texto) {
    long long c = 0;
    try {
        c = lerInteiro(texto);
    } catch (const ErroConversao&) {
    }
    if (c <= 0 || c > std::numeric_limits<qint32>::max())
        throw ErroConversao(QStringLiteral("linha 3: código de estação inválido: '%1'").arg(texto));
    return static_cast<qint32>(c);
}

RegistroMensal registroDaLinha(QStringView linha, double numero, qint32 codigo) {
    RegistroMensal r = SerieTabela::novoRegistro(1);
    r.registroId = numero;
    r.estacaoCodigo = codigo;
    const QDate dia = lerData(QStringLiteral("01/") + coluna(linha, 0).trimmed().toString());
    if (!anoAceito(dia))
        throw ErroConversao(QStringLiteral("a data %1 está fora do período aceito (%2 a %3)")
                                .arg(formatarData(dia))
                                .arg(kPrimeiroAnoAceito)
                                .arg(kUltimoAnoAceito));
    r.data = dia;
    r.vazao01Status = kConsiderado;
    r.vazao02Status = kInicioAnoLidoSaoPaulo;
    r.vazao03Status = 0;
    for (int d = 1; d < kColunasSaoPaulo; ++d)
        r.vazao[static_cast<std::size_t>(d - 1)] = vazao(coluna(linha, d));
    return r;
}

} // namespace

ResultadoImportacao lerTextoSaoPaulo(QByteArrayView bytes, const Progresso& progresso) {
    const QString texto = textoDoArquivo(bytes);
    const QList<QStringView> linhas = dividirLinhas(texto);
    if (!linhas[0].contains(u"PREFIXO"))
        throw Erro(QString::fromUtf8(kMsgArquivoInvalido), Gravidade::Aviso);
    // Line 3: twelve characters, then the station code.
    const QStringView linhaCodigo =
        linhas.size() > 2 ? linhas[2].sliced(std::min<qsizetype>(12, linhas[2].size())).trimmed()
                          : QStringView();

    // The search for the column titles starts at line 2 and goes on after line 3, stepping over
    // one empty line at a time.
    qsizetype atual = 1, proxima = 3;
    const auto avancar = [&] {
        if (proxima >= linhas.size()) throw Erro(mensagemEstruturaInvalida());
        atual = proxima++;
    };
    if (atual >= linhas.size()) throw Erro(mensagemEstruturaInvalida());
    while (!linhas[atual].contains(u"Mês/Ano")) {
        avancar();
        if (linhas[atual].isEmpty()) avancar();
    }
    ++proxima; // the line under the titles

    MesesDoNivel lidos;
    std::optional<qint32> codigo;
    qint64 numero = 0;
    for (qsizetype i = proxima; i < linhas.size(); ++i) {
        // Blank lines (a last line end, a gap before a footer) hold no month.
        if (linhas[i].trimmed().isEmpty()) continue;
        if (!codigo) codigo = codigoEstacao(linhaCodigo);
        try {
            lidos.acrescentar(registroDaLinha(linhas[i], static_cast<double>(numero), *codigo));
        } catch (const ErroConversao& e) {
            throw ErroConversao(QStringLiteral("linha %1: %2").arg(i + 1).arg(e.mensagem()));
        }
        ++numero;
        if (progresso) progresso(numero);
    }
    // A file without a single month would become a project without months.
    if (lidos.serie.vazia()) throw Erro(mensagemEstruturaInvalida());

    ResultadoImportacao r;
    r.serie = std::move(lidos.serie);
    r.nivelConsistencia = 2;
    r.duplicadosDescartados = lidos.duplicados;
    contarImplausiveis(r.serie, r.avisos);
    return r;
}

ResultadoImportacao importarArquivoSaoPaulo(const QString& caminho, const Progresso& progresso) {
    if (QFileInfo(caminho).suffix().compare(u"txt", Qt::CaseInsensitive) != 0)
        throw Erro(QString::fromUtf8(kMsgArquivoInvalido), Gravidade::Aviso);
    try {
        QFile arquivo(caminho);
        if (!arquivo.open(QIODevice::ReadOnly))
            throw ErroImportacao(caminho, arquivo.errorString());
        const QByteArray bytes = arquivo.readAll();
        if (arquivo.error() != QFileDevice::NoError)
            throw ErroImportacao(caminho, arquivo.errorString());
        return lerTextoSaoPaulo(bytes, progresso);
    } catch (const ErroImportacao&) {
        throw;
    } catch (const ErroConversao& e) {
        throw ErroImportacao(caminho, e.mensagem());
    } catch (const Erro&) {
        throw; // not a São Paulo file: its own message, not the import error
    } catch (const std::exception& e) {
        throw ErroImportacao(caminho, QString::fromLocal8Bit(e.what()));
    }
}

} // namespace corvel
