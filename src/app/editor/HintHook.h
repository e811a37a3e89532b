#pragma once
// The application-wide hint hook: tabs show their page's hint, grid columns the hint
// of their editor, every hint waits 1000 ms and stays until the mouse leaves.
#include <QObject>
#include <QProxyStyle>

class QTabWidget;

namespace travo {

// Fusion, with the program's hint timing.
class TravoStyle : public QProxyStyle {
public:
    TravoStyle();
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};

class HintHook : public QObject {
    Q_OBJECT
public:
    HintHook(QObject* parent, QTabWidget* pages);
    // The application-wide hint switch (the settings' hide-hints option turns it off).
    void SetHintsShown(bool shown) { shown_ = shown; }
    bool HintsShown() const { return shown_; }
    // The text the hook shows for a widget at a point of it; empty for none.
    QString HintAt(QWidget* widget, QPoint pos, QRect* area) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTabWidget* pages_;
    bool shown_ = true;
};

} // namespace travo
