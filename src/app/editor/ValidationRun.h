#pragma once
// Runs one page's validation rules with the error dialog: a default set on request
// lets the run go on, "Исправить" takes the installer to the faulty field.
#include <functional>

#include "rules/Validation.h"

class QWidget;

namespace travo {

class EditorFrame;

// True when the page may pass; redraw runs after a default was set.
bool CheckPage(Page page, EditorFrame& frame, QWidget* pageWidget,
               const std::function<void()>& redraw);

} // namespace travo
