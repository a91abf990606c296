// Flow regularization: the daily sequent-peak balance of the considered days for twenty regulated
// flows (5 % ... 100 % of the mean inflow), the storage each one needs, the net regulated flows
// after evaporation, the mass diagram and the day-by-day deficit of one level.
#pragma once

#include "mensagens.h"

#include "evaporacao.h"

#include "core/serie.h"

#include <QDate>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace corvel {

// Level k = 1 ... 20 regulates 5k % of the mean inflow.
inline constexpr int kNiveisRegularizacao = 20;
inline constexpr int kNivelInicial = 10; // "50%", the level the reservoir tab opens on
inline int porcentagemNivel(int nivel) {
    return 5 * nivel;
}


// A valid day of a considered month, in date order; its position is the daily table's ID.
struct DiaAfluente {
    QDate data;
    double vazao = 0; // m³/s
};

// A point of the mass diagram: the number of the valid day (from 1) and the inflow volume
// accumulated up to it, hm³.
struct PontoMassa {
    int dia = 0;
    double volume = 0;
};

// The daily inflow as the balance walks it. Gaps are removed, not filled: consecutive days of the
// balance are consecutive valid days.
struct Afluencia {
    std::vector<DiaAfluente> dias;
    std::vector<PontoMassa> diagramaMassas;
    double qmed = 0; // mean of the valid days, m³/s
};

enum class EtapaRegularizacao { CopiaDados, Evaporacao, Balanco };
// The progress window's label of each step: "Copiando dados...", "Calculando evaporação",
// "Calculando a regularização".
QString textoEtapa(EtapaRegularizacao etapa);
inline constexpr auto kTextoPreparando = "Preparando...";

// Called between days with the step and the share done (0 ... 100); returning false abandons the
// calculation. An empty function never cancels.
using AcompanhamentoRegularizacao = std::function<bool(EtapaRegularizacao etapa, int porcentagem)>;

// The copy: every valid day of the considered months in date order, the running volume and Qmed.
// Empty when cancelled. Throws Erro with kMsgSemVazoesValidas when no day holds a value, since
// Qmed is then undefined.
std::optional<Afluencia> CopiaDados(const SerieTabela& considerados,
                                    const AcompanhamentoRegularizacao& acompanhar = {});

// Qreg(k) = 0,05 × k × Qmed.
double vazaoRegularizada(double qmed, int nivel);

using VolumesReservatorio = std::array<double, kNiveisRegularizacao>; // V(1) ... V(20), hm³

// The balance of the twenty levels over the days: acc(k) := min(0, acc(k) + (Q − Qreg(k)) × 86 400)
// day after day, V(k) = |min acc(k)| ÷ 10⁶. Evaporation does not enter it. Empty when cancelled.
std::optional<VolumesReservatorio>
balancoRegularizacao(const Afluencia& afluencia,
                     const AcompanhamentoRegularizacao& acompanhar = {});

// What a calculation leaves for the tabs, exports and report.
struct ResultadoRegularizacao {
    Afluencia afluencia;
    bool comEvaporacao = false;
    double area = 0;               // km²
    TabelaEvaporacao evaporacao;   // with the evaporated flow of each month written
    double evaporacaoMedia = 0;    // Ē, m³/s
    VolumesReservatorio volumes{}; // hm³
};

// The whole calculation of the window in one call (copy, evaporation over `area`, balance) for
// callers that need no evaporation window in between. Empty when cancelled.
std::optional<ResultadoRegularizacao>
calcularRegularizacao(const SerieTabela& considerados, TabelaEvaporacao evaporacao, double area,
                      bool comEvaporacao, const AcompanhamentoRegularizacao& acompanhar = {});

// A row of the results: Qnet(k) = β × Qmed − Ē when positive, else 0 with the evaporation too high
// for the level. The storage is the one of the balance, without evaporation.
struct LinhaRegularizada {
    int nivel = 0;
    double beta = 0; // 0,05 × k
    double vazaoLiquida = 0;
    double volume = 0;
    bool evaporacaoElevada = false;
};
std::vector<LinhaRegularizada> vazoesRegularizadas(const ResultadoRegularizacao& resultado);

// "* Sem evaporação", "* Evaporação considerada", or "* Evaporação elevada" when some level's
// evaporation takes all its regulated flow.
QString notaEvaporacao(const ResultadoRegularizacao& resultado);

// A day of the reservoir tab for one level: the daily table's columns of that level.
struct DiaReservatorio {
    QDate data;
    double vazao = 0;             // inflow, m³/s
    double vazaoRegularizada = 0; // m³/s
    double vazaoEvaporada = 0;    // of the day's calendar month, m³/s
    double diferenca = 0;         // (Q − Qreg) × 86 400 ÷ 10⁶, hm³
    double acumulada = 0;         // the deficit accumulator after the day, hm³ (zero or negative)
};
std::vector<DiaReservatorio> volumeDiario(const ResultadoRegularizacao& resultado, int nivel);

} // namespace corvel
