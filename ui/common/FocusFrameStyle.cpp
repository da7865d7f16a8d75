// SPDX-License-Identifier: MIT
#include "ui/common/FocusFrameStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace valdora {

namespace {
// A solid frame of two pixels just inside `rect`.
void DrawFocusFrame(QPainter* painter, const QRect& rect, const QPalette& palette) {
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setBrush(Qt::NoBrush);
  painter->setPen(QPen(palette.color(QPalette::Highlight), 2));
  painter->drawRect(rect.adjusted(1, 1, -1, -1));
  painter->restore();
}
}  // namespace

void FocusFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
  if (element == PE_FrameFocusRect) {
    DrawFocusFrame(painter, option->rect, option->palette);
    return;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void FocusFrameStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawControl(element, option, painter, widget);
  if (element == CE_PushButton && (option->state & State_HasFocus) &&
      (option->state & State_Enabled)) {
    DrawFocusFrame(painter, option->rect.adjusted(2, 2, -2, -2), option->palette);
  }
}

void UseFocusFrameStyle() {
  if (qobject_cast<FocusFrameStyle*>(QApplication::style()) != nullptr) return;
  QApplication::setStyle(new FocusFrameStyle(QApplication::style()->name()));
}

}  // namespace valdora
