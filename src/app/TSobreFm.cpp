#include "app/TSobreFm.h"

#include "browse/Art.h"
#include "browse/Texts.h"
#include "browse/WindowChrome.h"
#include "data/AppGlobals.h"
#include "data/Declarations.h"
#include "data/Table.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Restores the cursor on every way out.
struct Hourglass {
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QApplication::restoreOverrideCursor(); }
};

} // namespace

TSobreFm::TSobreFm(const AppContext &context, QWidget *parent) : QDialog(parent), m_context(&context)
{
    setObjectName(QStringLiteral("SobreFm"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setAutoFillBackground(true);
    QPalette black = panel->palette();
    black.setColor(QPalette::Window, Qt::black);
    panel->setPalette(black);
    auto *pl = new QVBoxLayout(panel);
    pl->setContentsMargins(1, 1, 1, 1);
    const QSize card(525, 299);
    m_imgEN = new QLabel(panel);
    m_imgEN->setObjectName(QStringLiteral("ImgEN"));
    m_imgEN->setPixmap(art::pixmap(QStringLiteral("about-en"), card));
    m_imgES = new QLabel(panel);
    m_imgES->setObjectName(QStringLiteral("ImgES"));
    m_imgES->setPixmap(art::pixmap(QStringLiteral("about-es"), card));
    for (QLabel *img : {m_imgEN, m_imgES}) {
        img->setFixedSize(card);
        img->installEventFilter(this);
        pl->addWidget(img);
    }
    layout->addWidget(panel);

    // FormCreate.
    m_imgEN->setVisible(context.language() == Language::English);
    m_imgES->setVisible(context.language() == Language::Spanish);
    // The English card's size serves both languages.
    setFixedSize(card.width() + 12, card.height() + 31);
    setWindowTitle(texts::TranslateString(QString::fromLatin1(app::kNativeTitle)));
    // Centred on the screen, at start-up as from the Help menu.
    chrome::centreOnScreen(this);
}

int TSobreFm::FirstShowModal()
{
    {
        Hourglass wait;
        // The first table opening of the run happens here.
        Table table(decl::iLamParTable);
        table.setObjectName(QStringLiteral("Table1"));
        table.setDirectory(m_context->appDir());
        table.setFileName(QStringLiteral("HEB.DB"));
        table.open();
        table.close();
    }
    return exec();
}

void TSobreFm::CloseOnDblClick() { close(); }

bool TSobreFm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick && (watched == m_imgEN || watched == m_imgES)) {
        CloseOnDblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
