// The main window with a project to pre-process, driven through scripted dialogs, and helpers
// that work the pre-processing window's controls as a user does.
#pragma once

#include "dialogosroteiro.h"

#include "core/projeto.h"
#include "ui/TfrmInformacao.h"
#include "ui/TfrmPrincipal.h"
#include "ui/TfrmrelatorioMensal.h"

#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>

namespace corvel::teste {

inline const QString kRecusa =
    QStringLiteral("Erro: Nenhuma base de dados aberta\n ou o número de registros é insuficiente.");

class JanelaComPreProcessamento : public ::testing::Test {
  protected:
    JanelaComPreProcessamento() : bancada(pasta.path()), janela(bancada, dialogos) {
        janela.show();
    }

    // A project whose months carry start month `inicio` (as read back when it is opened).
    QString projeto(const QString& nome, SerieTabela s, int inicio = 1) {
        for (RegistroMensal& r : s.armazenados())
            r.vazao02Status = static_cast<qint16>(inicio);
        const QString arquivo = pasta.filePath(nome);
        gravarProjeto(arquivo, s);
        return arquivo;
    }
    void abrir(const QString& arquivo) {
        dialogos.arquivos.push_back(arquivo);
        janela.acao(QStringLiteral("Abrir1"))->trigger();
    }
    // Runs the pre-processing command; `usar` drives the window, which is then closed with "OK".
    void preProcessar(const std::function<void(ui::TfrmrelatorioMensal&)>& usar) {
        dialogos.aoExecutar = [this, usar](QDialog& j) {
            if (auto* info = qobject_cast<ui::TfrmInformacao*>(&j)) {
                informacao = info->texto();
                return int(QDialog::Accepted);
            }
            auto& pre = dynamic_cast<ui::TfrmrelatorioMensal&>(j);
            usar(pre);
            pre.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
            return pre.result();
        };
        janela.acao(QStringLiteral("PreProcessamento1"))->trigger();
    }

    QTemporaryDir pasta;
    Bancada bancada;
    DialogosRoteiro dialogos;
    ui::TfrmPrincipal janela;
    QString informacao; // last text shown by the information window
};

template <typename T> T* filho(QObject& pai, const char* nome) {
    T* w = pai.findChild<T*>(QString::fromLatin1(nome));
    EXPECT_TRUE(w) << nome;
    return w;
}

// Picks entry `indice` of a list as a user does.
inline void escolher(QComboBox* lista, int indice) {
    lista->setCurrentIndex(indice);
    Q_EMIT lista->activated(indice);
}

// Each row as "label percentage x" (ticked) or "label percentage -".
inline QStringList linhasDaGrade(QAbstractItemModel* m) {
    QStringList l;
    for (int r = 0; r < m->rowCount(); ++r)
        l << m->index(r, 0).data().toString() + u' ' + m->index(r, 1).data().toString() + u' ' +
                 (m->index(r, 2).data(Qt::CheckStateRole).toInt() == Qt::Checked ? u'x' : u'-');
    return l;
}

} // namespace corvel::teste
