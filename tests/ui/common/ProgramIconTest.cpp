// The window icon read on demand draws what the icon file itself draws, at every size and
// pixel ratio a window system asks for, and is never null, so that windows take it over.
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "ui/common/ProgramIcon.h"

class ProgramIconTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { Q_INIT_RESOURCE(valdora); }

  void drawsLikeTheIconFile_data() {
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 256}) QTest::addRow("%d px", size) << size;
  }
  void drawsLikeTheIconFile() {
    QFETCH(int, size);
    const QIcon file(QStringLiteral(":/valdora.svg"));
    const QIcon icon = valdora::ProgramIcon();
    QVERIFY(!icon.isNull());
    const QSize wanted(size, size);
    QCOMPARE(icon.actualSize(wanted), file.actualSize(wanted));
    const QImage expected = file.pixmap(wanted).toImage();
    QVERIFY(!expected.isNull());
    QCOMPARE(icon.pixmap(wanted).toImage(), expected);
    QCOMPARE(icon.pixmap(wanted, 2.0).toImage(), file.pixmap(wanted, 2.0).toImage());

    QImage drawn(wanted, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QImage drawnFromFile = drawn;
    {
      QPainter painter(&drawn);
      icon.paint(&painter, drawn.rect());
      QPainter filePainter(&drawnFromFile);
      file.paint(&filePainter, drawnFromFile.rect());
    }
    QCOMPARE(drawn, drawnFromFile);
  }
};

QTEST_MAIN(ProgramIconTest)
#include "ProgramIconTest.moc"
