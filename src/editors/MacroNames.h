#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace keyloom {

// The running number of new macro names: kept for the life of the tool, so names stay apart
// across openings of the editor; restarted when a macro is added to an empty list.
int& MacroNameCounter();

// The name of a new macro: the prefix and the next number of the counter, skipping every number
// whose name begins an existing name (without regard to case); `pause` runs before each retry.
QString NextMacroName(const QString& prefix, const QStringList& existing, int& counter,
                      const std::function<void()>& pause);

}  // namespace keyloom
