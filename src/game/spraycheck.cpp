#include "spraycheck.h"

#include "game/cache.h"
#include "game/running.h"
#include "game/seen.h"
#include "game/spraycheck_parts.h"
#include "platform/openfolder.h"
#include "wad/wad.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QLocale>

namespace velmira {

using namespace sprayparts;

namespace {

// The file the game reads the player's spray from (today's releases).
const QString kSprayFile = QStringLiteral("tempdecal.wad");
// The largest tempdecal.wad read: the game takes none above 20 KB.
constexpr qint64 kMaxSprayRead = 256 * 1024;

// The spray file the mod holds, and what the engine makes of it.
struct SprayRead {
    std::optional<QByteArray> bytes;  // set when the engine takes it
    QSize size;
};

SprayRead checkSpray(const OpenFolder& mod, const SprayCheckInput& input, SprayCheckCell& cell) {
    SprayRead spray;
    const OpenFolder::Kind kind = mod.kindOf(kSprayFile);
    if (input.xash) {
        // Xash3D sends the logo picture on its own servers and builds tempdecal.wad from it as it
        // joins a Half-Life server: the file is not the player's spray there.
        cell = notApplicable(QCoreApplication::translate(
            "SprayCheck",
            "Xash3D builds tempdecal.wad from the logo chosen in Customize "
            "each time it joins a server."));
        return spray;
    }
    if (kind == OpenFolder::Kind::Missing) {
        cell = problem(QCoreApplication::translate("SprayCheck", "missing"),
                       QCoreApplication::translate(
                           "SprayCheck",
                           "No tempdecal.wad: the game has no spray to send. Use \"Create "
                           "Sprays\"."));
    } else if (kind != OpenFolder::Kind::File) {
        cell = problem(
            QCoreApplication::translate("SprayCheck", "not a file"),
            QCoreApplication::translate(
                "SprayCheck", "tempdecal.wad is not a plain file: the game cannot use it."));
    } else if (!(spray.bytes = mod.readFile(kSprayFile, kMaxSprayRead))) {
        cell = problem(
            QCoreApplication::translate("SprayCheck", "unreadable"),
            QCoreApplication::translate(
                "SprayCheck", "tempdecal.wad cannot be read, or is far larger than any spray."));
    } else if (const auto taken = wad::checkSprayFile(*spray.bytes); !taken) {
        cell = problem(QCoreApplication::translate("SprayCheck", "refused"),
                       QCoreApplication::translate("SprayCheck", "The game will not use it: %1")
                           .arg(taken.error()));
        spray.bytes.reset();
    } else {
        if (const auto lumps = wad::readWad(*spray.bytes, 1); lumps && !lumps->empty())
            if (const auto picture = wad::readMipTexture(lumps->front().data))
                spray.size = QSize(picture->width, picture->height);
        const QString hash = QString::fromLatin1(
            QCryptographicHash::hash(*spray.bytes, QCryptographicHash::Sha256).toHex());
        const QString sized = QCoreApplication::translate("SprayCheck", "%1 \u00d7 %2 pixels")
                                  .arg(spray.size.width())
                                  .arg(spray.size.height());
        if (!input.installed.isEmpty() && hash == input.installed)
            cell = ok(QCoreApplication::translate("SprayCheck", "Velmira's"),
                      QCoreApplication::translate("SprayCheck", "The spray Velmira installed, %1.")
                          .arg(sized));
        else if (!input.installed.isEmpty())
            cell = problem(QCoreApplication::translate("SprayCheck", "replaced"),
                           QCoreApplication::translate(
                               "SprayCheck",
                               "Replaced since Velmira installed its spray here, %1: the game's "
                               "Options screen writes its logo over it when you press OK there.")
                               .arg(sized));
        else
            cell =
                ok(QCoreApplication::translate("SprayCheck", "another"),
                   QCoreApplication::translate("SprayCheck", "A spray Velmira did not install, %1.")
                       .arg(sized));
    }
    return spray;
}

SprayCheckCell everyServerCell(const SprayRead& spray, bool xash) {
    if (!spray.bytes)
        return notApplicable(
            xash ? QCoreApplication::translate("SprayCheck",
                                               "Xash3D scales the logo it sends itself.")
                 : QCoreApplication::translate("SprayCheck", "No spray the game takes."));
    const QString sides = QCoreApplication::translate("SprayCheck", "%1 \u00d7 %2")
                              .arg(spray.size.width())
                              .arg(spray.size.height());
    if (everyServerTakes(spray.size))
        return ok(
            sides,
            QCoreApplication::translate("SprayCheck", "%1: every server shows it.").arg(sides));
    return problem(sides,
                   QCoreApplication::translate(
                       "SprayCheck", "%1: servers that keep sprays to 64 \u00d7 64 do not show it.")
                       .arg(sides),
                   SprayFix::EveryServerSize);
}

SprayCheckCell staysCell(const OpenFolder& mod, const SprayRead& spray,
                         const SprayCheckInput& input, const ModSprayCheck& result) {
    if (!spray.bytes)
        return notApplicable(QCoreApplication::translate("SprayCheck", "No spray the game takes."));
    // The mode's bits, not whether this user may write it (an administrator always may).
    const QFileDevice::Permissions writable =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    const bool readOnly = !(QFileInfo(mod.pathOf(kSprayFile)).permissions() & writable);
    const QString logo = QString::fromLatin1(settingValue(result, "cl_logofile"));
    const QString chosen =
        QCoreApplication::translate("SprayCheck",
                                    "The Options screen has the logo \"%1\" (%2) chosen.")
            .arg(logo, QString::fromLatin1(settingValue(result, "cl_logocolor")));
    if (readOnly)
        return ok(QCoreApplication::translate("SprayCheck", "read-only"),
                  QCoreApplication::translate("SprayCheck",
                                              "Read-only: the Options screen cannot replace it. %1")
                      .arg(chosen));
    return problem(
        QCoreApplication::translate("SprayCheck", "not protected"),
        QCoreApplication::translate(
            "SprayCheck", "Not protected: pressing OK in Options writes the logo \"%1\" over it.")
            .arg(logo),
        input.installed.isEmpty() ? SprayFix::None : SprayFix::Protect, chosen);
}

// The engine keeps the cache itself: it deletes the whole file at a local map start once it
// passes hpk_maxsize (4,000,000 bytes), and a damaged one at start-up.
SprayCheckCell cacheCell(const OpenFolder& mod, const SprayCheckInput& input) {
    const OpenFolder::Kind kind = mod.kindOf(kSprayCacheName);
    if (kind == OpenFolder::Kind::Missing)
        return ok(QCoreApplication::translate("SprayCheck", "none yet"),
                  QCoreApplication::translate(
                      "SprayCheck", "No cache yet: the game makes one as it sees sprays."));
    if (kind != OpenFolder::Kind::File)
        return problem(
            QCoreApplication::translate("SprayCheck", "not a file"),
            QCoreApplication::translate("SprayCheck", "custom.hpk is not a plain file."));
    const SeenCache seen = readSeenCache(input.gameFolder, input.mod);
    const qint64 bytes = QFileInfo(mod.pathOf(kSprayCacheName)).size();
    const QString size = QLocale::c().formattedDataSize(bytes);
    if (!seen.problem.isEmpty())
        return ok(QCoreApplication::translate("SprayCheck", "damaged"),
                  QCoreApplication::translate(
                      "SprayCheck",
                      "custom.hpk cannot be read (%1); the game deletes a damaged cache when it "
                      "starts.")
                      .arg(seen.problem));
    const int sprays = static_cast<int>(seen.sprays.size());
    const QString held =
        QCoreApplication::translate("SprayCheck", "%1; sprays kept: %n", nullptr, sprays).arg(size);
    return ok(size,
              QCoreApplication::translate("SprayCheck",
                                          "%1. The game empties it itself when it grows past 4 MB.")
                  .arg(held),
              held);
}

}  // namespace

std::vector<ConfigOrder> gameOrders(const QString& gameFolder, bool xash) {
    if (xash)
        return {ConfigOrder::Xash};
    std::vector<ConfigOrder> orders;
    const QDir folder(gameFolder);
    if (folder.exists(QStringLiteral("hl.exe")))
        orders.push_back(ConfigOrder::GoldSrcWindows);
    if (folder.exists(QStringLiteral("hl_linux")))
        orders.push_back(ConfigOrder::GoldSrcLinux);
    if (orders.empty())
        orders = {ConfigOrder::GoldSrcWindows, ConfigOrder::GoldSrcLinux};
    return orders;
}

ModSprayCheck checkModSprays(const SprayCheckInput& input) {
    ModSprayCheck result;
    result.mod = input.mod;
    auto cell = [&result](SprayCheck check) -> SprayCheckCell& {
        return result.cells[static_cast<std::size_t>(check)];
    };

    QString reason;
    const OpenFolder game = OpenFolder::open(input.gameFolder, &reason);
    const ModConfigFolders folders = game.isOpen() ? ModConfigFolders(game, input.mod)
                                                   : ModConfigFolders(OpenFolder(), input.mod);
    if (!folders.isOpen()) {
        const QString text =
            QCoreApplication::translate("SprayCheck", "The mod folder cannot be opened: %1")
                .arg(folders.problem().isEmpty() ? reason : folders.problem());
        for (SprayCheckCell& each : result.cells)
            each = problem(QCoreApplication::translate("SprayCheck", "not opened"), text);
        return result;
    }
    const OpenFolder& mod = folders.mod();
    const std::vector<ConfigOrder> orders =
        input.orders.empty() ? gameOrders(input.gameFolder, input.xash) : input.orders;

    const SprayRead spray = checkSpray(mod, input, cell(SprayCheck::Spray));
    checkConfig(folders, input, orders, result);
    cell(SprayCheck::EveryServer) = everyServerCell(spray, input.xash);
    cell(SprayCheck::Stays) =
        input.xash ? notApplicable(QCoreApplication::translate("SprayCheck",
                                                               "Xash3D rewrites tempdecal.wad "
                                                               "itself."))
                   : staysCell(mod, spray, input, result);
    cell(SprayCheck::Cache) = cacheCell(mod, input);
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
        case SprayCheck::Decals:
            return QCoreApplication::translate("SprayCheck", "Decals");
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
        case SprayFix::TurnDecalsOn:
            return QCoreApplication::translate("SprayCheck", "Turn Decal&s On");
    }
    return QString();
}

QString serverSideNote() {
    return QCoreApplication::translate(
        "SprayCheck",
        "If it still fails on one server, the server may refuse uploads or large sprays "
        "(sv_allowupload, sv_allowdownload, sv_send_logos, sv_rehlds_allow_large_sprays): "
        "no file of yours changes that.");
}

}  // namespace velmira
