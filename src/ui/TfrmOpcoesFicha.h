// What the grant sheet is computed with, asked before its preview: the duration and return period
// of the minima, the grant criterion (an example shipped with the program or the user's own file),
// the monthly page and the seasons. The main window keeps one, so the choices stay for the session.
#pragma once

#include "servicodialogos.h"

#include "resumo/estacaoresumo.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace corvel::ui {

class TfrmOpcoesFicha : public QDialog {
    Q_OBJECT
  public:
    TfrmOpcoesFicha(const QString& pastaPrograma, ServicoDialogos& dialogos, QWidget* pai);

    // The choices as the summary takes them; call after the dialog was accepted.
    OpcoesResumo opcoes() const;

    // OK: seasons that cannot be read keep the dialog open with the reason.
    void accept() override;

  private:
    void criterioEscolhido(int indice);
    void mostrarFonte();

    ServicoDialogos& dialogos_;
    QSpinBox* duracao_;
    QSpinBox* periodo_;
    QComboBox* criterio_;
    QLabel* fonte_;
    QCheckBox* mensal_;
    QLineEdit* estacoes_;
    std::vector<CriterioOutorga> criterios_; // of the list's items after "Nenhum", in order
    int anterior_ = 0;                      // the item before "Outro arquivo..." was chosen
    std::vector<EstacaoDoAno> lidas_;       // the seasons of the last accept
};

} // namespace corvel::ui
