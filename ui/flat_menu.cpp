#include "ui/flat_menu.h"

#include <QActionEvent>
#include <QApplication>
#include <QFontDatabase>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionMenuItem>
#include <QToolTip>

namespace ui {

namespace {

constexpr int kIconColumn = 24;
constexpr int kArrowWidth = 14;
constexpr int kShortcutGap = 20;

const QColor kFrame(120, 100, 30);
const QColor kMenuBackground(252, 252, 250);
const QColor kIconColumnBackground(232, 234, 240);
const QColor kBorder(128, 128, 128);

QFont activeFont(const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    return bold;
}

// The caption and the shortcut of a menu entry are one text separated by a tab.
QString captionOf(const QString& text) {
    return text.section(QLatin1Char('\t'), 0, 0);
}

QString shortcutOf(const QString& text) {
    return text.section(QLatin1Char('\t'), 1);
}

int textWidth(const QFont& font, const QString& text) {
    QString plain = text;
    plain.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return QFontMetrics(font).horizontalAdvance(plain);
}

void drawHighlight(QPainter* painter, const QRect& rect) {
    painter->save();
    painter->setPen(kFrame);
    painter->setBrush(FlatMenuStyle::highlight());
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

FlatMenuStyle* sharedStyle() {
    // Owned by the application so it outlives every menu that uses it.
    static FlatMenuStyle* style = [] {
        auto* s = new FlatMenuStyle;
        s->setParent(qApp);
        return s;
    }();
    return style;
}

void styleMenu(QMenu* menu) {
    if (!menu || menu->style() == sharedStyle())
        return;
    menu->setStyle(sharedStyle());
    menu->setFont(flatMenuFont());
    menu->installEventFilter(sharedStyle());
    for (QAction* action : menu->actions())
        styleMenu(action->menu());
}

} // namespace

FlatMenuStyle::FlatMenuStyle() = default;

void FlatMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    switch (element) {
    case PE_PanelMenuBar:
        painter->fillRect(option->rect, option->palette.window());
        return;
    case PE_PanelMenu:
        painter->fillRect(option->rect, kMenuBackground);
        [[fallthrough]];
    case PE_FrameMenu:
        painter->save();
        painter->setPen(kBorder);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void FlatMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    switch (element) {
    case CE_MenuBarEmptyArea:
        painter->fillRect(option->rect, option->palette.window());
        return;
    case CE_MenuEmptyArea:
        painter->fillRect(option->rect, kMenuBackground);
        return;
    case CE_MenuBarItem: {
        if (!item)
            break;
        painter->save();
        painter->fillRect(option->rect, option->palette.window());
        const bool active = (option->state & State_Selected) &&
                            (option->state & (State_Sunken | State_MouseOver | State_HasFocus));
        const bool enabled = option->state & State_Enabled;
        if (active && enabled)
            drawHighlight(painter, option->rect);
        painter->setFont(active && enabled ? activeFont(item->font) : item->font);
        painter->setPen(enabled ? option->palette.color(QPalette::WindowText)
                                : option->palette.color(QPalette::Disabled, QPalette::WindowText));
        painter->drawText(option->rect, Qt::AlignCenter | Qt::TextShowMnemonic, item->text);
        painter->restore();
        return;
    }
    case CE_MenuItem: {
        if (!item)
            break;
        painter->save();
        const QRect r = option->rect;
        painter->fillRect(r, kMenuBackground);
        painter->fillRect(QRect(r.left(), r.top(), kIconColumn, r.height()), kIconColumnBackground);
        if (item->menuItemType == QStyleOptionMenuItem::Separator) {
            painter->setPen(QColor(175, 175, 175));
            const int y = r.center().y();
            painter->drawLine(r.left() + kIconColumn + 4, y, r.right() - 2, y);
            painter->restore();
            return;
        }
        const bool enabled = option->state & State_Enabled;
        const bool active = enabled && (option->state & State_Selected);
        if (active)
            drawHighlight(painter, r.adjusted(1, 0, -1, 0));

        const QRect iconRect(r.left() + (kIconColumn - 16) / 2, r.top() + (r.height() - 16) / 2, 16,
                             16);
        if (!item->icon.isNull()) {
            item->icon.paint(painter, iconRect, Qt::AlignCenter,
                             enabled ? QIcon::Normal : QIcon::Disabled);
        } else if (item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked) {
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(QPen(option->palette.color(QPalette::Text), 1.8));
            painter->drawPolyline(QPolygonF{iconRect.topLeft() + QPointF(3, 8),
                                            iconRect.topLeft() + QPointF(6.5, 11.5),
                                            iconRect.topLeft() + QPointF(13, 4)});
        }

        const QColor ink = enabled ? option->palette.color(QPalette::Text)
                                   : option->palette.color(QPalette::Disabled, QPalette::Text);
        painter->setPen(ink);
        painter->setFont(active ? activeFont(item->font) : item->font);
        const QRect textRect = r.adjusted(kIconColumn + 6, 0, -kArrowWidth, 0);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                          captionOf(item->text));
        const QString shortcut = shortcutOf(item->text);
        if (!shortcut.isEmpty())
            painter->drawText(textRect, Qt::AlignRight | Qt::AlignVCenter, shortcut);
        if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(Qt::NoPen);
            painter->setBrush(ink);
            const QPointF c(r.right() - kArrowWidth / 2.0, r.center().y() + 0.5);
            painter->drawPolygon(
                QPolygonF{c + QPointF(-2, -4), c + QPointF(2, 0), c + QPointF(-2, 4)});
        }
        painter->restore();
        return;
    }
    default:
        break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

QSize FlatMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                      const QSize& size, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item && type == CT_MenuBarItem) {
        // Measured in bold so the entry does not grow when it becomes active.
        const QFont bold = activeFont(item->font);
        return {textWidth(bold, item->text) + 14, QFontMetrics(bold).height() + 6};
    }
    if (item && type == CT_MenuItem) {
        if (item->menuItemType == QStyleOptionMenuItem::Separator)
            return {kIconColumn + 20, 7};
        const QFont bold = activeFont(item->font);
        int width = kIconColumn + 6 + textWidth(bold, captionOf(item->text)) + kArrowWidth + 6;
        const QString shortcut = shortcutOf(item->text);
        if (!shortcut.isEmpty())
            width += kShortcutGap + QFontMetrics(item->font).horizontalAdvance(shortcut);
        return {std::max(width, size.width()), std::max(QFontMetrics(bold).height() + 6, 22)};
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int FlatMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                               const QWidget* widget) const {
    switch (metric) {
    case PM_MenuPanelWidth:
        return 1;
    case PM_MenuBarPanelWidth:
    case PM_MenuBarItemSpacing:
    case PM_MenuBarVMargin:
        return 0;
    case PM_MenuBarHMargin:
        return 2;
    case PM_MenuHMargin:
        return 1;
    case PM_MenuVMargin:
        return 2;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

bool FlatMenuStyle::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionChanged) {
        if (QAction* action = static_cast<QActionEvent*>(event)->action())
            styleMenu(action->menu());
    }
    return QProxyStyle::eventFilter(watched, event);
}

QFont flatMenuFont() {
    QFont font;
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(QStringLiteral("Arial"), Qt::CaseInsensitive))
        font.setFamily(QStringLiteral("Arial"));
    else
        font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                          QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

void applyFlatMenuStyle(QMenuBar* bar) {
    if (!bar)
        return;
    bar->setStyle(sharedStyle());
    bar->setFont(flatMenuFont());
    bar->installEventFilter(sharedStyle());
    for (QAction* action : bar->actions())
        styleMenu(action->menu());
}

void applyFlatMenuStyle(QMenu* menu) {
    styleMenu(menu);
}

QColor hintColor() {
    return {255, 255, 0};
}

void setYellowHints() {
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, hintColor());
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::Window, hintColor());
    palette.setColor(QPalette::WindowText, Qt::black);
    QToolTip::setPalette(palette);
    QPalette app = QApplication::palette();
    app.setColor(QPalette::ToolTipBase, hintColor());
    app.setColor(QPalette::ToolTipText, Qt::black);
    QApplication::setPalette(app);
}

} // namespace ui
