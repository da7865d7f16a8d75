// SPDX-License-Identifier: MIT
// The program: loads the program texts, then opens the main window.
#include <QApplication>
#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>
#include <cstdio>
#include <cstdlib>
#ifdef VALDORA_STARTUP_PROBE
#include <QTimer>
#endif

#include "engine/LeapWeekCalendar.h"
#include "text/Language.h"
#include "ui/common/ProgramIcon.h"
#include "ui/main/frmMain.h"

namespace {

// Qt's messages while the application object connects to the display, held back: when no
// display can be used Qt ends the program with a fatal message (and a core dump), which is
// replaced by one clear line and exit status 1.
struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};
QList<HeldMessage> heldMessages;

void HoldStartUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fputs(
        "valdora: no display available (DISPLAY and WAYLAND_DISPLAY are unset or cannot "
        "be used; for headless use set QT_QPA_PLATFORM=offscreen)\n",
        stderr);
    std::fflush(stderr);
    std::_Exit(1);
  }
  heldMessages.append({type, QByteArray(context.category), text});
}

// Passes the held messages on to `handler`, as if they had just been logged.
void ReleaseStartUpMessages(QtMessageHandler handler) {
  for (const HeldMessage& message : heldMessages) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    handler(message.type, context, message.text);
  }
  heldMessages.clear();
}

}  // namespace

int main(int argc, char* argv[]) {
  const QtMessageHandler qtHandler = qInstallMessageHandler(HoldStartUpMessage);
  QApplication app(argc, argv);
  qInstallMessageHandler(qtHandler);
  ReleaseStartUpMessages(qtHandler);
  QApplication::setApplicationName(QStringLiteral("Valdora"));
  // The desktop entry's name, which Wayland desktops match the window against.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.valdora.Valdora"));
  Q_INIT_RESOURCE(valdora);  // the icon lives in the static library valdora_ui
  QApplication::setWindowIcon(valdora::ProgramIcon());
  valdora::SetProgramFolder(QCoreApplication::applicationDirPath().toStdString());
  valdora::SetLocaleGroupingSeparator(QLocale::system().groupSeparator().toStdString());

  // The program texts are read before the window is built: the loader's read buffer has then
  // been given back before the window's memory is taken, which keeps the peak low.
  using valdora::frmMain;
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
