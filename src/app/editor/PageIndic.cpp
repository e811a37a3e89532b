#include "PageIndic.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QSlider>

#include "EditorFrame.h"
#include "Editors.h"
#include "GridEditors.h"
#include "Look.h"
#include "QtText.h"
#include "StringGrid.h"
#include "ValidationRun.h"
#include "Widgets.h"
#include "model/Device.h"

namespace travo {
namespace {

constexpr int kLabelX = 12, kColonX = 330, kFieldX = 346;

PartSet TickedParts(const CheckListBox* list) {
    PartSet set;
    for (int k = 0; k < list->count(); ++k) {
        if (list->Checked(k) && k + 1 <= 7) set.Insert(k + 1);
    }
    return set;
}

QString Number(const QString& text) {
    return text.isEmpty() ? QStringLiteral("0") : text;
}

} // namespace

PageIndic::PageIndic(EditorFrame& frame, QWidget* tab) : frame_(frame), tab_(tab) {}

MaskEdit* PageIndic::TimeRow(const char* name, const QString& caption, int top, int hint,
                             UpDown*& spinner, int min, int max) {
    auto* edit = new MaskEdit(GB_Indic_SignalAndInd);
    edit->setObjectName(name);
    edit->SetMaxLength(3);
    edit->SetKeyFilter(&FilterSet(FilterKind::Digits));
    edit->SetChangeFilter(&FilterSet(FilterKind::Digits));
    edit->setGeometry(kFieldX, top, 48, 24);
    SetHelpHint(edit, hint);
    spinner = new UpDown(GB_Indic_SignalAndInd, edit, min, max);
    spinner->setObjectName(QString(name).replace("E_", "UD_"));
    spinner->setGeometry(kFieldX + 49, top, 17, 24);
    auto* label = new FocusLabel(caption, GB_Indic_SignalAndInd, edit);
    label->setGeometry(kLabelX, top, 310, 24);
    SetHelpHint(label, hint);
    (new FocusLabel(":", GB_Indic_SignalAndInd, edit))->setGeometry(kColonX, top, 10, 24);
    (new FocusLabel(U(" секунд"), GB_Indic_SignalAndInd, edit))
        ->setGeometry(kFieldX + 70, top, 80, 24);
    frame_.Track(edit, FocusSlot::Indic);
    return edit;
}

void PageIndic::Create_Indic() {
    SetHelpHint(tab_, 300);
    GB_Indic_SignalAndInd = new QGroupBox(U("Индикация и сигнализация "), tab_);
    GB_Indic_SignalAndInd->setObjectName("GB_Indic_SignalAndInd");
    GB_Indic_SignalAndInd->setGeometry(8, 8, 761, 200);

    E_Indic_ExtIndic =
        TimeRow("E_Indic_ExtIndic", U("Время работы выносного индикатора  (1..999 )"), 28, 321,
                UD_Indic_ExtIndic, 1, 999);

    CB_Indic_Zone = new QComboBox(GB_Indic_SignalAndInd);
    CB_Indic_Zone->setObjectName("CB_Indic_Zone");
    CB_Indic_Zone->clear();
    CB_Indic_Zone->addItem(U("нет раздела"));
    for (int p = 1; p <= 4; ++p) CB_Indic_Zone->addItem(U("раздел ") + QString::number(p));
    CB_Indic_Zone->setGeometry(kFieldX, 60, 160, 24);
    SetHelpHint(CB_Indic_Zone, 322);
    auto* zoneLabel = new FocusLabel(U("Привязка выносного индикатора к разделам"),
                                     GB_Indic_SignalAndInd, CB_Indic_Zone);
    zoneLabel->setGeometry(kLabelX, 60, 310, 24);
    SetHelpHint(zoneLabel, 322);
    (new FocusLabel(":", GB_Indic_SignalAndInd, CB_Indic_Zone))->setGeometry(kColonX, 60, 10, 24);
    // The indicator's partition is taken as soon as the installer picks one.
    QObject::connect(CB_Indic_Zone, &QComboBox::activated, CB_Indic_Zone,
                     [this](int index) { frame_.Working().SetIndicZone(index); });
    frame_.Track(CB_Indic_Zone, FocusSlot::Indic);

    TB_Indic_IntZummer = new QSlider(Qt::Horizontal, GB_Indic_SignalAndInd);
    TB_Indic_IntZummer->setObjectName("TB_Indic_IntZummer");
    TB_Indic_IntZummer->setRange(0, 4);
    TB_Indic_IntZummer->setPageStep(1);
    TB_Indic_IntZummer->setTickPosition(QSlider::TicksBelow);
    TB_Indic_IntZummer->setGeometry(kFieldX, 90, 160, 28);
    SetHelpHint(TB_Indic_IntZummer, 333);
    auto* zummerLabel = new FocusLabel(U("Уровень громкости встроенного зуммера (0..4)"),
                                       GB_Indic_SignalAndInd, TB_Indic_IntZummer);
    zummerLabel->setGeometry(kLabelX, 92, 310, 24);
    SetHelpHint(zummerLabel, 333);
    (new FocusLabel(":", GB_Indic_SignalAndInd, TB_Indic_IntZummer))
        ->setGeometry(kColonX, 92, 10, 24);
    L_Indic_IntZummer_3 = new FocusLabel(" (1)", GB_Indic_SignalAndInd, TB_Indic_IntZummer);
    L_Indic_IntZummer_3->setObjectName("L_Indic_IntZummer_3");
    L_Indic_IntZummer_3->setGeometry(kFieldX + 166, 92, 60, 24);
    QObject::connect(TB_Indic_IntZummer, &QSlider::valueChanged, TB_Indic_IntZummer, [this] {
        L_Indic_IntZummer_3->setText(QString(" (%1)").arg(TB_Indic_IntZummer->value()));
    });
    frame_.Track(TB_Indic_IntZummer, FocusSlot::Indic);

    E_Indic_Sirena = TimeRow("E_Indic_Sirena", U("Время работы сирены (1..999,  0 - выключена)"),
                             124, 336, UD_Indic_Sirena, 0, 999);

    SG_Indic_Sirena_Parts = new StringGrid(GB_Indic_SignalAndInd);
    SG_Indic_Sirena_Parts->setObjectName("SG_Indic_Sirena_Parts");
    SG_Indic_Sirena_Parts->SetSize(1, 1, 0, 0);
    SG_Indic_Sirena_Parts->SetGridLines(false);
    SG_Indic_Sirena_Parts->SetRowHeight(20);
    SG_Indic_Sirena_Parts->SetColWidth(0, 396);
    SG_Indic_Sirena_Parts->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SG_Indic_Sirena_Parts->setGeometry(kFieldX, 158, 400, 22);
    SetHelpHint(SG_Indic_Sirena_Parts, 335);
    auto* sirenLabel = new FocusLabel(U("Привязка сирены к разделам          :"),
                                      GB_Indic_SignalAndInd, SG_Indic_Sirena_Parts);
    sirenLabel->setGeometry(kLabelX, 158, 330, 24);
    SetHelpHint(sirenLabel, 335);
    SG_Indic_Sirena_Parts->SetDrawCell(
        [this](QPainter& p, int col, int row, const QRect& r, CellState state) {
            const bool selected = state.selected && state.focused;
            p.fillRect(r, selected ? colors::Focused : colors::Window());
            p.setPen(colors::WindowText());
            p.drawText(r.adjusted(0, 2, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                       SG_Indic_Sirena_Parts->Cell(col, row));
        });
    QObject::connect(SG_Indic_Sirena_Parts, &StringGrid::clicked, SG_Indic_Sirena_Parts,
                     [this] { SG_Indic_Sirena_Parts_Edit(); });
    QObject::connect(SG_Indic_Sirena_Parts, &StringGrid::doubleClicked, SG_Indic_Sirena_Parts,
                     [this] { SG_Indic_Sirena_Parts_Edit(); });
    QObject::connect(SG_Indic_Sirena_Parts, &StringGrid::keyPressed, SG_Indic_Sirena_Parts,
                     [this](QKeyEvent* e) {
                         // Only Enter opens the chooser; every other key is discarded.
                         if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
                             SG_Indic_Sirena_Parts_Edit();
                     });
    frame_.Track(SG_Indic_Sirena_Parts, FocusSlot::Indic);

    SirenaPartsList = new CheckListBox(tab_);
    SirenaPartsList->setObjectName("PARTS_CLB");
    QStringList items;
    for (int p = 1; p <= 4; ++p) items << U("Раздел ") + QString::number(p);
    SirenaPartsList->SetItems(items);
    QPalette pal = SirenaPartsList->palette();
    pal.setColor(QPalette::Base, colors::Focused);
    SirenaPartsList->setPalette(pal);
    SirenaPartsList->setFont(SG_Indic_Sirena_Parts->font());
    SirenaPartsList->SetEndKeys(true);
    SetHelpHint(SirenaPartsList, 335);
    SirenaPartsList->hide();
    QObject::connect(SirenaPartsList, &CheckListBox::endKey, SirenaPartsList, [this] {
        SG_Indic_Sirena_Parts->setFocus();
        SirenaPartsList->hide();
    });
    QObject::connect(SirenaPartsList, &CheckListBox::exited, SirenaPartsList,
                     [this] { PARTS_CLB_Exit(); });
}

void PageIndic::SG_Indic_Sirena_Parts_Edit() {
    SG_Indic_Sirena_Parts->lower();
    const QPoint at = SG_Indic_Sirena_Parts->mapTo(tab_, QPoint(0, 0)) - QPoint(2, 2);
    const int count = SirenaPartsList->count();
    const int rows = count < 8 ? count : 8;
    SirenaPartsList->SetColumns(3);
    SirenaPartsList->setGeometry(at.x(), at.y(), SG_Indic_Sirena_Parts->width(),
                                 rows * (SG_Indic_Sirena_Parts->height() + 2));
    Set_CheckListBox(SG_Indic_Sirena_Parts->Cell(0, 0), ',', SirenaPartsList, '-');
    SirenaPartsList->show();
    SirenaPartsList->raise();
    SirenaPartsList->setFocus();
    frame_.Grids().CaptureMouse(SirenaPartsList, [this] {
        SG_Indic_Sirena_Parts->setFocus();
        SirenaPartsList->hide();
    });
}

void PageIndic::PARTS_CLB_Exit() {
    frame_.Grids().ReleaseMouse(SirenaPartsList);
    T_Command_DEVICE& d = frame_.Working();
    d.SetSirenaParts(TickedParts(SirenaPartsList));
    SG_Indic_Sirena_Parts->SetCell(0, 0, Q(FormatPartSet(d.GetSirenaParts())));
    SirenaPartsList->hide();
}

void PageIndic::Redraw_Indic() {
    const T_Command_DEVICE& d = frame_.Working();
    E_Indic_ExtIndic->setText(QString::number(d.GetExtIndic()));
    UD_Indic_ExtIndic->SetPosition(d.GetExtIndic());
    CB_Indic_Zone->setCurrentIndex(
        d.GetIndicZone() >= 0 && d.GetIndicZone() < CB_Indic_Zone->count() ? d.GetIndicZone() : -1);
    TB_Indic_IntZummer->setValue(d.GetIntZummer());
    L_Indic_IntZummer_3->setText(QString(" (%1)").arg(d.GetIntZummer()));
    E_Indic_Sirena->setText(QString::number(d.GetSirena()));
    UD_Indic_Sirena->SetPosition(d.GetSirena());
    SG_Indic_Sirena_Parts->SetCell(0, 0, Q(FormatPartSet(d.GetSirenaParts())));
}

void PageIndic::UnLoad_Indic() {
    T_Command_DEVICE& d = frame_.Working();
    d.SetExtIndic(Number(E_Indic_ExtIndic->text()).toInt());
    d.SetSirena(Number(E_Indic_Sirena->text()).toInt());
    d.SetIndicZone(CB_Indic_Zone->currentIndex());
    d.SetIntZummer(TB_Indic_IntZummer->value());
}

bool PageIndic::Check_Indic(bool) {
    return CheckPage(Page::Indic, frame_, tab_, [this] { Redraw_Indic(); });
}

} // namespace travo
