#pragma once
// The "Разделы" page: the exit delay of each partition, edited in a grid.
#include <QWidget>

namespace travo {

class EditorFrame;
class MaskEdit;
class StringGrid;

class PageParts {
public:
    PageParts(EditorFrame& frame, QWidget* tab);

    void Create_Parts();
    void Redraw_Parts();
    bool Check_Parts(bool flag);
    void Parts_SaveDelay(int row, int seconds);

    QWidget* Tab() const { return tab_; }
    StringGrid* SG_Parts = nullptr;
    MaskEdit* DelayEditor = nullptr;

private:
    EditorFrame& frame_;
    QWidget* tab_;
};

} // namespace travo
