// The network module corvel-cli opens only for baixar and estacoes: Qt Network and the libraries
// it brings (Kerberos, proxies, compression) would otherwise be loaded at every start of every
// subcommand. One C entry point runs a subcommand; failures cross back as a kind and a text.
#include "modulorede.h"
#include "comandos.h"

#include "core/erros.h"

#include <new>

extern "C" Q_DECL_EXPORT int corvel_executar_rede(const char* nome, const QStringList* argumentos,
                                                  QTextStream* saida, int* falha, QString* texto) {
    using namespace corvel::cli;
    *falha = rede::kSemFalha;
    try {
        const QByteArray subcomando(nome);
        if (subcomando == "baixar") return executarBaixar(*argumentos, *saida);
        if (subcomando == "estacoes") return executarEstacoes(*argumentos, *saida);
        *falha = rede::kFalhaUso;
        *texto = QStringLiteral("subcomando desconhecido: %1").arg(QString::fromLatin1(nome));
    } catch (const ErroUso& e) {
        *falha = rede::kFalhaUso;
        *texto = e.mensagem;
    } catch (const corvel::Erro& e) {
        *falha = rede::kFalhaErro;
        *texto = e.mensagem();
    } catch (const std::bad_alloc&) {
        *falha = rede::kFalhaErro;
        *texto = QStringLiteral("memória insuficiente para concluir o comando");
    } catch (const std::exception& e) {
        *falha = rede::kFalhaErro;
        *texto = QStringLiteral("erro inesperado: %1").arg(QString::fromLocal8Bit(e.what()));
    }
    return 1;
}
