// Writes the window icon in the smaller sizes of the hicolor theme.
// usage: korvane_icon SOURCE.png OUTPUT_DIR SIZE...
// Each size N becomes OUTPUT_DIR/NxN/apps/korvane.png.

#include <QDir>
#include <QImage>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: korvane_icon SOURCE.png OUTPUT_DIR SIZE...\n");
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    if (source.isNull()) {
        std::fprintf(stderr, "korvane_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString path = output.filePath(folder + QStringLiteral("/korvane.png"));
        if (size <= 0 || !output.mkpath(folder)
            || !source.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                    .save(path, "PNG")) {
            std::fprintf(stderr, "korvane_icon: cannot write size %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
