// Annual tables as text and the events read back from them.
#include "tabelasanuais.h"

#include "core/formato.h"

namespace corvel {

std::vector<QString> titulosMinimas() {
    return {QStringLiteral("Ano"), QStringLiteral("Data de início"),
            QStringLiteral("Vazão Mínima (m³/s)"), QStringLiteral("Dias válidos"),
            QStringLiteral("Dias sinalizados")};
}

std::vector<QString> titulosMaximas() {
    return {QStringLiteral("Ano"), QStringLiteral("Data"), QStringLiteral("Máximas"),
            QStringLiteral("Dias válidos"), QStringLiteral("Dias sinalizados")};
}

LinhasAnuais linhasMinimas(const std::vector<MinimaAnual>& anuais, Digitos digitos) {
    LinhasAnuais r;
    r.reserve(anuais.size());
    for (const MinimaAnual& l : anuais)
        r.push_back({l.textoAno(), l.textoInicio(), l.textoMinima(digitos), l.textoDias(),
                     l.textoSinalizados()});
    return r;
}

LinhasAnuais linhasMaximas(const std::vector<MaximaAnual>& anuais, Digitos digitos) {
    LinhasAnuais r;
    r.reserve(anuais.size());
    for (const MaximaAnual& l : anuais)
        r.push_back({l.textoAno(), l.textoData(), l.textoMaxima(digitos), l.textoDias(),
                     l.textoSinalizados()});
    return r;
}

std::vector<EventoAnual> eventosMinimas(const std::vector<MinimaAnual>& anuais) {
    std::vector<EventoAnual> r;
    for (const MinimaAnual& l : anuais)
        if (l.minima) r.push_back({l.textoInicio(), *l.minima});
    return r;
}

std::vector<EventoAnual> eventosMaximas(const std::vector<MaximaAnual>& anuais) {
    std::vector<EventoAnual> r;
    for (const MaximaAnual& l : anuais)
        if (l.maxima) r.push_back({l.textoData(), *l.maxima});
    return r;
}

} // namespace corvel
