// Decoded pictures, one per resource file for the whole run: every cell that shows the segment
// picture paints the same pixmap. Scaled copies for stretched images are kept per size.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

#include "ui/picture.h"

namespace uiqt {

class PictureCache {
public:
    QPixmap pixmap(const ui::Picture& picture);
    QPixmap scaled(const ui::Picture& picture, QSize size);
    int decodedCount() const { return static_cast<int>(decoded_.size()); }

private:
    QHash<QString, QPixmap> decoded_;
    QHash<QString, QPixmap> scaled_;
};

}  // namespace uiqt
