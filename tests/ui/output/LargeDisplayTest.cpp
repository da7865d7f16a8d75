// The enlarged output window on its own: copying, the copy button's caption, Enter, the
// text limit, the minimum size, the pause state and closing.
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "tests/ui/UiTestSupport.h"
#include "ui/output/frmLargeDisplay.h"

using valdora::frmLargeDisplay;
using valdora::TwipsToPixels;

namespace {
QString Program(int n) { return QString::fromStdString(valdora::ProgramText(n)); }

// Selects characters [from, to) of the text box as a mouse drag would leave them.
void Select(QPlainTextEdit* box, int from, int to) {
  QTextCursor cursor = box->textCursor();
  cursor.setPosition(from);
  cursor.setPosition(to, QTextCursor::KeepAnchor);
  box->setTextCursor(cursor);
}
}  // namespace

class LargeDisplayTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    testing_ui::LoadAndGenerateTexts();
    QVERIFY(!Program(185).isEmpty());
    QVERIFY(!Program(424).isEmpty());
  }

  void init() {
    valdora::intTextLanguage = valdora::intEnglish;
    frmLargeDisplay::unload();
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
  }

  void singleLazyInstance() {
    QVERIFY(!frmLargeDisplay::exists());
    frmLargeDisplay& window = frmLargeDisplay::instance();
    QVERIFY(frmLargeDisplay::exists());
    QCOMPARE(&frmLargeDisplay::instance(), &window);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.lngMaxTextLength, 61440);
    QCOMPARE(window.strBufferFullMessage, QStringLiteral("BUFFER FULL"));
    frmLargeDisplay::unload();
    QVERIFY(!frmLargeDisplay::exists());
  }

  void copyAllWithoutSelection() {
    frmLargeDisplay& w = frmLargeDisplay::instance();
    w.txbOutput->setPlainText(QStringLiteral("line one\nline two"));
    w.show();
    QCOMPARE(w.cmdCopyToClipboard->text(), Program(185));
    QTest::mouseClick(w.cmdCopyToClipboard, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("line one\nline two"));
    QCOMPARE(w.cmdCopyToClipboard->text(), Program(185));
  }

  void copyEmptyTextPutsEmptyText() {
    frmLargeDisplay& w = frmLargeDisplay::instance();
    w.show();
    QTest::mouseClick(w.cmdCopyToClipboard, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
  }

  void mouseSelectionCopiesOnlyIt() {
    frmLargeDisplay& w = frmLargeDisplay::instance();
    w.txbOutput->setPlainText(QStringLiteral("alpha beta\ngamma"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Drag over "alpha" with the left button; the release sets the caption.
    QTextCursor at(w.txbOutput->document());
    const QPoint start = w.txbOutput->cursorRect(at).center();
    at.setPosition(5);
    const QPoint end = w.txbOutput->cursorRect(at).center();
    QWidget* viewport = w.txbOutput->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, end);
    QCOMPARE(w.cmdCopyToClipboard->text(), Program(185));  // not before the release
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, end);
    QVERIFY(w.txbOutput->textCursor().hasSelection());
    QCOMPARE(w.cmdCopyToClipboard->text(), Program(424));
    QCOMPARE(w.cmdCopyToClipboard->width(), TwipsToPixels(3500));
    QTest::mouseClick(w.cmdCopyToClipboard, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("alpha"));
    QVERIFY(!w.txbOutput->textCursor().hasSelection());
    QCOMPARE(w.cmdCopyToClipboard->text(), Program(185));
  }

  void selectionOverLinesUsesLineBreaks() {
    frmLargeDisplay& w = frmLargeDisplay::instance();
    w.txbOutput->setPlainText(QStringLiteral("ab\ncd"));
    Select(w.txbOutput, 1, 4);
    w.cmdCopyToClipboard_Click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("b\nc"));
  }

  void enterCopiesOnlyWithSelection() {
    frmLargeDisplay& w = frmLargeDisplay::instance();
    w.txbOutput->setPlainText(QStringLiteral("one two"));
    w.txbOutput->setReadOnly(true);
    w.show();
    w.txbOutput->setFocus();
    QTest::keyClick(w.txbOutput, Qt::Key_Return);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
    QCOMPARE(w.txbOutput->toPlainText(), QStringLiteral("one two"));

    // With a selection Enter is swallowed (even in an editable box) and copies it.
    w.txbOutput->setReadOnly(false);
    Select(w.txbOutput, 4, 7);
    QTest::keyClick(w.txbOutput, Qt::Key_Enter);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("two"));
    QCOMPARE(w.txbOutput->toPlainText(), QStringLiteral("one two"));
  }

  void buttonWidthsByLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("activatedTwips");
    QTest::newRow("English") << int(valdora::intEnglish) << 2000;
    QTest::newRow("German") << int(valdora::intGerman) << 4000;
  }
  void buttonWidthsByLanguage() {
    QFETCH(int, language);
    QFETCH(int, activatedTwips);
    valdora::intTextLanguage = static_cast<std::int16_t>(language);
    frmLargeDisplay& w = frmLargeDisplay::instance();
    w.show();
    QCOMPARE(w.cmdCopyToClipboard->width(), TwipsToPixels(activatedTwips));
  }

  void outputAppendsLinesBelowTheLimit() {
    frmLargeDisplay& w = frmLargeDisplay::instance();
    w.Output(QStringLiteral("first"), 1, true);
    w.Output(QStringLiteral("second"), 2, false);
    QCOMPARE(w.txbOutput->toPlainText(), QStringLiteral("first\nsecond\n\n"));
    QVERIFY(!w.blnReportBufferFull);
  }

  void outputBeyondLimitNoticeOnceUntilClear() {
    frmLargeDisplay& w = frmLargeDisplay::instance();
    const QString big(61441, QLatin1Char('x'));
    w.txbOutput->setPlainText(big);
    w.Output(QStringLiteral("more"), 1, true);
    const QString expected = big.left(61441 - 512) + QStringLiteral(" ...\n\nBUFFER FULL  \n");
    QCOMPARE(w.txbOutput->toPlainText(), expected);
    QVERIFY(w.blnReportBufferFull);
    QVERIFY(w.blnBufferFullShown);
    w.Output(QStringLiteral("again"), 3, true);
    QCOMPARE(w.txbOutput->toPlainText(), expected);

    w.Clear();
    QVERIFY(w.txbOutput->toPlainText().isEmpty());
    QVERIFY(!w.blnReportBufferFull);
    w.Output(QStringLiteral("fresh"), 1, true);
    QCOMPARE(w.txbOutput->toPlainText(), QStringLiteral("fresh\n"));
  }

  void outputAtExactlyTheLimitStillAppends() {
    frmLargeDisplay& w = frmLargeDisplay::instance();
    w.txbOutput->setPlainText(QString(61440, QLatin1Char('y')));
    w.Output(QStringLiteral("z"), 0, false);
    QCOMPARE(w.txbOutput->toPlainText().size(), 61441);
    QVERIFY(!w.blnBufferFullShown);
  }

  void displayArraySeparatesFolders() {
    frmLargeDisplay& w = frmLargeDisplay::instance();
    const QStringList items = {QStringLiteral("skip"), QStringLiteral("a\\x"),
                               QStringLiteral("a\\y"), QStringLiteral("b\\z")};
    w.DisplayArray(items, 1, 9, QStringLiteral("done"), true);
    QCOMPARE(w.txbOutput->toPlainText(), QStringLiteral("a\\x\na\\y\n\nb\\z\n\ndone\n"));
  }

  void resizeBelowMinimumSpringsBack() {
    frmLargeDisplay& w = frmLargeDisplay::instance();
    w.show();
    w.resize(50, 40);
    QCoreApplication::processEvents();
    QVERIFY(w.width() >= TwipsToPixels(frmLargeDisplay::kMinWidthTwips));
    QVERIFY(w.height() >= TwipsToPixels(frmLargeDisplay::kMinHeightTwips));
    // The buttons stay at their distance from the right and bottom edges, below the text.
    QCOMPARE(w.cmdClose->geometry().right() + 1, w.width() - TwipsToPixels(330));
    QCOMPARE(w.cmdClose->y(), w.cmdCopyToClipboard->y());
    QVERIFY(w.cmdCopyToClipboard->y() > w.txbOutput->geometry().bottom());
    QVERIFY(w.cmdClose->geometry().bottom() < w.height());

    w.resize(TwipsToPixels(9000), TwipsToPixels(7000));
    QCOMPARE(w.cmdClose->geometry().right() + 1, w.width() - TwipsToPixels(330));
    QCOMPARE(w.txbOutput->width(), w.width() - TwipsToPixels(300));
  }

  void pauseWaitsForContinueWithoutBlocking() {
    frmLargeDisplay& w = frmLargeDisplay::instance();
    w.show();
    w.cmdCopyToClipboard->setText(QStringLiteral("Pause"));
    QString captionWhilePaused;
    bool pausedSeen = false;
    QTimer::singleShot(30, &w, [&] {
      captionWhilePaused = w.cmdCopyToClipboard->text();
      pausedSeen = w.blnPaused;
      QTest::mouseClick(w.cmdCopyToClipboard, Qt::LeftButton);
    });
    QTest::mouseClick(w.cmdCopyToClipboard, Qt::LeftButton);  // returns after "Continue"
    QCOMPARE(captionWhilePaused, QStringLiteral("Continue"));
    QVERIFY(pausedSeen);
    QVERIFY(!w.blnPaused);
    QCOMPARE(w.cmdCopyToClipboard->text(), QStringLiteral("Pause"));
  }

  void pauseEndsWhenTheWindowHides() {
    frmLargeDisplay& w = frmLargeDisplay::instance();
    w.show();
    w.cmdCopyToClipboard->setText(QStringLiteral("Pause"));
    QTimer::singleShot(30, &w, [&] { QTest::mouseClick(w.cmdClose, Qt::LeftButton); });
    QTest::mouseClick(w.cmdCopyToClipboard, Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QVERIFY(w.blnPaused);  // left without a Continue
  }

  void closeButtonStopBecomesClose() {
    frmLargeDisplay& w = frmLargeDisplay::instance();
    w.txbOutput->setPlainText(QStringLiteral("kept"));
    w.show();
    w.cmdClose->setText(QStringLiteral("Stop"));
    QTest::mouseClick(w.cmdClose, Qt::LeftButton);
    QCOMPARE(w.cmdClose->text(), QStringLiteral("Close"));
    QVERIFY(w.isVisible());
    QTest::mouseClick(w.cmdClose, Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QVERIFY(frmLargeDisplay::exists());
    QCOMPARE(frmLargeDisplay::instance().txbOutput->toPlainText(), QStringLiteral("kept"));
  }

  void closeBoxUnloadsEvenWhileStop() {
    frmLargeDisplay& w = frmLargeDisplay::instance();
    w.show();
    w.cmdClose->setText(QStringLiteral("Stop"));
    QPointer<QPushButton> close(w.cmdClose);
    w.close();
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QVERIFY(!frmLargeDisplay::exists());
    QTRY_VERIFY(close.isNull());
    QVERIFY(frmLargeDisplay::instance().txbOutput->toPlainText().isEmpty());
  }

  void widenFitsLongLineWithinScreenShare() {
    frmLargeDisplay& w = frmLargeDisplay::instance();
    w.show();
    const int before = w.width();
    w.WidenDisplayIfNeeded(QString(40, QLatin1Char('m')), 15, 0.9);  // 40 px: fits already
    QCOMPARE(w.width(), before);
    w.WidenDisplayIfNeeded(QString(100000, QLatin1Char('m')), 150, 0.5);
    const int most = static_cast<int>(w.screen()->availableGeometry().width() * 0.5);
    QVERIFY(w.width() <= most);
    QVERIFY(w.width() >= before);
  }
};

QTEST_MAIN(LargeDisplayTest)
#include "LargeDisplayTest.moc"
