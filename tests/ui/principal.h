// The main window of the window tests: a temporary folder, a workbench over it, scripted dialogs.
#pragma once

#include "dialogosroteiro.h"

#include "core/bancada.h"
#include "core/construtor.h"
#include "core/projeto.h"
#include "ui/TfrmPrincipal.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvel::teste {

class JanelaPrincipal : public ::testing::Test {
  protected:
    JanelaPrincipal() : bancada(pasta.path()), janela(bancada, dialogos) { janela.show(); }

    QString caminho(const QString& nome) const { return pasta.filePath(nome); }

    // A project of `meses` months from January 1990 written to `nome`.
    QString projeto(const QString& nome, int meses = 24) {
        const QString arquivo = caminho(nome);
        gravarProjeto(arquivo,
                      serieMensal(QDate(1990, 1, 1), QDate(1990, 1, 1).addMonths(meses - 1)));
        return arquivo;
    }

    void abrir(const QString& arquivo) {
        dialogos.arquivos.push_back(arquivo);
        janela.acao(QStringLiteral("Abrir1"))->trigger();
    }

    QTemporaryDir pasta;
    Bancada bancada;
    DialogosRoteiro dialogos;
    ui::TfrmPrincipal janela;
};

} // namespace corvel::teste
