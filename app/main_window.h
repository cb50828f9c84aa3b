// The main window as the interface description builds it, and the wiring that an interface
// loader would do: the controller's references and the connections of the controls and menu
// commands to its actions. main and the tests build the window the same way.
#pragma once

#include <QMainWindow>

#include <memory>

class Controller;
class GraphView;
class OrbelView;
class QAction;
class QActionGroup;
class QMenu;
class SoundController;
class QButtonGroup;
class QCheckBox;
class QRadioButton;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

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
    QAction *printAction() const;
    QAction *exportAction() const;
    QAction *exportGraphAction() const;
    QAction *graphAction() const;
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

protected:
    // Showing the graph makes the window taller by its height, hiding it gives the height back,
    // so that the circle keeps its size.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateSoundAvailability();

    std::unique_ptr<Ui::MainWindow> m_ui;
    QActionGroup *m_soundChoices = nullptr;
    std::unique_ptr<SoundController> m_sound;
};

// Connects controller's references to window's view and controls (not owned), its actions to the
// controls and menu commands, and makes it the window's delegate for the close request. The
// caller sends awakeFromNib afterwards.
void bindController(Controller &controller, MainWindow &window);
