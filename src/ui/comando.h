// Every window command runs through executarComando: a failure of any kind ends the command with
// one message box. Qt's widget libraries are built without exception support, so an exception that
// unwound into the event loop would end the program and its unsaved work.
#pragma once

#include "servicodialogos.h"

#include <functional>

namespace corvel::ui {

void executarComando(ServicoDialogos& dialogos, const std::function<void()>& comando) noexcept;

// The text shown for an exception that is not one of the program's own messages.
QString mensagemFalhaInesperada(const std::exception* e);

// A method of a window wrapped for connect(): connect(acao, &QAction::triggered, this,
// comando(dialogos_, this, &TfrmX::Salvar1Click)).
template <typename Objeto, typename Classe, typename... Args>
auto comando(ServicoDialogos& dialogos, Objeto* objeto, void (Classe::*metodo)(Args...)) {
    return [&dialogos, objeto, metodo](Args... args) {
        executarComando(dialogos, [&] { (objeto->*metodo)(args...); });
    };
}

} // namespace corvel::ui
