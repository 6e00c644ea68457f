// skingen <output folder>: draws the skin pictures and writes the skin files of the "Skins"
// folder.

#include <QGuiApplication>
#include <cstdio>

#include "SkinWriter.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: skingen <output folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    return keyloom::skingen::WriteSkins(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
