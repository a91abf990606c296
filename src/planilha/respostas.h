// The reader program's answer to one request line (see main.cpp for the protocol).
#pragma once

#include "exchange/leitorplanilha.h"

#include <QByteArray>

namespace corvel::planilha {

// The answer without its line end. A request that is not one of the three forms answers "-".
QByteArray responder(const LeitorPlanilha& leitor, QByteArrayView pedido);

} // namespace corvel::planilha
