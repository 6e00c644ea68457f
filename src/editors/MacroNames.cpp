#include "editors/MacroNames.h"

#include <algorithm>

namespace keyloom {

namespace {

bool BeginsAnyOf(const QStringList& names, const QString& name) {
    return std::any_of(names.begin(), names.end(), [&](const QString& existing) {
        return existing.startsWith(name, Qt::CaseInsensitive);
    });
}

}  // namespace

int& MacroNameCounter() {
    static int counter = 0;
    return counter;
}

QString NextMacroName(const QString& prefix, const QStringList& existing, int& counter,
                      const std::function<void()>& pause) {
    QString name = prefix + QString::number(++counter);
    while (BeginsAnyOf(existing, name)) {
        pause();
        name = prefix + QString::number(++counter);
    }
    return name;
}

}  // namespace keyloom
