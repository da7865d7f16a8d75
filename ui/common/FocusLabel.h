// SPDX-License-Identifier: MIT
// A label that acts on a click (a link, a today label) and so also takes the keyboard focus
// by Tab, showing it with the style's focus frame; its owner acts on Space or Enter as on a
// click.
#pragma once

#include <QLabel>

class QPaintEvent;

namespace valdora {

class FocusLabel : public QLabel {
  Q_OBJECT

 public:
  explicit FocusLabel(const QString& text = {}, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace valdora
