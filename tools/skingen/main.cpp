// skingen <output folder>: draws the skin pictures and writes the skin files of the "Skins"
// folder. skingen --icons <output folder>: draws the application's icons of the hicolor theme.

#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include "AppIcons.h"
#include "SkinWriter.h"

int main(int argc, char* argv[]) {
    const bool icons = argc == 3 && std::strcmp(argv[1], "--icons") == 0;
    if (argc != 2 && !icons) {
        std::fprintf(stderr, "usage: skingen [--icons] <output folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[argc - 1]);
    const bool written =
        icons ? keyloom::skingen::WriteAppIcons(folder) : keyloom::skingen::WriteSkins(folder);
    return written ? 0 : 1;
}
