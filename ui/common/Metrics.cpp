// SPDX-License-Identifier: MIT
#include "ui/common/Metrics.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
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

int ButtonCaptionWidth(const QPushButton* button, const QString& caption) {
  const QStyle* style = button->style();
  return button->fontMetrics().size(Qt::TextShowMnemonic, caption).width() +
         2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
         2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
}

int ButtonWidthAtLeast(const QPushButton* button, const QString& caption, int twips) {
  return std::max(TwipsToPixels(twips), ButtonCaptionWidth(button, caption));
}

int CaptionWidthNeeded(const QWidget* widget) {
  if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
    return button->text().isEmpty() ? 0 : ButtonCaptionWidth(button, button->text());
  }
  if (qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget)) {
    return widget->sizeHint().width();
  }
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText) return 0;
    return label->sizeHint().width();
  }
  return 0;
}

namespace {
// Whether `layout` or one of the layouts nested in it places `widget`.
bool Places(const QLayout* layout, const QWidget* widget) {
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    if (item->widget() == widget) return true;
    if (item->layout() != nullptr && Places(item->layout(), widget)) return true;
  }
  return false;
}
}  // namespace

void KeepCaptionsWhole(QWidget* root) {
  for (QWidget* widget : root->findChildren<QWidget*>()) {
    const int need = CaptionWidthNeeded(widget);
    if (need <= 0) continue;
    const QWidget* parent = widget->parentWidget();
    const bool laidOut = parent && parent->layout() && Places(parent->layout(), widget);
    if (!laidOut) {
      // Placed by hand: it grows to the right.
      if (widget->width() < need) widget->resize(need, widget->height());
    } else if (qobject_cast<QLabel*>(widget) == nullptr &&
               widget->minimumWidth() != widget->maximumWidth()) {
      // A label's own size hint holds its caption; a button may be squeezed below its own.
      // A fixed width is its owner's business (the copy button sets its own).
      widget->setMinimumWidth(need);
    }
  }
}

}  // namespace valdora
