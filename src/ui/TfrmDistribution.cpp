#include "ui/TfrmDistribution.h"

#include "ui/servicodialogos.h"

namespace corvel::ui {

TfrmDistribution::TfrmDistribution(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai)
    : QDialog(pai), bancada_(bancada), dialogos_(dialogos) {}

void TfrmDistribution::IniciarAnalise() {
    eventos_.clear();
    analise_ = {};
}

bool TfrmDistribution::AdicionarEvento(const QString& rotulo, double valor) {
    eventos_.push_back({rotulo, valor});
    return true;
}

void TfrmDistribution::definirEstacao(const QString& codigo) { estacao_ = codigo; }

void TfrmDistribution::ChamarProcessoCalcular() {
    analise_ = calcularDistribuicoes(eventos_, EventosMaximos, 10, estacao_);
}

} // namespace corvel::ui
