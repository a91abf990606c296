// Builds Access databases of any size for the benchmarks: libmdb cannot write one, so the rows of
// a small database made by an independent writer are replaced by synthetic ones, page by page.
#pragma once

#include <QString>

namespace corvel::bench {

// Writes `destino`: the table Vazoes of `modelo` (an agency database) with `estacoes` stations
// (codes 10000001, 10000002, ...), each with every month of `anos` years from 1924 at levels 1 and
// 2, station after station. The table's index is left as it was (the reader does not use it).
// False when the model is not what is expected.
bool gerarBancoSintetico(const QString& modelo, const QString& destino, int estacoes, int anos);

} // namespace corvel::bench
