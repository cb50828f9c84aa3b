// The controller's restoring of the choices, its actions and the end of the application.
// Every action tells the view first and then stores the control's own integer; nothing here
// forces the preferences to storage.
#include "app/controller.h"

#include "graph/graph_view.h"
#include "panels/practice_panel.h"
#include "platform/preferences.h"
#include "platform/workspace.h"
#include "sound/sound_controller.h"
#include "view/orbel_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <algorithm>

#ifndef UNITCIRCLE_WEBSITE
#error "UNITCIRCLE_WEBSITE comes from the CMake cache variable of the same name"
#endif

namespace {

const QString standardAnglesKey = QStringLiteral("prefs_standardAngles");
const QString sinCosKey = QStringLiteral("prefs_sinCos");
const QString angleUnitKey = QStringLiteral("prefs_angleUnit");
const QString graphKey = QStringLiteral("prefs_graph");
const QString valuesKey = QStringLiteral("prefs_values");
const QString practiceKey = QStringLiteral("prefs_practice");
const QString progressKey = QStringLiteral("prefs_progress");
const QString soundKey = QStringLiteral("prefs_sound");
const QString textScaleKey = QStringLiteral("prefs_textScale");
const QString reverseContrastKey = QStringLiteral("prefs_reverseContrast");
const QString projectorKey = QStringLiteral("prefs_projector");

// The graph's curves: cosine and sine are drawn until the user says otherwise, the tangent only
// on request.
struct CurveChoice
{
    GraphView::Curve curve;
    QAbstractButton *Controller::*box;
    const char *key;
    int byDefault;
};
constexpr CurveChoice curveChoices[] = {
    { GraphView::Cosine, &Controller::graphCos, "prefs_graphCos", 1 },
    { GraphView::Sine, &Controller::graphSin, "prefs_graphSin", 1 },
    { GraphView::Tangent, &Controller::graphTan, "prefs_graphTan", 0 },
};

// A box shows on exactly when the view's option is on: a stored value other than 0 or 1 leaves
// both off instead of ticking a box whose option is hidden.
void restoreOption(int n, OrbelView *view, void (OrbelView::*setter)(bool), QAbstractButton *box)
{
    if (view)
        (view->*setter)(n == 1);
    if (box)
        box->setChecked(n == 1);
}

// What went wrong, said in a message attached to the window: window-modal, so that the program
// runs on behind it, and shown once the event loop runs (a problem found while the window is
// still being made is shown once it is).
void showWarning(QWidget *window, const QString &text, const QString &details)
{
    auto *box = new QMessageBox(QMessageBox::Warning, Controller::tr("Unit Circle"), text,
                                QMessageBox::Ok, window);
    box->setInformativeText(details);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    QTimer::singleShot(0, box, [box] { box->open(); });
}

} // namespace

Controller::Controller(QObject *parent)
    : QObject(parent)
{ }

int Controller::stateOf(const QAbstractButton *box)
{
    return box && box->isChecked() ? 1 : 0;
}

void Controller::awakeFromNib()
{
    // Set before the store is first opened, which is when a file that cannot be read is found.
    platform::Preferences::setProblemHandler(
        [controller = QPointer<Controller>(this)](const platform::PreferencesProblem &problem) {
            if (controller)
                controller->reportPreferencesProblem(problem);
        });
    platform::Preferences &defaults = platform::Preferences::standard();
    m_restoring = true;

    restoreOption(defaults.integerForKey(standardAnglesKey), orbelView,
                  &OrbelView::setStandardAngles, standardAngles);
    restoreOption(defaults.integerForKey(sinCosKey), orbelView, &OrbelView::setSinCos, sinCos);

    const int n = defaults.integerForKey(angleUnitKey);
    if (orbelView)
        orbelView->setAngleUnit(n);
    // Only the cell with that tag is addressed; the group unchecks the other one itself.
    if (unit) {
        if (QAbstractButton *cell = unit->button(n))
            cell->setChecked(true);
    }

    for (const CurveChoice &choice : curveChoices) {
        const bool drawn = defaults.integerForKey(QLatin1String(choice.key), choice.byDefault) == 1;
        if (graphView)
            graphView->setShowsCurve(choice.curve, drawn);
        if (QAbstractButton *box = this->*choice.box)
            box->setChecked(drawn);
    }
    const bool graphShown = defaults.integerForKey(graphKey) == 1;
    if (graphPanel)
        graphPanel->setVisible(graphShown);
    if (graph)
        graph->setChecked(graphShown);
    const bool valuesShown = defaults.integerForKey(valuesKey) == 1;
    if (valuesPanel)
        valuesPanel->setVisible(valuesShown);
    if (values)
        values->setChecked(valuesShown);
    const bool practiceShown = defaults.integerForKey(practiceKey) == 1;
    if (practicePanel)
        practicePanel->setVisible(practiceShown);
    if (practice)
        practice->setChecked(practiceShown);
    const bool progressShown = defaults.integerForKey(progressKey) == 1;
    if (progressPanel)
        progressPanel->setVisible(progressShown);
    if (progress)
        progress->setChecked(progressShown);

    // Last, so that restoring the angle unit above sounds nothing. A code the menu does not
    // know is sound off.
    int soundCode = defaults.integerForKey(soundKey);
    if (soundCode < SoundController::Off || soundCode > SoundController::Tangent)
        soundCode = SoundController::Off;
    if (soundController)
        soundController->setFunction(soundCode);
    if (sound) {
        for (QAction *choice : sound->actions())
            if (choice->data().toInt() == soundCode)
                choice->setChecked(true);
    }

    // Reverse contrast follows a dark desktop until the user chooses; then the choice holds.
    DisplayOptions options;
    options.textStep = DisplayOptions::clampedStep(defaults.integerForKey(textScaleKey));
    options.desktopTextScale = desktopTextScale(QApplication::font());
    const int reverse = defaults.integerForKey(reverseContrastKey, -1);
    options.reverseContrast
        = reverse == 1 || (reverse == -1 && isDarkPalette(QApplication::palette()));
    options.projector = defaults.integerForKey(projectorKey) == 1;
    if (reverseContrast)
        reverseContrast->setChecked(options.reverseContrast);
    if (projector)
        projector->setChecked(options.projector);
    applyDisplayOptions(options);
    m_restoring = false;
}

double Controller::desktopTextScale(const QFont &font)
{
    const double points = font.pointSizeF() > 0.0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    return std::max(1.0, points / 12.0);
}

bool Controller::isDarkPalette(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightnessF() < 0.5
        && palette.color(QPalette::WindowText).lightnessF() > 0.5;
}

void Controller::applyDisplayOptions(const DisplayOptions &options)
{
    m_displayOptions = options;
    if (orbelView)
        orbelView->setDisplayOptions(options);
    if (graphView)
        graphView->setDisplayOptions(options);
    emit displayOptionsChanged(options);
}

void Controller::largerText(QObject *)
{
    stepText(1);
}

void Controller::smallerText(QObject *)
{
    stepText(-1);
}

void Controller::stepText(int steps)
{
    DisplayOptions options = m_displayOptions;
    options.textStep = DisplayOptions::clampedStep(options.textStep + steps);
    if (options == m_displayOptions)
        return;
    applyDisplayOptions(options);
    platform::Preferences::standard().setInteger(options.textStep, textScaleKey);
}

void Controller::normalTextSize(QObject *)
{
    stepText(-m_displayOptions.textStep);
}

void Controller::showReverseContrast(QAction *sender)
{
    if (!sender)
        return;
    DisplayOptions options = m_displayOptions;
    options.reverseContrast = sender->isChecked();
    applyDisplayOptions(options);
    platform::Preferences::standard().setInteger(options.reverseContrast ? 1 : 0,
                                                 reverseContrastKey);
}

void Controller::showProjector(QAction *sender)
{
    if (!sender)
        return;
    DisplayOptions options = m_displayOptions;
    options.projector = sender->isChecked();
    applyDisplayOptions(options);
    platform::Preferences::standard().setInteger(options.projector ? 1 : 0, projectorKey);
}

void Controller::changeUnit(QButtonGroup *sender)
{
    if (!sender)
        return;
    const int t = sender->checkedId();
    if (orbelView)
        orbelView->setAngleUnit(t);
    platform::Preferences::standard().setInteger(t, angleUnitKey);
}

void Controller::showStandardAngles(QAbstractButton *sender)
{
    if (!sender)
        return;
    const int s = stateOf(sender);
    if (orbelView)
        orbelView->setStandardAngles(s == 1);
    platform::Preferences::standard().setInteger(s, standardAnglesKey);
}

void Controller::showSinCos(QAbstractButton *sender)
{
    if (!sender)
        return;
    const int s = stateOf(sender);
    if (orbelView)
        orbelView->setSinCos(s == 1);
    platform::Preferences::standard().setInteger(s, sinCosKey);
}

void Controller::showGraph(QAbstractButton *sender)
{
    if (!sender)
        return;
    const int s = stateOf(sender);
    if (graphPanel)
        graphPanel->setVisible(s == 1);
    platform::Preferences::standard().setInteger(s, graphKey);
}

void Controller::showValues(QAbstractButton *sender)
{
    if (!sender)
        return;
    const int s = stateOf(sender);
    if (valuesPanel)
        valuesPanel->setVisible(s == 1);
    platform::Preferences::standard().setInteger(s, valuesKey);
}

void Controller::showPractice(QObject *)
{
    const int s = practice && practice->isChecked() ? 1 : 0;
    if (practicePanel) {
        practicePanel->setVisible(s == 1);
        // Opened, it is where the user is: the question is heard at once.
        if (auto *panel = qobject_cast<PracticePanel *>(practicePanel); panel && s == 1)
            panel->focusAnswer();
    }
    platform::Preferences::standard().setInteger(s, practiceKey);
}

void Controller::showProgress(QObject *)
{
    const int s = progress && progress->isChecked() ? 1 : 0;
    if (progressPanel)
        progressPanel->setVisible(s == 1);
    platform::Preferences::standard().setInteger(s, progressKey);
}

void Controller::showCurve(QAbstractButton *sender)
{
    for (const CurveChoice &choice : curveChoices) {
        if (!sender || this->*choice.box != sender)
            continue;
        const int s = stateOf(sender);
        if (graphView)
            graphView->setShowsCurve(choice.curve, s == 1);
        platform::Preferences::standard().setInteger(s, QLatin1String(choice.key));
    }
}

void Controller::chooseSound(QActionGroup *sender)
{
    if (!sender || !sender->checkedAction())
        return;
    const int code = sender->checkedAction()->data().toInt();
    if (soundController)
        soundController->setFunction(code);
    platform::Preferences::standard().setInteger(code, soundKey);
}

void Controller::showReadMe(QObject *)
{
    const QString path = platform::pathForResource(QStringLiteral("ReadMe"), QStringLiteral("rtf"));
    if (path.isEmpty()) {
        showWarning(window, tr("The ReadMe could not be found."),
                    //: %1 is the folder that holds the program.
                    tr("It belongs beside the program, in \u201c%1\u201d, or in the folder "
                       "share/unitcircle beside that folder. Installing Unit Circle again puts "
                       "it back.")
                        .arg(QDir::toNativeSeparators(platform::bundleDirectory())));
        return;
    }
    platform::openFile(path, this, [this, path] {
        showWarning(window, tr("The ReadMe could not be opened."),
                    //: %1 is the full path of the ReadMe file.
                    tr("No program on this computer opened \u201c%1\u201d. Open it with a "
                       "program that reads RTF documents, such as a word processor.")
                        .arg(QDir::toNativeSeparators(path)));
    });
}

void Controller::marvoSoftware(QObject *)
{
    // The root of the site whatever the configured address holds beyond its scheme and host.
    const QUrl address = QUrl::fromUserInput(QStringLiteral(UNITCIRCLE_WEBSITE));
    QUrl root;
    root.setScheme(address.scheme());
    root.setHost(address.host());
    if (!root.isValid() || root.host().isEmpty())
        return;
    platform::openURL(root, this, [this, root] {
        showWarning(window, tr("The web site could not be opened."),
                    //: %1 is the address of the web site.
                    tr("No web browser on this computer opened %1. Type the address into a "
                       "browser to visit it.")
                        .arg(root.toString()));
    });
}

bool Controller::windowShouldClose(QWidget *)
{
    QCoreApplication::quit();
    return true;
}

void Controller::savePreferencesAtQuit()
{
    m_quitting = true;
    platform::Preferences::standard().sync();
}

void Controller::reportPreferencesProblem(const platform::PreferencesProblem &problem)
{
    using Problem = platform::PreferencesProblem;
    const QString file = QDir::toNativeSeparators(problem.fileName);
    QString text;
    QString details;
    if (problem.reading) {
        text = tr("Your choices could not be read.");
        if (problem.kind == Problem::TooLarge)
            //: %1 is the full path of the preferences file.
            details = tr("\u201c%1\u201d is far larger than a file of choices, so it was not "
                         "read. Unit Circle starts with its usual settings and puts your "
                         "choices in its place when you change them.")
                          .arg(file);
        else
            //: %1 is the full path of the preferences file.
            details = tr("\u201c%1\u201d is not a file. Unit Circle starts with its usual "
                         "settings, and the choices you make now will not be kept. Remove what "
                         "stands in its place to keep them again.")
                          .arg(file);
    } else {
        text = tr("Your choices could not be saved.");
        switch (problem.kind) {
        case Problem::ReadOnly:
            //: %1 is the full path of the preferences file.
            details = tr("\u201c%1\u201d cannot be written: the file or its folder is "
                         "read-only.")
                          .arg(file);
            break;
        case Problem::NoSpace:
            //: %1 is the full path of the preferences file.
            details = tr("\u201c%1\u201d cannot be written: the disk is full.").arg(file);
            break;
        case Problem::NotAFile:
        case Problem::TooLarge:
            //: %1 is the full path of the preferences file.
            details = tr("\u201c%1\u201d cannot be written: something that is not a file or "
                         "folder stands in its way.")
                          .arg(file);
            break;
        case Problem::CannotWrite:
            //: %1 is the full path of the preferences file.
            details = tr("\u201c%1\u201d cannot be written.").arg(file);
            break;
        }
        if (!m_quitting)
            details += QLatin1Char(' ')
                + tr("Unit Circle runs on, but the choices you make will be lost when it quits.");
    }

    if (!m_quitting) {
        showWarning(window, text, details);
        return;
    }
    // The window is gone and the program ends when the message is read.
    QMessageBox box(QMessageBox::Warning, tr("Unit Circle"), text, QMessageBox::Ok);
    box.setInformativeText(details);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

void Controller::reportPracticeHistoryProblem(const QString &text, const QString &details)
{
    showWarning(window, text, details);
}

void Controller::followDesktop(bool fontChanged)
{
    DisplayOptions options = m_displayOptions;
    options.desktopTextScale = desktopTextScale(QApplication::font());
    if (platform::Preferences::standard().integerForKey(reverseContrastKey, -1) == -1)
        options.reverseContrast = isDarkPalette(QApplication::palette());
    // A new desktop font is taken by the panels (scaled from it) even where the figure's factor
    // stays the same.
    if (options == m_displayOptions && !fontChanged)
        return;
    // The desktop's change is no choice of the user's: nothing is written.
    m_restoring = true;
    if (reverseContrast)
        reverseContrast->setChecked(options.reverseContrast);
    applyDisplayOptions(options);
    m_restoring = false;
}

bool Controller::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window && window) {
        switch (event->type()) {
        case QEvent::ApplicationPaletteChange:
        case QEvent::PaletteChange:
            followDesktop(false);
            break;
        case QEvent::ApplicationFontChange:
        case QEvent::FontChange:
            followDesktop(true);
            break;
        default:
            break;
        }
    }
    if (event->type() == QEvent::Close && watched == window && window) {
        if (!windowShouldClose(window)) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
