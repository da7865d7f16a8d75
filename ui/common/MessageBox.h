// SPDX-License-Identifier: MIT
// The one seam through which every window shows a message box. Tests install a recorder
// that captures each box and returns scripted answers instead of opening a real one.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace valdora {

enum class MsgIcon { None, Information, Warning, Critical, Question };
enum class MsgButtons { Ok, YesNo, OkCancel };

// What a box asked: its text, title, icon, buttons and the default button.
struct MessageRequest {
  QString text;
  QString title;
  MsgIcon icon = MsgIcon::None;
  MsgButtons buttons = MsgButtons::Ok;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Shows a modal message box and returns the button pressed (QMessageBox::Ok, Yes, No, ...).
QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& text,
                                        const QString& title, MsgIcon icon = MsgIcon::None,
                                        MsgButtons buttons = MsgButtons::Ok,
                                        QMessageBox::StandardButton defaultButton =
                                            QMessageBox::NoButton);

// Keeps a modal `window` from being minimised (a window manager may offer that for any
// window): minimised, it comes straight back, since the windows it blocks cannot bring it back.
void KeepFromMinimising(QWidget* window);

// Makes `dialog` a modal question: a title bar with a close button only (a question to
// answer, not a window to minimise or maximise), kept from being minimised.
void MakeModalQuestion(QDialog* dialog);

// Replaces the real box: every ShowMessage call goes to `recorder` and returns its answer.
// An empty function restores the real box.
using MessageRecorder = std::function<QMessageBox::StandardButton(const MessageRequest&)>;
void SetMessageRecorder(MessageRecorder recorder);

}  // namespace valdora
