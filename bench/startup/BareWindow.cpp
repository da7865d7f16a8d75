// SPDX-License-Identifier: MIT
// The yardsticks of start-up cost: the least Qt Widgets program that shows a window
// (startup_bare_window), and the same window holding one line of text (startup_bare_label,
// built with BARE_WINDOW_WITH_TEXT), which pays what any window that draws text pays: the
// font configuration and the first font. Like valdora-startup-probe they end as soon as the
// shown window has been painted, skipping the work of quitting.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#ifdef BARE_WINDOW_WITH_TEXT
#include <QLabel>
#endif

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.resize(640, 480);
#ifdef BARE_WINDOW_WITH_TEXT
  QLabel label(QStringLiteral("A bare window with one line of text"), &window);
  label.move(20, 20);
#endif
  window.show();
  QTimer::singleShot(0, &window, [&window] {
    window.repaint();
    std::_Exit(0);
  });
  return app.exec();
}
