// SPDX-License-Identifier: MIT
#include "ui/common/Metrics.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace valdora {

namespace {
double LogicalDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
  return dpi > 0 ? dpi : 96.0;
}
}  // namespace

int TwipsToPixels(int twips) { return static_cast<int>(std::lround(twips * LogicalDpi() / 1440.0)); }

int PixelsToTwips(int pixels) { return static_cast<int>(std::lround(pixels * 1440.0 / LogicalDpi())); }

QFont FixedPitchFont(int pointSize) {
  QFont font;
  if (QFontDatabase::families().contains(QStringLiteral("Courier New"))) {
    font = QFont(QStringLiteral("Courier New"));
  } else {
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  }
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  if (pointSize > 0) font.setPointSize(pointSize);
  return font;
}

QFont InterfaceFont(const QString& family, int pointSize) {
  QFont font = QGuiApplication::font();
  if (QFontDatabase::families().contains(family)) font.setFamily(family);
  if (pointSize > 0) font.setPointSize(pointSize);
  return font;
}

}  // namespace valdora
