#include "SkinFolder.h"

#include <QDir>
#include <QSaveFile>
#include <cstdio>

namespace keyloom::skingen {

namespace {

// High enough that legends and thin lines keep their edges.
constexpr int kJpegQuality = 95;

}  // namespace

SkinFolder::SkinFolder(QString path) : path_(std::move(path)) {}

bool SkinFolder::Create() {
    return QDir().mkpath(path_);
}

void SkinFolder::SaveJpeg(const QString& name, const QImage& picture) {
    Record(name, picture.save(PathOf(name), "JPG", kJpegQuality));
}

void SkinFolder::SaveBitmap(const QString& name, const QImage& picture) {
    Record(name, picture.convertToFormat(QImage::Format_RGB888).save(PathOf(name), "BMP"));
}

void SkinFolder::SaveText(const QString& name, const QByteArray& text) {
    QSaveFile file(PathOf(name));
    const bool saved =
        file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
    Record(name, saved);
}

void SkinFolder::Fail(const QString& message) {
    std::fprintf(stderr, "skingen: %s\n", qPrintable(message));
    failed_ = true;
}

QString SkinFolder::PathOf(const QString& name) const {
    return QDir(path_).filePath(name);
}

void SkinFolder::Record(const QString& name, bool saved) {
    if (saved) {
        written_.append(name);
    } else {
        Fail("cannot write " + PathOf(name));
    }
}

}  // namespace keyloom::skingen
