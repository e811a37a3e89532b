#include "PageParts.h"

#include <QPainter>

#include "EditorFrame.h"
#include "Editors.h"
#include "GridEditors.h"
#include "Look.h"
#include "QtText.h"
#include "StringGrid.h"
#include "ValidationRun.h"
#include "model/Device.h"

namespace travo {

PageParts::PageParts(EditorFrame& frame, QWidget* tab) : frame_(frame), tab_(tab) {}

void PageParts::Create_Parts() {
    SetHelpHint(tab_, 400);
    SG_Parts = new StringGrid(tab_);
    SG_Parts->setObjectName("SG_Parts");
    SG_Parts->SetSize(2, 5);
    SG_Parts->SetColWidth(0, 37);
    SG_Parts->SetColWidth(1, 698);
    SG_Parts->SetRowHeight(22);
    SG_Parts->SetTag(0);
    SG_Parts->setGeometry(8, 8, SG_Parts->WidthForAllCols(), SG_Parts->HeightForAllRows());
    SG_Parts->SetCell(0, 0, U("№"));
    SG_Parts->SetCell(1, 0, U("Задержка на выход (секунды)"));
    for (int n = 1; n <= 4; ++n) SG_Parts->SetCell(0, n, QString::number(n));
    SG_Parts->SetDrawCell([this](QPainter& p, int col, int row, const QRect& r, CellState s) {
        const bool current = s.selected && s.focused && row == SG_Parts->Row();
        p.fillRect(r, current ? colors::LightYellow : colors::Window());
        p.setPen(colors::WindowText());
        const int indent = p.fontMetrics().horizontalAdvance('8') / 2;
        p.drawText(r.adjusted(indent, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                   SG_Parts->Cell(col, row));
    });

    GridEditors& grids = frame_.Grids();
    DelayEditor = grids.SG_Create_DigitEdit(SG_Parts, 1);
    DelayEditor->setObjectName("PARTS_SG_ME_Delay");
    DelayEditor->SetMaxLength(3);
    SetHelpHint(DelayEditor, 410);
    grids.SetExitHandler(DelayEditor, [this] {
        // PARTS_SG_ME_Delay_Exit: an empty box counts as 0; the check catches the range.
        const QString text =
            DelayEditor->text().isEmpty() ? QStringLiteral("0") : DelayEditor->text();
        Parts_SaveDelay(SG_Parts->Row(), text.toInt());
    });
    for (int n = 1; n <= 4; ++n) grids.SG_Edit_Enable(EditorKind::Digit, SG_Parts, n, 1);
}

void PageParts::Redraw_Parts() {
    for (int n = 1; n <= 4; ++n)
        SG_Parts->SetCell(1, n, QString::number(frame_.Working().GetPartDelay(n)));
}

void PageParts::Parts_SaveDelay(int row, int seconds) {
    SG_Parts->SetCell(1, row, QString::number(seconds));
    frame_.Working().SetPartDelay(row, seconds);
}

bool PageParts::Check_Parts(bool) {
    return CheckPage(Page::Parts, frame_, tab_, [this] {
        if (frame_.IsActivePage(tab_)) Redraw_Parts();
    });
}

} // namespace travo
