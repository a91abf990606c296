// The hydrograph of the open series: the daily flows of one calendar year or of the whole period
// as a line over the day's position, and the rating-curve limits as two horizontal lines.
#pragma once

#include "core/bancada.h"
#include "core/mensagem.h"
#include "core/serie.h"

#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace corvel {

inline constexpr auto kHidrografaCompleta = "Hidrógrafa completa";
inline constexpr auto kEixoDias = "Dias";
inline constexpr auto kEixoVazaoHidrograma = "Vazão (m³/s)";
inline constexpr auto kLegendaCurvaSuperior = "Curva-chave (superior)              ";
inline constexpr auto kLegendaHidrografa = "Hidrógrafa";
inline constexpr auto kLegendaCurvaInferior = "Curva-chave (inferior)";
inline constexpr auto kMsgCurvaChaveInvalida = "Valores para curva-chave inválidos.";

// An entry of the window's list: the whole period (no year) or one calendar year.
struct EntradaHidrografa {
    QString texto;
    std::optional<int> ano;
};
// "Hidrógrafa completa", then every calendar year from the first month's to the last month's.
std::vector<EntradaHidrografa> listaHidrografas(const SerieTabela& serie);

struct PontoHidrograma {
    double x = 0;
    // Empty: a null point, where the line breaks (a missing day).
    std::optional<double> vazao;
    QDate dia; // the day the point stands for, written under the axis by rotuloDia
};

struct Hidrograma {
    std::array<QString, 3> titulo;
    std::array<QString, 2> rodape;
    std::vector<PontoHidrograma> pontos;
    // The number of days drawn: the last point's x.
    double dias = 0;
    // The rating-curve lines, from x = 0 to `dias`, only when the limits are valid.
    std::optional<LimitesCurvaChave> limites;
};

// Each day of the months chosen (in date order, every month whatever its situation) advances x by
// one. A valid day is the point (x, flow), preceded by (x, 0) when the day before was missing; a
// missing day is two null points, at x and x + 1, and the second foot line warns of it. The
// whole-period hydrograph breaks its line at missing days too: drawn at zero flow, a gap in the
// record would look like a dry river.
Hidrograma hidrogramaAnual(const SerieTabela& serie, int ano, const LimitesCurvaChave& limites);
Hidrograma hidrogramaCompleto(const SerieTabela& serie, const LimitesCurvaChave& limites);

// The unbroken stretches of the line: the runs of points between null points, in order. A break
// narrower than `juntarAbaixoDe` along x is joined over: a chart whose pixel holds many days
// cannot show it, and a century with a gap a month would otherwise be a thousand lines.
struct TrechoHidrograma {
    std::vector<double> x, vazao;
};
std::vector<TrechoHidrograma> trechosHidrograma(const Hidrograma& h, double juntarAbaixoDe = 0);

// The labels under the axis when at most `maximo` fit: the day of every k-th position (k the
// smallest step that keeps within `maximo`), at the x of its first point.
std::vector<std::pair<double, QString>> rotulosDias(const Hidrograma& h, std::size_t maximo);

// The day as the axis writes it, without leading zeros: "5/3/1975".
QString rotuloDia(QDate dia);

// "Curva-chave:    Limite superior = 100,00;    Limite inferior = 5,00", or nothing while the
// upper limit is not above 0.
QString textoLimites(const LimitesCurvaChave& limites);

// ---- the rating-curve dialog

// The fields take digits, Backspace, "," and "."; both "," and "." type the decimal comma. Empty
// when the key is dropped.
std::optional<QChar> teclaCurvaChave(QChar tecla);
// A limit as the dialog first shows it: the general number form.
QString textoLimite(double valor);

struct RespostaCurvaChave {
    LimitesCurvaChave limites; // the limits from now on
    bool fechar = false;       // the dialog closes
    std::optional<Mensagem> mensagem;
};
// "OK" of the dialog with the texts of "Limite superior" and "Limite inferior": a text that is not
// a number sets both limits to 0 and keeps the dialog open; upper > lower ≥ 0 takes effect and
// closes it; anything else keeps the limits before and the dialog open, with the message.
RespostaCurvaChave confirmarCurvaChave(QStringView superior, QStringView inferior,
                                       const LimitesCurvaChave& anteriores);

} // namespace corvel
