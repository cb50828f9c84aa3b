// The window's set-up beyond what the form can say (the radio cells' tags) and the connections.
#include "app/main_window.h"

#include "app/controller.h"
#include "app/views_layout.h"
#include "app/window_geometry.h"
#include "graph/graph_view.h"
#include "panels/angle_field.h"
#include "panels/practice_panel.h"
#include "panels/progress_panel.h"
#include "panels/values_panel.h"
#include "platform/accessibility_events.h"
#include "sound/sound_controller.h"
#include "ui_mainwindow.h"
#include "view/orbel_view.h"

#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <cmath>

// The resources compiled into the core library; a static library needs them named once.
static void initialiseResources()
{
    Q_INIT_RESOURCE(unitcircle);
}

// The program's icon at each size it is drawn at. Each picture is read as the PNG it is: a reader
// told no kind asks every image-format plugin first, loading them all.
QIcon MainWindow::programIcon()
{
    QIcon icon;
    for (int size : { 16, 24, 32, 48, 64, 128 }) {
        QImageReader reader(
            QStringLiteral(":/icons/icons/com.marvosoftware.UnitCircle-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::MainWindow>())
{
    m_ui->setupUi(this);
    initialiseResources();
    // The icon comes after the figure's first paint, which does not need its pictures.
    m_ui->orbelView->installEventFilter(this);
    // The tags of the angle-unit cells are the view's angle unit codes.
    m_ui->unit->setId(m_ui->radians, 0);
    m_ui->unit->setId(m_ui->degrees, 1);

    // The menu commands and the controls below the views are one choice each.
    m_unitChoices = new QActionGroup(this);
    for (const auto &[action, button] :
         { std::pair<QAction *, QAbstractButton *> { m_ui->actionRadians, m_ui->radians },
           { m_ui->actionDegrees, m_ui->degrees } }) {
        m_unitChoices->addAction(action);
        connect(action, &QAction::toggled, button, [button = button](bool checked) {
            if (checked)
                button->setChecked(true);
        });
        connect(button, &QAbstractButton::toggled, action, &QAction::setChecked);
    }
    for (const auto &[action, box] : { std::pair<QAction *, QAbstractButton *> {
                                           m_ui->actionStandardAngles, m_ui->standardAngles },
                                       { m_ui->actionSinCos, m_ui->sinCos },
                                       { m_ui->actionGraph, m_ui->graph },
                                       { m_ui->actionValues, m_ui->values } }) {
        connect(action, &QAction::toggled, box, &QAbstractButton::setChecked);
        connect(box, &QAbstractButton::toggled, action, &QAction::setChecked);
    }
    connect(m_ui->actionTypeAngle, &QAction::triggered, this, &MainWindow::typeAngle);
    m_ui->angleField->lineEdit()->installEventFilter(this);

    // One angle, two views: the graph shows and drives the circle view's.
    m_ui->graphView->setOrbelView(m_ui->orbelView);
    m_ui->graphPanel->installEventFilter(this);

    // The values and the angle field follow and set the same angle.
    m_ui->valuesPanel->setOrbelView(m_ui->orbelView);
    m_ui->angleField->setOrbelView(m_ui->orbelView);
    // Shown or hidden by its key or from the menu, the panel changes away from the focus, and a
    // screen reader would say only the keys pressed: it is told in words. (Its check box, pressed
    // itself, says its own state; setting the command's check from there triggers nothing.)
    const auto tell = [this](QAction *action, const char *shown, const char *hidden) {
        connect(action, &QAction::triggered, this, [this, shown, hidden](bool on) {
            QWidget *focus = QApplication::focusWidget();
            platform::announce(focus ? focus : static_cast<QWidget *>(this),
                               on ? tr(shown) : tr(hidden));
        });
    };
    //: Said by a screen reader when View > Graph is chosen by its key or from the menu.
    tell(m_ui->actionGraph, QT_TR_NOOP("Graph shown"), QT_TR_NOOP("Graph hidden"));
    //: Said by a screen reader when View > Values is chosen by its key or from the menu.
    tell(m_ui->actionValues, QT_TR_NOOP("Values shown"), QT_TR_NOOP("Values hidden"));
    m_ui->valuesPanel->installEventFilter(this);
    // The values come next after the circle and the graph, line by line, before the graph's
    // curves and the controls below.
    QWidget *previous = m_ui->graphView;
    for (QWidget *line : m_ui->valuesPanel->lines()) {
        setTabOrder(previous, line);
        previous = line;
    }
    setTabOrder(previous, m_ui->graphCos);
    m_ui->practicePanel->setOrbelView(m_ui->orbelView);
    // Typing the angle would answer a question that asks where it lies.
    connect(m_ui->practicePanel, &PracticePanel::placeQuestionOpen, m_ui->angleField,
            &QWidget::setDisabled);
    connect(m_ui->practicePanel, &PracticePanel::placeQuestionOpen, m_ui->actionTypeAngle,
            &QAction::setDisabled);
    m_ui->practicePanel->installEventFilter(this);
    m_ui->progressPanel->setOrbelView(m_ui->orbelView);
    m_ui->progressPanel->installEventFilter(this);

    // The two views share the height the controls leave, the graph by a third of it.
    QLayoutItem *figure = m_ui->mainLayout->takeAt(0);
    delete m_ui->mainLayout->takeAt(0);
    m_views = new ViewsLayout(figure, m_ui->graphPanel, m_ui->graphView);
    m_views->setSpacing(m_ui->mainLayout->spacing());
    m_ui->mainLayout->insertLayout(0, m_views, 1);

    m_placement = new WindowPlacement(this);
    // F11 wherever the platform's own key for it is another one.
    QList<QKeySequence> keys { QKeySequence(Qt::Key_F11) };
    for (const QKeySequence &key : QKeySequence::keyBindings(QKeySequence::FullScreen))
        if (!keys.contains(key))
            keys.append(key);
    m_ui->actionFullScreen->setShortcuts(keys);
    connect(m_ui->actionFullScreen, &QAction::triggered, m_placement,
            &WindowPlacement::setFullScreen);
    m_leaveFullScreen = new QAction(this);
    m_leaveFullScreen->setObjectName(QStringLiteral("actionLeaveFullScreen"));
    m_leaveFullScreen->setShortcut(QKeySequence(Qt::Key_Escape));
    m_leaveFullScreen->setEnabled(false);
    addAction(m_leaveFullScreen);
    connect(m_leaveFullScreen, &QAction::triggered, m_placement,
            [this] { m_placement->setFullScreen(false); });
    connect(m_placement, &WindowPlacement::fullScreenChanged, this, [this](bool on) {
        m_ui->actionFullScreen->setChecked(on);
        m_leaveFullScreen->setEnabled(on);
        updateViewsArrangement();
    });

    // Ctrl++ wherever the keyboard puts the plus (with Shift on many, on the keypad on others),
    // and Ctrl+= on the plus key's own.
    QList<QKeySequence> larger = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    for (const QKeySequence &key :
         { QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal) })
        if (!larger.contains(key))
            larger.append(key);
    m_ui->actionLargerText->setShortcuts(larger);
    QList<QKeySequence> smaller = QKeySequence::keyBindings(QKeySequence::ZoomOut);
    if (!smaller.contains(QKeySequence(Qt::CTRL | Qt::Key_Minus)))
        smaller.append(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    m_ui->actionSmallerText->setShortcuts(smaller);
    m_ui->actionNormalSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

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
    m_sound->sweep().setShortcut(m_ui->actionListen->shortcut());
    connect(m_ui->actionListen, &QAction::triggered, m_sound.get(),
            &SoundController::listenToOneTurn);
    // Asked when the menu opens, so that a window that never offers sound never asks.
    connect(m_ui->menuSound, &QMenu::aboutToShow, this, &MainWindow::updateSoundAvailability);
    connect(m_sound.get(), &SoundController::availabilityChanged, this,
            &MainWindow::updateSoundAvailability);
}

void MainWindow::applyDisplayOptions(const DisplayOptions &options)
{
    m_displayOptions = options;
    // The panels already follow the desktop's text size; they take the user's steps and the
    // projector's doubling.
    DisplayOptions panels = options;
    panels.desktopTextScale = 1.0;
    const double scale = panels.textScale();
    if (scale != 1.0 || m_panelsScaled) {
        for (QWidget *panel : { static_cast<QWidget *>(m_ui->valuesPanel),
                                static_cast<QWidget *>(m_ui->practicePanel) }) {
            panel->setFont(QFont());
            if (scale != 1.0) {
                QFont font = panel->font();
                if (font.pointSizeF() > 0.0)
                    font.setPointSizeF(font.pointSizeF() * scale);
                else
                    font.setPixelSize(int(std::lround(font.pixelSize() * scale)));
                panel->setFont(font);
            }
        }
        m_panelsScaled = scale != 1.0;
    }
    updateViewsArrangement();
}

void MainWindow::updateViewsArrangement()
{
    const bool roomy = m_displayOptions.projector || isFullScreen() || m_placement->isFullScreen();
    m_views->setGraphBesideWhenWide(roomy);
    if (roomy != m_controlsHidden) {
        m_controlsHidden = roomy;
        updateControlsShown();
    }
}

void MainWindow::updateControlsShown()
{
    m_ui->unitBox->setVisible(!m_controlsHidden);
    m_ui->showBox->setVisible(!m_controlsHidden);
    // The angle field stays while it is being typed in.
    m_ui->angleBox->setVisible(!m_controlsHidden || m_ui->angleField->lineEdit()->hasFocus());
}

void MainWindow::typeAngle()
{
    m_ui->angleBox->setVisible(true);
    QLineEdit *edit = m_ui->angleField->lineEdit();
    edit->setFocus(Qt::ShortcutFocusReason);
    edit->selectAll();
}

void MainWindow::updateSoundAvailability()
{
    // While nothing can be heard the choices cannot be made; the one made stays ticked and
    // stored, and sounds again when the server is back.
    const bool available = m_sound->isAvailable();
    m_ui->actionSoundUnavailable->setVisible(!available);
    m_soundChoices->setEnabled(available);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The angle field, shown for typing while the controls are hidden, goes once typing is over
    // (not for a menu or another window that takes the focus for a moment).
    if (watched == m_ui->angleField->lineEdit() && event->type() == QEvent::FocusOut
        && m_controlsHidden) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            QTimer::singleShot(0, this, &MainWindow::updateControlsShown);
        return false;
    }
    if (watched == m_ui->orbelView && event->type() == QEvent::Paint) {
        m_ui->orbelView->removeEventFilter(this);
        // Once the start is over: the paint's own flush and the events queued behind it come
        // first. Not later: set a fifth of a second on, with a screen reader running and no
        // window manager, the first Alt+V after the window took the focus opened no menu.
        QTimer::singleShot(1, this, [this] { setWindowIcon(programIcon()); });
        // What no one has asked for yet (the practice history) waits until the events of the
        // first moments are through.
        QTimer::singleShot(200, this, &MainWindow::started);
        return false;
    }
    const bool shown = event->type() == QEvent::ShowToParent;
    if (watched == m_ui->graphPanel && (shown || event->type() == QEvent::HideToParent)) {
        m_ui->actionExportGraph->setEnabled(shown);
        m_ui->actionPrintGraph->setEnabled(shown);
        if (!isMaximized() && !isFullScreen()) {
            // The graph is half the circle's height, a third of the two; the panel's row of
            // curves comes with it. Hidden, it gives back the height it had.
            const int gap = std::max(0, centralWidget()->layout()->spacing());
            const int extra
                = m_ui->graphPanel->sizeHint().height() - m_ui->graphView->sizeHint().height();
            // A window not yet shown is not laid out: it has the designed sizes. A shown one has
            // just laid out the views again; the circle had the whole of their height before.
            const bool laidOut = isVisible();
            const int graph = laidOut
                ? std::max(m_ui->graphView->minimumHeight(),
                           int(std::lround(m_views->geometry().height() / 2.0)))
                : m_ui->graphView->sizeHint().height();
            const int had
                = laidOut ? m_ui->graphPanel->height() : m_ui->graphPanel->sizeHint().height();
            const int room = (shown ? graph + extra : had) + gap;
            m_placement->resizeOnScreen(QSize(width(), height() + (shown ? room : -room)));
        }
    }
    QWidget *beside = watched == m_ui->valuesPanel || watched == m_ui->practicePanel
            || watched == m_ui->progressPanel
        ? static_cast<QWidget *>(watched)
        : nullptr;
    if (beside && (shown || event->type() == QEvent::HideToParent)) {
        if (!isMaximized() && !isFullScreen()) {
            const int room = std::max(beside->sizeHint().width(), beside->minimumWidth())
                + std::max(0, m_ui->figureLayout->spacing());
            m_placement->resizeOnScreen(QSize(width() + (shown ? room : -room), height()));
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
QCheckBox *MainWindow::values() const
{
    return m_ui->values;
}
ValuesPanel *MainWindow::valuesPanel() const
{
    return m_ui->valuesPanel;
}
QAction *MainWindow::valuesAction() const
{
    return m_ui->actionValues;
}
AngleField *MainWindow::angleField() const
{
    return m_ui->angleField;
}
PracticePanel *MainWindow::practicePanel() const
{
    return m_ui->practicePanel;
}
QAction *MainWindow::practiceAction() const
{
    return m_ui->actionPractice;
}
ProgressPanel *MainWindow::progressPanel() const
{
    return m_ui->progressPanel;
}
QAction *MainWindow::progressAction() const
{
    return m_ui->actionProgress;
}
QAction *MainWindow::exportProgressAction() const
{
    return m_ui->actionExportProgress;
}
QAction *MainWindow::resetProgressAction() const
{
    return m_ui->actionResetProgress;
}
void MainWindow::setPracticeHistory(PracticeHistory *history)
{
    m_ui->practicePanel->setHistory(history);
    m_ui->progressPanel->setHistory(history);
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
QAction *MainWindow::printGraphAction() const
{
    return m_ui->actionPrintGraph;
}
QAction *MainWindow::graphAction() const
{
    return m_ui->actionGraph;
}
QAction *MainWindow::fullScreenAction() const
{
    return m_ui->actionFullScreen;
}
QAction *MainWindow::leaveFullScreenAction() const
{
    return m_leaveFullScreen;
}
QAction *MainWindow::largerTextAction() const
{
    return m_ui->actionLargerText;
}
QAction *MainWindow::smallerTextAction() const
{
    return m_ui->actionSmallerText;
}
QAction *MainWindow::normalSizeAction() const
{
    return m_ui->actionNormalSize;
}
QAction *MainWindow::reverseContrastAction() const
{
    return m_ui->actionReverseContrast;
}
QAction *MainWindow::projectorAction() const
{
    return m_ui->actionProjector;
}
QAction *MainWindow::radiansAction() const
{
    return m_ui->actionRadians;
}
QAction *MainWindow::degreesAction() const
{
    return m_ui->actionDegrees;
}
QAction *MainWindow::standardAnglesAction() const
{
    return m_ui->actionStandardAngles;
}
QAction *MainWindow::sinCosAction() const
{
    return m_ui->actionSinCos;
}
QAction *MainWindow::typeAngleAction() const
{
    return m_ui->actionTypeAngle;
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
    controller.values = window.values();
    controller.valuesPanel = window.valuesPanel();
    controller.practice = window.practiceAction();
    controller.practicePanel = window.practicePanel();
    controller.progress = window.progressAction();
    controller.progressPanel = window.progressPanel();
    controller.sound = window.sound();
    controller.soundController = window.soundController();
    controller.reverseContrast = window.reverseContrastAction();
    controller.projector = window.projectorAction();

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
    QObject::connect(window.values(), &QAbstractButton::toggled, c, [c, box = window.values()] {
        if (!c->isRestoring())
            c->showValues(box);
    });
    QObject::connect(window.practiceAction(), &QAction::toggled, c, [c] {
        if (!c->isRestoring())
            c->showPractice();
    });
    QObject::connect(window.progressAction(), &QAction::toggled, c, [c] {
        if (!c->isRestoring())
            c->showProgress();
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

    QObject::connect(window.largerTextAction(), &QAction::triggered, c, [c] { c->largerText(); });
    QObject::connect(window.smallerTextAction(), &QAction::triggered, c, [c] { c->smallerText(); });
    QObject::connect(window.normalSizeAction(), &QAction::triggered, c,
                     [c] { c->normalTextSize(); });
    QObject::connect(window.orbelView(), &OrbelView::textStepRequested, c, &Controller::stepText);
    QObject::connect(window.reverseContrastAction(), &QAction::toggled, c,
                     [c, action = window.reverseContrastAction()] {
                         if (!c->isRestoring())
                             c->showReverseContrast(action);
                     });
    QObject::connect(window.projectorAction(), &QAction::toggled, c,
                     [c, action = window.projectorAction()] {
                         if (!c->isRestoring())
                             c->showProjector(action);
                     });
    QObject::connect(c, &Controller::displayOptionsChanged, &window,
                     &MainWindow::applyDisplayOptions);

    QObject::connect(window.printAction(), &QAction::triggered, c, [c] { c->print(); });
    QObject::connect(window.exportAction(), &QAction::triggered, c, [c] { c->exportFigure(); });
    QObject::connect(window.exportGraphAction(), &QAction::triggered, c, [c] { c->exportGraph(); });
    QObject::connect(window.printGraphAction(), &QAction::triggered, c, [c] { c->printGraph(); });
    QObject::connect(window.copyAction(), &QAction::triggered, c, [c] { c->copyFigure(); });
    QObject::connect(window.exportProgressAction(), &QAction::triggered, c,
                     [c] { c->exportProgress(); });
    QObject::connect(window.resetProgressAction(), &QAction::triggered, c,
                     [c] { c->resetProgress(); });
    QObject::connect(window.readMeAction(), &QAction::triggered, c, [c] { c->showReadMe(); });
    QObject::connect(window.webSiteAction(), &QAction::triggered, c, [c] { c->marvoSoftware(); });
    // Quitting closes the window, which asks the controller as every close does.
    QObject::connect(window.quitAction(), &QAction::triggered, &window, &QWidget::close);

    window.installEventFilter(c);
}
