// "Preenchimento diário": the short gaps of a station's daily flows filled from a neighbouring
// station's project, with the lines, their leave-one-out check and the gaps counted before
// anything is written; the filled series is saved as a new project.
#pragma once

#include "servicodialogos.h"

#include "filling/preenchimentodiario.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace corvel::ui {

class ModeloTextos;

class TfrmPreenchimentoDiario : public QDialog {
    Q_OBJECT
  public:
    TfrmPreenchimentoDiario(ServicoDialogos& dialogos, QWidget* pai = nullptr);

    OpcoesDiario opcoes() const;
    // The last calculation; empty before the first.
    const std::optional<ResultadoDiario>& resultado() const { return resultado_; }
    QLabel* resumo() const { return lblResumo_; }
    ModeloTextos* modeloRetas() const { return modeloRetas_; }
    ModeloTextos* modeloValidacao() const { return modeloValidacao_; }

  public Q_SLOTS:
    void btnBaseClick();
    void btnAuxiliarClick();
    void btnCalcularClick();
    void btnPreencherClick();

  private:
    std::optional<QString> escolherProjeto(const QString& titulo);

    ServicoDialogos& dialogos_;
    QLineEdit* base_;
    QLineEdit* auxiliar_;
    QComboBox* metodo_;
    QCheckBox* logaritmos_;
    QCheckBox* porMes_;
    QSpinBox* lacuna_;
    QLabel* lblResumo_;
    ModeloTextos* modeloRetas_;
    ModeloTextos* modeloValidacao_;
    std::optional<ResultadoDiario> resultado_;
};

} // namespace corvel::ui
