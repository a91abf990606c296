// The About window. A click on the version number reveals the São Paulo text import.
#pragma once

#include <QDialog>

class QLabel;

namespace corvel::ui {

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* pai = nullptr);

Q_SIGNALS:
    void versaoClicada();

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    QLabel* lblVersao_;
};

} // namespace corvel::ui
