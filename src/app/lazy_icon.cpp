#include "lazy_icon.h"

#include <QIconEngine>
#include <QPainter>

namespace {

constexpr int kSizes[] = {16, 32, 48, 64};

class LazyIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int side : kSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }
    QIconEngine* clone() const override { return new LazyIconEngine; }

private:
    QIcon& icon() {
        if (m_icon.isNull())
            for (int side : kSizes)
                m_icon.addFile(QStringLiteral(":/icons/apicfg-%1.png").arg(side),
                               QSize(side, side));
        return m_icon;
    }
    QIcon m_icon;
};

} // namespace

QIcon lazyProgramIcon() {
    return QIcon(new LazyIconEngine); // the icon owns its engine
}
