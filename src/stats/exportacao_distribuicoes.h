// Texts of the distribution window's CSV exports (the result table and the event list) and the
// reader of event files. The texts use CR LF; the caller encodes them with
// codificarWindows1252 when it writes the file.
#pragma once

#include "analise_distribuicoes.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <span>
#include <vector>

namespace corvel {

// A visible column of the result grid, in the grid's order.
struct ColunaDistribuicao {
    const char* campo;  // field name of LinhaDistribuicao
    const char* titulo; // caption (UTF-8)
};
std::span<const ColunaDistribuicao> colunasDistribuicao();

// A cell as the grid shows it: "0.00", "0.00000" or "0.0000" by column, the general form for
// NEventos, Duracao and A, and an empty text for a blank field. Throws std::out_of_range for a
// column outside colunasDistribuicao().
QString textoColuna(const LinhaDistribuicao& linha, std::size_t coluna);

// "Distribuições > CSV": a header of the captions, each followed by ";  ", then one line per
// row with each cell followed by "; "; every line ends with " " and CR LF.
QString textoDistribuicoesCsv(std::span<const LinhaDistribuicao> linhas);

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
