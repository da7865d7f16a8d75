// SPDX-License-Identifier: MIT
// The clear-field dialog on its own (its preselection across uses, cancel by Escape, its
// place over the main window) and the folder helpers that place the user file.
#include <QTimer>

#include "tests/ui/UiTestSupport.h"
#include "ui/common/folder.h"
#include "ui/common/frmClearOneTextBox.h"

using namespace valdora;
using namespace testing_ui;

namespace {
// Shows the dialog modally; while it is up, records the preselection and answers with
// `option` (Continue) or Escape (null).
QString ShowAndAnswer(QRadioButton* frmClearOneTextBox::*option) {
  QString preselected;
  QTimer::singleShot(0, [&preselected, option] {
    frmClearOneTextBox& d = frmClearOneTextBox::instance();
    for (QRadioButton* o : {d.optClearFirstDate, d.optClearDateDiff, d.optClearSecondDate, d.optCancel}) {
      if (o->isChecked()) preselected = o->objectName();
    }
    if (option == nullptr) return QTest::keyClick(&d, Qt::Key_Escape);
    ClickIndicator(d.*option);
    QTest::mouseClick(d.cmdContinue, Qt::LeftButton);
  });
  frmClearOneTextBox::instance().exec();
  return preselected;
}
}  // namespace

class ClearDialogAndFolderTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { frmClearOneTextBox::unload(); }

  void preselectionAcrossUses() {
    using D = frmClearOneTextBox;
    QVERIFY(!D::exists());
    const D& d = D::instance();  // built hidden and modal, the difference preselected
    QVERIFY(d.optClearDateDiff->isChecked() && !d.isVisible() && d.isModal());
    QCOMPARE(ShowAndAnswer(&D::optClearSecondDate), u"optClearDateDiff"_s);
    QVERIFY(!D::instance().isVisible());
    QCOMPARE(ShowAndAnswer(&D::optCancel), u"optClearSecondDate"_s);
    QVERIFY(D::instance().optCancel->isChecked());  // the caller reads it
    QCOMPARE(ShowAndAnswer(&D::optClearFirstDate), u"optClearDateDiff"_s);
    QCOMPARE(ShowAndAnswer(nullptr), u"optClearFirstDate"_s);
    QVERIFY(D::instance().optCancel->isChecked());  // Escape means cancel
    QCOMPARE(ShowAndAnswer(&D::optClearDateDiff), u"optClearDateDiff"_s);

    // Unloaded, it loads afresh.
    D::instance().optClearFirstDate->setChecked(true);
    D::unload();
    QVERIFY(!D::exists());
    QVERIFY(D::instance().optClearDateDiff->isChecked());
  }

  void userFileFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QCOMPARE(Q(SpecialFolderPath(26)), base);
    QCOMPARE(Q(SpecialFolderPath(5)), QString());
    const QString folder = base + u"/ValdoraTest"_s;
    QDir(folder).removeRecursively();
    QVERIFY(!FolderExists(folder.toStdString()));
    const std::string path = AppDataFilePath("vdr.usr", "ValdoraTest");
    QCOMPARE(Q(path), QDir::cleanPath(folder + u"/vdr.usr"_s));
    QVERIFY(FolderExists(folder.toStdString()));
    QVERIFY(FolderExists("  " + folder.toStdString() + "  "));
    QVERIFY(!FolderExists(path));  // not created as a folder
    QVERIFY(!FolderExists(""));
    QCOMPARE(Q(FirstFixedDrive()), QDir::homePath());
  }
};

QTEST_MAIN(ClearDialogAndFolderTest)
#include "ClearDialogAndFolderTest.moc"
