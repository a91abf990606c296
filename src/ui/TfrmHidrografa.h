// "Hidrograma": the daily flows of the open series for one calendar year or the whole period, with
// the rating-curve limits; it reads the main window's series directly and changes nothing in it.
#pragma once

#include "core/bancada.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace corvel::ui {

class GraficoHidrograma;
class ServicoDialogos;

class TfrmHidrografa : public QDialog {
    Q_OBJECT
  public:
    TfrmHidrografa(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai = nullptr);

    QComboBox* lista() const { return lista_; }
    GraficoHidrograma* grafico() const { return grafico_; }
    QString textoLimites() const;
    QPushButton* botao(const char* nome) const;

    // Draws the entry chosen in the list.
    void lstHidrografasChange();
    void btnCurvaChaveClick();
    void btnSalvarClick();
    void btnImprimirClick();

  protected:
    void showEvent(QShowEvent* evento) override;

  private:
    // The first year of the list, chosen and drawn (on opening and after the rating-curve dialog).
    void desenharPrimeiroAno();

    Bancada& bancada_;
    ServicoDialogos& dialogos_;
    QComboBox* lista_;
    QLabel* limites_;
    GraficoHidrograma* grafico_;
};

} // namespace corvel::ui
