// Flagged days left out of a series, and the texts that say what results rest on.
#include "sinalizados.h"

#include "core/formato.h"

namespace corvel {

SerieTabela semSinalizados(const SerieTabela& considerados, Sinalizacoes excluir) {
    SerieTabela r = considerados;
    if (excluir == kSemSinal) return r;
    for (RegistroMensal& m : r.armazenados())
        for (int d = 0; d < kDiasRegistro; ++d)
            if (m.sinalizacoes(d) & excluir) m.vazao[static_cast<std::size_t>(d)].reset();
    return r;
}

ContagemSinais sinaisDosDias(const SerieTabela& considerados) {
    ContagemSinais c;
    for (const RegistroMensal& m : considerados.armazenados())
        for (int d = 0; d < m.nDias(); ++d)
            if (m.vazao[static_cast<std::size_t>(d)]) m.contarSinais(d, c);
    return c;
}

namespace {

// `n` events of which `sinalizados` rest on flagged days, `dias` those days by kind.
QString textoEventos(int n, int sinalizados, const ContagemSinais& dias, const QString& quais,
                     const QString& verbo) {
    if (sinalizados == 0)
        return QStringLiteral("Nenhuma das %1 %2 %3 dias sinalizados.").arg(n).arg(quais, verbo);
    return QStringLiteral("%1 de %2 %3 %4 dias sinalizados (%5).")
        .arg(sinalizados)
        .arg(n)
        .arg(quais, verbo, dias.descricao());
}

} // namespace

QString textoMinimasSinalizadas(const std::vector<MinimaAnual>& minimas) {
    int n = 0, sinalizadas = 0;
    ContagemSinais dias;
    for (const MinimaAnual& m : minimas) {
        if (!m.minima) continue;
        ++n;
        sinalizadas += m.sinais.sinalizados > 0;
        dias.somar(m.sinais);
    }
    return textoEventos(n, sinalizadas, dias, QStringLiteral("mínimas anuais"),
                        sinalizadas == 1 ? QStringLiteral("inclui") : QStringLiteral("incluem"))
        .replace(QStringLiteral("Nenhuma das %1 mínimas anuais incluem").arg(n),
                 QStringLiteral("Nenhuma das %1 mínimas anuais inclui").arg(n));
}

QString textoMaximasSinalizadas(const std::vector<MaximaAnual>& maximas) {
    int n = 0, sinalizadas = 0;
    ContagemSinais dias;
    for (const MaximaAnual& m : maximas) {
        if (!m.maxima) continue;
        ++n;
        sinalizadas += m.sinais.sinalizados > 0;
        dias.somar(m.sinais);
    }
    return textoEventos(n, sinalizadas, dias, QStringLiteral("máximas anuais"),
                        sinalizadas == 1 || sinalizadas == 0 ? QStringLiteral("cai em")
                                                             : QStringLiteral("caem em"));
}

QString textoDiasSinalizados(const ContagemSinais& dias, int diasValidos) {
    const QString total = formatarNumero(diasValidos, u"###,###,##0");
    QString t =
        dias.sinalizados == 0
            ? QStringLiteral("Nenhum dos %1 dias considerados é sinalizado.").arg(total)
            : QStringLiteral("%1 % dos %2 dias considerados são sinalizados (%3).")
                  .arg(formatarNumero(100.0 * dias.sinalizados / std::max(1, diasValidos), u"0.0"),
                       total, dias.descricao());
    // A project written before the statuses were kept, or a source without them.
    if (dias.desconhecidos > 0)
        t += QStringLiteral(" O sinal de %1 dias é desconhecido.")
                 .arg(formatarNumero(dias.desconhecidos, u"###,###,##0"));
    return t;
}

QString textoExcluidos(Sinalizacoes excluir) {
    if (excluir == kSemSinal) return {};
    return QStringLiteral(", sem os dias ") + nomesDasSinalizacoes(excluir);
}

} // namespace corvel
