// SPDX-License-Identifier: MIT
#include "ui/common/WidgetReport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>

#include "ui/common/Metrics.h"

namespace valdora {

namespace {

// Counts the showings of every kind of window and rewrites the report when it changed.
class WidgetReporter : public QObject {
 public:
  explicit WidgetReporter(const QString& path) : QObject(qApp), path_(path) {
    qApp->installEventFilter(this);
    auto* timer = new QTimer(this);
    timer->setInterval(100);
    connect(timer, &QTimer::timeout, this, &WidgetReporter::Write);
    timer->start();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // A showing by the program, not the window manager's restoring of a minimised window.
    if (event->type() == QEvent::Show && !event->spontaneous() && watched->isWidgetType()) {
      const auto* widget = static_cast<QWidget*>(watched);
      if (widget->isWindow()) {
        ++shown_[widget->objectName().isEmpty()
                     ? QString::fromLatin1(widget->metaObject()->className())
                     : widget->objectName()];
        QTimer::singleShot(0, this, &WidgetReporter::Write);
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void Write() {
    QJsonObject root;
    QJsonObject shown;
    for (auto it = shown_.cbegin(); it != shown_.cend(); ++it) shown.insert(it.key(), it.value());
    root.insert(QStringLiteral("shown"), shown);
    QJsonArray windows;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible()) windows.append(DescribeWindow(window));
    }
    root.insert(QStringLiteral("windows"), windows);
    const QByteArray text = QJsonDocument(root).toJson(QJsonDocument::Compact);
    if (text == last_) return;
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(text);
    if (file.commit()) last_ = text;
  }

  QString path_;
  QByteArray last_;
  QMap<QString, int> shown_;
};

QString CaptionOf(const QWidget* widget) {
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (const auto* box = qobject_cast<const QGroupBox*>(widget)) return box->title();
  if (const auto* field = qobject_cast<const QLineEdit*>(widget)) return field->text();
  if (const auto* combo = qobject_cast<const QComboBox*>(widget)) return combo->currentText();
  return {};
}

QJsonArray RectOf(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

}  // namespace

void StartWidgetReportFromEnvironment() {
  static bool started = false;
  const QString path = qEnvironmentVariable("VALDORA_WIDGET_REPORT");
  if (started || path.isEmpty() || qApp == nullptr) return;
  started = true;
  new WidgetReporter(path);
}

QJsonObject DescribeWindow(const QWidget* window) {
  QJsonObject out;
  out.insert(QStringLiteral("name"), window->objectName());
  out.insert(QStringLiteral("class"), QString::fromLatin1(window->metaObject()->className()));
  out.insert(QStringLiteral("title"), window->windowTitle());
  out.insert(QStringLiteral("xid"), QString::number(window->effectiveWinId()));
  out.insert(QStringLiteral("active"), window->isActiveWindow());
  out.insert(QStringLiteral("minimized"), window->isMinimized());
  // Geometry is in device-independent pixels; the screen's pixels are these times `dpr`.
  out.insert(QStringLiteral("dpr"), window->devicePixelRatioF());
  out.insert(QStringLiteral("frame"), RectOf(window->frameGeometry()));
  out.insert(QStringLiteral("client"), RectOf(window->geometry()));
  QJsonArray controls;
  for (const QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) || !w->isVisible() || w->window() != window) continue;
    QJsonObject c;
    c.insert(QStringLiteral("name"), w->objectName());
    c.insert(QStringLiteral("class"), QString::fromLatin1(w->metaObject()->className()));
    c.insert(QStringLiteral("rect"), RectOf(QRect(w->mapToGlobal(QPoint(0, 0)), w->size())));
    const QRect visible = w->visibleRegion().boundingRect();
    c.insert(QStringLiteral("visibleWidth"), visible.width());
    c.insert(QStringLiteral("text"), CaptionOf(w));
    c.insert(QStringLiteral("need"), CaptionWidthNeeded(w));
    c.insert(QStringLiteral("minWidth"), w->minimumWidth());
    c.insert(QStringLiteral("enabled"), w->isEnabled());
    c.insert(QStringLiteral("focus"), w->hasFocus());
    // The name a screen reader announces: the widget's own, its caption or its label's.
    QAccessibleInterface* accessible =
        QAccessible::queryAccessibleInterface(const_cast<QWidget*>(w));
    c.insert(QStringLiteral("accessibleName"),
             accessible != nullptr ? accessible->text(QAccessible::Name) : w->accessibleName());
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
      c.insert(QStringLiteral("checked"), button->isChecked());
    }
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
      c.insert(QStringLiteral("buddy"), label->buddy() ? label->buddy()->objectName() : QString());
    }
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(w)) {
      c.insert(QStringLiteral("length"),
               static_cast<qint64>(edit->document()->characterCount() - 1));
      c.insert(QStringLiteral("selected"), edit->textCursor().hasSelection());
      c.insert(QStringLiteral("head"), edit->document()->firstBlock().text().left(400));
    }
    controls.append(c);
  }
  out.insert(QStringLiteral("controls"), controls);
  return out;
}

}  // namespace valdora
