// SPDX-License-Identifier: MIT
#include "ui/common/Metrics.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
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

int ButtonCaptionWidth(const QPushButton* button, const QString& caption) {
  const QStyle* style = button->style();
  return button->fontMetrics().size(Qt::TextShowMnemonic, caption).width() +
         2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
         2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
}

int ButtonWidthAtLeast(const QPushButton* button, const QString& caption, int twips) {
  return std::max(TwipsToPixels(twips), ButtonCaptionWidth(button, caption));
}

}  // namespace valdora
