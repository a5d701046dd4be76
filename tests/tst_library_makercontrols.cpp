// The spray maker's own window: the framing view and the spray view, and controls that show
// what applies and never a spray made for an older choice.

#include "helpers/separator.h"
#include "helpers/testenv.h"
#include "picture/readpicture.h"
#include "spray/maker.h"
#include "ui/makerdialog.h"
#include "ui/palettecolours.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QThread>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

using namespace velmira;
using namespace velmira::test;

// The framing view draws the picture (from a smaller copy when zoomed out) under a frame of the
// spray's shape; outside the frame it is dimmed.
TEST(FramingViewWidget, DrawsThePictureUnderTheFrame) {
    QImage picture(1280, 800, QImage::Format_RGB32);
    picture.fill(Qt::white);
    auto source = std::make_shared<const spray::MakerSource>(picture);
    spray::MakerChoices choices;
    choices.centre = QPointF(640, 400);
    choices.zoom = 0.1;  // the 128 x 80 frame covered
    FramingView view;
    view.resize(320, 280);
    view.setSource(source);
    view.setChoices(choices, QSize(128, 80));
    const QImage shown = view.grab().toImage();
    // 1.5 view pixels a spray pixel: the frame runs from (64, 80) to (256, 200).
    EXPECT_GT(qGray(shown.pixel(160, 84)), 200) << "inside the frame, the picture";
    EXPECT_GT(qGray(shown.pixel(68, 140)), 200);
    EXPECT_LT(qGray(shown.pixel(160, 74)), 100) << "outside, dimmed";
    EXPECT_LT(qGray(shown.pixel(60, 140)), 100);
    // A view wider than the frame's shape: its height sets the scale (1.5), the frame runs from
    // (144, 40) to (336, 160).
    view.resize(480, 200);
    const QImage low = view.grab().toImage();
    EXPECT_GT(qGray(low.pixel(240, 44)), 200) << "inside";
    EXPECT_LT(qGray(low.pixel(240, 34)), 100) << "above the frame";
    EXPECT_LT(qGray(low.pixel(139, 100)), 100) << "left of the frame";
    view.resize(320, 280);
    // Pixel exact: a picture the frame's size at zoom 1 begins where the frame does.
    QImage small(128, 80, QImage::Format_RGB32);
    small.fill(Qt::white);
    view.setSource(std::make_shared<const spray::MakerSource>(small));
    spray::MakerChoices exact;
    exact.centre = QPointF(64, 40);
    exact.zoom = 1.0;
    view.setChoices(exact, QSize(128, 80));
    const QImage edge = view.grab().toImage();
    EXPECT_GT(qGray(edge.pixel(65, 140)), 200) << "the picture's first column";
    EXPECT_GT(qGray(edge.pixel(160, 81)), 200) << "its first row";
    view.setSource(source);
    view.setChoices(choices, QSize(128, 80));

    // Dragging, the arrow keys and the wheel say how the picture moved; picking says a colour.
    QPointF moved;
    int zoomed = 0;
    QRgb picked = 0;
    QObject::connect(&view, &FramingView::moved, [&](QPointF delta) { moved += delta; });
    QObject::connect(&view, &FramingView::zoomed, [&](int steps) { zoomed += steps; });
    QObject::connect(&view, &FramingView::picked, [&](QRgb colour) { picked = colour; });
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QMouseEvent drag(QEvent::MouseMove, QPointF(115, 100), view.mapToGlobal(QPointF(115, 100)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &drag);
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(115, 100));
    EXPECT_NEAR(moved.x(), -100.0, 0.01) << "15 view pixels at 0.15 a picture pixel";
    EXPECT_NEAR(moved.y(), 0.0, 0.01);
    EXPECT_EQ(picked, 0u) << "a drag picks nothing";
    QMouseEvent rightDrag(QEvent::MouseMove, QPointF(130, 100), view.mapToGlobal(QPointF(130, 100)),
                          Qt::NoButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &rightDrag);
    EXPECT_NEAR(moved.x(), -100.0, 0.01) << "only the left button drags";
    moved = QPointF();
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_NEAR(moved.x(), -10.0, 0.01) << "one spray pixel is ten picture pixels";
    QTest::keyClick(&view, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_NEAR(moved.y(), -100.0, 0.01) << "ten with Shift";
    moved = QPointF();
    QTest::keyClick(&view, Qt::Key_Up);
    QTest::keyClick(&view, Qt::Key_Left);
    QTest::keyClick(&view, Qt::Key_Left);
    EXPECT_NEAR(moved.y(), 10.0, 0.01) << "up: the picture moves up, its point below comes in";
    EXPECT_NEAR(moved.x(), 20.0, 0.01);
    QTest::keyClick(&view, Qt::Key_Plus);
    QWheelEvent wheel(QPointF(10, 10), view.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -240),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    EXPECT_EQ(zoomed, 1 - 2);
    view.setPicking(true);
    moved = QPointF();
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(160, 140));
    EXPECT_EQ(picked, qRgb(255, 255, 255));
    EXPECT_EQ(moved, QPointF()) << "picking moves nothing";
}

// The spray at its own size and twice that, side by side, as large as the view allows: made
// smaller together when the view is too small for both.
TEST(SprayViewWidget, DrawsTheSprayAtOneAndTwiceItsSize) {
    QImage spray(64, 64, QImage::Format_ARGB32);
    spray.fill(qRgb(200, 0, 0));
    SprayView view;
    view.setBackground(SprayView::Background::DarkWall);
    view.setSpray(spray);
    const struct {
        QSize view;
        double fit;  // how large the spray is drawn
    } sizes[] = {{QSize(300, 200), 1.0}, {QSize(200, 200), (200.0 - 24) / 192}};
    for (const auto& s : sizes) {
        view.resize(s.view);
        const QImage shown = view.grab().toImage();
        const int first = static_cast<int>(64 * s.fit);
        EXPECT_EQ(shown.pixel(8 + first - 2, 8 + first / 2), qRgb(200, 0, 0)) << s.view.width();
        EXPECT_EQ(shown.pixel(8 + first + 3, 8 + first / 2), qRgb(58, 56, 53))
            << s.view.width() << ": the gap between the two";
        EXPECT_EQ(shown.pixel(16 + first + 2 * first - 3, 8 + first), qRgb(200, 0, 0))
            << s.view.width() << ": twice the size";
        EXPECT_EQ(shown.pixel(16 + 3 * first + 3, 8 + first), qRgb(58, 56, 53)) << s.view.width();
    }
    // Over the checker, what is see-through shows white and light grey squares of 8 pixels.
    view.setBackground(SprayView::Background::Checker);
    const QImage checker = view.grab().toImage();
    EXPECT_EQ(checker.pixel(3, 3), qRgb(255, 255, 255));
    EXPECT_EQ(checker.pixel(11, 3), qRgb(204, 204, 204));
    EXPECT_EQ(checker.pixel(3, 11), qRgb(204, 204, 204));
    EXPECT_EQ(checker.pixel(19, 3), qRgb(255, 255, 255));
}

namespace velmira {
namespace {

// The maker's controls show what applies: the size boxes the size in use, the cut-off only for
// the picture's own transparency, picking and tolerance only for a colour; a colour kind chosen
// before any colour starts from the picture's top-left corner.
// A picture of one colour with a square of another, saved as a PNG for the spray maker.
QString squareOn(const TestEnv& env, QSize size, QRgb around, QRect square, QRgb inside) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(around);
    QPainter(&picture).fillRect(square, inside);
    const QString path = env.scratch.path(QStringLiteral("picture.png"));
    picture.save(path, "PNG");
    return path;
}

TEST(MakerControls, ShowWhatAppliesAndAColourStartsFromTheCorner) {
    TestEnv env;
    const QString path =
        squareOn(env, QSize(300, 200), qRgb(0, 200, 0), QRect(100, 50, 100, 100), qRgb(200, 0, 0));
    {
        // The very corner a shade apart from the rest of the background.
        QImage cornered(path);
        cornered.setPixel(0, 0, qRgb(0, 190, 0));
        cornered.save(path, "PNG");
    }
    MakerDialog maker(path, env.scratch.mkdir(QStringLiteral("out")), env.prompts, env.windows, {});
    maker.waitForSpray();
    ASSERT_TRUE(maker.hasSpray());
    const auto control = [&](const char* name) {
        return maker.findChild<QWidget*>(QString::fromLatin1(name));
    };
    EXPECT_EQ(qobject_cast<QSpinBox*>(control("width"))->value(), 144);
    EXPECT_EQ(qobject_cast<QSpinBox*>(control("height"))->value(), 96);
    EXPECT_FALSE(control("width")->isEnabled());
    const auto choose = [&](int kind) {
        auto* list = qobject_cast<QComboBox*>(control("seeThrough"));
        list->setCurrentIndex(kind);
        emit list->activated(kind);
        maker.waitForSpray();
    };
    const struct {
        int kind;
        bool cutoff, keyed;
    } kinds[] = {{0, false, false}, {1, true, false}, {2, false, true}, {3, false, true}};
    for (const auto& k : kinds) {
        choose(k.kind);
        EXPECT_EQ(control("cutoff")->isEnabled(), k.cutoff) << k.kind;
        EXPECT_EQ(control("tolerance")->isEnabled(), k.keyed) << k.kind;
        EXPECT_EQ(control("pick")->isEnabled(), k.keyed) << k.kind;
        EXPECT_EQ(control("key")->isEnabled(), k.keyed) << k.kind;
    }
    EXPECT_EQ(maker.choices().key, qRgb(0, 190, 0)) << "the top-left corner's colour";
    EXPECT_EQ(control("key")->toolTip(), QStringLiteral("#00be00"));
    EXPECT_EQ(
        qobject_cast<QPushButton*>(control("key"))->icon().pixmap(14, 14).toImage().pixel(7, 7),
        qRgb(0, 190, 0))
        << "the button shows the colour";
    const spray::IndexedPicture& spray = maker.made()->spray.picture;
    EXPECT_EQ(spray.at(2, 2), spray::kTransparentIndex) << "the green background is see-through";
    EXPECT_NE(spray.at(72, 48), spray::kTransparentIndex) << "the red square is not";
    // A colour chosen by the player stays when the kind changes.
    emit maker.findChild<FramingView*>()->picked(qRgb(200, 0, 0));
    choose(2);
    EXPECT_EQ(maker.choices().key, qRgb(200, 0, 0));
    // The size in use follows a turn.
    qobject_cast<QPushButton*>(control("rotate"))->click();
    maker.waitForSpray();
    EXPECT_EQ(qobject_cast<QSpinBox*>(control("width"))->value(), 96);
    EXPECT_EQ(qobject_cast<QSpinBox*>(control("height"))->value(), 144);
    // Chosen freely, the boxes keep what the player typed, though the spray is the nearest
    // allowed size.
    auto* sizes = qobject_cast<QComboBox*>(control("size"));
    sizes->setCurrentIndex(3);
    emit sizes->activated(3);
    auto* width = qobject_cast<QSpinBox*>(control("width"));
    auto* height = qobject_cast<QSpinBox*>(control("height"));
    width->setValue(256);
    height->setValue(256);
    emit height->editingFinished();
    maker.waitForSpray();
    EXPECT_EQ(maker.made()->spray.picture.width * maker.made()->spray.picture.height, 256 * 48);
    EXPECT_EQ(width->value(), 256);
    EXPECT_EQ(height->value(), 256);
    // Return saves the spray (Save is the default button).
    const QString out = env.scratch.path(QStringLiteral("out"));
    maker.show();
    QTest::keyClick(&maker, Qt::Key_Return);
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 1) << "saved with Return";
    // A picture of which nothing would show says why, in red, and cannot be saved.
    QImage clear(64, 64, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    const QString clearPath = env.scratch.path(QStringLiteral("clear.png"));
    ASSERT_TRUE(clear.save(clearPath, "PNG"));
    MakerDialog empty(clearPath, env.scratch.path(QStringLiteral("out")), env.prompts, env.windows,
                      {});
    empty.waitForSpray();
    const auto* warnings = empty.findChild<QLabel*>(QStringLiteral("warnings"));
    EXPECT_TRUE(warnings->text().startsWith(QStringLiteral("Nothing of the picture shows")))
        << warnings->text().toStdString();
    EXPECT_EQ(warnings->palette().color(QPalette::WindowText), problemColour(empty.palette()));
    EXPECT_FALSE(empty.findChild<QPushButton*>(QStringLiteral("save"))->isEnabled());
}

// A spray made for an older choice that arrives after a newer choice was made is dropped: never
// shown, never saved.
TEST(MakerControls, ASprayForAnOlderChoiceArrivingLateIsNeverShown) {
    TestEnv env;
    MakerDialog maker(
        squareOn(env, QSize(64, 32), qRgb(0, 0, 200), QRect(0, 0, 32, 32), qRgb(200, 0, 0)),
        env.scratch.mkdir(QStringLiteral("out")), env.prompts, env.windows, {});
    maker.waitForSpray();
    QSignalSpy shown(&maker, &MakerDialog::sprayShown);
    auto* mirror = maker.findChild<QPushButton*>(QStringLiteral("mirror"));
    // Each spray is made, and its result waits, before the window takes its next event.
    mirror->click();
    QThread::msleep(400);
    mirror->click();
    QThread::msleep(400);
    QCoreApplication::sendPostedEvents(&maker, QEvent::MetaCall);
    maker.waitForSpray();
    EXPECT_EQ(shown.size(), 1) << "only the spray of the latest choice is shown";
    ASSERT_TRUE(maker.hasSpray());
    EXPECT_FALSE(maker.choices().mirrored);
    const spray::IndexedPicture& spray = maker.made()->spray.picture;
    EXPECT_GT(qRed(spray.palette[static_cast<std::size_t>(spray.at(2, 8))]), 150)
        << "red on the left, as the latest (unmirrored) choice has it";
    // Saved at once after a change, the spray saved is the one of that change.
    mirror->click();
    maker.save();
    const auto savedSpray = picture::readPicture(env.scratch.path(QStringLiteral("out")) + SEP +
                                                 QStringLiteral("picture spray.bmp"));
    ASSERT_TRUE(savedSpray) << savedSpray.error().toStdString();
    EXPECT_GT(qBlue(savedSpray->pixel(2, 8)), 150) << "blue on the left: mirrored";
}

}  // namespace
}  // namespace velmira
