// The output window of the real main window: the enabling of its buttons at the clock's
// tick, the copy button following a mouse selection, the clipboard's contents, Enter with a
// selection, and clearing.
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
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
    QTest::mousePress(viewport, Qt::LeftButton, Qt::KeyboardModifiers(), start);
    QTest::mouseMove(viewport, (start + end) / 2);
    QTest::mouseMove(viewport, end);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::KeyboardModifiers(), end);
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
    for (const char* use : {"computed", "restored", "focused"}) {
      QTest::newRow(use) << QString::fromLatin1(use);
    }
  }
  void outputTextInTheFixedPitchFont() {
    QFETCH(QString, use);
    if (use == "computed") {
      SetFields(QStringLiteral("2000-01-01"), QString(), QStringLiteral("2000-01-21"));
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
    if (use != "focused") QVERIFY(!w->txbOutput->document()->isEmpty());
    QCOMPARE(w->txbOutput->font(), FixedPitchFont(9));
    QCOMPARE(w->txbOutput->document()->defaultFont(), FixedPitchFont(9));
    QVERIFY(recorder.boxes.empty());
  }

  void buttonsAppearAtTheFirstTick() {
    QVERIFY(w->cmdEnlarge->isHidden());
    QVERIFY(w->cmdClearOutputWindow->isHidden());
    QTRY_VERIFY_WITH_TIMEOUT(!w->cmdEnlarge->isHidden(), 2500);
    QVERIFY(!w->cmdClearOutputWindow->isHidden());
    QVERIFY(!w->cmdCopyOutput->isHidden());
    QVERIFY(w->cmdCopyOutput->isEnabled());
    QVERIFY(!w->cmdClearOutputWindow->isEnabled());
    QVERIFY(!w->cmdEnlarge->isEnabled());
  }

  // 140 characters keep Enlarge disabled; the 141st enables it at the next tick.
  void enlargeThreshold() {
    w->txbOutput->setPlainText(QString(139, QLatin1Char('x')) + QLatin1Char('\n'));
    w->Clock_Timer();
    QVERIFY(w->cmdClearOutputWindow->isEnabled());
    QVERIFY(!w->cmdEnlarge->isEnabled());
    w->txbOutput->appendPlainText(QString());  // now 141 characters
    QCOMPARE(w->txbOutput->toPlainText().size(), 141);
    QVERIFY(!w->cmdEnlarge->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(w->cmdEnlarge->isEnabled(), 2500);
    w->txbOutput->clear();
    QTRY_VERIFY_WITH_TIMEOUT(!w->cmdClearOutputWindow->isEnabled(), 2500);
    QVERIFY(!w->cmdEnlarge->isEnabled());
  }

  void blanksCountAsOutput() {
    w->txbOutput->setPlainText(QStringLiteral("   "));
    w->Clock_Timer();
    QVERIFY(w->cmdClearOutputWindow->isEnabled());
  }

  // A mouse selection switches the copy button; copying puts exactly the selection on the
  // clipboard and switches it back.
  void copySelectionMadeWithTheMouse() {
    w->txbOutput->setPlainText(QStringLiteral("2000-01-01 CE = 2,451,545 JDN\nsecond line\n"));
    QCOMPARE(w->cmdCopyOutput->text(), QStringLiteral("Copy to clipboard"));
    QCOMPARE(w->cmdCopyOutput->width(), TwipsToPixels(2500));
    DragOverFirstLine(0, 10);
    QCOMPARE(w->txbOutput->textCursor().selectedText(), QStringLiteral("2000-01-01"));
    QCOMPARE(w->cmdCopyOutput->text(), QStringLiteral("Copy selected text to clipboard"));
    QCOMPARE(w->cmdCopyOutput->width(), TwipsToPixels(3750));
    QVERIFY(!w->cmdCopyOutput->font().bold());

    QApplication::clipboard()->setText(QStringLiteral("old"));
    Click(w->cmdCopyOutput);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2000-01-01"));
    QVERIFY(!w->txbOutput->textCursor().hasSelection());
    QCOMPARE(w->cmdCopyOutput->text(), QStringLiteral("Copy to clipboard"));
    QCOMPARE(w->cmdCopyOutput->width(), TwipsToPixels(2500));
  }

  void copyCaptionInGerman() {
    intLanguage = intGerman;
    w->txbOutput->setPlainText(QStringLiteral("eins zwei"));
    w->txbOutput->selectAll();
    w->txbOutput_MouseUp();
    QCOMPARE(w->cmdCopyOutput->text(), QStringLiteral("Kopieren ausgewaehlter Text in Zwischenablage"));
    w->CopyOutputToClipboard();
    QCOMPARE(w->cmdCopyOutput->text(), QStringLiteral("Kopieren in Zwischenablage"));
    intLanguage = intEnglish;
  }

  void copyEverythingWithoutSelection() {
    const QString text = QStringLiteral("first line\nsecond line\n");
    w->txbOutput->setPlainText(text);
    Click(w->cmdCopyOutput);
    QCOMPARE(QApplication::clipboard()->text(), text);
  }

  void copySelectionOverLines() {
    w->txbOutput->setPlainText(QStringLiteral("first line\nsecond line\n"));
    QTextCursor cursor(w->txbOutput->document());
    cursor.setPosition(6);
    cursor.setPosition(17, QTextCursor::KeepAnchor);
    w->txbOutput->setTextCursor(cursor);
    Click(w->cmdCopyOutput);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("line\nsecond"));
  }

  void copyEmptyOutput() {
    QApplication::clipboard()->setText(QStringLiteral("old"));
    Click(w->cmdCopyOutput);
    QCOMPARE(QApplication::clipboard()->text(), QString());
    QVERIFY(recorder.boxes.empty());
  }

  void enterWithSelectionCopies() {
    w->txbOutput->setPlainText(QStringLiteral("one two"));
    QTextCursor cursor(w->txbOutput->document());
    cursor.setPosition(4);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    w->txbOutput->setTextCursor(cursor);
    w->txbOutput->setFocus();
    QTest::keyClick(w->txbOutput, Qt::Key_Return);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("two"));
    QCOMPARE(w->txbOutput->toPlainText(), QStringLiteral("one two"));
    // Without a selection Enter is the text box's own.
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    QTest::keyClick(w->txbOutput, Qt::Key_Return);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));
    QCOMPARE(w->txbOutput->toPlainText(), QStringLiteral("one two\n"));
  }

  void clearOutputWindow() {
    w->txbOutput->setPlainText(QStringLiteral("something"));
    w->txbFirstDate->setText(QStringLiteral("2000-01-01"));
    QTRY_VERIFY_WITH_TIMEOUT(w->cmdClearOutputWindow->isEnabled(), 2500);
    Click(w->cmdClearOutputWindow);
    QCOMPARE(w->txbOutput->toPlainText(), QString());
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->txbDateDiff));
  }
};

QTEST_MAIN(OutputTest)
#include "OutputTest.moc"
