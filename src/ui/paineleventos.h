// The event list of the distribution window: the editable "Dados" grid, the "Logaritmos dos
// dados" grid and the navigator that moves, inserts, deletes, posts and cancels rows, over one
// list of typed events.
#pragma once

#include "stats/analisedistribuicoes.h"

#include <QWidget>
#include <optional>
#include <vector>

class QAbstractItemModel;
class QTabWidget;
class QTableView;

namespace corvel::ui {

class ModeloEventos;
class ServicoDialogos;

class PainelEventos : public QWidget {
    Q_OBJECT
  public:
    // The navigator's buttons, in their order on screen.
    enum Navegacao {
        kPrimeiro,
        kAnterior,
        kProximo,
        kUltimo,
        kNovo,
        kExcluir,
        kConfirmar,
        kCancelar
    };

    PainelEventos(ServicoDialogos& dialogos, QWidget* pai = nullptr);

    bool aberta() const { return aberta_; }
    // An empty list, open for events.
    void iniciar();
    // Appends an event with the next ID; the label is cut to the field's 20 characters.
    void acrescentar(const QString& rotulo, std::optional<double> valor);
    // Replaces the list (the spreadsheet import); the events are numbered again from 0.
    void substituir(std::vector<EventoDistribuicao> eventos);
    // By ascending value, as a calculation leaves the list; each event keeps its ID.
    void ordenarPorValor();
    const std::vector<EventoDistribuicao>& eventos() const { return eventos_; }

    // Commits a cell being typed and ends the row's edit.
    void postar();
    void navegar(int botao);

    QAbstractItemModel* modeloEventos() const;
    QAbstractItemModel* modeloLogaritmos() const;
    QTableView* grade() const { return grade_; }
    QTabWidget* paginas() const { return paginas_; }

  Q_SIGNALS:
    // The list changed (a row posted or deleted, the list replaced or sorted): the charts follow.
    void alterada();

  private:
    void editado(int linha, int coluna, const QString& texto);
    void cancelarEdicao();
    void recarregar();
    int linhaAtual() const;
    void irPara(int linha);

    ServicoDialogos& dialogos_;
    std::vector<EventoDistribuicao> eventos_;
    bool aberta_ = false;
    int proximoId_ = 0;
    // The row being edited, with what it held before, until it is posted.
    struct Edicao {
        int linha = 0;
        EventoDistribuicao anterior;
        bool inserida = false;
    };
    std::optional<Edicao> edicao_;
    ModeloEventos* dados_;
    ModeloEventos* logaritmos_;
    QTabWidget* paginas_;
    QTableView* grade_;
    QTableView* gradeLogaritmos_;
};

} // namespace corvel::ui
