// SPDX-License-Identifier: MIT
#include "ui/common/FocusLabel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace valdora {

FocusLabel::FocusLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setFocusPolicy(Qt::TabFocus);
}

void FocusLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.backgroundColor = palette().color(backgroundRole());
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

}  // namespace valdora
