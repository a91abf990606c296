// Client of corvel-mdb: one request line written, its answer lines read with a time limit, any
// missing, refused or malformed answer turned into ErroBancoAccess.
#include "bancoaccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace corvel {

namespace {

QString& programa() {
    static QString caminho;
    return caminho;
}

QString caminhoDoLeitor() {
    if (!programa().isEmpty()) return programa();
    const QString pasta =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    const QString achado = QStandardPaths::findExecutable(QStringLiteral("corvel-mdb"), {pasta});
    return achado.isEmpty() ? QDir(pasta).filePath(QStringLiteral("corvel-mdb")) : achado;
}

// A scan of a large table takes a moment; a reader stuck longer than this is stuck for good.
constexpr int kEspera = 30000; // ms

std::string texto(const QString& s) {
    return s.toUtf8().toStdString();
}

QString deTexto(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string desescapado(std::string_view campo) {
    std::string r;
    if (!mdb::desescapar(campo, r)) throw ErroBancoAccess(QStringLiteral("resposta ilegível"));
    return r;
}

} // namespace

void BancoAccess::definirPrograma(const QString& caminho) {
    programa() = caminho;
}

BancoAccess::BancoAccess(const QString& caminho) {
    if (!QFileInfo(caminho).isFile()) throw ErroBancoAccess(QStringLiteral("o arquivo não existe"));
    processo_ = std::make_unique<QProcess>();
    processo_->setProcessChannelMode(QProcess::SeparateChannels);
    // libmdb writes its own warnings there, in English.
    processo_->setStandardErrorFile(QProcess::nullDevice());
    processo_->start(caminhoDoLeitor(), {caminho});
    if (!processo_->waitForStarted(kEspera))
        throw ErroBancoAccess(QStringLiteral("o leitor corvel-mdb não pôde ser iniciado"));
    try {
        if (lerLinha() != mdb::kRespostaOk)
            throw ErroBancoAccess(
                QStringLiteral("o arquivo não é um banco de dados Access legível"));
    } catch (...) {
        encerrar();
        throw;
    }
}

BancoAccess::~BancoAccess() {
    encerrar();
}

void BancoAccess::encerrar() {
    processo_->closeWriteChannel();
    if (!processo_->waitForFinished(2000)) processo_->kill();
    processo_->waitForFinished(2000);
}

std::string BancoAccess::lerLinha() {
    while (!processo_->canReadLine()) {
        if (processo_->state() != QProcess::Running || !processo_->waitForReadyRead(kEspera))
            throw ErroBancoAccess(processo_->state() == QProcess::Running
                                      ? QStringLiteral("o leitor não respondeu")
                                      : QStringLiteral("o arquivo está danificado"));
    }
    QByteArray linha = processo_->readLine();
    linha.chop(1);
    return linha.toStdString();
}

std::string BancoAccess::perguntar(const QStringList& campos) {
    std::string pedido;
    for (const QString& c : campos) {
        if (!pedido.empty()) pedido += mdb::kSeparador;
        pedido += mdb::escapar(texto(c));
    }
    pedido += '\n';
    processo_->write(pedido.data(), static_cast<qint64>(pedido.size()));
    std::string r = lerLinha();
    if (r == mdb::kRespostaErro) throw ErroBancoAccess(QStringLiteral("o arquivo está danificado"));
    return r;
}

QStringList BancoAccess::tabelas() {
    const std::string r = perguntar({QStringLiteral("T")});
    const auto campos = mdb::separar(r);
    if (campos[0] != "T") throw ErroBancoAccess(QStringLiteral("resposta ilegível"));
    QStringList nomes;
    for (std::size_t i = 1; i < campos.size(); ++i)
        nomes << deTexto(desescapado(campos[i]));
    return nomes;
}

std::optional<std::vector<CampoBanco>> BancoAccess::campos(const QString& tabela) {
    const std::string r = perguntar({QStringLiteral("C"), tabela});
    if (r == "-") return std::nullopt;
    const auto campos = mdb::separar(r);
    if (campos[0] != "C") throw ErroBancoAccess(QStringLiteral("resposta ilegível"));
    std::vector<CampoBanco> lista;
    for (std::size_t i = 1; i < campos.size(); ++i) {
        const std::string c = desescapado(campos[i]);
        if (c.size() < 2 || c[c.size() - 2] != ':')
            throw ErroBancoAccess(QStringLiteral("resposta ilegível"));
        lista.push_back({deTexto(std::string_view(c).substr(0, c.size() - 2)),
                         static_cast<mdb::TipoCampo>(c.back())});
    }
    return lista;
}

std::vector<std::string> BancoAccess::distintos(const QString& tabela, const QString& campo) {
    const std::string r = perguntar({QStringLiteral("D"), tabela, campo});
    const auto campos = mdb::separar(r);
    if (campos[0] != "D") throw ErroBancoAccess(QStringLiteral("resposta ilegível"));
    return {campos.begin() + 1, campos.end()};
}

void BancoAccess::linhas(const QString& tabela, const QString& filtro, const QString& valor,
                         const QStringList& pedidos,
                         const std::function<void(const std::vector<std::string_view>&)>& linha) {
    QStringList pedido{QStringLiteral("L"), tabela, filtro, valor};
    pedido += pedidos;
    for (std::string r = perguntar(pedido); r != mdb::kFimDasLinhas; r = lerLinha()) {
        if (r == mdb::kRespostaErro)
            throw ErroBancoAccess(QStringLiteral("o arquivo está danificado"));
        std::vector<std::string_view> campos = mdb::separar(r);
        if (campos[0] != "R" || campos.size() != static_cast<std::size_t>(pedidos.size()) + 1)
            throw ErroBancoAccess(QStringLiteral("resposta ilegível"));
        campos.erase(campos.begin());
        linha(campos);
    }
}

} // namespace corvel
