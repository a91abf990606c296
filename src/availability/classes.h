// Colour classes of a year cell of the availability diagram: the window's grid, its legend and the
// spreadsheet export all take the class and its colours from here.
#pragma once

#include <QString>
#include <array>
#include <optional>

namespace corvel {

enum class ClasseDisponibilidade {
    Ate80, // 0 … 80 and a cell never computed
    De81a89,
    De90a94,
    De95a99,
    Completo, // 100
};

// Colours as 0xRRGGBB.
inline constexpr quint32 kVermelho = 0xFF0000, kAmarelo = 0xFFFF00, kCinza = 0x808080,
                         kAzul = 0x0000FF, kVerde = 0x008000, kBranco = 0xFFFFFF, kPreto = 0x000000;

struct EstiloClasse {
    quint32 fundo;
    quint32 texto;
    bool negrito;
    const char* legenda; // label of the legend square
};

// The class of a cell: a null cell is drawn as the lowest class; a value outside 0 … 100 (only a
// file written elsewhere can hold one) has none and keeps the grid's normal colours.
std::optional<ClasseDisponibilidade> classeCelula(std::optional<int> valor);
const EstiloClasse& estiloClasse(ClasseDisponibilidade classe);

// The five classes in the legend's order, lowest first.
inline constexpr std::array<ClasseDisponibilidade, 5> kClassesLegenda = {
    ClasseDisponibilidade::Ate80, ClasseDisponibilidade::De81a89, ClasseDisponibilidade::De90a94,
    ClasseDisponibilidade::De95a99, ClasseDisponibilidade::Completo};

// What the year cells show: the share of the year's days with a value (the diagram of the file),
// or, for the stations read in this session, the share of those days that are estimated or of raw
// (level 1) months.
enum class ModoDiagrama { Disponibilidade, Estimados, Brutos };

// The colour of a share of flagged days: none (white), up to 10 %, up to 50 %, more; a cell whose
// share is not known (a row read from a diagram file, a year without days) is grey.
const EstiloClasse& estiloParteSinalizada(std::optional<int> parte);
// The four classes of known shares, for the legend: 0, 10, 50 and 100 %.
inline constexpr std::array<int, 4> kPartesLegenda = {0, 10, 50, 100};
inline constexpr quint32 kCinzaClaro = 0xD8D8D8;

// The order number and station code columns are drawn black on white, not bold.
inline constexpr EstiloClasse kEstiloColunasFixas{kBranco, kPreto, false, ""};

} // namespace corvel
