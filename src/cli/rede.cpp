// baixar and estacoes in corvel-cli: run by the network module, loaded on their first use.
#include "comandos.h"
#include "modulorede.h"

#include "core/erros.h"

#include <QLibrary>

namespace corvel::cli {

namespace rede {

int executarPelaRede(const char* nome, const QStringList& argumentos, QTextStream& saida) {
    static QLibrary biblioteca; // never unloaded: Qt Network keeps state for the run
    static Executar executar = nullptr;
    if (!executar) {
        abrirModulo(biblioteca, kModulo);
        executar = biblioteca.isLoaded() ? reinterpret_cast<Executar>(biblioteca.resolve(kExecutar))
                                         : nullptr;
        if (!executar)
            throw Erro(QStringLiteral("o módulo de rede (%1) não pôde ser carregado: %2")
                           .arg(QString::fromLatin1(kModulo), biblioteca.errorString()));
    }
    int falha = kSemFalha;
    QString texto;
    const int codigo = executar(nome, &argumentos, &saida, &falha, &texto);
    if (falha == kFalhaUso) throw ErroUso{texto};
    if (falha == kFalhaErro) throw Erro(texto);
    return codigo;
}

} // namespace rede

int executarBaixarPelaRede(const QStringList& argumentos, QTextStream& saida) {
    return rede::executarPelaRede("baixar", argumentos, saida);
}

int executarEstacoesPelaRede(const QStringList& argumentos, QTextStream& saida) {
    return rede::executarPelaRede("estacoes", argumentos, saida);
}

} // namespace corvel::cli
