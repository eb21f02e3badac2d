#pragma once

#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <stdexcept>



class EMDIImageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Paints a picture as the background of a window's MDI client area: the
// owner's colour everywhere, the picture at its left and top, or centred.
// The owner must be a top-level window and may own only one.
class TMDIImage : public QObject {
    Q_OBJECT
public:
    explicit TMDIImage(QWidget *owner);
    ~TMDIImage() override;

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }
    int left() const { return m_pos.x(); }
    int top() const { return m_pos.y(); }
    void setLeft(int left) { m_pos.setX(left); }
    void setTop(int top) { m_pos.setY(top); }
    int width() const { return m_picture.width(); }
    int height() const { return m_picture.height(); }
    bool Center() const { return m_center; }
    void setCenter(bool center);

    // The area painted: the owner's MDI client area, else the owner itself.
    QWidget *clientArea() const { return m_client; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_owner;
    QPointer<QWidget> m_client;
    QPixmap m_picture;
    QPoint m_pos;
    bool m_center = false;
};
