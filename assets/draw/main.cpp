// draw_pictures [folder]: paints every picture of the catalogue and writes it into `folder`
// (by default the source tree's assets/pictures/). The output is deterministic.
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "assets/catalogue.h"
#include "output.h"
#include "pictures.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // loads the image format plugins
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(BURUNTSY_PICTURES_DIR);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }
    for (const assets::Entry& e : assets::catalogue()) {
        const QImage img = draw::paintPicture(e.id, e.width, e.height);
        if (img.width() != e.width || img.height() != e.height) {
            std::fprintf(stderr, "%s: painted at the wrong size\n", e.file);
            return 1;
        }
        const QString path = QDir(folder).filePath(QString::fromLatin1(e.file));
        const bool ok = path.endsWith(QLatin1String(".bmp")) ? draw::writeBmp24(img, path)
                                                             : draw::writeJpeg(img, path);
        if (!ok) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
