#pragma once

#include <QColor>
#include <QFont>
#include <QProxyStyle>

class QMenu;
class QMenuBar;

namespace ui {

// Draws a menu bar and its menus flat: no bevels, a yellow highlight with a thin frame, the
// active entry in bold, icons in a column at the left of each menu.
class FlatMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    FlatMenuStyle();

    static QColor highlight() { return {255, 238, 110}; }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

protected:
    // Styles the menus added to a styled bar or menu later on.
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Arial 8 point, or the system's sans-serif font at 8 points where Arial is missing.
QFont flatMenuFont();

// Gives the bar, its menus and their submenus (also those added later) the flat look.
void applyFlatMenuStyle(QMenuBar* bar);
// The same for a popup menu of its own.
void applyFlatMenuStyle(QMenu* menu);

// Hints (tool tips) of the whole application drawn on yellow.
QColor hintColor();
void setYellowHints();

} // namespace ui
