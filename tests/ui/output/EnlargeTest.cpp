// The main window's Enlarge command: refused for an empty output, otherwise a read-only copy
// of the output placed inside the main window, refreshed only by the next press.
#include <QPlainTextEdit>
#include <QPushButton>
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

  void PressEnlarge() {
    main->cmdEnlarge->setVisible(true);
    main->cmdEnlarge->setEnabled(true);
    QTest::mouseClick(main->cmdEnlarge, Qt::LeftButton);
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

  void emptyOrBlankOutputIsRefused_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("empty") << 0 << "" << "The output window is empty." << "Output window";
    QTest::newRow("blanks") << 0 << "    " << "The output window is empty." << "Output window";
    QTest::newRow("line breaks") << 0 << "\n \n" << "The output window is empty."
                                 << "Output window";
    QTest::newRow("German") << 1 << "  " << "Das Ausgabefenster is leer." << "Ausgabefenster";
  }
  void emptyOrBlankOutputIsRefused() {
    QFETCH(int, language);
    QFETCH(QString, output);
    QFETCH(QString, text);
    QFETCH(QString, title);
    intLanguage = static_cast<std::int16_t>(language);
    main->txbOutput->setPlainText(output);
    PressEnlarge();
    QCOMPARE(int(boxes.size()), 1);
    QCOMPARE(boxes[0].text, text);
    QCOMPARE(boxes[0].title, title);
    QCOMPARE(boxes[0].icon, MsgIcon::Warning);
    QCOMPARE(boxes[0].buttons, MsgButtons::Ok);
    QVERIFY(!frmLargeDisplay::exists() || !frmLargeDisplay::instance().isVisible());
    QVERIFY(main->txbOutput->toPlainText().isEmpty());
  }

  void readOnlyCopyInsideTheMainWindow() {
    main->txbOutput->setPlainText(QStringLiteral("  2008-07-12 CE = 2454660 JDN\n"));
    PressEnlarge();
    QVERIFY(boxes.empty());
    QVERIFY(frmLargeDisplay::exists());
    frmLargeDisplay& large = frmLargeDisplay::instance();
    QVERIFY(large.isVisible());
    QVERIFY(large.txbOutput->isReadOnly());
    // Leading blanks are trimmed; the closing line break stays for the next result line.
    QCOMPARE(main->txbOutput->toPlainText(), QStringLiteral("2008-07-12 CE = 2454660 JDN\n"));
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
    main->txbOutput->setPlainText(QStringLiteral("first line\n"));
    PressEnlarge();
    frmLargeDisplay& large = frmLargeDisplay::instance();
    main->txbOutput->moveCursor(QTextCursor::End);
    main->txbOutput->insertPlainText(QStringLiteral("second line\n"));
    QCOMPARE(large.txbOutput->toPlainText(), QStringLiteral("first line\n"));
    PressEnlarge();
    QCOMPARE(&frmLargeDisplay::instance(), &large);
    QCOMPARE(large.txbOutput->toPlainText(), QStringLiteral("first line\nsecond line\n"));
  }

  void tinyMainWindowStillGivesTheMinimum() {
    main->setMinimumSize(0, 0);
    main->resize(120, 90);
    main->txbOutput->setPlainText(QStringLiteral("x"));
    PressEnlarge();
    frmLargeDisplay& large = frmLargeDisplay::instance();
    QVERIFY(large.width() >= TwipsToPixels(frmLargeDisplay::kMinWidthTwips));
    QVERIFY(large.height() >= TwipsToPixels(frmLargeDisplay::kMinHeightTwips));
    main->resize(TwipsToPixels(15500), TwipsToPixels(10500));
  }

  void minimisedEnlargedWindowComesBack() {
    main->txbOutput->setPlainText(QStringLiteral("y"));
    PressEnlarge();
    frmLargeDisplay& large = frmLargeDisplay::instance();
    large.showMinimized();
    PressEnlarge();
    QVERIFY(!large.isMinimized());
    QVERIFY(large.isVisible());
  }
};

QTEST_MAIN(EnlargeTest)
#include "EnlargeTest.moc"
