#pragma once

#include "browse/Shell.h"
#include "data/Designation.h"
#include "data/SectionFamily.h"

#include <QMainWindow>
#include <QPointer>

class FamilyWindow;
class FindBox;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolButton;
class TIvBinaryDictionary;
class TIvTranslator;
class TMDIImage;
class TRxDBGrid;

// The main window: the MDI parent of every window of the catalogue, with
// the menus, the toolbar, the language switch and the background picture.
class TPrincipalFm : public QMainWindow, public Shell {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ color)
public:
    // appDir: the application directory; empty for the executable's folder
    // (tests give a folder of their own).
    explicit TPrincipalFm(QWidget *parent = nullptr, const QString &appDir = QString());
    ~TPrincipalFm() override;

    // Shell.
    void SetJanela(bool enabled) override;
    int childWindowCount() const override;
    void childClosing(QWidget *child) override;
    // The open window of a family key ("HEA" ... "ANG"), or nullptr.
    FamilyWindow *familyWindow(const QString &key) const;
    QPixmap languageLogo(Language language) const override;

    // Switches every window to the language and writes it into the settings
    // file when it is another than the current one.
    void ChangeIdioma(Language language);
    // The program's shared values, owned here and handed to every window.
    AppContext &context() { return m_context; }
    void WallPaper();
    // Where the background picture goes on a screen of that size.
    static QPoint wallPaperPosition(QSize screen, QSize picture);
    QColor color() const { return m_color; }

    QMdiArea *mdiArea() const { return m_mdi; }
    TMDIImage *img() const { return m_img; }
    TIvBinaryDictionary *dictionary() const { return m_dictionary; }
    QWidget *toolBarPanel() const { return m_toolBar; }
    FindBox *findBox() const { return m_find; }
    // Asks before closing; tests answer for the user.
    using Confirm = bool (*)(QWidget *parent, const QString &question);
    void setExitConfirmation(Confirm confirm) { m_confirm = confirm; }

    // Handlers.
    void HEABtClick();
    void HEBBtClick();
    void HEMBtClick();
    void IPEBtClick();
    void IPNBtClick();
    void UPNBtClick();
    void AngBtClick();
    void AceroBtClick();
    // Print menu: the family's window (opened when it is not) shows the tab
    // of the item's tag (0 properties, 1 detailing, 2 tolerances) and prints
    // it as its Print button does.
    void ImpHEBClick(int tag);
    void ImpHEAClick(int tag);
    void ImpHEMClick(int tag);
    void ImpIPEClick(int tag);
    void ImpIPNClick(int tag);
    void ImpUPNClick(int tag);
    void ImpAngClick(int tag);
    // Print > Steels: the steel window (opened when it is not) shows the page
    // of the tag (0 mechanical, 1 chemical, 2 designations) and prints it.
    void ImpAceroClick(int tag);
    // Print > All Reports: the 24 catalogues, one preview after the other,
    // each family's property, detailing and tolerance catalogue in the
    // toolbar's order, then the three steel catalogues.
    void ImpRelMnClick();
    // File > Export to CSV...: the grid of the active window's tab shown.
    void ExportarMnClick();
    // The find box: the family window of the designation (opened when it
    // is not) shows it as the current size on its Properties tab; sheet:
    // then opens its property sheet. An unknown designation opens nothing
    // and the box says so.
    void findSection(const QString &text, bool sheet);
    // The designations the find box knows, read from the tables at first use.
    const designation::Catalogue &catalogue();
    void CascataMnClick();
    void LadoaLadoMnClick();
    void AutoArranjarMnClick();
    void MinimizarTodasMnClick();
    void FecharTodasMnClick();
    void BarraFerramentasMnClick();
    void BarraStatusMnClick();
    void ImagenCorporativaMnClick();
    void AtencionalClienteMnClick();
    void SiteTolmoMnClick();
    void EmailComercialMnClick();
    void EmailGeneraMnClick();
    void EmailVantiroMnClick();
    void InglesMnClick();
    void EspanolMnClick();
    void IndiceMnClick();
    void IntroducaoMnClick();
    void CreditosMnClick();
    void SobreMnClick();
    void SairMnClick();

    // The company's defaults, used when the settings file has no value.
    static const char *const kLegalName;
    static const char *const kSite;
    static const char *const kEmailComercial;
    static const char *const kEmailGeneral;
    static const char *const kEmailVantiro;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Applies a language to every window without writing the settings file.
    void applyLanguage(Language language);
    void FormCreate();
    void buildMenus();
    void buildToolBar();
    void rebuildWindowsMenu();
    // Writes the e-mail items: the label in the current language and the
    // address from the settings file.
    void mailCaptions();
    // Brings the family's window to the front, creating it when it is not open.
    template <typename W, typename... Args> void openFamily(SectionFamily family, Args... args);
    void addChild(QWidget *child);
    // Shows a child window on top of the others and activates it, restoring
    // it when it is minimized.
    void bringToFront(QMdiSubWindow *sub);
    // Moves a child window back into the visible part of the client area.
    void keepInside(QMdiSubWindow *sub);
    // The common steps of the family print items, after open has brought the
    // family's window up.
    void printFamily(SectionFamily family, void (TPrincipalFm::*open)(), int tag);
    void openLink(const QString &key, const char *defaultValue, bool mail);
    // The family's window, brought up as its toolbar button does.
    FamilyWindow *openFamilyWindow(SectionFamily family);
    // The grid of the active child window's tab shown, or nullptr.
    TRxDBGrid *activeGrid() const;
    // The find box sits left of the language buttons, where there is room.
    void placeFindBox();

    QMdiArea *m_mdi = nullptr;
    QWidget *m_toolBar = nullptr;
    FindBox *m_find = nullptr;
    designation::Catalogue m_catalogue;
    bool m_catalogueRead = false;
    QAction *m_exportarMn = nullptr;
    TMDIImage *m_img = nullptr;
    TIvBinaryDictionary *m_dictionary = nullptr;
    TIvTranslator *m_translator = nullptr;
    QColor m_color;
    AppContext m_context;
    QPixmap m_enLogoMDI, m_esLogoMDI, m_enLogo, m_esLogo;
    // The open window of each family, indexed by SectionFamily.
    QPointer<FamilyWindow> m_families[7];
    QPointer<QWidget> m_acero;
    QMenu *m_janelasMn = nullptr;
    QList<QAction *> m_windowCommands;
    QList<QAction *> m_mailItems; // sales, general, Vantiro
    QAction *m_inglesMn = nullptr;
    QAction *m_espanolMn = nullptr;
    QAction *m_barraFerramentasMn = nullptr;
    QAction *m_barraStatusMn = nullptr;
    QLabel *m_statusText = nullptr;
    Confirm m_confirm = nullptr;
};
