// The spray checks that depend on what the game's config files set, run as the engine runs them.

#include "game/gameconfig.h"
#include "game/spraycheck_parts.h"

#include <QCryptographicHash>

namespace velmira::sprayparts {

namespace {

// The engines' defaults where no config file sets a setting (both clients register the
// transfer switches on, the logo as "lambda" in orange, and Xash3D's logo format as bmp).
const WantedSetting kUpload{"cl_allowupload", "1", "1"};
const WantedSetting kDownload{"cl_allowdownload", "1", "1"};
const WantedSetting kDownloadInGame{"cl_download_ingame", "1", "1"};
const WantedSetting kMpDecals{"mp_decals", "300", "300", true};
const WantedSetting kDecals{"r_decals", "4096", "4096", true};
const QByteArray kLogoFile = QByteArrayLiteral("cl_logofile");
const QByteArray kLogoColour = QByteArrayLiteral("cl_logocolor");
const QByteArray kLogoExt = QByteArrayLiteral("cl_logoext");
// The picture Velmira writes into Xash3D's logos folder is a PNG.
const QByteArray kPng = QByteArrayLiteral("png");
// The largest remapped logo read to tell whether it is Velmira's.
constexpr qint64 kMaxLogoRead = 1024 * 1024;

QString startName(ConfigOrder order) {
    switch (order) {
        case ConfigOrder::GoldSrcWindows:
            return QCoreApplication::translate("SprayCheck", "at a start of the Windows game");
        case ConfigOrder::GoldSrcLinux:
            return QCoreApplication::translate("SprayCheck", "at a start of the Linux game");
        case ConfigOrder::Xash:
            return QCoreApplication::translate("SprayCheck", "at a start of Xash3D");
    }
    return QString();
}

// How a setting ends at each start: the first start that ends against the player, or the
// first start when all end well.
struct Ending {
    ConfigOrder order = ConfigOrder::GoldSrcLinux;
    FinalSetting final;
    bool good = true;
};

Ending endingOf(const std::vector<ConfigRun>& runs, const WantedSetting& wanted) {
    Ending first;
    for (const ConfigRun& run : runs) {
        Ending ending{run.order, finalSetting(run, wanted.variable, wanted.defaultValue), true};
        ending.good = settingIsGood(wanted, ending.final.value, engineOf(run.order));
        if (&run == &runs.front())
            first = ending;
        if (!ending.good)
            return ending;
    }
    return first;
}

QString placeOf(const FinalSetting& final) {
    return final.set ? QCoreApplication::translate("SprayCheck", "%1 line %2")
                           .arg(final.set->file->shownName())
                           .arg(final.set->command.line)
                     : QCoreApplication::translate("SprayCheck", "the engine's default");
}

QString readOf(const QByteArray& name, const FinalSetting& final) {
    return QStringLiteral("%1 \"%2\" (%3)")
        .arg(QString::fromLatin1(name), QString::fromLatin1(final.value), placeOf(final));
}

// A switch or count the spray needs: "✓ on", or "✗ off in autoexec.cfg" with the sentence.
SprayCheckCell settingCell(const std::vector<ConfigRun>& runs, const WantedSetting& wanted,
                           const char* offSentence, SprayFix fix) {
    const Ending ending = endingOf(runs, wanted);
    const QString read = readOf(wanted.variable, ending.final);
    if (ending.good)
        return ok(QCoreApplication::translate("SprayCheck", "on"),
                  QCoreApplication::translate("SprayCheck", "On: %1.").arg(read), read);
    const QString where = ending.final.set ? ending.final.set->file->name
                                           : QCoreApplication::translate("SprayCheck", "default");
    QString place = placeOf(ending.final);
    if (runs.size() > 1)
        place += QLatin1Char(' ') + startName(ending.order);
    const QString sentence = tr(offSentence)
                                 .arg(QStringLiteral("%1 \"%2\"")
                                          .arg(QString::fromLatin1(wanted.variable),
                                               QString::fromLatin1(ending.final.value)),
                                      place);
    return problem(QCoreApplication::translate("SprayCheck", "off in %1").arg(where), sentence, fix,
                   read);
}

QString hashOf(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// Xash3D sends logos/remapped.<cl_logoext>, which its Customize menu writes from the logo chosen
// there; the setting is taken only as exactly "bmp" or "png".
SprayCheckCell xashLogoCell(const ModConfigFolders& folders, const SprayCheckInput& input,
                            const FinalSetting& ext) {
    const QString read = readOf(kLogoExt, ext);
    if (input.installedLogo.isEmpty())
        return notApplicable(
            QCoreApplication::translate("SprayCheck", "Velmira installed no logo here. %1")
                .arg(read));
    const QByteArray packed = ext.value == kPng ? kPng : QByteArrayLiteral("bmp");
    if (packed != kPng)
        return problem(
            QCoreApplication::translate("SprayCheck", "sends .%1").arg(QString::fromLatin1(packed)),
            QCoreApplication::translate(
                "SprayCheck",
                "Xash3D sends logos/remapped.%1, not Velmira's PNG logo (%2): choose "
                "Velmira's logo in Customize.")
                .arg(QString::fromLatin1(packed), read),
            SprayFix::None, read);
    QString reason;
    const OpenFolder logos = folders.mod().child(QStringLiteral("logos"), false, &reason);
    const auto sent = logos.isOpen() ? logos.readFile(QStringLiteral("remapped.png"), kMaxLogoRead)
                                     : std::nullopt;
    if (!sent)
        return problem(QCoreApplication::translate("SprayCheck", "none chosen"),
                       QCoreApplication::translate(
                           "SprayCheck",
                           "There is no logos/remapped.png, the picture Xash3D sends: choose "
                           "Velmira's logo in Customize."),
                       SprayFix::None, read);
    if (hashOf(*sent) != input.installedLogo)
        return problem(QCoreApplication::translate("SprayCheck", "another logo"),
                       QCoreApplication::translate(
                           "SprayCheck",
                           "Xash3D sends logos/remapped.png, which is not the logo Velmira "
                           "installed: choose Velmira's logo in Customize."),
                       SprayFix::None, read);
    return ok(QCoreApplication::translate("SprayCheck", "Velmira's"),
              QCoreApplication::translate("SprayCheck", "Xash3D sends the logo Velmira installed."),
              read);
}

}  // namespace

void checkConfig(const ModConfigFolders& folders, const SprayCheckInput& input,
                 const std::vector<ConfigOrder>& orders, ModSprayCheck& result) {
    auto cell = [&result](SprayCheck check) -> SprayCheckCell& {
        return result.cells[static_cast<std::size_t>(check)];
    };
    ConfigFiles files = folders.files();
    std::vector<ConfigRun> runs;
    for (ConfigOrder order : orders)
        runs.push_back(runConfig(files, order));

    cell(SprayCheck::Upload) = settingCell(
        runs, kUpload,
        QT_TRANSLATE_NOOP("SprayCheck", "Uploads are off (%1, %2): servers never get your spray."),
        SprayFix::TurnUploadsOn);
    cell(SprayCheck::Download) = settingCell(
        runs, kDownload,
        QT_TRANSLATE_NOOP("SprayCheck", "Downloads are off (%1, %2): you see no one else's spray."),
        SprayFix::TurnDownloadsOn);
    if (cell(SprayCheck::Download).state == SprayCheckCell::State::Ok) {
        const SprayCheckCell inGame = settingCell(
            runs, kDownloadInGame,
            QT_TRANSLATE_NOOP(
                "SprayCheck",
                "Downloads during a game are off (%1, %2): you do not see the sprays of players "
                "who join after you."),
            SprayFix::TurnDownloadsOn);
        if (inGame.state != SprayCheckCell::State::Ok)
            cell(SprayCheck::Download) = inGame;
    }
    cell(SprayCheck::Decals) = settingCell(
        runs, kMpDecals,
        QT_TRANSLATE_NOOP("SprayCheck", "No decals are drawn (%1, %2): no one's spray shows."),
        SprayFix::TurnDecalsOn);
    if (cell(SprayCheck::Decals).state == SprayCheckCell::State::Ok) {
        const SprayCheckCell drawn = settingCell(
            runs, kDecals,
            QT_TRANSLATE_NOOP("SprayCheck", "No decals are drawn (%1, %2): no one's spray shows."),
            SprayFix::TurnDecalsOn);
        if (drawn.state != SprayCheckCell::State::Ok)
            cell(SprayCheck::Decals) = drawn;
    }

    // A file the game runs but Velmira could not read may set any of them.
    QStringList unread;
    for (const ConfigRun& run : runs)
        for (const ConfigFileRead* file : run.unread) {
            const QString line = QStringLiteral("%1: %2").arg(file->shownName(), file->problem);
            if (!unread.contains(line))
                unread << line;
        }
    if (!unread.isEmpty()) {
        const QString notRead = QCoreApplication::translate("SprayCheck", "Not read: %1.")
                                    .arg(unread.join(QStringLiteral("; ")));
        for (SprayCheck check : {SprayCheck::Upload, SprayCheck::Download, SprayCheck::Decals})
            cell(check) =
                problem(QCoreApplication::translate("SprayCheck", "not read"),
                        QCoreApplication::translate("SprayCheck", "Not checked. %1").arg(notRead),
                        SprayFix::None, cell(check).detail + QLatin1Char(' ') + notRead);
    }

    // The settings as the first start ends with them, for the report.
    std::vector<std::pair<QByteArray, QByteArray>> listed{
        {kUpload.variable, kUpload.defaultValue},
        {kDownload.variable, kDownload.defaultValue},
        {kDownloadInGame.variable, kDownloadInGame.defaultValue},
        {kMpDecals.variable, kMpDecals.defaultValue},
        {kDecals.variable, kDecals.defaultValue},
        {kLogoFile, QByteArrayLiteral("lambda")},
        {kLogoColour, QByteArrayLiteral("orange")}};
    if (input.xash)
        listed.emplace_back(kLogoExt, QByteArrayLiteral("bmp"));
    for (const auto& [name, defaultValue] : listed) {
        const FinalSetting final = finalSetting(runs.front(), name, defaultValue);
        result.settings.push_back(SettingLine{name, final.value,
                                              final.set ? QStringLiteral("%1 line %2")
                                                              .arg(final.set->file->shownName())
                                                              .arg(final.set->command.line)
                                                        : QString()});
    }

    if (!input.xash)
        cell(SprayCheck::XashLogo) =
            notApplicable(QCoreApplication::translate("SprayCheck", "Not Xash3D."));
    else
        cell(SprayCheck::XashLogo) =
            xashLogoCell(folders, input, finalSetting(runs.front(), kLogoExt, "bmp"));
}

}  // namespace velmira::sprayparts

namespace velmira {

ConfigChange applySettingFix(SprayFix fix, const QString& gameFolder, const QString& mod, bool xash,
                             const std::function<bool()>& gameRunning,
                             const ConfigEditTiming& timing) {
    using namespace sprayparts;
    std::vector<WantedSetting> wanted;
    switch (fix) {
        case SprayFix::TurnUploadsOn:
            wanted = {kUpload};
            break;
        case SprayFix::TurnDownloadsOn:
            wanted = {kDownload, kDownloadInGame};
            break;
        case SprayFix::TurnDecalsOn:
            wanted = {kMpDecals, kDecals};
            break;
        default:
            return ConfigChange{};
    }
    ConfigChange all;
    all.holds = true;
    QStringList told;
    for (const WantedSetting& setting : wanted) {
        const ConfigChange change =
            turnSettingOn(gameFolder, mod, setting, ordersOf(xash), gameRunning, timing);
        if (!change.alreadyOn)
            told << change.text;
        all.changed = all.changed || change.changed;
        all.holds = all.holds && (change.holds || change.alreadyOn);
        all.alreadyOn = all.alreadyOn || (change.alreadyOn && &setting == &wanted.front());
        all.places << change.places;
    }
    told.removeDuplicates();
    all.text = told.isEmpty() ? QCoreApplication::translate("SprayCheck", "%1 is already on in %2.")
                                    .arg(QString::fromLatin1(wanted.front().variable), mod)
                              : told.join(QLatin1Char(' '));
    return all;
}

}  // namespace velmira

namespace velmira::sprayparts {

QByteArray settingValue(const ModSprayCheck& result, const QByteArray& name) {
    for (const SettingLine& line : result.settings)
        if (line.name == name)
            return line.value;
    return QByteArray();
}

}  // namespace velmira::sprayparts
