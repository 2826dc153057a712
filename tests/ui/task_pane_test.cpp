#include "ui/task_pane.h"

#include "support/sandbox.h"
#include "ui/icons.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <vector>

namespace {

using ui::TaskPane;

struct Row {
    int group;
    const char* caption;
    const char* hint;
    int icon;
    int tag;
};

// The main window's pane: the progress item sits between "Zatrzymaj" and the options.
const Row kRows[] = {
    {0, "Szukaj śmieci", "Wyszukuj potencjalne śmieci", 6, 0},
    {0, "Oczyść śmietnik", "Oczyszcza komputer z śmieci", 27, 1},
    {0, "Opróżnij kosz", "Opróżnia kosz Windows...", 11, 2},
    {0, "Usun Historię", "Usuwa historię przeglądarki internetowej", 13, 3},
    {1, "Zatrzymaj", "Zatrzymuje skanowanie komputera", 19, 4},
    {2, "Ustawienia", "Ustawienia programu", 3, 5},
    {2, "Skanuj dyski", "Skaner dysków", 15, 6},
    {2, "Filtruj katalogi", "Filtruj wybrane katalogi", 9, 8},
    {2, "Podgląd śmieci", "", 10, 9},
    {2, "Otwórz stronę", "Otwórz stronę WWW/Wyślij e-mail", 14, 7},
    {2, "W tle", "Pracuj w tle (ukryj)", 18, 11},
    {3, "ZAMKNIJ", "Zamknij program [Zelvik] BRUDEX", 4, 10},
};

class TaskPaneTest : public testing::Test {
protected:
    TaskPaneTest() {
        pane.setIcons(&ui::icons16(), &ui::icons32());
        pane.beginUpdate();
        pane.addGroup("Czyść...", 0, true);
        pane.addGroup("Status");
        pane.addGroup("Opcje");
        pane.addGroup("Zamknij");
        for (const Row& row : kRows) {
            pane.addItem(row.group, QString::fromUtf8(row.caption), QString::fromUtf8(row.hint),
                         row.icon, row.tag);
            if (row.tag == 4)
                pane.addProgressItem(1, 0, 7, 10, QColor(128, 0, 128));
        }
        pane.endUpdate();
        pane.resize(pane.sizeHint());
        QObject::connect(&pane, &TaskPane::itemClicked,
                         [this](int tag) { clicked.push_back(tag); });
    }

    // A real press and release, delivered as the window system would.
    void mouseClick(QPoint pos) {
        const QPointF local(pos);
        QMouseEvent press(QEvent::MouseButtonPress, local, pane.mapToGlobal(local), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&pane, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, local, pane.mapToGlobal(local),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&pane, &release);
    }

    // Position of a row of kRows in its group (the progress item counts in group 1).
    static int indexInGroup(const Row& row) {
        int index = 0;
        for (const Row& other : kRows) {
            if (&other == &row)
                return index;
            if (other.group == row.group)
                ++index;
        }
        return -1;
    }

    Sandbox sandbox;
    TaskPane pane;
    std::vector<int> clicked;
};

TEST_F(TaskPaneTest, KeepsGroupsAndItemsAtTheirPositions) {
    ASSERT_EQ(pane.groupCount(), 4);
    EXPECT_EQ(pane.groupTitle(0), "Czyść...");
    EXPECT_EQ(pane.groupTitle(3), "Zamknij");
    EXPECT_EQ(pane.itemCount(0), 4);
    EXPECT_EQ(pane.itemCount(1), 2);
    EXPECT_EQ(pane.itemCount(2), 6);
    EXPECT_EQ(pane.itemCount(3), 1);
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.caption);
        const int item = indexInGroup(row);
        EXPECT_EQ(pane.itemCaption(row.group, item), QString::fromUtf8(row.caption));
        EXPECT_EQ(pane.itemHint(row.group, item), QString::fromUtf8(row.hint));
        EXPECT_EQ(pane.itemTag(row.group, item), row.tag);
    }
    EXPECT_EQ(pane.itemTag(1, 1), -1) << "a progress item carries no command";
    // Out of range asks answer emptily instead of crashing.
    EXPECT_EQ(pane.itemCaption(4, 0), QString());
    EXPECT_EQ(pane.itemTag(0, 4), -1);
    EXPECT_EQ(pane.itemCount(-1), 0);
    pane.setItemCaption(7, 0, "x");
    pane.clickItem(0, -1);
    EXPECT_TRUE(clicked.empty());
}

TEST_F(TaskPaneTest, MouseClickOnEveryItemSendsItsTag) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.caption);
        clicked.clear();
        const QRect rect = pane.itemRect(row.group, indexInGroup(row));
        ASSERT_FALSE(rect.isEmpty());
        mouseClick(rect.center());
        EXPECT_EQ(clicked, std::vector<int>{row.tag});
    }
}

TEST_F(TaskPaneTest, ItemWithEmptyCaptionStillShowsItsIconAndReactsToClicks) {
    pane.setItemCaption(0, 1, "");
    pane.setItemCaption(1, 0, "");
    for (auto [group, item, tag] : {std::tuple{0, 1, 1}, std::tuple{1, 0, 4}}) {
        clicked.clear();
        const QRect rect = pane.itemRect(group, item);
        ASSERT_GE(rect.width(), 16) << "the icon stays clickable";
        mouseClick(rect.center());
        EXPECT_EQ(clicked, std::vector<int>{tag});
    }

    // The icon is really drawn: the icon spot differs from the spot of an empty row's text.
    const QImage shot = pane.grab().toImage();
    const QRect icon = pane.itemRect(0, 1);
    EXPECT_NE(shot.pixelColor(icon.left() + 10, icon.center().y()),
              shot.pixelColor(icon.right() + 30, icon.center().y()));
}

TEST_F(TaskPaneTest, ClicksOutsideItemsOrOnTheProgressBarDoNothing) {
    mouseClick(pane.itemRect(1, 1).center());
    mouseClick(QPoint(2, 2));
    const QRect caption = pane.itemRect(0, 0);
    mouseClick(QPoint(caption.right() + 5, caption.center().y()));
    EXPECT_TRUE(clicked.empty());

    // Pressing on one item and releasing on another is no click.
    const QPointF from(pane.itemRect(0, 0).center());
    const QPointF to(pane.itemRect(0, 2).center());
    QMouseEvent press(QEvent::MouseButtonPress, from, from, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&pane, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, to, to, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&pane, &release);
    EXPECT_TRUE(clicked.empty());
}

TEST_F(TaskPaneTest, ClickOnTitleFoldsTheGroupAwayFromHitTesting) {
    const QPoint closeSpot = pane.itemRect(3, 0).center();
    const QRect optionsBefore = pane.itemRect(2, 0);

    mouseClick(pane.groupTitleRect(0).center());
    ASSERT_FALSE(pane.isExpanded(0));
    EXPECT_TRUE(pane.itemRect(0, 0).isEmpty());
    // The groups below move up, and clicks follow them.
    const QRect optionsAfter = pane.itemRect(2, 0);
    EXPECT_LT(optionsAfter.top(), optionsBefore.top());
    mouseClick(optionsAfter.center());
    EXPECT_EQ(clicked, std::vector<int>{5});

    clicked.clear();
    mouseClick(pane.groupTitleRect(3).center());
    ASSERT_FALSE(pane.isExpanded(3));
    mouseClick(pane.groupTitleRect(3).bottomLeft() + QPoint(20, 12));
    mouseClick(closeSpot);
    EXPECT_TRUE(clicked.empty()) << "a folded item cannot be clicked";

    mouseClick(pane.groupTitleRect(3).center());
    mouseClick(pane.groupTitleRect(0).center());
    EXPECT_TRUE(pane.isExpanded(0));
    EXPECT_TRUE(pane.isExpanded(3));
    EXPECT_EQ(pane.itemRect(2, 0), optionsBefore);
    mouseClick(pane.itemRect(3, 0).center());
    EXPECT_EQ(clicked, std::vector<int>{10});
}

TEST_F(TaskPaneTest, CaptionChangeMovesNothingAndStaysInsideThePane) {
    std::vector<QRect> before;
    for (int item = 0; item < pane.itemCount(2); ++item)
        before.push_back(pane.itemRect(2, item));

    pane.setItemCaption(2, 0, "Bardzo długi napis, który nie mieści się w panelu zadań ęóąś");
    const QRect longRect = pane.itemRect(2, 0);
    EXPECT_LE(longRect.right(), pane.width());
    EXPECT_EQ(longRect.top(), before[0].top());
    EXPECT_EQ(longRect.height(), before[0].height());
    for (int item = 1; item < pane.itemCount(2); ++item)
        EXPECT_EQ(pane.itemRect(2, item), before[static_cast<std::size_t>(item)]);
    EXPECT_EQ(pane.sizeHint().width(), TaskPane::kDockWidth);
}

TEST_F(TaskPaneTest, ProgressItemKeepsItsRangeAndClampsThePosition) {
    EXPECT_EQ(pane.progressMaximum(1, 1), 7);
    EXPECT_EQ(pane.progressPosition(1, 1), 0);
    pane.setProgressPosition(1, 1, 3);
    EXPECT_EQ(pane.progressPosition(1, 1), 3);
    pane.setProgressPosition(1, 1, 9);
    EXPECT_EQ(pane.progressPosition(1, 1), 7);
    pane.setProgressPosition(1, 1, -2);
    EXPECT_EQ(pane.progressPosition(1, 1), 0);
    EXPECT_EQ(pane.itemRect(1, 1).height(), 18) << "height 10 plus its padding";

    // Half way fills the left half of the bar with the bar colour, framed in the shadow colour.
    pane.setProgressPosition(1, 1, 4);
    const QImage shot = pane.grab().toImage();
    const QRect bar = pane.itemRect(1, 1);
    const int y = bar.center().y();
    EXPECT_EQ(shot.pixelColor(bar.left() + 20, y), QColor(128, 0, 128));
    EXPECT_NE(shot.pixelColor(bar.right() - 20, y), QColor(128, 0, 128));
    int x = bar.left();
    while (x < bar.right() && (shot.pixelColor(x, y) == pane.scheme().body ||
                               shot.pixelColor(x, y) == pane.scheme().bodyBorder))
        ++x;
    EXPECT_EQ(shot.pixelColor(x, y).rgb(), pane.palette().color(QPalette::Shadow).rgb());
}

TEST_F(TaskPaneTest, PaneShorterThanItsGroupsScrollsWithTheWheelAndClicksFollow) {
    pane.show(); // a hidden widget gets its resize events only when shown
    pane.resize(TaskPane::kDockWidth, 200);
    const QRect before = pane.itemRect(3, 0);
    for (int turn = 0; turn < 20; ++turn) {
        QWheelEvent wheel(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&pane, &wheel);
    }
    const QRect after = pane.itemRect(3, 0);
    EXPECT_LT(after.bottom(), pane.height()) << "scrolled to the last item";
    EXPECT_GT(after.bottom(), pane.height() - 40) << "and no further";
    EXPECT_EQ(after.size(), before.size());
    mouseClick(after.center());
    EXPECT_EQ(clicked, std::vector<int>{10});

    // Once everything fits again, the groups return to the top.
    pane.resize(pane.sizeHint());
    EXPECT_EQ(pane.itemRect(3, 0), before);
}

TEST_F(TaskPaneTest, VisiblePaneFoldsAtOnceForHitTestingWhileItAnimates) {
    pane.show();
    pane.clickGroupTitle(2);
    EXPECT_FALSE(pane.isExpanded(2));
    EXPECT_TRUE(pane.itemRect(2, 0).isEmpty());
    pane.clickItem(2, 0); // a keyboard or program click still works
    EXPECT_EQ(clicked, std::vector<int>{5});
}

} // namespace
