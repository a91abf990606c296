// Monthly evaporation rates of the reservoir: the evaporation file (a table snapshot kept in the
// user's data folder), the evaporated flow of each calendar month and the reservoir area entry.
#pragma once

#include "core/pastas.h"
#include "core/tabela.h"

#include <QString>
#include <QStringView>
#include <array>

namespace corvel {

inline constexpr auto kArquivoEvaporacao = "Evaporacao.cds";
inline constexpr auto kMsgAreaInvalida = "Área da bacia inválida";

// A row of the evaporation table; the row of `id` m belongs to calendar month m.
struct MesEvaporacao {
    int id = 0;
    QString mes;                 // "Janeiro" ... "Dezembro"
    double evaporacao = 0;       // mm/day, typed by the user
    double evaporacaoMensal = 0; // m³/s, written by the calculation
};

// Twelve rows, January first.
using TabelaEvaporacao = std::array<MesEvaporacao, 12>;

// The table of a first use: month names and every rate 0.
TabelaEvaporacao evaporacaoInicial();

// Fields of the file, in file order: id, mes, Evaporacao, EvaporacaoMensal.
std::vector<Campo> camposEvaporacao();
Tabela paraTabela(const TabelaEvaporacao& evaporacao);
// Rows ordered by id. Throws ErroArquivo naming `origem` unless the table has the four fields
// (case ignored) and exactly one row for each id 1 to 12. An empty rate counts as 0.
TabelaEvaporacao deTabelaEvaporacao(const Tabela& tabela, const QString& origem);

// The file is kept between runs in the user's data folder (pastaDadosUsuario, core/pastas.h); the
// program's own folder only holds the seed of a first use.
QString caminhoEvaporacao(const QString& pasta);

// Throws ErroArquivo when the file is missing, unreadable or not an evaporation table.
TabelaEvaporacao lerEvaporacao(const QString& pasta);
// Creates the folder when needed and writes the file atomically. Throws ErroArquivo.
void gravarEvaporacao(const QString& pasta, const TabelaEvaporacao& evaporacao);

// What the evaporation window does on creation and on each showing: the user's last values when
// the file exists in `pasta`; on a first use the copy beside the program (in `pastaPrograma`) when
// there is a readable one, else twelve rows of 0; the result is saved to `pasta`. A damaged file
// of the user's is reported (ErroArquivo) and left as it is.
TabelaEvaporacao prepararEvaporacao(const QString& pasta, const QString& pastaPrograma);

// Evaporated flow of each month, Qevap(m) = E(m) × A ÷ 86,4 (mm/day over km² to m³/s), written
// into `evaporacaoMensal`; all 0 when evaporation is not considered. Returns their mean Ē.
double calcularEvaporacao(TabelaEvaporacao& evaporacao, double areaKm2, bool considerar);

// The area field: digits, "," and "." (both taken as the decimal separator); empty gives 0.
// Throws ErroConversao for any other text.
double lerAreaReservatorio(QStringView texto);
// Keys the area field lets through: digits, Backspace, "," and ".".
bool teclaDaArea(QChar tecla);

// The window's hint on its evaporation grid, shown on a double click.
QString mensagemAlterarEvaporacao();

} // namespace corvel
