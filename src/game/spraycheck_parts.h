#pragma once

// The pieces the spray checks share between their files.

#include "game/modconfig.h"
#include "game/spraycheck.h"

#include <QCoreApplication>

namespace velmira::sprayparts {

inline QString tr(const char* text, const char* comment = nullptr, int n = -1) {
    return QCoreApplication::translate("SprayCheck", text, comment, n);
}

inline SprayCheckCell ok(const QString& text, const QString& sentence,
                         const QString& detail = QString()) {
    return SprayCheckCell{SprayCheckCell::State::Ok, QStringLiteral("\u2713 ") + text, sentence,
                          detail.isEmpty() ? sentence : detail, SprayFix::None};
}

inline SprayCheckCell problem(const QString& text, const QString& sentence,
                              SprayFix fix = SprayFix::None, const QString& detail = QString()) {
    return SprayCheckCell{SprayCheckCell::State::Problem, QStringLiteral("\u2717 ") + text,
                          sentence, detail.isEmpty() ? sentence : detail, fix};
}

inline SprayCheckCell notApplicable(const QString& sentence) {
    return SprayCheckCell{SprayCheckCell::State::NotApplicable, QStringLiteral("\u2014"), sentence,
                          sentence, SprayFix::None};
}

// The checks that ask the config files (uploads, downloads, decals, Xash3D's logo) and the
// settings read, for the report.
void checkConfig(const ModConfigFolders& folders, const SprayCheckInput& input,
                 const std::vector<ConfigOrder>& orders, ModSprayCheck& result);

// The final value of a setting the report lists (its engine default where nothing set it).
QByteArray settingValue(const ModSprayCheck& result, const QByteArray& name);

}  // namespace velmira::sprayparts
