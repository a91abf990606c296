// The chart module: the one part of corvel-cli that needs Qt's widgets and charts. It is loaded
// only by the subcommands that draw, so every other subcommand starts with Qt Core alone.
#pragma once

#include "analyses/hidrograma.h"

#include <QCoreApplication>
#include <QString>
#include <memory>

namespace corvel::cli {

// The module's file, beside the program (the platform's prefix and suffix are added).
inline constexpr auto kModuloGrafico = "corvel_grafico";
inline constexpr auto kCriarAplicacaoGrafica = "corvel_criar_aplicacao_grafica";
inline constexpr auto kGravarHidrograma = "corvel_gravar_hidrograma";

// What the module exports, resolved by name.
using CriarAplicacaoGrafica = QCoreApplication* (*)(int* argc, char** argv);
// Writes the chart; false with the reason in `erro` when it could not.
using GravarHidrograma = bool (*)(const Hidrograma* hidrograma, const QString* arquivo, int largura,
                                  int altura, QString* erro);

// The program's application object: a widget application rendering offscreen, from the chart
// module, when the subcommand draws (and the module is there); Qt Core's otherwise.
std::unique_ptr<QCoreApplication> criarAplicacao(int& argc, char** argv);

} // namespace corvel::cli
