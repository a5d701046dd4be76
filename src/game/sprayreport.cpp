#include "sprayreport.h"

#include <QCoreApplication>

namespace velmira {

namespace {

QString orderName(ConfigOrder order) {
    switch (order) {
        case ConfigOrder::GoldSrcWindows:
            return QCoreApplication::translate("SprayReport", "Half-Life, Windows client");
        case ConfigOrder::GoldSrcLinux:
            return QCoreApplication::translate("SprayReport", "Half-Life, Linux client");
        case ConfigOrder::Xash:
            return QCoreApplication::translate("SprayReport", "Xash3D FWGS");
    }
    return QString();
}

}  // namespace

QString sprayReport(const SprayReportHeader& header, const std::vector<ModSprayCheck>& checks) {
    QStringList lines;
    lines << QStringLiteral("Velmira %1 (%2)").arg(header.version, header.system);
    QStringList starts;
    for (ConfigOrder order : header.orders)
        starts << orderName(order);
    lines << QCoreApplication::translate("SprayReport", "Starts checked: %1")
                 .arg(starts.join(QStringLiteral("; ")));
    for (const ModSprayCheck& check : checks) {
        lines << QString() << check.mod;
        // The setting lines stay in one language, so that anyone can read them.
        for (const SettingLine& setting : check.settings)
            lines << QStringLiteral("  %1 %2 (%3)")
                         .arg(QString::fromLatin1(setting.name), QString::fromLatin1(setting.value),
                              setting.place.isEmpty() ? QStringLiteral("engine default")
                                                      : setting.place);
        for (int column = 0; column < kSprayCheckCount; ++column) {
            const SprayCheckCell& cell = check.cells[static_cast<std::size_t>(column)];
            QString line = QStringLiteral("  %1: %2")
                               .arg(sprayCheckTitle(static_cast<SprayCheck>(column)), cell.text);
            if (cell.state == SprayCheckCell::State::Problem)
                line += QStringLiteral(" \u2014 ") + cell.sentence;
            lines << line;
        }
    }
    lines << QString() << serverSideNote();
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace velmira
