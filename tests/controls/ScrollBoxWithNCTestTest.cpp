#include "controls/ScrollBoxWithNCTest.h"
#include "controls/BusyCursor.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

TEST(ScrollBoxWithNCTest, ContentFollowsTheThumbAndScrollingIsReported)
{
    TScrollBoxWithNCTest box;
    box.resize(200, 200);
    auto *content = new QWidget;
    content->resize(1000, 1000);
    box.setWidget(content);
    box.show();
    QScrollBar *vertical = box.verticalScrollBar();

    QSignalSpy scrolls(&box, &TScrollBoxWithNCTest::OnScroll);
    vertical->setSliderDown(true);
    vertical->setSliderPosition(120); // a drag: the content moves before the thumb is let go
    EXPECT_EQ(vertical->value(), 120);
    EXPECT_EQ(content->y(), -120);
    ASSERT_EQ(scrolls.size(), 1);
    EXPECT_EQ(scrolls.first().first().value<Qt::Orientation>(), Qt::Vertical);
    vertical->setSliderDown(false);

    box.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(scrolls.last().first().value<Qt::Orientation>(), Qt::Horizontal);

    QSignalSpy overVertical(&box, &TScrollBoxWithNCTest::OnMoveOverVScroll);
    QSignalSpy overHorizontal(&box, &TScrollBoxWithNCTest::OnMoveOverHScroll);
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QGuiApplication::sendEvent(vertical, &move);
    EXPECT_EQ(overVertical.size(), 1);
    EXPECT_EQ(overHorizontal.size(), 0);
}

TEST(BusyCursor, OneEndEndsAnyNumberOfBegins)
{
    qm::BeginBusy();
    qm::BeginBusy();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    qm::EndBusy();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    qm::EndBusy();
}

} // namespace
