// A web service on 127.0.0.1 for the tests: answers GET requests with canned answers written by
// hand, over plain HTTP or TLS, or keeps a request waiting forever. It runs on the test's thread;
// the client's event loop serves it while the client waits.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <memory>

namespace corvel::teste {

struct RespostaHttp {
    int status = 200;
    QByteArray frase = "OK";
    QByteArray corpo;
    bool semResposta = false; // the request is read and never answered
};

class ServidorTeste : public QObject {
  public:
    using Atendente = std::function<RespostaHttp(const QByteArray& caminho)>;

    // Plain HTTP, or TLS with the test certificate of 127.0.0.1 (tests/data/servico).
    explicit ServidorTeste(Atendente atendente, bool tls = false)
        : atendente_(std::move(atendente)), tls_(tls) {
        if (tls_) {
            auto* s = new QSslServer(this);
            QSslConfiguration c = QSslConfiguration::defaultConfiguration();
            c.setLocalCertificate(certificado());
            QFile chave(QStringLiteral(CORVEL_TEST_DATA "/servico/chave.pem"));
            chave.open(QIODevice::ReadOnly);
            c.setPrivateKey(QSslKey(chave.readAll(), QSsl::Rsa));
            s->setSslConfiguration(c);
            servidor_ = s;
            connect(s, &QSslServer::pendingConnectionAvailable, this, &ServidorTeste::aceitar);
        } else {
            servidor_ = new QTcpServer(this);
            connect(servidor_, &QTcpServer::newConnection, this, &ServidorTeste::aceitar);
        }
        servidor_->listen(QHostAddress::LocalHost);
    }

    static QSslCertificate certificado() {
        QFile f(QStringLiteral(CORVEL_TEST_DATA "/servico/certificado.pem"));
        f.open(QIODevice::ReadOnly);
        return QSslCertificate(f.readAll());
    }

    QString endereco() const {
        return QStringLiteral("%1://127.0.0.1:%2")
            .arg(tls_ ? QStringLiteral("https") : QStringLiteral("http"))
            .arg(servidor_->serverPort());
    }

    QList<QByteArray> pedidos; // path and query of every request, in order

  private:
    void aceitar() {
        while (QTcpSocket* s = servidor_->nextPendingConnection()) {
            auto recebido = std::make_shared<QByteArray>();
            connect(s, &QTcpSocket::readyRead, this, [this, s, recebido] {
                recebido->append(s->readAll());
                const qsizetype fim = recebido->indexOf("\r\n\r\n");
                if (fim < 0) return;
                // "GET /caminho?consulta HTTP/1.1"
                const QList<QByteArray> linha =
                    recebido->left(recebido->indexOf("\r\n")).split(' ');
                recebido->clear();
                const QByteArray caminho = linha.size() >= 2 ? linha[1] : QByteArray();
                pedidos.push_back(caminho);
                const RespostaHttp r = atendente_(caminho);
                if (r.semResposta) return;
                s->write("HTTP/1.1 " + QByteArray::number(r.status) + ' ' + r.frase +
                         "\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: " +
                         QByteArray::number(r.corpo.size()) + "\r\nConnection: close\r\n\r\n" +
                         r.corpo);
                s->disconnectFromHost();
            });
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        }
    }

    Atendente atendente_;
    bool tls_;
    QTcpServer* servidor_ = nullptr;
};

} // namespace corvel::teste
