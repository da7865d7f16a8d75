// SPDX-License-Identifier: MIT
// Captions that never get cut (a described width grows to its caption; a layout never squeezes
// a button below its caption), Qt's own texts in the display language, and the accessible
// names the main window gives where no caption or label names a control.
#include <QHBoxLayout>
#include <QLibraryInfo>
#include <QScrollBar>
#include <QWidget>

#include "tests/ui/UiTestSupport.h"
#include "ui/common/QtTranslations.h"

using namespace valdora;
using namespace testing_ui;

class CaptionFitTest : public QObject {
  Q_OBJECT

 private slots:
  void widthAtLeastTheCaption_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("twips");
    QTest::newRow("short caption keeps the described width") << u"Copy"_s << 2500;
    QTest::newRow("German caption wider than 2500 twips")
        << u"Kopieren in Zwischenablage"_s << 1500;
    QTest::newRow("long German selection caption")
        << u"Kopieren ausgewaehlter Text in Zwischenablage"_s << 3750;
    QTest::newRow("no described width") << u"Zweites -> Erstes"_s << 0;
  }

  void widthAtLeastTheCaption() {
    QFETCH(QString, caption);
    QFETCH(int, twips);
    QPushButton button(caption);
    const int width = ButtonWidthAtLeast(&button, caption, twips);
    QCOMPARE(width, std::max(TwipsToPixels(twips), ButtonCaptionWidth(&button, caption)));
    QVERIFY(width >= button.fontMetrics().horizontalAdvance(caption));
  }

  void buttonsKeepTheirCaptions_data() {
    QTest::addColumn<bool>("inLayout");
    QTest::addColumn<int>("windowWidth");
    QTest::newRow("row squeezed by a narrow window") << true << 60;
    QTest::newRow("row in a wide window") << true << 2000;
    QTest::newRow("placed by hand, too narrow") << false << 400;
  }

  void buttonsKeepTheirCaptions() {
    QFETCH(bool, inLayout);
    QFETCH(int, windowWidth);
    QWidget window;
    const QStringList captions = {u"Rueckstellen"_s, u"Monat zeigen"_s, u"Zweites -> Erstes"_s};
    QList<QPushButton*> buttons;
    auto* row = inLayout ? new QHBoxLayout(&window) : nullptr;
    for (const QString& caption : captions) {
      auto* button = new QPushButton(caption, &window);
      if (row) row->addWidget(button);
      else button->setGeometry(0, 0, 20, 20);
      buttons << button;
    }
    KeepCaptionsWhole(&window);
    window.resize(windowWidth, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (QPushButton* button : buttons) {
      QVERIFY2(button->width() >= CaptionWidthNeeded(button), qPrintable(button->text()));
    }
  }

  void fixedWidthIsLeftToItsOwner() {
    QWidget window;
    auto* row = new QHBoxLayout(&window);
    auto* button = new QPushButton(u"Kopieren ausgewaehlter Text in Zwischenablage"_s, &window);
    button->setFixedWidth(300);
    row->addWidget(button);
    KeepCaptionsWhole(&window);
    QCOMPARE(button->minimumWidth(), 300);
    QCOMPARE(button->maximumWidth(), 300);
  }

  void qtTextsInTheDisplayLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("yes");
    QTest::addColumn<QString>("no");
    // In this order: German installs, English removes, German again installs afresh.
    QTest::newRow("German") << int(intGerman) << u"&Ja"_s << u"&Nein"_s;
    QTest::newRow("English") << int(intEnglish) << u"&Yes"_s << u"&No"_s;
    QTest::newRow("German again") << int(intGerman) << u"&Ja"_s << u"&Nein"_s;
    QTest::newRow("Spanish has none: English") << int(intSpanish) << u"&Yes"_s << u"&No"_s;
  }

  void qtTextsInTheDisplayLanguage() {
    QFETCH(int, language);
    QFETCH(QString, yes);
    QFETCH(QString, no);
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + u"/qtbase_de.qm"_s)) {
      QSKIP("Qt's German translations are not installed (qt6-translations-l10n)");
    }
    UseQtTranslations(static_cast<std::int16_t>(language));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), no);
  }

  void controlsWithoutCaptionAreNamed_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("English") << int(intEnglish);
    QTest::newRow("German") << int(intGerman);
  }

  void controlsWithoutCaptionAreNamed() {
    QFETCH(int, language);
    LoadAndGenerateTexts();
    std::vector<MessageRequest> boxes;
    RecordMessagesAnsweringOk(boxes);
    frmMain w;
    QVERIFY(w.Form_Load(true));
    intLanguage = static_cast<std::int16_t>(language);
    w.SetLanguageDependentText();
    for (QWidget* control :
         {static_cast<QWidget*>(w.VScroll[0]), static_cast<QWidget*>(w.VScroll[1]),
          static_cast<QWidget*>(w.txbOutput)}) {
      QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    }
    QVERIFY(w.VScroll[0]->accessibleName().startsWith(w.lblFirstDate->text().remove(u':')));
    QCOMPARE(w.lblFirstDate->buddy(), w.txbFirstDate);
    QCOMPARE(w.lblDateDifference->buddy(), w.txbDateDiff);
    QCOMPARE(w.lblSecondDate->buddy(), w.txbSecondDate);
    intLanguage = intEnglish;
    w.cmdQuit_Click();
    UseQtTranslations(intEnglish);
    SetMessageRecorder({});
  }
};

QTEST_MAIN(CaptionFitTest)
#include "CaptionFitTest.moc"
