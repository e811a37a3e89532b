#pragma once
// The main window: the page control with the editor's pages, the button bar, the
// status line, and the frame operations every page relies on.
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>

#include "Dialogs.h"
#include "EditorFrame.h"
#include "Look.h"
#include "files/Settings.h"
#include "model/Device.h"

class QLabel;
class QPlainTextEdit;
class QTabWidget;
class QTimer;
class QTreeWidget;

namespace travo {

class GridEditors;
class HintHook;
class PageCommon;
class PageIndic;
class PageMode;
class PageParts;
class PictureButton;

// What lives as long as the program: settings, the two configurations.
struct AppState {
    TParamWork settings;
    std::unique_ptr<SettingsStore> store;
    T_Command_DEVICE working;
    T_Command_DEVICE spare;
};

class TForm2 : public QWidget, public EditorFrame {
    Q_OBJECT
public:
    // arguments: the command line without the program; folder: where ".\config.ini" is looked for.
    TForm2(AppState& state, QStringList arguments, QString folder);
    ~TForm2() override;

    // EditorFrame
    T_Command_DEVICE& Working() override { return state_.working; }
    GridEditors& Grids() override { return *grids_; }
    const Dialogs& GetDialogs() const override { return dialogs_; }
    void Track(QWidget* control, FocusSlot slot) override;
    void GotoItem(QWidget* page, QWidget* control) override;
    bool IsActivePage(const QWidget* page) const override;

    // Frame operations.
    void FormShow();
    void ButtonVisible(bool show);
    void FormatStaticTextStatus(const QString& fileName, int kind, const QString& ident,
                                const QString& date);
    void LoadFormFromFile(T_Command_DEVICE& device, const std::string& key);
    void Redraw_All();
    void UnLoad_All();
    bool Check_All(bool flag);
    void B_DefaultClick();
    bool CryptoLoadFromFile(const QString& fileName, std::string& key);
    // Reads a plain file's lines into the text page; false when it cannot be read.
    bool LoadLinesToMemo(const QString& fileName);

    Dialogs& MutableDialogs() { return dialogs_; }
    HintHook& Hints() { return *hintHook_; }
    const std::string& MemoBytes() const { return memo_; }
    const QString& FileName() const { return fileName_; }
    QString CaptionPrefix() const;

    PageCommon& Common() { return *common_; }
    PageMode& Mode() { return *mode_; }
    PageIndic& Indic() { return *indic_; }
    PageParts& Parts() { return *parts_; }

    QTabWidget* PagesParam;
    QWidget* Tab_Common;
    QWidget* Tab_Mode;
    QWidget* Tab_Indic;
    QWidget* Tab_Parts;
    QWidget* Tab_Shleifs;
    QWidget* Tab_Rele;
    QWidget* Tab_Keys;
    QWidget* TabDebug;
    QPlainTextEdit* Memo1;
    QLabel* StaticTextStatus;
    PictureButton* B_Open;
    PictureButton* B_Print;
    PictureButton* B_SaveToDevice;
    PictureButton* B_Save;
    PictureButton* B_Default;
    PictureButton* B_Config;
    QTreeWidget* ListFileConfig;
    PictureButton* B_CancelOpenList;
    PictureButton* B_OpenLIst;
    QLabel* LabelPozList;
    PictureButton* B_OpenDirectly;
    QTimer* TimerTestListConfig;
    QTimer* T_HideToolTip;

signals:
    // FormShow has opened the start-up file (or the defaults).
    void startupDone();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void FormCreate();
    void CreateFrame();
    PictureButton* Button(const char* name, int tag, QRect geometry);
    void PageShown(QWidget* page);
    void SetMemo(std::string bytes);
    void ShowOpenError();

    AppState& state_;
    QStringList arguments_;
    QString folder_;
    Dialogs dialogs_;
    std::unique_ptr<GridEditors> grids_;
    HintHook* hintHook_ = nullptr;
    std::unique_ptr<PageCommon> common_;
    std::unique_ptr<PageMode> mode_;
    std::unique_ptr<PageIndic> indic_;
    std::unique_ptr<PageParts> parts_;
    FaceSource IL_Buttons; // pictures and captions of the main window's buttons
    std::map<FocusSlot, QPointer<QWidget>> focusSlots_;
    std::string memo_;
    QString fileName_;
    bool shownOnce_ = false;
};

} // namespace travo
