// The network module corvel-cli opens only for baixar and estacoes: Qt Network and the libraries
// it brings (Kerberos, proxies, compression) would otherwise be loaded at every start of every
// subcommand. One C entry point runs a subcommand; failures cross back as a kind and a text.
#include "modulorede.h"
#include "comandos.h"

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
    } catch (...) {
        *falha = rede::kFalhaErro;
        *texto = textoDaFalha(std::current_exception());
    }
    return 1;
}
