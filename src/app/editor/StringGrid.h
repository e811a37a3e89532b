#pragma once
// A string grid: fixed header row and number column, per-cell text and one object
// per cell, owner-drawn cells and a select-cell event.
#include <QAbstractScrollArea>
#include <functional>
#include <vector>

namespace travo {

struct CellState {
    bool selected = false; // the current cell
    bool focused = false;  // the grid has the input focus
    bool fixed = false;
};

class StringGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    using DrawCellFn = std::function<void(QPainter&, int col, int row, const QRect&, CellState)>;

    explicit StringGrid(QWidget* parent);

    void SetSize(int cols, int rows, int fixedCols = 1, int fixedRows = 1);
    int ColCount() const { return static_cast<int>(widths_.size()); }
    int RowCount() const { return rows_; }
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    void SetColWidth(int col, int width);
    int ColWidth(int col) const { return widths_[static_cast<size_t>(col)]; }
    void SetRowHeight(int height);
    int RowHeight() const { return rowHeight_; }
    void SetGridLines(bool on) { gridLines_ = on; }

    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    QObject* Object(int col, int row) const;
    void SetObject(int col, int row, QObject* object);

    int Col() const { return col_; }
    int Row() const { return row_; }
    // Makes a cell current (scrolling to it); the select-cell event runs first.
    void SetCurrent(int col, int row);

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // The cell's rectangle in the grid's own coordinates; empty when scrolled away.
    QRect CellRect(int col, int row) const;
    // The column under a point of the grid, or -1 outside the cells.
    int ColumnAt(QPoint gridPos) const;

    void SetDrawCell(DrawCellFn fn) { drawCell_ = std::move(fn); }
    // The default face of a cell: fixed cells in the button face, text at 2, 2.
    static void DefaultDrawCell(QPainter& p, const StringGrid& grid, int col, int row,
                                const QRect& rect, CellState state);
    void Repaint() { viewport()->update(); }

    // The outer size at which every row and column shows, so that no scroll bar is needed.
    int HeightForAllRows() const;
    int WidthForAllCols() const;

signals:
    void selectCell(int col, int row); // before a new cell becomes current
    void keyPressed(QKeyEvent* event); // every key the grid does not navigate by
    void doubleClicked();
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void UpdateScroll();
    int ColLeft(int col) const;
    int VisibleDataRows() const;
    int CellAt(QPoint viewportPos, int& col) const;

    std::vector<int> widths_;
    int rows_ = 0, fixedCols_ = 1, fixedRows_ = 1;
    int rowHeight_ = 22;
    bool gridLines_ = true;
    std::vector<std::vector<QString>> text_;
    std::vector<std::vector<QObject*>> objects_;
    int col_ = 1, row_ = 1;
    int tag_ = 0;
    DrawCellFn drawCell_;
};

} // namespace travo
