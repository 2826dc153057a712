#include "ui/task_pane.h"

#include "ui/icons.h"

#include <QHelpEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <QVariantAnimation>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

constexpr int kMargin = 10;   // between the pane's edge and a group
constexpr int kTop = 14;      // above the first group; room for its icon sticking out
constexpr int kGroupGap = 14; // between a group's body and the next title
constexpr int kHeaderHeight = 25;
constexpr int kBodyPadding = 7; // above the first and below the last item
constexpr int kItemHeight = 19;
constexpr int kItemIndent = 9;
constexpr int kIconGap = 6; // between an item's icon and its caption
constexpr int kSmallIcon = 16;
constexpr int kLargeIcon = 32;
constexpr int kChevron = 17;

int itemRowHeight(bool progress, int barHeight) {
    return progress ? barHeight + 8 : kItemHeight;
}

} // namespace

TaskPane::TaskPane(QWidget* parent) : QWidget(parent) {
    setFixedWidth(kDockWidth);
    setMouseTracking(true);
    // Every pixel is painted by paintEvent: no background erase, no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
}

TaskPane::~TaskPane() = default;

void TaskPane::setScheme(const TaskPaneScheme& scheme) {
    scheme_ = scheme;
    update();
}

void TaskPane::setIcons(const IconList* icons16, const IconList* icons32) {
    icons16_ = icons16;
    icons32_ = icons32;
    update();
}

int TaskPane::addGroup(const QString& title, int iconIndex, bool highlighted) {
    Group group;
    group.title = title;
    group.icon = iconIndex;
    group.highlighted = highlighted;
    groups_.push_back(std::move(group));
    relayout();
    return groupCount() - 1;
}

int TaskPane::addItem(int group, const QString& caption, const QString& hint, int iconIndex,
                      int tag) {
    if (group < 0 || group >= groupCount())
        return -1;
    Item item;
    item.caption = caption;
    item.hint = hint;
    item.icon = iconIndex;
    item.tag = tag;
    auto& items = groups_[static_cast<std::size_t>(group)].items;
    items.push_back(std::move(item));
    relayout();
    return static_cast<int>(items.size()) - 1;
}

int TaskPane::addProgressItem(int group, int minimum, int maximum, int height,
                              const QColor& barColor) {
    if (group < 0 || group >= groupCount())
        return -1;
    Item item;
    item.progress = true;
    item.minimum = minimum;
    item.maximum = std::max(minimum, maximum);
    item.position = minimum;
    item.height = std::max(1, height);
    item.bar = barColor;
    auto& items = groups_[static_cast<std::size_t>(group)].items;
    items.push_back(std::move(item));
    relayout();
    return static_cast<int>(items.size()) - 1;
}

void TaskPane::beginUpdate() {
    if (updateLocks_++ == 0)
        setUpdatesEnabled(false);
}

void TaskPane::endUpdate() {
    if (updateLocks_ == 0 || --updateLocks_ > 0)
        return;
    relayout();
    setUpdatesEnabled(true);
    update();
}

const TaskPane::Item* TaskPane::findItem(int group, int item) const {
    if (group < 0 || group >= groupCount())
        return nullptr;
    const auto& items = groups_[static_cast<std::size_t>(group)].items;
    if (item < 0 || item >= static_cast<int>(items.size()))
        return nullptr;
    return &items[static_cast<std::size_t>(item)];
}

TaskPane::Item* TaskPane::findItem(int group, int item) {
    return const_cast<Item*>(std::as_const(*this).findItem(group, item));
}

QString TaskPane::itemCaption(int group, int item) const {
    const Item* found = findItem(group, item);
    return found ? found->caption : QString();
}

void TaskPane::setItemCaption(int group, int item, const QString& caption) {
    Item* found = findItem(group, item);
    if (!found || found->caption == caption)
        return;
    // A caption is one elided line: the row keeps its height, so nothing moves.
    found->caption = caption;
    update(found->row);
}

QString TaskPane::itemHint(int group, int item) const {
    const Item* found = findItem(group, item);
    return found ? found->hint : QString();
}

int TaskPane::itemTag(int group, int item) const {
    const Item* found = findItem(group, item);
    return found && !found->progress ? found->tag : -1;
}

int TaskPane::itemCount(int group) const {
    if (group < 0 || group >= groupCount())
        return 0;
    return static_cast<int>(groups_[static_cast<std::size_t>(group)].items.size());
}

QString TaskPane::groupTitle(int group) const {
    if (group < 0 || group >= groupCount())
        return {};
    return groups_[static_cast<std::size_t>(group)].title;
}

bool TaskPane::isExpanded(int group) const {
    return group >= 0 && group < groupCount() && groups_[static_cast<std::size_t>(group)].expanded;
}

void TaskPane::setExpanded(int group, bool expanded) {
    if (group < 0 || group >= groupCount())
        return;
    Group& g = groups_[static_cast<std::size_t>(group)];
    if (g.expanded == expanded)
        return;
    g.expanded = expanded;
    if (hot_.group == group && hot_.item >= 0)
        setHot({});
    const double target = expanded ? 1.0 : 0.0;
    if (!isVisible() || animationMs_ <= 0 || updateLocks_ > 0) {
        if (g.animation)
            g.animation->stop();
        g.reveal = target;
        relayout();
        update();
        return;
    }
    if (!g.animation) {
        g.animation = new QVariantAnimation(this);
        g.animation->setEasingCurve(QEasingCurve::OutCubic);
        connect(g.animation, &QVariantAnimation::valueChanged, this,
                [this, group](const QVariant& v) {
                    groups_[static_cast<std::size_t>(group)].reveal = v.toDouble();
                    relayout();
                    update();
                });
    }
    g.animation->stop();
    g.animation->setDuration(animationMs_);
    g.animation->setStartValue(g.reveal);
    g.animation->setEndValue(target);
    g.animation->start();
}

void TaskPane::setProgressPosition(int group, int item, int position) {
    Item* found = findItem(group, item);
    if (!found || !found->progress)
        return;
    position = std::clamp(position, found->minimum, found->maximum);
    if (found->position == position)
        return;
    found->position = position;
    update(found->row);
}

int TaskPane::progressPosition(int group, int item) const {
    const Item* found = findItem(group, item);
    return found && found->progress ? found->position : 0;
}

int TaskPane::progressMaximum(int group, int item) const {
    const Item* found = findItem(group, item);
    return found && found->progress ? found->maximum : 0;
}

void TaskPane::clickItem(int group, int item) {
    const Item* found = findItem(group, item);
    if (!found || found->progress)
        return;
    // Last statement: the handler may run a whole walk and pump messages meanwhile.
    emit itemClicked(found->tag);
}

void TaskPane::clickGroupTitle(int group) {
    setExpanded(group, !isExpanded(group));
}

QRect TaskPane::clickRect(const Item& item) const {
    if (item.progress)
        return {};
    const QRect row = item.row;
    const int textLeft = row.left() + kItemIndent + kSmallIcon + kIconGap;
    const int available = row.right() - kItemIndent - textLeft;
    int right = row.left() + kItemIndent + kSmallIcon;
    if (!item.caption.isEmpty()) {
        const QString shown = fontMetrics().elidedText(item.caption, Qt::ElideRight, available);
        right = textLeft + fontMetrics().horizontalAdvance(shown);
    }
    return QRect(QPoint(row.left() + kItemIndent - 2, row.top()), QPoint(right + 2, row.bottom()));
}

QRect TaskPane::itemRect(int group, int item) const {
    const Item* found = findItem(group, item);
    if (!found)
        return {};
    const Group& g = groups_[static_cast<std::size_t>(group)];
    if (!g.expanded)
        return {};
    if (found->progress)
        return found->row.intersected(g.body);
    const QRect rect = clickRect(*found);
    return g.body.contains(rect) ? rect : QRect();
}

QRect TaskPane::groupTitleRect(int group) const {
    if (group < 0 || group >= groupCount())
        return {};
    return groups_[static_cast<std::size_t>(group)].header;
}

void TaskPane::relayout() {
    if (updateLocks_ > 0)
        return;
    const int oldHeight = contentHeight();
    int y = kTop - scroll_;
    const int width = std::max(0, this->width() - 2 * kMargin);
    for (Group& g : groups_) {
        g.header = QRect(kMargin, y, width, kHeaderHeight);
        y += kHeaderHeight;
        int itemTop = y + kBodyPadding;
        for (Item& item : g.items) {
            const int height = itemRowHeight(item.progress, item.height);
            item.row = QRect(kMargin, itemTop, width, height);
            itemTop += height;
        }
        g.fullBodyHeight = g.items.empty() ? 0 : itemTop + kBodyPadding - y;
        const int shown = static_cast<int>(std::lround(g.fullBodyHeight * g.reveal));
        g.body = QRect(kMargin, y, width, shown);
        y += shown + kGroupGap;
    }
    // Folding a group or growing the pane may leave nothing to scroll to: move back down.
    const int maxScroll = std::max(0, contentHeight() - height());
    if (scroll_ > maxScroll) {
        const int shift = scroll_ - maxScroll;
        scroll_ = maxScroll;
        for (Group& g : groups_) {
            g.header.translate(0, shift);
            g.body.translate(0, shift);
            for (Item& item : g.items)
                item.row.translate(0, shift);
        }
    }
    if (contentHeight() != oldHeight)
        updateGeometry();
}

int TaskPane::contentHeight() const {
    if (groups_.empty())
        return kTop;
    const QRect& last = groups_.back().body;
    return last.top() + last.height() + kTop + scroll_;
}

QSize TaskPane::sizeHint() const {
    return {kDockWidth, contentHeight()};
}

QSize TaskPane::minimumSizeHint() const {
    return {kDockWidth, 0};
}

TaskPane::Hit TaskPane::hitTest(const QPoint& pos) const {
    for (int gi = 0; gi < groupCount(); ++gi) {
        const Group& g = groups_[static_cast<std::size_t>(gi)];
        if (g.header.contains(pos))
            return {gi, -1};
        if (!g.expanded || !g.body.contains(pos))
            continue;
        for (int ii = 0; ii < static_cast<int>(g.items.size()); ++ii) {
            const QRect rect = itemRect(gi, ii);
            if (!g.items[static_cast<std::size_t>(ii)].progress && rect.contains(pos))
                return {gi, ii};
        }
    }
    return {};
}

void TaskPane::updateHit(const Hit& hit) {
    if (!hit.valid() || hit.group >= groupCount())
        return;
    const Group& g = groups_[static_cast<std::size_t>(hit.group)];
    if (hit.item < 0)
        update(g.header.adjusted(0, kHeaderHeight - kLargeIcon, 0, 0));
    else if (const Item* item = findItem(hit.group, hit.item))
        update(item->row);
}

void TaskPane::setHot(const Hit& hit) {
    if (hit == hot_)
        return;
    updateHit(hot_);
    hot_ = hit;
    updateHit(hot_);
    if (hot_.valid())
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void TaskPane::mouseMoveEvent(QMouseEvent* event) {
    setHot(hitTest(event->position().toPoint()));
}

void TaskPane::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    pressed_ = hitTest(event->position().toPoint());
    setHot(pressed_);
}

void TaskPane::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const Hit hit = hitTest(event->position().toPoint());
    const Hit pressed = pressed_;
    pressed_ = {};
    if (!hit.valid() || !(hit == pressed))
        return;
    if (hit.item < 0)
        clickGroupTitle(hit.group);
    else
        clickItem(hit.group, hit.item);
}

void TaskPane::leaveEvent(QEvent* event) {
    setHot({});
    QWidget::leaveEvent(event);
}

void TaskPane::wheelEvent(QWheelEvent* event) {
    const int maxScroll = std::max(0, contentHeight() - height());
    const int scroll =
        std::clamp(scroll_ - event->angleDelta().y() * kItemHeight / 40, 0, maxScroll);
    if (scroll == scroll_)
        return QWidget::wheelEvent(event);
    scroll_ = scroll;
    relayout();
    setHot(hitTest(event->position().toPoint()));
    update();
}

bool TaskPane::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const Hit hit = hitTest(help->pos());
        const Item* item = hit.item >= 0 ? findItem(hit.group, hit.item) : nullptr;
        if (item && !item->hint.isEmpty())
            QToolTip::showText(help->globalPos(), item->hint, this, itemRect(hit.group, hit.item));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void TaskPane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        relayout();
    QWidget::changeEvent(event);
}

void TaskPane::resizeEvent(QResizeEvent* event) {
    relayout();
    QWidget::resizeEvent(event);
}

void TaskPane::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setClipRegion(event->region());
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, scheme_.backgroundTop);
    background.setColorAt(1, scheme_.backgroundBottom);
    p.fillRect(rect(), background);
    for (int gi = 0; gi < groupCount(); ++gi) {
        const Group& g = groups_[static_cast<std::size_t>(gi)];
        const QRect area = g.header.united(g.body).adjusted(0, kHeaderHeight - kLargeIcon, 0, 0);
        if (event->region().intersects(area))
            paintGroup(p, g, gi);
    }
}

void TaskPane::paintGroup(QPainter& p, const Group& g, int index) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF header = QRectF(g.header).adjusted(0.5, 0.5, -0.5, 0.5);
    QPainterPath shape;
    const qreal r = 4;
    shape.moveTo(header.left(), header.bottom());
    shape.lineTo(header.left(), header.top() + r);
    shape.quadTo(header.topLeft(), header.topLeft() + QPointF(r, 0));
    shape.lineTo(header.right() - r, header.top());
    shape.quadTo(header.topRight(), header.topRight() + QPointF(0, r));
    shape.lineTo(header.right(), header.bottom());
    shape.closeSubpath();
    QLinearGradient fill(header.topLeft(), header.topRight());
    fill.setColorAt(0, g.highlighted ? scheme_.highlightedHeaderLeft : scheme_.headerLeft);
    fill.setColorAt(1, g.highlighted ? scheme_.highlightedHeaderRight : scheme_.headerRight);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(shape);
    p.setRenderHint(QPainter::Antialiasing, false);

    const bool hot = hot_.group == index && hot_.item < 0;
    int textLeft = g.header.left() + 10;
    if (icons32_ && g.icon >= 0 && g.icon < icons32_->count()) {
        const QRect icon(g.header.left() + 2, g.header.bottom() + 1 - kLargeIcon, kLargeIcon,
                         kLargeIcon);
        icons32_->icon(g.icon).paint(&p, icon);
        textLeft = icon.right() + 5;
    }
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    QColor text = g.highlighted ? scheme_.highlightedHeaderText : scheme_.headerText;
    if (hot)
        text = g.highlighted ? scheme_.highlightedHeaderHotText : scheme_.headerHotText;
    p.setPen(text);
    const int textRight = g.header.right() - kChevron - 8;
    const QRect titleRect(textLeft, g.header.top(), std::max(0, textRight - textLeft),
                          g.header.height());
    p.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(bold).elidedText(g.title, Qt::ElideRight, titleRect.width()));
    paintChevron(p, g, hot);

    if (g.body.height() > 0) {
        p.fillRect(g.body, g.highlighted ? scheme_.highlightedBody : scheme_.body);
        p.setPen(scheme_.bodyBorder);
        p.drawLine(g.body.topLeft(), g.body.bottomLeft());
        p.drawLine(g.body.topRight(), g.body.bottomRight());
        p.drawLine(g.body.bottomLeft(), g.body.bottomRight());
        p.setClipRect(g.body.adjusted(1, 0, -1, -1), Qt::IntersectClip);
        p.setFont(font());
        for (int ii = 0; ii < static_cast<int>(g.items.size()); ++ii) {
            const Item& item = g.items[static_cast<std::size_t>(ii)];
            paintItem(p, item, hot_.group == index && hot_.item == ii);
        }
    }
    p.restore();
}

void TaskPane::paintChevron(QPainter& p, const Group& g, bool hot) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF circle(g.header.right() - kChevron - 4,
                        g.header.top() + (kHeaderHeight - kChevron) / 2.0, kChevron, kChevron);
    const QColor ink = g.highlighted ? scheme_.highlightedHeaderText : scheme_.headerText;
    p.setPen(QPen(g.highlighted ? scheme_.highlightedHeaderHotText : QColor(185, 195, 225), 1));
    p.setBrush(g.highlighted ? QColor(255, 255, 255, 40) : QColor(255, 255, 255));
    p.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(
        QPen(hot ? (g.highlighted ? scheme_.highlightedHeaderHotText : scheme_.headerHotText) : ink,
             1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF c = circle.center();
    // Two chevrons: pointing up while unfolded (a click folds), down while folded.
    const qreal dir = g.expanded ? -1.0 : 1.0;
    for (qreal offset : {-2.2, 2.2}) {
        const qreal y = c.y() + offset;
        p.drawPolyline(QPolygonF{QPointF(c.x() - 3, y - dir * 1.5), QPointF(c.x(), y + dir * 1.5),
                                 QPointF(c.x() + 3, y - dir * 1.5)});
    }
    p.restore();
}

void TaskPane::paintItem(QPainter& p, const Item& item, bool hot) const {
    const QRect row = item.row;
    if (item.progress) {
        const int range = item.maximum - item.minimum;
        const QRect frame(row.left() + kItemIndent, row.top() + (row.height() - item.height) / 2,
                          row.width() - 2 * kItemIndent, item.height);
        p.fillRect(frame, scheme_.progressBackground);
        const QRect inside = frame.adjusted(1, 1, -1, -1);
        if (range > 0) {
            const int filled = static_cast<int>(static_cast<long long>(inside.width()) *
                                                (item.position - item.minimum) / range);
            p.fillRect(QRect(inside.left(), inside.top(), filled, inside.height()), item.bar);
        }
        p.setPen(palette().color(QPalette::Shadow));
        p.setBrush(Qt::NoBrush);
        p.drawRect(frame.adjusted(0, 0, -1, -1));
        return;
    }
    const QRect icon(row.left() + kItemIndent, row.top() + (row.height() - kSmallIcon) / 2,
                     kSmallIcon, kSmallIcon);
    if (icons16_ && item.icon >= 0 && item.icon < icons16_->count())
        icons16_->icon(item.icon).paint(&p, icon);
    if (item.caption.isEmpty())
        return;
    const int textLeft = icon.right() + 1 + kIconGap;
    const QRect text(textLeft, row.top(), std::max(0, row.right() - kItemIndent - textLeft),
                     row.height());
    QFont f = font();
    f.setUnderline(hot);
    p.setFont(f);
    p.setPen(hot ? scheme_.itemHotText : scheme_.itemText);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
               fontMetrics().elidedText(item.caption, Qt::ElideRight, text.width()));
}

} // namespace ui
