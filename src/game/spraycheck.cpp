#include "spraycheck.h"

#include "game/cache.h"
#include "game/gameconfig.h"
#include "game/seen.h"
#include "platform/openfolder.h"
#include "wad/wad.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileDevice>
#include <QFileInfo>
#include <QLocale>

namespace velmira {

namespace {

// The file the game reads the player's spray from (today's releases).
const QString kSprayFile = QStringLiteral("tempdecal.wad");
// The largest tempdecal.wad read: the game takes none above 20 KB.
constexpr qint64 kMaxSprayRead = 256 * 1024;

// The engines' defaults where no config file sets a variable (both engines' clients register
// the two transfer switches on, the logo as "lambda" in orange, and Xash3D's logo format as bmp).
const QByteArray kOn = QByteArrayLiteral("1");
const QByteArray kDefaultLogo = QByteArrayLiteral("lambda");
const QByteArray kDefaultLogoColour = QByteArrayLiteral("orange");
const QByteArray kDefaultLogoExt = QByteArrayLiteral("bmp");
// The picture format Velmira writes into Xash3D's logos folder.
const QByteArray kVelmiraLogoExt = QByteArrayLiteral("png");

SprayCheckCell ok(const QString& detail) {
    return SprayCheckCell{SprayCheckCell::State::Ok,
                          QCoreApplication::translate("SprayCheck", "OK"), detail, SprayFix::None};
}

SprayCheckCell problem(const QString& text, SprayFix fix = SprayFix::None,
                       const QString& detail = QString()) {
    return SprayCheckCell{SprayCheckCell::State::Problem, text, detail.isEmpty() ? text : detail,
                          fix};
}

SprayCheckCell notApplicable(const QString& detail) {
    return SprayCheckCell{SprayCheckCell::State::NotApplicable, QStringLiteral("\u2014"), detail,
                          SprayFix::None};
}

// Where a setting came from, for the player: "config.cfg line 12" or "the engine's default".
QString origin(const ConfigSetting& setting) {
    if (setting.file.isEmpty())
        return QCoreApplication::translate("SprayCheck",
                                           "no config file sets it: the engine's default");
    return QCoreApplication::translate("SprayCheck", "%1 line %2")
        .arg(setting.file)
        .arg(setting.command.line);
}

// A transfer switch (cl_allowupload, cl_allowdownload).
SprayCheckCell transferCheck(const std::vector<ConfigFile>& files, const QByteArray& variable,
                             const QString& offText, SprayFix fix) {
    const ConfigSetting setting = settingOf(files, variable, kOn);
    const QString where = QStringLiteral("%1 \"%2\" (%3)")
                              .arg(QString::fromLatin1(variable),
                                   QString::fromLatin1(setting.value), origin(setting));
    if (settingIsOn(setting.value))
        return ok(where);
    return problem(
        offText.arg(QString::fromLatin1(variable), setting.file).arg(setting.command.line), fix,
        where);
}

// The config files that could not be read, as one sentence (empty when all could).
QString unreadConfig(const std::vector<ConfigFile>& files) {
    QStringList unread;
    for (const ConfigFile& file : files)
        if (!file.problem.isEmpty())
            unread << QStringLiteral("%1: %2").arg(file.name, file.problem);
    return unread.isEmpty() ? QString()
                            : QCoreApplication::translate("SprayCheck", "Not read: %1.")
                                  .arg(unread.join(QStringLiteral("; ")));
}

}  // namespace

ModSprayCheck checkModSprays(const SprayCheckInput& input) {
    ModSprayCheck result;
    result.mod = input.mod;
    auto cell = [&result](SprayCheck check) -> SprayCheckCell& {
        return result.cells[static_cast<std::size_t>(check)];
    };

    QString reason;
    const OpenFolder game = OpenFolder::open(input.gameFolder, &reason);
    const OpenFolder mod = game.isOpen() ? game.child(input.mod, false, &reason) : OpenFolder();
    if (!mod.isOpen()) {
        const QString text =
            QCoreApplication::translate("SprayCheck", "The mod folder cannot be opened: %1")
                .arg(reason);
        for (SprayCheckCell& each : result.cells)
            each = problem(text);
        return result;
    }

    // The spray the mod will use.
    std::optional<QByteArray> spray;
    QSize size;
    const OpenFolder::Kind kind = mod.kindOf(kSprayFile);
    if (kind == OpenFolder::Kind::Missing) {
        cell(SprayCheck::Spray) = problem(QCoreApplication::translate(
            "SprayCheck",
            "No tempdecal.wad: the game has no spray to send. Use \"Create Sprays\"."));
    } else if (kind != OpenFolder::Kind::File) {
        cell(SprayCheck::Spray) = problem(QCoreApplication::translate(
            "SprayCheck", "tempdecal.wad is not a plain file: the game cannot use it."));
    } else if (!(spray = mod.readFile(kSprayFile, kMaxSprayRead))) {
        cell(SprayCheck::Spray) = problem(QCoreApplication::translate(
            "SprayCheck", "tempdecal.wad cannot be read, or is far larger than any spray."));
    } else if (const auto taken = wad::checkSprayFile(*spray); !taken) {
        cell(SprayCheck::Spray) =
            problem(QCoreApplication::translate("SprayCheck", "The game will not use it: %1")
                        .arg(taken.error()));
        spray.reset();
    } else {
        if (const auto lumps = wad::readWad(*spray, 1); lumps && !lumps->empty())
            if (const auto picture = wad::readMipTexture(lumps->front().data))
                size = QSize(picture->width, picture->height);
        const QString hash = QString::fromLatin1(
            QCryptographicHash::hash(*spray, QCryptographicHash::Sha256).toHex());
        const QString sized = QCoreApplication::translate("SprayCheck", "%1 \u00d7 %2 pixels")
                                  .arg(size.width())
                                  .arg(size.height());
        if (!input.installed.isEmpty() && hash == input.installed)
            cell(SprayCheck::Spray) =
                ok(QCoreApplication::translate("SprayCheck", "The spray Velmira installed, %1.")
                       .arg(sized));
        else if (!input.installed.isEmpty())
            cell(SprayCheck::Spray) = problem(
                QCoreApplication::translate(
                    "SprayCheck",
                    "Replaced since Velmira installed its spray (the Options screen's logo?)."),
                SprayFix::None,
                QCoreApplication::translate(
                    "SprayCheck",
                    "Replaced since Velmira installed its spray here, %1: the game's Options "
                    "screen writes its logo over it when you press OK there.")
                    .arg(sized));
        else
            cell(SprayCheck::Spray) =
                ok(QCoreApplication::translate("SprayCheck", "A spray Velmira did not install, %1.")
                       .arg(sized));
    }

    // Others see it, and you see theirs.
    const std::vector<ConfigFile> config = readModConfig(mod);
    const QString unread = unreadConfig(config);
    cell(SprayCheck::Upload) = transferCheck(
        config, QByteArrayLiteral("cl_allowupload"),
        QCoreApplication::translate(
            "SprayCheck", "Uploads are off (%1 in %2 line %3): servers never get your spray."),
        SprayFix::TurnUploadsOn);
    cell(SprayCheck::Download) = transferCheck(
        config, QByteArrayLiteral("cl_allowdownload"),
        QCoreApplication::translate(
            "SprayCheck", "Downloads are off (%1 in %2 line %3): you see no one else's spray."),
        SprayFix::TurnDownloadsOn);
    // A file the game would execute but Velmira did not read may set either switch.
    if (!unread.isEmpty())
        for (SprayCheck check : {SprayCheck::Upload, SprayCheck::Download})
            cell(check) =
                problem(QCoreApplication::translate("SprayCheck", "Not checked. %1").arg(unread),
                        SprayFix::None, cell(check).detail + QLatin1Char(' ') + unread);

    // Every server shows it.
    if (!spray)
        cell(SprayCheck::EveryServer) =
            notApplicable(QCoreApplication::translate("SprayCheck", "No spray the game takes."));
    else if (everyServerTakes(size))
        cell(SprayCheck::EveryServer) =
            ok(QCoreApplication::translate("SprayCheck", "%1 \u00d7 %2: every server shows it.")
                   .arg(size.width())
                   .arg(size.height()));
    else
        cell(SprayCheck::EveryServer) =
            problem(QCoreApplication::translate(
                        "SprayCheck",
                        "%1 \u00d7 %2: servers that keep sprays to 64 \u00d7 64 do not show it.")
                        .arg(size.width())
                        .arg(size.height()),
                    SprayFix::EveryServerSize);

    // It stays: a read-only spray survives the Options screen writing its logo over it.
    if (!spray) {
        cell(SprayCheck::Stays) =
            notApplicable(QCoreApplication::translate("SprayCheck", "No spray the game takes."));
    } else {
        // The mode's bits, not whether this user may write it (an administrator always may).
        const QFileDevice::Permissions writable =
            QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
        const bool readOnly = !(QFileInfo(mod.pathOf(kSprayFile)).permissions() & writable);
        const ConfigSetting logo =
            settingOf(config, QByteArrayLiteral("cl_logofile"), kDefaultLogo);
        const ConfigSetting colour =
            settingOf(config, QByteArrayLiteral("cl_logocolor"), kDefaultLogoColour);
        const QString chosen =
            QCoreApplication::translate("SprayCheck",
                                        "The Options screen has the logo \"%1\" (%2) chosen.")
                .arg(QString::fromLatin1(logo.value), QString::fromLatin1(colour.value));
        if (readOnly)
            cell(SprayCheck::Stays) =
                ok(QCoreApplication::translate(
                       "SprayCheck", "Read-only: the Options screen cannot replace it. %1")
                       .arg(chosen));
        else
            cell(SprayCheck::Stays) =
                problem(QCoreApplication::translate(
                            "SprayCheck",
                            "Not protected: pressing OK in Options writes the logo \"%1\" over it.")
                            .arg(QString::fromLatin1(logo.value)),
                        input.installed.isEmpty() ? SprayFix::None : SprayFix::Protect,
                        QCoreApplication::translate(
                            "SprayCheck",
                            "Not protected: %1 It replaces this spray when you press OK there.")
                            .arg(chosen));
    }

    // The cache of sprays seen on servers.
    const OpenFolder::Kind cacheKind = mod.kindOf(kSprayCacheName);
    if (cacheKind == OpenFolder::Kind::Missing) {
        cell(SprayCheck::Cache) = ok(QCoreApplication::translate(
            "SprayCheck", "No cache yet: the game makes one as it sees sprays."));
    } else if (cacheKind != OpenFolder::Kind::File) {
        cell(SprayCheck::Cache) =
            problem(QCoreApplication::translate("SprayCheck", "custom.hpk is not a plain file."));
    } else {
        const SeenCache seen = readSeenCache(input.gameFolder, input.mod);
        const qint64 bytes = QFileInfo(mod.pathOf(kSprayCacheName)).size();
        const int sprays = static_cast<int>(seen.sprays.size());
        const QString held =
            QCoreApplication::translate("SprayCheck", "%1; sprays kept: %n", nullptr, sprays)
                .arg(QLocale::c().formattedDataSize(bytes));
        if (!seen.problem.isEmpty())
            cell(SprayCheck::Cache) =
                problem(QCoreApplication::translate("SprayCheck", "custom.hpk cannot be read: %1")
                            .arg(seen.problem),
                        SprayFix::ClearCache);
        else if (bytes >= kLargeCacheBytes)
            cell(SprayCheck::Cache) =
                problem(QCoreApplication::translate(
                            "SprayCheck", "Large: %1. Clearing it lets the game keep new sprays.")
                            .arg(held),
                        SprayFix::ClearCache);
        else
            cell(SprayCheck::Cache) = ok(held);
    }

    // Xash3D: the engine packs logos/remapped.<cl_logoext> into the spray.
    if (!input.xash) {
        cell(SprayCheck::XashLogo) =
            notApplicable(QCoreApplication::translate("SprayCheck", "Not Xash3D."));
    } else {
        const ConfigSetting ext =
            settingOf(config, QByteArrayLiteral("cl_logoext"), kDefaultLogoExt);
        const QString where = QStringLiteral("cl_logoext \"%1\" (%2)")
                                  .arg(QString::fromLatin1(ext.value), origin(ext));
        if (input.installedLogo.isEmpty())
            cell(SprayCheck::XashLogo) = notApplicable(
                QCoreApplication::translate("SprayCheck", "Velmira installed no logo here. %1")
                    .arg(where));
        else if (ext.value.compare(kVelmiraLogoExt, Qt::CaseInsensitive) == 0)
            cell(SprayCheck::XashLogo) = ok(where);
        else
            cell(SprayCheck::XashLogo) = problem(
                QCoreApplication::translate(
                    "SprayCheck",
                    "The engine packs the .%1 logo, not Velmira's PNG: choose it in Customize.")
                    .arg(QString::fromLatin1(ext.value)),
                SprayFix::None, where);
    }
    return result;
}

QString sprayCheckTitle(SprayCheck check) {
    switch (check) {
        case SprayCheck::Spray:
            return QCoreApplication::translate("SprayCheck", "Spray");
        case SprayCheck::Upload:
            return QCoreApplication::translate("SprayCheck", "Others see it");
        case SprayCheck::Download:
            return QCoreApplication::translate("SprayCheck", "You see theirs");
        case SprayCheck::EveryServer:
            return QCoreApplication::translate("SprayCheck", "Every server");
        case SprayCheck::Stays:
            return QCoreApplication::translate("SprayCheck", "It stays");
        case SprayCheck::Cache:
            return QCoreApplication::translate("SprayCheck", "Cache");
        case SprayCheck::XashLogo:
            return QCoreApplication::translate("SprayCheck", "Xash3D logo");
    }
    return QString();
}

QString sprayFixCaption(SprayFix fix) {
    switch (fix) {
        case SprayFix::None:
            return QString();
        case SprayFix::TurnUploadsOn:
            return QCoreApplication::translate("SprayCheck", "Turn &Uploads On");
        case SprayFix::TurnDownloadsOn:
            return QCoreApplication::translate("SprayCheck", "Turn &Downloads On");
        case SprayFix::EveryServerSize:
            return QCoreApplication::translate("SprayCheck", "Make &Every-Server Size\u2026");
        case SprayFix::Protect:
            return QCoreApplication::translate("SprayCheck", "&Protect");
        case SprayFix::ClearCache:
            return QCoreApplication::translate("SprayCheck", "C&lear Cached Sprays\u2026");
    }
    return QString();
}

}  // namespace velmira
