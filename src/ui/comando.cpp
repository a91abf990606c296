// The command boundary of the windows.
#include "comando.h"

#include <new>

namespace corvel::ui {

QString mensagemFalhaInesperada(const std::exception* e) {
    if (dynamic_cast<const std::bad_alloc*>(e))
        return QStringLiteral("Memória insuficiente para concluir a operação.");
    QString texto = QStringLiteral("Ocorreu um erro inesperado. A operação foi interrompida.");
    if (e && *e->what()) texto += kQuebraLinha + QString::fromLocal8Bit(e->what());
    return texto;
}

void executarComando(ServicoDialogos& dialogos, const std::function<void()>& comando) noexcept {
    try {
        try {
            comando();
        } catch (const Erro& e) {
            dialogos.mostrar(e);
        } catch (const std::exception& e) {
            dialogos.mensagem(Gravidade::Erro, mensagemFalhaInesperada(&e));
        } catch (...) {
            dialogos.mensagem(Gravidade::Erro, mensagemFalhaInesperada(nullptr));
        }
    } catch (...) {
        // Showing the message failed too (no memory left for a message box): the command ends
        // quietly rather than taking the program down.
    }
}

} // namespace corvel::ui
