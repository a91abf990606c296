// The entry points of the drawing module (corvel-ficha), as corvel-cli resolves them.
#pragma once

#include "analyses/hidrograma.h"
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
// The hydrograph chart written as an image (PNG, or a bitmap for ".bmp") of the given size; false
// with the reason in `erro`.
using HidrogramaImagem = bool (*)(const Hidrograma* hidrograma, const QString* arquivo, int largura,
                                  int altura, QString* erro);
inline constexpr auto kHidrogramaImagem = "corvel_hidrograma_imagem";

} // namespace corvel::ficha
