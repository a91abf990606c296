// "Lista de estações": the stations of a gap-filling project by their column titles, one to choose,
// with "OK" and "Cancelar". The window grows 20 pixels per station over a height of 150. What the
// choice leads to is the caller's.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

class QListWidget;
class QPushButton;

namespace corvel::ui {

class ListaEstacoes : public QDialog {
    Q_OBJECT
  public:
    QListWidget* lista() const { return lstEstacoes_; }
    QPushButton* botaoOK() const { return btnOK_; }
    QPushButton* botaoCancelar() const { return btnCancelar_; }
    // The column (1 … n) of the station chosen; empty when none is.
    std::optional<int> escolhida() const;

  protected:
    // `titulos` are the titles of columns 1 … n, in order.
    ListaEstacoes(const QString& grupo, const std::vector<QString>& titulos, bool primeiraEscolhida,
                  QWidget* pai);

  private:
    QListWidget* lstEstacoes_;
    QPushButton* btnOK_;
    QPushButton* btnCancelar_;
};

} // namespace corvel::ui
