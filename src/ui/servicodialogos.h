// Every message box, file dialog, input box and modal window of the program goes through this
// service, so tests can answer questions, choose files and read back every text shown.
#pragma once

#include "core/erros.h"

#include <QString>
#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace corvel::ui {

// A filter written as "Descrição|*.ext" in Qt's form "Descrição (*.ext *.EXT)"; a description that
// already ends with its pattern in parentheses stays as it is.
QString filtroQt(const QString& filtro);

struct FiltroArquivo {
    QString titulo;            // dialog caption
    QString filtro;            // Qt filter text, e.g. "Arquivos do Corvel 1.0 (*.cvl)"
    QString extensaoPadrao;    // added to a name typed without extension ("cvl")
    QString nomeProposto = {}; // file name offered by a save dialog
    QString pasta = {};        // folder the dialog opens in; empty for the last one used
};

class ServicoDialogos {
  public:
    virtual ~ServicoDialogos() = default;

    // A message box of the given kind with an OK button.
    virtual void mensagem(Gravidade gravidade, const QString& texto) = 0;
    // A Yes/No question; true for Yes. `aviso` shows it with the warning icon.
    virtual bool pergunta(const QString& texto, bool aviso = false) = 0;
    // A warning with OK and Cancel; true for OK.
    virtual bool confirmar(const QString& texto) = 0;
    virtual std::optional<QString> abrirArquivo(const FiltroArquivo& f) = 0;
    virtual std::optional<QString> salvarArquivo(const FiltroArquivo& f) = 0;
    // An input box; empty when cancelled.
    virtual std::optional<QString> entrada(const QString& titulo, const QString& rotulo,
                                           const QString& padrao) = 0;
    // Shows a window modally and returns its result code.
    virtual int executar(QDialog& janela) = 0;
    // Shows help topic n (a page of the help folder) from whichever window asks.
    virtual void ajuda(int topico) = 0;

    // The failure of a command, shown in the box its kind asks for.
    void mostrar(const Erro& e) { mensagem(e.gravidade(), e.mensagem()); }
};

// The real dialogs, parented to a window.
class DialogosQt : public ServicoDialogos {
  public:
    explicit DialogosQt(QWidget* pai = nullptr) : pai_(pai) {}
    void definirPai(QWidget* pai) { pai_ = pai; }
    // The help viewer: the main window's, once it exists.
    void definirAjuda(std::function<void(int)> ajuda) { ajuda_ = std::move(ajuda); }

    void mensagem(Gravidade gravidade, const QString& texto) override;
    bool pergunta(const QString& texto, bool aviso) override;
    bool confirmar(const QString& texto) override;
    std::optional<QString> abrirArquivo(const FiltroArquivo& f) override;
    std::optional<QString> salvarArquivo(const FiltroArquivo& f) override;
    std::optional<QString> entrada(const QString& titulo, const QString& rotulo,
                                   const QString& padrao) override;
    int executar(QDialog& janela) override;
    void ajuda(int topico) override;

  private:
    QWidget* pai_;
    std::function<void(int)> ajuda_;
};

} // namespace corvel::ui
