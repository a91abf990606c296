// Process-wide settings of the desktop program: pt-BR locale and Qt's own texts in Portuguese,
// hint timing, white balloon tips.
#pragma once

#include "core/relatorio.h"

#include <QApplication>

namespace corvel::ui {

class ServicoDialogos;

// Before the application object exists: Qt's file dialogs write their dates with the system's
// locale, so a machine in another language would show "Dec" among Portuguese texts.
void prepararAmbiente();
void configurarAplicacao(QApplication& app);

// The program's application object. Window commands catch their own failures; an exception that
// escapes anyway (from a signal no command wraps) is shown here as that event's failure instead of
// ending the program with its unsaved work.
class AplicacaoCorvel : public QApplication {
  public:
    AplicacaoCorvel(int& argc, char** argv) : QApplication(argc, argv) {}
    // Where the failure is shown; Qt's own message box until the main window exists.
    void definirDialogos(ServicoDialogos* dialogos) { dialogos_ = dialogos; }
    bool notify(QObject* receptor, QEvent* evento) override;

  private:
    ServicoDialogos* dialogos_ = nullptr;
};

} // namespace corvel::ui
