#include "ui/flat_menu.h"

#include "support/sandbox.h"

#include <QMenu>
#include <QMenuBar>
#include <QStyleOptionMenuItem>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

class FlatMenuTest : public testing::Test {
protected:
    Sandbox sandbox;
};

TEST_F(FlatMenuTest, StylesTheBarAndEveryMenuAlsoThoseAddedLater) {
    QMenuBar bar;
    QMenu* file = bar.addMenu("Plik");
    QMenu* nested = file->addMenu("Więcej");
    ui::applyFlatMenuStyle(&bar);
    QMenu* help = bar.addMenu("Pomoc");
    QMenu* late = help->addMenu("Później");

    for (QWidget* widget :
         {static_cast<QWidget*>(&bar), static_cast<QWidget*>(file), static_cast<QWidget*>(nested),
          static_cast<QWidget*>(help), static_cast<QWidget*>(late)}) {
        SCOPED_TRACE(widget->metaObject()->className());
        EXPECT_NE(qobject_cast<ui::FlatMenuStyle*>(widget->style()), nullptr);
        EXPECT_EQ(widget->font().pointSize(), 8);
    }
}

TEST_F(FlatMenuTest, EntriesAreSizedForTheirBoldActiveLook) {
    QMenuBar bar;
    ui::applyFlatMenuStyle(&bar);
    QStyleOptionMenuItem option;
    option.initFrom(&bar);
    option.font = bar.font();
    option.text = "Narzędzia";
    option.menuItemType = QStyleOptionMenuItem::Normal;
    QFont bold = bar.font();
    bold.setBold(true);
    const int boldWidth = QFontMetrics(bold).horizontalAdvance("Narzędzia");
    EXPECT_GT(bar.style()->sizeFromContents(QStyle::CT_MenuBarItem, &option, {}, &bar).width(),
              boldWidth);
    option.text = "Dodaj nowy profil innego systemu operacyjnego";
    const int entryBold = QFontMetrics(bold).horizontalAdvance(option.text);
    EXPECT_GT(bar.style()->sizeFromContents(QStyle::CT_MenuItem, &option, {}, &bar).width(),
              entryBold);
}

TEST_F(FlatMenuTest, HintsAreDrawnOnYellow) {
    ui::setYellowHints();
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 255, 0));
    EXPECT_EQ(QToolTip::palette().color(QPalette::Inactive, QPalette::ToolTipBase),
              QColor(255, 255, 0));
}

} // namespace
