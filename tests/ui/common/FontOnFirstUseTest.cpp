// SPDX-License-Identifier: MIT
// A box's font kept until its first use: given at the first focus or text, whichever way the
// text comes, never for an emptied box, and at once for a box already in use.
#include <QtTest>
#include <functional>
#include <memory>

#include "tests/ui/UiTestSupport.h"
#include "ui/common/FontOnFirstUse.h"

using namespace testing_ui;
using valdora::GiveKeptFont;
using valdora::SetFontOnFirstUse;

namespace {
QFont Kept() {
  QFont font(u"Monospace"_s);
  font.setPointSize(23);  // unlike any default
  return font;
}
}  // namespace

class FontOnFirstUseTest : public QObject {
  Q_OBJECT

 private slots:
  void givenAtTheFirstUse() {
    const std::pair<const char*, std::function<void(QPlainTextEdit*)>> uses[] = {
        {"focus", [](QPlainTextEdit* b) { b->setFocus(); }},
        {"typed", [](QPlainTextEdit* b) { QTest::keyClicks(b, u"x"_s); }},  // a click would focus
        {"written", [](QPlainTextEdit* b) { b->setPlainText(u"2008-07-12"_s); }},
        {"appended", [](QPlainTextEdit* b) { b->appendPlainText(u"line"_s); }},
        {"asked", [](QPlainTextEdit* b) { GiveKeptFont(b); }},
        {"emptied", [](QPlainTextEdit* b) { b->clear(); }},  // not a use
        {"shown", [](QPlainTextEdit*) {}}};                   // nor is being shown
    QWidget window;
    auto* other = new QPlainTextEdit(&window);
    other->move(0, 200);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (const auto& [use, act] : uses) {
      const bool given = std::string(use) != "emptied" && std::string(use) != "shown";
      const std::unique_ptr<QPlainTextEdit> box = std::make_unique<QPlainTextEdit>(&window);
      box->show();
      other->setFocus();
      const QFont before = box->font();
      SetFontOnFirstUse(box.get(), Kept());
      QCOMPARE(box->font(), before);
      act(box.get());
      QVERIFY2((box->font() == Kept()) == given, use);
      if (!given) continue;
      QCOMPARE(box->document()->defaultFont(), box->font());

      // Given once: a font set later stays through later focus and text.
      QFont later = Kept();
      later.setPointSize(7);
      box->setFont(later);
      other->setFocus();
      box->setFocus();
      box->setPlainText(u"more"_s);
      GiveKeptFont(box.get());
      QCOMPARE(box->font(), later);
    }
  }

  void givenAtOnceToABoxInUse() {
    QPlainTextEdit box;
    box.setPlainText(u"text"_s);
    SetFontOnFirstUse(&box, Kept());
    QCOMPARE(box.font(), Kept());
  }
};

QTEST_MAIN(FontOnFirstUseTest)
#include "FontOnFirstUseTest.moc"
