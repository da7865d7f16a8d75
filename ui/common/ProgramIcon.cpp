// SPDX-License-Identifier: MIT
#include "ui/common/ProgramIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <utility>

namespace valdora {

namespace {

// Stands for the icon of one file until a picture, a size or a drawing is asked for; the
// file is read then (through the image or icon support its kind needs) and answers from then on.
class IconOnDemand final : public QIconEngine {
 public:
  explicit IconOnDemand(QString fileName) : fileName_(std::move(fileName)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  // `size` in device pixels; the icon asking sets the pixel ratio of the picture itself.
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, 1.0, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal) override {
    return Icon().pixmap(size, 1.0, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }
  // The file is one of the program's resources, so an icon is there; asking must not read it.
  bool isNull() override { return false; }
  QString key() const override { return QStringLiteral("IconOnDemand"); }
  QIconEngine* clone() const override { return new IconOnDemand(*this); }

 private:
  IconOnDemand(const IconOnDemand&) = default;

  const QIcon& Icon() {
    if (!loaded_) {
      icon_ = QIcon(fileName_);
      loaded_ = true;
    }
    return icon_;
  }

  QString fileName_;
  QIcon icon_;
  bool loaded_ = false;
};

}  // namespace

QIcon ProgramIcon() { return QIcon(new IconOnDemand(QStringLiteral(":/valdora.svg"))); }

}  // namespace valdora
