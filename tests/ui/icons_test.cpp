#include "ui/icons.h"

#include "support/sandbox.h"

#include <QImage>
#include <gtest/gtest.h>

#include <set>

namespace {

bool hasVisiblePixels(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() > 0)
                return true;
    return false;
}

class IconsTest : public testing::Test {
protected:
    Sandbox sandbox;
};

TEST_F(IconsTest, EverySmallIconIsDrawnAtSixteenPixelsAndDiffersFromTheOthers) {
    const ui::IconList& icons = ui::icons16();
    EXPECT_EQ(icons.size(), 16);
    ASSERT_GE(icons.count(), 28);
    std::set<QByteArray> seen;
    for (int index = 0; index < 28; ++index) {
        SCOPED_TRACE(index);
        const QIcon icon = icons.icon(index);
        ASSERT_FALSE(icon.isNull());
        const QImage image = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(image.size(), QSize(16, 16));
        EXPECT_TRUE(hasVisiblePixels(image));
        const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()),
                               static_cast<qsizetype>(image.sizeInBytes()));
        EXPECT_TRUE(seen.insert(bytes).second) << "two indices share one picture";
    }
    EXPECT_TRUE(icons.icon(-1).isNull());
    EXPECT_TRUE(icons.icon(icons.count()).isNull());
}

TEST_F(IconsTest, GroupIconsAreThirtyTwoPixels) {
    const ui::IconList& icons = ui::icons32();
    EXPECT_EQ(icons.size(), 32);
    ASSERT_GE(icons.count(), 1);
    for (int index = 0; index < icons.count(); ++index) {
        const QImage image = icons.icon(index).pixmap(32, 32).toImage();
        EXPECT_EQ(image.size(), QSize(32, 32));
        EXPECT_TRUE(hasVisiblePixels(image));
    }
}

} // namespace
