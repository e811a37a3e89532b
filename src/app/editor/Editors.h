#pragma once
// The editor controls of the program: the filtered edit box, the combo box whose
// items are "short|description", and the check-list box.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "text/InputFilters.h"

class QLabel;

namespace travo {

// An edit box with the key filter and change filter of its character set.
class MaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskEdit(QWidget* parent);
    // Typed characters outside the set are dropped before the box sees them.
    void SetKeyFilter(const CharSet* set) { keyFilter_ = set; }
    // Text that reaches the box another way (pasting) is cleaned of them.
    void SetChangeFilter(const CharSet* set);
    void SetUpperCase(bool on) { upper_ = on; }
    // Enter and Esc end the edit (grid editors) instead of reaching the box.
    void SetEndKeys(bool on) { endKeys_ = on; }
    // The most characters typing or pasting may leave; a text set by the program is
    // never cut, so a value out of range stays whole for the checks to catch.
    void SetMaxLength(int length) { maxLength_ = length; }
    int MaxLength() const { return maxLength_; }

signals:
    void endKey();
    void exited();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    void FilterEditText();
    const CharSet* keyFilter_ = nullptr;
    const CharSet* changeFilter_ = nullptr;
    bool upper_ = false;
    bool endKeys_ = false;
    int maxLength_ = 32767;
};

// True when a typed key passes a filter: keys without text and Delete always do.
bool KeyPasses(const QKeyEvent& e, const CharSet& set);
// The text without the characters the set lacks.
QString FilterText(const QString& text, const CharSet& set);

// A drop-down list whose items carry "short|description": the list and the edit part
// show the short part, the description appears beside the highlighted item.
class GridCombo : public QComboBox {
    Q_OBJECT
public:
    explicit GridCombo(QWidget* parent);
    void SetItems(const QStringList& fullTexts);
    QString FullText(int index) const;
    // The index of the first item whose whole text equals text, or the item count.
    int LineIndexOf(const QString& text) const;
    void SetItemHeight(int height);
    int ItemHeight() const { return itemHeight_; }
    // Opens the drop-down whenever the combo receives the focus.
    void SetOpenOnEnter(bool on) { openOnEnter_ = on; }
    void SetDescriptionWindow(QLabel* window) { description_ = window; }

    void showPopup() override;
    void hidePopup() override;

signals:
    void closedUp();
    void exited();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void ShowDescription(int index);
    int itemHeight_ = 20;
    bool openOnEnter_ = false;
    QLabel* description_ = nullptr;
};

// A list of check boxes ("Раздел 1" ... "Раздел 4").
class CheckListBox : public QListWidget {
    Q_OBJECT
public:
    explicit CheckListBox(QWidget* parent);
    void SetItems(const QStringList& items);
    bool Checked(int index) const;
    void SetChecked(int index, bool on);
    void SetColumns(int columns);
    int Columns() const { return columns_; }
    int ItemHeight() const;
    // Enter and Esc end the choice.
    void SetEndKeys(bool on) { endKeys_ = on; }

signals:
    void endKey();
    void exited();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void LayoutColumns();
    int columns_ = 1;
    bool endKeys_ = false;
};

// Ticks the items of a check list from a partition-list text such as 1,3-4.
void Set_CheckListBox(const QString& text, QChar separator, CheckListBox* list, QChar rangeMark);

// True for the focus changes that leave a control for good (not for its own popup,
// its context menu, or another application).
bool LeavesForGood(const QFocusEvent& e);

} // namespace travo
