// Drawing from corvel-cli: the application object with widgets, and the grant sheet, through the
// drawing module opened only for the commands that draw.
#pragma once

#include "resumo/fichareferencia.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>
#include <memory>

namespace corvel::cli {

// Whether the command line asks for drawings (resumo ... --pdf).
bool pedeGraficos(int argc, char** argv);

// The program's application object: Qt Core's, or, when `graficos`, the drawing module's with
// widgets. With `graficos` and no module, Qt Core's and the reason in `erro`; the command that
// draws then fails with it.
std::unique_ptr<QCoreApplication> criarAplicacao(int& argc, char** argv, bool graficos);

// The grant sheet as a PDF through the module. Throws Erro when the module is missing or fails.
QByteArray fichaEmPdf(const FichaReferencia& ficha);

} // namespace corvel::cli
