// The main window as the interface description builds it, and the wiring that an interface
// loader would do: the controller's references and the connections of the controls and menu
// commands to its actions. main and the tests build the window the same way.
#pragma once

#include "view/display_options.h"

#include <QFont>
#include <QMainWindow>

#include <memory>

class AngleField;
class Controller;
class GraphView;
class OrbelView;
class PracticeHistory;
class PracticePanel;
class ProgressPanel;
class ValuesPanel;
class QAction;
class QIcon;
class QActionGroup;
class QMenu;
class SoundController;
class QButtonGroup;
class QCheckBox;
class QRadioButton;
class ViewsLayout;
class WindowPlacement;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The program's icon, which the window takes once its figure has been painted.
    static QIcon programIcon();

    // The objects of the interface description (ui_mainwindow.h stays inside the library).
    OrbelView *orbelView() const;
    QButtonGroup *unit() const;
    QRadioButton *radians() const;
    QRadioButton *degrees() const;
    QCheckBox *standardAngles() const;
    QCheckBox *sinCos() const;
    QCheckBox *graph() const;
    // The graph with its choice of curves; hidden until the user shows it.
    QWidget *graphPanel() const;
    GraphView *graphView() const;
    QCheckBox *graphCos() const;
    QCheckBox *graphSin() const;
    QCheckBox *graphTan() const;
    // The values beside the figure, with their box, and the field in which an angle is typed.
    QCheckBox *values() const;
    ValuesPanel *valuesPanel() const;
    QAction *valuesAction() const;
    AngleField *angleField() const;
    // The practice panel beside the figure and its command.
    PracticePanel *practicePanel() const;
    QAction *practiceAction() const;
    // The progress panel beside the figure and its command; File ▸ Export Progress… and Reset
    // Progress….
    ProgressPanel *progressPanel() const;
    QAction *progressAction() const;
    QAction *exportProgressAction() const;
    QAction *resetProgressAction() const;
    // The history that practice records in and progress shows; not owned.
    void setPracticeHistory(PracticeHistory *history);
    QAction *printAction() const;
    QAction *exportAction() const;
    QAction *exportGraphAction() const;
    QAction *printGraphAction() const;
    QAction *graphAction() const;
    // View > Full Screen (F11 and the platform's key), and Escape, which leaves full screen.
    QAction *fullScreenAction() const;
    QAction *leaveFullScreenAction() const;
    // View ▸ Larger Text (Ctrl++), Smaller Text (Ctrl+-), Normal Size (Ctrl+0), Reverse Contrast
    // and Projector Mode.
    QAction *largerTextAction() const;
    QAction *smallerTextAction() const;
    QAction *normalSizeAction() const;
    QAction *reverseContrastAction() const;
    QAction *projectorAction() const;
    // View ▸ Angle Unit ▸ Radians and Degrees, Standard Angles, Cosine and Sine: the same
    // choices as the controls below the views; View ▸ Type an Angle (Ctrl+T), which puts the
    // focus in the angle field and shows it where it is hidden.
    QActionGroup *unitActions() const { return m_unitChoices; }
    QAction *radiansAction() const;
    QAction *degreesAction() const;
    QAction *standardAnglesAction() const;
    QAction *sinCosAction() const;
    QAction *typeAngleAction() const;
    // In full screen and in projector mode the controls below the views are hidden, so that the
    // circle has their height; the menus hold every one of their choices.
    bool controlsHidden() const { return m_controlsHidden; }
    QAction *copyAction() const;
    QAction *quitAction() const;
    QAction *readMeAction() const;
    QAction *webSiteAction() const;
    // View ▸ Sound: the choices (their data the codes of prefs_sound), and the note that shows
    // when there is no sound; View ▸ Listen to One Turn.
    QMenu *soundMenu() const;
    QActionGroup *sound() const;
    QAction *soundUnavailableAction() const;
    QAction *listenAction() const;
    // The tone of the figure and its turn, owned by the window.
    SoundController *soundController() const { return m_sound.get(); }

    // The window's size, place and full screen: fitted to the screen, kept between runs.
    WindowPlacement *placement() const { return m_placement; }

    // The look the controller chose: the panels' texts scaled with the figure's, and in full
    // screen or projector mode on a wide screen the graph beside the circle.
    void applyDisplayOptions(const DisplayOptions &options);
    ViewsLayout *viewsLayout() const { return m_views; }

signals:
    // The start is over: the figure's first paint and the events just behind it are through.
    // Work that the first paint need not wait for (the icon, the practice history) comes then.
    void started();

protected:
    // Showing the graph makes the window taller by its height, and showing the values wider by
    // their width; hiding them gives the room back, so that the circle keeps its size.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateSoundAvailability();
    void updateViewsArrangement();
    void updateControlsShown();
    void typeAngle();

    std::unique_ptr<Ui::MainWindow> m_ui;
    ViewsLayout *m_views = nullptr;
    QAction *m_leaveFullScreen = nullptr;
    WindowPlacement *m_placement = nullptr;
    QActionGroup *m_soundChoices = nullptr;
    QActionGroup *m_unitChoices = nullptr;
    bool m_controlsHidden = false;
    std::unique_ptr<SoundController> m_sound;
    DisplayOptions m_displayOptions;
    // The panels' fonts before any scaling, once they have been scaled.
    bool m_panelsScaled = false;
};

// Connects controller's references to window's view and controls (not owned), its actions to the
// controls and menu commands, and makes it the window's delegate for the close request. The
// caller sends awakeFromNib afterwards.
void bindController(Controller &controller, MainWindow &window);
