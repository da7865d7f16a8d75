// The clear-field dialog on its own (its preselection across uses, cancel by Escape, its
// place over the main window) and the folder helpers that place the user file.
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "ui/common/Metrics.h"
#include "ui/common/folder.h"
#include "ui/common/frmClearOneTextBox.h"

using namespace valdora;

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
    if (option == nullptr) {
      QTest::keyClick(&d, Qt::Key_Escape);
      return;
    }
    QRadioButton* target = d.*option;
    QTest::mouseClick(target, Qt::LeftButton, Qt::KeyboardModifiers(), QPoint(6, target->height() / 2));
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
    QVERIFY(!frmClearOneTextBox::exists());
    QVERIFY(frmClearOneTextBox::instance().optClearDateDiff->isChecked());
    QVERIFY(frmClearOneTextBox::exists());
    QVERIFY(!frmClearOneTextBox::instance().isVisible());
    QVERIFY(frmClearOneTextBox::instance().isModal());
    QCOMPARE(ShowAndAnswer(&frmClearOneTextBox::optClearSecondDate), QStringLiteral("optClearDateDiff"));
    QVERIFY(!frmClearOneTextBox::instance().isVisible());
    QCOMPARE(ShowAndAnswer(&frmClearOneTextBox::optCancel), QStringLiteral("optClearSecondDate"));
    QVERIFY(frmClearOneTextBox::instance().optCancel->isChecked());  // the caller reads it
    QCOMPARE(ShowAndAnswer(&frmClearOneTextBox::optClearFirstDate), QStringLiteral("optClearDateDiff"));
    QCOMPARE(ShowAndAnswer(nullptr), QStringLiteral("optClearFirstDate"));
    QVERIFY(frmClearOneTextBox::instance().optCancel->isChecked());  // Escape means cancel
    QCOMPARE(ShowAndAnswer(&frmClearOneTextBox::optClearDateDiff), QStringLiteral("optClearDateDiff"));
  }

  void unloadLoadsAfresh() {
    frmClearOneTextBox::instance().optClearFirstDate->setChecked(true);
    frmClearOneTextBox::unload();
    QVERIFY(!frmClearOneTextBox::exists());
    QVERIFY(frmClearOneTextBox::instance().optClearDateDiff->isChecked());
  }

  void controlsCarryTheirNames() {
    frmClearOneTextBox& d = frmClearOneTextBox::instance();
    for (const char* name : {"lblNeedToClear", "lblClear", "optClearFirstDate", "lblOr",
                             "optClearDateDiff", "optClearSecondDate", "optCancel", "cmdContinue"}) {
      QVERIFY2(d.findChild<QWidget*>(QString::fromLatin1(name)) != nullptr, name);
    }
  }

  void userFileFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QCOMPARE(QString::fromStdString(SpecialFolderPath(26)), base);
    QCOMPARE(QString::fromStdString(SpecialFolderPath(5)), QString());
    const QString folder = base + QStringLiteral("/ValdoraTest");
    QDir(folder).removeRecursively();
    QVERIFY(!FolderExists(folder.toStdString()));
    const std::string path = AppDataFilePath("vdr.usr", "ValdoraTest");
    QCOMPARE(QString::fromStdString(path), QDir::cleanPath(folder + QStringLiteral("/vdr.usr")));
    QVERIFY(FolderExists(folder.toStdString()));
    QVERIFY(FolderExists("  " + folder.toStdString() + "  "));
    QVERIFY(!FolderExists(path));  // not created as a folder
    QVERIFY(!FolderExists(""));
    QCOMPARE(QString::fromStdString(FirstFixedDrive()), QDir::homePath());
  }
};

QTEST_MAIN(ClearDialogAndFolderTest)
#include "ClearDialogAndFolderTest.moc"
