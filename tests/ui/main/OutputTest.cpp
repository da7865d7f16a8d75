// SPDX-License-Identifier: MIT
// The output window of the real main window: the enabling of its buttons at the clock's
// tick, the copy button following a mouse selection, the clipboard's contents, Enter with a
// selection, and clearing.
#include <QTextCursor>

#include "MainWindowFixture.h"
#include "text/Language.h"
#include "ui/common/Metrics.h"

using namespace valdora;
using namespace testing_main;

class OutputTest : public QObject, protected MainWindowTestBase {
  Q_OBJECT

  // Drags the mouse over the first line of the output from column `from` to column `to`.
  void DragOverFirstLine(int from, int to) {
    QWidget* viewport = w->txbOutput->viewport();
    QTextCursor cursor(w->txbOutput->document());
    cursor.setPosition(from);
    const QPoint start = w->txbOutput->cursorRect(cursor).center();
    cursor.setPosition(to);
    const QPoint end = w->txbOutput->cursorRect(cursor).center();
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, (start + end) / 2);
    QTest::mouseMove(viewport, end);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, end);
  }
  // Puts `text` into the output with characters [from, to) selected.
  void SetOutput(const QString& text, int from, int to) {
    w->txbOutput->setPlainText(text);
    QTextCursor cursor(w->txbOutput->document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    w->txbOutput->setTextCursor(cursor);
  }

 private slots:
  void initTestCase() { StartProgram(); }
  void init() { OpenWindow(); }
  void cleanup() { CloseWindow(); }
  void cleanupTestCase() { EndProgram(); }

  // The output's fixed-pitch font is given at its first use (ui/common/FontOnFirstUse): any text
  // the program writes there, a restored output and the focus must find it in place.
  void outputTextInTheFixedPitchFont_data() {
    QTest::addColumn<QString>("use");
    for (const char* use : {"computed", "restored", "focused"}) QTest::newRow(use) << QString(use);
  }
  void outputTextInTheFixedPitchFont() {
    QFETCH(QString, use);
    if (use == "computed") {
      SetFields(u"2000-01-01"_s, {}, u"2000-01-21"_s);
      QTest::mouseClick(w->cmdCompute, Qt::LeftButton);
    } else if (use == "restored") {
      QuitWindow(w);
      QByteArray file = ReadUserFile();
      file.replace("\"\"\r\n0\r\n", "\"restored line\"\r\n0\r\n");  // line 14, the output
      WriteUserFile(file);
      w = StartWindow();
      QVERIFY(w);
    } else {
      QVERIFY(QTest::qWaitForWindowActive(w.get()));
      w->txbOutput->setFocus();
    }
    QCOMPARE(w->txbOutput->document()->isEmpty(), use == "focused");
    QCOMPARE(w->txbOutput->font(), FixedPitchFont(9));
    QCOMPARE(w->txbOutput->document()->defaultFont(), FixedPitchFont(9));
    QVERIFY(recorder.boxes.empty());
  }

  // Shown at the first tick: Copy enabled, Clear and Enlarge not while the output is empty.
  // Blanks count as output; 140 characters keep Enlarge disabled, the 141st enables it at the
  // next tick.
  void enlargeThreshold() {
    QVERIFY(w->cmdEnlarge->isHidden() && w->cmdClearOutputWindow->isHidden());
    QTRY_VERIFY_WITH_TIMEOUT(!w->cmdEnlarge->isHidden(), 2500);
    QVERIFY(!w->cmdClearOutputWindow->isHidden() && !w->cmdCopyOutput->isHidden());
    QVERIFY(w->cmdCopyOutput->isEnabled());
    QVERIFY(!w->cmdClearOutputWindow->isEnabled() && !w->cmdEnlarge->isEnabled());
    w->txbOutput->setPlainText(u"   "_s);
    w->Clock_Timer();
    QVERIFY(w->cmdClearOutputWindow->isEnabled());
    w->txbOutput->setPlainText(QString(139, u'x') + u'\n');
    w->Clock_Timer();
    QVERIFY(w->cmdClearOutputWindow->isEnabled() && !w->cmdEnlarge->isEnabled());
    w->txbOutput->appendPlainText(QString());
    QCOMPARE(Output().size(), 141);
    QVERIFY(!w->cmdEnlarge->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(w->cmdEnlarge->isEnabled(), 2500);
    w->txbOutput->clear();
    QTRY_VERIFY_WITH_TIMEOUT(!w->cmdClearOutputWindow->isEnabled(), 2500);
    QVERIFY(!w->cmdEnlarge->isEnabled());
  }

  // A mouse selection switches the copy button; copying puts exactly the selection on the
  // clipboard and switches it back.
  void copySelectionMadeWithTheMouse() {
    w->txbOutput->setPlainText(u"2000-01-01 CE = 2,451,545 JDN\nsecond line\n"_s);
    QCOMPARE(w->cmdCopyOutput->text(), u"Copy to clipboard"_s);
    QCOMPARE(w->cmdCopyOutput->width(), TwipsToPixels(2500));
    DragOverFirstLine(0, 10);
    QCOMPARE(w->txbOutput->textCursor().selectedText(), u"2000-01-01"_s);
    QCOMPARE(w->cmdCopyOutput->text(), u"Copy selected text to clipboard"_s);
    QCOMPARE(w->cmdCopyOutput->width(), TwipsToPixels(3750));
    QVERIFY(!w->cmdCopyOutput->font().bold());
    QApplication::clipboard()->setText(u"old"_s);
    Click(w->cmdCopyOutput);
    QCOMPARE(QApplication::clipboard()->text(), u"2000-01-01"_s);
    QVERIFY(!w->txbOutput->textCursor().hasSelection());
    QCOMPARE(w->cmdCopyOutput->text(), u"Copy to clipboard"_s);
    QCOMPARE(w->cmdCopyOutput->width(), TwipsToPixels(2500));
  }

  void copyCaptionInGerman() {
    intLanguage = intGerman;
    SetOutput(u"eins zwei"_s, 0, 9);
    w->txbOutput_MouseUp();
    QCOMPARE(w->cmdCopyOutput->text(), u"Kopieren ausgewaehlter Text in Zwischenablage"_s);
    w->CopyOutputToClipboard();
    QCOMPARE(w->cmdCopyOutput->text(), u"Kopieren in Zwischenablage"_s);
    intLanguage = intEnglish;
  }

  // Without a selection everything is copied, an empty output included.
  void copyButton_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("copied");
    QTest::newRow("no-selection-copies-all") << u"first line\nsecond line\n"_s << 0 << 0
                                             << u"first line\nsecond line\n"_s;
    QTest::newRow("selection-over-a-line-break") << u"first line\nsecond line\n"_s << 6 << 17
                                                 << u"line\nsecond"_s;
    QTest::newRow("empty-output") << QString() << 0 << 0 << QString();
  }
  void copyButton() {
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, copied);
    SetOutput(text, from, to);
    QApplication::clipboard()->setText(u"old"_s);
    Click(w->cmdCopyOutput);
    QCOMPARE(QApplication::clipboard()->text(), copied);
    QVERIFY(recorder.boxes.empty());
  }

  void enterWithSelectionCopies() {
    SetOutput(u"one two"_s, 4, 7);
    w->txbOutput->setFocus();
    QTest::keyClick(w->txbOutput, Qt::Key_Return);
    QCOMPARE(QApplication::clipboard()->text(), u"two"_s);
    QCOMPARE(Output(), u"one two"_s);
  }

  // Without a selection Enter is the text box's own.
  void enterWithoutSelectionIsTheTextBoxs() {
    SetOutput(u"one two"_s, 7, 7);
    w->txbOutput->setFocus();
    QApplication::clipboard()->setText(u"kept"_s);
    QTest::keyClick(w->txbOutput, Qt::Key_Return);
    QCOMPARE(QApplication::clipboard()->text(), u"kept"_s);
    QCOMPARE(Output(), u"one two\n"_s);
  }

  void clearOutputWindow() {
    w->txbOutput->setPlainText(u"something"_s);
    w->txbFirstDate->setText(u"2000-01-01"_s);
    QTRY_VERIFY_WITH_TIMEOUT(w->cmdClearOutputWindow->isEnabled(), 2500);
    Click(w->cmdClearOutputWindow);
    QCOMPARE(Output(), QString());
    QCOMPARE(Focused(), u"txbDateDiff"_s);
  }
};

QTEST_MAIN(OutputTest)
#include "OutputTest.moc"
