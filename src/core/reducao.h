// Charts of more points than a screen has pixels: the same drawing from fewer points. A century
// of days is 36 000 points for a plot about a thousand pixels wide.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace corvel {

// Consecutive bars [inicio, fim) drawn as one, as long as the longest of them.
struct GrupoBarras {
    std::size_t inicio = 0, fim = 0;
    double valor = 0;
};

// Bars standing on 0 grouped into at most `maximo` runs of equal length (the last may be shorter).
// Drawn within one pixel column the bars of a run show as the one farthest from 0 (the first of
// equals), so the group takes its value. One group per bar when there are no more than `maximo`.
std::vector<GrupoBarras> agruparBarras(std::span<const double> valores, std::size_t maximo);

// The points of a line that still matter when many share a pixel column: in each of at most
// `maximo` runs of equal length, the first, the lowest, the highest and the last point (the first
// of equals). Indices into `y`, ascending, each once; all of them when there are no more than
// `maximo` points.
std::vector<std::size_t> pontosDaLinha(std::span<const double> y, std::size_t maximo);

} // namespace corvel
