#pragma once

#include <QWidget>

// The borderless "please wait" window shown while the start-up reads the lists.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
    // Shows the window centred and paints it at once.
    void showNow();
};
