#pragma once

#include <QAbstractButton>

#include <memory>

#include "platform/image.h"

namespace korvida::qt {

// A round transport button: only its picture, drawn over the whole button, a little brighter
// under the mouse and a little darker while pressed.
class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit ImageButton(QWidget* parent = nullptr);

    void setPicture(std::shared_ptr<Image> picture);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::shared_ptr<Image> picture;
    bool hovered = false;
};

} // namespace korvida::qt
