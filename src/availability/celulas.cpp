// Yearly data availability of one project table: one pass over its records.
#include "celulas.h"

#include "core/erros.h"
#include "core/formato.h"
#include "core/projeto.h"
#include "core/serie.h"

#include <QDate>
#include <array>

namespace corvel {

int porcentagemAno(int diasPresentes, int ano) {
    const int dias = QDate::isLeapYear(ano) ? 366 : 365;
    // Exact in integers: quotient, and the remainder compared with half the divisor.
    const long long n = static_cast<long long>(diasPresentes) * 100;
    long long q = n / dias;
    const long long dobroResto = 2 * (n % dias);
    if (dobroResto > dias || (dobroResto == dias && q % 2 != 0)) ++q;
    return static_cast<int>(q);
}

EstacaoDisponibilidade disponibilidadeProjeto(const Tabela& t, PeriodoDiagrama periodo) {
    if (!t.temCampo(u"Vazao03Status")) throw ErroArquivo(QString::fromUtf8(kMsgNaoEhProjeto));
    const int cEstacao = t.campo(u"EstacaoCodigo");
    const int cData = t.campo(u"Data");
    const int cMedia = t.campo(u"Media");
    // Projects written before the days' statuses were kept have none: their days count as known
    // to be neither estimated nor raw only by their level.
    const int cSinais = t.indiceCampo(u"SinaisDiarios");
    const int cNivel = t.indiceCampo(u"NivelConsistencia");
    std::array<int, kDiasRegistro> cDia{};
    for (int d = 0; d < kDiasRegistro; ++d)
        cDia[static_cast<std::size_t>(d)] =
            t.campo(QStringLiteral("Vazao%1").arg(d + 1, 2, 10, QLatin1Char('0')));

    if (t.linhas() == 0) throw ErroArquivo(QStringLiteral("O arquivo não tem nenhum mês."));
    const auto codigo = t.inteiro(0, cEstacao);
    if (!codigo)
        throw ErroArquivo(QStringLiteral("O primeiro mês do arquivo não tem o código da estação."));

    const auto nAnos = static_cast<std::size_t>(periodo.numeroAnos());
    std::vector<int> presentes(nAnos, 0), comValor(nAnos, 0), estimados(nAnos, 0),
        brutos(nAnos, 0);
    std::vector<quint16> mesesVistos(nAnos, 0);
    for (qsizetype l = 0; l < t.linhas(); ++l) {
        const auto data = t.dataHora(l, cData);
        if (!data) continue;
        const QDate dia = data->date();
        const int i = dia.year() - periodo.anoInicial;
        if (i < 0 || static_cast<std::size_t>(i) >= nAnos) continue;
        const auto bit = static_cast<quint16>(1u << (dia.month() - 1));
        auto& vistos = mesesVistos[static_cast<std::size_t>(i)];
        if (vistos & bit) continue;
        vistos |= bit;

        const double media = t.real(l, cMedia).value_or(0);
        const int diasMes = dia.daysInMonth();
        int p = 0;
        if (media == 0) {
            p = diasMes;
        } else if (media > 0 && media < 100) {
            for (int d = 0; d < diasMes; ++d)
                p += t.nulo(l, cDia[static_cast<std::size_t>(d)]) ? 0 : 1;
        }
        presentes[static_cast<std::size_t>(i)] += p;

        const bool bruto = cNivel >= 0 && t.inteiro(l, cNivel) == 1;
        const QString sinais = cSinais >= 0 ? t.texto(l, cSinais) : QString();
        for (int d = 0; d < diasMes; ++d) {
            if (t.nulo(l, cDia[static_cast<std::size_t>(d)])) continue;
            ++comValor[static_cast<std::size_t>(i)];
            if (bruto) ++brutos[static_cast<std::size_t>(i)];
            if (d < sinais.size() && sinalDaLetra(sinais[d]) == SinalDia::Estimado)
                ++estimados[static_cast<std::size_t>(i)];
        }
    }

    EstacaoDisponibilidade e;
    e.codigo = QString::number(*codigo);
    e.anos.reserve(nAnos);
    const auto parte = [](int dias, int total) -> std::optional<int> {
        if (total == 0) return std::nullopt;
        return static_cast<int>(arredondarParaPar(100.0 * dias / total));
    };
    for (std::size_t i = 0; i < nAnos; ++i) {
        e.anos.push_back(porcentagemAno(presentes[i], periodo.anoInicial + static_cast<int>(i)));
        // A project written before the statuses were kept says nothing of estimated days.
        e.estimados.push_back(cSinais >= 0 ? parte(estimados[i], comValor[i]) : std::nullopt);
        e.brutos.push_back(parte(brutos[i], comValor[i]));
    }
    return e;
}

} // namespace corvel
