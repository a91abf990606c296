// Agency text import: skip the comment block, read every following line through the record codec,
// keep the consisted rows (the raw ones only when there are none), one record per month.
#include "importacaoagencia.h"

#include "registro.h"

#include "core/formato.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <algorithm>
#include <array>
#include <optional>

namespace corvel {

QList<QStringView> dividirLinhas(const QString& texto) {
    QList<QStringView> linhas;
    const QStringView t(texto);
    qsizetype inicio = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] != u'\n' && t[i] != u'\r') continue;
        linhas.append(t.sliced(inicio, i - inicio));
        if (t[i] == u'\r' && i + 1 < t.size() && t[i + 1] == u'\n') ++i;
        inicio = i + 1;
    }
    if (inicio < t.size() || linhas.isEmpty()) linhas.append(t.sliced(inicio));
    return linhas;
}

namespace {

// The agency writes Latin-1; a file saved again by another program may be UTF-8 with a mark.
QString textoDoArquivo(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.sliced(3));
    return QString::fromLatin1(bytes);
}

// Index of the first line to parse: the first line after the leading block of lines holding "//".
// One empty line inside the block is stepped over; a second one in a row ends the block and is
// itself the first line parsed. A block that runs to the end of the file leaves nothing to import.
qsizetype aposComentarios(const QList<QStringView>& linhas) {
    qsizetype atual = 0;
    while (atual < linhas.size() && linhas[atual].contains(u"//")) {
        ++atual;
        if (atual < linhas.size() && linhas[atual].isEmpty()) ++atual;
        if (atual >= linhas.size()) throw Erro(mensagemEstruturaInvalida());
    }
    return atual;
}

// A short line that starts like a data row (a station code and ';'), as a truncated row does.
bool pareceLinhaDeDados(QStringView linha) {
    const qsizetype pontoEVirgula = linha.indexOf(u';');
    if (pontoEVirgula <= 0) return false;
    const QStringView codigo = linha.first(pontoEVirgula).trimmed();
    return !codigo.isEmpty() &&
           std::all_of(codigo.begin(), codigo.end(), [](QChar c) { return c.isDigit(); });
}

void validar(const RegistroMensal& r, qsizetype numeroLinha, const TRegistro& registro) {
    if (r.estacaoCodigo <= 0)
        throw ErroConversao(QStringLiteral("linha %1: código de estação inválido: '%2'")
                                .arg(numeroLinha)
                                .arg(registro.texto(kSlotEstacaoCodigo)));
    if (!anoAceito(r.data))
        throw ErroConversao(
            QStringLiteral("linha %1: a data %2 está fora do período aceito (%3 a %4)")
                .arg(numeroLinha)
                .arg(registro.texto(kSlotData))
                .arg(kPrimeiroAnoAceito)
                .arg(kUltimoAnoAceito));
}

QString listaDeCodigos(const std::vector<qint32>& codigos) {
    QStringList t;
    for (qint32 c : codigos)
        t << QString::number(c);
    return t.join(QStringLiteral(", "));
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
                                    DadosBrutos brutos, const Progresso& progresso) {
    const QString texto = textoDoArquivo(bytes);
    const QList<QStringView> linhas = dividirLinhas(texto);
    const qsizetype inicio = aposComentarios(linhas);

    std::array<MesesDoNivel, 3> niveis; // index 1 raw, 2 consisted
    AvisosImportacao avisos;
    std::vector<qint32> codigos;
    bool dadosComecaram = false; // lines before the first full row are the file's banner
    TRegistro registro;
    for (qsizetype i = inicio; i < linhas.size(); ++i) {
        const qsizetype numeroLinha = i + 1;
        if (registro.lerLinhaAgencia(linhas[i], inicioAnoHidrologico)) {
            dadosComecaram = true;
            const int nivel = registro.consistencia();
            if (nivel == 1 || nivel == 2) {
                MesesDoNivel& n = niveis[static_cast<std::size_t>(nivel)];
                RegistroMensal r = SerieTabela::novoRegistro(static_cast<qint16>(nivel));
                try {
                    try {
                        registro.gravarNoRegistro(r);
                    } catch (const ErroConversao& e) {
                        throw ErroConversao(
                            QStringLiteral("linha %1: %2").arg(numeroLinha).arg(e.mensagem()));
                    }
                    validar(r, numeroLinha, registro);
                    if (std::find(codigos.begin(), codigos.end(), r.estacaoCodigo) == codigos.end())
                        codigos.push_back(r.estacaoCodigo);
                    n.acrescentar(std::move(r));
                } catch (const ErroConversao& e) {
                    if (!n.erro) n.erro = e;
                }
            }
        } else if (!linhas[i].trimmed().isEmpty() &&
                   (dadosComecaram || pareceLinhaDeDados(linhas[i]))) {
            if (avisos.linhasIgnoradas++ < kLinhasIgnoradasCitadas)
                avisos.primeirasLinhasIgnoradas.push_back(numeroLinha);
        }
        if (progresso) progresso(i - inicio + 1);
    }

    if (codigos.size() > 1)
        throw Erro(QStringLiteral("O arquivo contém dados de mais de uma estação (%1).")
                       .arg(listaDeCodigos(codigos)));

    ResultadoImportacao r = escolherNivel(niveis[1], niveis[2], brutos, std::move(avisos));
    // A file without a single data row would become a project without months or station.
    if (r.serie.vazia()) throw Erro(mensagemEstruturaInvalida());
    return r;
}

ResultadoImportacao importarArquivoAgencia(const QString& caminho, int inicioAnoHidrologico,
                                           DadosBrutos brutos, const Progresso& progresso) {
    if (!extensaoAgenciaValida(caminho))
        throw Erro(QString::fromUtf8(kMsgArquivoInvalido), Gravidade::Aviso);
    try {
        QFile arquivo(caminho);
        if (!arquivo.open(QIODevice::ReadOnly))
            throw ErroImportacao(caminho, arquivo.errorString());
        const QByteArray bytes = arquivo.readAll();
        if (arquivo.error() != QFileDevice::NoError)
            throw ErroImportacao(caminho, arquivo.errorString());
        return lerTextoAgencia(bytes, inicioAnoHidrologico, brutos, progresso);
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
    if (!arquivo.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(arquivo.readAll());
}

} // namespace corvel
