// "Exibindo arquivo": shows a text file that could not be imported, read-only, without wrapping.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace corvel::ui {

class TfrmExibeArquivo : public QDialog {
    Q_OBJECT
public:
    // The file is read as Latin-1, like the agency files.
    explicit TfrmExibeArquivo(const QString& caminho, QWidget* pai = nullptr);
    QString texto() const;

private:
    QPlainTextEdit* memo_;
};

} // namespace corvel::ui
