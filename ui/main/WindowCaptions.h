// SPDX-License-Identifier: MIT
// Writes the language-dependent captions of one window (presentation/CaptionTable) into its
// controls: the main window's own, and those it gives the month window and the clear-field
// dialog, which take them on their next load when they are not loaded.
#pragma once

#include <QtGlobal>
#include <cstdint>
#include <string>

#include "presentation/CaptionTable.h"

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace valdora {

// Every caption of `which` in `language` into the control of `window` named by it (or its
// title); `needToClear` is the clear-field dialog's explanation. Every button, option and
// check box then keeps at least the width of its caption.
void WriteCaptions(QWidget* window, CaptionWindow which, std::int16_t language,
                   const std::string& needToClear = {});

}  // namespace valdora
