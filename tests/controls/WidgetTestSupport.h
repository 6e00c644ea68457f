#pragma once

#include <QColor>
#include <QImage>
#include <string>

namespace keyloom::test {

// Starts the widget tests' application object on the offscreen platform, once per program and
// after the program's private HOME is in place; it ends after the last test.
void StartQtApplication();

// A picture whose pixels tell where they lie: red = x, green = y, blue = `tag`.
QImage PositionPicture(int width, int height, int tag);

QImage FilledPicture(int width, int height, QColor color);

// Writes `text` as `folder`/`name` and returns the file's path.
std::string WriteTextFile(const std::string& folder, const std::string& name,
                          const std::string& text);

}  // namespace keyloom::test
