// The program's entry: the application, the window from its interface description, the
// controller wired to it and restoring the user's choices, then the event loop.
#include "app/controller.h"
#include "app/main_window.h"
#include "app/translations.h"
#include "app/window_geometry.h"
#include "panels/practice_history.h"
#include "platform/accessibility_properties.h"
#include "platform/deferred_style_icons.h"
#include "view/orbel_view.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The preferences land in $XDG_CONFIG_HOME/unitcircle/unitcircle.conf.
    QCoreApplication::setOrganizationName(QStringLiteral("unitcircle"));
    QCoreApplication::setApplicationName(QStringLiteral("unitcircle"));
    // Ties the window to resources/com.marvosoftware.UnitCircle.desktop (name and icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("com.marvosoftware.UnitCircle"));

    // The user's language, before any text is made.
    translations::install();

    // Before any widget exists: Qt keeps the first accessible interface it makes for an object.
    OrbelView::installAccessibility();
    // Any assistive technology may ask for all properties of an object; Qt's bridge alone
    // would crash on it.
    platform::guardAccessibilityProperties();

    // The menu bar's extension icon is read when it is first shown, not while the window is made.
    platform::deferStyleIcons();

    MainWindow window;
    Controller controller;
    bindController(controller, window);
    controller.awakeFromNib();

    // Every practice answer kept in $XDG_DATA_HOME/unitcircle/; where it cannot be, practice goes
    // on and the user is told once. Read once the start is over, or sooner where a panel shown
    // at start or a command needs it.
    PracticeHistory history;
    QObject::connect(&history, &PracticeHistory::problem, &controller,
                     &Controller::reportPracticeHistoryProblem);
    history.openLater(PracticeHistory::defaultPath());
    QObject::connect(&window, &MainWindow::started, &history, &PracticeHistory::ensureOpen);
    controller.practiceHistory = &history;
    window.setPracticeHistory(&history);

    // The size and place it was left in, or one that fits the screen, with the graph as restored.
    window.placement()->restore();
    window.show();
    const int status = app.exec();
    controller.savePreferencesAtQuit();
    return status;
}
