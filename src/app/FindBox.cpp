#include "app/FindBox.h"

#include "browse/ErrorReport.h"
#include "browse/Texts.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QStringListModel>

FindBox::FindBox(QWidget *parent)
    : QLineEdit(parent), m_completer(new QCompleter(this)), m_model(new QStringListModel(this))
{
    setObjectName(QStringLiteral("FindT"));
    setClearButtonEnabled(true);
    setToolTip(QStringLiteral("Find a section by its designation (Ctrl+F)"));
    // The list holds what the designations say the text may begin; it is
    // shown as it comes, not filtered again by the completer.
    m_completer->setObjectName(QStringLiteral("FindCompleter"));
    m_completer->setModel(m_model);
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setMaxVisibleItems(12);
    m_completer->setWidget(this);
    connect(this, &QLineEdit::textEdited, this, guard(this, &FindBox::edited));
    connect(m_completer, qOverload<const QString &>(&QCompleter::highlighted), this,
            [this](const QString &text) { setText(text); });
    // Choosing from the list is Enter on that designation.
    connect(m_completer, qOverload<const QString &>(&QCompleter::activated), this, [this](const QString &text) {
        setText(text);
        emit findRequested(text, m_shown || (QGuiApplication::keyboardModifiers() & Qt::ControlModifier));
    });
    retranslate();
}

void FindBox::edited(const QString &text)
{
    m_shown = false;
    retranslate();
    m_model->setStringList(m_completions && !text.trimmed().isEmpty() ? m_completions(text) : QStringList());
    if (m_model->rowCount() > 0)
        m_completer->complete();
    else
        m_completer->popup()->hide();
}

void FindBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_completer->popup()->hide();
        if (!text().trimmed().isEmpty())
            emit findRequested(text(), m_shown || (event->modifiers() & Qt::ControlModifier));
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FindBox::showUnknown(const QString &text)
{
    m_shown = false;
    clear();
    setPlaceholderText(texts::TranslateString(QStringLiteral("No section named %1")).arg(text.trimmed()));
}

void FindBox::retranslate() { setPlaceholderText(texts::TranslateString(QStringLiteral("Section, e.g. HEB 200"))); }
