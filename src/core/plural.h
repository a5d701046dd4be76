#pragma once

#include <QCoreApplication>
#include <QString>

#include <limits>

namespace velmira {

// A text holding a count, in the form the language gives that count ("%n lumps"). Qt picks
// the form from an int, and a count read from a file may not fit one: such a count is looked up
// as a number ending in the same two digits, which every rule of the program's languages
// decides alike, and the real number is put back where the stand-in was written.
inline QString translatedCount(const char* context, const char* text, qint64 count) {
    if (count >= 0 && count <= std::numeric_limits<int>::max())
        return QCoreApplication::translate(context, text, nullptr, static_cast<int>(count));
    const qint64 lastTwo = count < 0 ? -(count % 100) : count % 100;
    const int standIn = static_cast<int>(2'000'000'000 + lastTwo);
    return QCoreApplication::translate(context, text, nullptr, standIn)
        .replace(QString::number(standIn), QString::number(count));
}

}  // namespace velmira
