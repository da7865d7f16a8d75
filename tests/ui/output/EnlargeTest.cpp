// The main window's Enlarge command: refused for an empty output, otherwise a read-only copy
// of the output placed inside the main window, refreshed only by the next press.
#include <QtTest>
#include <vector>

#include "compute/Compute.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/output/frmLargeDisplay.h"

using namespace valdora;
using namespace testing_ui;

class EnlargeTest : public QObject {
  Q_OBJECT

  frmMain* main = nullptr;
  std::vector<MessageRequest> boxes;

  void Press() {
    main->cmdEnlarge->setVisible(true);
    main->cmdEnlarge->setEnabled(true);
    QTest::mouseClick(main->cmdEnlarge, Qt::LeftButton);
  }
  // Presses Enlarge with `output` in the main window's output.
  frmLargeDisplay& Enlarge(const QString& output) {
    main->txbOutput->setPlainText(output);
    Press();
    return frmLargeDisplay::instance();
  }

 private slots:
  void initTestCase() {
    LoadAndGenerateTexts();
    FillComputeMessages();
    RecordMessagesAnsweringOk(boxes);
    main = new frmMain;
    ShowAtDesignSize(*main, {40, 30});
  }
  void cleanupTestCase() {
    frmLargeDisplay::unload();
    delete main;
    SetMessageRecorder({});
  }
  void init() {
    boxes.clear();
    intLanguage = intEnglish;
    frmLargeDisplay::unload();
  }

  void emptyOrBlankOutputIsRefused() {
    const struct {
      std::int16_t language;
      QString output, text, title;
    } cases[] = {{intEnglish, u""_s, u"The output window is empty."_s, u"Output window"_s},
                 {intEnglish, u"    "_s, u"The output window is empty."_s, u"Output window"_s},
                 {intEnglish, u"\n \n"_s, u"The output window is empty."_s, u"Output window"_s},
                 {intGerman, u"  "_s, u"Das Ausgabefenster is leer."_s, u"Ausgabefenster"_s}};
    for (const auto& c : cases) {
      boxes.clear();
      intLanguage = c.language;
      main->txbOutput->setPlainText(c.output);
      Press();
      QCOMPARE(int(boxes.size()), 1);
      QCOMPARE(boxes[0].text, c.text);
      QCOMPARE(boxes[0].title, c.title);
      QCOMPARE(boxes[0].icon, MsgIcon::Warning);
      QCOMPARE(boxes[0].buttons, MsgButtons::Ok);
      QVERIFY(!frmLargeDisplay::exists() || !frmLargeDisplay::instance().isVisible());
      QVERIFY(main->txbOutput->toPlainText().isEmpty());
    }
  }

  void readOnlyCopyInsideTheMainWindow() {
    frmLargeDisplay& large = Enlarge(u"  2008-07-12 CE = 2454660 JDN\n"_s);
    QVERIFY(boxes.empty());
    QVERIFY(large.isVisible());
    QVERIFY(large.txbOutput->isReadOnly());
    // Leading blanks are trimmed; the closing line break stays for the next result line.
    QCOMPARE(main->txbOutput->toPlainText(), u"2008-07-12 CE = 2454660 JDN\n"_s);
    QCOMPARE(large.txbOutput->toPlainText(), main->txbOutput->toPlainText());
    QCOMPARE(large.windowTitle(), main->cmdEnlarge->text());
    const QRect outer = main->frameGeometry();
    const QRect inner = large.frameGeometry();
    QVERIFY(outer.contains(inner));
    QCOMPARE(inner.top(), outer.top() + TwipsToPixels(380));
    QCOMPARE(inner.left(), outer.left() + TwipsToPixels(100));
    QVERIFY(qAbs(outer.bottom() - inner.bottom() - TwipsToPixels(100)) <= 1);
    QVERIFY(qAbs(outer.right() - inner.right() - TwipsToPixels(100)) <= 1);
  }

  void laterOutputWaitsForTheNextPress() {
    frmLargeDisplay& large = Enlarge(u"first line\n"_s);
    main->txbOutput->moveCursor(QTextCursor::End);
    main->txbOutput->insertPlainText(u"second line\n"_s);
    QCOMPARE(large.txbOutput->toPlainText(), u"first line\n"_s);
    Press();
    QCOMPARE(&frmLargeDisplay::instance(), &large);
    QCOMPARE(large.txbOutput->toPlainText(), u"first line\nsecond line\n"_s);
  }

  void tinyMainWindowStillGivesTheMinimum() {
    main->setMinimumSize(0, 0);
    main->resize(120, 90);
    frmLargeDisplay& large = Enlarge(u"x"_s);
    QVERIFY(large.width() >= TwipsToPixels(frmLargeDisplay::kMinWidthTwips));
    QVERIFY(large.height() >= TwipsToPixels(frmLargeDisplay::kMinHeightTwips));
    main->resize(TwipsToPixels(15500), TwipsToPixels(10500));
  }

  void minimisedEnlargedWindowComesBack() {
    frmLargeDisplay& large = Enlarge(u"y"_s);
    large.showMinimized();
    Press();
    QVERIFY(!large.isMinimized());
    QVERIFY(large.isVisible());
  }
};

QTEST_MAIN(EnlargeTest)
#include "EnlargeTest.moc"
