// What the distribution window shows, exports and prints, from the typed results: the result
// table's columns and cells, the CSV texts (CR LF; the caller encodes them with
// codificarWindows1252), the spreadsheet tables, the two reports, and the reader of event files.
#pragma once

#include "analisedistribuicoes.h"

#include "core/formato.h"
#include "core/relatorio.h"
#include "core/tabelaexibida.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <span>
#include <vector>

namespace corvel {

// The visible fields of the result grid.
enum class CampoDistribuicao {
    NomeDistribuicao,
    IntervaloConfiancaSuperior,
    ValorEvento,
    IntervaloConfiancaInferior,
    ErroPadrao,
    Alfa,
    Beta,
    Gama,
    Media,
    Variancia,
    assimetria,
    NEventos,
    DesvioPadrao,
    PeriodoRetorno,
    Duracao,
    A,
    Diferenca,
    Erro,
};

// A visible column of the result grid, in the grid's order.
struct ColunaDistribuicao {
    CampoDistribuicao campo;
    const char* titulo; // caption (UTF-8)
    bool limite; // the event or one of its confidence limits: below zero it has no physical meaning
};
std::span<const ColunaDistribuicao> colunasDistribuicao();

// Where a cell's text goes: the grid and the reports, or a CSV file; with display digits or all.
struct FormaCelula {
    bool csv = false;
    Digitos digitos = Digitos::Exibicao;
};

// A cell as the grid shows it: "0.00", "0.00000" or "0.0000" by column (flows below 1 m³/s with
// three significant digits), the general form for NEventos, Duracao and A, and an empty text for a
// blank field. The event, its limits, standard error and interval width of an inadmissible row are
// "-" (empty in a CSV file). Throws std::out_of_range for a column outside colunasDistribuicao().
QString textoColuna(const LinhaDistribuicao& linha, std::size_t coluna, FormaCelula forma = {});
// The cell as its field holds it, for a spreadsheet (numbers stay numbers; a blank field is null).
Valor valorColuna(const LinhaDistribuicao& linha, std::size_t coluna);
TipoCampo tipoColuna(std::size_t coluna);
// An event or limit below zero: the grid paints it red.
bool semSignificadoFisico(const LinhaDistribuicao& linha, std::size_t coluna);

// The spreadsheet tables: the result rows as given, and the events with their logarithms.
TabelaExibida tabelaDistribuicoes(std::span<const LinhaDistribuicao> linhas);
TabelaExibida tabelaEventos(std::span<const EventoDistribuicao> eventos);

// The window's two reports ("Dados" and "Resultados"): `titulo` is the window's caption, `estacao`
// the station of the open series. The results report lists the rows of the chosen return period.
relatorio::Relatorio relatorioDadosDistribuicao(std::span<const EventoDistribuicao> eventos,
                                                const QString& titulo, const QString& tecnico,
                                                const QString& estacao);
relatorio::Relatorio relatorioResultadosDistribuicao(std::span<const LinhaDistribuicao> linhas,
                                                     const QString& titulo, const QString& tecnico,
                                                     const QString& estacao);

// "Distribuições > CSV": a header of the captions, each followed by ";  ", then one line per
// row with each cell followed by "; "; every line ends with " " and CR LF.
QString textoDistribuicoesCsv(std::span<const LinhaDistribuicao> linhas,
                              Digitos digitos = Digitos::Exibicao);

// The line that names the best distribution at the chosen T: "Melhor distribuição em T = 10 anos:
// Weibull (evento 1,23 m³/s, amplitude do intervalo de confiança 0,4567)", the zero mass ("Em T = 10
// anos a vazão é nula: p0 = 0,6 >= 1/T (probabilidade condicional)") or "Nenhuma distribuição
// ajustada em T = 10 anos".
QString textoMelhorDistribuicao(const AnaliseDistribuicoes& analise);

// "Dados > CSV": five header lines (the event type on the third: 1 maxima, 0 minima), then
// "label;value;" per event in the given order, values as "0.0000".
QString textoDadosCsv(std::span<const EventoDistribuicao> eventos, bool EventosMaximos);

struct EventosLidos {
    std::optional<bool> EventosMaximos; // from the header of a "Dados > CSV" file
    std::vector<EventoDistribuicao> eventos;
};

// Reads a file written by "Dados > CSV", or a plain "label;value" file whose first line may be
// a header. UTF-8 when the bytes are valid UTF-8, Windows-1252 otherwise; CR LF or LF; values
// with the decimal comma, an empty value is an event without value. Throws ErroConversao naming
// the line of a value or event type that is not a number, ErroArquivo for a line without ";".
EventosLidos lerEventosCsv(const QByteArray& conteudo);

} // namespace corvel
