// SPDX-License-Identifier: MIT
// The program's window icon: the picture in the resources (:/valdora.svg), read and drawn only
// once something asks for it. A window system that shows no window icons then never loads
// the SVG support for it.
#pragma once

#include <QIcon>

namespace valdora {

// The icon of every window of the program (QApplication::setWindowIcon).
QIcon ProgramIcon();

}  // namespace valdora
