#pragma once

#include "data/SectionFamily.h"

#include <QDialog>
#include <QFrame>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>

#include <utility>

#include <span>

class FamilyWindow;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class Table;
class TIvTranslator;
class TSpeedButton;

// Where a value slot of a sheet sits.
struct SlotPlace {
    const char *name; // "LBh"
    int x;
    int y;
};

// What a sheet shows of one rolled size: its designation and the text of
// every value slot (prefix, value, unit), by slot name in the layout's order.
// The printed single-section pages and the command line's copy of a sheet
// read the same texts.
struct SheetTexts {
    QString designation;
    QList<std::pair<QString, QString>> values;

    // The text of a slot; empty when the sheet has no slot of that name.
    QString slot(const QString &name) const;
    void setSlot(const QString &name, const QString &text);
};

// The fixed layout of one kind of sheet.
struct SheetLayout {
    QSize client;                     // fixed client size
    QPoint designation;               // PerfilT
    QPoint logo;                      // ImgLogo
    const char *art;                  // picture name prefix: "sheet-prop-" + "he"
    QSize picture;
    QPoint pictureAt;
    std::span<const SlotPlace> places;
    int lineLeft, lineRight;          // the grey separator lines' extent
    std::span<const int> lines;       // and their heights
};

// What the property and the detailing sheet share: one rolled size of the
// family window it is given, on a fixed white page, its designation, the
// family's picture, the value slots, the language logo, the bottom bar with
// Print, Help and the two arrows, and the context menu. The sheet reads and
// moves the current record of the family window's section table.
class SectionSheet : public QDialog {
    Q_OBJECT
public:
    ~SectionSheet() override;

    // Shows the picture of the sheet's family, hides the others.
    void FormCreate();
    // Moves the family window's table by step (-1 prior, 0 none, +1 next;
    // at either end nothing moves) and fills the sheet from its current
    // record. The previous and next commands are enabled where there is a
    // size to step to. Without a family window the sheet stays as it is.
    void Atualiza(int step);

    // Handlers.
    void ProximoMnClick();
    void AnteriorMnClick();
    void CerrarMnClick();
    void HelpBtnClick();
    void ImprimirClick();
    void IvTranslator1LanguageChange();

    // The family of the window the sheet was given; nullptr without one.
    const FamilyInfo *family() const { return m_family; }
    // The family window the sheet was given; nullptr without one.
    FamilyWindow *window() const;
    // The texts the sheet shows now, read from its labels.
    SheetTexts shownTexts() const;
    // The texts of this kind of sheet for the current record of table, a
    // table of family's rows.
    virtual SheetTexts texts(const Table &table, const FamilyInfo &family) const = 0;
    QLabel *slotLabel(const QString &name) const;
    QList<QLabel *> slotLabels() const { return m_slots; }
    QMenu *contextMenu() const { return m_menu; }

    static constexpr int kHelpContext = 1035;

signals:
    // Print button or menu item: the sheet's page goes to the printer.
    void printRequested();

protected:
    // The sheet shows the current row of window's table (window may be
    // nullptr: the sheet then stays empty); the window is its parent.
    SectionSheet(const SheetLayout &layout, FamilyWindow *window);

    // The bottom bar, for a sheet's own commands beside Print and Help.
    QFrame *bottomBar() const { return findChild<QFrame *>(QStringLiteral("Panel1")); }
    // What a sheet does beyond its slots once it is filled from table's
    // current record (a row or none).
    virtual void fillMore(const Table &, const FamilyInfo &) {}

    // The last step of a sheet's constructor: FormCreate, then the
    // translator (it must see the final class of the window).
    void finishConstruction();

    // The designation and the slots of layout that fills names, from the
    // current record of table; every other slot is empty.
    static SheetTexts fillTexts(const SheetLayout &layout, const Table &table, const SheetFills &fills);

    // The text of a slot from the current record: prefix, the value as the
    // grid shows it, unit. An empty field gives an empty slot; a number that
    // is not finite (a quotient of empty dimensions) gives prefix and unit
    // with no number, so the sheet still names the quantity it cannot show.
    static QString slotText(const Table &table, const SlotFill &fill);

    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void buildBottomBar();
    void buildMenu();
    // Enables previous and next for the row'th of rows sizes.
    void enableSteps(int row, int rows);
    const SheetLayout &m_layout;
    QPointer<FamilyWindow> m_window;
    const FamilyInfo *m_family = nullptr;
    QLabel *m_perfil = nullptr;
    QList<QLabel *> m_pictures;
    QLabel *m_logo = nullptr;
    QList<QLabel *> m_slots;
    QPushButton *m_imprimir = nullptr;
    QPushButton *m_helpBtn = nullptr;
    TSpeedButton *m_anterior = nullptr;
    TSpeedButton *m_proximo = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_anteriorMn = nullptr;
    QAction *m_proximoMn = nullptr;
    TIvTranslator *m_translator = nullptr;
};
