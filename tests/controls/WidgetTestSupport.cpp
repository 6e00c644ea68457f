#include "WidgetTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "support/FileContents.h"

namespace keyloom::test {

namespace {

std::unique_ptr<QApplication>& Application() {
    static std::unique_ptr<QApplication> application;
    return application;
}

// Ends the application object before the program's static objects go.
class QtApplicationEnd : public ::testing::Environment {
  public:
    void TearDown() override { Application().reset(); }
};

const auto* const kQtApplicationEnd = ::testing::AddGlobalTestEnvironment(new QtApplicationEnd);

}  // namespace

void StartQtApplication() {
    if (!Application()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static char name[] = "controls_tests";
        static char* argv[] = {name, nullptr};
        static int argc = 1;
        Application() = std::make_unique<QApplication>(argc, argv);
    }
}

QImage PositionPicture(int width, int height, int tag) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setPixel(x, y, qRgb(x, y, tag));
        }
    }
    return picture;
}

QImage FilledPicture(int width, int height, QColor color) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

std::string WriteTextFile(const std::string& folder, const std::string& name,
                          const std::string& text) {
    const std::string path = folder + "/" + name;
    EXPECT_TRUE(PutFile(path, text)) << path;
    return path;
}

}  // namespace keyloom::test
