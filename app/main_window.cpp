// The window's set-up beyond what the form can say (the radio cells' tags) and the connections.
#include "app/main_window.h"

#include "app/controller.h"
#include "app/sound_controller.h"
#include "ui_mainwindow.h"
#include "view/graph_view.h"

#include <QActionGroup>
#include <QEvent>
#include <QIcon>
#include <QLayout>

#include <algorithm>

// The resources compiled into the core library; a static library needs them named once.
static void initialiseResources()
{
    Q_INIT_RESOURCE(unitcircle);
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::MainWindow>())
{
    m_ui->setupUi(this);
    initialiseResources();
    setWindowIcon(QIcon(QStringLiteral(":/icons/com.marvosoftware.UnitCircle.svg")));
    // The tags of the angle-unit cells are the view's angle unit codes.
    m_ui->unit->setId(m_ui->radians, 0);
    m_ui->unit->setId(m_ui->degrees, 1);

    // One angle, two views: the graph shows and drives the circle view's.
    m_ui->graphView->setOrbelView(m_ui->orbelView);
    // The View menu's command and the check box are one choice.
    connect(m_ui->actionGraph, &QAction::toggled, m_ui->graph, &QAbstractButton::setChecked);
    connect(m_ui->graph, &QAbstractButton::toggled, m_ui->actionGraph, &QAction::setChecked);
    m_ui->graphPanel->installEventFilter(this);

    // The Sound menu's choices are one choice, tagged with the codes the preferences keep.
    m_soundChoices = new QActionGroup(this);
    const std::pair<QAction *, int> soundCodes[] = {
        { m_ui->actionSoundOff, SoundController::Off },
        { m_ui->actionSoundSine, SoundController::Sine },
        { m_ui->actionSoundCosine, SoundController::Cosine },
        { m_ui->actionSoundTangent, SoundController::Tangent },
    };
    for (const auto &[action, code] : soundCodes) {
        action->setData(code);
        m_soundChoices->addAction(action);
    }
    m_sound = std::make_unique<SoundController>();
    m_sound->setOrbelView(m_ui->orbelView);
    connect(m_ui->actionListen, &QAction::triggered, m_sound.get(),
            &SoundController::listenToOneTurn);
    // Asked when the menu opens, so that a window that never offers sound never asks.
    connect(m_ui->menuSound, &QMenu::aboutToShow, this, &MainWindow::updateSoundAvailability);
    connect(m_sound.get(), &SoundController::availabilityChanged, this,
            &MainWindow::updateSoundAvailability);
}

void MainWindow::updateSoundAvailability()
{
    m_ui->actionSoundUnavailable->setVisible(!m_sound->isAvailable());
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool shown = event->type() == QEvent::ShowToParent;
    if (watched == m_ui->graphPanel && (shown || event->type() == QEvent::HideToParent)) {
        m_ui->actionExportGraph->setEnabled(shown);
        if (!isMaximized() && !isFullScreen()) {
            const int room = m_ui->graphPanel->sizeHint().height()
                + std::max(0, centralWidget()->layout()->spacing());
            resize(width(), height() + (shown ? room : -room));
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

MainWindow::~MainWindow() = default;

OrbelView *MainWindow::orbelView() const
{
    return m_ui->orbelView;
}
QButtonGroup *MainWindow::unit() const
{
    return m_ui->unit;
}
QRadioButton *MainWindow::radians() const
{
    return m_ui->radians;
}
QRadioButton *MainWindow::degrees() const
{
    return m_ui->degrees;
}
QCheckBox *MainWindow::standardAngles() const
{
    return m_ui->standardAngles;
}
QCheckBox *MainWindow::sinCos() const
{
    return m_ui->sinCos;
}
QCheckBox *MainWindow::graph() const
{
    return m_ui->graph;
}
QWidget *MainWindow::graphPanel() const
{
    return m_ui->graphPanel;
}
GraphView *MainWindow::graphView() const
{
    return m_ui->graphView;
}
QCheckBox *MainWindow::graphCos() const
{
    return m_ui->graphCos;
}
QCheckBox *MainWindow::graphSin() const
{
    return m_ui->graphSin;
}
QCheckBox *MainWindow::graphTan() const
{
    return m_ui->graphTan;
}
QAction *MainWindow::printAction() const
{
    return m_ui->actionPrint;
}
QAction *MainWindow::exportAction() const
{
    return m_ui->actionExportFigure;
}
QAction *MainWindow::exportGraphAction() const
{
    return m_ui->actionExportGraph;
}
QAction *MainWindow::graphAction() const
{
    return m_ui->actionGraph;
}
QAction *MainWindow::copyAction() const
{
    return m_ui->actionCopyFigure;
}
QAction *MainWindow::quitAction() const
{
    return m_ui->actionQuit;
}
QAction *MainWindow::readMeAction() const
{
    return m_ui->actionReadMe;
}
QAction *MainWindow::webSiteAction() const
{
    return m_ui->actionWebSite;
}
QMenu *MainWindow::soundMenu() const
{
    return m_ui->menuSound;
}
QActionGroup *MainWindow::sound() const
{
    return m_soundChoices;
}
QAction *MainWindow::soundUnavailableAction() const
{
    return m_ui->actionSoundUnavailable;
}
QAction *MainWindow::listenAction() const
{
    return m_ui->actionListen;
}

void bindController(Controller &controller, MainWindow &window)
{
    controller.orbelView = window.orbelView();
    controller.window = &window;
    controller.unit = window.unit();
    controller.standardAngles = window.standardAngles();
    controller.sinCos = window.sinCos();
    controller.graph = window.graph();
    controller.graphPanel = window.graphPanel();
    controller.graphView = window.graphView();
    controller.graphCos = window.graphCos();
    controller.graphSin = window.graphSin();
    controller.graphTan = window.graphTan();
    controller.sound = window.sound();
    controller.soundController = window.soundController();

    Controller *c = &controller;
    // The state the controls report, however it changed: a click, a key, a mnemonic, or an
    // accessible action such as Toggle, which assistive technology and voice control use and
    // which changes the state without a click. Restoring the stored choices is no user action.
    QObject::connect(window.unit(), &QButtonGroup::idToggled, c,
                     [c, group = window.unit()](int, bool checked) {
                         if (checked && !c->isRestoring())
                             c->changeUnit(group);
                     });
    QObject::connect(window.standardAngles(), &QAbstractButton::toggled, c,
                     [c, box = window.standardAngles()] {
                         if (!c->isRestoring())
                             c->showStandardAngles(box);
                     });
    QObject::connect(window.sinCos(), &QAbstractButton::toggled, c, [c, box = window.sinCos()] {
        if (!c->isRestoring())
            c->showSinCos(box);
    });
    QObject::connect(window.graph(), &QAbstractButton::toggled, c, [c, box = window.graph()] {
        if (!c->isRestoring())
            c->showGraph(box);
    });
    for (QAbstractButton *box : { window.graphCos(), window.graphSin(), window.graphTan() }) {
        QObject::connect(box, &QAbstractButton::toggled, c, [c, box] {
            if (!c->isRestoring())
                c->showCurve(box);
        });
    }

    for (QAction *choice : window.sound()->actions()) {
        QObject::connect(choice, &QAction::toggled, c, [c, group = window.sound()](bool checked) {
            if (checked && !c->isRestoring())
                c->chooseSound(group);
        });
    }

    QObject::connect(window.printAction(), &QAction::triggered, c, [c] { c->print(); });
    QObject::connect(window.exportAction(), &QAction::triggered, c, [c] { c->exportFigure(); });
    QObject::connect(window.exportGraphAction(), &QAction::triggered, c, [c] { c->exportGraph(); });
    QObject::connect(window.copyAction(), &QAction::triggered, c, [c] { c->copyFigure(); });
    QObject::connect(window.readMeAction(), &QAction::triggered, c, [c] { c->showReadMe(); });
    QObject::connect(window.webSiteAction(), &QAction::triggered, c, [c] { c->marvoSoftware(); });
    // Quitting closes the window, which asks the controller as every close does.
    QObject::connect(window.quitAction(), &QAction::triggered, &window, &QWidget::close);

    window.installEventFilter(c);
}
