#include "app/TMDIImage.h"

#include <QEvent>
#include <QMdiArea>
#include <QPainter>
#include <QWidget>

TMDIImage::TMDIImage(QWidget *owner) : QObject(owner), m_owner(owner)
{
    if (!owner || !owner->isWindow())
        throw EMDIImageError("not (TMDIImage.Owner is TForm)!");
    for (QObject *child : owner->children()) {
        if (child != this && qobject_cast<TMDIImage *>(child))
            throw EMDIImageError("Only one instance of TMDIImage allowed");
    }
    setObjectName(QStringLiteral("Img"));
    auto *area = owner->findChild<QMdiArea *>();
    m_client = area ? area->viewport() : owner;
    m_client->installEventFilter(this);
}

TMDIImage::~TMDIImage()
{
    if (m_client)
        m_client->removeEventFilter(this);
}

void TMDIImage::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    m_client->update();
}

void TMDIImage::setCenter(bool center)
{
    if (center == m_center)
        return;
    m_center = center;
    m_client->update();
}

bool TMDIImage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_client || event->type() != QEvent::Paint || m_picture.width() <= 0 || m_picture.height() <= 0)
        return QObject::eventFilter(watched, event);
    // The owner's colour first, then the picture on top.
    QPainter painter(m_client);
    const QVariant colour = m_owner->property("Color");
    const QColor fill = colour.isValid() ? colour.value<QColor>() : m_owner->palette().color(QPalette::Window);
    const int w = m_client->width();
    const int h = m_client->height();
    painter.fillRect(0, 0, w, h, fill);
    if (m_center)
        m_pos = QPoint(w / 2 - m_picture.width() / 2, h / 2 - m_picture.height() / 2);
    painter.drawPixmap(m_pos, m_picture);
    return true;
}
