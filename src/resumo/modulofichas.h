// The entry points of the drawing module (corvel-ficha), as corvel-cli resolves them.
#pragma once

#include "resumo/fichareferencia.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace corvel::ficha {

inline constexpr auto kModulo = "corvel-ficha";

// Creates the program's application object with widgets; call before any other Qt object.
using CriarAplicacao = QCoreApplication* (*)(int* argc, char** argv);
inline constexpr auto kCriarAplicacao = "corvel_criar_aplicacao";
// The grant sheet as a PDF; false with the reason in `erro`.
using FichaPdf = bool (*)(const FichaReferencia* ficha, QByteArray* pdf, QString* erro);
inline constexpr auto kFichaPdf = "corvel_ficha_pdf";

} // namespace corvel::ficha
