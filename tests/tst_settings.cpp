#include "helpers/testenv.h"
#include "platform/settings.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <QCoreApplication>

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace velmira;
using namespace velmira::test;

namespace {

class SettingsTest : public ::testing::TestWithParam<QString> {
  protected:
    Scratch scratch;
    QString file = scratch.path(QStringLiteral("Velmira/Velmira.conf"));
};

TEST_P(SettingsTest, FolderValuesSurviveARoundTripVerbatim) {
    {
        QtSettingsStore store(file);
        store.write(QStringLiteral("File Locations"), QStringLiteral("HLDir"), GetParam());
    }
    QtSettingsStore again(file);
    EXPECT_EQ(again.read(QStringLiteral("File Locations"), QStringLiteral("HLDir"), QString()),
              GetParam());
}

INSTANTIATE_TEST_SUITE_P(Paths, SettingsTest,
                         ::testing::Values(QStringLiteral("/home/me/Half-Life"),
                                           QStringLiteral("C:\\Games\\Half Life\\"),
                                           QStringLiteral("/a,b/c,d"), QStringLiteral("/x#y;z=w"),
                                           QStringLiteral("/\"quoted\" 'too'"),
                                           QStringLiteral(" leading blank"),
                                           QStringLiteral("trailing blank "),
                                           QStringLiteral("/Spiele/Ünïcödé/スプレー"),
                                           QStringLiteral("@Variant(x)"), QString()));

TEST(Settings, AbsentValuesReadAsTheDefault) {
    Scratch scratch;
    QtSettingsStore store(scratch.path(QStringLiteral("none.conf")));
    EXPECT_EQ(store.read(QStringLiteral("Preferences"), QStringLiteral("ShowPreview"),
                         QStringLiteral("False")),
              QStringLiteral("False"));
}

TEST(Settings, AValueTheFileAlreadyHoldsIsNotWrittenAgain) {
    Scratch scratch;
    const QString file = scratch.path(QStringLiteral("Velmira.conf"));
    QtSettingsStore(file).write(QStringLiteral("Preferences"), QStringLiteral("ShowPreview"),
                                QStringLiteral("True"));
    const QDateTime past = QDateTime::currentDateTime().addDays(-1);
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(past, QFileDevice::FileModificationTime));
    }
    QtSettingsStore store(file);
    store.write(QStringLiteral("Preferences"), QStringLiteral("ShowPreview"),
                QStringLiteral("True"));
    EXPECT_EQ(QFileInfo(file).lastModified().toSecsSinceEpoch(), past.toSecsSinceEpoch());
    store.write(QStringLiteral("Preferences"), QStringLiteral("ShowPreview"),
                QStringLiteral("False"));
    EXPECT_NE(QFileInfo(file).lastModified().toSecsSinceEpoch(), past.toSecsSinceEpoch());
    // Another copy of the program changes the file meanwhile: what this one writes is what the
    // file holds when it writes, not what it read.
    {
        QFile other(file);
        ASSERT_TRUE(other.open(QIODevice::WriteOnly | QIODevice::Truncate));
        other.write("[Preferences]\nShowPreview=True\n");
        other.close();
        ASSERT_TRUE(other.open(QIODevice::ReadWrite));
        ASSERT_TRUE(other.setFileTime(past, QFileDevice::FileModificationTime));
    }
    store.write(QStringLiteral("Preferences"), QStringLiteral("ShowPreview"),
                QStringLiteral("False"));
    EXPECT_EQ(QtSettingsStore(file).read(QStringLiteral("Preferences"),
                                         QStringLiteral("ShowPreview"), QString()),
              QStringLiteral("False"));
}

#ifndef Q_OS_WIN
TEST(Settings, ASettingsFileThatIsNoneIsReadAsEmptyToldOnceAndLeftAlone) {
    Scratch scratch;
    const QString fifo = scratch.path(QStringLiteral("fifo.conf"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile huge(scratch.path(QStringLiteral("huge.conf")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(kMaxSettingsFileSize + 1));
    huge.close();
    for (const QString& file : {fifo, huge.fileName()}) {
        QtSettingsStore store(file);
        EXPECT_EQ(store.read(QStringLiteral("File Locations"), QStringLiteral("HLDir"),
                             QStringLiteral("none")),
                  QStringLiteral("none"));
        EXPECT_ANY_THROW(
            store.write(QStringLiteral("Preferences"), QStringLiteral("A"), QStringLiteral("1")));
        EXPECT_NO_THROW(
            store.write(QStringLiteral("Preferences"), QStringLiteral("B"), QStringLiteral("1")))
            << "told once";
    }
    EXPECT_FALSE(QFileInfo(fifo).isFile()) << "the FIFO is left as it is";
    EXPECT_EQ(QFileInfo(huge.fileName()).size(), kMaxSettingsFileSize + 1);
}
#endif

TEST(Settings, AWriteIsOnDiskBeforeItReturns) {
    Scratch scratch;
    const QString file = scratch.path(QStringLiteral("Velmira.conf"));
    QtSettingsStore store(file);
    store.write(QStringLiteral("Preferences"), QStringLiteral("ShowPreview"),
                QStringLiteral("True"));
    {
        // Read the file behind the store's back, as a program started after an abrupt end would.
        QSettings raw(file, QSettings::IniFormat);
        EXPECT_EQ(raw.value(QStringLiteral("Preferences/ShowPreview")).toString(),
                  QStringLiteral("True"));
        QFile text(file);
        ASSERT_TRUE(text.open(QIODevice::ReadOnly));
        EXPECT_TRUE(text.readAll().contains("[Preferences]"));
    }
    // So is a removal.
    store.remove(QStringLiteral("Preferences"), QStringLiteral("ShowPreview"));
    QSettings again(file, QSettings::IniFormat);
    EXPECT_FALSE(again.contains(QStringLiteral("Preferences/ShowPreview")));
}

TEST(Settings, AHandEditedValueWithCommasReadsBackAsWritten) {
    Scratch scratch;
    const QString file =
        scratch.write(QStringLiteral("Velmira.conf"), "[File%20Locations]\nBMPDir=/a,b,c\n");
    QtSettingsStore store(file);
    EXPECT_EQ(store.read(QStringLiteral("File Locations"), QStringLiteral("BMPDir"), QString()),
              QStringLiteral("/a,b,c"));
}

TEST(Settings, AStoreOfRandomBytesIsRewrittenWithoutAFailure) {
    Scratch scratch;
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise.append(static_cast<char>((i * 131 + 7) % 256));
    const QString file = scratch.write(QStringLiteral("Velmira.conf"), noise);
    QtSettingsStore store(file);
    EXPECT_NO_THROW(store.write(QStringLiteral("Preferences"), QStringLiteral("ShowPreview"),
                                QStringLiteral("True")));
    EXPECT_EQ(QtSettingsStore(file).read(QStringLiteral("Preferences"),
                                         QStringLiteral("ShowPreview"), QString()),
              QStringLiteral("True"));
}

#ifdef Q_OS_WIN
TEST(Settings, OnWindowsTheStoreIsTheRegistryKeyEarlierReleasesUsed) {
    EXPECT_TRUE(userStoreLocation().endsWith(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Velmira"),
        Qt::CaseInsensitive))
        << userStoreLocation().toStdString();
    // A key of the same shape, of this test's own.
    const QString sub = QStringLiteral("Software\\VB and VBA Program Settings\\VelmiraTest%1")
                            .arg(QCoreApplication::applicationPid());
    QtSettingsStore store =
        QtSettingsStore::registryKey(QStringLiteral("HKEY_CURRENT_USER\\") + sub);
    store.write(QStringLiteral("File Locations"), QStringLiteral("HLDir"),
                QStringLiteral("C:\\Games\\Half-Life"));
    wchar_t value[512] = {};
    DWORD size = sizeof value;
    const std::wstring section = (sub + QStringLiteral("\\File Locations")).toStdWString();
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, section.c_str(), L"HLDir", RRF_RT_REG_SZ, nullptr,
                           value, &size),
              ERROR_SUCCESS)
        << "a string value under the section's own key, written before write() returned";
    EXPECT_EQ(QString::fromWCharArray(value), QStringLiteral("C:\\Games\\Half-Life"));
    // What an earlier release stored is read.
    const std::wstring preferences = (sub + QStringLiteral("\\Preferences")).toStdWString();
    const wchar_t yes[] = L"True";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, preferences.c_str(), L"ShowPreview", REG_SZ, yes,
                              sizeof yes),
              ERROR_SUCCESS);
    EXPECT_EQ(store.read(QStringLiteral("Preferences"), QStringLiteral("ShowPreview"), QString()),
              QStringLiteral("True"));
    RegDeleteTreeW(HKEY_CURRENT_USER, sub.toStdWString().c_str());
}
#endif

TEST(Settings, AnUnwritableStoreIsAFailureNotSilence) {
    Scratch scratch;
    // A store whose folder is a plain file cannot be written, whatever the user's rights.
    scratch.write(QStringLiteral("not-a-folder"), "x");
    QtSettingsStore store(scratch.path(QStringLiteral("not-a-folder/Velmira.conf")));
    EXPECT_THROW(store.write(QStringLiteral("Preferences"), QStringLiteral("ShowPreview"),
                             QStringLiteral("True")),
                 VelmiraError);
}

}  // namespace
