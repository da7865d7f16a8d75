// SPDX-License-Identifier: MIT
// The program: loads the program texts, then opens the main window.
#include <QApplication>
#include <QLocale>
#ifdef VALDORA_STARTUP_PROBE
#include <QTimer>
#include <cstdlib>
#endif

#include "engine/LeapWeekCalendar.h"
#include "text/Language.h"
#include "ui/common/ProgramIcon.h"
#include "ui/main/frmMain.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Valdora"));
  // The desktop entry's name, which Wayland desktops match the window against.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.valdora.Valdora"));
  Q_INIT_RESOURCE(valdora);  // the icon lives in the static library valdora_ui
  QApplication::setWindowIcon(valdora::ProgramIcon());
  valdora::SetProgramFolder(QCoreApplication::applicationDirPath().toStdString());
  valdora::SetLocaleGroupingSeparator(QLocale::system().groupSeparator().toStdString());

  // The program texts are read before the window is built: the loader's read buffer has then
  // been given back before the window's memory is taken, which keeps the peak low.
  if (!frmMain::LoadProgramTexts(frmMain::DefaultProgramTextFile)) return 1;  // message shown
  frmMain window;
  window.Form_Load(true);
#ifdef VALDORA_STARTUP_PROBE
  // Start-up measurement (bench/startup, tests/install): end as soon as the shown window has
  // been painted, without the work of quitting (saving the user file).
  QTimer::singleShot(0, &window, [&window] {
    window.repaint();
    std::_Exit(0);
  });
#endif
  return app.exec();
}
