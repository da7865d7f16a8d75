// SPDX-License-Identifier: MIT
// A text box's font given only when the box first needs it: when it first takes the focus or
// holds text. An empty box without the focus draws nothing that depends on its font, so a font
// of its own (another font file to read) costs nothing while the box stays empty.
#pragma once

#include <QFont>

class QPlainTextEdit;

namespace valdora {

// Gives `box` `font` at its first focus or text; at once if it has either now.
void SetFontOnFirstUse(QPlainTextEdit* box, const QFont& font);
// Gives `box` the font kept for it now, if it has not got it yet. Called before filling the box
// with what may be much text, which the safety net (a change of the text) would lay out twice.
void GiveKeptFont(QPlainTextEdit* box);

}  // namespace valdora
