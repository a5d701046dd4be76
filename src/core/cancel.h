#pragma once

#include <QString>

#include <functional>

namespace velmira {

// Asked now and then by long picture work: true once its result is no longer wanted (a newer
// choice, a closing window). Empty: never cancelled.
using CancelCheck = std::function<bool()>;

// The reason given by work that stopped because it was cancelled.
inline const QString kCancelledText = QStringLiteral("cancelled");

inline bool isCancelled(const CancelCheck& cancel) {
    return cancel && cancel();
}

}  // namespace velmira
