// A message a command ends with, carried as a typed result: the window shows it in a box of the
// given kind and the command-line tool prints it, neither reading its words to decide anything.
#pragma once

#include "erros.h"

#include <QString>

namespace corvel {

struct Mensagem {
    Gravidade gravidade = Gravidade::Informacao;
    QString texto;

    friend bool operator==(const Mensagem&, const Mensagem&) = default;
};

} // namespace corvel
