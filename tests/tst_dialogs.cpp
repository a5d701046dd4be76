#include "core/version.h"
#include "helpers/testenv.h"
#include "library/locations.h"
#include "platform/prompts.h"
#include "ui/aboutdialog.h"
#include "ui/locationsdialog.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace velmira;
using namespace velmira::test;

namespace {

const QChar SEP = QDir::separator();

TEST(TrailingSeparator, ExactlyOneIsRemoved) {
    EXPECT_EQ(withoutTrailingSeparator(QStringLiteral("games") + SEP + "Half-Life" + SEP),
              QStringLiteral("games") + SEP + "Half-Life");
    EXPECT_EQ(withoutTrailingSeparator(QStringLiteral("games") + SEP + SEP),
              QStringLiteral("games") + SEP);
    EXPECT_EQ(withoutTrailingSeparator(QString(SEP)), QString());
    EXPECT_EQ(withoutTrailingSeparator(QStringLiteral(" spaced ")), QStringLiteral(" spaced "));
}

class LocationsTest : public ::testing::Test {
  protected:
    TestEnv env;
    QString hl = env.scratch.mkdir(QStringLiteral("Half-Life"));
    QString sprays = env.scratch.mkdir(QStringLiteral("Sprays"));
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<LocationsDialog> dialog;

    void SetUp() override {
        env.scratch.write(QStringLiteral("Half-Life/hl.exe"), "MZ");
        env.scratch.mkdir(QStringLiteral("Half-Life/valve/dlls"));
        env.scratch.mkdir(QStringLiteral("Sprays/Funny"));
        env.scratch.write(QStringLiteral("Sprays/a.bmp"), bitmap8(16, 16));
        window = std::make_unique<MainWindow>(env.state, env.services, env.windows);
        window->Form_Load();
        openDialog();
    }
    void openDialog() {
        dialog = std::make_unique<LocationsDialog>(env.state, window->controls(), env.services,
                                                   env.windows, window.get());
        dialog->show();
    }
    void type(const QString& h, const QString& s) {
        dialog->findChild<QLineEdit*>(QStringLiteral("txtHLDir"))->setText(h);
        dialog->findChild<QLineEdit*>(QStringLiteral("txtBMPDir"))->setText(s);
    }
    QString stored(const QString& key) {
        return env.settings.read(QStringLiteral("File Locations"), key, QStringLiteral("<absent>"));
    }
};

TEST_F(LocationsTest, ShowsTheCurrentFoldersWithOkFocusedAndNoDefault) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("File Locations"));
    env.state.HalfLifeDir = hl;
    env.state.SprayRootDir = sprays;
    openDialog();  // loaded afresh: it shows the folders in force now
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("txtHLDir"))->text(), hl);
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("txtBMPDir"))->text(), sprays);
    auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"));
    EXPECT_EQ(dialog->focusWidget(), ok);
    EXPECT_FALSE(ok->isDefault());
    EXPECT_FALSE(ok->autoDefault());
    // Centred on the screen, wherever the main window is.
    window->move(0, 0);
    openDialog();
    const QRect screen = dialog->screen()->availableGeometry();
    // Within a title bar's height: without a window manager the frame is only estimated.
    EXPECT_NEAR(dialog->frameGeometry().center().x(), screen.center().x(), 2);
    EXPECT_NEAR(dialog->frameGeometry().center().y(), screen.center().y(), 16);
    EXPECT_EQ(dialog->size(), QSize(367, 162));
    EXPECT_EQ(env.windows.count(), 2) << "the dialog counts as a loaded window";
    dialog.reset();
    EXPECT_EQ(env.windows.count(), 1);
}

TEST_F(LocationsTest, OkStoresBothFoldersLessOneSeparatorAndFillsTheWindow) {
    type(hl + SEP, sprays + SEP);
    dialog->cmdOK_Click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(stored(QStringLiteral("HLDir")), hl);
    EXPECT_EQ(stored(QStringLiteral("BMPDir")), sprays);
    EXPECT_EQ(env.state.HalfLifeDir, hl);
    EXPECT_EQ(window->controls().mods.text(0), QStringLiteral("valve"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblBMPDir"))->text(), sprays);
    EXPECT_EQ(window->controls().categories.count(), 2);
    EXPECT_EQ(window->controls().files.folder(), sprays);
    EXPECT_TRUE(env.prompts.shown.empty());
}

TEST_F(LocationsTest, AHalfAcceptedEntryStoresTheGoodFolderAndStaysOpen) {
    type(hl, sprays + QStringLiteral("-missing"));
    dialog->cmdOK_Click();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(env.prompts.texts(), QStringList({"WARNING: Spray folder does not exist!"}));
    EXPECT_EQ(stored(QStringLiteral("HLDir")), hl);
    EXPECT_EQ(stored(QStringLiteral("BMPDir")), QStringLiteral("<absent>"));
    EXPECT_EQ(window->controls().mods.text(0), QStringLiteral("valve"));
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("txtBMPDir"))->text(),
              sprays + QStringLiteral("-missing"));
}

TEST_F(LocationsTest, CancelEscapeAndTheCloseBoxStoreNothing) {
    type(hl, sprays);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    openDialog();
    type(hl, sprays);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    openDialog();
    type(hl, sprays);
    dialog->close();
    EXPECT_EQ(stored(QStringLiteral("HLDir")), QStringLiteral("<absent>"));
    EXPECT_EQ(stored(QStringLiteral("BMPDir")), QStringLiteral("<absent>"));
    openDialog();
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("txtHLDir"))->text(), QString())
        << "loaded afresh";
}

TEST_F(LocationsTest, EnterInATextBoxDoesNotPressOk) {
    type(hl, sprays);
    QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("txtHLDir")), Qt::Key_Return);
    EXPECT_EQ(stored(QStringLiteral("HLDir")), QStringLiteral("<absent>"));
}

TEST(About, ShowsTheVersionFromTheBuildCentred) {
    TestEnv env;
    AboutDialog about(env.errors, env.windows);
    EXPECT_EQ(aboutVersionText(), QStringLiteral("Version 0.4.1"));
    auto* version = about.findChild<QLabel*>(QStringLiteral("lblVersion"));
    EXPECT_EQ(version->text(), QStringLiteral("Version 0.4.1"));
    const int centre = version->x() + version->width() / 2;
    EXPECT_NEAR(centre, about.width() / 2, 4);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Velmira"));
    const auto text = [&](const char* name) {
        return about.findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    EXPECT_EQ(text("lblDescription"),
              QStringLiteral("The easiest way to switch between color Half-Life sprays!"));
    EXPECT_EQ(text("lblEmail"), QStringLiteral("Comments and problems: see ReadMe.txt"));
    EXPECT_TRUE(about.findChild<QPushButton*>(QStringLiteral("cmdOK"))->isDefault());
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("imageVELMR"))->pixmap().size(),
              QSize(116, 44));
    about.show();
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}

class MenuTest : public ::testing::Test {
  protected:
    TestEnv env;
    std::unique_ptr<MainWindow> window;
    void SetUp() override {
        window = std::make_unique<MainWindow>(env.state, env.services, env.windows);
        window->Form_Load();
    }
};

TEST(MessageBoxes, ShowTheirTextAsPlainTextNotMarkup) {
    MessageBoxPrompts prompts(nullptr);
    Qt::TextFormat format = Qt::AutoText;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        format = box->textFormat();
        text = box->text();
        box->accept();
    });
    prompts.show(Message{QStringLiteral("Could not find h<b>y</b>\rsecond line"),
                         QStringLiteral("Velmira"), Message::Icon::Critical, Message::Buttons::Ok});
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(text, QStringLiteral("Could not find h<b>y</b>\nsecond line"));
    // An OK/Cancel box: OK is the default, Escape is Cancel.
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        buttons = box->standardButtons();
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Ok));
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(prompts.show(Message{QStringLiteral("Move them?"), QStringLiteral("Velmira"),
                                   Message::Icon::None, Message::Buttons::OkCancel}),
              Answer::Cancel);
    EXPECT_EQ(buttons, QMessageBox::Ok | QMessageBox::Cancel);
}

TEST(ReadMe, CarriesTheProgramsVersion) {
    QFile readMe(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/ReadMe.txt"));
    ASSERT_TRUE(readMe.open(QIODevice::ReadOnly));
    EXPECT_EQ(readMe.readLine().trimmed(), QByteArray("Velmira " VELMIRA_DISPLAY_VERSION));
}

TEST_F(MenuTest, ReadMeIsOpenedOrItsAbsenceTold) {
    window->mnuHelpViewReadMe_Click();
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_EQ(env.prompts.shown[0].text, QStringLiteral("Could not find ReadMe.txt!"));
    EXPECT_EQ(env.prompts.shown[0].title, QStringLiteral("File Not Found!"));
    EXPECT_EQ(env.prompts.shown[0].icon, Message::Icon::Critical);
    EXPECT_TRUE(env.desktop.opened.isEmpty());
    const QString readMe = env.scratch.write(QStringLiteral("program/ReadMe.txt"), "hello");
    window->mnuHelpViewReadMe_Click();
    EXPECT_EQ(env.desktop.opened, QStringList({readMe}));
    EXPECT_FALSE(window->isUnloaded());
}

TEST_F(MenuTest, ContentsGoesToTheHelpViewer) {
    window->findChild<QAction*>(QStringLiteral("mnuHelpContents"))->trigger();
    EXPECT_EQ(env.help.shown, 1);
    EXPECT_TRUE(env.prompts.shown.empty());
}

TEST_F(MenuTest, ExitSavesThePreferenceLikeTheCloseBox) {
    window->setShowPreviewChecked(true);
    window->findChild<QAction*>(QStringLiteral("mnuFileExit"))->trigger();
    EXPECT_TRUE(window->isUnloaded());
    EXPECT_EQ(
        env.settings.read(QStringLiteral("Preferences"), QStringLiteral("ShowPreview"), QString()),
        QStringLiteral("True"));
}

TEST_F(MenuTest, TheDialogsOpenModallyFromTheirMenus) {
    QTimer::singleShot(0, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
    window->mnuHelpAbout_Click();
    QTimer::singleShot(0, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
    window->mnuFileLoc_Click();
    EXPECT_EQ(env.windows.count(), 1) << "each dialog was unloaded on close";
    EXPECT_FALSE(window->isUnloaded());
}

TEST(HelpViewer, AMissingHelpFileIsToldByTheHelpItself) {
    TestEnv env;
    QString language = QStringLiteral("de");
    HtmlHelpViewer help(
        env.scratch.path(QStringLiteral("program")), [&language] { return language; }, env.desktop,
        env.prompts);
    help.showContents();
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_TRUE(env.prompts.shown[0].text.endsWith(QStringLiteral("Velmr04.html")))
        << "the English page is the one named missing";
    EXPECT_TRUE(env.desktop.opened.isEmpty());
    const QString english = env.scratch.write(QStringLiteral("program/Velmr04.html"), "<html>");
    help.showContents();
    EXPECT_EQ(env.desktop.opened, QStringList{english}) << "no German page: the English one";
    const QString german = env.scratch.write(QStringLiteral("program/Velmr04_de.html"), "<html>");
    help.showContents();
    language = QStringLiteral("en");
    help.showContents();
    EXPECT_EQ(env.desktop.opened, (QStringList{english, german, english}))
        << "the language in force at each opening";
    EXPECT_EQ(env.prompts.shown.size(), 1u);
}

// The folder holds the English page and the German and Polish ones, and pages for names that
// are no offered language.
struct HelpPageCase {
    const char* language;
    const char* page;
};

class HelpPage : public ::testing::TestWithParam<HelpPageCase> {};

TEST_P(HelpPage, IsTheLanguagesOwnElseTheEnglishOne) {
    Scratch scratch;
    for (const char* name : {"Velmr04.html", "Velmr04_de.html", "Velmr04_pl.html",
                             "Velmr04_en.html", "Velmr04_xx.html", "Velmr04_.html"})
        scratch.write(QString::fromLatin1(name), "<html>");
    scratch.write(QStringLiteral("Velmr04_fr.html/index.html"), "<html>");
    EXPECT_EQ(helpFileFor(scratch.path(), QString::fromLatin1(GetParam().language)),
              scratch.path(QString::fromLatin1(GetParam().page)));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, HelpPage,
    ::testing::Values(HelpPageCase{"de", "Velmr04_de.html"}, HelpPageCase{"pl", "Velmr04_pl.html"},
                      HelpPageCase{"ru", "Velmr04.html"}, HelpPageCase{"en", "Velmr04.html"},
                      HelpPageCase{"", "Velmr04.html"}, HelpPageCase{"xx", "Velmr04.html"},
                      HelpPageCase{"fr", "Velmr04.html"}, HelpPageCase{"DE", "Velmr04.html"}));

}  // namespace
