// SPDX-License-Identifier: MIT
// Shared by every window test: the program texts beside the test executable, a message
// recorder that answers Ok, the user file's place and the main window at its design size.
#pragma once

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPoint>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <string>
#include <vector>

#include "text/GenText.h"
#include "text/Language.h"
#include "ui/common/MessageBox.h"
#include "ui/common/Metrics.h"
#include "ui/main/frmMain.h"

namespace testing_ui {

using valdora::frmMain;

using namespace Qt::StringLiterals;

inline QString Q(const std::string& text) { return QString::fromStdString(text); }

// Loads the program texts from the executable's folder (a failed QVERIFY when they are missing).
inline void LoadProgramTexts() {
  valdora::SetProgramFolder(QCoreApplication::applicationDirPath().toStdString());
  std::string message;
  QVERIFY2(valdora::LoadProgramText("vdr.dat", message) >= 1, message.c_str());
}

// The program texts and the texts the program builds from them, as at start-up.
inline void LoadAndGenerateTexts() {
  LoadProgramTexts();
  valdora::GenerateText();
}

// Collects every message box into `boxes` and answers each with Ok.
inline void RecordMessagesAnsweringOk(std::vector<valdora::MessageRequest>& boxes) {
  valdora::SetMessageRecorder([&boxes](const valdora::MessageRequest& request) {
    boxes.push_back(request);
    return QMessageBox::Ok;
  });
}

// Where the program keeps its user file in this test's private configuration folder.
inline QString UserFilePath() {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return QDir::cleanPath(base + QLatin1Char('/') + Q(valdora::ProgramText(310)) +
                         QStringLiteral("/vdr.usr"));
}

// Shows `main` at `at` in its design size, so that windows placed over it have room.
inline void ShowAtDesignSize(frmMain& main, QPoint at) {
  main.move(at);
  main.resize(valdora::TwipsToPixels(15500), valdora::TwipsToPixels(10500));
  main.show();
}

inline QString ClipboardText() { return QGuiApplication::clipboard()->text(); }

// Clicks an option or check box on its indicator, where a user's click takes effect.
inline void ClickIndicator(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, Qt::KeyboardModifiers(), QPoint(6, button->height() / 2));
}

}  // namespace testing_ui
