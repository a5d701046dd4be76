#pragma once

#include <QString>

#include <functional>

namespace velmira {

// The list order: alphabetical without regard to case.
inline bool sortsBefore(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

// Where a row goes in rows [from, count): after every row that does not sort after it.
inline int sortedPosition(int from, int count, const QString& text,
                          const std::function<QString(int)>& rowText) {
    int low = from;
    int high = count;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (sortsBefore(text, rowText(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

}  // namespace velmira
