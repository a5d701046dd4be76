// What each engine runs at a start: its files in their order, exec lines at their place, its own
// splitting into commands and words, its own reading of a number. Each table row is a fact of the
// engine's (docs/games.md names the lines of its sources).
#include "game/configrun.h"

#include <QMap>

#include <gtest/gtest.h>

using namespace velmira;

namespace {

constexpr auto GoldSrc = ConfigEngine::GoldSrc;
constexpr auto Xash = ConfigEngine::Xash;
constexpr auto Windows = ConfigOrder::GoldSrcWindows;
constexpr auto Linux = ConfigOrder::GoldSrcLinux;
constexpr auto XashStart = ConfigOrder::Xash;

// Config files in memory: "folder/name" -> bytes.
ConfigFiles filesOf(const QMap<QString, QByteArray>& held,
                    const QStringList& path = {QStringLiteral("mod"), QStringLiteral("valve")}) {
    return ConfigFiles(
        path,
        [held](const QString& folder, const QString& name) {
            ConfigFileRead file;
            const QString key = folder + QLatin1Char('/') + name;
            file.present = held.contains(key);
            file.bytes = held.value(key);
            return file;
        },
        [held](const QString& folder, const QString& sub) {
            QStringList names;
            const QString prefix = folder + QLatin1Char('/') + sub + QLatin1Char('/');
            for (const QString& key : held.keys())
                if (key.startsWith(prefix))
                    names << key.mid(prefix.size());
            return names;
        });
}

// What cl_allowupload ends with, and where: "0 mod/autoexec.cfg:3", "1 default".
std::string uploadAfter(ConfigFiles& files, ConfigOrder order) {
    const ConfigRun run = runConfig(files, order);
    const FinalSetting final = finalSetting(run, "cl_allowupload", "1");
    if (!final.set)
        return final.value.toStdString() + " default";
    return final.value.toStdString() + " " + final.set->file->shownName().toStdString() + ":" +
           std::to_string(final.set->command.line);
}

// Splitting and words ------------------------------------------------------------------------

struct LineCase {
    const char* what;
    ConfigEngine engine;
    QByteArray config;
    const char* ends;  // what uploadAfter says of a start that runs only this config.cfg
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.what;
}

class EngineLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(EngineLines, TheSettingEndsAsTheEngineReadsTheFile) {
    const LineCase& c = GetParam();
    ConfigFiles files =
        filesOf({{"mod/config.cfg", c.config}, {"valve/valve.rc", "exec config.cfg\n"}});
    EXPECT_EQ(uploadAfter(files, c.engine == Xash ? XashStart : Linux), c.ends);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EngineLines,
    ::testing::Values(
        LineCase{"no line: the default", GoldSrc, "", "1 default"},
        LineCase{"quoted, as the game writes it", GoldSrc, "name \"x\"\ncl_allowupload \"0\"\n",
                 "0 mod/config.cfg:2"},
        LineCase{"the last line wins", GoldSrc, "cl_allowupload 0\ncl_allowupload 1\n",
                 "1 mod/config.cfg:2"},
        LineCase{"a whole-line comment", GoldSrc, "cl_allowupload 1\n// cl_allowupload 0\n",
                 "1 mod/config.cfg:1"},
        LineCase{"a comment where the value would be: the name alone", GoldSrc,
                 "cl_allowupload //0\n", "1 default"},
        LineCase{"a comment after the value", GoldSrc, "cl_allowupload 0 // for now\n",
                 "0 mod/config.cfg:1"},
        LineCase{"commands split by ;", GoldSrc, "bind x y; cl_allowupload 0;echo done\n",
                 "0 mod/config.cfg:1"},
        LineCase{"a ; inside quotes splits nothing", GoldSrc,
                 "alias a \"cl_allowupload 0; echo\"\n", "1 default"},
        LineCase{"any case, as the engine compares names", GoldSrc, "CL_AllowUpload 0\n",
                 "0 mod/config.cfg:1"},
        LineCase{"an unclosed quote runs to the line end", GoldSrc, "cl_allowupload \"0\n",
                 "0 mod/config.cfg:1"},
        LineCase{"GoldSrc: nothing after a NUL runs", GoldSrc,
                 QByteArray("cl_allowupload 1\n\x00cl_allowupload 0\n", 34), "1 mod/config.cfg:1"},
        LineCase{"Xash3D: nothing after a NUL runs", Xash,
                 QByteArray("cl_allowupload 1\n\x00cl_allowupload 0\n", 34), "1 mod/config.cfg:1"},
        LineCase{"GoldSrc: a no-break space before the name is a blank", GoldSrc,
                 "\xC2\xA0"
                 "cl_allowupload 0\n",
                 "0 mod/config.cfg:1"},
        LineCase{"Xash3D: a no-break space is part of the name", Xash,
                 "\xC2\xA0"
                 "cl_allowupload 0\n",
                 "1 default"},
        LineCase{"GoldSrc: a no-break space inside a word goes on the word", GoldSrc,
                 "cl_allowupload\xC2\xA0"
                 "0\n",
                 "1 default"},
        LineCase{"GoldSrc: a UTF-8 mark is blanks", GoldSrc,
                 "\xEF\xBB\xBF"
                 "cl_allowupload 0",
                 "0 mod/config.cfg:1"},
        LineCase{"GoldSrc: ':' is a word, so the value is \":\"", GoldSrc, "cl_allowupload:1\n",
                 ": mod/config.cfg:1"},
        LineCase{"Xash3D: ':' is part of the word", Xash, "cl_allowupload:0\n", "1 default"},
        LineCase{"GoldSrc: a ; after a comment starts a command", GoldSrc,
                 "// note; cl_allowupload 0\n", "0 mod/config.cfg:1"},
        LineCase{"Xash3D: a comment hides the rest of the line", Xash,
                 "// note; cl_allowupload 0\n", "1 default"},
        LineCase{"Xash3D: a comment after a blank hides a later ;", Xash,
                 "cl_allowupload 1 // was; cl_allowupload 0\n", "1 mod/config.cfg:1"},
        LineCase{"GoldSrc: the same line runs both", GoldSrc,
                 "cl_allowupload 1 // was; cl_allowupload 0\n", "0 mod/config.cfg:1"},
        LineCase{"GoldSrc: a carriage return is a blank", GoldSrc,
                 "cl_allowupload 0\rcl_allowupload 1\n", "0 mod/config.cfg:1"},
        LineCase{"Xash3D: a carriage return ends a command", Xash,
                 "cl_allowupload 0\rcl_allowupload 1\n", "1 mod/config.cfg:1"},
        LineCase{"GoldSrc: a backslash does not escape a quote", GoldSrc,
                 "alias a \"x \\\"; cl_allowupload 0\n", "0 mod/config.cfg:1"},
        LineCase{"Xash3D: \\\" stays inside the quotes", Xash,
                 "alias a \"x \\\"; cl_allowupload 0\n", "1 default"},
        LineCase{"GoldSrc: a command is cut at 1023 bytes", GoldSrc,
                 "cl_allowupload " + QByteArray(1008, ' ') + "0\n", "1 default"},
        LineCase{"Xash3D: a command of 2047 bytes is dropped", Xash,
                 "cl_allowupload 0 " + QByteArray(2040, ' ') + "\n", "1 default"}));

// Numbers ------------------------------------------------------------------------------------

TEST(EngineNumbers, EachEngineReadsAValueAsItsOwnAtofDoes) {
    struct Case {
        const char* value;
        bool goldSrcOn, xashOn;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"1", true, true},       {"0", false, false},   {"", false, false},
             {"0.5", true, true},     {"-1", true, true},    {" 1", true, true},
             {"\t1", true, false},    {"0.0", false, false}, {"off", false, false},
             {"1abc", true, true},    {"+1", true, false},   {"0e5", false, false},
             {"1e-400", false, true}, {"1e999", true, true}, {"0x0z", false, false},
             {"'a", false, true},     {"0x1", true, true},   {"0x100000000", true, false},
             {"inf", true, false},    {"nan", true, false},  {"'a'", false, true}}) {
        EXPECT_EQ(settingIsOn(c.value, GoldSrc), c.goldSrcOn) << "GoldSrc \"" << c.value << '"';
        EXPECT_EQ(settingIsOn(c.value, Xash), c.xashOn) << "Xash3D \"" << c.value << '"';
    }
}

// Orders -------------------------------------------------------------------------------------

struct OrderCase {
    const char* what;
    QMap<QString, QByteArray> files;
    const char* windows;  // what uploadAfter says of each start
    const char* linux;
    const char* xash;
};

void PrintTo(const OrderCase& c, std::ostream* os) {
    *os << c.what;
}

class EngineOrders : public ::testing::TestWithParam<OrderCase> {};

TEST_P(EngineOrders, EachStartRunsItsFilesInItsOrder) {
    const OrderCase& c = GetParam();
    for (const auto& [order, expected] :
         {std::pair{Windows, c.windows}, std::pair{Linux, c.linux}, std::pair{XashStart, c.xash}}) {
        ConfigFiles files = filesOf(c.files);
        EXPECT_EQ(uploadAfter(files, order), expected) << static_cast<int>(order);
    }
}

const QByteArray kValveRc = "exec config.cfg\nexec autoexec.cfg\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, EngineOrders,
    ::testing::Values(OrderCase{"Windows runs config.cfg again after autoexec.cfg",
                                {{"valve/valve.rc", kValveRc},
                                 {"mod/config.cfg", "cl_allowupload \"0\"\nexec userconfig.cfg\n"},
                                 {"mod/autoexec.cfg", "cl_allowupload 1\n"}},
                                "0 mod/config.cfg:1",
                                "1 mod/autoexec.cfg:1",
                                "1 mod/autoexec.cfg:1"},
                      OrderCase{"userconfig.cfg runs at its exec line, not after the file",
                                {{"valve/valve.rc", kValveRc},
                                 {"mod/config.cfg", "exec userconfig.cfg\ncl_allowupload 1\n"},
                                 {"mod/userconfig.cfg", "cl_allowupload 0\n"}},
                                "1 mod/config.cfg:2",
                                "1 mod/config.cfg:2",
                                "1 mod/config.cfg:2"},
                      OrderCase{"userconfig.cfg without its exec line does not run",
                                {{"valve/valve.rc", kValveRc},
                                 {"mod/config.cfg", "cl_allowupload 1\n"},
                                 {"mod/userconfig.cfg", "cl_allowupload 0\n"}},
                                "1 mod/config.cfg:1",
                                "1 mod/config.cfg:1",
                                "1 mod/config.cfg:1"},
                      OrderCase{"a file an exec line names runs in its place",
                                {{"valve/valve.rc", kValveRc},
                                 {"mod/autoexec.cfg", "exec net.cfg\n"},
                                 {"mod/net.cfg", "cl_allowupload 0\n"}},
                                "0 mod/net.cfg:1",
                                "0 mod/net.cfg:1",
                                "0 mod/net.cfg:1"},
                      OrderCase{"a mod without a file of its own runs valve's",
                                {{"valve/valve.rc", kValveRc},
                                 {"valve/autoexec.cfg", "cl_allowupload 0\n"}},
                                "0 valve/autoexec.cfg:1",
                                "0 valve/autoexec.cfg:1",
                                "0 valve/autoexec.cfg:1"},
                      OrderCase{"the mod's own file wins over valve's",
                                {{"valve/valve.rc", kValveRc},
                                 {"valve/autoexec.cfg", "cl_allowupload 0\n"},
                                 {"mod/autoexec.cfg", "cl_allowupload 1\n"}},
                                "1 mod/autoexec.cfg:1",
                                "1 mod/autoexec.cfg:1",
                                "1 mod/autoexec.cfg:1"},
                      OrderCase{"without valve.rc the game's own lines are taken",
                                {{"mod/autoexec.cfg", "cl_allowupload 0\n"}},
                                "0 mod/autoexec.cfg:1",
                                "0 mod/autoexec.cfg:1",
                                "0 mod/autoexec.cfg:1"},
                      OrderCase{"GoldSrc takes only .cfg and .rc; Xash3D adds .cfg",
                                {{"valve/valve.rc", kValveRc},
                                 {"mod/autoexec.cfg", "exec net\n"},
                                 {"mod/net.cfg", "cl_allowupload 0\n"}},
                                "1 default",
                                "1 default",
                                "0 mod/net.cfg:1"},
                      OrderCase{"an .rc file runs too",
                                {{"valve/valve.rc", kValveRc},
                                 {"mod/autoexec.cfg", "exec more.RC\n"},
                                 {"mod/more.RC", "cl_allowupload 0\n"}},
                                "0 mod/more.RC:1",
                                "0 mod/more.RC:1",
                                "0 mod/more.RC:1"},
                      OrderCase{"GoldSrc refuses a name with ~ in it",
                                {{"valve/valve.rc", kValveRc},
                                 {"mod/autoexec.cfg", "exec net~1.cfg\n"},
                                 {"mod/net~1.cfg", "cl_allowupload 0\n"}},
                                "1 default",
                                "1 default",
                                "0 mod/net~1.cfg:1"},
                      OrderCase{"Xash3D runs userconfig.d after config.cfg",
                                {{"valve/valve.rc", kValveRc},
                                 {"mod/config.cfg", "cl_allowupload 1\n"},
                                 {"mod/userconfig.d/b.cfg", "cl_allowupload 0\n"}},
                                "1 mod/config.cfg:1",
                                "1 mod/config.cfg:1",
                                "0 mod/userconfig.d/b.cfg:1"},
                      OrderCase{"Xash3D runs config.cfg itself when valve.rc does not",
                                {{"valve/valve.rc", "exec autoexec.cfg\n"},
                                 {"mod/config.cfg", "cl_allowupload 0\n"},
                                 {"mod/autoexec.cfg", "cl_allowupload 1\n"}},
                                "0 mod/config.cfg:1",
                                "1 mod/autoexec.cfg:1",
                                "0 mod/config.cfg:1"}));

TEST(EngineOrders, AnExecLoopEndsAndIsSaid) {
    ConfigFiles files = filesOf({{"valve/valve.rc", "exec a.cfg\n"},
                                 {"mod/a.cfg", "exec b.cfg\nexec b.cfg\ncl_allowupload 0\n"},
                                 {"mod/b.cfg", "exec a.cfg\nexec a.cfg\n"}});
    const ConfigRun run = runConfig(files, Windows);
    EXPECT_TRUE(run.loopStopped);
    EXPECT_LE(run.ran.size(), kMaxExecs);
    EXPECT_EQ(finalSetting(run, "cl_allowupload", "1").value, QByteArray("0"));
}

TEST(EngineOrders, TheQuitRewriteKeepsTheEndValueAndEndsByRunningUserconfig) {
    ConfigFiles files = filesOf({{"valve/valve.rc", kValveRc},
                                 {"mod/config.cfg", "cl_allowupload 1\nexec userconfig.cfg\n"},
                                 {"mod/autoexec.cfg", "cl_allowupload \"0\"\n"}});
    const QByteArray after =
        configAfterQuit(runConfig(files, Linux), {{"cl_allowupload", "1"}, {"r_decals", "4096"}});
    EXPECT_TRUE(after.contains("\ncl_allowupload \"0\"\nr_decals \"4096\"\n"));
    EXPECT_TRUE(after.endsWith("exec userconfig.cfg\n"));
}

}  // namespace
