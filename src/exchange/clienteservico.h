// The HTTP side of the agency's web service, on Qt Network: GET requests against a configurable
// address (http or https), waited for in a local event loop so the windows keep painting, given up
// when the service stops sending for the transfer timeout.
#pragma once

#include "servico.h"

#include <QString>
#include <memory>

class QNetworkAccessManager;

namespace corvel {

inline constexpr auto kEnderecoServicoPadrao = "http://servicos.vidara.gov.br";
inline constexpr auto kVariavelEnderecoServico = "CORVEL_SERVICO";
inline constexpr auto kArquivoConfiguracao = "Corvel.ini";
inline constexpr int kTempoLimitePadrao = 60; // seconds without data
// Far above the largest answer the service gives (the whole station list).
inline constexpr qint64 kTamanhoMaximoResposta = 256LL * 1024 * 1024;

struct ConfiguracaoServico {
    QString endereco = QString::fromLatin1(kEnderecoServicoPadrao); // scheme, host, port, path
    int tempoLimiteMs = kTempoLimitePadrao * 1000;
};

// The address is the environment variable CORVEL_SERVICO when set, else the key
// Webservice/Endereco of Corvel.ini in the user's data folder, else the agency's; the timeout is
// Webservice/TempoLimite (seconds) of the same file, else 60 s.
ConfiguracaoServico lerConfiguracaoServico(const QString& pastaDados);

class ClienteServico {
  public:
    explicit ClienteServico(ConfiguracaoServico configuracao);
    ~ClienteServico();
    ClienteServico(const ClienteServico&) = delete;
    ClienteServico& operator=(const ClienteServico&) = delete;

    const ConfiguracaoServico& configuracao() const { return configuracao_; }
    // The full address of a request, as shown to the user.
    QString url(const QString& caminho) const;
    // Sends the GET and waits for the whole answer; the window's events are processed meanwhile.
    // Success is a 2xx status with the body read to its end; anything else (no connection, a
    // timeout, an error status, an answer too large) is a failure with its reason.
    RespostaServico obter(const QString& caminho);
    Requisicao requisicao() {
        return [this](const QString& caminho) { return obter(caminho); };
    }

  private:
    ConfiguracaoServico configuracao_;
    std::unique_ptr<QNetworkAccessManager> rede_;
};

} // namespace corvel
