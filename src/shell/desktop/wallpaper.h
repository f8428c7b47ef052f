#pragma once
// The frame's client area: the MDI area in which every screen opens, over the program's wallpaper.

#include <QMdiArea>

namespace pramo {

class WallpaperArea : public QMdiArea {
    Q_OBJECT
public:
    explicit WallpaperArea(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace pramo
