// The main window's Help command: one help window, placed over the main window, restored
// when minimised, and Close handing the focus back to the first date.
#include <QtTest>

#include "tests/ui/UiTestSupport.h"
#include "ui/help/frmHelp.h"

using namespace valdora;
using namespace testing_ui;

class MainHelpTest : public QObject {
  Q_OBJECT

  frmMain* main = nullptr;

 private slots:
  void initTestCase() {
    LoadAndGenerateTexts();
    main = new frmMain;
    ShowAtDesignSize(*main, {20, 20});
    QVERIFY(QTest::qWaitForWindowExposed(main));
  }
  void cleanupTestCase() {
    frmHelp::unload();
    delete main;
  }

  void opensOnceOverTheMainWindow() {
    QVERIFY(!frmHelp::exists());
    main->cmdHelp->setEnabled(true);
    QTest::mouseClick(main->cmdHelp, Qt::LeftButton);
    QVERIFY(frmHelp::exists());
    frmHelp& help = frmHelp::instance();
    QVERIFY(help.isVisible());
    QCOMPARE(help.windowTitle(), u"Valdora Help"_s);
    const QRect outer = main->frameGeometry();
    const QRect inner = help.frameGeometry();
    const int labelTop = main->lblTodaysDate[0]->mapTo(main, QPoint(0, 0)).y();
    QCOMPARE(inner.top(), outer.top() + labelTop - TwipsToPixels(425));
    QCOMPARE(inner.left(), outer.left());
    QCOMPARE(help.width(), main->width());
    QVERIFY(qAbs(outer.bottom() - inner.bottom() - TwipsToPixels(125)) <= 1);

    // Minimised, the next Help restores the same window.
    help.showMinimized();
    QVERIFY(help.isMinimized());
    main->cmdHelp_Click();
    QVERIFY(!help.isMinimized());
    QVERIFY(help.isVisible());
    QCOMPARE(&frmHelp::instance(), &help);
  }

  void closeHidesAndFocusesTheFirstDate() {
    frmHelp& help = frmHelp::instance();
    main->cmdHelp_Click();
    QTest::mouseClick(help.cmdClose, Qt::LeftButton);
    QVERIFY(!help.isVisible());
    QTRY_VERIFY(main->txbFirstDate->hasFocus());
    main->cmdHelp_Click();
    QVERIFY(help.isVisible());
  }
};

QTEST_MAIN(MainHelpTest)
#include "MainHelpTest.moc"
