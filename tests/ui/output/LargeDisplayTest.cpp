// SPDX-License-Identifier: MIT
// The enlarged output window: the main window's Enlarge command (refused for an empty output,
// otherwise a read-only copy placed inside the main window, refreshed only by the next press)
// and the window itself: copying, the copy button's caption, Enter, the text limit, the
// minimum size, the pause state and closing.
#include <QTimer>

#include "compute/Compute.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/output/frmLargeDisplay.h"

using namespace valdora;
using namespace testing_ui;

namespace {
QString Program(int n) { return Q(ProgramText(n)); }

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

  frmMain* main = nullptr;
  std::vector<MessageRequest> boxes;
  frmLargeDisplay* w = nullptr;  // built afresh for each test

  void PressEnlarge() {
    main->cmdEnlarge->setVisible(true);
    main->cmdEnlarge->setEnabled(true);
    QTest::mouseClick(main->cmdEnlarge, Qt::LeftButton);
  }
  // Presses Enlarge with `output` in the main window's output.
  void Enlarge(const QString& output) {
    main->txbOutput->setPlainText(output);
    PressEnlarge();
  }

 private slots:
  void initTestCase() {
    LoadAndGenerateTexts();
    RecordMessagesAnsweringOk(boxes);
    main = new frmMain;
    ShowAtDesignSize(*main, {40, 30});
  }
  void cleanupTestCase() {
    frmLargeDisplay::unload();
    delete main;
    SetMessageRecorder({});
  }
  void init() {  // one lazily built window, hidden until shown
    boxes.clear();
    intLanguage = intTextLanguage = intEnglish;
    frmLargeDisplay::unload();
    QVERIFY(!frmLargeDisplay::exists());
    w = &frmLargeDisplay::instance();
    QVERIFY(&frmLargeDisplay::instance() == w && !w->isVisible());
    QGuiApplication::clipboard()->setText(u"untouched"_s);
  }

  void enlargeRefusesAnEmptyOutput_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("output");
    QTest::newRow("English-empty") << int(intEnglish) << u""_s;
    QTest::newRow("English-blanks") << int(intEnglish) << u"    "_s;
    QTest::newRow("English-blank-lines") << int(intEnglish) << u"\n \n"_s;
    QTest::newRow("German-blanks") << int(intGerman) << u"  "_s;
  }
  void enlargeRefusesAnEmptyOutput() {
    QFETCH(int, language);
    QFETCH(QString, output);
    intLanguage = std::int16_t(language);
    Enlarge(output);
    QCOMPARE(int(boxes.size()), 1);
    QCOMPARE(boxes[0].text, language ? u"Das Ausgabefenster is leer."_s : u"The output window is empty."_s);
    QCOMPARE(boxes[0].title, language ? u"Ausgabefenster"_s : u"Output window"_s);
    QCOMPARE(boxes[0].icon, MsgIcon::Warning);
    QCOMPARE(boxes[0].buttons, MsgButtons::Ok);
    QVERIFY(!w->isVisible());
    QVERIFY(main->txbOutput->toPlainText().isEmpty());
  }

  void enlargeShowsAReadOnlyCopyInsideTheMainWindow() {
    Enlarge(u"  2008-07-12 CE = 2454660 JDN\n"_s);
    QVERIFY(boxes.empty());
    QVERIFY(w->isVisible() && w->txbOutput->isReadOnly());
    // Leading blanks are trimmed; the closing line break stays for the next result line.
    QCOMPARE(main->txbOutput->toPlainText(), u"2008-07-12 CE = 2454660 JDN\n"_s);
    QCOMPARE(w->txbOutput->toPlainText(), main->txbOutput->toPlainText());
    QCOMPARE(w->windowTitle(), main->cmdEnlarge->text());
    const QRect outer = main->frameGeometry();
    const QRect inner = w->frameGeometry();
    QVERIFY(outer.contains(inner));
    QCOMPARE(inner.topLeft(), outer.topLeft() + QPoint(TwipsToPixels(100), TwipsToPixels(380)));
    QVERIFY(qAbs(outer.bottom() - inner.bottom() - TwipsToPixels(100)) <= 1);
    QVERIFY(qAbs(outer.right() - inner.right() - TwipsToPixels(100)) <= 1);
  }

  // Later output waits for the next press, which keeps the window.
  void laterOutputWaitsForTheNextPress() {
    Enlarge(u"2008-07-12 CE = 2454660 JDN\n"_s);
    main->txbOutput->moveCursor(QTextCursor::End);
    main->txbOutput->insertPlainText(u"second line\n"_s);
    QCOMPARE(w->txbOutput->toPlainText(), u"2008-07-12 CE = 2454660 JDN\n"_s);
    w->showMinimized();
    PressEnlarge();
    QCOMPARE(&frmLargeDisplay::instance(), w);
    QCOMPARE(w->txbOutput->toPlainText(), u"2008-07-12 CE = 2454660 JDN\nsecond line\n"_s);
    QVERIFY(!w->isMinimized() && w->isVisible());  // a minimised window comes back
  }

  void enlargeFromATinyMainWindowGivesTheMinimum() {
    main->setMinimumSize(0, 0);
    main->resize(120, 90);
    Enlarge(u"x"_s);
    QVERIFY(w->width() >= TwipsToPixels(frmLargeDisplay::kMinWidthTwips) &&
            w->height() >= TwipsToPixels(frmLargeDisplay::kMinHeightTwips));
    main->resize(TwipsToPixels(15500), TwipsToPixels(10500));
  }

  // Without a selection the copy button copies everything.
  void copyingAllWithoutSelection_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("two-lines") << u"alpha beta\ngamma"_s;
  }
  void copyingAllWithoutSelection() {
    QFETCH(QString, text);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->txbOutput->setPlainText(text);
    QTest::mouseClick(w->cmdCopyToClipboard, Qt::LeftButton);
    QCOMPARE(ClipboardText(), text);
    QCOMPARE(w->cmdCopyToClipboard->text(), Program(185));
  }

  void copyingTheMouseSelection() {
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->txbOutput->setPlainText(u"alpha beta\ngamma"_s);
    // Drag over "alpha" with the left button; the release sets the caption.
    QTextCursor at(w->txbOutput->document());
    const QPoint start = w->txbOutput->cursorRect(at).center();
    at.setPosition(5);
    const QPoint end = w->txbOutput->cursorRect(at).center();
    QWidget* viewport = w->txbOutput->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, end);
    QCOMPARE(w->cmdCopyToClipboard->text(), Program(185));  // not before the release
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, end);
    QVERIFY(w->txbOutput->textCursor().hasSelection());
    QCOMPARE(w->cmdCopyToClipboard->text(), Program(424));
    QCOMPARE(w->cmdCopyToClipboard->width(), TwipsToPixels(3500));
    QTest::mouseClick(w->cmdCopyToClipboard, Qt::LeftButton);
    QCOMPARE(ClipboardText(), u"alpha"_s);
    QVERIFY(!w->txbOutput->textCursor().hasSelection());
    QCOMPARE(w->cmdCopyToClipboard->text(), Program(185));
  }

  // A selection over lines is copied with line breaks.
  void copyingASelectionOverLines() {
    w->txbOutput->setPlainText(u"ab\ncd"_s);
    Select(w->txbOutput, 1, 4);
    w->cmdCopyToClipboard_Click();
    QCOMPARE(ClipboardText(), u"b\nc"_s);
  }

  void enterCopiesOnlyWithSelection() {
    w->show();
    w->txbOutput->setPlainText(u"one two"_s);
    w->txbOutput->setReadOnly(true);
    w->txbOutput->setFocus();
    QTest::keyClick(w->txbOutput, Qt::Key_Return);
    QCOMPARE(ClipboardText(), u"untouched"_s);
    QCOMPARE(w->txbOutput->toPlainText(), u"one two"_s);
    // With a selection Enter is swallowed (even in an editable box) and copies it.
    w->txbOutput->setReadOnly(false);
    Select(w->txbOutput, 4, 7);
    QTest::keyClick(w->txbOutput, Qt::Key_Enter);
    QCOMPARE(ClipboardText(), u"two"_s);
    QCOMPARE(w->txbOutput->toPlainText(), u"one two"_s);
  }

  void copyButtonWidthByLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("twips");
    QTest::newRow("English") << int(intEnglish) << 2000;
    QTest::newRow("German") << int(intGerman) << 4000;
  }
  void copyButtonWidthByLanguage() {
    QFETCH(int, language);
    QFETCH(int, twips);
    intTextLanguage = std::int16_t(language);
    frmLargeDisplay::unload();
    frmLargeDisplay::instance().show();
    QCOMPARE(frmLargeDisplay::instance().cmdCopyToClipboard->width(), TwipsToPixels(twips));
  }

  void outputAndTheTextLimit() {
    w->Output(u"first"_s, 1, true);
    w->Output(u"second"_s, 2, false);
    QCOMPARE(w->txbOutput->toPlainText(), u"first\nsecond\n\n"_s);
    QVERIFY(!w->blnReportBufferFull);
    // At exactly the limit a line is still appended.
    w->txbOutput->setPlainText(QString(61440, u'y'));
    w->Output(u"z"_s, 0, false);
    QCOMPARE(w->txbOutput->toPlainText().size(), 61441);
    QVERIFY(!w->blnBufferFullShown);

    // Beyond it the text is cut with a notice, given once until the next Clear.
    const QString big(61441, u'x');
    w->txbOutput->setPlainText(big);
    w->Output(u"more"_s, 1, true);
    const QString expected = big.left(61441 - 512) + u" ...\n\nBUFFER FULL  \n"_s;
    QCOMPARE(w->txbOutput->toPlainText(), expected);
    QVERIFY(w->blnReportBufferFull && w->blnBufferFullShown);
    w->Output(u"again"_s, 3, true);
    QCOMPARE(w->txbOutput->toPlainText(), expected);
    w->Clear();
    QVERIFY(w->txbOutput->toPlainText().isEmpty() && !w->blnReportBufferFull);
    w->Output(u"fresh"_s, 1, true);
    QCOMPARE(w->txbOutput->toPlainText(), u"fresh\n"_s);
  }

  // A list puts a blank line between folders.
  void listPutsABlankLineBetweenFolders() {
    w->DisplayArray({u"skip"_s, u"a\\x"_s, u"a\\y"_s, u"b\\z"_s}, 1, 9, u"done"_s, true);
    QCOMPARE(w->txbOutput->toPlainText(), u"a\\x\na\\y\n\nb\\z\n\ndone\n"_s);
  }

  void resizeBelowMinimumSpringsBack() {
    w->show();
    w->resize(50, 40);
    QCoreApplication::processEvents();
    QVERIFY(w->width() >= TwipsToPixels(frmLargeDisplay::kMinWidthTwips) &&
            w->height() >= TwipsToPixels(frmLargeDisplay::kMinHeightTwips));
  }

  // At the smallest size and a large one, the buttons stay at their distance from the right
  // and bottom edges, below the text.
  void buttonsKeepTheirDistanceFromTheEdges() {
    w->show();
    w->resize(50, 40);
    QCoreApplication::processEvents();
    QCOMPARE(w->cmdClose->geometry().right() + 1, w->width() - TwipsToPixels(330));
    QCOMPARE(w->cmdClose->y(), w->cmdCopyToClipboard->y());
    QVERIFY(w->cmdCopyToClipboard->y() > w->txbOutput->geometry().bottom());
    QVERIFY(w->cmdClose->geometry().bottom() < w->height());
    w->resize(TwipsToPixels(9000), TwipsToPixels(7000));
    QCOMPARE(w->cmdClose->geometry().right() + 1, w->width() - TwipsToPixels(330));
    QCOMPARE(w->txbOutput->width(), w->width() - TwipsToPixels(300));
  }

  void pauseWaitsForContinueWithoutBlocking() {
    w->show();
    w->cmdCopyToClipboard->setText(u"Pause"_s);
    QString captionWhilePaused;
    bool pausedSeen = false;
    QTimer::singleShot(30, w, [&] {
      captionWhilePaused = w->cmdCopyToClipboard->text();
      pausedSeen = w->blnPaused;
      QTest::mouseClick(w->cmdCopyToClipboard, Qt::LeftButton);
    });
    QTest::mouseClick(w->cmdCopyToClipboard, Qt::LeftButton);  // returns after "Continue"
    QCOMPARE(captionWhilePaused, u"Continue"_s);
    QVERIFY(pausedSeen && !w->blnPaused);
    QCOMPARE(w->cmdCopyToClipboard->text(), u"Pause"_s);

    // Hiding the window ends the wait, without a Continue.
    QTimer::singleShot(30, w, [&] { QTest::mouseClick(w->cmdClose, Qt::LeftButton); });
    QTest::mouseClick(w->cmdCopyToClipboard, Qt::LeftButton);
    QVERIFY(!w->isVisible() && w->blnPaused);
  }

  void closeButtonStopBecomesClose() {
    w->txbOutput->setPlainText(u"kept"_s);
    w->show();
    w->cmdClose->setText(u"Stop"_s);
    QTest::mouseClick(w->cmdClose, Qt::LeftButton);
    QCOMPARE(w->cmdClose->text(), u"Close"_s);
    QVERIFY(w->isVisible());  // a Stop only stops
    QTest::mouseClick(w->cmdClose, Qt::LeftButton);
    QVERIFY(!w->isVisible());
    QCOMPARE(frmLargeDisplay::instance().txbOutput->toPlainText(), u"kept"_s);
  }

  void closeBoxUnloadsEvenWhileStop() {
    w->txbOutput->setPlainText(u"kept"_s);
    w->show();
    w->cmdClose->setText(u"Stop"_s);
    QPointer<QPushButton> close(w->cmdClose);
    w->close();
    QCOMPARE(close->text(), u"Close"_s);
    QVERIFY(!frmLargeDisplay::exists());
    QTRY_VERIFY(close.isNull());
    QVERIFY(frmLargeDisplay::instance().txbOutput->toPlainText().isEmpty());
  }

  void widenFitsLongLineWithinScreenShare() {
    w->show();
    const int before = w->width();
    w->WidenDisplayIfNeeded(QString(40, u'm'), 15, 0.9);  // 40 px: fits already
    QCOMPARE(w->width(), before);
    w->WidenDisplayIfNeeded(QString(100000, u'm'), 150, 0.5);
    QVERIFY(w->width() >= before &&
            w->width() <= static_cast<int>(w->screen()->availableGeometry().width() * 0.5));
  }
};

QTEST_MAIN(LargeDisplayTest)
#include "LargeDisplayTest.moc"
