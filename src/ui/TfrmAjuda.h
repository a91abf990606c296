// The help window: one HTML page per topic number in the help folder beside the program.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace corvel::ui {

inline constexpr auto kPastaAjuda = "Ajuda_do_Corvel";

class TfrmAjuda : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAjuda(QString pasta, QWidget* pai = nullptr);

    // Shows topic n (a page "n.html"); a missing page says so in the window.
    void mostrarTopico(int topico);
    int topico() const { return topico_; }
    QString texto() const;

private:
    QString pasta_;
    QTextBrowser* navegador_;
    int topico_ = 0;
};

} // namespace corvel::ui
