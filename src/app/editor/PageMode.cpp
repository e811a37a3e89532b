#include "PageMode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QSlider>

#include "EditorFrame.h"
#include "Look.h"
#include "QtText.h"
#include "Widgets.h"
#include "model/Device.h"

namespace travo {
namespace {

// Highlights the labels of a combo box while it has the focus.
class LabelHighlighter : public QObject {
public:
    LabelHighlighter(QWidget* control, std::vector<QWidget*> labels)
        : QObject(control), labels_(std::move(labels)) {
        control->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
            for (QWidget* label : labels_) SetFocusColor(label, e->type() == QEvent::FocusIn);
        }
        return false;
    }

private:
    std::vector<QWidget*> labels_;
};

QCheckBox* Check(QWidget* parent, const char* name, const QString& caption, int top, int hint) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(12, top, 730, 22);
    SetHelpHint(box, hint);
    return box;
}

} // namespace

PageMode::PageMode(EditorFrame& frame, QWidget* tab) : frame_(frame), tab_(tab) {}

void PageMode::Create_Mode() {
    SetHelpHint(tab_, 200);
    GB_Mode_GuardDevice = new QGroupBox(U("Режимы функционирования охранного прибора"), tab_);
    GB_Mode_GuardDevice->setObjectName("GB_Mode_GuardDevice");
    GB_Mode_GuardDevice->setGeometry(8, 8, 761, 104);
    SetHelpHint(GB_Mode_GuardDevice, 220);
    CB_Mode_UnlockMode =
        Check(GB_Mode_GuardDevice, "CB_Mode_UnlockMode",
              U("При снятии сначала выполняется сброс пожарных шлейфов и сирены"), 22, 221);
    CB_Mode_EnterEnable =
        Check(GB_Mode_GuardDevice, "CB_Mode_EnterEnable",
              U("Формировать сообщение \"ВХОД\" при нарушении шлейфа с задержкой"), 48, 222);
    CB_Mode_LockNoIP = Check(GB_Mode_GuardDevice, "CB_Mode_LockNoIP", {}, 74, 224);
    CB_Mode_LockNoIP->setText(U("Запрещена постановка на охрану при отсутствии связи с УТ"));

    GB_Mode_Common = new QGroupBox(U("Общие режимы"), tab_);
    GB_Mode_Common->setObjectName("GB_Mode_Common");
    GB_Mode_Common->setGeometry(8, 116, 761, 112);
    SetHelpHint(GB_Mode_Common, 230);
    CB_Mode_LogEnable =
        Check(GB_Mode_Common, "CB_Mode_LogEnable", U("разрешено ведение LOG-файла"), 22, 231);

    TB_Mode_Accel = new QSlider(Qt::Horizontal, GB_Mode_Common);
    TB_Mode_Accel->setObjectName("TB_Mode_Accel");
    TB_Mode_Accel->setRange(0, 5);
    TB_Mode_Accel->setPageStep(1);
    TB_Mode_Accel->setTickPosition(QSlider::TicksBelow);
    SetHelpHint(TB_Mode_Accel, 232);
    L_Mode_Accel = new FocusLabel(U("Датчик удара/наклона"), GB_Mode_Common, TB_Mode_Accel);
    L_Mode_Accel->setObjectName("L_Mode_Accel");
    L_Mode_Accel2 = new FocusLabel(" (3)", GB_Mode_Common, TB_Mode_Accel);
    L_Mode_Accel2->setObjectName("L_Mode_Accel2");
    QObject::connect(TB_Mode_Accel, &QSlider::valueChanged, TB_Mode_Accel,
                     [this] { TB_Mode_AccelChange(); });

    CB_Mode_PowerOffMode = new QComboBox(GB_Mode_Common);
    CB_Mode_PowerOffMode->setObjectName("CB_Mode_PowerOffMode");
    CB_Mode_PowerOffMode->addItems({U("нормально разомкнутый"), U("нормально замкнутый")});
    CB_Mode_PowerOffMode->setGeometry(300, 80, 220, 24);
    SetHelpHint(CB_Mode_PowerOffMode, 234);
    L_Mode_PowerOffMode1 = new FocusLabel(U("Тип подключения входа \"резерв\"        :"),
                                          GB_Mode_Common, CB_Mode_PowerOffMode);
    L_Mode_PowerOffMode1->setObjectName("L_Mode_PowerOffMode1");
    L_Mode_PowerOffMode1->setGeometry(12, 80, 280, 24);
    L_Mode_PowerOffMode2 =
        new FocusLabel(U("(контакт перехода на резерв)"), GB_Mode_Common, CB_Mode_PowerOffMode);
    L_Mode_PowerOffMode2->setObjectName("L_Mode_PowerOffMode2");
    L_Mode_PowerOffMode2->setGeometry(530, 80, 220, 24);
    new LabelHighlighter(CB_Mode_PowerOffMode, {L_Mode_PowerOffMode1, L_Mode_PowerOffMode2});

    for (QWidget* w :
         std::initializer_list<QWidget*>{CB_Mode_UnlockMode, CB_Mode_EnterEnable, CB_Mode_LockNoIP,
                                         CB_Mode_LogEnable, TB_Mode_Accel, CB_Mode_PowerOffMode}) {
        frame_.Track(w, FocusSlot::Mode);
    }
}

void PageMode::MoveOnto(QWidget* commonTab, int top) {
    GB_Mode_GuardDevice->setParent(commonTab);
    GB_Mode_GuardDevice->move(8, top);
    GB_Mode_Common->setParent(commonTab);
    GB_Mode_Common->move(8, top + GB_Mode_GuardDevice->height() + 6);
    // The shock sensor's label, bar and value stand in one row under the LOG box.
    L_Mode_Accel->setGeometry(12, 50, 280, 24);
    TB_Mode_Accel->setGeometry(300, 48, 220, 28);
    L_Mode_Accel2->setGeometry(528, 50, 60, 24);
    GB_Mode_GuardDevice->show();
    GB_Mode_Common->show();
}

void PageMode::Redraw_Mode() {
    const T_Command_DEVICE& d = frame_.Working();
    CB_Mode_UnlockMode->setChecked(d.GetUnlockMode());
    CB_Mode_EnterEnable->setChecked(d.GetEnterEnable());
    CB_Mode_LockNoIP->setChecked(d.GetLockNoIP());
    CB_Mode_LockNoIP->setEnabled(true);
    CB_Mode_LogEnable->setChecked(d.GetLogEnable());
    CB_Mode_PowerOffMode->setCurrentIndex(d.GetPowerOffMode());
    TB_Mode_Accel->setValue(d.GetAccel());
    L_Mode_Accel2->setText(QString(" (%1)").arg(d.GetAccel()));
}

void PageMode::UnLoad_Mode() {
    T_Command_DEVICE& d = frame_.Working();
    d.SetUnlockMode(CB_Mode_UnlockMode->isChecked());
    d.SetEnterEnable(CB_Mode_EnterEnable->isChecked());
    d.SetLockNoIP(CB_Mode_LockNoIP->isChecked());
    d.SetLogEnable(CB_Mode_LogEnable->isChecked());
    d.SetPowerOffMode(CB_Mode_PowerOffMode->currentIndex());
    d.SetAccel(TB_Mode_Accel->value());
}

void PageMode::TB_Mode_AccelChange() {
    L_Mode_Accel2->setText(QString(" (%1)").arg(TB_Mode_Accel->value()));
}

} // namespace travo
