// The controller between the window's controls and the circle view: it restores the user's three
// choices at start-up, passes every change of a control to the view and then to the preferences,
// opens the ReadMe and the maker's web site, prints the figure and ends the application when the
// window closes.
#pragma once

#include "view/display_options.h"

#include <QObject>

namespace platform {
struct PreferencesProblem;
}

class GraphView;
class OrbelView;
class PracticeHistory;
class QAbstractButton;
class QAction;
class QActionGroup;
class SoundController;
class QButtonGroup;
class QEvent;
class QFont;
class QPalette;
class QWidget;

class Controller : public QObject
{
    Q_OBJECT

public:
    explicit Controller(QObject *parent = nullptr);

    // Set by whoever loads the interface description (bindController); not owned.
    OrbelView *orbelView = nullptr;
    QWidget *window = nullptr;
    QButtonGroup *unit = nullptr;
    QAbstractButton *standardAngles = nullptr;
    QAbstractButton *sinCos = nullptr;
    // The graph: the box that shows it, the panel that holds it, and its three curves' boxes.
    QAbstractButton *graph = nullptr;
    QWidget *graphPanel = nullptr;
    GraphView *graphView = nullptr;
    QAbstractButton *graphCos = nullptr;
    QAbstractButton *graphSin = nullptr;
    QAbstractButton *graphTan = nullptr;
    // The values beside the figure: the box that shows them and the panel.
    QAbstractButton *values = nullptr;
    QWidget *valuesPanel = nullptr;
    // The practice panel and the menu command that shows it.
    QAction *practice = nullptr;
    QWidget *practicePanel = nullptr;
    // The progress panel and its command, and the practice history it shows (set by main).
    QAction *progress = nullptr;
    QWidget *progressPanel = nullptr;
    PracticeHistory *practiceHistory = nullptr;
    // View ▸ Sound: its choices (each action's data is its code) and the sound they choose.
    QActionGroup *sound = nullptr;
    SoundController *soundController = nullptr;
    // View ▸ Reverse Contrast and View ▸ Projector Mode, ticked as the choices are.
    QAction *reverseContrast = nullptr;
    QAction *projector = nullptr;

    // Restores the stored choices into the view and the controls; sent once the references are set.
    void awakeFromNib();
    // True while awakeFromNib sets the controls: their changes then are not the user's.
    bool isRestoring() const { return m_restoring; }

    // The close request of the window: ends the application and lets the window close.
    bool windowShouldClose(QWidget *sender = nullptr);

    // After the event loop: the last choices (the window's place) written; where that fails and
    // the user has not been told yet, a message says so before the program ends.
    void savePreferencesAtQuit();
    // The message that says the choices could not be read or written, naming the file and why.
    void reportPreferencesProblem(const platform::PreferencesProblem &problem);
    // The message that says why practice answers are not kept (sent once by the history).
    void reportPracticeHistoryProblem(const QString &text, const QString &details);

    // The integer a check box stands for: 1 on, 0 off (not Qt::Checked's 2).
    static int stateOf(const QAbstractButton *box);

    // How the figure, the graph and the panels look, as the choices and the desktop make it.
    DisplayOptions displayOptions() const { return m_displayOptions; }
    // The desktop's text size over the size the figure is designed beside (12 points), when
    // larger; and whether its palette is dark (light texts on a dark window).
    static double desktopTextScale(const QFont &font);
    static bool isDarkPalette(const QPalette &palette);

public slots:
    void changeUnit(QButtonGroup *sender);
    void showStandardAngles(QAbstractButton *sender);
    void showSinCos(QAbstractButton *sender);
    // The graph shown or hidden, and one of its curves drawn or not.
    void showGraph(QAbstractButton *sender);
    void showCurve(QAbstractButton *sender);
    void showValues(QAbstractButton *sender);
    void showPractice(QObject *sender = nullptr);
    void showProgress(QObject *sender = nullptr);
    // In app/progress_commands.cpp: the progress per skill to a CSV file chosen by the user, and
    // every answer forgotten after the user agrees.
    void exportProgress(QObject *sender = nullptr);
    void resetProgress(QObject *sender = nullptr);
    // The function that the tone follows, or none.
    void chooseSound(QActionGroup *sender);
    // View ▸ Larger Text, Smaller Text (by steps, as Ctrl with the wheel does) and Normal Size.
    void largerText(QObject *sender = nullptr);
    void smallerText(QObject *sender = nullptr);
    void stepText(int steps);
    void normalTextSize(QObject *sender = nullptr);
    void showReverseContrast(QAction *sender);
    void showProjector(QAction *sender);

signals:
    // Every change of the look, for the window to lay out its panels and views.
    void displayOptionsChanged(const DisplayOptions &options);

public slots:
    void showReadMe(QObject *sender = nullptr);
    void marvoSoftware(QObject *sender = nullptr);
    // In app/printing.cpp: the figure, and the graph, each on a page.
    void print(QObject *sender = nullptr);
    void printGraph(QObject *sender = nullptr);
    // In app/figure_commands.cpp: the figure to a file chosen by the user, or to the clipboard.
    void exportFigure(QObject *sender = nullptr);
    void copyFigure(QObject *sender = nullptr);
    void exportGraph(QObject *sender = nullptr);

public:
    // Writes the figure to path in the format of its suffix; a failure is shown in a message box
    // attached to the window. Returns whether the file was written.
    bool exportFigureTo(const QString &path);
    bool exportGraphTo(const QString &path);
    // Writes the progress as CSV to path; a failure is shown as for the figure.
    bool exportProgressTo(const QString &path);

protected:
    // The controller is the window's delegate: it answers the window's close request.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyDisplayOptions(const DisplayOptions &options);
    // The desktop's palette or text size changed while running: reverse contrast follows the
    // palette unless the user has chosen, and the figure's texts follow the desktop's size.
    void followDesktop(bool fontChanged);

    bool m_restoring = false;
    DisplayOptions m_displayOptions;
    bool m_quitting = false;
};
