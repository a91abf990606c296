// "Nova pasta": where a multi-station download puts its files. The user picks a folder in a drive
// list and a folder tree and may type the name of a new folder to be made under it.
#pragma once

#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QTreeView;

namespace corvel::ui {

class TfrmNovaPastaWebservice : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmNovaPastaWebservice(QWidget* pai = nullptr);

    // The folder selected in the tree (shown under "Sua nova pasta será criada em:").
    QString pastaSelecionada() const { return selecionada_; }
    void definirPasta(const QString& pasta);
    // "Nome da nova pasta:", empty for the selected folder itself.
    QString nomeNovaPasta() const;
    void definirNome(const QString& nome);

  protected:
    void showEvent(QShowEvent* evento) override;

  private:
    void selecionarNaArvore(const QString& pasta);

    QComboBox* cbxUnidades_ = nullptr;
    QTreeView* arvore_ = nullptr;
    QFileSystemModel* pastas_ = nullptr;
    QLabel* lblCaminho_ = nullptr;
    QLineEdit* edtNome_ = nullptr;
    QString selecionada_;
};

} // namespace corvel::ui
