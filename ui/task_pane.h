#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>

#include <vector>

class QVariantAnimation;

namespace ui {

class IconList;

// Colours of the task pane; the defaults are the blue look of the classic XP task pane.
struct TaskPaneScheme {
    QColor backgroundTop{123, 162, 231};
    QColor backgroundBottom{99, 117, 214};
    QColor headerLeft{255, 255, 255};
    QColor headerRight{198, 211, 247};
    QColor headerText{33, 93, 198};
    QColor headerHotText{66, 142, 255};
    QColor highlightedHeaderLeft{0, 73, 200};
    QColor highlightedHeaderRight{42, 91, 215};
    QColor highlightedHeaderText{255, 255, 255};
    QColor highlightedHeaderHotText{198, 211, 247};
    QColor body{214, 223, 247};
    QColor highlightedBody{239, 243, 255};
    QColor bodyBorder{255, 255, 255};
    QColor itemText{33, 93, 198};
    QColor itemHotText{66, 142, 255};
    QColor progressBackground{255, 255, 255};
};

// The collapsible task pane docked at the left of a window: groups with a title and an optional
// 32-pixel icon, holding items (caption, hint, 16-pixel icon, tag) and progress items. A click
// on a group title folds or unfolds it; a click on an item emits itemClicked with its tag, also
// when the item's caption is empty (its icon stays visible and clickable).
class TaskPane : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDockWidth = 170;

    explicit TaskPane(QWidget* parent = nullptr);
    ~TaskPane() override;

    void setScheme(const TaskPaneScheme& scheme);
    const TaskPaneScheme& scheme() const { return scheme_; }
    void setIcons(const IconList* icons16, const IconList* icons32);

    int addGroup(const QString& title, int iconIndex = -1, bool highlighted = false);
    int addItem(int group, const QString& caption, const QString& hint, int iconIndex, int tag);
    int addProgressItem(int group, int minimum, int maximum, int height, const QColor& barColor);
    // Hold layout and painting while building; calls nest.
    void beginUpdate();
    void endUpdate();

    QString itemCaption(int group, int item) const;
    // Cheap: repaints only that item, never lays the pane out again.
    void setItemCaption(int group, int item, const QString& caption);
    QString itemHint(int group, int item) const;
    // -1 for a progress item, which cannot be clicked.
    int itemTag(int group, int item) const;
    int groupCount() const { return static_cast<int>(groups_.size()); }
    int itemCount(int group) const;
    QString groupTitle(int group) const;

    bool isExpanded(int group) const;
    // Takes effect at once; a visible pane animates the fold unless the duration is 0.
    void setExpanded(int group, bool expanded);
    void setAnimationDuration(int milliseconds) { animationMs_ = milliseconds; }

    void setProgressPosition(int group, int item, int position);
    int progressPosition(int group, int item) const;
    int progressMaximum(int group, int item) const;

    // What a mouse click does.
    void clickItem(int group, int item);
    void clickGroupTitle(int group);

    // Where an item or a title is clickable (empty when folded away); for tests and tooling.
    QRect itemRect(int group, int item) const;
    QRect groupTitleRect(int group) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void itemClicked(int tag);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Item {
        QString caption;
        QString hint;
        int icon = -1;
        int tag = -1;
        bool progress = false;
        int minimum = 0;
        int maximum = 100;
        int position = 0;
        int height = 10;
        QColor bar;
        QRect row; // the whole line, in widget coordinates
    };
    struct Group {
        QString title;
        int icon = -1;
        bool highlighted = false;
        bool expanded = true;
        double reveal = 1.0; // shown fraction of the body while folding
        QVariantAnimation* animation = nullptr;
        std::vector<Item> items;
        QRect header;
        QRect body; // the visible part
        int fullBodyHeight = 0;
    };
    // What the mouse is over: a title (item == -1) or an item.
    struct Hit {
        int group = -1;
        int item = -1;
        bool valid() const { return group >= 0; }
        bool operator==(const Hit&) const = default;
    };

    const Item* findItem(int group, int item) const;
    Item* findItem(int group, int item);
    void relayout();
    int contentHeight() const;
    QRect clickRect(const Item& item) const;
    Hit hitTest(const QPoint& pos) const;
    void setHot(const Hit& hit);
    void updateHit(const Hit& hit);
    void paintGroup(QPainter& p, const Group& group, int index) const;
    void paintItem(QPainter& p, const Item& item, bool hot) const;
    void paintChevron(QPainter& p, const Group& group, bool hot) const;

    TaskPaneScheme scheme_;
    const IconList* icons16_ = nullptr;
    const IconList* icons32_ = nullptr;
    std::vector<Group> groups_;
    int updateLocks_ = 0;
    int animationMs_ = 160;
    int scroll_ = 0; // pixels scrolled down when the groups are taller than the pane
    Hit hot_;
    Hit pressed_;
};

} // namespace ui
