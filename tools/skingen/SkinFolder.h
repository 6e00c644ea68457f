#pragma once

// The output folder: saves pictures and text files and remembers what it wrote and what failed.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace keyloom::skingen {

class SkinFolder {
  public:
    explicit SkinFolder(QString path);

    // Creates the folder with its parents; false when that is impossible.
    bool Create();

    void SaveJpeg(const QString& name, const QImage& picture);
    void SaveBitmap(const QString& name, const QImage& picture);
    void SaveText(const QString& name, const QByteArray& text);

    // Records a failure that is not a file's, such as an incomplete skin.
    void Fail(const QString& message);

    bool Failed() const { return failed_; }
    bool Wrote(const QString& name) const { return written_.contains(name); }

  private:
    QString PathOf(const QString& name) const;
    void Record(const QString& name, bool saved);

    QString path_;
    QStringList written_;
    bool failed_ = false;
};

}  // namespace keyloom::skingen
