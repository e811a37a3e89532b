#include "FormSetKeyFile.h"

#include <QLabel>

#include "QtText.h"
#include "editor/ButtonPictures.h"
#include "editor/Dialogs.h"
#include "editor/Editors.h"
#include "editor/Look.h"

namespace travo {

namespace {
constexpr int kWidth = 420;
} // namespace

TFormDialogSetKeyConfig::TFormDialogSetKeyConfig(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint),
      faces_(MakeFaces(KeyPromptPictures(), {U("Применить"), U("Отказаться")})) {
    setObjectName("TFormDialogSetKeyConfig");
    setWindowTitle(QString());
    auto centred = [this](const char* name, const QString& text, int top, QColor color) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(8, top, kWidth - 16, 20);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, color);
        label->setPalette(p);
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
        return label;
    };
    StaticTextRecomendation =
        centred("StaticTextRecomendation", U("Задайте ключ шифрования файла конфигурации"), 6,
                colors::WindowText());
    StaticTextErrorKey =
        centred("StaticTextErrorKey", U("(текущий ключ не верный)"), 26, colors::Red);
    StaticTextNew = new QLabel(U("Новый/текущий ключ:"), this);
    StaticTextNew->setObjectName("StaticTextNew");
    StaticTextNew->setGeometry(8, 50, 140, 20);
    StaticTextNew->hide();

    EditKEYConfig = new MaskEdit(this);
    EditKEYConfig->setObjectName("EditKEYConfig");
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(11);
    mono.setBold(true);
    EditKEYConfig->setFont(mono);
    EditKEYConfig->SetMaxLength(32);
    EditKEYConfig->SetKeyFilter(&FilterSet(FilterKind::TextSpace));
    EditKEYConfig->setGeometry(8, 52, kWidth - 16, 28);

    BtnOK = MakeDialogButton(this, "BtnOK", 1, faces_);
    BtnCancel = MakeDialogButton(this, "BtnCancel", 2, faces_);
    BtnOK->setDefault(true);
    connect(BtnOK, &QPushButton::clicked, this, [this] {
        lastFileKey_ = FieldText();
        done(QDialog::Accepted);
    });
    connect(BtnCancel, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    SetHelpHint(this, 1);
    SetHelpHint(EditKEYConfig, 1);
    SetKeyMode(false);
}

void TFormDialogSetKeyConfig::SetKeyMode(bool newKey) {
    StaticTextErrorKey->setVisible(!newKey);
    StaticTextNew->setVisible(newKey);
    // An outer height of 179 with the caption bar of 27 pixels.
    setFixedSize(kWidth, 179 - 27);
    BtnOK->setGeometry(kWidth / 2 - 4 - 170, 96, 170, 44);
    BtnCancel->setGeometry(kWidth / 2 + 4, 96, 170, 44);
}

std::string TFormDialogSetKeyConfig::FieldText() const {
    return ToCp1251Lossy(EditKEYConfig->text());
}

void TFormDialogSetKeyConfig::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    EditKEYConfig->setFocus();
    PaintFormButtons(this);
}

void KeyPromptWindow::BeginAttempt() {
    dialog_.StaticTextErrorKey->hide();
    dialog_.SetKeyMode(false);
}

void KeyPromptWindow::SetWrongKeyShown(bool shown) {
    dialog_.StaticTextErrorKey->setVisible(shown);
}

bool KeyPromptWindow::FieldEmpty() const {
    return dialog_.EditKEYConfig->text().isEmpty();
}

std::optional<std::string> KeyPromptWindow::Ask() {
    if (dialogs_.Show(dialog_) != QDialog::Accepted) return std::nullopt;
    return dialog_.FieldText();
}

} // namespace travo
