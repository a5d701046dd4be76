// The lump compiler's run: the script it reads, the private work folder it runs in, and how a
// compiler that is missing, hangs or fails is answered.

#include "helpers/createsprays.h"
#include "helpers/enginecheck.h"
#include "helpers/testenv.h"
#include "install/compiler.h"
#include "platform/files.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <optional>

using namespace velmira;
using namespace velmira::test;

namespace {

TEST(Makels, WritesTheFiveLineScriptByteForByte) {
    TestEnv env;
    const QString bmp = env.scratch.write(QStringLiteral("Spray Dir/my logo.bmp"), bitmap8(16, 16));
    const QString work = env.scratch.mkdir(QStringLiteral("Work Folder"));
    const LumpPaths paths = Makels(bmp, work, env.errors);
    ASSERT_FALSE(paths.ScriptPath.isEmpty());
    EXPECT_TRUE(paths.ScriptPath.startsWith(work + SEP));
    EXPECT_TRUE(paths.WadPath.startsWith(work + SEP));
    EXPECT_FALSE(QFileInfo::exists(paths.WadPath));
    const QString wadName = QFileInfo(paths.WadPath).fileName();
    EXPECT_EQ(readFile(paths.ScriptPath),
              ("$DEST    \"" + shortPath(work) + SEP + wadName + "\"\r\n\r\n$loadbmp    \"" +
               shortPath(bmp) + "\"\r\nVELMR  miptex -1 -1 -1 -1\r\n\r\n")
                  .toLocal8Bit());
    const LumpPaths again = Makels(bmp, work, env.errors);
    EXPECT_NE(again.ScriptPath, paths.ScriptPath);
    EXPECT_NE(again.WadPath, paths.WadPath);
    EXPECT_NE(again.ScriptPath, again.WadPath);
}

TEST(WorkFolder, IsMadeInTheProgramFolderUnlessItCannotServe) {
    TestEnv env;
    EXPECT_EQ(workFolderFor(env.services.programFolder), env.services.programFolder);
    const QString runtime = env.scratch.mkdir(QStringLiteral("runtime"));
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    EXPECT_EQ(workFolderFor(env.scratch.path(QStringLiteral("no such folder"))), runtime)
        << "the user's own runtime folder";
#ifndef Q_OS_WIN
    const QString quoted = env.scratch.mkdir(QStringLiteral("a \"quoted\" folder"));
    EXPECT_EQ(workFolderFor(quoted), runtime) << "a quote cannot stand in the script";
#endif
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(workFolderFor(env.scratch.path(QStringLiteral("no such folder"))),
              QDir::toNativeSeparators(QDir::tempPath()));
    qputenv("XDG_RUNTIME_DIR", saved);
}

// TMP/TEMP (Windows) or TMPDIR naming a folder that is not there, or one whose name the
// script cannot hold: the work folder still has a folder, and it is always named.
TEST(WorkFolder, FallsBackToTheSystemsTemporaryFolderAndNamesIt) {
    TestEnv env;
    // The variables as they were come back however the test ends.
    struct Variables {
        const std::vector<const char*> names{"TMPDIR", "TMP", "TEMP", "XDG_RUNTIME_DIR"};
        std::vector<std::optional<QString>> saved;
        Variables() {
            for (const char* name : names)
                saved.push_back(qEnvironmentVariableIsSet(name)
                                    ? std::optional<QString>(qEnvironmentVariable(name))
                                    : std::nullopt);
        }
        ~Variables() {
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (saved[i])
                    set(names[i], *saved[i]);
                else
                    qunsetenv(names[i]);
            }
        }
        static void set(const char* name, const QString& value) {
#ifdef Q_OS_WIN
            // Wide, so that a name outside the code page arrives whole.
            _wputenv_s(QString::fromLatin1(name).toStdWString().c_str(),
                       value.toStdWString().c_str());
#else
            qputenv(name, QFile::encodeName(value));
#endif
        }
        void pointAllAt(const QString& folder) const {
            for (const char* name : names)
                set(name, folder);
        }
    } variables;
    variables.pointAllAt(env.scratch.path(QStringLiteral("missing")));
    const QString fallback = workFolderFor(env.scratch.path(QStringLiteral("no such folder")));
    EXPECT_TRUE(QFileInfo(fallback).isDir()) << fallback.toStdString();
    {
        const WorkFolder work(env.scratch.path(QStringLiteral("no such folder")));
        EXPECT_FALSE(work.path().isEmpty()) << work.problem().toStdString();
    }
    // A profile whose name is outside the system's code page: its short form serves.
    const QString foreign = env.scratch.mkdir(QString::fromUtf8("temp \xce\xa9\xe6\x97\xa5"));
    variables.pointAllAt(foreign);
    const QString chosen = workFolderFor(env.scratch.path(QStringLiteral("no such folder")));
#ifdef Q_OS_WIN
    EXPECT_EQ(chosen, QDir::toNativeSeparators(foreign));
    const WorkFolder work(env.scratch.path(QStringLiteral("no such folder")));
    ASSERT_FALSE(work.path().isEmpty()) << work.problem().toStdString();
    EXPECT_TRUE(safeInScript(shortPath(work.path()))) << shortPath(work.path()).toStdString();
#else
    EXPECT_EQ(chosen, safeInScript(foreign) ? foreign : fallback);
#endif
}

TEST(WorkFolder, IsPrivateNewForEachPassAndGoesAwayWithItsFiles) {
    TestEnv env;
    QString first;
    {
        const WorkFolder work(env.services.programFolder);
        first = work.path();
        ASSERT_FALSE(first.isEmpty()) << work.problem().toStdString();
        EXPECT_EQ(QFileInfo(first).absolutePath(),
                  QDir::fromNativeSeparators(env.services.programFolder));
#ifndef Q_OS_WIN
        const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                            QFileDevice::WriteOther | QFileDevice::ExeOther;
        EXPECT_EQ(QFileInfo(first).permissions() & others, QFileDevice::Permissions())
            << "nobody but the owner may look in or plant files";
#endif
        const WorkFolder second(env.services.programFolder);
        EXPECT_NE(second.path(), first);
        QFile left(QDir(first).filePath(QStringLiteral("left.tmp")));
        ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    }
    EXPECT_FALSE(QFileInfo::exists(first)) << "removed with what was left in it";
}

TEST(Makels, AMissingBitmapIsReportedAtStep7AfterTheFirstLines) {
    TestEnv env;
    int closed = 0;
    env.errors.setMainWindowCloser([&] { ++closed; });
    const QString work = env.scratch.mkdir(QStringLiteral("work"));
    const LumpPaths paths = Makels(env.scratch.path(QStringLiteral("gone.bmp")), work, env.errors);
    EXPECT_TRUE(paths.ScriptPath.isEmpty());
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_TRUE(env.prompts.shown[0].text.endsWith(QStringLiteral("Sub: frmMain.Makels()-7")));
    EXPECT_EQ(env.prompts.shown[0].title, QStringLiteral("File not found"));
    EXPECT_EQ(closed, 1);
    const QStringList left = tempFilesIn(work);
    ASSERT_EQ(left.size(), 1);
    EXPECT_TRUE(readFile(joinPath(work, left[0])).endsWith("\"\r\n\r\n"))
        << "line 1 and the empty line 2";
}

TEST(ProcessRunner, AFailedStartRecordsTheSystemsErrorCode) {
    TestEnv env;
    const RunResult missing = env.runner.run(env.scratch.path(QStringLiteral("no such program")),
                                             {QStringLiteral("x")}, 5000);
    EXPECT_FALSE(missing.started);
#ifdef Q_OS_WIN
    EXPECT_EQ(missing.systemError, 2) << "ERROR_FILE_NOT_FOUND";
#else
    EXPECT_EQ(missing.systemError, ENOENT);
    const QString plain = env.scratch.write(QStringLiteral("not a program"), "text");
    const RunResult notProgram = env.runner.run(plain, {}, 5000);
    EXPECT_FALSE(notProgram.started);
    EXPECT_EQ(notProgram.systemError, EACCES);
#endif
}

TEST(MakeWad, AnswersQlumpyMissingWithoutWritingAnything) {
    TestEnv env;
    const QString bmp = env.scratch.write(QStringLiteral("a.bmp"), bitmap8(16, 16));
    env.scratch.write(QStringLiteral("hl/") + compilerFileName(), "elsewhere");
    const WorkFolder work(env.services.programFolder);
    EXPECT_EQ(MakeWad(bmp, env.services, work.path()), QStringLiteral("Qlumpy Missing"));
    EXPECT_TRUE(QDir(work.path()).isEmpty());
}

TEST(MakeWad, RunsTheCompilerOnTheScriptAndDeletesTheScript) {
    TestEnv env;
    useFakeCompiler(env, "record");
    const QString bmp = env.scratch.write(QStringLiteral("a.bmp"), bitmap8(16, 16));
    const WorkFolder work(env.services.programFolder);
    const QString wad = MakeWad(bmp, env.services, work.path());
    EXPECT_TRUE(wad.startsWith(work.path() + SEP));
    const QStringList args =
        QString::fromUtf8(readFile(env.scratch.path(QStringLiteral("program/args.txt"))))
            .split('\n');
    ASSERT_EQ(args.size(), 1) << "one argument, passed as it is";
    EXPECT_TRUE(args[0].startsWith(shortPath(work.path()) + SEP + QStringLiteral("rad")))
        << "the script by its short path";
    EXPECT_FALSE(QFileInfo::exists(args[0])) << "the script is deleted";
    EXPECT_TRUE(QDir(work.path()).isEmpty());
}

TEST(MakeWad, AHangingCompilerIsKilledAndLeavesNoWad) {
    TestEnv env;
    env.services.compileTimeoutMs = 300;
    useFakeCompiler(env, "hang");
    const QString bmp = env.scratch.write(QStringLiteral("a.bmp"), bitmap8(16, 16));
    const WorkFolder work(env.services.programFolder);
    const QString wad = MakeWad(bmp, env.services, work.path());
    EXPECT_FALSE(wad.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(wad));
    EXPECT_TRUE(QDir(work.path()).isEmpty());
    EXPECT_EQ(env.exit.ended, 0);
}

TEST(MakeWad, APathThatWouldBreakTheScriptIsCompiledFromAPlainCopy) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "such names cannot exist here";
#else
    TestEnv env;
    installProgram(QStringLiteral(VELMIRA_QLUMPY), env.services.programFolder);
    // Larger than one read of the copy, so that a copy cut short would not compile.
    const QString bmp = env.scratch.write(QStringLiteral("say \"hi\"\nnow.bmp"), bitmap8(256, 256));
    const WorkFolder work(env.services.programFolder);
    const QString wad = MakeWad(bmp, env.services, work.path());
    EXPECT_EQ(engineRead(readFile(wad)).problem, QString()) << "the copy compiled";
    QFile::remove(wad);
    EXPECT_TRUE(QDir(work.path()).isEmpty()) << "script and copy are gone";
#endif
}

#ifdef Q_OS_WIN
TEST(MakeWad, OnWindowsTheScriptNamesShortPathsAndTheCompilerIsTheExe) {
    EXPECT_EQ(compilerFileName(), QStringLiteral("qlumpy.exe"));
    TestEnv env;
    installProgram(QStringLiteral(VELMIRA_QLUMPY), env.services.programFolder);
    const QString bmp = env.scratch.write(QStringLiteral("Spray D\u00e9p\u00f4t/my l\u00f6go.bmp"),
                                          bitmap8(32, 32));
    EXPECT_FALSE(shortPath(bmp).contains(QLatin1Char(' '))) << shortPath(bmp).toStdString();
    EXPECT_TRUE(bmp.contains(QLatin1Char('\\')));
    const WorkFolder work(env.services.programFolder);
    const LumpPaths paths = Makels(bmp, work.path(), env.errors);
    QFile script(paths.ScriptPath);
    ASSERT_TRUE(script.open(QIODevice::ReadOnly));
    EXPECT_TRUE(script.readAll().contains(shortPath(bmp).toLocal8Bit()));
    script.close();
    const QString wad = MakeWad(bmp, env.services, work.path());
    EXPECT_EQ(engineRead(readFile(wad)).problem, QString()) << "compiled through its short path";
    EXPECT_TRUE(wad.contains(QLatin1Char('\\')) && !wad.contains(QLatin1Char('/')));
}
#endif

}  // namespace
