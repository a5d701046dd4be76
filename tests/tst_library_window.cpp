// The spray library in the main window: its categories and files, Refresh, the keyboard's
// focus, the folder button, and pictures dropped in from elsewhere.

#include "helpers/librarytest.h"
#include "helpers/testenv.h"
#include "ui/categorycombo.h"
#include "ui/mainwindow.h"
#include "ui/previewwidget.h"
#include "ui/spraylist.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

using namespace velmira;
using namespace velmira::test;

namespace {

TEST_F(LibraryTest, StartShowsTheLibraryWithFavoritesChosen) {
    open();
    EXPECT_EQ(label(), sprays);
    EXPECT_EQ(catRows(), QStringList({"<Favorites>", "alpha", "Beta", "folder.bmp", "Zeta"}));
    EXPECT_EQ(cats()->currentIndex(), 0);
    EXPECT_EQ(env.state.CurrentSprayDir, sprays + SEP);
    EXPECT_EQ(fileRows(), QStringList({"Clan.Wad", "logo.bmp"}))
        << "either pattern, any case, files only";
    EXPECT_EQ(files()->currentRow(), -1);
    EXPECT_TRUE(env.prompts.shown.empty());
}

TEST_F(LibraryTest, ChoosingACategoryShowsItsFolderOnly) {
    open();
    cats()->setCurrentIndex(2);
    emit cats()->activated(2);
    EXPECT_EQ(env.state.CurrentSprayDir, sprays + SEP + QStringLiteral("Beta"));
    EXPECT_EQ(fileRows(), QStringList({"b.BMP"}));
    EXPECT_EQ(label(), sprays) << "the label still shows the spray folder";
}

TEST_F(LibraryTest, AVanishedCategoryWarnsAndKeepsTheFileList) {
    open();
    QDir(sprays + SEP + QStringLiteral("Zeta")).removeRecursively();
    cats()->setCurrentIndex(4);
    emit cats()->activated(4);
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_EQ(env.prompts.shown[0].text,
              QStringLiteral("WARNING: Folder does not exist:\r") + sprays + SEP +
                  QStringLiteral("Zeta\r\rTry hitting refresh or varify your spray folder."));
    EXPECT_EQ(env.prompts.shown[0].icon, Message::Icon::Critical);
    EXPECT_EQ(fileRows(), QStringList({"Clan.Wad", "logo.bmp"}));
    EXPECT_EQ(env.state.CurrentSprayDir, sprays + SEP + QStringLiteral("Zeta"));
}

#ifndef Q_OS_WIN
TEST_F(LibraryTest, SprayFilesWhoseNamesAreNotTextAreToldOfOnce) {
    const QByteArray bad = QFile::encodeName(sprays) + "/bad\xff.bmp";
    ASSERT_EQ(::close(::open(bad.constData(), O_CREAT | O_WRONLY, 0644)), 0);
    open();
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_TRUE(env.prompts.shown[0].text.contains(QStringLiteral("bad\uFFFD.bmp")))
        << env.prompts.shown[0].text.toStdString();
    EXPECT_TRUE(
        env.prompts.shown[0].text.startsWith(QStringLiteral("These spray files in ") + sprays));
    EXPECT_EQ(fileRows(), QStringList({"Clan.Wad", "logo.bmp"}));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdRefresh")),
                      Qt::LeftButton);
    EXPECT_EQ(env.prompts.shown.size(), 1u) << "once a run";
    ::unlink(bad.constData());
    // One that appears later is told of by Refresh.
    const QByteArray later = QFile::encodeName(sprays) + "/alpha/later\xfe.wad";
    ASSERT_EQ(::close(::open(later.constData(), O_CREAT | O_WRONLY, 0644)), 0);
    cats()->setCurrentIndex(1);
    emit cats()->activated(1);
    ASSERT_EQ(env.prompts.shown.size(), 2u);
    EXPECT_TRUE(env.prompts.shown[1].text.contains(QStringLiteral("later\uFFFD.wad")));
    cats()->setCurrentIndex(0);
    emit cats()->activated(0);
    const QByteArray fresh = QFile::encodeName(sprays) + "/fresh\xfe.bmp";
    ASSERT_EQ(::close(::open(fresh.constData(), O_CREAT | O_WRONLY, 0644)), 0);
    env.state.ToldUnlistable.clear();
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdRefresh")),
                      Qt::LeftButton);
    ASSERT_EQ(env.prompts.shown.size(), 3u) << "Refresh tells of the folder it lists";
    EXPECT_TRUE(env.prompts.shown[2].text.contains(QStringLiteral("fresh\uFFFD.bmp")));
    ::unlink(later.constData());
    ::unlink(fresh.constData());
}
#endif

TEST_F(LibraryTest, RefreshRereadsEverythingAndForgetsTheCategory) {
    open();
    cats()->setCurrentIndex(1);
    emit cats()->activated(1);
    env.scratch.mkdir(QStringLiteral("Spray Library/New"));
    env.scratch.write(QStringLiteral("Spray Library/fresh.wad"), "WAD3");
    env.scratch.mkdir(QStringLiteral("Half-Life/cstrike/dlls"));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdRefresh")),
                      Qt::LeftButton);
    EXPECT_EQ(catRows(),
              QStringList({"<Favorites>", "alpha", "Beta", "folder.bmp", "New", "Zeta"}));
    EXPECT_EQ(cats()->currentIndex(), 0);
    EXPECT_EQ(fileRows(), QStringList({"Clan.Wad", "fresh.wad", "logo.bmp"}));
    EXPECT_EQ(window->controls().mods.count(), 2);
}

TEST_F(LibraryTest, MissingSprayFolderIsToldInTheLabelOnly) {
    env.settings.write(QStringLiteral("File Locations"), QStringLiteral("BMPDir"),
                       sprays + QStringLiteral("-gone"));
    env.settings.write(QStringLiteral("File Locations"), QStringLiteral("HLDir"), hl);
    open(false);
    EXPECT_EQ(label(), QStringLiteral("Invalid spray folder!"));
    EXPECT_EQ(cats()->count(), 0);
    EXPECT_EQ(window->controls().mods.text(0), QStringLiteral("valve"))
        << "mods are listed all the same";
    EXPECT_TRUE(env.prompts.shown.empty());
}

TEST_F(LibraryTest, TakingTheFocusChoosesNoFileAndTheArrowKeysChooseFromTheTop) {
    open();
    env.state.SelectedSprayKind = QStringLiteral("unchanged");
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(files(), &focusIn);
    EXPECT_EQ(files()->selected(), -1);
    EXPECT_EQ(files()->fileName(), QString());
    EXPECT_EQ(env.state.SelectedSprayKind, QStringLiteral("unchanged"));
    // The list's focus cue goes with its whole border, not just the row that became current.
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    struct Painted : QObject {
        QRegion region;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                region += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    } painted;
    files()->setFocus();
    QTest::qWait(50);
    files()->viewport()->installEventFilter(&painted);
    QTest::keyClick(files(), Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(files()->fileName(), QStringLiteral("Clan.Wad"));
    EXPECT_EQ(env.state.SelectedSprayKind, QStringLiteral("WAD"));
    EXPECT_TRUE((QRegion(files()->viewport()->rect()) - painted.region).isEmpty());
    // With no row current, the list's own cue goes when the focus leaves.
    files()->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    QTest::qWait(20);
    painted.region = QRegion();
    window->findChild<QPushButton*>(QStringLiteral("cmdRefresh"))->setFocus();
    QTest::qWait(20);
    EXPECT_TRUE((QRegion(files()->viewport()->rect()) - painted.region).isEmpty());
}

TEST_F(LibraryTest, TheFolderButtonOpensTheSprayFolderItselfWithoutAWord) {
    open();
    cats()->setCurrentIndex(2);
    emit cats()->activated(2);
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdOpenBMPDir")),
                      Qt::LeftButton);
    EXPECT_EQ(env.desktop.opened, QStringList({sprays}));
    env.state.SprayRootDir.clear();
    window->cmdOpenBMPDir_Click();
    EXPECT_EQ(env.desktop.opened.last(), QString());
    EXPECT_TRUE(env.prompts.shown.empty());
}

TEST_F(LibraryTest, TheChosenFileCannotBeUnchosenAndTheFolderShowsAsNamed) {
    // As rich text this name would show as "h<b>x"; "<" and ">" cannot be in Windows names.
    const QString odd = env.scratch.mkdir(QStringLiteral("h&lt;b&gt;x"));
    env.scratch.write(QStringLiteral("h&lt;b&gt;x/a.bmp"), bitmap8(16, 16));
    env.settings.write(QStringLiteral("File Locations"), QStringLiteral("BMPDir"), odd);
    open(false);
    auto* label = window->findChild<QLabel*>(QStringLiteral("lblBMPDir"));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), odd);
    chooseFile(QStringLiteral("a.bmp"));
    ASSERT_EQ(files()->fileName(), QStringLiteral("a.bmp"));
    const QRect row = files()->visualItemRect(files()->item(0));
    QTest::mouseClick(files()->viewport(), Qt::LeftButton, Qt::ControlModifier, row.center());
    EXPECT_EQ(files()->fileName(), QStringLiteral("a.bmp")) << "Ctrl+click keeps the choice";
    QTest::keyClick(files(), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(files()->fileName(), QStringLiteral("a.bmp")) << "so does Ctrl+Space";
    const QPoint blank(row.center().x(), files()->viewport()->height() - 3);
    ASSERT_FALSE(files()->indexAt(blank).isValid());
    QTest::mouseClick(files()->viewport(), Qt::LeftButton, Qt::NoModifier, blank);
    EXPECT_EQ(files()->fileName(), QStringLiteral("a.bmp")) << "a click where there is no row";
}

TEST_F(LibraryTest, DroppedPicturesJoinTheChosenCategoryWithoutReplacingAnything) {
    open();
    window->setShowPreviewChecked(true);
    Scratch elsewhere;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 40));
    const QString png = elsewhere.path(QStringLiteral("new one.png"));
    ASSERT_TRUE(picture.save(png, "PNG"));
    const QString logo = elsewhere.write(QStringLiteral("logo.bmp"), bitmap8(16, 16));
    const QString text = elsewhere.write(QStringLiteral("readme.txt"), "x");
    const QString folder = elsewhere.mkdir(QStringLiteral("a folder"));
    const auto drop = [&](const QStringList& paths) {
        const QStringList before = fileRows();
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(files()->viewport(), &enter);
        EXPECT_TRUE(enter.isAccepted());
#ifdef Q_OS_WIN
        // Qt on Windows delivers a drop only within a drag its own drag manager runs.
        files()->dropFiles(paths);
#else
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(files()->viewport(), &event);
        EXPECT_TRUE(event.isAccepted());
        // The drop returns before anything is copied; the copying follows.
        EXPECT_EQ(fileRows(), before) << "nothing copied inside the drop event";
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
#endif
    };
    drop({logo, png, text, folder});
    EXPECT_EQ(fileRows(), QStringList({"Clan.Wad", "logo (2).bmp", "logo.bmp", "new one.png"}));
    EXPECT_EQ(files()->fileName(), QStringLiteral("logo (2).bmp")) << "the first copied is chosen";
    EXPECT_EQ(env.state.SelectedSprayKind, QStringLiteral("BMP"));
    EXPECT_FALSE(preview()->picture().isNull());
    EXPECT_EQ(QFile(sprays + SEP + QStringLiteral("logo.bmp")).size(), bitmap8(32, 16).size())
        << "the file already there is untouched";
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_EQ(env.prompts.shown[0].text,
              QStringLiteral("Only pictures and WAD files join the spray library; these were not "
                             "added:\rreadme.txt\ra folder"));
    EXPECT_TRUE(QDir(sprays)
                    .entryList({QStringLiteral(".velmira-copy-*")}, QDir::Files | QDir::Hidden)
                    .isEmpty());
    // Into the chosen category, and again under the next free name.
    cats()->setCurrentIndex(2);
    emit cats()->activated(2);
    drop({png});
    drop({png});
    EXPECT_TRUE(QFileInfo::exists(sprays + SEP + cats()->currentText() + SEP +
                                  QStringLiteral("new one (2).png")));
    // Files too large for the compiler are refused, all of them named in one message.
    env.prompts.shown.clear();
    QStringList huge;
    for (const char* name : {"huge1.png", "huge2.png", "huge3.png"}) {
        QFile big(elsewhere.path(QString::fromLatin1(name)));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(65 * 1024 * 1024));  // sparse: no disk is used
        huge << QDir::toNativeSeparators(big.fileName());
    }
    drop(huge);
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    for (const QString& path : huge)
        EXPECT_TRUE(
            env.prompts.shown[0].text.contains(path + QStringLiteral(": it is larger than")))
            << env.prompts.shown[0].text.toStdString();
#ifndef Q_OS_WIN
    // A file of the system's says it is empty and never ends: the copy stops at what a picture
    // may be, and says so.
    env.prompts.shown.clear();
    const QString endless = elsewhere.path(QStringLiteral("endless.png"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/pagemap"), endless));
    drop({endless});
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_TRUE(env.prompts.shown[0].text.contains(QStringLiteral("is larger than 67108864 bytes")))
        << env.prompts.shown[0].text.toStdString();
    EXPECT_FALSE(env.prompts.shown[0].text.contains(QStringLiteral("Unknown error")));
#endif
    // A link from a web page is no file: the list neither takes nor copies it.
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.com/a.png"))});
    QDragEnterEvent offered(QPoint(10, 10), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
    offered.ignore();
    QApplication::sendEvent(files()->viewport(), &offered);
    EXPECT_FALSE(offered.isAccepted());
#ifndef Q_OS_WIN
    QDropEvent webDrop(QPointF(10, 10), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
    webDrop.ignore();
    QApplication::sendEvent(files()->viewport(), &webDrop);
    EXPECT_FALSE(webDrop.isAccepted());
#endif
}

}  // namespace
