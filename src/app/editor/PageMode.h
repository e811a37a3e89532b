#pragma once
// The "Режимы" page, never shown: its two groups of mode settings are edited on the
// "Общие" page, where the window moves them.
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QSlider;

namespace travo {

class EditorFrame;
class FocusLabel;

class PageMode {
public:
    PageMode(EditorFrame& frame, QWidget* tab);

    void Create_Mode();
    void Redraw_Mode();
    void UnLoad_Mode();
    bool Check_Mode(bool) const { return true; } // the modes have no rules
    // Onto the Common page, directly below the password row that ends at top.
    void MoveOnto(QWidget* commonTab, int top);

    QGroupBox* GB_Mode_GuardDevice = nullptr;
    QGroupBox* GB_Mode_Common = nullptr;
    QCheckBox* CB_Mode_UnlockMode = nullptr;
    QCheckBox* CB_Mode_EnterEnable = nullptr;
    QCheckBox* CB_Mode_LockNoIP = nullptr;
    QCheckBox* CB_Mode_LogEnable = nullptr;
    FocusLabel* L_Mode_Accel = nullptr;
    QSlider* TB_Mode_Accel = nullptr;
    FocusLabel* L_Mode_Accel2 = nullptr;
    FocusLabel* L_Mode_PowerOffMode1 = nullptr;
    QComboBox* CB_Mode_PowerOffMode = nullptr;
    FocusLabel* L_Mode_PowerOffMode2 = nullptr;

private:
    void TB_Mode_AccelChange();
    EditorFrame& frame_;
    QWidget* tab_;
};

} // namespace travo
