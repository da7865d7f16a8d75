// SPDX-License-Identifier: MIT
#include "ui/common/FontOnFirstUse.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace valdora {

namespace {

const QString kKeeperName = QStringLiteral("valdoraFontOnFirstUse");

// Keeps the font for its box (its parent) and gives it once; then it is gone.
class FontKeeper final : public QObject {
 public:
  FontKeeper(QPlainTextEdit* box, const QFont& font) : QObject(box), box_(box), font_(font) {
    setObjectName(kKeeperName);
    box->installEventFilter(this);
    // Text can arrive without the focus (dropped, or written by the program).
    textChanged_ = connect(box->document(), &QTextDocument::contentsChanged, this, [this] {
      if (!box_->document()->isEmpty()) Give();
    });
  }

  void Give() {
    if (given_) return;
    given_ = true;
    box_->removeEventFilter(this);
    disconnect(textChanged_);
    box_->setFont(font_);
    deleteLater();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == box_ && event->type() == QEvent::FocusIn) Give();
    return false;
  }

 private:
  QPlainTextEdit* box_;
  QFont font_;
  QMetaObject::Connection textChanged_;
  bool given_ = false;
};

}  // namespace

void SetFontOnFirstUse(QPlainTextEdit* box, const QFont& font) {
  GiveKeptFont(box);  // a font kept from before goes first; the later one counts
  if (box->hasFocus() || !box->document()->isEmpty()) {
    box->setFont(font);
    return;
  }
  new FontKeeper(box, font);
}

void GiveKeptFont(QPlainTextEdit* box) {
  if (auto* keeper = box->findChild<QObject*>(kKeeperName, Qt::FindDirectChildrenOnly)) {
    static_cast<FontKeeper*>(keeper)->Give();
  }
}

}  // namespace valdora
