#pragma once

// The system's separator between a folder and a name, for the tests that build paths by hand.

#include <QChar>
#include <QDir>

namespace velmira::test {

inline const QChar SEP = QDir::separator();

}  // namespace velmira::test
