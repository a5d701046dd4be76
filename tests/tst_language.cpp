#include "helpers/testenv.h"
#include "platform/desktop.h"
#include "platform/language.h"
#include "ui/mainwindow.h"
#include "ui/makerdialog.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <gtest/gtest.h>

#include <ostream>

using namespace velmira;
using namespace velmira::test;

namespace {

const QStringList kEnglishSystem = {QStringLiteral("en-US")};

// Every caption of the menu bar, each item as "objectName=text", submenus' items too.
QStringList menuCaptions(QMainWindow& window) {
    QStringList captions;
    const std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (QAction* item : menu->actions()) {
            captions << item->objectName() + QLatin1Char('=') + item->text();
            if (item->menu())
                walk(item->menu());
        }
    };
    for (QAction* top : window.menuBar()->actions()) {
        captions << top->text();
        walk(top->menu());
    }
    return captions;
}

// The system's list of languages -> the language offered for it.
struct SystemCase {
    QStringList uiLanguages;
    const char* expected;
};

class SystemLanguage : public ::testing::TestWithParam<SystemCase> {};

TEST_P(SystemLanguage, IsTheFirstOfferedLanguageTheSystemAsksForElseEnglish) {
    EXPECT_EQ(systemLanguage(GetParam().uiLanguages), QLatin1String(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, SystemLanguage,
    ::testing::Values(SystemCase{{"ru-RU"}, "ru"}, SystemCase{{"ru"}, "ru"},
                      SystemCase{{"zh-Hans-CN"}, "zh_CN"}, SystemCase{{"zh-CN"}, "zh_CN"},
                      SystemCase{{"zh-SG"}, "zh_CN"},
                      // Traditional Chinese is not offered: the next language asked for is.
                      SystemCase{{"zh-TW", "en-US"}, "en"}, SystemCase{{"zh-Hant-HK"}, "en"},
                      SystemCase{{"es-MX"}, "es"}, SystemCase{{"pt-BR"}, "pt_BR"},
                      SystemCase{{"pt-PT"}, "pt_BR"}, SystemCase{{"de-AT", "en-GB"}, "de"},
                      SystemCase{{"ja-JP", "fr-CA"}, "fr"}, SystemCase{{"pl-PL"}, "pl"},
                      SystemCase{{"en-GB", "de-DE"}, "en"}, SystemCase{{"ja-JP"}, "en"},
                      SystemCase{{}, "en"}, SystemCase{{"", "C"}, "en"}));

TEST(Language, TheMenuOffersEachLanguageByItsOwnNameEnglishLast) {
    QStringList names;
    for (const Language& language : offeredLanguages())
        names << language.name;
    EXPECT_EQ(names, QStringList({"Русский", "简体中文", "Español", "Português (Brasil)", "Deutsch",
                                  "Français", "Polski", "English"}));
}

TEST(Language, TheChoiceIsKeptAcrossARestartAndAsTheSystemForgetsIt) {
    TestEnv env;
    const QString file = env.scratch.path(QStringLiteral("config/Velmira.conf"));
    {
        LanguageSwitch language(env.settings, kEnglishSystem, {});
        language.start();
        EXPECT_EQ(language.current(), QLatin1String("en"));
        language.choose(QStringLiteral("de"));
        EXPECT_EQ(language.current(), QLatin1String("de"));
    }
    {
        // A new start reads the store afresh.
        QtSettingsStore again(file);
        EXPECT_EQ(again.read(Setting::Preferences, Setting::Language, QString()),
                  QLatin1String("de"));
        LanguageSwitch language(again, kEnglishSystem, {});
        language.start();
        EXPECT_EQ(language.chosen(), QLatin1String("de"));
        EXPECT_EQ(language.current(), QLatin1String("de"));
        language.choose(QString());
        EXPECT_EQ(language.current(), QLatin1String("en"));
    }
    QtSettingsStore third(file);
    EXPECT_EQ(third.read(Setting::Preferences, Setting::Language, QStringLiteral("<absent>")),
              QLatin1String("<absent>"));
    // The settings the program keeps are not touched.
    EXPECT_EQ(third.read(Setting::Preferences, Setting::ShowPreview, QStringLiteral("<absent>")),
              QLatin1String("<absent>"));
}

TEST(Language, AStoredLanguageThatIsNotOfferedFallsBackToTheSystems) {
    for (const char* stored : {"tlh", "zh_TW", "EN", "de_DE", "", "ru "}) {
        TestEnv env;
        env.settings.write(Setting::Preferences, Setting::Language, QString::fromUtf8(stored));
        LanguageSwitch language(env.settings, {QStringLiteral("pl-PL")}, {});
        language.start();
        EXPECT_EQ(language.chosen(), QString()) << stored;
        EXPECT_EQ(language.current(), QLatin1String("pl")) << stored;
    }
}

// A choice that cannot be kept is told; the language and the menu's mark stay as they were.
TEST(Language, AChoiceThatCannotBeSavedIsToldAndChangesNothing) {
    TestEnv env;
    env.scratch.write(QStringLiteral("not-a-folder"), "x");
    QtSettingsStore unwritable(env.scratch.path(QStringLiteral("not-a-folder/Velmira.conf")));
    Services services{unwritable,
                      env.prompts,
                      env.desktop,
                      env.help,
                      env.runner,
                      env.errors,
                      env.scratch.mkdir(QStringLiteral("program"))};
    LanguageSwitch language(unwritable, kEnglishSystem, {});
    language.start();
    services.language = &language;
    MainWindow window(env.state, services, env.windows);
    window.findChild<QAction*>(QStringLiteral("mnuLanguage_ru"))->trigger();
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_TRUE(
        env.prompts.shown[0].text.contains(QLatin1String("frmMain.mnuFileLanguage_Click()")));
    EXPECT_EQ(env.exit.ended, 0);
    EXPECT_FALSE(window.isUnloaded());
    EXPECT_EQ(language.current(), QLatin1String("en"));
    EXPECT_TRUE(window.findChild<QAction*>(QStringLiteral("mnuLanguageSystem"))->isChecked());
    EXPECT_FALSE(window.findChild<QAction*>(QStringLiteral("mnuLanguage_ru"))->isChecked());
}

// One row a language: the program's translation is embedded and loads, its help page is
// there, and the main window's Language menu shows the choice.
class EveryLanguage : public ::testing::TestWithParam<const char*> {};

TEST_P(EveryLanguage, IsEmbeddedChosenFromTheMenuAndCheckedThere) {
    const QString code = QString::fromLatin1(GetParam());
    if (code != QLatin1String("en")) {
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/velmira/i18n/velmira_%1.qm").arg(code)))
            << GetParam();
    }
    // The help in the language, saying which it is and in which encoding.
    const QString page = helpFileFor(QStringLiteral(VELMIRA_SOURCE_DIR "/resources"), code);
    EXPECT_EQ(QFileInfo(page).fileName(), code == QLatin1String("en")
                                              ? QStringLiteral("Velmr04.html")
                                              : QStringLiteral("Velmr04_%1.html").arg(code));
    QFile help(page);
    ASSERT_TRUE(help.open(QIODevice::ReadOnly)) << qPrintable(page);
    const QByteArray html = help.readAll();
    EXPECT_TRUE(html.contains("<meta charset=\"utf-8\">")) << GetParam();
    EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"%1\">")
                                  .arg(QString(code).replace(QLatin1Char('_'), QLatin1Char('-')))
                                  .toLatin1()))
        << GetParam();
    TestEnv env;
    LanguageSwitch language(env.settings, kEnglishSystem, {});
    language.start();
    env.services.language = &language;
    MainWindow window(env.state, env.services, env.windows);
    auto* item = window.findChild<QAction*>(QStringLiteral("mnuLanguage_") + code);
    ASSERT_NE(item, nullptr);
    item->trigger();
    EXPECT_EQ(language.current(), code);
    EXPECT_EQ(env.settings.read(Setting::Preferences, Setting::Language, QString()), code);
    EXPECT_TRUE(item->isChecked());
    window.findChild<QAction*>(QStringLiteral("mnuLanguageSystem"))->trigger();
    EXPECT_EQ(language.current(), QLatin1String("en"));
    EXPECT_FALSE(item->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryLanguage,
                         ::testing::Values("ru", "zh_CN", "es", "pt_BR", "de", "fr", "pl", "en"));

// The main window in a language, and back in English: every menu caption and a message box
// read exactly as the program's English texts again.
struct ShownCase {
    const char* language;
    const char* fileMenu;
    const char* exitItem;
    const char* readMeMissing;
};

class MainWindowSpeaks : public ::testing::TestWithParam<ShownCase> {};

TEST_P(MainWindowSpeaks, ItsMenusAndMessagesAndEnglishCharacterForCharacterAfterwards) {
    TestEnv env;
    LanguageSwitch language(env.settings, kEnglishSystem, {});
    language.start();
    env.services.language = &language;
    MainWindow window(env.state, env.services, env.windows);
    const QStringList english = menuCaptions(window);
    EXPECT_EQ(english.mid(0, 4),
              QStringList({"&File", "mnuFileLoc=&File Locations...", "mnuFileExit=E&xit", "="}));
    for (const char* caption :
         {"&Help", "mnuHelpContents=&Contents...", "mnuHelpViewReadMe=&View ReadMe.txt ...",
          "mnuHelpAbout=&About VELMR ...", "mnuLanguageSystem=As the System"})
        EXPECT_TRUE(english.contains(QString::fromUtf8(caption))) << caption;

    language.choose(QString::fromLatin1(GetParam().language));
    const QStringList shown = menuCaptions(window);
    EXPECT_EQ(shown.size(), english.size());
    EXPECT_EQ(shown.first(), QString::fromUtf8(GetParam().fileMenu));
    EXPECT_TRUE(
        shown.contains(QStringLiteral("mnuFileExit=") + QString::fromUtf8(GetParam().exitItem)));
    // The languages keep their own names in any language.
    EXPECT_TRUE(shown.contains(QStringLiteral("mnuLanguage_de=Deutsch")));
    EXPECT_TRUE(shown.contains(QStringLiteral("mnuLanguage_zh_CN=简体中文")));
    window.mnuHelpViewReadMe_Click();
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_EQ(env.prompts.shown[0].text, QString::fromUtf8(GetParam().readMeMissing));

    language.choose(QStringLiteral("en"));
    EXPECT_EQ(menuCaptions(window), english);
    window.mnuHelpViewReadMe_Click();
    ASSERT_EQ(env.prompts.shown.size(), 2u);
    EXPECT_EQ(env.prompts.shown[1].text, QStringLiteral("Could not find ReadMe.txt!"));
    EXPECT_EQ(env.prompts.shown[1].title, QStringLiteral("File Not Found!"));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, MainWindowSpeaks,
    ::testing::Values(ShownCase{"ru", "&Файл", "В&ыход", "Не удалось найти ReadMe.txt!"},
                      ShownCase{"zh_CN", "文件(&F)", "退出(&X)", "找不到 ReadMe.txt！"},
                      ShownCase{"de", "&Datei", "&Beenden", "ReadMe.txt nicht gefunden!"},
                      ShownCase{"pl", "&Plik", "Za&kończ", "Nie znaleziono ReadMe.txt!"}));

// The first-run hint and the buttons follow the language too.
TEST(Language, TheHintRowsAndButtonsFollowTheLanguage) {
    TestEnv env;
    LanguageSwitch language(env.settings, kEnglishSystem, {});
    env.services.language = &language;
    MainWindow window(env.state, env.services, env.windows);
    window.Form_Load();
    language.choose(QStringLiteral("de"));
    EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("cmdCreate"))->text(),
              QStringLiteral("Sprays erstellen"));
    auto* mods = window.findChild<QListWidget*>(QStringLiteral("listMods"));
    ASSERT_EQ(mods->count(), 2);
    EXPECT_EQ(mods->item(0)->text(), QStringLiteral("Öffne das Hilfe-Menü, wenn du"));
    language.choose(QString());
    EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("cmdCreate"))->text(),
              QStringLiteral("Create Sprays"));
    EXPECT_EQ(mods->item(0)->text(), QStringLiteral("Click on the help menu if you have"));
    EXPECT_EQ(mods->item(1)->text(), QStringLiteral("not used VELMR before."));
}

// The open spray maker follows a change at once: its buttons, lists, title and the made
// spray's facts.
TEST(Language, TheOpenSprayMakerFollowsAChange) {
    TestEnv env;
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(qRgb(200, 30, 30));
    const QString path = env.scratch.path(QStringLiteral("red.png"));
    ASSERT_TRUE(picture.save(path, "PNG"));
    LanguageSwitch language(env.settings, kEnglishSystem, {});
    MakerDialog maker(path, env.scratch.mkdir(QStringLiteral("out")), env.prompts, env.windows, {});
    maker.waitForSpray();
    ASSERT_TRUE(maker.hasSpray());
    auto* save = maker.findChild<QPushButton*>(QStringLiteral("save"));
    auto* seeThrough = maker.findChild<QComboBox*>(QStringLiteral("seeThrough"));
    auto* facts = maker.findChild<QLabel*>(QStringLiteral("facts"));
    ASSERT_TRUE(save && seeThrough && facts);
    const QString englishFacts = facts->text();
    EXPECT_TRUE(englishFacts.endsWith(QLatin1String(" bytes"))) << englishFacts.toStdString();

    language.choose(QStringLiteral("ru"));
    EXPECT_EQ(save->text(), QStringLiteral("&Сохранить"));
    EXPECT_EQ(maker.windowTitle(), QStringLiteral("Сделать спрей – red.png"));
    EXPECT_EQ(seeThrough->itemText(0), QStringLiteral("Нет (без прозрачности)"));
    EXPECT_EQ(seeThrough->count(), 4);
    EXPECT_TRUE(facts->text().contains(QStringLiteral("пикселей"))) << facts->text().toStdString();

    language.choose(QStringLiteral("en"));
    EXPECT_EQ(save->text(), QStringLiteral("&Save"));
    EXPECT_EQ(maker.windowTitle(), QStringLiteral("Make Spray - red.png"));
    EXPECT_EQ(seeThrough->itemText(0), QStringLiteral("None (solid)"));
    EXPECT_EQ(facts->text(), englishFacts);
}

TEST(Language, QtsOwnStandardButtonsSpeakGerman) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(folder + QStringLiteral("/qtbase_de.qm")))
        GTEST_SKIP() << "Qt's own German texts are not installed (Debian: qt6-translations-l10n)";
    TestEnv env;
    LanguageSwitch language(env.settings, kEnglishSystem, {folder});
    language.choose(QStringLiteral("de"));
    EXPECT_TRUE(language.hasQtTexts());
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    language.choose(QStringLiteral("en"));
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
}

// Where Qt's own texts are found: the folders are searched in order, and in each a language's own
// file comes first, then the one without the country (a Qt release may have one Portuguese
// file). The files are copies of the program's German and Russian translations, so that the
// text a translator gives shows which one was loaded: the folder beside the program holds the
// German, Qt's own folder the Russian.
struct QtTextsCase {
    const char* besideProgram;  // the file's name there, empty: none
    const char* qtsOwn;
    const char* language;
    const char* expected;  // the translation a lookup of "Create Sprays" gives
};

void PrintTo(const QtTextsCase& c, std::ostream* os) {
    *os << c.language << " beside the program: \"" << c.besideProgram << "\", Qt's own: \""
        << c.qtsOwn << '"';
}

class QtsOwnTexts : public ::testing::TestWithParam<QtTextsCase> {};

TEST_P(QtsOwnTexts, AreTakenFromTheFirstFolderThatHasTheLanguage) {
    TestEnv env;
    const QString beside = env.scratch.mkdir(QStringLiteral("program/translations"));
    const QString own = env.scratch.mkdir(QStringLiteral("qt/translations"));
    const auto place = [](const char* name, const QString& folder, const char* from) {
        if (*name) {
            ASSERT_TRUE(QFile::copy(QStringLiteral(":/velmira/i18n/velmira_%1.qm").arg(from),
                                    folder + QLatin1Char('/') + QLatin1String(name)));
        }
    };
    place(GetParam().besideProgram, beside, "de");
    place(GetParam().qtsOwn, own, "ru");
    LanguageSwitch language(env.settings, kEnglishSystem, {beside, own});
    language.choose(QLatin1String(GetParam().language));
    const QString expected = QString::fromUtf8(GetParam().expected);
    EXPECT_EQ(language.hasQtTexts(), !expected.isEmpty());
    // Qt asks the translator installed last first: Qt's own texts, then the program's.
    const QString text = QCoreApplication::translate("velmira::MainWindow", "Create Sprays");
    if (!expected.isEmpty()) {
        EXPECT_EQ(text, expected);
    }
    language.choose(QStringLiteral("en"));
    EXPECT_FALSE(language.hasQtTexts());
    EXPECT_EQ(QCoreApplication::translate("velmira::MainWindow", "Create Sprays"),
              QStringLiteral("Create Sprays"));
}

INSTANTIATE_TEST_SUITE_P(
    Folders, QtsOwnTexts,
    ::testing::Values(QtTextsCase{"qtbase_pt_BR.qm", "", "pt_BR", "Sprays erstellen"},
                      QtTextsCase{"qtbase_pt.qm", "", "pt_BR", "Sprays erstellen"},
                      QtTextsCase{"", "qtbase_pt_BR.qm", "pt_BR", "Создать спреи"},
                      QtTextsCase{"", "qtbase_pt.qm", "pt_BR", "Создать спреи"},
                      QtTextsCase{"qtbase_pt.qm", "qtbase_pt_BR.qm", "pt_BR", "Sprays erstellen"},
                      QtTextsCase{"qtbase_zh_CN.qm", "qtbase_zh_CN.qm", "zh_CN",
                                  "Sprays erstellen"},
                      // Another country's file of the language, or another language's: none.
                      QtTextsCase{"qtbase_zh_TW.qm", "", "zh_CN", ""},
                      QtTextsCase{"qtbase_pt_PT.qm", "", "pt_BR", ""},
                      QtTextsCase{"qtbase_de.qm", "qtbase_de.qm", "ru", ""}));

// Russian and Polish have three plural forms; 21 takes the form of 1 in Russian, not in Polish.
struct PluralCase {
    const char* language;
    int count;
    const char* expected;
};

class PluralForms : public ::testing::TestWithParam<PluralCase> {};

TEST_P(PluralForms, FollowTheLanguagesRules) {
    TestEnv env;
    LanguageSwitch language(env.settings, kEnglishSystem, {});
    language.choose(QString::fromLatin1(GetParam().language));
    EXPECT_EQ(QCoreApplication::translate("velmira::MakerDialog", "%n colours", nullptr,
                                          GetParam().count),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    RussianAndPolish, PluralForms,
    ::testing::Values(PluralCase{"ru", 1, "1 цвет"}, PluralCase{"ru", 2, "2 цвета"},
                      PluralCase{"ru", 5, "5 цветов"}, PluralCase{"ru", 21, "21 цвет"},
                      PluralCase{"pl", 1, "1 kolor"}, PluralCase{"pl", 2, "2 kolory"},
                      PluralCase{"pl", 5, "5 kolorów"}, PluralCase{"pl", 21, "21 kolorów"}));

}  // namespace
