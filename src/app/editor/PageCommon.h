#pragma once
// The "Общие" page: the file key, the old key and the administrator password.
#include <QWidget>

namespace travo {

class EditorFrame;
class MaskEdit;
class FocusLabel;

class PageCommon {
public:
    PageCommon(EditorFrame& frame, QWidget* tab);

    void Create_Common();
    void Redraw_Common();
    void UnLoad_Common();
    bool Check_Common(bool flag);

    QWidget* Tab() const { return tab_; }
    MaskEdit* E_Common_KEY = nullptr;
    MaskEdit* E_Common_KEYOld = nullptr;
    MaskEdit* E_Common_Password = nullptr;

private:
    MaskEdit* Row(const char* name, const char* labelName, const QString& caption, int top,
                  int width, int maxLength, int hint);
    EditorFrame& frame_;
    QWidget* tab_;
};

} // namespace travo
