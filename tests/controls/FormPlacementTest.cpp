#include "controls/FormPlacement.h"

#include "platform/Environment.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"

#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <climits>

// Stand-ins named like the program's windows: the section names come from the class names.
class TCalendarMain : public QWidget
{
    Q_OBJECT
};

class TCalendarProperties : public QWidget
{
    Q_OBJECT
};

namespace {

using namespace qm;

class FormPlacementTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Environment::pinProgramFolder(m_folder.path() + u'/');
        m_main.resize(613, 378);
    }
    void TearDown() override
    {
        Environment::pinProgramFolder(std::nullopt);
        Environment::pinScreenPixelsPerInch(96);
    }

    void storePlacement(const QString &section, int left, int top, int right, int bottom, bool maximized = false)
    {
        IniFile ini(IniFileName());
        ini.writeInteger(section, QStringLiteral("Left"), left);
        ini.writeInteger(section, QStringLiteral("Top"), top);
        ini.writeInteger(section, QStringLiteral("Right"), right);
        ini.writeInteger(section, QStringLiteral("Bottom"), bottom);
        ini.writeBool(section, QStringLiteral("Maximized"), maximized);
    }

    QRect storedRect(const QString &section) const
    {
        const IniFile ini(IniFileName());
        const int left = ini.readInteger(section, QStringLiteral("Left"), -1);
        const int top = ini.readInteger(section, QStringLiteral("Top"), -1);
        return QRect(left, top, ini.readInteger(section, QStringLiteral("Right"), -1) - left,
                     ini.readInteger(section, QStringLiteral("Bottom"), -1) - top);
    }

    QTemporaryDir m_folder;
    TCalendarMain m_main;
    const QString m_section = QStringLiteral("TCalendarMain_Placement");
};

TEST_F(FormPlacementTest, WithoutStoredPlacementTheMainWindowIsCentredAndStored)
{
    RestoreFormPlacement(&m_main);
    // Screen pinned to 1280 x 1024.
    EXPECT_EQ(m_main.frameGeometry(), QRect(333, 323, 613, 378));
    EXPECT_EQ(storedRect(m_section), QRect(333, 323, 613, 378));
    EXPECT_FALSE(IniFile(IniFileName()).readBool(m_section, QStringLiteral("Maximized"), true));
}

TEST_F(FormPlacementTest, StoredRectanglesAreFittedOnTheScreen)
{
    struct Row {
        const char *name;
        int left, top, right, bottom;
        QRect expected;
    };
    const Row rows[] = {
        {"on the screen", 10, 20, 610, 420, QRect(10, 20, 600, 400)},
        {"beyond the right edge", 900, 100, 1500, 500, QRect(680, 100, 600, 400)},
        {"beyond the bottom", 10, 900, 410, 1200, QRect(10, 724, 400, 300)},
        {"wider than the screen", 0, 0, 1400, 500, QRect(0, 0, 1280, 500)},
        {"off at the left and top", -50, -20, 250, 180, QRect(0, 0, 300, 200)},
        {"thirty thousand pixels square", 0, 0, 30000, 30000, QRect(0, 0, 1280, 1024)},
        {"edges at the ends of the integers", INT_MIN, INT_MIN, INT_MAX, INT_MAX, QRect(0, 0, 1280, 1024)},
        {"far off at the bottom right", INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX, QRect(1270, 1014, 10, 10)},
    };
    for (const Row &row : rows) {
        storePlacement(m_section, row.left, row.top, row.right, row.bottom);
        RestoreFormPlacement(&m_main);
        EXPECT_EQ(m_main.frameGeometry(), row.expected) << row.name;
        EXPECT_EQ(storedRect(m_section), row.expected) << row.name;
    }

    // Edges that enclose nothing are no placement.
    storePlacement(m_section, 500, 500, 100, 100);
    RestoreFormPlacement(&m_main);
    EXPECT_EQ(m_main.frameGeometry(), QRect(640 - 5, 512 - 5, 10, 10));
}

TEST_F(FormPlacementTest, MaximisedStateIsRestoredAndTheNormalRectangleKept)
{
    storePlacement(m_section, 40, 50, 640, 450, true);
    m_main.show(); // as at the first activation: the frame is known
    RestoreFormPlacement(&m_main);
    EXPECT_TRUE(m_main.isMaximized());
    SaveFormPlacement(&m_main);
    EXPECT_TRUE(IniFile(IniFileName()).readBool(m_section, QStringLiteral("Maximized"), false));
    EXPECT_EQ(storedRect(m_section), QRect(40, 50, 600, 400));
}

TEST_F(FormPlacementTest, APlacementComesBackAsItWasBeforeTheFrameIsKnown)
{
    // Each window is placed at its first activation, before the window manager
    // has told its frame; it must not grow or creep by the frame each time.
    m_main.setGeometry(100, 120, 600, 400);
    m_main.show();
    SaveFormPlacement(&m_main);
    TCalendarMain next;
    RestoreFormPlacement(&next);
    next.show();
    EXPECT_EQ(next.geometry(), m_main.geometry());
    EXPECT_EQ(storedRect(m_section), QRect(100, 120, 600, 400));
}

TEST_F(FormPlacementTest, OnceFramedTheTitleBarIsOnTheScreen)
{
    // The window was placed by its client area; the offscreen frame is 2 pixels wide all round.
    struct Row {
        const char *name;
        int left, top, right, bottom;
        QRect expected;
    };
    const Row rows[] = {
        {"as large as the screen", 0, 0, 1280, 1024, QRect(2, 2, 1276, 1020)},
        {"larger than the screen", 1, 20, 3001, 2020, QRect(2, 2, 1276, 1020)},
        {"pushed onto the screen at the top", 200, -100, 800, 300, QRect(200, 2, 600, 400)},
        {"framed whole on the screen", 100, 120, 700, 520, QRect(100, 120, 600, 400)},
    };
    for (const Row &row : rows) {
        storePlacement(m_section, row.left, row.top, row.right, row.bottom);
        TCalendarMain window;
        window.show(); // placed at the first activation, as the program does
        RestoreFormPlacement(&window);
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.geometry() == row.expected; })) << row.name;
        QTest::qWait(100);
        EXPECT_EQ(window.geometry(), row.expected) << row.name << ": settled";
    }
}

TEST_F(FormPlacementTest, EachResolutionAbove96KeepsItsOwnPlacement)
{
    storePlacement(m_section, 10, 20, 610, 420);
    Environment::pinScreenPixelsPerInch(120);
    RestoreFormPlacement(&m_main);
    EXPECT_EQ(m_main.frameGeometry().topLeft(), QPoint(333, 323)) << "96 placement ignored: centred";
    EXPECT_EQ(storedRect(QStringLiteral("TCalendarMain_Placement120")), QRect(333, 323, 613, 378));
    EXPECT_EQ(storedRect(m_section), QRect(10, 20, 600, 400));
}

TEST_F(FormPlacementTest, OtherWindowsAreCentredOnTheMainWindowUnlessItIsMaximised)
{
    m_main.setGeometry(100, 100, 600, 400);
    m_main.show();
    TCalendarProperties dialog;
    dialog.resize(200, 100);
    CenterForm(&dialog);
    EXPECT_EQ(dialog.pos(), QPoint(300, 250));

    // A main window dragged half off the screen keeps its dialogs on it.
    m_main.move(1100, 900);
    CenterForm(&dialog);
    EXPECT_EQ(dialog.pos(), QPoint(1080, 924));
    m_main.move(-500, -300);
    CenterForm(&dialog);
    EXPECT_EQ(dialog.pos(), QPoint(0, 0));

    m_main.showMaximized();
    CenterForm(&dialog);
    EXPECT_EQ(dialog.pos(), QPoint(540, 462));

    RestoreFormPlacement(&dialog);
    EXPECT_EQ(storedRect(QStringLiteral("TCalendarProperties_Placement")), QRect(540, 462, 200, 100));
}

} // namespace

#include "FormPlacementTest.moc"
