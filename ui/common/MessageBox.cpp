// SPDX-License-Identifier: MIT
#include "ui/common/MessageBox.h"

#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace valdora {

namespace {
MessageRecorder& Recorder() {
  static MessageRecorder recorder;
  return recorder;
}

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

// Restores its window whenever that has been minimised.
class Unminimiser : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::WindowStateChange) {
      auto* window = static_cast<QWidget*>(watched);
      if (window->isMinimized()) {
        // After the change has been delivered, not inside it.
        QTimer::singleShot(0, window, [window] {
          window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
          window->show();
          window->raise();
          window->activateWindow();
        });
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

QMessageBox::StandardButtons ToQtButtons(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::Ok: break;
  }
  return QMessageBox::Ok;
}
}  // namespace

QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& text,
                                        const QString& title, MsgIcon icon,
                                        MsgButtons buttons,
                                        QMessageBox::StandardButton defaultButton) {
  if (Recorder()) {
    return Recorder()(MessageRequest{text, title, icon, buttons, defaultButton});
  }
  // A message to read and answer, not a window to minimise or maximise.
  QMessageBox box(ToQtIcon(icon), title, text, ToQtButtons(buttons), parent,
                  Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
  KeepFromMinimising(&box);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void KeepFromMinimising(QWidget* window) { window->installEventFilter(new Unminimiser(window)); }

void MakeModalQuestion(QDialog* dialog) {
  dialog->setModal(true);
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint);
  KeepFromMinimising(dialog);
}

void SetMessageRecorder(MessageRecorder recorder) { Recorder() = std::move(recorder); }

}  // namespace valdora
