#include "browse/WindowChrome.h"

#include "browse/Shell.h"
#include "browse/Texts.h"

#include <QApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QScrollBar>
#include <QScreen>

namespace chrome {

QLabel *counterStrip(QWidget *parent, const char *name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, QApplication::palette().color(QPalette::ToolTipBase));
    p.setColor(QPalette::WindowText, QColor(128, 0, 0));
    l->setPalette(p);
    l->setMargin(3);
    return l;
}

QString recordCounter(int recNo) { return texts::TranslateString(QStringLiteral("Record ")) + QString::number(recNo); }

void closeWindow(QWidget *window)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        sub->close();
    else
        window->close();
}

void childClosing(QWidget *window)
{
    if (Shell *shell = Shell::instance()) {
        shell->childClosing(window);
        shell->SetJanela(shell->childWindowCount() > 1);
    }
}

namespace {

// Follows its vertical scroll bar: the column keeps its width beside it.
class ColumnScroller : public QScrollArea {
public:
    ColumnScroller(QWidget *column, QWidget *parent) : QScrollArea(parent)
    {
        setObjectName(column->objectName() + QStringLiteral("Scroller"));
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setWidgetResizable(true);
        setWidget(column);
        // The window's own background behind the column.
        viewport()->setAutoFillBackground(false);
        column->setAutoFillBackground(false);
        verticalScrollBar()->installEventFilter(this);
        fit();
    }

    // Room for the whole column when there is room: a cascaded window
    // shows it without scrolling.
    QSize sizeHint() const override
    {
        return {width(), widget()->sizeHint().height() + 2 * frameWidth()};
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == verticalScrollBar() && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
            fit();
        return QScrollArea::eventFilter(watched, event);
    }

private:
    void fit()
    {
        const int bar = verticalScrollBar()->isVisibleTo(this) ? verticalScrollBar()->sizeHint().width() : 0;
        setFixedWidth(widget()->minimumWidth() + bar);
    }
};

} // namespace

QScrollArea *scrollingColumn(QWidget *column, QWidget *parent) { return new ColumnScroller(column, parent); }

ButtonBox::ButtonBox(QWidget *parent) : m_box(new QGroupBox(parent))
{
    m_box->setObjectName(QStringLiteral("GroupBox1"));
    m_row = new QHBoxLayout(m_box);
    m_row->setContentsMargins(6, 6, 6, 6);
    m_buttons = new QVBoxLayout;
    m_buttons->setSpacing(3);
}

QPushButton *ButtonBox::add(const char *name, const char *caption, const char *hint)
{
    auto *b = new QPushButton(QString::fromLatin1(caption), m_box);
    b->setObjectName(QString::fromLatin1(name));
    if (hint)
        b->setToolTip(QString::fromLatin1(hint));
    // A mark on a latched button must not make it jump in height.
    b->setFixedHeight(b->sizeHint().height());
    m_buttons->addWidget(b);
    return b;
}

QLabel *ButtonBox::finish(bool stretch)
{
    if (stretch)
        m_buttons->addStretch(1);
    m_row->addLayout(m_buttons, 1);
    auto *logo = new QLabel(m_box);
    logo->setObjectName(QStringLiteral("ImgLogo"));
    m_row->addWidget(logo, 0, Qt::AlignTop);
    return logo;
}

QIcon glyph(const QPainterPath &shape)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    p.drawPath(shape);
    p.end();
    return QIcon(pm);
}

void centreOnScreen(QWidget *dialog)
{
    const QWidget *parent = dialog->parentWidget();
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect client = dialog->rect();
    client.moveCenter(screen->availableGeometry().center());
    dialog->setGeometry(client);
}

} // namespace chrome
