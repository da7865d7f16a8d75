// SPDX-License-Identifier: MIT
// The window icon read on demand draws what the icon file itself draws, at every size and
// pixel ratio a window system asks for, and is never null, so that windows take it over.
#include <QIcon>
#include <QPainter>
#include <QtTest>

#include "ui/common/ProgramIcon.h"

class ProgramIconTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { Q_INIT_RESOURCE(valdora); }

  void drawsLikeTheIconFile_data() {
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 256}) QTest::addRow("%dpx", size) << size;
  }
  void drawsLikeTheIconFile() {
    QFETCH(int, size);
    const QIcon file(QStringLiteral(":/valdora.svg"));
    const QIcon icon = valdora::ProgramIcon();
    QVERIFY(!icon.isNull());
    const QSize wanted(size, size);
    QCOMPARE(icon.actualSize(wanted), file.actualSize(wanted));
    QVERIFY(!file.pixmap(wanted).isNull());
    for (qreal ratio : {1.0, 2.0}) {
      QVERIFY2(icon.pixmap(wanted, ratio).toImage() == file.pixmap(wanted, ratio).toImage(),
               qPrintable(QStringLiteral("pixel ratio %1").arg(ratio)));
    }
    QImage drawn(wanted, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QImage fromFile = drawn;
    {
      QPainter painter(&drawn), filePainter(&fromFile);
      icon.paint(&painter, drawn.rect());
      file.paint(&filePainter, fromFile.rect());
    }
    QCOMPARE(drawn, fromFile);
  }
};

QTEST_MAIN(ProgramIconTest)
#include "ProgramIconTest.moc"
