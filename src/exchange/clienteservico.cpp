// GET requests on Qt Network, waited for in a local event loop.
#include "clienteservico.h"

#include "core/formato.h"

#include <QDir>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSettings>
#include <QUrl>

namespace corvel {

ConfiguracaoServico lerConfiguracaoServico(const QString& pastaDados) {
    ConfiguracaoServico c;
    if (!pastaDados.isEmpty()) {
        const QSettings ini(QDir(pastaDados).filePath(QString::fromLatin1(kArquivoConfiguracao)),
                            QSettings::IniFormat);
        const QString endereco = ini.value(QStringLiteral("Webservice/Endereco")).toString();
        if (!endereco.trimmed().isEmpty()) c.endereco = endereco.trimmed();
        bool ok = false;
        const int segundos = ini.value(QStringLiteral("Webservice/TempoLimite")).toInt(&ok);
        if (ok && segundos > 0) c.tempoLimiteMs = segundos * 1000;
    }
    const QString variavel = qEnvironmentVariable(kVariavelEnderecoServico).trimmed();
    if (!variavel.isEmpty()) c.endereco = variavel;
    return c;
}

ClienteServico::ClienteServico(ConfiguracaoServico configuracao)
    : configuracao_(std::move(configuracao)), rede_(std::make_unique<QNetworkAccessManager>()) {}

ClienteServico::~ClienteServico() = default;

QString ClienteServico::url(const QString& caminho) const {
    QString base = configuracao_.endereco;
    while (base.endsWith(u'/'))
        base.chop(1);
    return base + caminho;
}

RespostaServico ClienteServico::obter(const QString& caminho) {
    const QUrl endereco(url(caminho));
    if (!endereco.isValid() || (endereco.scheme() != u"http" && endereco.scheme() != u"https"))
        return {false,
                {},
                QStringLiteral("endereço do serviço inválido: %1").arg(configuracao_.endereco)};
    QNetworkRequest pedido(endereco);
    pedido.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    pedido.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Corvel/1.0"));
    // Counted from the last byte received: a slow answer goes on, a silent service ends.
    pedido.setTransferTimeout(configuracao_.tempoLimiteMs);

    QNetworkReply* resposta = rede_->get(pedido);
    bool grandeDemais = false;
    QObject::connect(resposta, &QNetworkReply::downloadProgress, resposta,
                     [&grandeDemais, resposta](qint64 recebidos, qint64 total) {
                         if (recebidos > kTamanhoMaximoResposta || total > kTamanhoMaximoResposta) {
                             grandeDemais = true;
                             resposta->abort();
                         }
                     });
    if (!resposta->isFinished()) {
        QEventLoop laco;
        QObject::connect(resposta, &QNetworkReply::finished, &laco, &QEventLoop::quit);
        laco.exec();
    }
    // Nothing of the reply reaches this function's locals once it returns.
    auto descartar = [](QNetworkReply* r) {
        r->disconnect();
        r->deleteLater();
    };
    const std::unique_ptr<QNetworkReply, decltype(descartar)> dono(resposta, descartar);

    RespostaServico r;
    const int status = resposta->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString frase =
        resposta->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    if (grandeDemais) {
        r.motivo = QStringLiteral("resposta maior que %1 MiB").arg(kTamanhoMaximoResposta >> 20);
    } else if (resposta->error() == QNetworkReply::OperationCanceledError) {
        r.motivo = QStringLiteral("o servidor não respondeu em %1 s")
                       .arg(formatarGeral(configuracao_.tempoLimiteMs / 1000.0));
    } else if (status != 0 && (status < 200 || status > 299)) {
        r.motivo = QStringLiteral("HTTP %1 %2").arg(status).arg(frase).trimmed();
    } else if (resposta->error() != QNetworkReply::NoError) {
        r.motivo = resposta->errorString();
    } else {
        r.sucesso = true;
        r.corpo = resposta->readAll();
    }
    return r;
}

} // namespace corvel
