// The dialog service of the window tests: answers come from queues the test fills, and every
// text shown is recorded ("Erro: ...", "Aviso: ...", "Pergunta: ...", "Confirmação: ...",
// "Janela: <caption>").
#pragma once

#include "impressao_qt.h"
#include "ui/servicodialogos.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace corvel::teste {

class DialogosRoteiro : public ui::ServicoDialogos {
  public:
    std::vector<QString> mostrados;                 // every message, question and window
    std::vector<ui::FiltroArquivo> dialogosArquivo; // every file dialog, in order
    std::deque<std::optional<QString>> arquivos;    // answers of the file dialogs (empty = cancel)
    std::deque<bool> respostas;                     // answers of the questions (and OK/Cancel)
    std::deque<std::optional<QString>> entradas;    // answers of the input boxes
    // Runs a modal window; by default it is closed at once as cancelled.
    std::function<int(QDialog&)> aoExecutar = [](QDialog&) { return int(QDialog::Rejected); };
    // Shows a help topic; by default it is only recorded.
    std::function<void(int)> aoAjudar;
    // Thrown by the next file dialog instead of answering it (a failure inside a command).
    std::function<void()> falharNoProximoArquivo;

    void mensagem(Gravidade g, const QString& texto) override {
        static const char* nomes[] = {"Erro", "Aviso", "Informação"};
        mostrados.push_back(QString::fromUtf8(nomes[static_cast<int>(g)]) + QStringLiteral(": ") +
                            texto);
    }
    bool pergunta(const QString& texto, bool) override {
        return responder(QStringLiteral("Pergunta: ") + texto);
    }
    bool confirmar(const QString& texto) override {
        return responder(QStringLiteral("Confirmação: ") + texto);
    }
    std::optional<QString> abrirArquivo(const ui::FiltroArquivo& f) override { return arquivo(f); }
    std::optional<QString> salvarArquivo(const ui::FiltroArquivo& f) override { return arquivo(f); }
    std::optional<QString> entrada(const QString& titulo, const QString& rotulo,
                                   const QString&) override {
        mostrados.push_back(QStringLiteral("Entrada: ") + titulo + QStringLiteral(" / ") + rotulo);
        return proxima(entradas);
    }
    int executar(QDialog& janela) override {
        mostrados.push_back(QStringLiteral("Janela: ") + janela.windowTitle());
        return aoExecutar(janela);
    }
    void ajuda(int topico) override {
        mostrados.push_back(QStringLiteral("Ajuda: ") + QString::number(topico));
        if (aoAjudar) aoAjudar(topico);
    }

  private:
    bool responder(const QString& mostrado) {
        mostrados.push_back(mostrado);
        if (respostas.empty()) {
            ADD_FAILURE() << "pergunta sem resposta: " << mostrado.toStdString();
            return false;
        }
        const bool r = respostas.front();
        respostas.pop_front();
        return r;
    }
    std::optional<QString> arquivo(const ui::FiltroArquivo& f) {
        dialogosArquivo.push_back(f);
        if (auto falha = std::exchange(falharNoProximoArquivo, nullptr)) falha();
        if (arquivos.empty()) {
            ADD_FAILURE() << "diálogo de arquivo sem resposta: " << f.titulo.toStdString();
            return std::nullopt;
        }
        return proxima(arquivos);
    }
    // The next scripted answer, taken off the queue; none when it is empty. (Copying an element
    // of the queue into an optional makes GCC's -O3 see an uninitialised string.)
    static std::optional<QString> proxima(std::deque<std::optional<QString>>& fila) {
        if (fila.empty()) return std::nullopt;
        const bool cancelado = !fila.front().has_value();
        const QString texto = fila.front().value_or(QString());
        fila.pop_front();
        if (cancelado) return std::nullopt;
        return texto;
    }
};

// Every menu item of a window as "Menu › Item [key]", submenus walked in order.
inline QStringList itensDeMenu(const QWidget& janela) {
    QStringList itens;
    std::function<void(const QList<QAction*>&, const QString&)> listar =
        [&](const QList<QAction*>& acoes, const QString& prefixo) {
            for (QAction* a : acoes) {
                if (a->isSeparator()) continue;
                const QString linha =
                    prefixo + a->text() +
                    (a->shortcut().isEmpty()
                         ? QString()
                         : QStringLiteral(" [") + a->shortcut().toString() + u']');
                if (a->menu())
                    listar(a->menu()->actions(), linha + QStringLiteral(" › "));
                else
                    itens << linha;
            }
        };
    listar(janela.findChild<QMenuBar*>()->actions(), QString());
    return itens;
}

} // namespace corvel::teste
