#include "platform/qt/ProgramIcon.h"

#include <QByteArray>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

#include "ProgramIconSvg.h"

namespace {

// Renders the SVG at the exact device size asked for, so the icon is sharp at any scale.
class SvgIconEngine final : public QIconEngine {
 public:
  SvgIconEngine() : renderer_(QByteArray(kProgramIconSvg)) {}
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    renderer_.render(painter, rect);
  }
  QIconEngine* clone() const override { return new SvgIconEngine; }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
  }

 private:
  QSvgRenderer renderer_;
};

}  // namespace

QIcon ProgramIcon() { return QIcon(new SvgIconEngine); }
