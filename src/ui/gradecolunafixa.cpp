// The frozen first column: a second view over the same model and selection, laid on the left of
// the viewport and scrolled vertically with it.
#include "gradecolunafixa.h"

#include <QHeaderView>
#include <QScrollBar>

namespace corvel::ui {

GradeColunaFixa::GradeColunaFixa(QWidget* pai) : QTableView(pai), fixa_(new QTableView(this)) {
    fixa_->setObjectName(QStringLiteral("colunaFixa"));
    fixa_->setFocusPolicy(Qt::NoFocus);
    fixa_->verticalHeader()->hide();
    fixa_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fixa_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixa_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixa_->setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    fixa_->setStyleSheet(QStringLiteral("QTableView { border: none; }"));
    viewport()->stackUnder(fixa_);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int secao, int, int tamanho) {
                if (secao == 0) {
                    fixa_->setColumnWidth(0, tamanho);
                    ajustarGeometria();
                }
            });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int secao, int, int tamanho) { fixa_->setRowHeight(secao, tamanho); });
    connect(fixa_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, fixa_->verticalScrollBar(),
            &QAbstractSlider::setValue);
}

void GradeColunaFixa::setModel(QAbstractItemModel* modelo) {
    QTableView::setModel(modelo);
    fixa_->setModel(modelo);
    fixa_->setSelectionModel(selectionModel());
    fixa_->setEditTriggers(NoEditTriggers);
    fixa_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    auto esconderOutras = [this] {
        for (int c = 1; c < model()->columnCount(); ++c)
            fixa_->setColumnHidden(c, true);
        fixa_->setColumnWidth(0, columnWidth(0));
        ajustarGeometria();
    };
    connect(modelo, &QAbstractItemModel::modelReset, this, esconderOutras);
    connect(modelo, &QAbstractItemModel::columnsInserted, this, esconderOutras);
    esconderOutras();
    fixa_->show();
}

void GradeColunaFixa::resizeEvent(QResizeEvent* evento) {
    QTableView::resizeEvent(evento);
    ajustarGeometria();
}

// Keys moving left stop beside the frozen column instead of scrolling under it.
QModelIndex GradeColunaFixa::moveCursor(CursorAction acao, Qt::KeyboardModifiers modificadores) {
    const QModelIndex atual = QTableView::moveCursor(acao, modificadores);
    if (acao == MoveLeft && atual.column() > 0 &&
        visualRect(atual).topLeft().x() < fixa_->columnWidth(0)) {
        const int novo = horizontalScrollBar()->value() + visualRect(atual).topLeft().x() -
                         fixa_->columnWidth(0);
        horizontalScrollBar()->setValue(novo);
    }
    return atual;
}

void GradeColunaFixa::scrollTo(const QModelIndex& indice, ScrollHint dica) {
    if (indice.column() > 0) QTableView::scrollTo(indice, dica);
}

void GradeColunaFixa::ajustarGeometria() {
    fixa_->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), columnWidth(0),
                       viewport()->height() + horizontalHeader()->height());
}

} // namespace corvel::ui
