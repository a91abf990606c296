// The analysis windows opened from the main window's menu and driven through scripted dialogs: a
// project written in code and opened, the window run by its menu actions, the windows it opens
// (pre-processing, stationarity, print previews) intercepted.
#pragma once

#include "dialogosroteiro.h"

#include "core/bancada.h"
#include "core/construtor.h"
#include "core/projeto.h"
#include "ui/TfrmFoEstaciona.h"
#include "ui/TfrmPrincipal.h"
#include "ui/TfrmrelatorioMensal.h"
#include "ui/janelavazoes.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace corvel::teste {

class JanelasAnalise : public ::testing::Test {
  protected:
    // Day flows of a series as a function of the date; empty = missing day.
    using Vazao = std::function<std::optional<double>(QDate)>;

    JanelasAnalise() : bancada(pasta.path()), principal(bancada, dialogos) {
        principal.show();
        dialogos.aoExecutar = [this](QDialog& j) { return executar(j); };
    }

    // A project of the months from `de` to `ate` with start month `inicio`, opened.
    void abrir(QDate de, QDate ate, const Vazao& vazao, int inicio = 1,
               const std::function<void(SerieTabela&)>& ajustar = {}) {
        SerieTabela s = serieDiaria(de, ate, vazao);
        for (RegistroMensal& r : s.armazenados())
            r.vazao02Status = static_cast<qint16>(inicio);
        if (ajustar) ajustar(s);
        const QString arquivo = pasta.filePath(QStringLiteral("estacao.cvl"));
        gravarProjeto(arquivo, s);
        dialogos.arquivos.push_back(arquivo);
        principal.acao(QStringLiteral("Abrir1"))->trigger();
        ASSERT_TRUE(bancada.serie.ativa());
    }

    // Opens the analysis window of the main window's action `acao` and runs `usar` in it.
    template <class Janela> void analisar(const char* acao, std::function<void(Janela&)> usar) {
        bool usada = false;
        usarJanela = [&usada, usar = std::move(usar)](ui::JanelaVazoes& j) {
            auto* janela = qobject_cast<Janela*>(&j);
            ASSERT_TRUE(janela);
            usada = true;
            usar(*janela);
        };
        principal.acao(QString::fromLatin1(acao))->trigger();
        usarJanela = nullptr;
        EXPECT_TRUE(usada) << "a janela não chegou a abrir";
    }

    // Every modal window of the program passes here; previews close at once.
    int executar(QDialog& j) {
        if (auto* a = qobject_cast<ui::JanelaVazoes*>(&j)) {
            a->show();
            QApplication::processEvents(); // the activation follows the show
            if (usarJanela && a->isVisible()) usarJanela(*a);
            return a->result();
        }
        if (auto* pre = qobject_cast<ui::TfrmrelatorioMensal*>(&j)) {
            if (usarPreProcessamento) usarPreProcessamento(*pre);
            pre->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
            return pre->result();
        }
        if (auto* e = qobject_cast<ui::TfrmFoEstaciona*>(&j)) {
            if (usarEstacionariedade) usarEstacionariedade(*e);
            return int(QDialog::Accepted);
        }
        if (auto* p = qobject_cast<QPrintPreviewDialog*>(&j); p && usarPrevia) usarPrevia(*p);
        return int(QDialog::Rejected);
    }

    // The rows of a grid, each with its cells joined by "|".
    static QStringList linhas(const QAbstractItemModel* m) {
        QStringList r;
        for (int l = 0; l < m->rowCount(); ++l) {
            QStringList c;
            for (int k = 0; k < m->columnCount(); ++k)
                c << m->index(l, k).data().toString();
            r << c.join(u'|');
        }
        return r;
    }
    static QStringList titulos(const QAbstractItemModel* m) {
        QStringList r;
        for (int k = 0; k < m->columnCount(); ++k)
            r << m->headerData(k, Qt::Horizontal).toString();
        return r;
    }
    // The lines of a file written in Windows-1252 with CR LF, decoded, without the line ends.
    static QStringList lerLinhas(const QString& arquivo) {
        QFile f(arquivo);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << arquivo.toStdString();
        QStringList r = QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"));
        if (!r.isEmpty() && r.back().isEmpty()) r.removeLast();
        return r;
    }
    // Every menu item of a window as "Menu › Item [key]", and the hints of its toolbar buttons.
    static QStringList itensDeMenu(const QWidget& janela) { return teste::itensDeMenu(janela); }
    static QStringList dicasDaBarra(const ui::JanelaVazoes& janela) {
        QStringList dicas;
        for (QToolButton* b : janela.barra()->findChildren<QToolButton*>())
            if (b->objectName().startsWith(QStringLiteral("btn"))) dicas << b->toolTip();
        return dicas;
    }
    QString caminho(const char* nome) const { return pasta.filePath(QString::fromLatin1(nome)); }

    QTemporaryDir pasta;
    Bancada bancada;
    DialogosRoteiro dialogos;
    ui::TfrmPrincipal principal;
    std::function<void(ui::JanelaVazoes&)> usarJanela;
    std::function<void(ui::TfrmrelatorioMensal&)> usarPreProcessamento;
    std::function<void(ui::TfrmFoEstaciona&)> usarEstacionariedade;
    std::function<void(QPrintPreviewDialog&)> usarPrevia;
};

} // namespace corvel::teste
