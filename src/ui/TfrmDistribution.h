// The distribution analysis window: a list of annual extreme events handed over by an analysis
// window, fitted by every distribution of the event type for return periods from 2 years up,
// with the result table, the estimate and data charts, the warnings and the exports.
#pragma once

#include "stats/analise_distribuicoes.h"

#include <QDialog>
#include <QString>
#include <vector>

namespace corvel {
class Bancada;
}

namespace corvel::ui {

class ServicoDialogos;

class TfrmDistribution : public QDialog {
    Q_OBJECT
public:
    TfrmDistribution(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai = nullptr);

    bool EventosMaximos = true; // set before IniciarAnalise

    // The calling window's hand-over, in this order.
    void IniciarAnalise(); // empties the events, caption by event type
    // Appends an event; false with "Crie uma base de dados" when it cannot be appended.
    bool AdicionarEvento(const QString& rotulo, double valor);
    void definirEstacao(const QString& codigo);

    const std::vector<EventoDistribuicao>& eventos() const { return eventos_; }
    const AnaliseDistribuicoes& analise() const { return analise_; } // the last calculation

    // Checks the return period and runs the calculation behind the progress window.
    void ChamarProcessoCalcular();

private:
    Bancada& bancada_;
    ServicoDialogos& dialogos_;
    std::vector<EventoDistribuicao> eventos_;
    AnaliseDistribuicoes analise_;
    QString estacao_;
};

} // namespace corvel::ui
