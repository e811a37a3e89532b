#pragma once
// The button pictures of this program, drawn in code so that they stay crisp and
// consistent: transparent backgrounds, one stroke weight, one palette.
#include <QPixmap>
#include <vector>

namespace travo {

enum class Glyph {
    Open,
    Print,
    ToDevice,
    Save,
    Message,
    Reset,
    Settings,
    Cancel,
    OpenFile,
    Browse,
    Check,
    Fix
};

QPixmap DrawPicture(Glyph glyph, int width, int height);

// Main window, by Tag - 1: open, print, to device, save, (unused), default,
// settings, cancel, open file, choose by hand. 90 x 32 each.
std::vector<QPixmap> MainButtonPictures();
// Error dialog: default, continue, fix. 24 x 22 each.
std::vector<QPixmap> ErrorDialogPictures();
// Confirmation dialog: cancel, continue.
std::vector<QPixmap> OkDialogPictures();
// Key prompt: apply, cancel.
std::vector<QPixmap> KeyPromptPictures();

} // namespace travo
