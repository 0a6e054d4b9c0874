// Feeds every file below the folders given on the command line to the fuzz
// target, the way libFuzzer would, so that kept inputs run in every build.

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        QDirIterator inputs(QString::fromLocal8Bit(argv[i]), QDir::Files, QDirIterator::Subdirectories);
        while (inputs.hasNext()) {
            QFile file(inputs.next());
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
                return 1;
            }
            const QByteArray data = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(data.constData()), std::size_t(data.size()));
            ++replayed;
        }
    }
    std::printf("replayed %d inputs\n", replayed);
    return 0;
}
