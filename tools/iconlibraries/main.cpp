// Draws the icon libraries that ship with the program and writes them as
// 16-bit icon libraries (.ICL), the form the program's icon strip reads.
//   make-icon-libraries <output folder>

#include "Drawing.h"

#include "platform/IconLibraryWriter.h"
#include "platform/QmError.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

/// Each icon comes at the system's icon size and at the small one.
constexpr int iconSides[] = {32, 16};

QImage render(const icons::Picture &picture, int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 32.0, side / 32.0);
    picture.draw(painter);
    return image;
}

bool writeLibrary(const QString &fileName, const QByteArray &moduleName, const std::vector<icons::Picture> &pictures)
{
    std::vector<qm::IconImages> library;
    for (const icons::Picture &picture : pictures) {
        qm::IconImages images;
        for (const int side : iconSides)
            images.push_back(render(picture, side));
        library.push_back(images);
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(qm::writeIconLibrary(library, moduleName)) < 0 ||
        !file.commit()) {
        std::fprintf(stderr, "make-icon-libraries: cannot write %s\n", qPrintable(fileName));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    // Drawing needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-icon-libraries <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const struct {
        const char *fileName;
        const char *moduleName;
        std::vector<icons::Picture> pictures;
    } libraries[] = {
        {"activity.icl", "ACTIVITY", icons::activityPictures()},
        {"events.icl", "EVENTS", icons::eventPictures()},
        {"holiday.icl", "HOLIDAY", icons::holidayPictures()},
        {"misc1.icl", "MISC1", icons::firstMiscellaneousPictures()},
        {"misc2.icl", "MISC2", icons::secondMiscellaneousPictures()},
    };
    try {
        for (const auto &library : libraries) {
            if (!writeLibrary(folder.filePath(QLatin1String(library.fileName)), library.moduleName, library.pictures))
                return 1;
        }
    } catch (const QmError &error) {
        std::fprintf(stderr, "make-icon-libraries: %s\n", error.what());
        return 1;
    }
    return 0;
}
