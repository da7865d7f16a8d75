// SPDX-License-Identifier: MIT
// A machine-readable account of the program's visible windows, for tests that drive the real
// program from outside (an X server, a window manager, synthetic input) and must know where
// each control stands, what it says, whether its caption fits and how often each kind of
// modal window has been shown. Off unless the environment variable VALDORA_WIDGET_REPORT
// names a file; then that file is rewritten (atomically) whenever the account changes.
#pragma once

#include <QJsonObject>

class QWidget;

namespace valdora {

// Starts the report when VALDORA_WIDGET_REPORT is set; does nothing otherwise or when
// already started.
void StartWidgetReportFromEnvironment();

// One visible top-level window and its visible controls, in global (screen) coordinates.
QJsonObject DescribeWindow(const QWidget* window);

}  // namespace valdora
