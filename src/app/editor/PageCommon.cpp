#include "PageCommon.h"

#include "EditorFrame.h"
#include "Editors.h"
#include "Look.h"
#include "QtText.h"
#include "ValidationRun.h"
#include "Widgets.h"
#include "model/Device.h"

namespace travo {

PageCommon::PageCommon(EditorFrame& frame, QWidget* tab) : frame_(frame), tab_(tab) {}

MaskEdit* PageCommon::Row(const char* name, const char* labelName, const QString& caption, int top,
                          int width, int maxLength, int hint) {
    auto* edit = new MaskEdit(tab_);
    edit->setObjectName(name);
    edit->setGeometry(300, top, width, 24);
    edit->SetMaxLength(maxLength);
    auto* label = new FocusLabel(caption, tab_, edit);
    label->setObjectName(labelName);
    label->setGeometry(16, top, 280, 24);
    SetHelpHint(label, hint);
    SetHelpHint(edit, hint);
    frame_.Track(edit, FocusSlot::Common);
    return edit;
}

void PageCommon::Create_Common() {
    SetHelpHint(tab_, 100);
    const auto& textSpace = FilterSet(FilterKind::TextSpace);
    const auto& digits = FilterSet(FilterKind::Digits);
    E_Common_KEY =
        Row("E_Common_KEY", "L_Common_KEY", U("Ключ шифрования конфигурации :"), 40, 330, 32, 101);
    E_Common_KEYOld = Row("E_Common_KEYOld", "L_Common_KEYOld",
                          U("\"Старый\" ключ (для смены ключа):"), 72, 330, 32, 102);
    E_Common_Password = Row("E_Common_Password", "L_Common_Password",
                            U("Пароль администратора                  :"), 104, 80, 5, 103);
    for (MaskEdit* key : {E_Common_KEY, E_Common_KEYOld}) {
        key->SetKeyFilter(&textSpace);
        key->SetChangeFilter(&textSpace);
    }
    E_Common_Password->SetKeyFilter(&digits);
    E_Common_Password->SetChangeFilter(&digits);
}

void PageCommon::Redraw_Common() {
    const T_Command_DEVICE& d = frame_.Working();
    E_Common_KEY->setText(Q(d.GetCryptoKey()));
    E_Common_KEYOld->setText(Q(d.GetCryptoKeyOld()));
    E_Common_Password->setText(Q(d.GetPassword()));
}

void PageCommon::UnLoad_Common() {
    T_Command_DEVICE& d = frame_.Working();
    d.SetCryptoKey(ToCp1251Lossy(E_Common_KEY->text()));
    d.SetCryptoKeyOld(ToCp1251Lossy(E_Common_KEYOld->text()));
    d.SetPassword(ToCp1251Lossy(E_Common_Password->text()));
}

bool PageCommon::Check_Common(bool) {
    return CheckPage(Page::Common, frame_, tab_, [this] { Redraw_Common(); });
}

} // namespace travo
