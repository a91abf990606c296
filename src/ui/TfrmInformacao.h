// "Informação": the failure report of the open series, read-only, with a close button.
#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

namespace corvel::ui {

class TfrmInformacao : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmInformacao(const QStringList& linhas, QWidget* pai = nullptr);
    QString texto() const;

  private:
    QPlainTextEdit* memo_;
};

} // namespace corvel::ui
