// SPDX-License-Identifier: MIT
// The desktop style with a plainly visible keyboard focus: a solid frame in the theme's
// highlight colour around the focused button, option or check box, in light and dark themes.
#pragma once

#include <QProxyStyle>

namespace valdora {

class FocusFrameStyle : public QProxyStyle {
  Q_OBJECT

 public:
  using QProxyStyle::QProxyStyle;

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
};

// Gives the application the focus frame style once (over whatever style it has).
void UseFocusFrameStyle();

}  // namespace valdora
