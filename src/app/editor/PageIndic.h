#pragma once
// The "Индикация" page: the external indicator, the buzzer and the siren.
#include <QWidget>

class QComboBox;
class QGroupBox;
class QSlider;

namespace travo {

class EditorFrame;
class MaskEdit;
class CheckListBox;
class FocusLabel;
class StringGrid;
class UpDown;

class PageIndic {
public:
    PageIndic(EditorFrame& frame, QWidget* tab);

    void Create_Indic();
    void Redraw_Indic();
    void UnLoad_Indic();
    bool Check_Indic(bool flag);

    QWidget* Tab() const { return tab_; }
    QGroupBox* GB_Indic_SignalAndInd = nullptr;
    MaskEdit* E_Indic_ExtIndic = nullptr;
    UpDown* UD_Indic_ExtIndic = nullptr;
    QComboBox* CB_Indic_Zone = nullptr;
    QSlider* TB_Indic_IntZummer = nullptr;
    FocusLabel* L_Indic_IntZummer_3 = nullptr;
    MaskEdit* E_Indic_Sirena = nullptr;
    UpDown* UD_Indic_Sirena = nullptr;
    StringGrid* SG_Indic_Sirena_Parts = nullptr;
    CheckListBox* SirenaPartsList = nullptr; // the grid's own chooser

    void SG_Indic_Sirena_Parts_Edit();

private:
    MaskEdit* TimeRow(const char* name, const QString& caption, int top, int hint, UpDown*& spinner,
                      int min, int max);
    void PARTS_CLB_Exit();
    EditorFrame& frame_;
    QWidget* tab_;
};

} // namespace travo
