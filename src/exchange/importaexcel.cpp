// Cell reader that talks to the corvel-planilha process: one line asked, one line answered. While
// it waits, the caller's aoEsperar runs between short waits, so a window stays responsive.
#include "importaexcel.h"

#include "core/plataforma.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>

namespace corvel {

namespace {

QString& programa() {
    static QString caminho;
    return caminho;
}

QString caminhoDoLeitor() {
    if (!programa().isEmpty()) return programa();
    return plataforma::programaAuxiliar(QStringLiteral("corvel-planilha"));
}

constexpr qint64 kPrazoPedido = 10000; // ms; a loaded workbook answers a cell at once
constexpr int kPasso = 50;             // ms between two calls of aoEsperar

QByteArray pedido(char tipo, int planilha, int linha, int coluna) {
    return QByteArray(1, tipo) + ' ' + QByteArray::number(planilha) + ' ' +
           QByteArray::number(linha) + ' ' + QByteArray::number(coluna);
}

} // namespace

TImportaExcel::TImportaExcel() = default;
TImportaExcel::~TImportaExcel() {
    fechar();
}

void TImportaExcel::definirPrograma(const QString& caminho) {
    programa() = caminho;
}

qint64 TImportaExcel::prazoDeCarga(qint64 bytes) {
    return 10000 + std::max<qint64>(bytes, 0) * 2000 / (1024 * 1024);
}

bool TImportaExcel::abrir(const QString& caminho, AoEsperar aoEsperar) {
    fechar();
    cancelada_ = false;
    aoEsperar_ = std::move(aoEsperar);
    const QFileInfo arquivo(caminho);
    if (!arquivo.isFile()) return false;
    processo_ = std::make_unique<QProcess>();
    processo_->setProcessChannelMode(QProcess::SeparateChannels);
    processo_->setStandardErrorFile(QProcess::nullDevice());
    processo_->start(caminhoDoLeitor(), {caminho});
    const auto resposta = processo_->waitForStarted(kPrazoPedido)
                              ? lerResposta(prazoDeCarga(arquivo.size()))
                              : std::nullopt;
    if (resposta != QByteArray("OK")) {
        fechar();
        return false;
    }
    return true;
}

std::optional<QByteArray> TImportaExcel::lerResposta(qint64 prazo) const {
    QProcess& p = *processo_;
    QElapsedTimer relogio;
    relogio.start();
    while (!p.canReadLine()) {
        if (p.state() != QProcess::Running) return std::nullopt;
        const qint64 decorrido = relogio.elapsed();
        bool parar = decorrido >= prazo;
        if (!parar &&
            !p.waitForReadyRead(static_cast<int>(std::min<qint64>(kPasso, prazo - decorrido))) &&
            p.state() == QProcess::Running && aoEsperar_ && !aoEsperar_(relogio.elapsed(), prazo)) {
            cancelada_ = true;
            parar = true;
        }
        if (parar) {
            p.kill();
            p.waitForFinished(kPrazoPedido);
            return std::nullopt;
        }
    }
    return semFimDeLinha(p.readLine());
}

std::optional<QByteArray> TImportaExcel::perguntar(const QByteArray& pedido) const {
    if (!processo_ || processo_->state() != QProcess::Running) return std::nullopt;
    processo_->write(pedido + '\n');
    return lerResposta(kPrazoPedido);
}

std::optional<QString> TImportaExcel::lerCelula(int planilha, int linha, int coluna) const {
    const auto r = perguntar(pedido('C', planilha, linha, coluna));
    if (!r || !r->startsWith("T ")) return std::nullopt;
    auto texto = decodificarTextoCelula(r->mid(2));
    if (!texto || texto->isEmpty()) return std::nullopt;
    return texto;
}

std::optional<double> TImportaExcel::lerNumero(int planilha, int linha, int coluna) const {
    const auto r = perguntar(pedido('N', planilha, linha, coluna));
    if (!r || !r->startsWith("N ")) return std::nullopt;
    bool ok = false;
    const double v = r->mid(2).toDouble(&ok);
    return ok ? std::optional(v) : std::nullopt;
}

std::optional<TImportaExcel::Estilo> TImportaExcel::lerEstilo(int planilha, int linha,
                                                              int coluna) const {
    const auto r = perguntar(pedido('E', planilha, linha, coluna));
    if (!r || !r->startsWith("E ")) return std::nullopt;
    const QList<QByteArray> partes = r->mid(2).split(' ');
    if (partes.size() != 3) return std::nullopt;
    bool ok1 = false, ok2 = false;
    Estilo e;
    e.fundo = partes[0].toUInt(&ok1, 16);
    e.texto = partes[1].toUInt(&ok2, 16);
    e.negrito = partes[2] == "1";
    return ok1 && ok2 ? std::optional(e) : std::nullopt;
}

void TImportaExcel::fechar() {
    aoEsperar_ = nullptr;
    if (!processo_) return;
    processo_->closeWriteChannel();
    if (!processo_->waitForFinished(2000)) processo_->kill();
    processo_->waitForFinished(2000);
    processo_.reset();
}

} // namespace corvel
