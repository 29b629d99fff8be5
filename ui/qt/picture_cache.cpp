#include "ui/qt/picture_cache.h"

namespace uiqt {

QPixmap PictureCache::pixmap(const ui::Picture& picture) {
    if (picture.isNull()) return {};
    const QString key = QString::fromStdString(picture.source()->resource);
    auto it = decoded_.find(key);
    if (it == decoded_.end()) it = decoded_.insert(key, QPixmap(key));
    return *it;
}

QPixmap PictureCache::scaled(const ui::Picture& picture, QSize size) {
    if (picture.isNull() || size.isEmpty()) return {};
    const QString key = QString::fromStdString(picture.source()->resource) +
                        QStringLiteral("@%1x%2").arg(size.width()).arg(size.height());
    auto it = scaled_.find(key);
    if (it == scaled_.end()) {
        it = scaled_.insert(
            key, pixmap(picture).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    return *it;
}

}  // namespace uiqt
