// Mean flows of the considered months of a project: the mean of each calendar or hydrological year,
// of each month, the long-term mean of each calendar month and the station's long-term mean flow.
#pragma once

#include "analyses/tabelatexto.h"
#include "core/formato.h"
#include "core/serie.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace corvel {

struct MediaAnual {
    int ano = 0;                 // the calendar year in which the year begins
    bool anoHidrologico = false; // label "Y/Y+1" (start month after January)
    bool parcial = false; // the considered record begins or ends inside the year (not before it)
    int diasValidos = 0;
    std::optional<double> media; // empty when the year has no valid day
    ContagemSinais sinais;       // the flags of its valid days

    // The texts of the annual table: "1987" or "1987/1988", marked "*" when partial; "12,35", or
    // "-" for a year without a valid day (a gap in the record is not a dry year); "365"; the
    // flagged days.
    QString textoAno() const;
    QString textoMedia(Digitos digitos = Digitos::Exibicao) const;
    QString textoDias() const;
    QString textoSinalizados() const;
};

// The note under an annual table that has partial years.
inline constexpr auto kNotaAnoParcial =
    "* Ano parcial: a série considerada começa ou termina dentro dele.";

// The "Ano Início" and "Ano Fim" boxes of the window, read for a calculation.
struct AnosCalculo {
    int inicio = 0;
    int fim = 0;
};

// Reads the two year boxes before a calculation. Throws Erro with the message of the window's error
// box: "\"Ano Início\" ou \"Ano Fim\" não definidos." when one is empty, "Valor inválido para
// \"Ano Início\" ou \"Ano Fim\"" when one is not a year from 1 to 9999, "\"Ano Fim\" deve ser maior
// ou igual ao \"Ano Início\"." when they are reversed. The window then still rebuilds the monthly
// tables, leaves the annual one empty and the long-term line as it was.
AnosCalculo lerAnosCalculo(const QString& anoInicio, const QString& anoFim);

// The rows of the tab "Vazões médias anuais" (texts, export, report and stationarity hand-over in
// tabelasmedias.h): one row per year to `anoFim`, each made of the 12 months from month
// `inicioAnoHidrologico` of that year. The first row is `anoInicio`, or the year before it when
// considered months of `anoInicio` come before the start month (they belong to that year, which
// the record only partly covers). Only days 1 to the month's length count, and only records of
// the station of the first considered month; no minimum of days or months applies.
std::vector<MediaAnual> CalculaMediaAnual(const SerieTabela& considerados, int inicioAnoHidrologico,
                                          int anoInicio, int anoFim);

struct MediaMensal {
    QDate mes;
    int diasValidos = 0;
    std::optional<double> media; // empty when the month has no valid value

    QString textoMes() const; // "Janeiro/1990"
    // "12,5" (pattern "0.##"), empty without a valid value.
    QString textoMedia(Digitos digitos = Digitos::Exibicao) const;
    QString textoDias() const;
};

struct MediaMensalLongaDuracao {
    int mes = 1;
    int nMeses = 0;              // monthly means that entered the mean
    std::optional<double> media; // empty when no month entered it

    QString textoMes() const;                          // "Janeiro"
    QString textoMedia(FormaTexto forma) const; // "12,35" in the grid, plain in a CSV
    QString textoNMeses() const;
};

struct MediasMensais {
    std::vector<MediaMensal> meses;                       // one per considered month, in date order
    std::array<MediaMensalLongaDuracao, 12> longaDuracao; // January to December
};

// The rows of the tabs "Vazões médias mensais" and "Médias mensais de longa duração". Every one of
// the 31 day values of a record counts when it is not empty (a record normally holds nothing past
// the month's end); the long-term mean of a calendar month is the plain mean of the unrounded
// monthly means.
MediasMensais MediaAnualDeLongaDuracao(const SerieTabela& considerados);

// The station's long-term mean flow: the mean of every valid day of the considered months of the
// calendar years `anoInicio` to `anoFim` (days 1 to the month's length, the station of the first
// considered month), so that it does not change with the start of the hydrological year nor with
// the rounding of the annual means. Empty when no day has a flow.
std::optional<double> VazaoMediaLongaDuracao(const SerieTabela& considerados, int anoInicio,
                                             int anoFim);
// The long-term line under the header and in the reports: "Vazão média de longa duração: 12,3456
// m³/s" (three significant digits below 1 m³/s), or "Vazão média de longa duração: -" when the mean
// is empty.
QString textoVazaoMediaLongaDuracao(std::optional<double> vazao);

// "Calcular" with valid year boxes: everything the window then displays.
struct VazoesMedias {
    std::vector<MediaAnual> anuais;
    MediasMensais mensais;
    std::optional<double> longaDuracao;
    QString linhaLongaDuracao; // the header line
};
VazoesMedias CalculaVazoesMedias(const SerieTabela& considerados, int inicioAnoHidrologico,
                                 int anoInicio, int anoFim);

} // namespace corvel
