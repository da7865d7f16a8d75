// SPDX-License-Identifier: MIT
// Keys shared by the secondary windows.
#pragma once

#include <QShortcut>
#include <QWidget>

namespace valdora {

// Escape in `window` (or any of its controls) runs `action` (a member of the window or a
// function object), which closes the window as its Close button or frame would.
template <typename Window, typename Action>
void CloseOnEscape(Window* window, Action action) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  QObject::connect(escape, &QShortcut::activated, window, action);
}

}  // namespace valdora
