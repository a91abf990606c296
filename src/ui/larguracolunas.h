// Column widths from what the columns show: a grid of day flows keeps its compact columns, and
// widens them when a creek's three significant digits or a large river's thousands need the room.
#pragma once

class QTableView;

namespace corvel::ui {

// Sets columns `primeira` to `ultima` (inclusive) to the widest of their display texts and titles
// plus a margin, never narrower than `minimo` pixels.
void ajustarColunasAoConteudo(QTableView& grade, int primeira, int ultima, int minimo);

} // namespace corvel::ui
