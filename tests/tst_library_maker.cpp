// The spray maker opened from the main window: its refusals in the language in force, and a
// new spray saved into the library, never over a file.

#include "helpers/librarytest.h"
#include "helpers/testenv.h"
#include "picture/readpicture.h"
#include "platform/language.h"
#include "spray/maker.h"
#include "ui/mainwindow.h"
#include "ui/makerdialog.h"
#include "ui/previewwidget.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

using namespace velmira;
using namespace velmira::test;

// The maker's refusals speak the language in force, their title too, and read as before in
// English: no picture chosen, a spray chosen, a picture that cannot be read.
TEST_F(LibraryTest, TheMakersRefusalsSpeakTheLanguageInForce) {
    env.scratch.write(QStringLiteral("Spray Library/cut.png"), "not a picture");
    LanguageSwitch language(env.settings, {QStringLiteral("en-US")}, {});
    open();
    auto* make = window->findChild<QAction*>(QStringLiteral("mnuFileMake"));
    const struct {
        const char* language;
        const char* title;
        const char* none;
        const char* spray;
        const char* unreadable;  // the start, the reader's reason follows
    } rows[] = {
        {"ru", "Сделать спрей", "Сначала выберите картинку в списке спреев.",
         "Окно «Сделать спрей» делает спреи из картинок, а Clan.Wad — уже спрей.",
         "Не удаётся сделать спрей из "},
        {"zh_CN", "制作喷漆", "请先在喷漆列表中选择一张图片。",
         "“制作喷漆”用图片制作喷漆；Clan.Wad 已经是喷漆了。", "无法用 "},
        {"en", "Make Spray", "Choose a picture in the spray list first.",
         "The spray maker makes sprays from pictures; Clan.Wad is already a spray.",
         "Cannot make a spray of "},
    };
    for (const auto& row : rows) {
        language.choose(QString::fromLatin1(row.language));
        env.prompts.shown.clear();
        files()->clearSelection();
        make->trigger();
        window->waitForMakerCheck();
        chooseFile(QStringLiteral("Clan.Wad"));
        make->trigger();
        window->waitForMakerCheck();
        chooseFile(QStringLiteral("cut.png"));
        make->trigger();
        window->waitForMakerCheck();
        ASSERT_EQ(env.prompts.shown.size(), 3u) << row.language;
        EXPECT_EQ(env.prompts.shown[0].text, QString::fromUtf8(row.none));
        EXPECT_EQ(env.prompts.shown[1].text, QString::fromUtf8(row.spray));
        const QString unreadable = env.prompts.shown[2].text;
        EXPECT_TRUE(unreadable.startsWith(QString::fromUtf8(row.unreadable)) &&
                    unreadable.contains(QStringLiteral("cut.png")))
            << unreadable.toStdString();
        for (const Message& shown : env.prompts.shown)
            EXPECT_EQ(shown.title, QString::fromUtf8(row.title)) << row.language;
    }
    // Without a spray folder the maker is not opened: it would have nowhere to save.
    env.state.CurrentSprayDir = env.scratch.path(QStringLiteral("gone"));
    env.state.SprayRootDir = env.state.CurrentSprayDir;
    chooseFile(QStringLiteral("logo.bmp"));
    for (const char* code : {"de", "en"}) {
        language.choose(QString::fromLatin1(code));
        make->trigger();
        window->waitForMakerCheck();
    }
    ASSERT_EQ(env.prompts.shown.size(), 5u);
    EXPECT_EQ(
        env.prompts.shown[3].text,
        QStringLiteral("Lege zuerst deinen Spray-Ordner fest: „Spray machen“ speichert dorthin."));
    EXPECT_EQ(env.prompts.shown[4].text,
              QStringLiteral("Set your spray folder first: the spray maker saves into it."));
    EXPECT_EQ(window->findChild<MakerDialog*>(QStringLiteral("frmMaker")), nullptr);
}

// The maker opens on the chosen picture only, saves a new bitmap into the category (chosen in
// the list at once, never over a file), writes nothing on Escape, and goes with the main window.
TEST_F(LibraryTest, TheSprayMakerSavesANewSprayAndNeverReplacesOne) {
    QImage photo(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            photo.setPixel(x, y, qRgb(x % 256, y, 90));
    ASSERT_TRUE(photo.save(sprays + SEP + QStringLiteral("photo.png"), "PNG"));
    QFile png(sprays + SEP + QStringLiteral("photo.png"));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    env.scratch.write(QStringLiteral("Spray Library/cut.png"), png.read(200));
    open();
    auto* make = window->findChild<QAction*>(QStringLiteral("mnuFileMake"));
    const auto maker = [&] { return window->findChild<MakerDialog*>(QStringLiteral("frmMaker")); };
    make->trigger();
    window->waitForMakerCheck();
    chooseFile(QStringLiteral("Clan.Wad"));
    make->trigger();
    window->waitForMakerCheck();
    chooseFile(QStringLiteral("cut.png"));
    make->trigger();
    window->waitForMakerCheck();
    ASSERT_EQ(env.prompts.shown.size(), 3u);
    EXPECT_EQ(env.prompts.shown[0].text,
              QStringLiteral("Choose a picture in the spray list first."));
    EXPECT_TRUE(env.prompts.shown[1].text.endsWith(QStringLiteral("is already a spray.")));
    EXPECT_TRUE(env.prompts.shown[2].text.startsWith(QStringLiteral("Cannot make a spray of ")));
    EXPECT_EQ(maker(), nullptr) << "a picture that cannot be read opens no maker";
    // The picture is checked off the window's thread; a later one supersedes a check still
    // running, whose picture then neither opens a maker nor says why it cannot.
    window->openMaker(sprays + SEP + QStringLiteral("cut.png"));
    window->openMaker(sprays + SEP + QStringLiteral("photo.png"));
    EXPECT_EQ(maker(), nullptr) << "opened once the picture is checked";
    window->waitForMakerCheck();
    EXPECT_EQ(env.prompts.shown.size(), 3u);
    ASSERT_NE(maker(), nullptr);
    maker()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    chooseFile(QStringLiteral("photo.png"));
    make->trigger();
    window->waitForMakerCheck();
    ASSERT_NE(maker(), nullptr);
    maker()->waitForSpray();
    ASSERT_TRUE(maker()->hasSpray());
    EXPECT_EQ(QSize(maker()->made()->spray.picture.width, maker()->made()->spray.picture.height),
              QSize(144, 96));
    EXPECT_EQ(maker()->choices().centre, QPointF(150, 100)) << "the picture's centre";
    EXPECT_EQ(maker()->findChild<QSlider*>(QStringLiteral("tolerance"))->value(),
              maker()->choices().tolerance);
    EXPECT_EQ(maker()->choices().seeThrough, spray::SeeThrough::None) << "it has no transparency";
    // Every control remakes the live spray.
    QSignalSpy remade(maker(), &MakerDialog::sprayShown);
    const auto control = [&](const char* name) {
        return maker()->findChild<QWidget*>(QString::fromLatin1(name));
    };
    for (const char* box : {"fringe", "dither", "oneColour", "enlarge"}) {
        const int before = static_cast<int>(remade.size());
        qobject_cast<QCheckBox*>(control(box))->toggle();
        maker()->waitForSpray();
        EXPECT_GT(remade.size(), before) << box;
    }
    for (const char* combo : {"scaling", "seeThrough", "size"}) {
        const int before = static_cast<int>(remade.size());
        auto* list = qobject_cast<QComboBox*>(control(combo));
        list->setCurrentIndex(1);
        emit list->activated(1);
        maker()->waitForSpray();
        EXPECT_GT(remade.size(), before) << combo;
    }
    EXPECT_TRUE(qobject_cast<QLabel*>(control("warnings"))
                    ->text()
                    .contains(QStringLiteral("Sharp scaling of a photo looks blocky")))
        << "sharp scaling chosen for this photo";
    EXPECT_FALSE(qobject_cast<QLabel*>(control("warnings"))->text().startsWith(QLatin1Char('\n')))
        << "no empty line above the warnings";
    for (const char* button : {"rotate", "mirror", "fill", "fit"}) {
        const int before = static_cast<int>(remade.size());
        qobject_cast<QPushButton*>(control(button))->click();
        maker()->waitForSpray();
        EXPECT_GT(remade.size(), before) << button;
    }
    for (const char* slider : {"tolerance", "cutoff"}) {
        const int before = static_cast<int>(remade.size());
        auto* bar = qobject_cast<QSlider*>(control(slider));
        bar->setValue(bar->value() + 5);
        maker()->waitForSpray();
        EXPECT_GT(remade.size(), before) << slider;
    }
    qobject_cast<QSlider*>(control("cutoff"))->setValue(100);
    EXPECT_EQ(maker()->choices().alphaCutoff, 255) << "100 % is fully solid only";
    EXPECT_FALSE(control("dither")->isEnabled()) << "a one-colour logo is not dithered";
    // A colour picked from the picture makes it see-through from the edge.
    qobject_cast<QComboBox*>(control("seeThrough"))->setCurrentIndex(0);
    emit qobject_cast<QComboBox*>(control("seeThrough"))->activated(0);
    emit maker()->findChild<FramingView*>()->picked(qRgb(1, 2, 3));
    EXPECT_EQ(maker()->choices().seeThrough, spray::SeeThrough::ColourFromEdge);
    EXPECT_EQ(maker()->choices().key, qRgb(1, 2, 3));
    // Width and height take input only when the size is chosen freely.
    EXPECT_FALSE(control("width")->isEnabled());
    auto* sizes = qobject_cast<QComboBox*>(control("size"));
    sizes->setCurrentIndex(3);
    emit sizes->activated(3);
    EXPECT_TRUE(control("width")->isEnabled());
    EXPECT_TRUE(control("height")->isEnabled());
    // The live spray follows: a one-colour logo, turned upright with its frame.
    maker()->waitForSpray();
    ASSERT_TRUE(maker()->hasSpray());
    EXPECT_TRUE(maker()->made()->spray.oneColour);
    EXPECT_LT(maker()->made()->spray.picture.width, maker()->made()->spray.picture.height);
    // What the player sees: the picture under the frame, the spray at 1x and 2x.
    maker()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(maker()));
    const QImage framing = control("framing")->grab().toImage();
    EXPECT_NE(framing.pixel(framing.width() / 2, framing.height() / 2), qRgb(96, 96, 96))
        << "the picture is drawn under the frame";
    const QImage view = control("sprayView")->grab().toImage();
    const QImage& spray = maker()->findChild<SprayView*>()->spray();
    ASSERT_FALSE(spray.isNull());
    const QRgb shown = view.pixel(8 + spray.width() / 4, 8 + spray.height() / 4);
    EXPECT_NE(shown, qRgb(255, 255, 255)) << "the spray is drawn over the checker";
    EXPECT_NE(shown, qRgb(204, 204, 204));
    maker()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    chooseFile(QStringLiteral("photo.png"));
    make->trigger();
    window->waitForMakerCheck();
    maker()->waitForSpray();
    // The zoom slider stands where the zoom is: one step down zooms out a little.
    auto* zoom = maker()->findChild<QSlider*>(QStringLiteral("zoom"));
    const double fitted = maker()->choices().zoom;
    zoom->setValue(zoom->value() - 1);
    EXPECT_LT(maker()->choices().zoom, fitted);
    EXPECT_GT(maker()->choices().zoom, fitted * 0.99);
    QTest::keyClick(maker(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(maker(), nullptr);
    EXPECT_EQ(fileRows().filter(QStringLiteral("spray")), QStringList()) << "Escape writes nothing";

    for (const char* expected : {"photo spray.bmp", "photo spray (2).bmp"}) {
        chooseFile(QStringLiteral("photo.png"));
        make->trigger();
        window->waitForMakerCheck();
        maker()->waitForSpray();
        QTest::keyClick(maker()->findChild<FramingView*>(QStringLiteral("framing")),
                        Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(files()->fileName(), QLatin1String(expected)) << "listed and chosen";
    }
    const QString saved = sprays + SEP + QStringLiteral("photo spray.bmp");
    const auto bitmap = picture::readPicture(saved);
    ASSERT_TRUE(bitmap) << bitmap.error().toStdString();
    EXPECT_EQ(bitmap->format(), QImage::Format_Indexed8);
    EXPECT_EQ(bitmap->size(), QSize(144, 96));

#ifndef Q_OS_WIN
    // A picture dropped on the preview opens the maker on it.
    ASSERT_EQ(maker(), nullptr) << "saving closed it";
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(sprays + SEP + QStringLiteral("photo.png"))});
    auto* previewArea = window->findChild<PreviewWidget*>(QStringLiteral("OLEpicture"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(previewArea, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                    Qt::NoModifier);
    drop.setDropAction(Qt::MoveAction);  // as a file manager may ask
    QApplication::sendEvent(previewArea, &drop);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction) << "the player's picture is never moved";
    EXPECT_TRUE(drop.isAccepted()) << "the file manager is told the drop was taken";
    EXPECT_EQ(maker(), nullptr) << "opened after the drop returns";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    window->waitForMakerCheck();
    ASSERT_NE(maker(), nullptr);
    maker()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
#endif
    // The list's context menu opens it on the picture under the mouse.
    const QRect row = files()->visualItemRect(
        files()->findItems(QStringLiteral("photo.png"), Qt::MatchExactly)[0]);
    QTimer choose;
    QObject::connect(&choose, &QTimer::timeout, [] {
        if (QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            menu->actions().first()->trigger();
            menu->close();
        }
    });
    choose.start(10);
    emit files()->customContextMenuRequested(row.center());
    choose.stop();
    window->waitForMakerCheck();
    ASSERT_NE(maker(), nullptr);
    EXPECT_EQ(files()->fileName(), QStringLiteral("photo.png"));
    const std::size_t told = env.prompts.shown.size();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(maker(), nullptr) << "closed with the main window";
    EXPECT_EQ(env.prompts.shown.size(), told) << "without a question";
    EXPECT_EQ(fileRows().filter(QStringLiteral("spray")).size(), 2);
}
