#pragma once

#include "data/AppContext.h"

#include <QPixmap>
#include <QString>

#include <functional>

class QWidget;

// What child windows, sheets, dialogs and reports need of the main window.
// The main window registers itself; tests register a stand-in.
class Shell {
public:
    virtual ~Shell() = default;

    // Enables or disables the five window-arrangement commands together.
    virtual void SetJanela(bool enabled) = 0;
    // Child windows of the main window, a closing one still counted.
    virtual int childWindowCount() const = 0;
    // A child window is closing: the main window forgets its reference.
    virtual void childClosing(QWidget *child) = 0;
    // The small logo of a language (ENLogo, ESLogo); null for another value.
    virtual QPixmap languageLogo(Language language) const = 0;

    static Shell *instance();
    static void setInstance(Shell *shell);
};

// Help: every help command names a help file (AppContext::helpFile) and a
// context number. The main window installs the viewer.
namespace help {

using Handler = std::function<void(const QString &helpFile, int context)>;
void setHandler(Handler handler);
// Opens the topic of a context in the help file.
void showContext(const QString &helpFile, int context);
// Opens the help file's list of topics.
void showTopics(const QString &helpFile);
inline constexpr int kTopicsCommand = -11;

} // namespace help
