// SPDX-License-Identifier: MIT
#include "ui/main/WindowCaptions.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include "ui/common/Metrics.h"

namespace valdora {

namespace {

// Writes one caption into the control of `window` named by it (or into the window's title).
void WriteCaption(QWidget* window, const Caption& caption) {
  QString text = QString::fromStdString(caption.text);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (caption.target == CaptionTarget::WindowTitle) {
    window->setWindowTitle(text);
    return;
  }
  auto* control = window->findChild<QWidget*>(QString::fromStdString(caption.objectName));
  if (!control) return;
  if (caption.target == CaptionTarget::ToolTip) {
    control->setToolTip(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(text);
  } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
    frame->setTitle(text);
  }
}

}  // namespace

void WriteCaptions(QWidget* window, CaptionWindow which, std::int16_t language,
                   const std::string& needToClear) {
  for (const Caption& caption : Captions(which, language, needToClear)) {
    WriteCaption(window, caption);
  }
  KeepCaptionsWhole(window);
}

}  // namespace valdora
