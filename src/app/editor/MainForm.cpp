#include "MainForm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include "ButtonPictures.h"
#include "FormError.h"
#include "FormOk.h"
#include "GridEditors.h"
#include "HintHook.h"
#include "Look.h"
#include "PageCommon.h"
#include "PageIndic.h"
#include "PageMode.h"
#include "PageParts.h"
#include "QtText.h"
#include "ValidationRun.h"
#include "crypto/CryptoAttempt.h"
#include "crypto/FormSetKeyFile.h"
#include "files/ConfigLoad.h"
#include "files/FileBytes.h"
#include "text/TextLines.h"

namespace travo {
namespace {

constexpr int kPasswordRowEnd = 140;

// Focus colouring and, for a page slot, the page's focus memory.
class FocusTracker : public QObject {
public:
    FocusTracker(QWidget* control, std::function<void()> remember)
        : QObject(control), remember_(std::move(remember)) {
        control->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        auto* w = static_cast<QWidget*>(watched);
        if (e->type() == QEvent::FocusIn) {
            if (remember_) remember_();
            SetFocusColor(w, true);
        } else if (e->type() == QEvent::FocusOut) {
            SetFocusColor(w, false);
        }
        return false;
    }

private:
    std::function<void()> remember_;
};

// The error dialog for the attempt loop's codes 1 and 2.
class CryptoErrors : public CryptoErrorReport {
public:
    explicit CryptoErrors(const Dialogs& d) : dialogs_(d) {}
    void ShowCryptoError(int code) override {
        const CryptoMessage m = CryptoErrorMessage(code);
        dialogs_.error->SetMessages(Q(m.message), Q(m.recommendation), false, true);
        dialogs_.Show(*dialogs_.error);
    }

private:
    const Dialogs& dialogs_;
};

QString ShortDate(const QString& fileName) {
    return QLocale().toString(QFileInfo(fileName).lastModified().date(), QLocale::ShortFormat);
}

} // namespace

TForm2::TForm2(AppState& state, QStringList arguments, QString folder)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      state_(state), arguments_(std::move(arguments)), folder_(std::move(folder)) {
    setObjectName("TForm2");
    setFixedSize(792, 556);
    CreateFrame();
    FormCreate();
    // Created once, after the window, so that they stand over it.
    dialogs_.error = new TFormErrorMessage(this);
    dialogs_.ok = new TFormOkMessage(this);
    dialogs_.keyPrompt = new TFormDialogSetKeyConfig(this);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    // Faces at once: a key prompt at start stands over the window for a while.
    PaintFormButtons(this);
}

TForm2::~TForm2() = default;

PictureButton* TForm2::Button(const char* name, int tag, QRect geometry) {
    auto* b = new PictureButton(this, tag, true);
    b->setObjectName(name);
    b->setGeometry(geometry);
    b->SetFaceSource(IL_Buttons);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    return b;
}

void TForm2::CreateFrame() {
    IL_Buttons = MakeFaces(MainButtonPictures(),
                           {U("Открыть"), U("Печать"), U("В устройство..."), U("Сохранить"),
                            QString(), U("По-умолчанию"), U("Настройки"), U("Отменить"),
                            U("Открыть файл"), U("Выбрать файл \"в ручную\"")});

    PagesParam = new QTabWidget(this);
    PagesParam->setObjectName("PagesParam");
    PagesParam->setGeometry(5, 0, 785, 473);
    PagesParam->hide();
    auto page = [this](QWidget*& w, const char* name, const char* caption) {
        w = new QWidget;
        w->setObjectName(name);
        PagesParam->addTab(w, U(caption));
    };
    page(Tab_Common, "Tab_Common", "Общие");
    page(Tab_Mode, "Tab_Mode", "Режимы");
    page(Tab_Indic, "Tab_Indic", "Индикация");
    page(Tab_Parts, "Tab_Parts", "Разделы");
    page(Tab_Shleifs, "Tab_Shleifs", "Шлейфы");
    page(Tab_Rele, "Tab_Rele", "Реле");
    page(Tab_Keys, "Tab_Keys", "Ключи");
    page(TabDebug, "TabDebug", "Текст");
    PagesParam->setTabVisible(PagesParam->indexOf(TabDebug), false);

    auto* memoLabel = new QLabel(U("Текстовый файл конфигурации:"), TabDebug);
    memoLabel->setGeometry(8, 4, 400, 20);
    Memo1 = new QPlainTextEdit(TabDebug);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(8, 26, 761, 414);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPixelSize(13);
    Memo1->setFont(mono);

    StaticTextStatus = new QLabel(Tab_Common);
    StaticTextStatus->setObjectName("StaticTextStatus");
    StaticTextStatus->setGeometry(8, 3, 761, 25);
    StaticTextStatus->setFrameShape(QFrame::Panel);
    StaticTextStatus->setFrameShadow(QFrame::Sunken);
    StaticTextStatus->setAlignment(Qt::AlignCenter);
    QFont statusFont = StaticTextStatus->font();
    statusFont.setBold(true);
    statusFont.setPointSize(statusFont.pointSize() + 1);
    StaticTextStatus->setFont(statusFont);

    B_Open = Button("B_Open", 1, QRect(10, 486, 100, 67));
    B_Print = Button("B_Print", 2, QRect(115, 486, 100, 67));
    B_SaveToDevice = Button("B_SaveToDevice", 3, QRect(220, 486, 130, 67));
    B_Save = Button("B_Save", 4, QRect(355, 486, 100, 67));
    B_Default = Button("B_Default", 6, QRect(565, 486, 120, 67));
    B_Config = Button("B_Config", 7, QRect(690, 486, 100, 67));

    ListFileConfig = new QTreeWidget(this);
    ListFileConfig->setObjectName("ListFileConfig");
    ListFileConfig->setGeometry(5, 0, 785, 481);
    ListFileConfig->setColumnCount(4);
    ListFileConfig->setHeaderLabels({QString(), U("Псевдоним"), U("Идентификатор"), U("Файл")});
    ListFileConfig->setRootIsDecorated(false);
    ListFileConfig->hide();
    B_CancelOpenList = Button("B_CancelOpenList", 8, QRect(16, 486, 137, 67));
    B_OpenLIst = Button("B_OpenLIst", 9, QRect(167, 486, 170, 67));
    LabelPozList = new QLabel(U("0 из 0"), this);
    LabelPozList->setObjectName("LabelPozList");
    LabelPozList->setGeometry(328, 517, 177, 33);
    LabelPozList->setAlignment(Qt::AlignCenter);
    QFont pozFont = LabelPozList->font();
    pozFont.setBold(true);
    pozFont.setPixelSize(27);
    LabelPozList->setFont(pozFont);
    B_OpenDirectly = Button("B_OpenDirectly", 10, QRect(512, 486, 275, 67));
    for (QWidget* w : std::initializer_list<QWidget*>{B_CancelOpenList, B_OpenLIst, LabelPozList,
                                                      B_OpenDirectly}) {
        w->hide();
    }

    TimerTestListConfig = new QTimer(this);
    TimerTestListConfig->setObjectName("TimerTestListConfig");
    TimerTestListConfig->setInterval(50);
    T_HideToolTip = new QTimer(this);
    T_HideToolTip->setObjectName("T_HideToolTip");
    T_HideToolTip->setInterval(1800);

    connect(B_Default, &QPushButton::clicked, this, [this] { B_DefaultClick(); });
    connect(PagesParam, &QTabWidget::currentChanged, this,
            [this](int index) { PageShown(PagesParam->widget(index)); });
}

void TForm2::FormCreate() {
    if (state_.store) LoadSettings(*state_.store, state_.settings);
    grids_ = std::make_unique<GridEditors>(this, state_.working);
    hintHook_ = new HintHook(this, PagesParam);
    hintHook_->SetHintsShown(!state_.settings.HideHint);

    // The list's columns keep their widths: the installer cannot drag the borders.
    const int widths[] = {25, 140, 185, 780};
    for (int c = 0; c < 4; ++c) {
        ListFileConfig->header()->setSectionResizeMode(c, QHeaderView::Fixed);
        ListFileConfig->setColumnWidth(c, widths[c]);
    }
    ListFileConfig->header()->setSectionsMovable(false);

    SetHelpHint(B_Open, 10);
    SetHelpHint(B_Print, 11);
    SetHelpHint(B_SaveToDevice, 12);
    SetHelpHint(B_Save, 13);
    SetHelpHint(B_Default, 14);
    SetHelpHint(B_Config, 15);
    SetHelpHint(ListFileConfig, 16);
    SetHelpHint(Tab_Shleifs, 500);
    SetHelpHint(Tab_Rele, 600);
    SetHelpHint(Tab_Keys, 700);

    common_ = std::make_unique<PageCommon>(*this, Tab_Common);
    mode_ = std::make_unique<PageMode>(*this, Tab_Mode);
    indic_ = std::make_unique<PageIndic>(*this, Tab_Indic);
    parts_ = std::make_unique<PageParts>(*this, Tab_Parts);
    common_->Create_Common();
    mode_->Create_Mode();
    indic_->Create_Indic();
    parts_->Create_Parts();

    PagesParam->setTabVisible(PagesParam->indexOf(Tab_Mode), false);
    mode_->MoveOnto(Tab_Common, kPasswordRowEnd);
}

void TForm2::Track(QWidget* control, FocusSlot slot) {
    std::function<void()> remember;
    if (slot != FocusSlot::None && slot != FocusSlot::Mode) {
        remember = [this, control, slot] { focusSlots_[slot] = control; };
    }
    new FocusTracker(control, std::move(remember));
}

void TForm2::PageShown(QWidget* page) {
    static const std::map<QString, FocusSlot> pageSlots = {{"Tab_Common", FocusSlot::Common},
                                                           {"Tab_Indic", FocusSlot::Indic},
                                                           {"Tab_Shleifs", FocusSlot::Shleifs},
                                                           {"Tab_Rele", FocusSlot::Rele},
                                                           {"Tab_Keys", FocusSlot::Keys}};
    if (!page) return;
    const auto it = pageSlots.find(page->objectName());
    if (it == pageSlots.end()) return;
    QPointer<QWidget>& slot = focusSlots_[it->second];
    if (!slot) return;
    if (slot->isEnabled() && slot->isVisibleTo(page))
        slot->setFocus(Qt::OtherFocusReason);
    else
        slot = nullptr;
}

bool TForm2::IsActivePage(const QWidget* page) const {
    return PagesParam->currentWidget() == page;
}

void TForm2::GotoItem(QWidget* page, QWidget* control) {
    const int count = PagesParam->count();
    for (int guard = 0; guard < count && PagesParam->currentWidget() != page; ++guard) {
        int next = PagesParam->currentIndex();
        do next = (next + 1) % count;
        while (!PagesParam->isTabVisible(next));
        PagesParam->setCurrentIndex(next);
    }
    if (control) control->setFocus(Qt::OtherFocusReason);
}

void TForm2::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (shownOnce_) return;
    shownOnce_ = true;
    // After the window is on screen, so that a key prompt stands over it.
    QTimer::singleShot(0, this, [this] { FormShow(); });
}

QString TForm2::CaptionPrefix() const {
    return U("Конфигуратор ТРАВО \"Варнот 18кГц 4\" v.4.0.4.6   =>   ");
}

void TForm2::SetMemo(std::string bytes) {
    memo_ = std::move(bytes);
    QString view = Q(memo_);
    view.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Memo1->setPlainText(view);
}

bool TForm2::LoadLinesToMemo(const QString& fileName) {
    const auto bytes = ReadFileBytes(QFile::encodeName(fileName).toStdString());
    if (!bytes) return false;
    SetMemo(JoinLines(SplitLines(*bytes)));
    return true;
}

void TForm2::ShowOpenError() {
    dialogs_.error->SetMessages(U("Ошибка открытия файла"), U("Проверьте наличие файла"), false,
                                true);
    dialogs_.Show(*dialogs_.error);
}

void TForm2::FormShow() {
    state_.working.Reset();
    FormatStaticTextStatus({}, 0, {}, {});
    QString file;
    if (!arguments_.isEmpty() && arguments_[0].compare("-debug", Qt::CaseInsensitive) == 0) {
        PagesParam->setTabVisible(PagesParam->indexOf(TabDebug), true);
        if (arguments_.size() > 1) file = arguments_[1];
    } else if (!arguments_.isEmpty()) {
        file = arguments_[0];
    }
    if (file.isEmpty()) {
        const QString ini = QDir(folder_).filePath("config.ini");
        file = QDir::toNativeSeparators(QFileInfo::exists(ini) ? QStringLiteral("./config.ini")
                                                               : QStringLiteral("./config.cry"));
    }
    const QString path = QDir::isAbsolutePath(file) ? file : QDir(folder_).filePath(file);
    const bool exists = QFileInfo(path).isFile();
    const bool isProtected = QFileInfo(file).suffix().compare("cry", Qt::CaseInsensitive) == 0;

    bool loaded = false;
    if (exists && !isProtected) {
        loaded = LoadLinesToMemo(path);
        if (!loaded)
            ShowOpenError();
        else
            LoadFormFromFile(state_.working, {});
    } else if (exists) {
        std::string key;
        loaded = CryptoLoadFromFile(path, key);
        if (loaded) LoadFormFromFile(state_.working, key);
    }
    if (loaded) {
        fileName_ = file;
        FormatStaticTextStatus(path, 1, Q(state_.working.GetVersion()), ShortDate(path));
    } else {
        fileName_.clear();
        SetMemo({});
        LoadFormFromFile(state_.working, {});
        FormatStaticTextStatus({}, 0, {}, {});
    }
    setWindowTitle(CaptionPrefix() + fileName_);
    PagesParam->show();
    qApp->installEventFilter(hintHook_);
    PaintFormButtons(this);
    emit startupDone();
}

void TForm2::FormatStaticTextStatus(const QString& fileName, int kind, const QString& ident,
                                    const QString& date) {
    QString text;
    switch (kind) {
    case 0: text = U("Конфигурация \"по-умолчанию\""); break;
    case 1: text = U("Конфигурация сохраненная (") + ident + U(") от ") + date + U(" года "); break;
    default: text = U("Конфигурация прибора (") + ident + U(") от ") + date + U(" года "); break;
    }
    QPalette p = StaticTextStatus->palette();
    const bool armed =
        !fileName.isEmpty() && QFileInfo::exists(QFileInfo(fileName).dir().filePath("lock.txt"));
    if (armed) {
        dialogs_.error->SetMessages(
            U("Прибор находится во взятом состоянии, редактирование параметров невозможно"),
            U("Для изменения параметров работы прибора необходимо снять его с охраны"), true,
            false);
        dialogs_.Show(*dialogs_.error);
        B_SaveToDevice->hide();
        B_SaveToDevice->setEnabled(false);
        p.setColor(QPalette::WindowText, colors::Red);
        text += U("(только чтение)");
    } else {
        p.setColor(QPalette::WindowText, colors::Green);
        B_SaveToDevice->setEnabled(true);
        B_SaveToDevice->setVisible(!B_Open->isHidden());
    }
    StaticTextStatus->setPalette(p);
    StaticTextStatus->setText(text);
}

void TForm2::LoadFormFromFile(T_Command_DEVICE& device, const std::string& key) {
    LoadConfigText(device, memo_);
    ApplyKeyCarryOver(state_.working, key);
    Redraw_All();
}

void TForm2::Redraw_All() {
    common_->Redraw_Common();
    mode_->Redraw_Mode();
    indic_->Redraw_Indic();
    parts_->Redraw_Parts();
}

void TForm2::UnLoad_All() {
    mode_->UnLoad_Mode();
    indic_->UnLoad_Indic();
    common_->UnLoad_Common();
}

bool TForm2::Check_All(bool flag) {
    if (!mode_->Check_Mode(flag)) return false;
    if (!indic_->Check_Indic(flag)) return false;
    if (!parts_->Check_Parts(flag)) return false;
    // The Zones, Relays and Keys rules hold already, though their pages are still empty.
    for (auto [page, tab] : {std::pair{Page::Shleifs, Tab_Shleifs}, std::pair{Page::Rele, Tab_Rele},
                             std::pair{Page::Keys, Tab_Keys}}) {
        if (!CheckPage(page, *this, tab, {})) return false;
    }
    return common_->Check_Common(flag);
}

void TForm2::B_DefaultClick() {
    dialogs_.ok->SetMessages(U("Вы хотите \"сбросить\" настройки в значение \"по-умолчанию\"?"),
                             U("(все введённые значения параметров будут потеряны)"), true);
    if (dialogs_.Show(*dialogs_.ok) != mrOk) return;
    PagesParam->hide();
    state_.working.Reset();
    dialogs_.keyPrompt->EditKEYConfig->clear();
    Redraw_All();
    FormatStaticTextStatus({}, 0, {}, {});
    fileName_.clear();
    setWindowTitle(CaptionPrefix());
    PagesParam->show();
}

bool TForm2::CryptoLoadFromFile(const QString& fileName, std::string& key) {
    KeyPromptWindow prompt(*dialogs_.keyPrompt, dialogs_);
    CryptoErrors errors(dialogs_);
    std::string payload;
    if (!travo::CryptoLoadFromFile(QFile::encodeName(fileName).toStdString(), key, prompt, errors,
                                   payload)) {
        return false;
    }
    SetMemo(JoinLines(SplitLines(payload)));
    return true;
}

void TForm2::ButtonVisible(bool show) {
    for (QWidget* w : std::initializer_list<QWidget*>{B_Open, B_Print, B_Save, B_Default, B_Config,
                                                      PagesParam}) {
        w->setVisible(show);
    }
    if (B_SaveToDevice->isEnabled()) B_SaveToDevice->setVisible(show);
    for (QWidget* w : std::initializer_list<QWidget*>{B_CancelOpenList, B_OpenLIst, B_OpenDirectly,
                                                      LabelPozList}) {
        w->setVisible(!show);
    }
    if (show)
        TimerTestListConfig->stop();
    else
        TimerTestListConfig->start();
}

} // namespace travo
