// A table view whose first column stays in view while the others scroll sideways: the month of a
// row remains readable beside day 31.
#pragma once

#include <QTableView>

namespace corvel::ui {

class GradeColunaFixa : public QTableView {
    Q_OBJECT
  public:
    explicit GradeColunaFixa(QWidget* pai = nullptr);
    void setModel(QAbstractItemModel* modelo) override;
    // The view drawn over the first column.
    QTableView* colunaFixa() const { return fixa_; }

  protected:
    void resizeEvent(QResizeEvent* evento) override;
    QModelIndex moveCursor(CursorAction acao, Qt::KeyboardModifiers modificadores) override;
    void scrollTo(const QModelIndex& indice, ScrollHint dica = EnsureVisible) override;

  private:
    void ajustarGeometria();

    QTableView* fixa_;
};

} // namespace corvel::ui
