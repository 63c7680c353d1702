#include "app/app_harness.h"
#include "app/frame_drag.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Drags a frame control with the left button from its middle by delta (global coordinates).
void drag(QWidget *control, QPoint delta)
{
    const QPoint local = control->rect().center();
    const QPoint global = control->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(control, &press);
    QMouseEvent move(QEvent::MouseMove, local + delta, global + delta, Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(control, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, local + delta, global + delta, Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(control, &release);
}

}  // namespace

TEST(FrameDrag, MovesOrSizesFromTheGrabbedEdgesAndKeepsTheMinimum)
{
    using E = FrameDrag::Edge;
    const QRect start(100, 100, 1000, 800);
    struct Case {
        int edges;
        QPoint delta;
        QRect expected;
    } cases[] = {
        {E::None, {30, -20}, QRect(130, 80, 1000, 800)},
        {E::Right | E::Bottom, {50, 60}, QRect(100, 100, 1050, 860)},
        {E::Left, {100, 999}, QRect(200, 100, 900, 800)},
        {E::Top | E::Left, {-10, -20}, QRect(90, 80, 1010, 820)},
        {E::Right | E::Bottom, {-900, -700}, QRect(100, 100, 400, 400)},
        {E::Top, {0, 700}, QRect(100, 500, 1000, 400)},
    };
    for (const Case &c : cases) {
        const FrameDrag drag{start, QPoint(500, 500), c.edges};
        EXPECT_EQ(drag.geometryAt(QPoint(500, 500) + c.delta, 400), c.expected) << c.edges;
    }
}

TEST(Frame, TheHandlesSizeTheWindowAndTheSizeIsStored)
{
    TestContext ctx;
    AppHarness run(ctx);
    run.start();
    MainWindow &w = run.window();
    // Every handle inside the window is the control a press at its place reaches.
    for (QLabel *handle : w.resizeHandles) {
        if (handle->geometry().top() >= 0) {
            EXPECT_EQ(w.childAt(handle->geometry().center()), handle) << handle->objectName().toStdString();
        }
    }
    drag(w.handle(QStringLiteral("右下调节器")), QPoint(300, 300) - QPoint(w.width(), w.height()));
    EXPECT_EQ(w.size(), QSize(400, 400));
    EXPECT_EQ(run.app->settings().readNumber(QStringLiteral("软件设置"), QStringLiteral("高度")), 400);
    EXPECT_EQ(run.app->settings().readNumber(QStringLiteral("软件设置"), QStringLiteral("宽度")), 400);

    const QPoint before = w.pos();
    drag(w.handle(QStringLiteral("左侧调节器")), QPoint(-100, 0));
    EXPECT_EQ(w.width(), 500);
    EXPECT_EQ(w.x(), before.x() - 100);

    drag(w.titleBar, QPoint(40, 25));
    EXPECT_EQ(w.pos(), QPoint(before.x() - 60, before.y() + 25));
}

TEST(Frame, TheTitleMaximisesAndRestoresAndTheLabelMinimises)
{
    TestContext ctx;
    AppHarness run(ctx);
    run.start();
    MainWindow &w = run.window();
    QTest::mouseDClick(w.titleBar, Qt::LeftButton);
    EXPECT_TRUE(w.isMaximized());
    QTest::mouseDClick(w.titleBar, Qt::LeftButton);
    EXPECT_FALSE(w.isMaximized());
    QTest::mousePress(w.minimiseLabel, Qt::LeftButton);
    EXPECT_TRUE(w.isMinimized());
}
