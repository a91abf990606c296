// Colour classes of the availability cells.
#include "classes.h"

namespace corvel {

std::optional<ClasseDisponibilidade> classeCelula(std::optional<int> valor) {
    if (!valor) return ClasseDisponibilidade::Ate80;
    const int v = *valor;
    if (v < 0 || v > 100) return std::nullopt;
    if (v <= 80) return ClasseDisponibilidade::Ate80;
    if (v <= 89) return ClasseDisponibilidade::De81a89;
    if (v <= 94) return ClasseDisponibilidade::De90a94;
    if (v <= 99) return ClasseDisponibilidade::De95a99;
    return ClasseDisponibilidade::Completo;
}

const EstiloClasse& estiloClasse(ClasseDisponibilidade classe) {
    static constexpr std::array<EstiloClasse, 5> estilos = {{
        {kVermelho, kBranco, true, "0% a 80 %"},
        {kAmarelo, kPreto, true, "81% a 89%"},
        {kCinza, kBranco, true, "90% a 94%"},
        {kAzul, kBranco, true, "95% a 99%"},
        {kVerde, kBranco, true, "100%"},
    }};
    return estilos[static_cast<std::size_t>(classe)];
}

const EstiloClasse& estiloParteSinalizada(std::optional<int> parte) {
    static constexpr std::array<EstiloClasse, 5> estilos = {{
        {kBranco, kPreto, false, "nenhum"},
        {0xFFF2A8, kPreto, false, "até 10%"},
        {0xFFB060, kPreto, true, "até 50%"},
        {0xE03C3C, kBranco, true, "mais de 50%"},
        {kCinzaClaro, kPreto, false, "sem informação"},
    }};
    if (!parte) return estilos[4];
    if (*parte <= 0) return estilos[0];
    if (*parte <= 10) return estilos[1];
    if (*parte <= 50) return estilos[2];
    return estilos[3];
}

} // namespace corvel
