// SPDX-License-Identifier: MIT
#include "ui/common/Metrics.h"

#include <QFontDatabase>
#include <QFontInfo>
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

QStringList FixedPitchCandidates(const QString& systemFixedFamily, const QStringList& installed) {
  // The font configuration's "monospace" may be a family with some double-width glyphs, which
  // is not fixed-pitch; the well-known families follow so that the choice does not depend on
  // the order of the machine's other fonts.
  QStringList candidates{QStringLiteral("Courier New"), systemFixedFamily,
                         QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                         QStringLiteral("Noto Mono"), QStringLiteral("Cousine"),
                         QStringLiteral("Ubuntu Mono"), QStringLiteral("FreeMono"),
                         QStringLiteral("Nimbus Mono PS"), QStringLiteral("Courier")};
  candidates << installed;
  candidates.removeAll(QString());
  candidates.removeDuplicates();
  return candidates;
}

QString FirstFixedPitchFamily(const QStringList& candidates,
                              const std::function<bool(const QString&)>& isFixedPitch) {
  for (const QString& family : candidates) {
    if (isFixedPitch(family)) return family;
  }
  return {};
}

QFont FixedPitchFont(int pointSize) {
  // Chosen once per run: the font database is read the first time only.
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return FirstFixedPitchFamily(
        FixedPitchCandidates(QFontInfo(system).family(), installed),
        [&installed](const QString& f) {
          return installed.contains(f) && QFontDatabase::isFixedPitch(f);
        });
  }();
  QFont font = family.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                                : QFont(family);
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
