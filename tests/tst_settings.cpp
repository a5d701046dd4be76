#include "helpers/testenv.h"
#include "platform/settings.h"

#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

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

TEST(Settings, AWriteIsOnDiskBeforeItReturns) {
    Scratch scratch;
    const QString file = scratch.path(QStringLiteral("Velmira.conf"));
    QtSettingsStore store(file);
    store.write(QStringLiteral("Preferences"), QStringLiteral("ShowPreview"),
                QStringLiteral("True"));
    // Read the file behind the store's back, as a program started after an abrupt end would.
    QSettings raw(file, QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Preferences/ShowPreview")).toString(),
              QStringLiteral("True"));
    QFile text(file);
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_TRUE(text.readAll().contains("[Preferences]"));
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
