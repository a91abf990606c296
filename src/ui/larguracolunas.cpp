// Column widths from the texts of the model.
#include "larguracolunas.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>
#include <algorithm>

namespace corvel::ui {

void ajustarColunasAoConteudo(QTableView& grade, int primeira, int ultima, int minimo) {
    const QAbstractItemModel* modelo = grade.model();
    if (!modelo) return;
    const QFontMetrics letras(grade.font());
    const QFontMetrics titulos(grade.horizontalHeader()->font());
    constexpr int kFolga = 12; // the cell's padding and a little air
    const int linhas = modelo->rowCount();
    for (int c = primeira; c <= ultima && c < modelo->columnCount(); ++c) {
        int largura = titulos.horizontalAdvance(
            modelo->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        for (int l = 0; l < linhas; ++l)
            largura = std::max(largura, letras.horizontalAdvance(
                                            modelo->index(l, c).data(Qt::DisplayRole).toString()));
        grade.setColumnWidth(c, std::max(minimo, largura + kFolga));
    }
}

} // namespace corvel::ui
