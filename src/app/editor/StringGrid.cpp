#include "StringGrid.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include "Look.h"

namespace travo {

StringGrid::StringGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setSingleStep(1);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { viewport()->update(); });
    viewport()->setAutoFillBackground(false);
    SetSize(2, 2);
}

void StringGrid::SetSize(int cols, int rows, int fixedCols, int fixedRows) {
    widths_.resize(static_cast<size_t>(cols), 64);
    rows_ = rows;
    fixedCols_ = fixedCols;
    fixedRows_ = fixedRows;
    text_.assign(static_cast<size_t>(cols), std::vector<QString>(static_cast<size_t>(rows)));
    objects_.assign(static_cast<size_t>(cols), std::vector<QObject*>(static_cast<size_t>(rows)));
    col_ = std::min(fixedCols, cols - 1);
    row_ = std::min(fixedRows, rows - 1);
    UpdateScroll();
}

void StringGrid::SetColWidth(int col, int width) {
    widths_[static_cast<size_t>(col)] = width;
    viewport()->update();
}

void StringGrid::SetRowHeight(int height) {
    rowHeight_ = height;
    UpdateScroll();
}

QString StringGrid::Cell(int col, int row) const {
    if (col < 0 || row < 0 || col >= ColCount() || row >= rows_) return {};
    return text_[static_cast<size_t>(col)][static_cast<size_t>(row)];
}

void StringGrid::SetCell(int col, int row, const QString& text) {
    if (col < 0 || row < 0 || col >= ColCount() || row >= rows_) return;
    text_[static_cast<size_t>(col)][static_cast<size_t>(row)] = text;
    viewport()->update();
}

QObject* StringGrid::Object(int col, int row) const {
    if (col < 0 || row < 0 || col >= ColCount() || row >= rows_) return nullptr;
    return objects_[static_cast<size_t>(col)][static_cast<size_t>(row)];
}

void StringGrid::SetObject(int col, int row, QObject* object) {
    if (col < 0 || row < 0 || col >= ColCount() || row >= rows_) return;
    objects_[static_cast<size_t>(col)][static_cast<size_t>(row)] = object;
}

int StringGrid::ColLeft(int col) const {
    int x = 0;
    for (int c = 0; c < col; ++c) x += widths_[static_cast<size_t>(c)] + (gridLines_ ? 1 : 0);
    return x;
}

int StringGrid::VisibleDataRows() const {
    const int line = rowHeight_ + (gridLines_ ? 1 : 0);
    const int free = viewport()->height() - fixedRows_ * line;
    return std::max(1, free / line);
}

int StringGrid::HeightForAllRows() const {
    ensurePolished(); // the style sets the frame's width
    return rows_ * (rowHeight_ + (gridLines_ ? 1 : 0)) + 2 * frameWidth();
}

int StringGrid::WidthForAllCols() const {
    ensurePolished();
    return ColLeft(ColCount()) + 2 * frameWidth();
}

void StringGrid::UpdateScroll() {
    const int dataRows = rows_ - fixedRows_;
    const int visible = VisibleDataRows();
    verticalScrollBar()->setRange(0, std::max(0, dataRows - visible));
    verticalScrollBar()->setPageStep(visible);
    viewport()->update();
}

QRect StringGrid::CellRect(int col, int row) const {
    if (col < 0 || row < 0 || col >= ColCount() || row >= rows_) return {};
    const int line = rowHeight_ + (gridLines_ ? 1 : 0);
    int y;
    if (row < fixedRows_) {
        y = row * line;
    } else {
        const int shown = row - fixedRows_ - verticalScrollBar()->value();
        if (shown < 0 || shown >= VisibleDataRows() + 1) return {};
        y = (fixedRows_ + shown) * line;
    }
    const QPoint origin = viewport()->geometry().topLeft();
    return QRect(origin.x() + ColLeft(col), origin.y() + y, ColWidth(col), rowHeight_);
}

int StringGrid::CellAt(QPoint pos, int& col) const {
    col = -1;
    int x = 0;
    for (int c = 0; c < ColCount(); ++c) {
        if (pos.x() >= x && pos.x() < x + ColWidth(c) + (gridLines_ ? 1 : 0)) {
            col = c;
            break;
        }
        x += ColWidth(c) + (gridLines_ ? 1 : 0);
    }
    const int line = rowHeight_ + (gridLines_ ? 1 : 0);
    const int index = pos.y() / line;
    if (col < 0 || pos.y() < 0) return -1;
    const int row = index < fixedRows_ ? index : index + verticalScrollBar()->value();
    return row < rows_ ? row : -1;
}

int StringGrid::ColumnAt(QPoint gridPos) const {
    const QPoint pos = gridPos - viewport()->geometry().topLeft();
    int col;
    return CellAt(pos, col) >= 0 ? col : -1;
}

void StringGrid::SetCurrent(int col, int row) {
    col = std::clamp(col, fixedCols_, ColCount() - 1);
    row = std::clamp(row, fixedRows_, rows_ - 1);
    emit selectCell(col, row);
    col_ = col;
    row_ = row;
    const int first = verticalScrollBar()->value() + fixedRows_;
    const int visible = VisibleDataRows();
    if (row < first)
        verticalScrollBar()->setValue(row - fixedRows_);
    else if (row >= first + visible)
        verticalScrollBar()->setValue(row - fixedRows_ - visible + 1);
    viewport()->update();
}

void StringGrid::DefaultDrawCell(QPainter& p, const StringGrid& grid, int col, int row,
                                 const QRect& rect, CellState state) {
    QColor back = state.fixed ? colors::ButtonFace() : colors::Window();
    if (state.selected && state.focused) back = grid.palette().color(QPalette::Highlight);
    p.fillRect(rect, back);
    p.setPen(state.selected && state.focused ? grid.palette().color(QPalette::HighlightedText)
                                             : colors::WindowText());
    p.drawText(rect.adjusted(2, 2, -2, 0), Qt::AlignLeft | Qt::AlignTop, grid.Cell(col, row));
}

void StringGrid::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), colors::Window());
    const QPoint origin = viewport()->geometry().topLeft();
    const QColor lineColor(192, 192, 192);
    for (int row = 0; row < rows_; ++row) {
        for (int col = 0; col < ColCount(); ++col) {
            QRect r = CellRect(col, row);
            if (r.isEmpty()) continue;
            r.translate(-origin);
            CellState state;
            state.fixed = col < fixedCols_ || row < fixedRows_;
            state.selected = !state.fixed && col == col_ && row == row_;
            state.focused = hasFocus();
            p.save();
            p.setClipRect(r);
            if (drawCell_)
                drawCell_(p, col, row, r, state);
            else
                DefaultDrawCell(p, *this, col, row, r, state);
            p.restore();
            if (gridLines_) {
                p.setPen(lineColor);
                p.drawLine(r.right() + 1, r.top(), r.right() + 1, r.bottom() + 1);
                p.drawLine(r.left(), r.bottom() + 1, r.right() + 1, r.bottom() + 1);
            }
        }
    }
}

void StringGrid::mousePressEvent(QMouseEvent* e) {
    setFocus(Qt::MouseFocusReason);
    int col;
    const int row = CellAt(e->position().toPoint(), col);
    if (row >= fixedRows_ && col >= fixedCols_ && (col != col_ || row != row_))
        SetCurrent(col, row);
    emit clicked();
}

void StringGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    int col;
    const int row = CellAt(e->position().toPoint(), col);
    if (row >= fixedRows_ && col >= fixedCols_) emit doubleClicked();
}

void StringGrid::keyPressEvent(QKeyEvent* e) {
    int col = col_, row = row_;
    switch (e->key()) {
    case Qt::Key_Left: --col; break;
    case Qt::Key_Right: ++col; break;
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_PageUp: row -= VisibleDataRows(); break;
    case Qt::Key_PageDown: row += VisibleDataRows(); break;
    case Qt::Key_Home: row = fixedRows_; break;
    case Qt::Key_End: row = rows_ - 1; break;
    default: emit keyPressed(e); return;
    }
    col = std::clamp(col, fixedCols_, ColCount() - 1);
    row = std::clamp(row, fixedRows_, rows_ - 1);
    if (col != col_ || row != row_) SetCurrent(col, row);
}

void StringGrid::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    UpdateScroll();
}

void StringGrid::focusInEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusInEvent(e);
    viewport()->update();
}

void StringGrid::focusOutEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusOutEvent(e);
    viewport()->update();
}

} // namespace travo
