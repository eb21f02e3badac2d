#pragma once

#include "data/AppContext.h"

#include <QDialog>

class QLabel;

// The About window: the product's title card in the current language.
class TSobreFm : public QDialog {
    Q_OBJECT
public:
    explicit TSobreFm(const AppContext &context, QWidget *parent = nullptr);

    // The start-up showing: opens and closes "HEB.DB" under the hourglass
    // (so a missing table ends the start-up), then shows the window.
    int FirstShowModal();
    void CloseOnDblClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const AppContext *m_context;
    QLabel *m_imgEN;
    QLabel *m_imgES;
};
